#include "utilities/GeneralUtilities.h"

#include "utilities/CustomApplicationIniSettings.h"
#include "utilities/InitSettings.h"
#include "utilities/Localization/TranslatorsManager.h"
#include "utilities/PathProvider.h"

#include <QDate>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace Corvane::Utilities;

class tst_GeneralUtilities : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void startsUpdaterWithArguments();
    void updaterSpeaksTheLanguageInUse();
    void autoUpdate_data();
    void autoUpdate();
    void ipAddress_data();
    void ipAddress();

private:
    QStringList recordedArguments();
    QString systemIniFilePath() const;

    QTemporaryDir m_dir;
    QString m_record;
};

void tst_GeneralUtilities::initTestCase()
{
    QVERIFY(m_dir.isValid());
    qputenv("CORVANE_CONFIG_DIR", m_dir.filePath("config").toLocal8Bit());
    qputenv("XDG_CONFIG_DIRS", m_dir.filePath("xdg").toLocal8Bit());
    QCoreApplication::setApplicationName("Caller");

    // A stand-in Updater that records its arguments, one per line.
    m_record = m_dir.filePath("arguments.txt");
    const QString script = m_dir.filePath("fake-updater");
    QFile file(script);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QString("#!/bin/sh\n: > '%1.tmp'\nfor a in \"$@\"; do printf '%s\\n' \"$a\" >> '%1.tmp'; done\n"
                       "mv '%1.tmp' '%1'\n")
                   .arg(m_record)
                   .toUtf8());
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("CORVANE_UPDATER", script.toLocal8Bit());
}

void tst_GeneralUtilities::init()
{
    QFile::remove(m_record);
    QFile::remove(PathProvider::iniFilePath());
    QFile::remove(systemIniFilePath());
}

QString tst_GeneralUtilities::systemIniFilePath() const
{
    return m_dir.filePath("xdg/corvane/Caller.ini");
}

QStringList tst_GeneralUtilities::recordedArguments()
{
    QFile file(m_record);
    if (!QTest::qWaitFor([&file] { return file.exists(); }, 5000) || !file.open(QIODevice::ReadOnly))
        return {"<not started>"};
    QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    lines.removeLast();
    return lines;
}

void tst_GeneralUtilities::startsUpdaterWithArguments()
{
    QVERIFY(GeneralUtilities::startUpdater({}));
    QCOMPARE(recordedArguments(), QStringList());
}

void tst_GeneralUtilities::updaterSpeaksTheLanguageInUse()
{
    Localization::TranslatorsManager::instance()->updateTranslators("de_DE");
    QVERIFY(GeneralUtilities::startUpdater({}));
    QCOMPARE(recordedArguments(), QStringList({"/locale", "de_DE"}));
    QFile::remove(m_record);
    QVERIFY(GeneralUtilities::startUpdater({"/locale", "it_IT"}));
    QCOMPARE(recordedArguments(), QStringList({"/locale", "it_IT"}));
}

void tst_GeneralUtilities::autoUpdate_data()
{
    QTest::addColumn<QString>("systemWide");
    QTest::addColumn<QString>("showUpdates");
    QTest::addColumn<QDate>("lastCheck");
    QTest::addColumn<bool>("started");

    const bool build = CommonIniSettings::SHOW_UPDATES_BUILD_DEFAULT;
    QTest::newRow("fresh ini") << "" << "" << QDate() << build;
    QTest::newRow("checked yesterday") << "" << "true" << QDate::currentDate().addDays(-1) << true;
    QTest::newRow("checked today") << "" << "true" << QDate::currentDate() << false;
    QTest::newRow("turned off") << "" << "false" << QDate() << false;
    QTest::newRow("turned off system-wide") << "false" << "" << QDate() << false;
    QTest::newRow("turned on system-wide") << "true" << "" << QDate() << true;
    QTest::newRow("user's on over system-wide off") << "false" << "true" << QDate() << true;
}

