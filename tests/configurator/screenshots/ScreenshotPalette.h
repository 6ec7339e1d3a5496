#pragma once

#include "utilities/InitSettings.h"

#include <QSettings>
#include <QString>
#include <QTemporaryDir>

namespace ScreenshotPalette {

// Gives the editor the brand palette named "talvera" (its defaults) or
// "corvane" through the settings file in config, and reads the settings.
inline void use(const QString& palette, const QTemporaryDir& config)
{
    if (palette == QStringLiteral("corvane")) {
        QSettings ini(config.filePath("VantrelConfig.ini"), QSettings::IniFormat);
        ini.setValue("background_color", "228, 234, 240");
        ini.setValue("light_gradient_color", "246, 249, 252");
        ini.setValue("dark_gradient_color", "200, 212, 224");
        ini.setValue("border_color", "120, 140, 160");
        ini.setValue("menu_item_selected_color", "252, 214, 188");
        ini.setValue("selection_light_gradient_color", "248, 150, 90");
        ini.setValue("selection_dark_gradient_color", "242, 110, 32");
    }
    Corvane::Utilities::InitSettings::readSettings();
}

} // namespace ScreenshotPalette
