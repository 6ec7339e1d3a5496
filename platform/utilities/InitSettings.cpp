#include "utilities/InitSettings.h"

#include "utilities/Localization/LanguageSettings.h"
#include "utilities/PathProvider.h"

#include <QSettings>

namespace Corvane::Utilities {

const QString InitSettings::DOMAIN_NAME_KEY = QStringLiteral("domain_name");
const QString InitSettings::SOFTWARE_UPDATE_LINK_KEY = QStringLiteral("software_update_link");
const QString InitSettings::LOCALE_KEY = QStringLiteral("locale");
const QString InitSettings::MAX_DESCRIPTION_CHARS_KEY = QStringLiteral("max_description_chars");
const QString InitSettings::SPLASH_IMAGE_FILE_KEY = QStringLiteral("splash_image_file");
const QString InitSettings::LOGO_FILE_NAME_KEY = QStringLiteral("logo_file_name");

const QString InitSettings::MAX_DEVICES_PER_TYPE_KEY = QStringLiteral("max_devices_per_type");
const QString InitSettings::BRAND_IMAGE_FILE_NAME_KEY = QStringLiteral("brand_image_file_name");
const QString InitSettings::BACKGROUND_COLOR_KEY = QStringLiteral("background_color");
const QString InitSettings::LIGHT_GRADIENT_COLOR_KEY = QStringLiteral("light_gradient_color");
const QString InitSettings::DARK_GRADIENT_COLOR_KEY = QStringLiteral("dark_gradient_color");
const QString InitSettings::BORDER_COLOR_KEY = QStringLiteral("border_color");
const QString InitSettings::MENU_ITEM_SELECTED_COLOR_KEY = QStringLiteral("menu_item_selected_color");
const QString InitSettings::SELECTION_LIGHT_GRADIENT_COLOR_KEY = QStringLiteral("selection_light_gradient_color");
const QString InitSettings::SELECTION_DARK_GRADIENT_COLOR_KEY = QStringLiteral("selection_dark_gradient_color");
const QString InitSettings::LAST_OPENED_PATH_KEY = QStringLiteral("last_opened_path");
const QString InitSettings::CONFIGURATOR_COLUMN_WIDTHS_KEY = QStringLiteral("configurator_column_widths");

namespace {

// The project editor's values; the colours are the brand palette.
struct EditorValues
{
    int maxDevicesPerType = 500;
    QString brandImageFileName = PathProvider::dataPath() + QStringLiteral("/images/brand.png");
    QString backgroundColor = QStringLiteral("236, 238, 241, 255");
    QString lightGradientColor = QStringLiteral("252, 252, 253, 255");
    QString darkGradientColor = QStringLiteral("214, 219, 226, 255");
    QString borderColor = QStringLiteral("150, 158, 170, 255");
    QString menuItemSelectedColor = QStringLiteral("250, 212, 190, 255");
    QString selectionLightGradientColor = QStringLiteral("240, 142, 92, 255");
    QString selectionDarkGradientColor = QStringLiteral("221, 101, 47, 255");
    QString lastOpenedPath;
    QMultiMap<int, int> columnWidths;
};

struct Values
{
    QString domainName = QStringLiteral("www.talvera.example");
    QString softwareUpdateLink = QStringLiteral("https://updates.talvera.example/linux");
    QString locale = Localization::LanguageSettings::DEFAULT_LOCALE;
    int maxDescriptionChars = 40;
    QString splashImageFile = PathProvider::dataPath() + QStringLiteral("/images/splash.png");
    QString logoFileName = PathProvider::dataPath() + QStringLiteral("/images/logo.png");
    EditorValues editor;
};

Values& values()
{
    static Values v;
    return v;
}

QString readString(const QSettings& settings, const QString& key, const QString& fallback)
{
    const QString value = settings.value(key).toString().trimmed();
    return value.isEmpty() ? fallback : value;
}

int readPositiveInt(const QSettings& settings, const QString& key, int fallback)
{
    bool ok = false;
    const int value = settings.value(key).toInt(&ok);
    return ok && value > 0 ? value : fallback;
}

// "r, g, b" or "r, g, b, a" with every value in 0..255; handed out with
// the alpha, which Qt's style sheets need in rgba().
QString readColor(const QSettings& settings, const QString& key, const QString& fallback)
{
    const QStringList parts = settings.value(key).toString().split(u',');
    if (parts.size() != 3 && parts.size() != 4)
        return fallback;
    QStringList values;
    for (const QString& part : parts) {
        bool ok = false;
        const int value = part.trimmed().toInt(&ok);
        if (!ok || value < 0 || value > 255)
            return fallback;
        values.append(QString::number(value));
    }
    if (values.size() == 3)
        values.append(QStringLiteral("255"));
    return values.join(QStringLiteral(", "));
}

// Entries "page:width" in the map's iteration order (per page newest
// first); read back in reverse so that insertion restores that order.
QString columnWidthsToString(const QMultiMap<int, int>& widths)
{
    QStringList entries;
    for (auto it = widths.cbegin(); it != widths.cend(); ++it)
        entries.append(QStringLiteral("%1:%2").arg(it.key()).arg(it.value()));
    return entries.join(u' ');
}

QMultiMap<int, int> columnWidthsFromString(const QString& text)
{
    QMultiMap<int, int> widths;
    const QStringList entries = text.split(u' ', Qt::SkipEmptyParts);
    for (auto it = entries.crbegin(); it != entries.crend(); ++it) {
        const QStringList pair = it->split(u':');
        bool keyOk = false;
        bool widthOk = false;
        const int key = pair.value(0).toInt(&keyOk);
        const int width = pair.value(1).toInt(&widthOk);
        if (pair.size() == 2 && keyOk && widthOk && width > 0)
            widths.insert(key, width);
    }
    return widths;
}

void readEditorValues(const QSettings& settings, EditorValues& current)
{
    const EditorValues defaults;
    current.maxDevicesPerType = readPositiveInt(settings, InitSettings::MAX_DEVICES_PER_TYPE_KEY, defaults.maxDevicesPerType);
    current.brandImageFileName = readString(settings, InitSettings::BRAND_IMAGE_FILE_NAME_KEY, defaults.brandImageFileName);
    current.backgroundColor = readColor(settings, InitSettings::BACKGROUND_COLOR_KEY, defaults.backgroundColor);
    current.lightGradientColor = readColor(settings, InitSettings::LIGHT_GRADIENT_COLOR_KEY, defaults.lightGradientColor);
    current.darkGradientColor = readColor(settings, InitSettings::DARK_GRADIENT_COLOR_KEY, defaults.darkGradientColor);
    current.borderColor = readColor(settings, InitSettings::BORDER_COLOR_KEY, defaults.borderColor);
    current.menuItemSelectedColor = readColor(settings, InitSettings::MENU_ITEM_SELECTED_COLOR_KEY, defaults.menuItemSelectedColor);
    current.selectionLightGradientColor =
        readColor(settings, InitSettings::SELECTION_LIGHT_GRADIENT_COLOR_KEY, defaults.selectionLightGradientColor);
    current.selectionDarkGradientColor =
        readColor(settings, InitSettings::SELECTION_DARK_GRADIENT_COLOR_KEY, defaults.selectionDarkGradientColor);
    current.lastOpenedPath = settings.value(InitSettings::LAST_OPENED_PATH_KEY).toString().trimmed();
    current.columnWidths = columnWidthsFromString(settings.value(InitSettings::CONFIGURATOR_COLUMN_WIDTHS_KEY).toString());
}

} // namespace

void InitSettings::readSettings()
{
    const Values defaults;
    const QSettings settings(PathProvider::iniFilePath(), QSettings::IniFormat);
    Values& current = values();
    current.domainName = readString(settings, DOMAIN_NAME_KEY, defaults.domainName);
    current.softwareUpdateLink = readString(settings, SOFTWARE_UPDATE_LINK_KEY, defaults.softwareUpdateLink);
    current.locale = readString(settings, LOCALE_KEY, defaults.locale);
    current.maxDescriptionChars = readPositiveInt(settings, MAX_DESCRIPTION_CHARS_KEY, defaults.maxDescriptionChars);
    current.splashImageFile = readString(settings, SPLASH_IMAGE_FILE_KEY, defaults.splashImageFile);
    current.logoFileName = readString(settings, LOGO_FILE_NAME_KEY, defaults.logoFileName);
    readEditorValues(settings, current.editor);
}

QString InitSettings::domainName()
{
    return values().domainName;
}

QString InitSettings::softwareUpdateLink()
{
    return values().softwareUpdateLink;
}

QString InitSettings::locale()
{
    return values().locale;
}

int InitSettings::maxDescriptionChars()
{
    return values().maxDescriptionChars;
}

QString InitSettings::splashImageFile()
{
    return values().splashImageFile;
}

QString InitSettings::logoFileName()
{
    return values().logoFileName;
}

const double InitSettings::MIN_SCALE = 0.5;
const double InitSettings::MAX_SCALE = 1.5;

int InitSettings::gadgetMinWidth()
{
    return 150;
}

int InitSettings::gadgetMinHeight()
{
    return 150;
}

int InitSettings::gadgetMaxWidth()
{
    return 450;
}

int InitSettings::gadgetMaxHeight()
{
    return 450;
}

const double InitSettings::DEFAULT_FAVORITE_SCALE = 0.5;

int InitSettings::favouriteMinWidth()
{
    return 40;
}

int InitSettings::favouriteMinHeight()
{
    return 40;
}

int InitSettings::favouriteMaxWidth()
{
    return 160;
}

int InitSettings::favouriteMaxHeight()
{
    return 160;
}

int InitSettings::gadgetMinTransparency()
{
    return 0;
}

int InitSettings::gadgetMaxTransparency()
{
    return 80;
}

int InitSettings::maxDevicesPerType()
{
    return values().editor.maxDevicesPerType;
}

QString InitSettings::brandImageFileName()
{
    return values().editor.brandImageFileName;
}

QString InitSettings::backgroundColor()
{
    return values().editor.backgroundColor;
}

QString InitSettings::lightGradientColor()
{
    return values().editor.lightGradientColor;
}

QString InitSettings::darkGradientColor()
{
    return values().editor.darkGradientColor;
}

QString InitSettings::borderColor()
{
    return values().editor.borderColor;
}

QString InitSettings::menuItemSelectedColor()
{
    return values().editor.menuItemSelectedColor;
}

QString InitSettings::selectionLightGradientColor()
{
    return values().editor.selectionLightGradientColor;
}

QString InitSettings::selectionDarkGradientColor()
{
    return values().editor.selectionDarkGradientColor;
}

QString& InitSettings::lastOpenedPath()
{
    return values().editor.lastOpenedPath;
}

QMultiMap<int, int>& InitSettings::configuratorColumnWidths()
{
    return values().editor.columnWidths;
}

void InitSettings::setLocale(const QString& locale)
{
    values().locale = locale;
}

bool InitSettings::writeSettings()
{
    QSettings settings(PathProvider::iniFilePath(), QSettings::IniFormat);
    const Values& current = values();
    settings.setValue(LOCALE_KEY, current.locale);
    settings.setValue(LAST_OPENED_PATH_KEY, current.editor.lastOpenedPath);
    settings.setValue(CONFIGURATOR_COLUMN_WIDTHS_KEY, columnWidthsToString(current.editor.columnWidths));
    settings.sync();
    return settings.status() == QSettings::NoError;
}

} // namespace Corvane::Utilities
