#include "theme/ThemeProvider.h"
#include "theme/ThemeResourceValidator.h"
#include "theme/ThemeSettings.h"

#include "ZipBuilder.h"

#include <QDir>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>

using Corvane::Gadgets::ThemeProvider;
using Corvane::Gadgets::ThemeResourceValidator;

namespace {

const QStringList BuiltInThemes{QStringLiteral(":/CorvaneTheme"), QStringLiteral(":/TalveraTheme")};

const QStringList IconStates{"bounding_box", "default", "uninitialized", "inactive", "active", "disabled", "effect"};
const QStringList OverlayElements{"bounding_box", "default"};

// Every icon renderer, drawn in each state of a navigation icon.
const QStringList Icons{
    // Devices and pages.
    "light", "light_group", "light_system", "automation_system", "termo", "temperature_system", "airconditioner",
    "light_sensor", "light_sensor_system", "presence", "presence_sensor_system", "scenario", "scenario_system",
    "webserver", "webserver_system", "sound_system", "amplifier", "amplifier_group", "shutter", "shutter_group",
    "curtain", "curtain_group",
    // Thermoregulation states.
    "thermo_automatic", "thermo_manual", "thermo_antifreeze", "thermo_fancoil_low", "thermo_fancoil_medium",
    "thermo_fancoil_high", "thermo_fancoil_auto", "thermo_fancoil_silent", "thermo_heating", "thermo_cooling",
    "thermo_dry", "thermo_fan", "thermo_swing_on", "thermo_swing_off", "celsius", "fahrenheit",
    // Energy and loads.
    "energy_electricity", "energy_water", "energy_gas", "energy_dhw", "energy_heating_cooling", "energy_system",
    "energy_cycle_timespan_view", "energy_table", "energy_graph", "energy_currency", "energy_unit", "energy_tariff",
    "load_management_system", "load_device_ok", "load_unplugged", "load_controlled", "load_uncontrolled",
    "load_info", "load_reset", "load_refresh",
    // Commands.
    "on", "off", "start", "stop", "scenario_enable", "scenario_disable", "motor_up", "motor_down", "motor_open",
    "motor_close", "shutter_up", "shutter_down", "curtain_open", "curtain_close", "next_track", "prev_track",
    "decrease", "increase", "LeftArrow", "RightArrow"};

const QStringList Overlays{"favorite_indicator", "error_indicator"};

// Renderer names that have no file in either theme.
const QStringList NamesWithoutFile{"motor", "automation", "thermo", "sound", "energy", "load_management",
                                   "resize_handle"};

const QStringList OtherFiles{"theme.ini", "mainUI.qss", "userConfigurationAreaDialog.qss", "fullScreenBackground.png",
                             "DownArrow.png", "scrollbar_thumb.png", "slider_thumb.png"};

QStringList filesOf(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}

} // namespace

class tst_BuiltInThemes : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void themesHoldTheSameFiles();
    void themesHoldTheirOwnFiles();
    void skinNames();
    void everySvgParses_data();
    void everySvgParses();
    void elementsExist_data();
    void elementsExist();
    void iconStatesShareOneFrame_data();
    void iconStatesShareOneFrame();
    void builtInThemeZippedIsAValidSkin_data();
    void builtInThemeZippedIsAValidSkin();
};

void tst_BuiltInThemes::themesHoldTheSameFiles()
{
    QCOMPARE(filesOf(BuiltInThemes.at(0)), filesOf(BuiltInThemes.at(1)));
}

void tst_BuiltInThemes::themesHoldTheirOwnFiles()
{
    const QStringList files = filesOf(BuiltInThemes.at(0));
    for (const QString& name : OtherFiles)
        QVERIFY2(files.contains(name), qPrintable(name));
    for (const QString& name : NamesWithoutFile)
        QVERIFY2(!files.contains(name + ".svg"), qPrintable(name));
}

void tst_BuiltInThemes::skinNames()
{
    QCOMPARE(ThemeProvider::createThemeIniFile(QString())->value("skin_name").toString(), QString("Default"));
    ThemeProvider::DefaultThemeFolder = ":/TalveraTheme";
    QCOMPARE(ThemeProvider::createThemeIniFile(QString())->value("skin_name").toString(), QString("Essential"));
    ThemeProvider::DefaultThemeFolder = ":/CorvaneTheme";
}

void tst_BuiltInThemes::everySvgParses_data()
{
    QTest::addColumn<QString>("path");
    for (const QString& folder : BuiltInThemes) {
        for (const QString& name : filesOf(folder)) {
            if (name.endsWith(".svg"))
                QTest::newRow(qPrintable(folder + "/" + name)) << folder + "/" + name;
        }
    }
}

void tst_BuiltInThemes::everySvgParses()
{
    QFETCH(QString, path);
    QVERIFY(QSvgRenderer(path).isValid());
}

void tst_BuiltInThemes::elementsExist_data()
{
    QTest::addColumn<QString>("renderer");
    QTest::addColumn<QStringList>("elements");

    for (const QString& icon : Icons)
        QTest::newRow(qPrintable(icon)) << icon << IconStates;
    for (const QString& overlay : Overlays)
        QTest::newRow(qPrintable(overlay)) << overlay << OverlayElements;
}

void tst_BuiltInThemes::elementsExist()
{
    QFETCH(QString, renderer);
    QFETCH(QStringList, elements);

    for (const QString& folder : BuiltInThemes) {
        QSvgRenderer svg(folder + "/" + renderer + ThemeProvider::FILES_SUFFIX);
        QVERIFY2(svg.isValid(), qPrintable(folder));
        for (const QString& element : elements)
            QVERIFY2(svg.elementExists(element), qPrintable(folder + " " + renderer + " " + element));
    }
}

void tst_BuiltInThemes::iconStatesShareOneFrame_data()
{
    QTest::addColumn<QString>("renderer");
    for (const QString& icon : Icons)
        QTest::newRow(qPrintable(icon)) << icon;
}

void tst_BuiltInThemes::iconStatesShareOneFrame()
{
    QFETCH(QString, renderer);

    // Every state is drawn inside the bounding box, so switching states never
    // moves or rescales the icon.
    for (const QString& folder : BuiltInThemes) {
        QSvgRenderer svg(folder + "/" + renderer + ThemeProvider::FILES_SUFFIX);
        const QRectF frame = svg.boundsOnElement("bounding_box");
        QVERIFY2(!frame.isEmpty(), qPrintable(folder));
        for (const QString& state : IconStates) {
            const QRectF bounds = svg.transformForElement(state).mapRect(svg.boundsOnElement(state));
            QVERIFY2(frame.adjusted(-0.5, -0.5, 0.5, 0.5).contains(bounds), qPrintable(folder + " " + state));
        }
    }
}

void tst_BuiltInThemes::builtInThemeZippedIsAValidSkin_data()
{
    QTest::addColumn<QString>("folder");
    for (const QString& folder : BuiltInThemes)
        QTest::newRow(qPrintable(folder)) << folder;
}

void tst_BuiltInThemes::builtInThemeZippedIsAValidSkin()
{
    QFETCH(QString, folder);

    QTemporaryDir dir;
    const QString zipPath = dir.filePath("skin.zip");
    QVERIFY(ZipBuilder().addFolder(folder).write(zipPath));
    for (const QString& reference : BuiltInThemes) {
        QString error;
        QVERIFY2(ThemeResourceValidator::containsAllResources(reference + "/", zipPath, &error), qPrintable(error));
    }
}

QTEST_MAIN(tst_BuiltInThemes)
#include "tst_builtinthemes.moc"
