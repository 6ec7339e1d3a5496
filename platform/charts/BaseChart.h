#pragma once

#include "charts/ChartArray.h"
#include "charts/ChartColor.h"
#include "charts/DrawArea.h"
#include "charts/Line.h"
#include "charts/MemBlock.h"
#include "charts/TextBox.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QRect>
#include <QString>

#include <memory>
#include <vector>

class QPainter;

namespace Corvane::Charts {

// A chart of a fixed size in pixels, painted with QPainter into an image.
// Every object a call returns (text boxes, lines, layers, axes, the draw
// area) belongs to the chart and stays valid until the chart is destroyed.
//
// Image maps (getHTMLImageMap) are text with one HTML area element per hot
// spot, for example
//     <area shape="rect" coords="10,20,30,120" title="Mar: 12.5" path="details?x=2">
// coords are left, top, right, bottom in image pixels; title is the hot
// spot's tool tip; path is present when a URL was given. ImageMapHandler
// reads this text back.
class BaseChart
{
public:
    enum ImageFormat { PNG = 0 };

    BaseChart(int width, int height);
    virtual ~BaseChart();
    BaseChart(const BaseChart&) = delete;
    BaseChart& operator=(const BaseChart&) = delete;

    int getWidth() const { return m_width; }
    int getHeight() const { return m_height; }

    // Background of the whole chart, the edge around it; a raised effect is
    // not drawn.
    void setBackground(int colour, int edgeColour = ChartColor::Transparent, int raisedEffect = 0);
    // A shadow offset by offsetX, offsetY (0x7FFFFFFF: as offsetX) pixels
    // behind the chart's background, which then leaves that room free.
    void setDropShadow(int colour = 0x00AAAAAA, int offsetX = 5, int offsetY = 0x7FFFFFFF, int blurRadius = 5);
    // Pixels of exactly that colour become transparent in the image; -1 keeps
    // the image as painted (with its transparency).
    void setTransparentColor(int colour);
    // Corners rounded by radius r1 (the others -1: as r1), the outside of the
    // corners painted in the colour; radius 0 leaves square corners.
    void setRoundedFrame(int colour = 0x00FFFFFF, int r1 = 10, int r2 = -1, int r3 = -1, int r4 = -1);
    void setAntiAlias(bool shapeAntiAlias = true, int textAntiAlias = 1);
    // Font names (";"-separated font files, see ChartFonts) for texts whose
    // own font name is empty.
    void setDefaultFonts(const char* normal, const char* bold = "", const char* italic = "", const char* boldItalic = "");

    TextBox* addTitle(const char* text, const char* fontName = nullptr, double fontSize = 12,
                      int fontColour = ChartColor::TextColor, int bgColour = ChartColor::Transparent,
                      int edgeColour = ChartColor::Transparent);
    Line* addLine(int x1, int y1, int x2, int y2, int colour = ChartColor::LineColor, int lineWidth = 1);

    // See DrawArea::linearGradientColor.
    int linearGradientColor(int x0, int y0, int x1, int y1, const int* stops, int count, bool periodic = false);

    DrawArea* getDrawArea() { return &m_drawArea; }
    const DrawArea& drawArea() const { return m_drawArea; }
    // Places axes, labels and ticks; later calls read the result.
    virtual void layout();
    // The chart encoded in an image format; only PNG (0) is offered, any
    // other format gives an empty block.
    MemBlock makeChart(int format);
    // Lays the chart out and returns its draw area, on which a program may
    // draw before the chart is encoded.
    DrawArea* makeChart3();
    // The chart painted into an image (ARGB32, premultiplied).
    QImage makeImage();

    // A layer drawn over the chart, cleared by removeDynamicLayer.
    DrawArea* initDynamicLayer();
    void removeDynamicLayer();
    bool hasDynamicLayer() const { return bool(m_dynamicLayer); }

    // The image map of the chart's hot spots (see the class comment). In url,
    // queryFormat and extraAttr the fields {x}, {xLabel}, {dataSet},
    // {dataSetName} and {value} are replaced by the hot spot's values; the
    // default query is "x={x}&dataSet={dataSet}". offsetX and offsetY move
    // the coordinates.
    const char* getHTMLImageMap(const char* url, const char* queryFormat = nullptr, const char* extraAttr = nullptr,
                                int offsetX = 0, int offsetY = 0);
    // "chart=<w>,<h>;plotarea=<left>,<top>,<width>,<height>", read by the
    // view port manager (no plotarea part without a plot area).
    const char* getChartMetrics();
    virtual QRect plotAreaRect() const { return QRect(); }

protected:
    struct HotSpot
    {
        QRect rect;
        int x;
        QString xLabel;
        int dataSet;
        QString dataSetName;
        double value;
    };

    virtual void paintContent(QPainter& painter) = 0;
    virtual QList<HotSpot> hotSpots() const { return {}; }
    QString defaultFont() const { return m_defaultFont; }
    // Total height of the titles stacked at the top.
    double titlesHeight() const;
    void paintTitles(QPainter& painter) const;

private:
    void paintInto(QImage& image);
    QRect backgroundRect() const;
    void paintBackground(QPainter& painter) const;
    void paintRoundedFrame(QPainter& painter) const;
    void applyTransparentColor(QImage& image) const;
    static QString expandFields(const QString& format, const HotSpot& spot);

    int m_width;
    int m_height;
    int m_background = ChartColor::BackgroundColor;
    int m_edge = ChartColor::Transparent;
    int m_shadowColour = ChartColor::Transparent;
    int m_shadowOffsetX = 0;
    int m_shadowOffsetY = 0;
    int m_transparentColour = -1;
    int m_frameColour = ChartColor::Transparent;
    int m_frameRadius = 0;
    bool m_shapeAntiAlias = true;
    int m_textAntiAlias = 1;
    QString m_defaultFont;
    std::vector<std::unique_ptr<TextBox>> m_titles;
    std::vector<std::unique_ptr<Line>> m_lines;
    DrawArea m_drawArea;
    std::unique_ptr<DrawArea> m_dynamicLayer;
    bool m_laidOut = false;
    QByteArray m_encoded;
    QByteArray m_imageMap;
    QByteArray m_metrics;
};

} // namespace Corvane::Charts
