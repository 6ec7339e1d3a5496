#pragma once

#include <QFont>
#include <QString>

namespace Corvane::Utilities {

// Font measuring helpers.
class FontUtilities
{
public:
    FontUtilities() = delete;

    // The largest pixel size at which text, drawn in font, is no higher than
    // height; 0 when not even a 1-pixel font fits.
    static int heightToPixelSize(const QFont& font, qreal height, const QString& text);
};

} // namespace Corvane::Utilities
