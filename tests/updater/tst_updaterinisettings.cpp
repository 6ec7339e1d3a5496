#include "UpdaterIniSettings.h"

#include "utilities/PathProvider.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using Corvane::Updater::UpdaterIniSettings;
using Corvane::Utilities::PathProvider;

class tst_UpdaterIniSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void freshObjectWritesNothing();
    void readValueIsWrittenBack();
    void setValueIsWritten();

private:
    QTemporaryDir m_dir;
};

void tst_UpdaterIniSettings::initTestCase()
{
    QVERIFY(m_dir.isValid());
    qputenv("CORVANE_CONFIG_DIR", m_dir.path().toLocal8Bit());
    QCoreApplication::setApplicationName("UpdaterIniTest");
}

void tst_UpdaterIniSettings::init()
{
    QFile::remove(PathProvider::iniFilePath());
}

void tst_UpdaterIniSettings::freshObjectWritesNothing()
{
    UpdaterIniSettings settings;
    settings.readSettings();
    QVERIFY(!settings.lastOpenedDirPath());
    settings.writeSettings();
    QVERIFY(!QFile::exists(PathProvider::iniFilePath()));
}

void tst_UpdaterIniSettings::readValueIsWrittenBack()
{
    {
        QSettings ini(PathProvider::iniFilePath(), QSettings::IniFormat);
        ini.setValue("last_opened_path", "/home/user/kits");
        ini.setValue("other", 7);
    }
    UpdaterIniSettings settings;
    settings.readSettings();
    QCOMPARE(settings.lastOpenedDirPath(), std::optional<QString>("/home/user/kits"));
    settings.writeSettings();
    const QSettings ini(PathProvider::iniFilePath(), QSettings::IniFormat);
    QCOMPARE(ini.value("last_opened_path").toString(), QString("/home/user/kits"));
    QCOMPARE(ini.value("other").toInt(), 7);
}

void tst_UpdaterIniSettings::setValueIsWritten()
{
    UpdaterIniSettings settings;
    settings.setLastOpenedDirPath("/tmp/kits");
    settings.writeSettings();
    UpdaterIniSettings reread;
    reread.readSettings();
    QCOMPARE(reread.lastOpenedDirPath(), std::optional<QString>("/tmp/kits"));
}

QTEST_GUILESS_MAIN(tst_UpdaterIniSettings)
#include "tst_updaterinisettings.moc"
