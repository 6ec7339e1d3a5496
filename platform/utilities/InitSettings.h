#pragma once

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
    // Range, in percent, that the user's transparency setting spans. The
    // maximum stays below 100: a fully transparent gadget would still take
    // clicks while nobody can see it.
    static int gadgetMinTransparency();
    static int gadgetMaxTransparency();
};

} // namespace Corvane::Utilities
