#include "theme/ThemeProvider.h"
#include "theme/ThemeResourceValidator.h"
#include "theme/ThemeSettings.h"

#include "ThemeLegibility.h"
#include "ZipBuilder.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSettings>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>

#include "DataFacesTheme.h"

#include <algorithm>
#include <cmath>
#include <tuple>
#include <utility>

using Corvane::Gadgets::ThemeProvider;
using Corvane::Gadgets::ThemeResourceValidator;
using Corvane::Gadgets::ThemeSettings;

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

const QStringList ButtonStates{"default", "hover", "pressed", "disabled"};

// The state elements and the mask of a button on id.
QStringList button(const QString& id)
{
    QStringList ids;
    for (const QString& state : ButtonStates)
        ids << id + "_" + state;
    return ids << id + "_mask";
}

QStringList slices(const QString& plate)
{
    return {plate + "_left", plate + "_middle", plate + "_right"};
}

// pattern with %1 = 1 .. count.
QStringList numbered(const QString& pattern, int count)
{
    QStringList ids;
    for (int n = 1; n <= count; ++n)
        ids << pattern.arg(n);
    return ids;
}

QStringList labelElements(int tails)
{
    QStringList ids{"background", "background_edit", "row_2_background", "row_2_background_edit",
                    "text_placeholder", "text_placeholder_full", "row_2_text_placeholder", "button_placeholder"};
    for (const QString& id : QStringList{"refresh", "close", "refresh_edit", "close_edit"})
        ids << button(id);
    for (const QString& tail : QStringList{"tail_%1", "tail_%1_edit", "row_2_tail_%1", "row_2_tail_%1_edit"})
        ids << numbered(tail, tails);
    return ids;
}

QStringList dropDownElements()
{
    return slices("background") + button("expand") + button("collapse") +
           QStringList{"text_placeholder", "button_placeholder", "item_mask", "item_background_edit",
                       "item_text_placeholder", "item_button_placeholder"};
}

// One numbered segment family of a command ring, with its expand indicators.
QStringList ringSegments(const QString& family, int count)
{
    const QString indicator = family == "segment" ? "expand_indicator" : "expand_indicator_" + family;
    QStringList ids;
    for (int n = 1; n <= count; ++n) {
        const QString segment = QStringLiteral("%1_%2").arg(family).arg(n);
        const QString indicatorN = QStringLiteral("%1_%2").arg(indicator).arg(n);
        ids << button(segment) << segment + "_content_placeholder" << indicatorN + "_default"
            << indicatorN + "_disabled";
    }
    return ids;
}

const int CarouselSegments = 5;
const QStringList LayoutStates{"", "_expanded", "_expanded_2"};

// The carousel: its buttons, segments, ring targets, the labels' places in
// every layout state and the full-screen buttons.
QStringList navigationElements()
{
    QStringList ids{"background", "animation_path", "content_area_mask", "move_content_placeholder", "move_indicator",
                    "hotspot", "command_control_placeholder", "command_control_2_placeholder"};
    for (const QString& id : QStringList{"previous", "next", "move", "home", "home_split", "back_split", "info",
                                         "close", "refresh", "resize", "info_fullscreen", "close_fullscreen",
                                         "refresh_fullscreen", "flip_fullscreen"})
        ids << button(id);
    for (int n = 1; n <= CarouselSegments; ++n) {
        const QString segment = QStringLiteral("segment_%1").arg(n);
        ids << button(segment) << segment + "_content_placeholder"
            << QStringLiteral("expand_indicator_%1_default").arg(n)
            << QStringLiteral("expand_indicator_%1_disabled").arg(n);
        for (const QString& state : LayoutStates)
            ids << QStringLiteral("tooltip_%1_placeholder%2").arg(n).arg(state)
                << QStringLiteral("slider_%1_placeholder%2").arg(n).arg(state);
    }
    return ids;
}

QStringList favoriteElements()
{
    QStringList ids{"move_content_placeholder", "move_indicator", "hotspot", "command_control_placeholder",
                    "command_control_2_placeholder"};
    ids << button("move") << button("close") << button("resize") << button("refresh");
    for (const QString& place : QStringList{"close", "resize", "refresh", "label", "slider", "value"}) {
        for (const QString& state : LayoutStates)
            ids << place + "_placeholder" + state;
    }
    return ids;
}

struct RingSet {
    QString renderer;
    QString family;
    int count;
};

// The segment sets of each command ring; the counts limit the commands a device may show.
const QList<RingSet> RingSets{{"command_control", "odd", 12},          {"command_control", "even", 13},
                              {"command_control_2", "odd", 12},        {"command_control_2", "even", 13},
                              {"favorite_command_control", "segment", 5}, {"favorite_command_control_2", "odd", 10},
                              {"favorite_command_control_2", "even", 10}};

// Every face file drawn by the controls, with the elements they draw or measure.
QList<QPair<QString, QStringList>> faces()
{
    const QStringList labelButtons{"refresh", "close", "refresh_edit", "close_edit"};
    QList<QPair<QString, QStringList>> faces{
        {"button", slices("default") + slices("hover") +
                       QStringList{"default_central_content_bounds", "hover_central_content_bounds"}},
        {"button_userconfiguration", slices("default")},
        {"scroller", button("prev") + button("next") + button("thumb") +
                         QStringList{"bar_start", "bar_middle", "bar_end", "bar_mask"}},
        {"window_frame", button("close_button") + QStringList{"background", "title_placeholder",
                                                               "close_button_content_placeholder", "resize_handle",
                                                               "border_left", "border_top", "border_right",
                                                               "border_bottom"}},
        {"slider", button("thumb") + QStringList{"background", "slider", "slider_mask", "slider_path"}},
        {"tooltip", labelElements(5)},
        {"favorite_label", labelElements(0)},
        {"dropdown", dropDownElements()},
        {"dropdown_favorite", dropDownElements()},
        {"dropdown_on", {"bounding_box", "default", "active"}},
        {"dropdown_on_favorite", {"bounding_box", "default", "active"}},
        {"navigation", navigationElements()},
        {"info", button("configure") + button("flip") +
                     QStringList{"background", "configure_content_placeholder", "text_placeholder", "move_indicator"}},
        {"configure", {"bounding_box", "default"}},
        {"favorite", favoriteElements()}};
    for (const RingSet& set : RingSets) {
        auto ring = std::find_if(faces.begin(), faces.end(),
                                 [&](const auto& face) { return face.first == set.renderer; });
        if (ring == faces.end())
            ring = faces.insert(faces.end(), {set.renderer, {"background"}});
        ring->second << ringSegments(set.family, set.count);
    }
    return faces;
}

