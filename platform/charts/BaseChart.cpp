#include "charts/BaseChart.h"

#include "charts/BandFill.h"
#include "charts/PngWriter.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace Corvane::Charts {

namespace {

// Charts are drawn anew for every frame of an animation; keeping the big
// buffers between charts spares the system a fresh allocation (and its
// page faults) per frame. GUI thread only, like the charts.
QImage& scratchImage(const QSize& size)
{
    static QImage image;
    if (image.size() != size || !image.isDetached())
        image = QImage(size, QImage::Format_ARGB32_Premultiplied);
    return image;
}

QByteArray& spareEncodeBuffer()
{
    static QByteArray buffer;
    return buffer;
}

QString escapedAttribute(QString text)
{
    return text.replace(QLatin1Char('&'), QLatin1String("&amp;")).replace(QLatin1Char('"'), QLatin1String("&quot;"));
}

} // namespace

BaseChart::BaseChart(int width, int height)
    : m_width(std::clamp(width, 0, 16384))
    , m_height(std::clamp(height, 0, 16384))
    , m_drawArea(m_width, m_height)
{
}

BaseChart::~BaseChart()
{
    if (m_encoded.capacity() > spareEncodeBuffer().capacity())
        spareEncodeBuffer() = std::move(m_encoded);
}

void BaseChart::setBackground(int colour, int edgeColour, int)
{
    m_background = colour;
    m_edge = edgeColour;
    m_drawArea.setBgColor(colour);
}

void BaseChart::setDropShadow(int colour, int offsetX, int offsetY, int)
{
    m_shadowColour = colour;
    m_shadowOffsetX = std::clamp(offsetX, 0, std::max(0, m_width / 4));
    m_shadowOffsetY = offsetY == 0x7FFFFFFF ? m_shadowOffsetX : std::clamp(offsetY, 0, std::max(0, m_height / 4));
}

void BaseChart::setTransparentColor(int colour)
{
    m_transparentColour = colour;
}

void BaseChart::setRoundedFrame(int colour, int r1, int, int, int)
{
    m_frameColour = colour;
    m_frameRadius = std::max(0, r1);
}

void BaseChart::setAntiAlias(bool shapeAntiAlias, int textAntiAlias)
{
    m_shapeAntiAlias = shapeAntiAlias;
    m_textAntiAlias = textAntiAlias;
}

void BaseChart::setDefaultFonts(const char* normal, const char*, const char*, const char*)
{
    m_defaultFont = QString::fromUtf8(normal ? normal : "");
}

TextBox* BaseChart::addTitle(const char* text, const char* fontName, double fontSize, int fontColour, int bgColour,
                             int edgeColour)
{
    auto title = std::make_unique<TextBox>(QString::fromUtf8(text ? text : ""),
                                           QString::fromUtf8(fontName ? fontName : ""), fontSize, fontColour);
    title->setBackground(bgColour, edgeColour);
    m_titles.push_back(std::move(title));
    return m_titles.back().get();
}

Line* BaseChart::addLine(int x1, int y1, int x2, int y2, int colour, int lineWidth)
{
    m_lines.push_back(std::make_unique<Line>(x1, y1, x2, y2, colour, lineWidth));
    return m_lines.back().get();
}

int BaseChart::linearGradientColor(int x0, int y0, int x1, int y1, const int* stops, int count, bool periodic)
{
    return m_drawArea.linearGradientColor(x0, y0, x1, y1, stops, count, periodic);
}

void BaseChart::layout()
{
    for (const auto& title : m_titles) {
        if (title->fontName().isEmpty())
            title->setFontStyle(m_defaultFont.toUtf8().constData());
    }
    m_laidOut = true;
}

QImage BaseChart::makeImage()
{
    QImage image(std::max(1, m_width), std::max(1, m_height), QImage::Format_ARGB32_Premultiplied);
    paintInto(image);
    return image;
}

void BaseChart::paintInto(QImage& image)
{
    if (!m_laidOut)
        layout();
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setClipRect(image.rect());
    painter.setRenderHint(QPainter::Antialiasing, m_shapeAntiAlias);
    painter.setRenderHint(QPainter::TextAntialiasing, m_textAntiAlias != 0);
    paintBackground(painter);
    paintContent(painter);
    for (const auto& line : m_lines) {
        if (m_drawArea.isVisible(line->color())) {
            painter.setPen(QPen(m_drawArea.brush(line->color()), line->width(), Qt::SolidLine, Qt::FlatCap));
            painter.drawLine(line->line());
        }
    }
    m_drawArea.paintShapes(painter);
    if (m_dynamicLayer)
        m_dynamicLayer->paintShapes(painter);
    paintRoundedFrame(painter);
    painter.end();
    applyTransparentColor(image);
}

MemBlock BaseChart::makeChart(int format)
{
    if (m_encoded.capacity() == 0)
        m_encoded = std::move(spareEncodeBuffer());
    m_encoded.resize(0);
    if (format != PNG)
        return MemBlock();
    QImage& image = scratchImage(QSize(std::max(1, m_width), std::max(1, m_height)));
    paintInto(image);
    PngWriter::encode(image, m_encoded);
    return MemBlock { m_encoded.constData(), int(m_encoded.size()) };
}

DrawArea* BaseChart::makeChart3()
{
    if (!m_laidOut)
        layout();
    return &m_drawArea;
}

