#pragma once

#include "theme/TextContrast.h"
#include "theme/ThemeProvider.h"
#include "theme/ThemeSettings.h"

#include <QFile>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>

#include <algorithm>

// Reads the colours a built-in theme draws its texts in and renders the
// grounds they are drawn on, so that a test can measure their contrast.
namespace ThemeLegibility {

// Pixels per document unit of a rendered ground: enough to catch thin rims.
constexpr qreal GROUND_RESOLUTION = 2.0;

inline QString readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

inline QColor opaqueOver(const QColor& colour, const QColor& ground)
{
    const qreal a = colour.alphaF();
    return QColor::fromRgbF(float(colour.redF() * a + ground.redF() * (1 - a)),
                            float(colour.greenF() * a + ground.greenF() * (1 - a)),
                            float(colour.blueF() * a + ground.blueF() * (1 - a)));
}

// The mean colour of an image, its translucent pixels laid over backdrop.
inline QColor meanColour(const QImage& image, const QColor& backdrop)
{
    QImage flat(image.size(), QImage::Format_RGB32);
    flat.fill(backdrop);
    QPainter painter(&flat);
    painter.drawImage(0, 0, image);
    painter.end();
    double red = 0, green = 0, blue = 0;
    for (int y = 0; y < flat.height(); ++y) {
        for (int x = 0; x < flat.width(); ++x) {
            const QRgb pixel = flat.pixel(x, y);
            red += qRed(pixel);
            green += qGreen(pixel);
            blue += qBlue(pixel);
        }
    }
    const double count = std::max(1, flat.width() * flat.height());
    return QColor(qRound(red / count), qRound(green / count), qRound(blue / count));
}

inline QRectF documentBounds(QSvgRenderer& svg, const QString& id)
{
    if (id.isEmpty())
        return svg.viewBoxF();
    return svg.transformForElement(id).mapRect(svg.boundsOnElement(id));
}

// The mean colour under box (an element's rectangle; empty: the whole
// document) when the elements are drawn in order at their places in the
// document, as the controls lay them out; an empty id draws the whole
// document. What they leave uncovered shows backdrop.
inline QColor renderedGround(const QString& svgFile, const QStringList& elements, const QString& box,
                             const QColor& backdrop)
{
    QSvgRenderer svg(svgFile);
    if (!svg.isValid())
        return QColor();
    const QRectF area = documentBounds(svg, box);
    QImage image((area.size() * GROUND_RESOLUTION).toSize().expandedTo(QSize(1, 1)),
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.scale(GROUND_RESOLUTION, GROUND_RESOLUTION);
    painter.translate(-area.topLeft());
    for (const QString& element : elements) {
        if (element.isEmpty())
            svg.render(&painter, svg.viewBoxF());
        else
            svg.render(&painter, element, documentBounds(svg, element));
    }
    painter.end();
    return meanColour(image, backdrop);
}

// The stops of a theme.ini value that is a colour or a gradient.
inline QList<QColor> themeColours(const Corvane::Gadgets::ThemeSettings& ini, const QString& key)
{
    const QStringList parts = ini.value(key).toString().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QList<QColor> colours;
    if (parts.size() == 1)
        colours << Corvane::Gadgets::ThemeProvider::stringToColor(parts.first());
    for (int i = 1; i < parts.size(); i += 2)
        colours << Corvane::Gadgets::ThemeProvider::stringToColor(parts.at(i));
    return colours;
}

// The mean colour of a theme.ini colour, or of a gradient drawn from its
// first to its last stop.
inline QColor themeGround(const Corvane::Gadgets::ThemeSettings& ini, const QString& key)
{
    const QStringList parts = ini.value(key).toString().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (parts.size() == 1)
        return Corvane::Gadgets::ThemeProvider::stringToColor(parts.first());
    QGradientStops stops;
    for (int i = 0; i + 1 < parts.size(); i += 2)
        stops << QGradientStop(parts.at(i).toDouble(), Corvane::Gadgets::ThemeProvider::stringToColor(parts.at(i + 1)));
    QImage image(1, 256, QImage::Format_ARGB32_Premultiplied);
    QLinearGradient gradient(0, 0, 0, image.height());
    gradient.setStops(stops);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.fillRect(image.rect(), gradient);
    painter.end();
    return meanColour(image, Qt::black);
}

// A style sheet colour: a name, "#rrggbb", "rgb(...)", "rgba(...)" or a
// qlineargradient (its mean colour over its stops).
inline QColor styleSheetColour(const QString& value)
{
    static const QRegularExpression function(QStringLiteral(R"(^rgba?\(([^)]*)\)$)"));
    static const QRegularExpression stop(
        QStringLiteral(R"(stop:\s*([0-9.]+)\s+(#[0-9a-fA-F]+|rgba?\([^)]*\)|[a-zA-Z]+))"));
    const QString text = value.trimmed();
    if (text.startsWith(QLatin1String("qlineargradient"))) {
        QGradientStops stops;
        for (auto it = stop.globalMatch(text); it.hasNext();) {
            const QRegularExpressionMatch match = it.next();
            stops << QGradientStop(match.captured(1).toDouble(), styleSheetColour(match.captured(2)));
        }
        // The mean of a piecewise linear ramp: each stretch counts with its length.
        double red = 0, green = 0, blue = 0, alpha = 0;
        for (int i = 0; i < stops.size(); ++i) {
            const qreal from = i == 0 ? 0.0 : (stops.at(i - 1).first + stops.at(i).first) / 2;
            const qreal to = i + 1 == stops.size() ? 1.0 : (stops.at(i).first + stops.at(i + 1).first) / 2;
            const QColor colour = stops.at(i).second;
            red += colour.redF() * (to - from);
            green += colour.greenF() * (to - from);
            blue += colour.blueF() * (to - from);
            alpha += colour.alphaF() * (to - from);
        }
        return QColor::fromRgbF(float(red), float(green), float(blue), float(alpha));
    }
    const QRegularExpressionMatch match = function.match(text);
    if (match.hasMatch()) {
        const QStringList channels = match.captured(1).split(QLatin1Char(','));
        QColor colour(channels.value(0).trimmed().toInt(), channels.value(1).trimmed().toInt(),
                      channels.value(2).trimmed().toInt());
        if (channels.size() == 4)
            colour.setAlpha(channels.at(3).trimmed().toInt());
        return colour;
    }
    return QColor(text);
}

// The value of property in the last rule of a style sheet whose selector
// list names selector; null when no rule sets it.
inline QString styleSheetProperty(const QString& styleSheet, const QString& selector, const QString& property)
{
    static const QRegularExpression rule(QStringLiteral(R"(([^{}]+)\{([^{}]*)\})"));
    static const QRegularExpression space(QStringLiteral(R"(\s+)"));
    const QRegularExpression declaration(QStringLiteral(R"((?:^|[;\s])%1\s*:\s*([^;]+);)")
                                             .arg(QRegularExpression::escape(property)));
    QString value;
    for (auto it = rule.globalMatch(styleSheet); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        QStringList selectors = match.captured(1).split(QLatin1Char(','));
        for (QString& name : selectors)
            name = name.simplified().replace(space, QStringLiteral(" "));
        if (!selectors.contains(selector))
            continue;
        const QRegularExpressionMatch found = declaration.match(match.captured(2));
        if (found.hasMatch())
            value = found.captured(1).simplified();
    }
    return value;
}

// The least contrast of a text colour against grounds (a translucent text
// laid over each ground first).
inline qreal leastContrast(const QColor& text, const QList<QColor>& grounds)
{
    qreal least = 21.0;
    for (const QColor& ground : grounds)
        least = std::min(least, Corvane::Gadgets::TextContrast::contrastRatio(opaqueOver(text, ground), ground));
    return least;
}

} // namespace ThemeLegibility
