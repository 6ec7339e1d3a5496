#pragma once

#include <QFont>
#include <QString>

namespace Corvane::Utilities {

class FontUtilities
{
public:
    FontUtilities() = delete;

    // The largest pixel size at which text, set in font, is no taller than
    // height; 0 when no size fits.
    static int heightToPixelSize(const QFont& font, double height, const QString& text);
};

} // namespace Corvane::Utilities