const QList<QPair<QString, QStringList>> Faces = faces();

// Ids that must not exist: the favourite label asks for tail -1, and a drop-down
// entry's icon button has an empty id, so plain state ids would paint over it.
const QList<QPair<QString, QStringList>> AbsentElements{
    {"favorite_label", {"tail_-1", "tail_-1_edit", "row_2_tail_-1", "row_2_tail_-1_edit"}},
    {"tooltip", {"tail_6"}},
    {"navigation", {"segment_6_mask", "tooltip_6_placeholder"}},
    {"dropdown", {"_default", "_hover", "_pressed", "_disabled", "_mask"}},
    {"dropdown_favorite", {"_default", "_hover", "_pressed", "_disabled", "_mask"}},
};

// The SVG file of renderer in a theme folder.
QString themeFile(const QString& folder, const QString& renderer)
{
    return folder + "/" + renderer + ThemeProvider::FILES_SUFFIX;
}

QRectF documentBounds(QSvgRenderer& svg, const QString& id)
{
    return svg.transformForElement(id).mapRect(svg.boundsOnElement(id));
}

// Renderer names that have no file in either theme.
const QStringList NamesWithoutFile{"motor", "automation", "thermo", "sound", "energy", "load_management",
                                   "resize_handle"};

const QStringList OtherFiles{"theme.ini", "mainUI.qss", "userConfigurationAreaDialog.qss", "fullScreenBackground.png",
                             "DownArrow.png", "scrollbar_thumb.png", "slider_thumb.png", "scroll_decrease.svg",
                             "scroll_increase.svg"};

enum class KeyKind { Color, Gradient, Size, Weight };

// theme.ini keys of the controls' texts.
QList<QPair<QString, KeyKind>> themeKeys()
{
    QList<QPair<QString, KeyKind>> keys{{"segment_font_color", KeyKind::Color},
                                        {"segment_second_font_color", KeyKind::Color},
                                        {"segment_font_size", KeyKind::Size},
                                        {"segment_font_weight", KeyKind::Weight},
                                        {"slider_font_color", KeyKind::Gradient},
                                        {"slider_font_size", KeyKind::Size},
                                        {"slider_font_weight", KeyKind::Weight},
                                        {"slider_value_backing_color", KeyKind::Color},
                                        {"version_font_color", KeyKind::Color},
                                        {"version_font_size", KeyKind::Size},
                                        {"version_font_weight", KeyKind::Weight}};
    for (const QString& control : QStringList{"move", "move_favorite", "configure"}) {
        keys << qMakePair(control + "_font_color", KeyKind::Color)
             << qMakePair(control + "_second_font_color", KeyKind::Color)
             << qMakePair(control + "_font_size", KeyKind::Size)
             << qMakePair(control + "_font_weight", KeyKind::Weight);
    }
    for (const QString& frame : QStringList{"energy", "webserver", "load"}) {
        keys << qMakePair(frame + "_title_font_color", KeyKind::Color)
             << qMakePair(frame + "_title_font_size", KeyKind::Size)
             << qMakePair(frame + "_title_font_weight", KeyKind::Weight);
    }
    const QStringList editColors{"_edit_color", "_edit_background_color", "_edit_selection_color",
                                 "_edit_selection_background_color"};
    for (const QString& label : QStringList{"label_navigation", "label_favorite"}) {
        const QString dropDown = label + "_drop_down";
        const QString item = dropDown + "_item";
        keys << qMakePair(label + "_font_size", KeyKind::Size) << qMakePair(label + "_color", KeyKind::Color)
             << qMakePair(dropDown + "_font_size", KeyKind::Size)
             << qMakePair(dropDown + "_font_weight", KeyKind::Weight)
             << qMakePair(dropDown + "_font_color", KeyKind::Color)
             << qMakePair(dropDown + "_panel_back_color", KeyKind::Gradient)
             << qMakePair(item + "_font_size", KeyKind::Size) << qMakePair(item + "_font_weight", KeyKind::Weight)
             << qMakePair(item + "_font_color", KeyKind::Color);
        for (const QString& edit : editColors)
            keys << qMakePair(label + edit, KeyKind::Color) << qMakePair(item + edit, KeyKind::Color);
    }
    return keys;
}

bool isColor(const QString& text)
{
    static const QRegularExpression hex("^[0-9A-Fa-f]{8}$");
    return hex.match(text).hasMatch();
}

bool isGradient(const QString& text)
{
    const QStringList parts = text.split(' ');
    if (parts.size() < 2 || parts.size() % 2 != 0)
        return false;
    for (int i = 0; i < parts.size(); i += 2) {
        bool ok = false;
        const double position = parts[i].toDouble(&ok);
        if (!ok || position < 0.0 || position > 1.0 || !isColor(parts[i + 1]))
            return false;
    }
    return true;
}

QStringList filesOf(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}


// Legibility: every text a theme draws, with what it is drawn over.

// The least contrast ratio of a text colour against its ground.
constexpr qreal LEAST_TEXT_CONTRAST = 4.5;

// A text drawn over elements of a face: the theme.ini keys of its colours
// (plain or gradient), the elements under it in drawing order ("" draws the
// whole document) and the element marking where the text goes ("" is the
// whole document). A text with a shadow gets the one the controls give it.
struct FaceText
{
    QString name;
    QString renderer;
    QStringList ground;
    QString box;
    QStringList keys;
    bool shadow = false;
};

