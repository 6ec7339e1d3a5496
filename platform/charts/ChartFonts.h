#pragma once

#include <QFont>
#include <QString>

namespace Corvane::Charts {

// Turns the font names of the chart calls into fonts. A font name is a list
// of font files separated by ";" (the first for Latin text, the others for
// further scripts); each file that exists is loaded once into the
// application's font database, and the font uses the families of the loaded
// files in order. Without any loadable file the application font serves.
class ChartFonts
{
public:
    ChartFonts() = delete;

    // The font of that name at a point size (sizes below 1 or not finite
    // become 1).
    static QFont font(const QString& fontName, double pointSize);
    // The families the name resolves to; empty when no file loads.
    static QStringList families(const QString& fontName);
};

} // namespace Corvane::Charts
