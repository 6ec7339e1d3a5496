#include "utilities/InitSettings.h"

#include "utilities/Localization/LanguageSettings.h"
#include "utilities/PathProvider.h"

#include <QCoreApplication>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using Corvane::Utilities::InitSettings;
using Corvane::Utilities::PathProvider;
using Corvane::Utilities::Localization::LanguageSettings;

class tst_InitSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void readsValuesTrimmedAndBlankOnesFallBack();
    void maxDescriptionChars_data();
    void maxDescriptionChars();
    void readingAgainDropsEarlierValues();
    void gadgetLimitsAreSane();

private:
    void writeIni(const QHash<QString, QString>& values);

    QTemporaryDir m_dir;
};

void tst_InitSettings::initTestCase()
{
    QVERIFY(m_dir.isValid());
    qputenv("CORVANE_CONFIG_DIR", m_dir.path().toLocal8Bit());
    QCoreApplication::setApplicationName("Probe");
}

void tst_InitSettings::init()
{
    QFile::remove(PathProvider::iniFilePath());
}

void tst_InitSettings::writeIni(const QHash<QString, QString>& values)
{
    QSettings ini(PathProvider::iniFilePath(), QSettings::IniFormat);
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        ini.setValue(it.key(), it.value());
}

void tst_InitSettings::readsValuesTrimmedAndBlankOnesFallBack()
{
    InitSettings::readSettings();
    const QString defaultLink = InitSettings::softwareUpdateLink();
    const QString defaultLogo = InitSettings::logoFileName();

    writeIni({{InitSettings::DOMAIN_NAME_KEY, "  www.example.org "},
              {InitSettings::SOFTWARE_UPDATE_LINK_KEY, "   "},
              {InitSettings::LOCALE_KEY, "it_IT"},
              {InitSettings::SPLASH_IMAGE_FILE_KEY, "/opt/brand/splash.png"},
              {InitSettings::LOGO_FILE_NAME_KEY, ""}});
    InitSettings::readSettings();

    QCOMPARE(InitSettings::domainName(), QString("www.example.org"));
    QCOMPARE(InitSettings::softwareUpdateLink(), defaultLink);
    QCOMPARE(InitSettings::locale(), QString("it_IT"));
    QCOMPARE(InitSettings::splashImageFile(), QString("/opt/brand/splash.png"));
    QCOMPARE(InitSettings::logoFileName(), defaultLogo);
}

void tst_InitSettings::maxDescriptionChars_data()
{
    QTest::addColumn<QString>("written");
    QTest::addColumn<int>("expected");

    QTest::newRow("positive") << "12" << 12;
    QTest::newRow("zero") << "0" << -1;
    QTest::newRow("negative") << "-3" << -1;
    QTest::newRow("not a number") << "many" << -1;
}

void tst_InitSettings::maxDescriptionChars()
{
    QFETCH(QString, written);
    QFETCH(int, expected);

    InitSettings::readSettings();
    const int fallback = InitSettings::maxDescriptionChars();
    QVERIFY(fallback > 0);

    writeIni({{InitSettings::MAX_DESCRIPTION_CHARS_KEY, written}});
    InitSettings::readSettings();
    QCOMPARE(InitSettings::maxDescriptionChars(), expected > 0 ? expected : fallback);
}

void tst_InitSettings::readingAgainDropsEarlierValues()
{
    writeIni({{InitSettings::LOCALE_KEY, "ar_SA"}});
    InitSettings::readSettings();
    QCOMPARE(InitSettings::locale(), QString("ar_SA"));

    QFile::remove(PathProvider::iniFilePath());
    InitSettings::readSettings();
    QCOMPARE(InitSettings::locale(), LanguageSettings::DEFAULT_LOCALE);
}

void tst_InitSettings::gadgetLimitsAreSane()
{
    QVERIFY(InitSettings::MIN_SCALE > 0.0);
    QVERIFY(InitSettings::MIN_SCALE < 1.0 && InitSettings::MAX_SCALE > 1.0);
    QVERIFY(InitSettings::gadgetMinWidth() > 0 && InitSettings::gadgetMinWidth() < InitSettings::gadgetMaxWidth());
    QVERIFY(InitSettings::gadgetMinHeight() > 0 && InitSettings::gadgetMinHeight() < InitSettings::gadgetMaxHeight());
    QVERIFY(InitSettings::gadgetMinTransparency() >= 0);
    QVERIFY(InitSettings::gadgetMinTransparency() < InitSettings::gadgetMaxTransparency());
    // A fully transparent gadget would take clicks nobody can see.
    QVERIFY(InitSettings::gadgetMaxTransparency() < 100);
}

QTEST_GUILESS_MAIN(tst_InitSettings)
#include "tst_initsettings.moc"