QList<FaceText> faceTexts()
{
    QList<FaceText> texts;
    // Disabled looks are left out: an inactive control's text need not stand
    // out, and a disabled carousel segment shows none.
    for (const QString& state : QStringList{"default", "hover", "pressed"}) {
        for (int n = 1; n <= 5; ++n) {
            const QString segment = QStringLiteral("segment_%1").arg(n);
            texts << FaceText{QStringLiteral("carousel segment %1 %2").arg(n).arg(state), "navigation",
                              {"background", segment + "_" + state}, segment + "_content_placeholder",
                              {"segment_font_color", "segment_second_font_color"}};
        }
        texts << FaceText{"carousel centre " + state, "navigation", {"background", "move_" + state},
                          "move_content_placeholder", {"move_font_color", "move_second_font_color"}};
        texts << FaceText{"favourite centre " + state, "favorite", {"move_" + state}, "move_content_placeholder",
                          {"move_favorite_font_color", "move_favorite_second_font_color"}};
        texts << FaceText{"configure button " + state, "info", {"background", "configure_" + state},
                          "configure_content_placeholder", {"configure_font_color", "configure_second_font_color"}};
    }
    texts << FaceText{"version", "info", {"background"}, "text_placeholder", {"version_font_color"}};
    for (const auto& [name, renderer, dropDown, prefix] :
         {std::tuple("carousel label", "tooltip", "dropdown", "label_navigation"),
          std::tuple("favourite label", "favorite_label", "dropdown_favorite", "label_favorite")}) {
        const QString key(prefix);
        texts << FaceText{name, renderer, {"background"}, "text_placeholder", {key + "_color"}};
        texts << FaceText{QString(name) + " with two rows", renderer, {"row_2_background"}, "text_placeholder",
                          {key + "_color"}};
        texts << FaceText{QString(name) + " drop-down", dropDown,
                          {"background_left", "background_middle", "background_right"}, "text_placeholder",
                          {key + "_drop_down_font_color"}};
        texts << FaceText{QString(name) + " drop-down entry renamed", dropDown, {"item_background_edit"},
                          "item_text_placeholder", {key + "_drop_down_item_edit_color"}};
    }
    texts << FaceText{"window frame title", "window_frame", {"background"}, "title_placeholder",
                      {"energy_title_font_color", "webserver_title_font_color", "load_title_font_color"}};
    return texts;
}

// A text drawn over a theme.ini colour or gradient.
struct KeyText
{
    QString name;
    QString groundKey;
    QString key;
};

QList<KeyText> keyTexts()
{
    QList<KeyText> texts;
    for (const auto& [name, prefix] : {std::pair("carousel label", "label_navigation"),
                                       std::pair("favourite label", "label_favorite")}) {
        const QString key(prefix);
        const QString item = key + "_drop_down_item";
        texts << KeyText{QString(name) + " editor", key + "_edit_background_color", key + "_edit_color"}
              << KeyText{QString(name) + " editor selection", key + "_edit_selection_background_color",
                         key + "_edit_selection_color"}
              << KeyText{QString(name) + " drop-down entries", key + "_drop_down_panel_back_color",
                         item + "_font_color"}
              // The list reads like the bar it hangs from: the bar's text
              // colour is legible on the list too, so a light bar never
              // opens a dark list.
              << KeyText{QString(name) + " drop-down bar text on its list", key + "_drop_down_panel_back_color",
                         key + "_drop_down_font_color"}
              << KeyText{QString(name) + " drop-down entry selection", item + "_edit_selection_background_color",
                         item + "_edit_selection_color"};
    }
    return texts;
}

// A text coloured by a style sheet, over a style sheet background (laid
// over a black and a white desktop when translucent) or over face elements.
struct StyleSheetText
{
    QString name;
    QString file;
    QString selector;
    QString property;
    QString groundSelector;
    QString groundProperty;
    QString groundRenderer;
    QStringList groundElements;
};

StyleSheetText onStyleSheet(const QString& name, const QString& file, const QString& selector,
                            const QString& property, const QString& groundSelector, const QString& groundProperty)
{
    return {name, file, selector, property, groundSelector, groundProperty, QString(), QStringList()};
}

StyleSheetText onFace(const QString& name, const QString& file, const QString& selector, const QString& renderer,
                      const QStringList& elements)
{
    return {name, file, selector, QStringLiteral("color"), QString(), QString(), renderer, elements};
}

QList<StyleSheetText> styleSheetTexts()
{
    const QString dialog = "userConfigurationAreaDialog.qss";
    const QString menu = "mainUI.qss";
    QList<StyleSheetText> texts;
    for (const QString& name : QStringList{"#preferences", "#changeSkin", "#openProject", "#changeLanguage", "#widgetDimension",
                                "#widgetTransparency", "#hideLabels", "#goHomepage", "#temperatureUnit",
                                "#launchAtStartup", "#minTick", "#maxTick", "#valueText", "#skinName", "#skinNumber",
                                "#projectFilePath", "#changeLanguageChoice", "#hideLabelsChoice",
                                "#goHomepageChoice", "#temperatureUnitChoice", "#launchAtStartupChoice"})
        texts << onStyleSheet("dialog " + name, dialog, name, "color", "#content", "background-color");
    texts << onStyleSheet("dialog title", dialog, "#titleContent QLabel", "color", "#titleContent", "background");
    const QString list = "#changeLanguageChoice QAbstractItemView";
    texts << onStyleSheet("dialog choice list", dialog, list, "color", list, "background")
          << onStyleSheet("dialog choice list selection", dialog, list, "selection-color", list,
                            "selection-background-color")
          << onStyleSheet("dialog project path selection", dialog, "#projectFilePath", "selection-color",
                            "#projectFilePath", "selection-background-color");
    for (const QString& button : QStringList{"#browse", "#reload", "#ok", "#cancel"})
        texts << onFace("dialog button " + button, dialog, button, "button_userconfiguration",
                        {"default_left", "default_middle", "default_right"});
    texts << onStyleSheet("menu", menu, "QMenu", "color", "QMenu", "background-color")
          << onStyleSheet("menu selection", menu, "QMenu::item:selected", "color", "QMenu::item:selected",
                            "background")
          << onStyleSheet("tool tip", menu, "QToolTip", "color", "QToolTip", "background-color");
    return texts;
}

