#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QStringList>

namespace Corvane::Gadgets {

// Decides whether one file of a skin is fit for use, by its contents.
//
// Skins are untrusted files: a skin document may read nothing outside the
// skin. An SVG document may refer only to itself ("#id") or to data it
// carries (data: URIs); a style sheet only to checked files of the skin
// (__theme_<file>) and the program's resources (":/..."). Bitmaps, whole or
// embedded, must be bitmaps (an SVG document in disguise would be rendered
// by Qt's image plugin, references and all) and stay within
// MAX_BITMAP_PIXELS. An SVG document stays within MAX_SVG_BYTES, which
// bounds the time and memory the renderer spends on it. The check runs
// before any renderer sees a document, so a reference to a device or a pipe
// is never opened.
class SkinFileCheck
{
    Q_DECLARE_TR_FUNCTIONS(Corvane::Gadgets::SkinFileCheck)

public:
    // The largest bitmap a skin may hold, whole or embedded in a document:
    // 32 MiB once decoded, enough for a 4K screen background.
    static constexpr qint64 MAX_BITMAP_PIXELS = 8 * 1024 * 1024;
    // The largest SVG document, whole or embedded: about 80 times the
    // largest drawing of the built-in themes. Qt's renderer takes some
    // 0.2 s and 50 MB to load one of this size.
    static constexpr qsizetype MAX_SVG_BYTES = 4 * 1024 * 1024;

    SkinFileCheck() = delete;

    // Why the file cannot be used, or an empty string when it can. The
    // kind of check follows the file name's extension; skinFiles are the
    // files a style sheet may name.
    static QString problemOf(const QString& fileName, const QByteArray& contents,
                             const QStringList& skinFiles = QStringList());

    static QString svgProblem(const QByteArray& contents);
    static QString styleSheetProblem(const QByteArray& contents, const QStringList& skinFiles);
    static QString bitmapProblem(const QByteArray& contents);

    // Whether an SVG reference stays inside its document.
    static bool isInsideReference(QStringView reference);
};

} // namespace Corvane::Gadgets
