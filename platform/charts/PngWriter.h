#pragma once

#include <QByteArray>
#include <QImage>

namespace Corvane::Charts {

// Encodes an image as PNG (8-bit RGBA, no interlace) without compression
// (stored deflate blocks) and without row filters: charts are encoded at
// every animation frame and decoded at once, so speed counts, not size.
class PngWriter
{
public:
    PngWriter() = delete;

    static QByteArray encode(const QImage& image);
    // Encodes into out, reusing its memory when it is large enough.
    static void encode(const QImage& image, QByteArray& out);
};

} // namespace Corvane::Charts