// What the gadget's transparent parts show in the theme's own pictures.
QColor themeBackdrop(const QString& folder)
{
    return ThemeLegibility::renderedGround(themeFile(folder, "non_transparent_background"), {""}, "", Qt::black);
}

QString describe(const QColor& text, const QColor& ground, qreal ratio)
{
    return QStringLiteral("%1 on %2: %3:1").arg(text.name(QColor::HexArgb), ground.name()).arg(ratio, 0, 'f', 2);
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
    void elementsAbsent_data();
    void elementsAbsent();
    void ringSegmentCounts_data();
    void ringSegmentCounts();
    void ringSegmentsGoRoundTheCentre_data();
    void ringSegmentsGoRoundTheCentre();
    void buttonStatesShareOneFrame_data();
    void buttonStatesShareOneFrame();
    void masksArePureBlack_data();
    void masksArePureBlack();
    void scrollerButtonsAsWideAsTheTrack();
    void sliderPathIsUntransformed();
    void labelTailsStayInsideThePlate();
    void dropDownBarFitsTheLabelRow_data();
    void dropDownBarFitsTheLabelRow();
    void threeSliceBarsAbut_data();
    void threeSliceBarsAbut();
    void carouselSegmentsSitOnTheAnimationPath();
    void ringPlaceholdersAreConcentric_data();
    void ringPlaceholdersAreConcentric();
    void openRingsLeaveRoomForTheLabels_data();
    void openRingsLeaveRoomForTheLabels();
    void infoFaceFlipsOntoTheCarousel();
    void solidBackgroundIsOpaque();
    void textsAreLegible_data();
    void textsAreLegible();
    void sliderValuesKeepTheirContrastOnAnyDesktop_data();
    void sliderValuesKeepTheirContrastOnAnyDesktop();
    void themeIniKeys_data();
    void themeIniKeys();
    void dataFaceElementsExist_data();
    void dataFaceElementsExist();
    void dataFaceKeys_data();
    void dataFaceKeys();
    void dataFaceTextsAreLegible_data();
    void dataFaceTextsAreLegible();
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
    for (const auto& [face, elements] : Faces)
        QTest::newRow(qPrintable(face)) << face << elements;
}

void tst_BuiltInThemes::elementsExist()
{
    QFETCH(QString, renderer);
    QFETCH(QStringList, elements);

    for (const QString& folder : BuiltInThemes) {
        QSvgRenderer svg(themeFile(folder, renderer));
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
        QSvgRenderer svg(themeFile(folder, renderer));
        const QRectF frame = svg.boundsOnElement("bounding_box");
        QVERIFY2(!frame.isEmpty(), qPrintable(folder));
        for (const QString& state : IconStates) {
            QVERIFY2(frame.adjusted(-0.5, -0.5, 0.5, 0.5).contains(documentBounds(svg, state)),
                     qPrintable(folder + " " + state));
        }
    }
}

void tst_BuiltInThemes::elementsAbsent_data()
{
    QTest::addColumn<QString>("renderer");
    QTest::addColumn<QStringList>("elements");
    for (const auto& [face, elements] : AbsentElements)
        QTest::newRow(qPrintable(face)) << face << elements;
}

void tst_BuiltInThemes::elementsAbsent()
{
    QFETCH(QString, renderer);
    QFETCH(QStringList, elements);

    for (const QString& folder : BuiltInThemes) {
        QSvgRenderer svg(themeFile(folder, renderer));
        for (const QString& element : elements)
            QVERIFY2(!svg.elementExists(element), qPrintable(folder + " " + renderer + " " + element));
    }
}

void tst_BuiltInThemes::ringSegmentCounts_data()
{
    QTest::addColumn<QString>("renderer");
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("count");
    for (const RingSet& set : RingSets)
        QTest::newRow(qPrintable(set.renderer + " " + set.family)) << set.renderer << set.family << set.count;
}

void tst_BuiltInThemes::ringSegmentCounts()
{
    QFETCH(QString, renderer);
    QFETCH(QString, family);
    QFETCH(int, count);

    // A ring finds its segments by probing the masks of every number up to 100:
    // the count decides how many commands a device may show.
    for (const QString& folder : BuiltInThemes) {
        QSvgRenderer svg(themeFile(folder, renderer));
        QList<int> found;
        for (int n = 1; n <= 100; ++n) {
            if (svg.elementExists(QStringLiteral("%1_%2_mask").arg(family).arg(n)))
                found << n;
        }
        QCOMPARE(found.size(), count);
        QCOMPARE(found.last(), count);
    }
}

void tst_BuiltInThemes::ringSegmentsGoRoundTheCentre_data()
{
    ringSegmentCounts_data();
}

void tst_BuiltInThemes::ringSegmentsGoRoundTheCentre()
{
    QFETCH(QString, renderer);
    QFETCH(QString, family);
    QFETCH(int, count);

    // The ring's bounds are its background's; the icon boxes of one set sit at
    // one distance from the centre, clockwise in number order, evenly around.
    for (const QString& folder : BuiltInThemes) {
        QSvgRenderer svg(themeFile(folder, renderer));
        const QRectF document(QPointF(), svg.defaultSize());
        QCOMPARE(documentBounds(svg, "background"), document);
        const QPointF centre = document.center();
        const QLineF first(centre, documentBounds(svg, family + "_1_content_placeholder").center());
        for (int n = 1; n <= count; ++n) {
            const QString segment = QStringLiteral("%1_%2").arg(family).arg(n);
            const QRectF box = documentBounds(svg, segment + "_content_placeholder");
            QVERIFY2(documentBounds(svg, segment + "_mask").contains(box), qPrintable(folder + " " + segment));
            const QLineF ray(centre, box.center());
            QVERIFY(qAbs(ray.length() - first.length()) < 0.5);
            const qreal clockwise = 360.0 - first.angleTo(ray);
            QVERIFY2(qAbs(std::fmod(clockwise, 360.0) - (n - 1) * 360.0 / count) < 0.5,
                     qPrintable(folder + " " + segment));
        }
    }
}