DrawArea* BaseChart::initDynamicLayer()
{
    if (m_dynamicLayer)
        m_dynamicLayer->clear();
    else
        m_dynamicLayer = std::make_unique<DrawArea>(m_width, m_height);
    return m_dynamicLayer.get();
}

void BaseChart::removeDynamicLayer()
{
    m_dynamicLayer.reset();
}

QString BaseChart::expandFields(const QString& format, const HotSpot& spot)
{
    QString text = format;
    text.replace(QLatin1String("{x}"), QString::number(spot.x));
    text.replace(QLatin1String("{xLabel}"), spot.xLabel);
    text.replace(QLatin1String("{dataSet}"), QString::number(spot.dataSet));
    text.replace(QLatin1String("{dataSetName}"), spot.dataSetName);
    text.replace(QLatin1String("{value}"), QString::number(spot.value, 'g', 6));
    return text;
}

const char* BaseChart::getHTMLImageMap(const char* url, const char* queryFormat, const char* extraAttr, int offsetX,
                                       int offsetY)
{
    if (!m_laidOut)
        layout();
    const QString path = QString::fromUtf8(url ? url : "");
    const QString query = queryFormat ? QString::fromUtf8(queryFormat) : QStringLiteral("x={x}&dataSet={dataSet}");
    const QString extra = QString::fromUtf8(extraAttr ? extraAttr : "");
    QString map;
    for (const HotSpot& spot : hotSpots()) {
        const QRect r = spot.rect.translated(offsetX, offsetY);
        map += QStringLiteral("<area shape=\"rect\" coords=\"%1,%2,%3,%4\"")
                   .arg(r.left())
                   .arg(r.top())
                   .arg(r.left() + r.width())
                   .arg(r.top() + r.height());
        if (!extra.contains(QLatin1String("title=")))
            map += QStringLiteral(" title=\"%1\"").arg(escapedAttribute(expandFields(QStringLiteral("{xLabel}: {value}"), spot)));
        if (!path.isEmpty()) {
            QString target = expandFields(path, spot);
            if (!query.isEmpty())
                target += (target.contains(QLatin1Char('?')) ? QLatin1Char('&') : QLatin1Char('?')) + expandFields(query, spot);
            map += QStringLiteral(" path=\"%1\"").arg(escapedAttribute(target));
        }
        if (!extra.isEmpty())
            map += QLatin1Char(' ') + expandFields(extra, spot);
        map += QStringLiteral(">\n");
    }
    m_imageMap = map.toUtf8();
    return m_imageMap.constData();
}

const char* BaseChart::getChartMetrics()
{
    if (!m_laidOut)
        layout();
    QString metrics = QStringLiteral("chart=%1,%2").arg(m_width).arg(m_height);
    const QRect plot = plotAreaRect();
    if (plot.isValid())
        metrics += QStringLiteral(";plotarea=%1,%2,%3,%4").arg(plot.x()).arg(plot.y()).arg(plot.width()).arg(plot.height());
    m_metrics = metrics.toUtf8();
    return m_metrics.constData();
}

double BaseChart::titlesHeight() const
{
    double height = 0;
    for (const auto& title : m_titles)
        height += title->size().height();
    return height;
}

void BaseChart::paintTitles(QPainter& painter) const
{
    double top = 0;
    for (const auto& title : m_titles) {
        const QRectF box = title->paint(painter, m_drawArea, QPointF(m_width / 2.0, top), Qt::AlignHCenter | Qt::AlignTop);
        top += std::max(box.height(), title->size().height());
    }
}

QRect BaseChart::backgroundRect() const
{
    const bool shadow = m_drawArea.isVisible(m_shadowColour) && m_drawArea.isVisible(m_background);
    return QRect(0, 0, m_width - (shadow ? m_shadowOffsetX : 0), m_height - (shadow ? m_shadowOffsetY : 0));
}

void BaseChart::paintBackground(QPainter& painter) const
{
    const QRect rect = backgroundRect();
    if (m_drawArea.isVisible(m_background)) {
        if (m_drawArea.isVisible(m_shadowColour))
            BandFill::fill(painter, rect.translated(m_shadowOffsetX, m_shadowOffsetY), m_drawArea.brush(m_shadowColour));
        BandFill::fill(painter, rect, m_drawArea.brush(m_background));
    }
    if (m_drawArea.isVisible(m_edge)) {
        painter.setPen(QPen(m_drawArea.brush(m_edge), 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5));
    }
}

void BaseChart::paintRoundedFrame(QPainter& painter) const
{
    if (m_frameRadius <= 0 || !m_drawArea.isVisible(m_frameColour))
        return;
    QPainterPath outside;
    outside.addRect(QRectF(0, 0, m_width, m_height));
    QPainterPath inside;
    inside.addRoundedRect(QRectF(backgroundRect()), m_frameRadius, m_frameRadius);
    painter.fillPath(outside.subtracted(inside), m_drawArea.brush(m_frameColour));
}

void BaseChart::applyTransparentColor(QImage& image) const
{
    if (m_transparentColour == -1)
        return;
    const QRgb key = ChartColor::toQColor(m_transparentColour).rgba();
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (line[x] == key)
                line[x] = 0;
        }
    }
}

} // namespace Corvane::Charts
