#include "theme/SkinFileCheck.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImage>
#include <QImageReader>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QXmlStreamReader>

namespace Corvane::Gadgets {

namespace {

// A reference as it is shown in a reason: long data is cut.
QString shown(QStringView reference)
{
    constexpr qsizetype MaxShown = 80;
    return reference.size() > MaxShown ? reference.left(MaxShown).toString() + QStringLiteral("...")
                                       : reference.toString();
}

QString pictureSizeProblem(const QSize& size)
{
    if (qint64(size.width()) * size.height() <= SkinFileCheck::MAX_BITMAP_PIXELS)
        return QString();
    return SkinFileCheck::tr("holds a %1 x %2 pixel picture, more than the %3 pixels a picture may have")
        .arg(size.width())
        .arg(size.height())
        .arg(SkinFileCheck::MAX_BITMAP_PIXELS);
}

bool isSvgFormat(const QByteArray& format)
{
    return format == "svg" || format == "svgz";
}

// The format of a picture as Qt's image plugins see it; they only peek at
// the first bytes for this.
QByteArray pictureFormat(QByteArray& bytes)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return QImageReader::imageFormat(&buffer);
}

QSize declaredSize(QByteArray& bytes, const QByteArray& format)
{
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer, format);
    return reader.size();
}

// Qt's SVG renderer decodes an image given as base64 data with Qt's image
// plugins, an SVG document among them: such a document is checked like
// the skin's own; a bitmap only for the size it declares.
QString embeddedImageProblem(QStringView dataUri)
{
    const qsizetype base64 = dataUri.lastIndexOf(u"base64,");
    if (base64 < 0)
        return QString();
    QByteArray bytes = QByteArray::fromBase64(dataUri.mid(base64 + 7).toLatin1());
    const QByteArray format = pictureFormat(bytes);
    if (format == "svgz")
        return SkinFileCheck::tr("embeds a compressed SVG document");
    if (format == "svg")
        return SkinFileCheck::svgProblem(bytes);
    if (format.isEmpty())
        return QString();
    const QSize size = declaredSize(bytes, format);
    return size.isValid() ? pictureSizeProblem(size) : QString();
}

QString referenceProblem(QStringView reference)
{
    const QStringView trimmed = reference.trimmed();
    if (!SkinFileCheck::isInsideReference(trimmed))
        return SkinFileCheck::tr("refers to \"%1\" outside the skin").arg(shown(trimmed));
    return trimmed.startsWith(u"data:", Qt::CaseInsensitive) ? embeddedImageProblem(trimmed) : QString();
}

QString elementProblem(const QXmlStreamReader& xml)
{
    for (const QXmlStreamAttribute& attribute : xml.attributes()) {
        if (attribute.name() == u"href") {
            const QString problem = referenceProblem(attribute.value());
            if (!problem.isEmpty())
                return problem;
        }
    }
    return QString();
}

QString declarationProblem(const QXmlStreamReader& xml)
{
    for (const QXmlStreamEntityDeclaration& entity : xml.entityDeclarations()) {
        if (!entity.systemId().isEmpty() || !entity.publicId().isEmpty())
            return SkinFileCheck::tr("declares the external entity \"%1\"").arg(entity.name());
    }
    return QString();
}

} // namespace

bool SkinFileCheck::isInsideReference(QStringView reference)
{
    return reference.startsWith(u'#') || reference.startsWith(u"data:", Qt::CaseInsensitive);
}

QString SkinFileCheck::problemOf(const QString& fileName, const QByteArray& contents, const QStringList& skinFiles)
{
    if (fileName.endsWith(u".svg", Qt::CaseInsensitive))
        return svgProblem(contents);
    if (fileName.endsWith(u".qss", Qt::CaseInsensitive))
        return styleSheetProblem(contents, skinFiles);
    if (fileName.endsWith(u".png", Qt::CaseInsensitive))
        return bitmapProblem(contents);
    return QString();
}

QString SkinFileCheck::svgProblem(const QByteArray& contents)
{
    if (contents.size() > MAX_SVG_BYTES)
        return tr("holds %1 bytes, more than the %2 bytes an SVG document may have")
            .arg(contents.size())
            .arg(MAX_SVG_BYTES);
    QXmlStreamReader xml(contents);
    bool hasRoot = false;
    while (!xml.atEnd()) {
        QString problem;
        switch (xml.readNext()) {
        case QXmlStreamReader::StartElement:
            if (!hasRoot && xml.name() != u"svg")
                return tr("is not an SVG document (its root element is <%1>)").arg(xml.name());
            hasRoot = true;
            problem = elementProblem(xml);
            break;
        case QXmlStreamReader::DTD:
            problem = declarationProblem(xml);
            break;
        case QXmlStreamReader::ProcessingInstruction:
            // Qt's SVG renderer would load the style sheet such an
            // instruction names from the local disk.
            if (xml.processingInstructionTarget() == u"xml-stylesheet")
                problem = tr("links a style sheet outside the document");
            break;
        default:
            break;
        }
        if (!problem.isEmpty())
            return problem;
    }
    if (xml.hasError())
        return tr("is not a well-formed SVG document (line %1: %2)").arg(xml.lineNumber()).arg(xml.errorString());
    if (!hasRoot)
        return tr("is not an SVG document");
    return QString();
}

QString SkinFileCheck::styleSheetProblem(const QByteArray& contents, const QStringList& skinFiles)
{
    static const QString themePrefix = QStringLiteral("__theme_");
    static const QRegularExpression url(QStringLiteral("url\\(\\s*([\"']?)([^\"')]*)\\1\\s*\\)"),
                                        QRegularExpression::CaseInsensitiveOption);
    QStringDecoder decode(QStringDecoder::Utf8);
    const QString text = decode(contents);
    if (decode.hasError())
        return tr("is not UTF-8 text");
    for (auto it = url.globalMatch(text); it.hasNext();) {
        const QString target = it.next().captured(2).trimmed();
        if (target.startsWith(u":/"))
            continue;
        if (!target.startsWith(themePrefix, Qt::CaseInsensitive))
            return tr("refers to \"%1\" outside the skin").arg(shown(target));
        // Only checked files: any other member could be a document that the
        // style sheet's image loader would render unchecked.
        if (!skinFiles.contains(target.mid(themePrefix.size())))
            return tr("refers to \"%1\", which is not a file of the skin").arg(shown(target));
    }
    return QString();
}

QString SkinFileCheck::bitmapProblem(const QByteArray& contents)
{
    QByteArray bytes = contents;
    const QByteArray format = pictureFormat(bytes);
    if (format.isEmpty())
        return tr("is not a picture");
    if (isSvgFormat(format))
        return tr("is an SVG document, not a bitmap");
    const QString tooLarge = pictureSizeProblem(declaredSize(bytes, format));
    if (!tooLarge.isEmpty())
        return tooLarge;
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer, format);
    if (reader.read().isNull())
        return tr("is not a readable picture (%1)").arg(reader.errorString());
    return QString();
}

} // namespace Corvane::Gadgets