void tst_BuiltInThemes::buttonStatesShareOneFrame_data()
{
    QTest::addColumn<QString>("renderer");
    QTest::addColumn<QString>("button");
    for (const auto& [face, elements] : Faces) {
        for (const QString& id : elements) {
            if (id.endsWith("_mask") && elements.contains(id.chopped(5) + "_default"))
                QTest::newRow(qPrintable(face + " " + id.chopped(5))) << face << id.chopped(5);
        }
    }
}

void tst_BuiltInThemes::buttonStatesShareOneFrame()
{
    QFETCH(QString, renderer);
    QFETCH(QString, button);

    // A button's bounds unite its states: states of different sizes would make
    // the button jump, and a mask outside them could not be hit.
    for (const QString& folder : BuiltInThemes) {
        QSvgRenderer svg(themeFile(folder, renderer));
        const QRectF frame = documentBounds(svg, button + "_default");
        for (const QString& state : ButtonStates)
            QCOMPARE(documentBounds(svg, button + "_" + state), frame);
        QVERIFY2(frame.adjusted(-1, -1, 1, 1).contains(documentBounds(svg, button + "_mask")), qPrintable(folder));
    }
}

void tst_BuiltInThemes::masksArePureBlack_data()
{
    QTest::addColumn<QString>("renderer");
    QTest::addColumn<QString>("mask");
    for (const auto& [face, elements] : Faces) {
        for (const QString& id : elements) {
            if (id.endsWith("_mask"))
                QTest::newRow(qPrintable(face + " " + id)) << face << id;
        }
    }
}

void tst_BuiltInThemes::masksArePureBlack()
{
    QFETCH(QString, renderer);
    QFETCH(QString, mask);

    // Hit areas are the pixels that come out exactly black.
    for (const QString& folder : BuiltInThemes) {
        QSvgRenderer svg(themeFile(folder, renderer));
        const QRectF bounds = documentBounds(svg, mask);
        QImage image(bounds.size().toSize() + QSize(2, 2), QImage::Format_ARGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        svg.render(&painter, mask, QRectF(QPointF(1, 1), bounds.size()));
        painter.end();
        int black = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x)
                black += image.pixel(x, y) == qRgb(0, 0, 0) ? 1 : 0;
        }
        QVERIFY2(black > image.width() * image.height() / 4, qPrintable(folder));
    }
}

void tst_BuiltInThemes::scrollerButtonsAsWideAsTheTrack()
{
    // The scroll area makes a scroller as wide as its bar mask and centres the
    // previous button in it; equal widths keep the scroller from drifting.
    for (const QString& folder : BuiltInThemes) {
        QSvgRenderer svg(themeFile(folder, "scroller"));
        const QRectF track = documentBounds(svg, "bar_mask");
        QCOMPARE(documentBounds(svg, "prev_default").width(), track.width());
        QCOMPARE(documentBounds(svg, "next_default").width(), track.width());
        QCOMPARE(documentBounds(svg, "thumb_default").center().x(), documentBounds(svg, "bar_middle").center().x());
    }
}

void tst_BuiltInThemes::sliderPathIsUntransformed()
{
    // The thumb runs along the raw path and centres on the filled track.
    for (const QString& folder : BuiltInThemes) {
        QSvgRenderer svg(themeFile(folder, "slider"));
        QVERIFY(svg.transformForElement("slider_path").isIdentity());
        const QRectF path = svg.boundsOnElement("slider_path");
        const QRectF filled = documentBounds(svg, "slider");
        QCOMPARE(path.center().x(), filled.center().x());
        QVERIFY(qAbs(path.width() - filled.width()) <= 1.0);
        QCOMPARE(documentBounds(svg, "thumb_default").center().y(), path.center().y());

        // The path is read back by drawing it, so drawing it must paint.
        QImage image(svg.defaultSize(), QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        svg.render(&painter, "slider_path", path);
        painter.end();
        QVERIFY(qAlpha(image.pixel(image.width() / 2, int(path.center().y()))) > 0);
    }
}

void tst_BuiltInThemes::labelTailsStayInsideThePlate()
{
    // A label measures its plate by the background alone; tails inside the
    // background's box keep every label centred in its placeholder.
    for (const QString& folder : BuiltInThemes) {
        QSvgRenderer svg(themeFile(folder, "tooltip"));
        for (const QString& row : QStringList{"", "row_2_"}) {
            const QRectF plate = documentBounds(svg, row + "background");
            for (int n = 1; n <= 5; ++n) {
                for (const QString& suffix : QStringList{"", "_edit"}) {
                    const QString tail = QStringLiteral("%1tail_%2%3").arg(row).arg(n).arg(suffix);
                    QVERIFY2(plate.contains(documentBounds(svg, tail)), qPrintable(folder + " " + tail));
                }
            }
        }
    }
}

void tst_BuiltInThemes::dropDownBarFitsTheLabelRow_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("dropDown");
    QTest::newRow("carousel") << "tooltip" << "dropdown";
    QTest::newRow("favourite") << "favorite_label" << "dropdown_favorite";
}

void tst_BuiltInThemes::dropDownBarFitsTheLabelRow()
{
    QFETCH(QString, label);
    QFETCH(QString, dropDown);

    // The bar is placed in the label's second row at its drawn size.
    for (const QString& folder : BuiltInThemes) {
        QSvgRenderer labelSvg(themeFile(folder, label));
        QSvgRenderer barSvg(themeFile(folder, dropDown));
        const QRectF row = documentBounds(labelSvg, "row_2_text_placeholder");
        QCOMPARE(documentBounds(barSvg, "background_right").right(), row.width());
        QCOMPARE(documentBounds(barSvg, "background_left").height(), row.height());
        QVERIFY(labelSvg.boundsOnElement("row_2_background").contains(row));
    }
}

void tst_BuiltInThemes::threeSliceBarsAbut_data()
{
    QTest::addColumn<QString>("renderer");
    QTest::addColumn<QString>("bar");
    QTest::newRow("button") << "button" << "default";
    QTest::newRow("button hovered") << "button" << "hover";
    QTest::newRow("dialog button") << "button_userconfiguration" << "default";
    QTest::newRow("drop-down") << "dropdown" << "background";
    QTest::newRow("favourite drop-down") << "dropdown_favorite" << "background";
}

