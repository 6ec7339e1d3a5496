#include "utilities/CustomApplicationIniSettings.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using Corvane::Utilities::CustomApplicationIniSettings;

class tst_CustomApplicationIniSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void writesOnlyWhatWasSet();
    void roundTrip();
    void unwritableFileReportsFailure();

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
    QVERIFY(settings.showUpdatesOnStartup());
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

QTEST_GUILESS_MAIN(tst_CustomApplicationIniSettings)
#include "tst_customapplicationinisettings.moc"
