#include "theme/ThemeProvider.h"

#include "controls/PictureSize.h"
#include "theme/RendererContainer.h"
#include "theme/SkinFileCheck.h"
#include "theme/ThemeResourceValidator.h"
#include "theme/ThemeSettings.h"

#include "log/Logger.h"
#include "utilities/Globals.h"
#include "utilities/Zip/Unzipper.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <QTextStream>

#include <map>

// Resource registration has to name the resource from the global namespace.
static void initThemeResources()
{
    Q_INIT_RESOURCE(themes);
    Q_INIT_RESOURCE(images);
}

namespace Corvane::Gadgets {

using Log::Logger;
using Utilities::RendererContainer;

const QString ThemeProvider::LIGHTS = QStringLiteral("light");
const QString ThemeProvider::LIGHTS_GROUP = QStringLiteral("light_group");
const QString ThemeProvider::LIGHTS_SYSTEM = QStringLiteral("light_system");
const QString ThemeProvider::MOTOR = QStringLiteral("motor");
const QString ThemeProvider::AUTOMATION = QStringLiteral("automation");
const QString ThemeProvider::AUTOMATION_SYSTEM = QStringLiteral("automation_system");
const QString ThemeProvider::THERMOREGULATOR = QStringLiteral("termo");
const QString ThemeProvider::THERMOREGULATION = QStringLiteral("thermo");
const QString ThemeProvider::THERMOREGULATION_SYSTEM = QStringLiteral("temperature_system");
const QString ThemeProvider::AIRCONDITIONER = QStringLiteral("airconditioner");
const QString ThemeProvider::LIGHT_SENSOR = QStringLiteral("light_sensor");
const QString ThemeProvider::LIGHT_SENSOR_SYSTEM = QStringLiteral("light_sensor_system");
const QString ThemeProvider::PRESENCE = QStringLiteral("presence");
const QString ThemeProvider::PRESENCE_SYSTEM = QStringLiteral("presence_sensor_system");
const QString ThemeProvider::SCENARIO = QStringLiteral("scenario");
const QString ThemeProvider::SCENARIO_SYSTEM = QStringLiteral("scenario_system");
const QString ThemeProvider::WEBSERVER = QStringLiteral("webserver");
const QString ThemeProvider::WEBSERVER_SYSTEM = QStringLiteral("webserver_system");
const QString ThemeProvider::SOUND = QStringLiteral("sound");
const QString ThemeProvider::SOUND_SYSTEM = QStringLiteral("sound_system");
const QString ThemeProvider::AMPLIFIER = QStringLiteral("amplifier");
const QString ThemeProvider::AMPLIFIER_GROUP = QStringLiteral("amplifier_group");
const QString ThemeProvider::SHUTTER = QStringLiteral("shutter");
const QString ThemeProvider::SHUTTER_GROUP = QStringLiteral("shutter_group");
const QString ThemeProvider::CURTAIN = QStringLiteral("curtain");
const QString ThemeProvider::CURTAIN_GROUP = QStringLiteral("curtain_group");
const QString ThemeProvider::THERMO_AUTOMATIC = QStringLiteral("thermo_automatic");
const QString ThemeProvider::THERMO_MANUAL = QStringLiteral("thermo_manual");
const QString ThemeProvider::THERMO_ANTIFREEZE = QStringLiteral("thermo_antifreeze");
const QString ThemeProvider::THERMO_FANCOIL_LOW = QStringLiteral("thermo_fancoil_low");
const QString ThemeProvider::THERMO_FANCOIL_MEDIUM = QStringLiteral("thermo_fancoil_medium");
const QString ThemeProvider::THERMO_FANCOIL_HIGH = QStringLiteral("thermo_fancoil_high");
const QString ThemeProvider::THERMO_FANCOIL_AUTOMATIC = QStringLiteral("thermo_fancoil_auto");
const QString ThemeProvider::THERMO_FANCOIL_SILENT = QStringLiteral("thermo_fancoil_silent");
const QString ThemeProvider::THERMO_HEATING = QStringLiteral("thermo_heating");
const QString ThemeProvider::THERMO_COOLING = QStringLiteral("thermo_cooling");
const QString ThemeProvider::THERMO_DRY = QStringLiteral("thermo_dry");
const QString ThemeProvider::THERMO_FAN = QStringLiteral("thermo_fan");
const QString ThemeProvider::THERMO_SWING_ON = QStringLiteral("thermo_swing_on");
const QString ThemeProvider::THERMO_SWING_OFF = QStringLiteral("thermo_swing_off");
const QString ThemeProvider::CELSIUS = QStringLiteral("celsius");
const QString ThemeProvider::FAHRENHEIT = QStringLiteral("fahrenheit");
const QString ThemeProvider::ENERGY = QStringLiteral("energy");
const QString ThemeProvider::ENERGY_ELECTRICITY = QStringLiteral("energy_electricity");
const QString ThemeProvider::ENERGY_WATER = QStringLiteral("energy_water");
const QString ThemeProvider::ENERGY_GAS = QStringLiteral("energy_gas");
const QString ThemeProvider::ENERGY_DOMESTIC_HOT_WATER = QStringLiteral("energy_dhw");
const QString ThemeProvider::ENERGY_HEATING_OR_COOLING = QStringLiteral("energy_heating_cooling");
const QString ThemeProvider::ENERGY_SYSTEM = QStringLiteral("energy_system");
const QString ThemeProvider::ENERGY_DATA_VIEW = QStringLiteral("energy_data_view");
const QString ThemeProvider::ENERGY_DATA_TARIFF = QStringLiteral("energy_data_tariff");
const QString ThemeProvider::ENERGY_CYCLE_TIMESPAN_VIEW = QStringLiteral("energy_cycle_timespan_view");
const QString ThemeProvider::ENERGY_TABLE = QStringLiteral("energy_table");
const QString ThemeProvider::ENERGY_GRAPH = QStringLiteral("energy_graph");
const QString ThemeProvider::ENERGY_CURRENCY = QStringLiteral("energy_currency");
const QString ThemeProvider::ENERGY_UNIT = QStringLiteral("energy_unit");
const QString ThemeProvider::ENERGY_TARIFF = QStringLiteral("energy_tariff");
const QString ThemeProvider::LOAD_MANAGEMENT = QStringLiteral("load_management");
const QString ThemeProvider::LOAD_MANAGEMENT_SYSTEM = QStringLiteral("load_management_system");
const QString ThemeProvider::LOAD_OK = QStringLiteral("load_device_ok");
const QString ThemeProvider::LOAD_UNPLUGGED = QStringLiteral("load_unplugged");
const QString ThemeProvider::LOAD_CONTROLLED = QStringLiteral("load_controlled");
const QString ThemeProvider::LOAD_UNCONTROLLED = QStringLiteral("load_uncontrolled");
const QString ThemeProvider::LOAD_INFO = QStringLiteral("load_info");
const QString ThemeProvider::LOAD_RESET = QStringLiteral("load_reset");
const QString ThemeProvider::LOAD_REFRESH = QStringLiteral("load_refresh");
const QString ThemeProvider::LOAD_MANAGEMENT_VIEW = QStringLiteral("load_management_view");
const QString ThemeProvider::WEB_SERVER_VIEW = QStringLiteral("webserver_view");
const QString ThemeProvider::ON = QStringLiteral("on");
const QString ThemeProvider::OFF = QStringLiteral("off");
const QString ThemeProvider::START = QStringLiteral("start");
const QString ThemeProvider::STOP = QStringLiteral("stop");
const QString ThemeProvider::SCENARIO_ENABLE = QStringLiteral("scenario_enable");
const QString ThemeProvider::SCENARIO_DISABLE = QStringLiteral("scenario_disable");
const QString ThemeProvider::MOTOR_UP = QStringLiteral("motor_up");
const QString ThemeProvider::MOTOR_DOWN = QStringLiteral("motor_down");
const QString ThemeProvider::MOTOR_OPEN = QStringLiteral("motor_open");
const QString ThemeProvider::MOTOR_CLOSE = QStringLiteral("motor_close");
const QString ThemeProvider::SHUTTER_UP = QStringLiteral("shutter_up");
const QString ThemeProvider::SHUTTER_DOWN = QStringLiteral("shutter_down");
const QString ThemeProvider::CURTAIN_OPEN = QStringLiteral("curtain_open");
const QString ThemeProvider::CURTAIN_CLOSE = QStringLiteral("curtain_close");
const QString ThemeProvider::NEXT_TRACK = QStringLiteral("next_track");
const QString ThemeProvider::PREV_TRACK = QStringLiteral("prev_track");
const QString ThemeProvider::DECREASE = QStringLiteral("decrease");
const QString ThemeProvider::INCREASE = QStringLiteral("increase");
const QString ThemeProvider::LEFT_ARROW = QStringLiteral("LeftArrow");
const QString ThemeProvider::RIGHT_ARROW = QStringLiteral("RightArrow");
const QString ThemeProvider::NAVIGATION = QStringLiteral("navigation");
const QString ThemeProvider::INFO = QStringLiteral("info");
const QString ThemeProvider::CONFIGURE = QStringLiteral("configure");
const QString ThemeProvider::SLIDER = QStringLiteral("slider");
const QString ThemeProvider::COMMAND_CONTROL = QStringLiteral("command_control");
const QString ThemeProvider::COMMAND_CONTROL_2 = QStringLiteral("command_control_2");
const QString ThemeProvider::FAVORITE = QStringLiteral("favorite");
const QString ThemeProvider::FAVORITE_INDICATOR = QStringLiteral("favorite_indicator");
const QString ThemeProvider::FAVORITE_LABEL = QStringLiteral("favorite_label");
const QString ThemeProvider::FAVORITE_COMMAND_CONTROL = QStringLiteral("favorite_command_control");
const QString ThemeProvider::FAVORITE_COMMAND_CONTROL_2 = QStringLiteral("favorite_command_control_2");
const QString ThemeProvider::TOOLTIP = QStringLiteral("tooltip");
const QString ThemeProvider::BUTTON = QStringLiteral("button");
const QString ThemeProvider::BUTTON_USERCONFIGURATION = QStringLiteral("button_userconfiguration");
const QString ThemeProvider::SCROLLER = QStringLiteral("scroller");
const QString ThemeProvider::DROPDOWN = QStringLiteral("dropdown");
const QString ThemeProvider::DROPDOWN_FAVORITE = QStringLiteral("dropdown_favorite");
const QString ThemeProvider::DROPDOWN_ON = QStringLiteral("dropdown_on");
const QString ThemeProvider::DROPDOWN_ON_FAVORITE = QStringLiteral("dropdown_on_favorite");
const QString ThemeProvider::WINDOW_FRAME = QStringLiteral("window_frame");
const QString ThemeProvider::RESIZE_HANDLE = QStringLiteral("resize_handle");
const QString ThemeProvider::SOLID_BACKGROUND_ID = QStringLiteral("non_transparent_background");
const QString ThemeProvider::ERROR_INDICATOR = QStringLiteral("error_indicator");
const QString ThemeProvider::FILES_SUFFIX = QStringLiteral(".svg");
const QString ThemeProvider::FONT_CONFIG_KEY = QStringLiteral("font");
const QString ThemeProvider::THEME_INI_FILE = QStringLiteral("theme.ini");

QString ThemeProvider::DefaultThemeFolder = QStringLiteral(":/CorvaneTheme");

namespace {

struct ThemeState
{
    QString themeFileName;
    std::unique_ptr<ThemeSettings> settings;
    // Containers and the renderers they hold, by renderer name.
    std::map<QString, std::unique_ptr<RendererContainer>> renderers;
};

ThemeState& theme()
{
    static ThemeState state;
    return state;
}

} // namespace

void ThemeProvider::initResources()
{
    initThemeResources();
}

void ThemeProvider::setThemeFile(const QString& zipPath)
{
    QString candidate = zipPath;
    if (!zipPath.isEmpty()) {
        QString error;
        if (!ThemeResourceValidator::containsAllResources(DefaultThemeFolder + u'/', zipPath, &error)) {
            Logger(Logger::Error) << Q_FUNC_INFO << " " << error << "\n" << "Reverting to default theme";
            candidate.clear();
        }
    }
    theme().themeFileName = candidate;
    updateRenderers();
    theme().settings.reset();

    if (candidate == zipPath) {
        const QString name = zipPath.isEmpty() ? Corvane::Utilities::Globals::defaultSkinName() : zipPath;
        Logger(Logger::Trace) << "Theme changed successfully to \"" << name << "\"";
    }
}

QString ThemeProvider::themeFile()
{
    return theme().themeFileName;
}

QSvgRenderer* ThemeProvider::loadRenderer(const QString& name, bool reportMissing)
{
    const QString fileName = name + FILES_SUFFIX;
    const QString& zipPath = theme().themeFileName;
    if (zipPath.isEmpty())
        return namedRenderer(new QSvgRenderer(DefaultThemeFolder + u'/' + fileName), fileName, DefaultThemeFolder);

    // Files outside the required set are checked here, and every file again
    // in case the archive changed since the skin check.
    QByteArray bytes;
    if (Corvane::Utilities::Zip::Unzipper().loadBytes(zipPath, fileName, bytes)) {
        const QString problem = SkinFileCheck::svgProblem(bytes);
        if (problem.isEmpty())
            return namedRenderer(new QSvgRenderer(bytes), fileName, zipPath);
        Logger(Logger::Error) << Q_FUNC_INFO << " Refused svg file: \"" << fileName << "\" from zip file: \""
                              << zipPath << "\": it " << problem;
    } else {
        Logger(Logger::Error) << Q_FUNC_INFO << " Failed to read svg file: \"" << fileName << "\" "
                              << "from zip file: \"" << zipPath << "\"";
    }
    if (reportMissing)
        Logger(Logger::Error) << Q_FUNC_INFO << " No valid renderer generated for: \"" << fileName << "\"";
    return new QSvgRenderer();
}

QSvgRenderer* ThemeProvider::namedRenderer(QSvgRenderer* renderer, const QString& fileName, const QString& theme)
{
    renderer->setObjectName(QStringLiteral("%1 of %2").arg(fileName, theme));
    return renderer;
}

RendererContainer* ThemeProvider::getRendererFor(const QString& name)
{
    auto& renderers = theme().renderers;
    // The containers do not own their renderers: the theme frees them, at
    // the latest when the application object goes, while Qt is still there
    // to take the renderers' connections down.
    if (renderers.empty())
        qAddPostRoutine(&ThemeProvider::clear);
    auto it = renderers.find(name);
    if (it == renderers.end())
        it = renderers.emplace(name, std::make_unique<RendererContainer>([name] { return loadRenderer(name, true); }, name))
                 .first;
    return it->second.get();
}

void ThemeProvider::updateRenderers()
{
    // A renderer not loaded yet is read from the new theme when first used.
    for (auto& [name, container] : theme().renderers) {
        if (QSvgRenderer* old = container->loadedRenderer()) {
            container->setRenderer(loadRenderer(name, false));
            delete old;
        }
    }
}

void ThemeProvider::clear()
{
    qRemovePostRoutine(&ThemeProvider::clear);
    for (auto& entry : theme().renderers)
        delete entry.second->loadedRenderer();
    theme().renderers.clear();
    theme().settings.reset();
}

void ThemeProvider::sync()
{
    theme().settings.reset();
}

const ThemeSettings& ThemeProvider::settings()
{
    auto& settings = theme().settings;
    if (!settings) {
        QByteArray bytes;
        fileContentsToByteArray(THEME_INI_FILE, bytes);
        settings = std::make_unique<ThemeSettings>(bytes);
    }
    return *settings;
}

bool ThemeProvider::hasValue(const QString& key)
{
    return settings().contains(key);
}

QVariant ThemeProvider::getValue(const QString& key)
{
    return settings().value(key);
}

QString ThemeProvider::getText(const QString& key, const QString& defaultValue)
{
    return hasValue(key) ? getValue(key).toString() : defaultValue;
}

int ThemeProvider::getInt(const QString& key, int defaultValue)
{
    return hasValue(key) ? getValue(key).toInt() : defaultValue;
}

qreal ThemeProvider::getReal(const QString& key, qreal defaultValue)
{
    return hasValue(key) ? getValue(key).toDouble() : defaultValue;
}

qreal ThemeProvider::maxScale()
{
    return getReal(QStringLiteral("MAX_SCALE"), 3.0);
}

qreal ThemeProvider::minScale()
{
    return getReal(QStringLiteral("MIN_SCALE"), 0.5);
}

QColor ThemeProvider::getColor(const QString& key, const QColor& defaultValue)
{
    return hasValue(key) ? stringToColor(getValue(key).toString()) : defaultValue;
}

QColor ThemeProvider::stringToColor(const QString& text)
{
    bool ok = false;
    const uint argb = text.toUInt(&ok, 16);
    return QColor::fromRgba(ok ? argb : 0u);
}

QString ThemeProvider::getFontName()
{
    return getText(FONT_CONFIG_KEY, QFont().family());
}

bool ThemeProvider::getSpaceSeparatedValues(const QString& key, QStringList& values)
{
    if (!hasValue(key))
        return false;
    const QString text = getValue(key).toString();
    if (text.isEmpty())
        return false;
    values = text.split(u' ', Qt::KeepEmptyParts);
    return !values.isEmpty();
}

bool ThemeProvider::getGradientColorStops(const QString& key, QGradientStops& stops)
{
    QStringList parts;
    getSpaceSeparatedValues(key, parts);
    if (parts.size() < 2 || parts.size() % 2 != 0)
        return false;
    QGradientStops result;
    result.reserve(parts.size() / 2);
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        result.append({parts.at(i).toDouble(), stringToColor(parts.at(i + 1))});
    stops = result;
    return true;
}

void ThemeProvider::getColorMap(const QString& key, QMap<int, QColor>& colors)
{
    QStringList parts;
    getSpaceSeparatedValues(key, parts);
    if (parts.isEmpty())
        return;
    colors.clear();
    // A trailing integer without its colour is ignored.
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        colors.insert(parts.at(i).toInt(), stringToColor(parts.at(i + 1)));
}

bool ThemeProvider::fileContentsToByteArray(const QString& themeFile, const QString& fileName, QByteArray& bytes)
{
    if (!themeFile.isEmpty())
        return Corvane::Utilities::Zip::Unzipper().loadBytes(themeFile, fileName, bytes);

    QFile file(DefaultThemeFolder + u'/' + fileName);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    bytes = file.readAll();
    return true;
}

bool ThemeProvider::fileContentsToByteArray(const QString& fileName, QByteArray& bytes)
{
    return fileContentsToByteArray(theme().themeFileName, fileName, bytes);
}

bool ThemeProvider::fileContentsToString(const QString& fileName, QString& text)
{
    QByteArray bytes;
    const bool read = fileContentsToByteArray(fileName, bytes);
    QTextStream stream(bytes);
    text = stream.readAll();
    return read;
}

bool ThemeProvider::renderImage(QPixmap& pixmap, const QString& fileName)
{
    QByteArray bytes;
    return fileContentsToByteArray(fileName, bytes) && pixmap.loadFromData(bytes);
}

void ThemeProvider::renderElement(QPixmap& pixmap, const QString& rendererName, const QString& elementId)
{
    QSvgRenderer* renderer = getRendererFor(rendererName)->renderer();
    if (!elementId.isEmpty() && !renderer->elementExists(elementId)) {
        pixmap = QPixmap();
        return;
    }
    const QSize size = elementId.isEmpty() ? renderer->defaultSize()
                                           : renderer->boundsOnElement(elementId).size().toSize();
    // A skin's pictures are drawn at the size they declare, within the
    // limit of every rendered picture.
    pixmap = Utilities::PictureSize::render(size, Utilities::PictureSize::sourceOf(renderer), Qt::transparent,
                                            [&](QPainter& painter) {
                                                const QRectF whole(QPointF(0, 0), size);
                                                if (elementId.isEmpty())
                                                    renderer->render(&painter, whole);
                                                else
                                                    renderer->render(&painter, elementId, whole);
                                            });
}

std::unique_ptr<ThemeSettings> ThemeProvider::createThemeIniFile(const QString& zipPath)
{
    if (!zipPath.isEmpty() && !QFileInfo::exists(zipPath))
        return nullptr;
    QByteArray bytes;
    fileContentsToByteArray(zipPath, THEME_INI_FILE, bytes);
    return std::make_unique<ThemeSettings>(bytes);
}

} // namespace Corvane::Gadgets