void tst_BuiltInThemes::threeSliceBarsAbut()
{
    QFETCH(QString, renderer);
    QFETCH(QString, bar);

    // A stretched bar draws each slice into its own column; slices that
    // overlapped or left a gap would show seams.
    for (const QString& folder : BuiltInThemes) {
        QSvgRenderer svg(themeFile(folder, renderer));
        const QRectF left = documentBounds(svg, bar + "_left");
        const QRectF middle = documentBounds(svg, bar + "_middle");
        const QRectF right = documentBounds(svg, bar + "_right");
        QCOMPARE(left.right(), middle.left());
        QCOMPARE(middle.right(), right.left());
        QCOMPARE(left.top(), middle.top());
        QCOMPARE(right.top(), middle.top());
        QCOMPARE(left.height(), middle.height());
        QCOMPARE(right.height(), middle.height());
    }
}

void tst_BuiltInThemes::carouselSegmentsSitOnTheAnimationPath()
{
    // Travelling icons run along the path from segment to segment and show
    // only inside the content area.
    for (const QString& folder : BuiltInThemes) {
        QSvgRenderer svg(themeFile(folder, "navigation"));
        QImage path(svg.defaultSize(), QImage::Format_ARGB32);
        path.fill(Qt::transparent);
        QPainter painter(&path);
        svg.render(&painter, "animation_path", documentBounds(svg, "animation_path"));
        painter.end();
        const QRectF area = documentBounds(svg, "content_area_mask");
        qreal previousX = -1.0;
        for (int n = 1; n <= CarouselSegments; ++n) {
            const QRectF box = documentBounds(svg, QStringLiteral("segment_%1_content_placeholder").arg(n));
            const QPoint centre = box.center().toPoint();
            int painted = 0;
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx)
                    painted += qAlpha(path.pixel(centre + QPoint(dx, dy))) > 0 ? 1 : 0;
            }
            QVERIFY2(painted > 0, qPrintable(folder + QString(" segment %1").arg(n)));
            QVERIFY2(area.contains(box), qPrintable(folder + QString(" segment %1").arg(n)));
            QVERIFY(box.center().x() > previousX);
            previousX = box.center().x();
        }
    }
}

void tst_BuiltInThemes::ringPlaceholdersAreConcentric_data()
{
    QTest::addColumn<QString>("renderer");
    QTest::addColumn<QString>("centreElement");
    QTest::addColumn<QString>("placeholder");
    QTest::addColumn<QString>("ring");
    QTest::newRow("carousel ring 1") << "navigation" << "background" << "command_control_placeholder"
                                     << "command_control";
    QTest::newRow("carousel ring 2") << "navigation" << "background" << "command_control_2_placeholder"
                                     << "command_control_2";
    QTest::newRow("favourite ring 1") << "favorite" << "move_default" << "command_control_placeholder"
                                      << "favorite_command_control";
    QTest::newRow("favourite ring 2") << "favorite" << "move_default" << "command_control_2_placeholder"
                                      << "favorite_command_control_2";
}

void tst_BuiltInThemes::ringPlaceholdersAreConcentric()
{
    QFETCH(QString, renderer);
    QFETCH(QString, centreElement);
    QFETCH(QString, placeholder);
    QFETCH(QString, ring);

    // A ring grows into its placeholder at its drawn size, round the control
    // it opens from.
    for (const QString& folder : BuiltInThemes) {
        QSvgRenderer svg(themeFile(folder, renderer));
        QSvgRenderer ringSvg(themeFile(folder, ring));
        const QRectF target = documentBounds(svg, placeholder);
        QCOMPARE(target.size(), QSizeF(ringSvg.defaultSize()));
        QCOMPARE(target.center(), documentBounds(svg, centreElement).center());
    }
}

void tst_BuiltInThemes::openRingsLeaveRoomForTheLabels_data()
{
    QTest::addColumn<QString>("renderer");
    QTest::addColumn<QString>("centreElement");
    QTest::addColumn<QString>("ring");
    QTest::addColumn<QString>("layout");
    QTest::addColumn<QStringList>("placeholders");

    QStringList carousel;
    for (int n = 1; n <= CarouselSegments; ++n)
        carousel << QStringLiteral("tooltip_%1_placeholder").arg(n) << QStringLiteral("slider_%1_placeholder").arg(n);
    const QStringList favourite{"label_placeholder", "slider_placeholder", "close_placeholder", "resize_placeholder",
                                "refresh_placeholder"};
    QTest::newRow("carousel ring 1") << "navigation" << "background" << "command_control" << "_expanded" << carousel;
    QTest::newRow("carousel ring 2") << "navigation" << "background" << "command_control_2" << "_expanded_2"
                                     << carousel;
    QTest::newRow("favourite ring 1") << "favorite" << "move_default" << "favorite_command_control" << "_expanded"
                                      << favourite;
    QTest::newRow("favourite ring 2") << "favorite" << "move_default" << "favorite_command_control_2"
                                      << "_expanded_2" << favourite;
}

void tst_BuiltInThemes::openRingsLeaveRoomForTheLabels()
{
    QFETCH(QString, renderer);
    QFETCH(QString, centreElement);
    QFETCH(QString, ring);
    QFETCH(QString, layout);
    QFETCH(QStringList, placeholders);

    // While a ring is open, labels, sliders and icons move to places outside it.
    for (const QString& folder : BuiltInThemes) {
        QSvgRenderer svg(themeFile(folder, renderer));
        const QSvgRenderer ringSvg(themeFile(folder, ring));
        const qreal radius = ringSvg.defaultSize().width() / 2.0;
        const QPointF centre = documentBounds(svg, centreElement).center();
        for (const QString& placeholder : placeholders) {
            const QRectF place = documentBounds(svg, placeholder + layout);
            const QPointF nearest(qBound(place.left(), centre.x(), place.right()),
                                  qBound(place.top(), centre.y(), place.bottom()));
            QVERIFY2(QLineF(centre, nearest).length() >= radius - 0.5, qPrintable(folder + " " + placeholder + layout));
        }
    }
}

