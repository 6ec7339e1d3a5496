#pragma once

#include <QByteArray>
#include <QColor>
#include <QGradientStops>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <memory>

class QPixmap;
class QSvgRenderer;

namespace Corvane::Gadgets {

namespace Utilities {
class RendererContainer;
}
class ThemeSettings;

// The theme service of the library (static, GUI thread only).
//
// A theme is either the built-in resource folder DefaultThemeFolder or a
// skin zip whose root holds the same file names. The provider hands out one
// shared RendererContainer per SVG file (renderer name + ".svg"), reads the
// values of the theme's theme.ini and any other file of the theme. Switching
// the theme puts new renderers into the existing containers; controls refresh
// their own cached values when their host asks them to (updateCachedData).
class ThemeProvider
{
public:
    ThemeProvider() = delete;

    // Device icons.
    static const QString LIGHTS;
    static const QString LIGHTS_GROUP;
    static const QString LIGHTS_SYSTEM;
    static const QString MOTOR;
    static const QString AUTOMATION;
    static const QString AUTOMATION_SYSTEM;
    static const QString THERMOREGULATOR;
    static const QString THERMOREGULATION;
    static const QString THERMOREGULATION_SYSTEM;
    static const QString AIRCONDITIONER;
    static const QString LIGHT_SENSOR;
    static const QString LIGHT_SENSOR_SYSTEM;
    static const QString PRESENCE;
    static const QString PRESENCE_SYSTEM;
    static const QString SCENARIO;
    static const QString SCENARIO_SYSTEM;
    static const QString WEBSERVER;
    static const QString WEBSERVER_SYSTEM;
    static const QString SOUND;
    static const QString SOUND_SYSTEM;
    static const QString AMPLIFIER;
    static const QString AMPLIFIER_GROUP;
    static const QString SHUTTER;
    static const QString SHUTTER_GROUP;
    static const QString CURTAIN;
    static const QString CURTAIN_GROUP;

    // Thermoregulation states.
    static const QString THERMO_AUTOMATIC;
    static const QString THERMO_MANUAL;
    static const QString THERMO_ANTIFREEZE;
    static const QString THERMO_FANCOIL_LOW;
    static const QString THERMO_FANCOIL_MEDIUM;
    static const QString THERMO_FANCOIL_HIGH;
    static const QString THERMO_FANCOIL_AUTOMATIC;
    static const QString THERMO_FANCOIL_SILENT;
    static const QString THERMO_HEATING;
    static const QString THERMO_COOLING;
    static const QString THERMO_DRY;
    static const QString THERMO_FAN;
    static const QString THERMO_SWING_ON;
    static const QString THERMO_SWING_OFF;
    static const QString CELSIUS;
    static const QString FAHRENHEIT;

    // Energy and loads.
    static const QString ENERGY;
    static const QString ENERGY_ELECTRICITY;
    static const QString ENERGY_WATER;
    static const QString ENERGY_GAS;
    static const QString ENERGY_DOMESTIC_HOT_WATER;
    static const QString ENERGY_HEATING_OR_COOLING;
    static const QString ENERGY_SYSTEM;
    static const QString ENERGY_DATA_VIEW;
    static const QString ENERGY_DATA_TARIFF;
    static const QString ENERGY_CYCLE_TIMESPAN_VIEW;
    static const QString ENERGY_TABLE;
    static const QString ENERGY_GRAPH;
    static const QString ENERGY_CURRENCY;
    static const QString ENERGY_UNIT;
    static const QString ENERGY_TARIFF;
    static const QString LOAD_MANAGEMENT;
    static const QString LOAD_MANAGEMENT_SYSTEM;
    static const QString LOAD_OK;
    static const QString LOAD_UNPLUGGED;
    static const QString LOAD_CONTROLLED;
    static const QString LOAD_UNCONTROLLED;
    static const QString LOAD_INFO;
    static const QString LOAD_RESET;
    static const QString LOAD_REFRESH;
    static const QString LOAD_MANAGEMENT_VIEW;
    static const QString WEB_SERVER_VIEW;

    // Commands.
    static const QString ON;
    static const QString OFF;
    static const QString START;
    static const QString STOP;
    static const QString SCENARIO_ENABLE;
    static const QString SCENARIO_DISABLE;
    static const QString MOTOR_UP;
    static const QString MOTOR_DOWN;
    static const QString MOTOR_OPEN;
    static const QString MOTOR_CLOSE;
    static const QString SHUTTER_UP;
    static const QString SHUTTER_DOWN;
    static const QString CURTAIN_OPEN;
    static const QString CURTAIN_CLOSE;
    static const QString NEXT_TRACK;
    static const QString PREV_TRACK;
    static const QString DECREASE;
    static const QString INCREASE;
    static const QString LEFT_ARROW;
    static const QString RIGHT_ARROW;

