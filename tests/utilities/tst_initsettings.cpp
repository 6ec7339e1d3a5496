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
    void colors_data();
    void colors();
    void maxDevicesPerType();
    void writeSettingsStoresEditorValuesAndKeepsOthers();
    void columnWidthsComeBackNewestFirst();

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

void tst_InitSettings::colors_data()
{
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("expected"); // empty: the default stays

    QTest::newRow("three values") << " 10,20 , 30 " << "10, 20, 30, 255";
    QTest::newRow("with alpha") << "1,2,3,4" << "1, 2, 3, 4";
    QTest::newRow("two values") << "1,2" << "";
    QTest::newRow("out of range") << "1,2,256" << "";
    QTest::newRow("negative") << "-1,2,3" << "";
    QTest::newRow("style sheet injection") << "1,2,3); } * { color: red" << "";
    QTest::newRow("empty") << "" << "";
}

void tst_InitSettings::colors()
{
    QFETCH(QString, written);
    QFETCH(QString, expected);

    InitSettings::readSettings();
    const QStringList defaults{InitSettings::backgroundColor(), InitSettings::lightGradientColor(),
                               InitSettings::darkGradientColor(), InitSettings::borderColor(),
                               InitSettings::menuItemSelectedColor(), InitSettings::selectionLightGradientColor(),
                               InitSettings::selectionDarkGradientColor()};
    for (const QString& color : defaults)
        QCOMPARE(color.split(',').size(), 4);

    const QStringList keys{InitSettings::BACKGROUND_COLOR_KEY, InitSettings::LIGHT_GRADIENT_COLOR_KEY,
                           InitSettings::DARK_GRADIENT_COLOR_KEY, InitSettings::BORDER_COLOR_KEY,
                           InitSettings::MENU_ITEM_SELECTED_COLOR_KEY, InitSettings::SELECTION_LIGHT_GRADIENT_COLOR_KEY,
                           InitSettings::SELECTION_DARK_GRADIENT_COLOR_KEY};
    QHash<QString, QString> ini;
    for (const QString& key : keys)
        ini.insert(key, written);
    writeIni(ini);
    InitSettings::readSettings();
    const QStringList read{InitSettings::backgroundColor(), InitSettings::lightGradientColor(),
                           InitSettings::darkGradientColor(), InitSettings::borderColor(),
                           InitSettings::menuItemSelectedColor(), InitSettings::selectionLightGradientColor(),
                           InitSettings::selectionDarkGradientColor()};
    for (int i = 0; i < read.size(); ++i)
        QCOMPARE(read.at(i), expected.isEmpty() ? defaults.at(i) : expected);
}

void tst_InitSettings::maxDevicesPerType()
{
    InitSettings::readSettings();
    QCOMPARE(InitSettings::maxDevicesPerType(), 500);
    writeIni({{InitSettings::MAX_DEVICES_PER_TYPE_KEY, "3"}});
    InitSettings::readSettings();
    QCOMPARE(InitSettings::maxDevicesPerType(), 3);
    writeIni({{InitSettings::MAX_DEVICES_PER_TYPE_KEY, "0"}});
    InitSettings::readSettings();
    QCOMPARE(InitSettings::maxDevicesPerType(), 500);
}

void tst_InitSettings::writeSettingsStoresEditorValuesAndKeepsOthers()
{
    writeIni({{InitSettings::DOMAIN_NAME_KEY, "www.example.org"}, {InitSettings::BORDER_COLOR_KEY, "1,2,3"}});
    InitSettings::readSettings();
    InitSettings::setLocale("it_IT");
    InitSettings::lastOpenedPath() = "/home/user/Projects with spaces";
    InitSettings::configuratorColumnWidths().insert(7, 120);
    QVERIFY(InitSettings::writeSettings());

    QFile::remove(PathProvider::iniFilePath() + ".lock");
    InitSettings::setLocale("en_US");
    InitSettings::lastOpenedPath().clear();
    InitSettings::configuratorColumnWidths().clear();
    InitSettings::readSettings();
    QCOMPARE(InitSettings::locale(), QString("it_IT"));
    QCOMPARE(InitSettings::lastOpenedPath(), QString("/home/user/Projects with spaces"));
    QCOMPARE(InitSettings::configuratorColumnWidths().values(7), QList<int>{120});
    QCOMPARE(InitSettings::domainName(), QString("www.example.org"));
    QCOMPARE(InitSettings::borderColor(), QString("1, 2, 3, 255"));
}

void tst_InitSettings::columnWidthsComeBackNewestFirst()
{
    InitSettings::readSettings();
    QMultiMap<int, int>& widths = InitSettings::configuratorColumnWidths();
    for (int width : {100, 110, 120, 130})
        widths.insert(7, width);
    widths.insert(4, 200);
    widths.insert(4, 300);
    const QList<int> lights = widths.values(7);
    QCOMPARE(lights, (QList<int>{130, 120, 110, 100}));
    QVERIFY(InitSettings::writeSettings());

    widths.clear();
    InitSettings::readSettings();
    QCOMPARE(InitSettings::configuratorColumnWidths().values(7), lights);
    QCOMPARE(InitSettings::configuratorColumnWidths().values(4), (QList<int>{300, 200}));

    writeIni({{InitSettings::CONFIGURATOR_COLUMN_WIDTHS_KEY, "7:100 bad 4:-5 x:3 8:90"}});
    InitSettings::readSettings();
    QCOMPARE(InitSettings::configuratorColumnWidths().size(), 2);
    QCOMPARE(InitSettings::configuratorColumnWidths().values(8), QList<int>{90});
}

QTEST_GUILESS_MAIN(tst_InitSettings)
#include "tst_initsettings.moc"