void tst_BuiltInThemes::infoFaceFlipsOntoTheCarousel()
{
    // Both faces of the main gadget share one size and one disc.
    for (const QString& folder : BuiltInThemes) {
        QSvgRenderer navigation(themeFile(folder, "navigation"));
        QSvgRenderer info(themeFile(folder, "info"));
        QCOMPARE(info.defaultSize(), navigation.defaultSize());
        QCOMPARE(documentBounds(info, "background"), documentBounds(navigation, "background"));
        QVERIFY(documentBounds(info, "background").contains(documentBounds(info, "configure_default")));
    }
}

void tst_BuiltInThemes::solidBackgroundIsOpaque()
{
    // Drawn whole behind the gadget where the window cannot be transparent.
    for (const QString& folder : BuiltInThemes) {
        QSvgRenderer svg(themeFile(folder, "non_transparent_background"));
        QVERIFY(svg.isValid());
        QImage image(QSize(64, 48), QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        svg.render(&painter);
        painter.end();
        for (const QPoint& at : {QPoint(0, 0), QPoint(63, 0), QPoint(32, 24), QPoint(0, 47), QPoint(63, 47)})
            QCOMPARE(qAlpha(image.pixel(at)), 255);
    }
}

// Each text colour against the mean colour of the ground under it, by the
// accessibility guidelines' contrast ratio; a shadow must lie on the
// ground's side of the text, so that it widens the contrast, not smears it.
void tst_BuiltInThemes::textsAreLegible_data()
{
    QTest::addColumn<QList<QColor>>("texts");
    QTest::addColumn<QList<QColor>>("grounds");
    QTest::addColumn<bool>("shadow");

    using namespace ThemeLegibility;
    for (const QString& folder : BuiltInThemes) {
        const QString theme = folder.mid(2);
        const ThemeSettings ini(readFile(folder + "/theme.ini").toUtf8());
        const QColor backdrop = themeBackdrop(folder);
        QVERIFY(backdrop.isValid());
        const auto keyColours = [&](const QStringList& keys) {
            QList<QColor> colours;
            for (const QString& key : keys)
                colours << themeColours(ini, key);
            return colours;
        };

        for (const FaceText& text : faceTexts()) {
            const QColor ground = renderedGround(themeFile(folder, text.renderer), text.ground, text.box, backdrop);
            QVERIFY2(ground.isValid(), qPrintable(text.renderer));
            QTest::addRow("%s: %s", qPrintable(theme), qPrintable(text.name))
                << keyColours(text.keys) << QList<QColor>{ground} << text.shadow;
        }
        for (const KeyText& text : keyTexts()) {
            QTest::addRow("%s: %s", qPrintable(theme), qPrintable(text.name))
                << keyColours({text.key}) << QList<QColor>{themeGround(ini, text.groundKey)} << false;
        }
        for (const StyleSheetText& text : styleSheetTexts()) {
            const QString styleSheet = readFile(folder + "/" + text.file);
            const QString colour = styleSheetProperty(styleSheet, text.selector, text.property);
            QVERIFY2(!colour.isEmpty(), qPrintable(text.selector + " " + text.property));
            QList<QColor> grounds;
            if (!text.groundRenderer.isEmpty()) {
                grounds << renderedGround(themeFile(folder, text.groundRenderer), text.groundElements, "", backdrop);
            } else {
                const QString back = styleSheetProperty(styleSheet, text.groundSelector, text.groundProperty);
                QVERIFY2(!back.isEmpty(), qPrintable(text.groundSelector + " " + text.groundProperty));
                for (const QColor& desktop : {QColor(Qt::black), QColor(Qt::white)})
                    grounds << opaqueOver(styleSheetColour(back), desktop);
            }
            QTest::addRow("%s: %s", qPrintable(theme), qPrintable(text.name))
                << QList<QColor>{styleSheetColour(colour)} << grounds << false;
        }
    }
}

void tst_BuiltInThemes::textsAreLegible()
{
    QFETCH(QList<QColor>, texts);
    QFETCH(QList<QColor>, grounds);
    QFETCH(bool, shadow);

    QVERIFY(!texts.isEmpty());
    for (const QColor& text : texts) {
        QVERIFY(text.isValid());
        for (const QColor& ground : grounds) {
            const qreal ratio = ThemeLegibility::leastContrast(text, {ground});
            QVERIFY2(ratio >= LEAST_TEXT_CONTRAST, qPrintable(describe(text, ground, ratio)));
        }
    }
    if (!shadow)
        return;
    QGradientStops stops;
    for (const QColor& text : texts)
        stops << QGradientStop(0.0, text);
    const QColor shadowColour = Corvane::Gadgets::TextContrast::shadowColorFor(
        Corvane::Gadgets::TextContrast::meanColor(stops));
    for (const QColor& text : texts) {
        const qreal textLuminance = Corvane::Gadgets::TextContrast::relativeLuminance(text);
        const qreal shadowSide = Corvane::Gadgets::TextContrast::relativeLuminance(shadowColour) - textLuminance;
        for (const QColor& ground : grounds) {
            const qreal groundSide = Corvane::Gadgets::TextContrast::relativeLuminance(ground) - textLuminance;
            QVERIFY2(shadowSide * groundSide > 0,
                     qPrintable("shadow " + shadowColour.name() + " on the far side of " + describe(text, ground, 0)));
        }
    }
}

// A slider's value hangs beside the gadget, over whatever desktop is
// behind it, on a plate of the theme's: against that plate, laid over a
// black, a white and a mid-grey desktop, it keeps the contrast of any text.
void tst_BuiltInThemes::sliderValuesKeepTheirContrastOnAnyDesktop_data()
{
    QTest::addColumn<QList<QColor>>("texts");
    QTest::addColumn<QColor>("backing");
    QTest::addColumn<QColor>("desktop");
    using namespace ThemeLegibility;
    for (const QString& folder : BuiltInThemes) {
        const ThemeSettings ini(readFile(folder + "/theme.ini").toUtf8());
        const QList<QColor> backing = themeColours(ini, "slider_value_backing_color");
        for (const QColor& desktop : {QColor(Qt::black), QColor(Qt::white), QColor(128, 128, 128)})
            QTest::addRow("%s on %s", qPrintable(folder.mid(2)), qPrintable(desktop.name()))
                << themeColours(ini, "slider_font_color") << backing.value(0) << desktop;
    }
}

void tst_BuiltInThemes::sliderValuesKeepTheirContrastOnAnyDesktop()
{
    QFETCH(QList<QColor>, texts);
    QFETCH(QColor, backing);
    QFETCH(QColor, desktop);
    QVERIFY(!texts.isEmpty());
    QVERIFY2(backing.isValid(), "no slider_value_backing_color");
    const QColor ground = ThemeLegibility::opaqueOver(backing, desktop);
    for (const QColor& text : texts) {
        const qreal ratio = ThemeLegibility::leastContrast(text, {ground});
        QVERIFY2(ratio >= LEAST_TEXT_CONTRAST, qPrintable(describe(text, ground, ratio)));
    }
}

void tst_BuiltInThemes::themeIniKeys_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("kind");
    for (const auto& [key, kind] : themeKeys())
        QTest::newRow(qPrintable(key)) << key << int(kind);
}