    // Gadget parts.
    static const QString NAVIGATION;
    static const QString INFO;
    static const QString CONFIGURE;
    static const QString SLIDER;
    static const QString COMMAND_CONTROL;
    static const QString COMMAND_CONTROL_2;
    static const QString FAVORITE;
    static const QString FAVORITE_INDICATOR;
    static const QString FAVORITE_LABEL;
    static const QString FAVORITE_COMMAND_CONTROL;
    static const QString FAVORITE_COMMAND_CONTROL_2;
    static const QString TOOLTIP;
    static const QString BUTTON;
    static const QString BUTTON_USERCONFIGURATION;
    static const QString SCROLLER;
    static const QString DROPDOWN;
    static const QString DROPDOWN_FAVORITE;
    static const QString DROPDOWN_ON;
    static const QString DROPDOWN_ON_FAVORITE;
    static const QString WINDOW_FRAME;
    static const QString RESIZE_HANDLE;
    static const QString SOLID_BACKGROUND_ID;
    static const QString ERROR_INDICATOR;

    static const QString FILES_SUFFIX;
    static const QString FONT_CONFIG_KEY;
    static const QString THEME_INI_FILE;

    // The built-in theme folder (":/CorvaneTheme" until the host picks another).
    static QString DefaultThemeFolder;

    static void initResources();

    // Makes the skin zipPath (or, with an empty path, the built-in folder) the
    // active theme. A zip that lacks any file of the built-in folder is not
    // used: the built-in folder becomes the active theme instead.
    static void setThemeFile(const QString& zipPath);
    // Path of the active skin zip; empty while the built-in folder is active.
    static QString themeFile();

    // The shared container of a renderer name; never null. A file that cannot
    // be read gives an empty renderer.
    static Utilities::RendererContainer* getRendererFor(const QString& name);
    static void updateRenderers();
    // Destroys every container, its renderer and the cached theme.ini values;
    // done by itself when the application object is destroyed.
    static void clear();
    // Re-reads theme.ini of the active theme at the next access.
    static void sync();

    static bool hasValue(const QString& key);
    static QVariant getValue(const QString& key);
    static QString getText(const QString& key, const QString& defaultValue = QString());
    // The default when the key is absent; 0 when present but not a number.
    static int getInt(const QString& key, int defaultValue);
    static qreal getReal(const QString& key, qreal defaultValue);
    static qreal maxScale();
    static qreal minScale();
    static QColor getColor(const QString& key, const QColor& defaultValue);
    // AARRGGBB in hexadecimal; anything else is transparent black.
    static QColor stringToColor(const QString& text);
    static QString getFontName();
    static bool getSpaceSeparatedValues(const QString& key, QStringList& values);
    static bool getGradientColorStops(const QString& key, QGradientStops& stops);
    static void getColorMap(const QString& key, QMap<int, QColor>& colors);

    // Reads fileName of the theme themeFile (a zip path, or empty for the
    // built-in folder); bytes is untouched when that fails.
    static bool fileContentsToByteArray(const QString& themeFile, const QString& fileName, QByteArray& bytes);
    // Reads fileName of the active theme.
    static bool fileContentsToByteArray(const QString& fileName, QByteArray& bytes);
    static bool fileContentsToString(const QString& fileName, QString& text);
    static bool renderImage(QPixmap& pixmap, const QString& fileName);
    // Renders one element (or, for an empty id, the whole document) of a
    // renderer into a new pixmap of the element's size, within the limit of
    // Utilities::PictureSize; a missing element gives a null pixmap.
    static void renderElement(QPixmap& pixmap, const QString& rendererName, const QString& elementId);

    // The theme.ini values of the theme zipPath (empty: the built-in folder),
    // read apart from the active theme's; null when zipPath names no file.
    static std::unique_ptr<ThemeSettings> createThemeIniFile(const QString& zipPath);

private:
    static QSvgRenderer* loadRenderer(const QString& name, bool reportMissing);
    // Names the renderer after its file and theme, for log lines about what
    // it draws.
    static QSvgRenderer* namedRenderer(QSvgRenderer* renderer, const QString& fileName, const QString& theme);
    static const ThemeSettings& settings();
};

} // namespace Corvane::Gadgets
