#include "charts/PngWriter.h"

#include <QtEndian>

#include <algorithm>
#include <array>
#include <cstring>

namespace Corvane::Charts {

namespace {

// The largest stored deflate block.
constexpr qsizetype STORED_BLOCK = 65535;

// CRC-32 of the PNG chunks, eight bytes at a time (slicing by 8).
using CrcTables = std::array<std::array<quint32, 256>, 8>;

const CrcTables& crcTables()
{
    static const CrcTables tables = [] {
        CrcTables values {};
        for (quint32 n = 0; n < 256; ++n) {
            quint32 c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            values[0][n] = c;
        }
        for (quint32 n = 0; n < 256; ++n) {
            for (size_t t = 1; t < 8; ++t)
                values[t][n] = (values[t - 1][n] >> 8) ^ values[0][values[t - 1][n] & 0xFF];
        }
        return values;
    }();
    return tables;
}

quint32 crc32(const char* data, qsizetype length)
{
    const CrcTables& t = crcTables();
    quint32 crc = 0xFFFFFFFFu;
    const auto* bytes = reinterpret_cast<const quint8*>(data);
    while (length >= 8) {
        const quint32 low = crc ^ (quint32(bytes[0]) | quint32(bytes[1]) << 8 | quint32(bytes[2]) << 16
                                   | quint32(bytes[3]) << 24);
        crc = t[7][low & 0xFF] ^ t[6][(low >> 8) & 0xFF] ^ t[5][(low >> 16) & 0xFF] ^ t[4][low >> 24]
            ^ t[3][bytes[4]] ^ t[2][bytes[5]] ^ t[1][bytes[6]] ^ t[0][bytes[7]];
        bytes += 8;
        length -= 8;
    }
    while (length-- > 0)
        crc = t[0][(crc ^ *bytes++) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

quint32 adler32(const quint8* data, qsizetype length)
{
    quint32 a = 1;
    quint32 b = 0;
    while (length > 0) {
        // 5552 bytes keep b below 2^32 before the modulo.
        const qsizetype run = std::min<qsizetype>(length, 5552);
        for (qsizetype i = 0; i < run; ++i) {
            a += data[i];
            b += a;
        }
        a %= 65521;
        b %= 65521;
        data += run;
        length -= run;
    }
    return (b << 16) | a;
}

char* putUInt32(char* out, quint32 value)
{
    qToBigEndian(value, out);
    return out + 4;
}

// Writes the length, type and data of a chunk (data already in place after
// the type when data is null) and its CRC; returns the end.
char* putChunk(char* out, const char type[4], const char* data, qsizetype length)
{
    out = putUInt32(out, quint32(length));
    char* start = out;
    std::memcpy(out, type, 4);
    out += 4;
    if (data)
        std::memcpy(out, data, size_t(length));
    out += length;
    return putUInt32(out, crc32(start, length + 4));
}

// One scan line as filter byte 0 and RGBA bytes, un-premultiplied.
void putRow(quint8* out, const QRgb* pixels, int width)
{
    *out++ = 0;
    for (int x = 0; x < width; ++x) {
        const QRgb pixel = qUnpremultiply(pixels[x]);
        *out++ = quint8(qRed(pixel));
        *out++ = quint8(qGreen(pixel));
        *out++ = quint8(qBlue(pixel));
        *out++ = quint8(qAlpha(pixel));
    }
}

} // namespace

QByteArray PngWriter::encode(const QImage& image)
{
    QByteArray png;
    encode(image, png);
    return png;
}

void PngWriter::encode(const QImage& source, QByteArray& png)
{
    png.resize(0);
    if (source.isNull())
        return;
    const QImage image = source.format() == QImage::Format_ARGB32_Premultiplied
        ? source
        : source.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int width = image.width();
    const int height = image.height();
    const qsizetype rowBytes = qsizetype(width) * 4 + 1;
    const qsizetype rawBytes = rowBytes * height;
    const qsizetype blocks = (rawBytes + STORED_BLOCK - 1) / STORED_BLOCK;
    const qsizetype idatBytes = 2 + blocks * 5 + rawBytes + 4;

    png.resize(8 + 25 + 12 + idatBytes + 12);
    char* out = png.data();
    std::memcpy(out, "\x89PNG\r\n\x1a\n", 8);
    out += 8;
    char header[13];
    putUInt32(header, quint32(width));
    putUInt32(header + 4, quint32(height));
    header[8] = 8;  // bits per channel
    header[9] = 6;  // RGBA
    header[10] = 0; // deflate
    header[11] = 0; // adaptive filtering (every row "none")
    header[12] = 0; // no interlace
    out = putChunk(out, "IHDR", header, 13);

    // IDAT: a zlib stream of stored blocks; the rows are written straight
    // into the blocks' payload, which the block headers then interrupt.
    char* idat = out + 8;
    char* zlib = idat;
    *zlib++ = 0x78;
    *zlib++ = 0x01;
    char* payload = zlib + blocks * 5;
    for (int y = 0; y < height; ++y)
        putRow(reinterpret_cast<quint8*>(payload + y * rowBytes), reinterpret_cast<const QRgb*>(image.constScanLine(y)),
               width);
    const quint32 adler = adler32(reinterpret_cast<const quint8*>(payload), rawBytes);
    for (qsizetype block = 0; block < blocks; ++block) {
        const qsizetype length = std::min(STORED_BLOCK, rawBytes - block * STORED_BLOCK);
        // Shift the payload of the blocks still ahead down to make room for
        // this block's header.
        char* blockStart = zlib + block * (STORED_BLOCK + 5);
        std::memmove(blockStart + 5, payload + block * STORED_BLOCK, size_t(length));
        blockStart[0] = block + 1 == blocks ? 1 : 0;
        qToLittleEndian(quint16(length), blockStart + 1);
        qToLittleEndian(quint16(~quint16(length)), blockStart + 3);
    }
    putUInt32(zlib + blocks * 5 + rawBytes, adler);
    out = putChunk(out, "IDAT", nullptr, idatBytes);
    out = putChunk(out, "IEND", nullptr, 0);
    png.resize(out - png.constData());
}

} // namespace Corvane::Charts