void tst_BuiltInThemes::themeIniKeys()
{
    QFETCH(QString, key);
    QFETCH(int, kind);

    for (const QString& folder : BuiltInThemes) {
        const QSettings ini(folder + "/theme.ini", QSettings::IniFormat);
        const QString value = ini.value(key).toString();
        QVERIFY2(ini.contains(key), qPrintable(folder));
        bool number = false;
        const int n = value.toInt(&number);
        switch (KeyKind(kind)) {
        case KeyKind::Color:
            QVERIFY2(isColor(value), qPrintable(folder + " " + value));
            break;
        case KeyKind::Gradient:
            QVERIFY2(isGradient(value), qPrintable(folder + " " + value));
            break;
        case KeyKind::Size:
            QVERIFY2(number && n >= 8 && n <= 72, qPrintable(folder + " " + value));
            break;
        case KeyKind::Weight:
            QVERIFY2(number && n >= 10 && n <= 99, qPrintable(folder + " " + value));
            break;
        }
    }
}

// The energy, tariff, load-management and webserver faces.

void tst_BuiltInThemes::dataFaceElementsExist_data()
{
    QTest::addColumn<QString>("renderer");
    QTest::addColumn<QStringList>("elements");
    for (const auto& [face, elements] : DataFacesTheme::faces())
        QTest::newRow(qPrintable(face)) << face << elements;
}

void tst_BuiltInThemes::dataFaceElementsExist()
{
    QFETCH(QString, renderer);
    QFETCH(QStringList, elements);

    for (const QString& folder : BuiltInThemes) {
        QSvgRenderer svg(themeFile(folder, renderer));
        QVERIFY2(svg.isValid(), qPrintable(folder));
        for (const QString& element : elements)
            QVERIFY2(svg.elementExists(element), qPrintable(folder + " " + renderer + " " + element));
        const QRectF document(QPointF(0, 0), svg.defaultSize());
        for (const QString& element : elements)
            QVERIFY2(document.contains(documentBounds(svg, element)), qPrintable(folder + " " + element));
    }
}

void tst_BuiltInThemes::dataFaceKeys_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("kind");
    for (const auto& [key, kind] : DataFacesTheme::keys())
        QTest::newRow(qPrintable(key)) << key << int(kind);
}

void tst_BuiltInThemes::dataFaceKeys()
{
    QFETCH(QString, key);
    QFETCH(int, kind);

    for (const QString& folder : BuiltInThemes) {
        const QSettings ini(folder + "/theme.ini", QSettings::IniFormat);
        const QString value = ini.value(key).toString();
        QVERIFY2(ini.contains(key), qPrintable(folder));
        bool number = false;
        const double n = value.toDouble(&number);
        switch (DataFacesTheme::Kind(kind)) {
        case DataFacesTheme::Kind::Color:
            QVERIFY2(isColor(value), qPrintable(folder + " " + value));
            break;
        case DataFacesTheme::Kind::Gradient:
            QVERIFY2(isGradient(value), qPrintable(folder + " " + value));
            break;
        case DataFacesTheme::Kind::Size:
            QVERIFY2(number && n >= 8 && n <= 72, qPrintable(folder + " " + value));
            break;
        case DataFacesTheme::Kind::Weight:
            QVERIFY2(number && n >= 10 && n <= 99, qPrintable(folder + " " + value));
            break;
        case DataFacesTheme::Kind::Real:
            QVERIFY2(number && n >= 0, qPrintable(folder + " " + value));
            break;
        }
    }
}

void tst_BuiltInThemes::dataFaceTextsAreLegible_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<int>("text");
    for (const QString& folder : BuiltInThemes) {
        const QList<DataFacesTheme::Text> texts = DataFacesTheme::texts();
        for (int i = 0; i < int(texts.size()); ++i)
            QTest::newRow(qPrintable(folder + " " + texts.at(i).name)) << folder << i;
    }
}

// Every colour of a text against the lightest and the darkest of its ground:
// at least 4.5:1.
void tst_BuiltInThemes::dataFaceTextsAreLegible()
{
    QFETCH(QString, folder);
    QFETCH(int, text);

    ThemeProvider::clear();
    ThemeProvider::DefaultThemeFolder = folder;
    ThemeProvider::setThemeFile(QString());
    const DataFacesTheme::Text checked = DataFacesTheme::texts().at(text);
    const QList<QColor> grounds = DataFacesTheme::groundColours(folder, checked);
    for (const QColor& colour : DataFacesTheme::colours(checked.key)) {
        QVERIFY2(colour.alpha() == 255, qPrintable(colour.name(QColor::HexArgb)));
        for (const QColor& ground : grounds) {
            const double ratio = DataFacesTheme::contrast(colour, ground);
            QVERIFY2(ratio >= 4.5, qPrintable(QString("%1 on %2: %3").arg(colour.name(), ground.name()).arg(ratio)));
        }
    }
    ThemeProvider::clear();
    ThemeProvider::DefaultThemeFolder = ":/CorvaneTheme";
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