void tst_GeneralUtilities::autoUpdate()
{
    QFETCH(QString, systemWide);
    QFETCH(QString, showUpdates);
    QFETCH(QDate, lastCheck);
    QFETCH(bool, started);

    if (!systemWide.isEmpty()) {
        QSettings ini(systemIniFilePath(), QSettings::IniFormat);
        ini.setValue(CommonIniSettings::SHOW_UPDATES_ON_STARTUP_KEY, systemWide);
    }
    {
        QSettings ini(PathProvider::iniFilePath(), QSettings::IniFormat);
        ini.setValue(InitSettings::LOCALE_KEY, "it_IT");
        if (!showUpdates.isEmpty())
            ini.setValue(CommonIniSettings::SHOW_UPDATES_ON_STARTUP_KEY, showUpdates);
        if (lastCheck.isValid())
            ini.setValue(CommonIniSettings::LAST_UPDATE_CHECK_KEY, lastCheck.toString(Qt::ISODate));
    }
    InitSettings::readSettings();

    QCOMPARE(GeneralUtilities::startAutoUpdateIfNeeded(), started);
    if (started) {
        // The ini file and locale come before the automatic switch, where
        // the Updater stops reading.
        QCOMPARE(recordedArguments(),
                 (QStringList{"/inifile", PathProvider::iniFilePath(), "/locale", "it_IT", "/automaticupdate"}));
        CustomApplicationIniSettings settings;
        settings.readSettings();
        QCOMPARE(settings.lastUpdateCheck(), QDate::currentDate());
        QVERIFY(!GeneralUtilities::startAutoUpdateIfNeeded()); // once a day
    } else {
        QTest::qWait(100);
        QVERIFY(!QFile::exists(m_record));
    }
}

void tst_GeneralUtilities::ipAddress_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QChar>("blank");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("normalized");

    QTest::newRow("plain") << "192.168.1.10" << QChar() << true << "192.168.1.10";
    QTest::newRow("leading zeros") << "010.001.000.255" << QChar() << true << "10.1.0.255";
    QTest::newRow("mask blanks") << "192.168.1__.1__" << QChar('_') << true << "192.168.1.1";
    QTest::newRow("blank not given") << "192.168.1__.1__" << QChar() << false << "";
    QTest::newRow("spaces") << " 10. 0.0.1" << QChar() << true << "10.0.0.1";
    QTest::newRow("default") << "0.0.0.0" << QChar() << true << "0.0.0.0";
    QTest::newRow("256") << "1.2.3.256" << QChar() << false << "";
    QTest::newRow("three parts") << "1.2.3" << QChar() << false << "";
    QTest::newRow("five parts") << "1.2.3.4.5" << QChar() << false << "";
    QTest::newRow("empty part") << "1..3.4" << QChar() << false << "";
    QTest::newRow("four digits") << "1.2.3.0004" << QChar() << false << "";
    QTest::newRow("sign") << "1.2.3.+4" << QChar() << false << "";
    QTest::newRow("letters") << "a.b.c.d" << QChar() << false << "";
    QTest::newRow("arabic digits") << QString::fromUtf8("\u0661.2.3.4") << QChar() << false << "";
    QTest::newRow("empty") << "" << QChar() << false << "";
}

void tst_GeneralUtilities::ipAddress()
{
    QFETCH(QString, text);
    QFETCH(QChar, blank);
    QFETCH(bool, valid);
    QFETCH(QString, normalized);

    QString unchanged = text;
    QCOMPARE(GeneralUtilities::isIPAddressValid(unchanged, blank, false), valid);
    QCOMPARE(unchanged, text);

    QString copy = text;
    QCOMPARE(GeneralUtilities::isIPAddressValid(copy, blank, true), valid);
    QCOMPARE(copy, valid ? normalized : text);
}

QTEST_GUILESS_MAIN(tst_GeneralUtilities)
#include "tst_generalutilities.moc"
