#pragma once

#include <QMultiMap>
#include <QString>

namespace Corvane::Utilities {

// Program-wide start-up settings, read from the running program's ini file
// (PathProvider::iniFilePath()). Keys missing from the file keep their
// built-in defaults.
class InitSettings
{
public:
    InitSettings() = delete;

    static const QString DOMAIN_NAME_KEY;          // "domain_name"
    static const QString SOFTWARE_UPDATE_LINK_KEY; // "software_update_link"
    static const QString LOCALE_KEY;               // "locale"
    static const QString MAX_DESCRIPTION_CHARS_KEY; // "max_description_chars"
    static const QString SPLASH_IMAGE_FILE_KEY;    // "splash_image_file"
    static const QString LOGO_FILE_NAME_KEY;       // "logo_file_name"

    // Resets every value to its default, then reads the ini file.
    static void readSettings();

    // Internet domain of the maker, without scheme.
    static QString domainName();
    // Base URL (or local folder) of the update server; the Updater looks for
    // "<link>/<friendly name>/check.xml".
    static QString softwareUpdateLink();
    static QString locale();
    // Longest name, in characters, a user may give a device.
    static int maxDescriptionChars();
    // Picture of the splash screen and brand logo of the tool bar.
    static QString splashImageFile();
    static QString logoFileName();

    // Range of a window's scale when its gadget gives no size to derive one.
    static const double MIN_SCALE;
    static const double MAX_SCALE;
    // Smallest and largest on-screen size, in pixels, of the main gadget.
    static int gadgetMinWidth();
    static int gadgetMinHeight();
    static int gadgetMaxWidth();
    static int gadgetMaxHeight();
    // Scale a new favourite window opens at, as a fraction of its range
    // (times 100 gives the percent).
    static const double DEFAULT_FAVORITE_SCALE;
    // Smallest and largest on-screen size, in pixels, of a favourite's
    // centre button.
    static int favouriteMinWidth();
    static int favouriteMinHeight();
    static int favouriteMaxWidth();
    static int favouriteMaxHeight();
    // Range, in percent, that the user's transparency setting spans. The
    // maximum stays below 100: a fully transparent gadget would still take
    // clicks while nobody can see it.
    static int gadgetMinTransparency();
    static int gadgetMaxTransparency();
    // Project editor settings.
    static const QString MAX_DEVICES_PER_TYPE_KEY;      // "max_devices_per_type"
    static const QString BRAND_IMAGE_FILE_NAME_KEY;     // "brand_image_file_name"
    static const QString BACKGROUND_COLOR_KEY;          // "background_color"
    static const QString LIGHT_GRADIENT_COLOR_KEY;      // "light_gradient_color"
    static const QString DARK_GRADIENT_COLOR_KEY;       // "dark_gradient_color"
    static const QString BORDER_COLOR_KEY;              // "border_color"
    static const QString MENU_ITEM_SELECTED_COLOR_KEY;  // "menu_item_selected_color"
    static const QString SELECTION_LIGHT_GRADIENT_COLOR_KEY; // "selection_light_gradient_color"
    static const QString SELECTION_DARK_GRADIENT_COLOR_KEY;  // "selection_dark_gradient_color"
    static const QString LAST_OPENED_PATH_KEY;          // "last_opened_path"
    static const QString CONFIGURATOR_COLUMN_WIDTHS_KEY; // "configurator_column_widths"

    // Most devices of one family a project may hold over all its gateways.
    static int maxDevicesPerType();
    // Picture of the brand-site action.
    static QString brandImageFileName();
    // Colours of the editor's style sheets, each "red, green, blue, alpha"
    // as the style sheet function rgba() takes them; the ini file may leave
    // out the alpha (255). A value of another form keeps the brand default.
    static QString backgroundColor();
    static QString lightGradientColor();
    static QString darkGradientColor();
    static QString borderColor();
    static QString menuItemSelectedColor();
    static QString selectionLightGradientColor();
    static QString selectionDarkGradientColor();
    // Folder of the last opened or saved project; assigned in place.
    static QString& lastOpenedPath();
    // Device table column widths per page, assigned in place. values(page)
    // gives the widths newest first, as inserted.
    static QMultiMap<int, int>& configuratorColumnWidths();
    static void setLocale(const QString& locale);
    // Stores the values a program changes while it runs (locale, last
    // opened path, column widths) in the ini file; other keys stay as they
    // are. Returns false when the file could not be written.
    static bool writeSettings();
};

} // namespace Corvane::Utilities
