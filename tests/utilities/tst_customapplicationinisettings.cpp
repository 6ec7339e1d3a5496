#include "utilities/CustomApplicationIniSettings.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using Corvane::Utilities::CommonIniSettings;
using Corvane::Utilities::CustomApplicationIniSettings;

namespace {

// Writes "show_updates_on_startup" into an ini file, or leaves the file out
// when value is empty.
void writeShowUpdates(const QString& path, const QString& value)
{
    if (value.isEmpty())
        return;
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSettings ini(path, QSettings::IniFormat);
    ini.setValue(CommonIniSettings::SHOW_UPDATES_ON_STARTUP_KEY, value);
}

} // namespace

class tst_CustomApplicationIniSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void writesOnlyWhatWasSet();
    void roundTrip();
    void unwritableFileReportsFailure();
    void systemWideDefault_data();
    void systemWideDefault();
    void systemWideDefaultIsNotWrittenBack();

private:
    QTemporaryDir m_dir;
};

void tst_CustomApplicationIniSettings::writesOnlyWhatWasSet()
{
    const QString path = m_dir.filePath("caller.ini");
    {
        QSettings ini(path, QSettings::IniFormat);
        ini.setValue("last_update_check", "2026-01-02");
        ini.setValue("locale", "de_DE");
    }
    CustomApplicationIniSettings settings;
    settings.setIniSettingsPath(path);
    settings.setShowUpdatesOnStartup(false);
    QVERIFY(settings.writeSettings());

    const QSettings ini(path, QSettings::IniFormat);
    QCOMPARE(ini.value("show_updates_on_startup").toBool(), false);
    QCOMPARE(ini.value("last_update_check").toString(), QString("2026-01-02"));
    QCOMPARE(ini.value("locale").toString(), QString("de_DE"));
}

void tst_CustomApplicationIniSettings::roundTrip()
{
    CustomApplicationIniSettings settings;
    settings.setIniSettingsPath(m_dir.filePath("sub/folder/app.ini"));
    QCOMPARE(settings.showUpdatesOnStartup(), CommonIniSettings::SHOW_UPDATES_BUILD_DEFAULT);
    QVERIFY(!settings.lastUpdateCheck().isValid());
    settings.setLastUpdateCheck(QDate(2026, 12, 9));
    settings.setShowUpdatesOnStartup(false);
    QVERIFY(settings.writeSettings());

    CustomApplicationIniSettings reread;
    reread.setIniSettingsPath(settings.iniSettingsPath());
    reread.readSettings();
    QCOMPARE(reread.lastUpdateCheck(), QDate(2026, 12, 9));
    QVERIFY(!reread.showUpdatesOnStartup());
}

void tst_CustomApplicationIniSettings::unwritableFileReportsFailure()
{
    CustomApplicationIniSettings settings;
    settings.setIniSettingsPath("/proc/corvane-test/app.ini");
    settings.setShowUpdatesOnStartup(true);
    QVERIFY(!settings.writeSettings());
}

void tst_CustomApplicationIniSettings::systemWideDefault_data()
{
    // The values of the key in the first and second folder of
    // XDG_CONFIG_DIRS and in the user's file; empty: not set.
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("user");
    QTest::addColumn<bool>("shown");

    const bool build = CommonIniSettings::SHOW_UPDATES_BUILD_DEFAULT;
    QTest::newRow("no file sets it") << "" << "" << "" << build;
    QTest::newRow("switched off system-wide") << "false" << "" << "" << false;
    QTest::newRow("switched on system-wide") << "true" << "" << "" << true;
    QTest::newRow("second folder") << "" << "false" << "" << false;
    QTest::newRow("first folder before the second") << "true" << "false" << "" << true;
    QTest::newRow("user switches it on") << "false" << "" << "true" << true;
    QTest::newRow("user switches it off") << "true" << "" << "false" << false;
}

void tst_CustomApplicationIniSettings::systemWideDefault()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, user);
    QFETCH(bool, shown);

    const QTemporaryDir dir;
    const QString firstFolder = dir.filePath("xdg1");
    const QString secondFolder = dir.filePath("xdg2");
    qputenv("XDG_CONFIG_DIRS", (firstFolder + u':' + secondFolder).toLocal8Bit());
    writeShowUpdates(firstFolder + "/corvane/app.ini", first);
    writeShowUpdates(secondFolder + "/corvane/app.ini", second);
    writeShowUpdates(dir.filePath("user/app.ini"), user);

    CustomApplicationIniSettings settings;
    settings.setIniSettingsPath(dir.filePath("user/app.ini"));
    settings.readSettings();
    QCOMPARE(settings.showUpdatesOnStartup(), shown);
}

void tst_CustomApplicationIniSettings::systemWideDefaultIsNotWrittenBack()
{
    const QTemporaryDir dir;
    qputenv("XDG_CONFIG_DIRS", dir.filePath("xdg").toLocal8Bit());
    writeShowUpdates(dir.filePath("xdg/corvane/app.ini"), QStringLiteral("false"));

    CustomApplicationIniSettings settings;
    settings.setIniSettingsPath(dir.filePath("user/app.ini"));
    settings.readSettings();
    settings.setLastUpdateCheck(QDate(2026, 12, 11));
    QVERIFY(settings.writeSettings());

    // A later change of the system-wide file still reaches this user.
    const QSettings ini(settings.iniSettingsPath(), QSettings::IniFormat);
    QVERIFY(!ini.contains(CommonIniSettings::SHOW_UPDATES_ON_STARTUP_KEY));
    QCOMPARE(ini.value(CommonIniSettings::LAST_UPDATE_CHECK_KEY).toString(), QStringLiteral("2026-12-11"));
}

QTEST_GUILESS_MAIN(tst_CustomApplicationIniSettings)
#include "tst_customapplicationinisettings.moc"
