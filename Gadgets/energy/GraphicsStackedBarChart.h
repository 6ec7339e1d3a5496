#pragma once

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QGraphicsObject>
#include <QList>
#include <QMap>
#include <QPair>
#include <QSharedPointer>
#include <QSizeF>
#include <QStringList>
#include <QVector>

class QFontMetricsF;
class QPropertyAnimation;

namespace Corvane::Charts {
class BarLayer;
class BaseChart;
class TextBox;
class XYChart;
}
namespace Corvane::Utilities {
class DoubleValue;
}

namespace Corvane::Gadgets {

class GraphicsChartViewer;

// The energy consumption bar chart. It holds one bar per entry of its data
// (an x label and one value per layer), builds a whole chart through the
// charts layer at every draw and shows it through a child viewer item. Only
// layer 0 is drawn as bars; the sums of all layers set the y axis. Every
// other bar is labelled (counted in the data's order), odd and even bars
// (counted from 1 on screen) take their own gradients, and in a
// right-to-left layout the bars and labels are mirrored and the y axis stands
// on the right. New data grow from zero to full height in 1000 ms (OutCubic)
// while the y axis keeps its final maximum; value labels, when asked for,
// appear once the bars stand. Values that are not finite are missing: they
// draw no bar and count as nothing in the sums.
class GraphicsStackedBarChart : public QGraphicsObject
{
    Q_OBJECT

public:
    using Series = QList<QPair<QString, QList<double>>>;
    using GradientStops = QVector<QPair<double, QColor>>;

    static constexpr int ANIMATION_DURATION_MS = 1000;

    explicit GraphicsStackedBarChart(QGraphicsItem* parent = nullptr);
    ~GraphicsStackedBarChart() override;

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

    void setData(const Series& data);
    Series data() const { return m_data; }
    // The largest sum of a bar's finite values, never below 0 and at most the
    // largest double.
    double yMax() const;
    void setChartSize(const QSizeF& size);
    QSizeF chartSize() const { return m_chartSize; }
    void setLineAndFontScale(double scale);
    double lineAndFontScale() const { return m_lineAndFontScale; }

    bool shouldDraw() const;
    void redrawChart();
    void setUsesAnimation(bool usesAnimation);
    bool usesAnimation() const { return m_usesAnimation; }
    bool isValueAnimationRunning() const;
    void setPrintsBarValues(bool prints);
    bool printsBarValues() const { return m_printsBarValues; }
    static bool isRightToLeft();
    double scaledFontSize() const;
    QFont scaledFont() const;
    void clearData();

    // The outline of a rectangle as four lines of the chart.
    static void addRect(Charts::BaseChart* chart, int x1, int y1, int x2, int y2, int colour, int width);
    static void addRect(Charts::BaseChart* chart, const QRectF& rect, int colour, int width);

    void setFontSize(int size);
    void setFontFileName(const QString& fileName);
    void setTickLength(int length);
    void setGapWidth(int width);
    void setLineThickness(int thickness);
    void setChartBackgroundColor(const QColor& color);
    void setEvenRowsColor(const QColor& color);
    void setOddRowsColor(const QColor& color);
    void setEdgeColor(const QColor& color);
    void setHGridLinesColor(const QColor& color);
    void setVGridLinesColor(const QColor& color);
    void setAxesColor(const QColor& color);
    void setGridColor(const QColor& color);
    void setOddBarsColor(const GradientStops& stops);
    void setEvenBarsColor(const GradientStops& stops);
    void setXAxisValuesColor(const GradientStops& stops);
    void setYAxisValuesColor(const GradientStops& stops);
    void setOddBarsColor(const QColor& color);
    void setEvenBarsColor(const QColor& color);
    void setXAxisValuesColor(const QColor& color);
    void setYAxisValuesColor(const QColor& color);
    void setChartTitle(const QString& title);
    void setXAxisTitle(const QString& title);
    void setYAxisTitle(const QString& title);
    void setDefaultBarLayerColor(const QColor& color);
    void setBarLayersColorMap(const QMap<int, QColor>& colors);
    void setBarColorAtLayer(int layer, const QColor& color);
    void setDataSetTitles(const QStringList& titles);

    int fontSize() const { return m_fontSize; }
    QString fontFileName() const { return m_fontFileName; }
    int barCount() const { return m_barCount; }
    int layerCount() const { return m_layerCount; }
    // The values of a layer as drawn now (scaled by the animation, in screen
    // order); empty for a layer that does not exist.
    QList<double> currentLayer(int layer) const;
    // The x labels in screen order.
    QStringList xLabels() const;
    double animatedValue() const;
    QPropertyAnimation* valueAnimation() const { return m_valueAnimation; }
    GraphicsChartViewer* viewer() const { return m_viewer; }
    QSharedPointer<Charts::XYChart> chart() const { return m_chart; }

public slots:
    void updateViewport();
    void drawChart();
    void drawBarValueLabels();

private:
    using ChartGradient = QPair<int, int*>;

    void extractLayers();
    void computeCurrentValues();
    void gatherXLabels();
    void setUpTextBox(Charts::TextBox* box) const;
    // The largest whole height of the x labels' ink.
    double xLabelsHeight(const QFontMetricsF& metrics);
    void colourBars(Charts::XYChart& chart, Charts::BarLayer& layer);
    // Colours the axes, labels and titles; returns the y labels' colour.
    int colourAxes(Charts::XYChart& chart, double valueWidth, double labelHeight);
    int gradientColour(Charts::XYChart& chart, int x0, int y0, int x1, int y1, const ChartGradient& gradient,
                       int fallback) const;
    template<typename T>
    void setAndRedraw(T& field, const T& value);

    QSharedPointer<Charts::XYChart> m_chart;
    GraphicsChartViewer* m_viewer;
    Series m_data;
    Corvane::Utilities::DoubleValue* m_animatedValue;
    QPropertyAnimation* m_valueAnimation;
    bool m_usesAnimation = false;
    bool m_showValueLabels = false;
    bool m_printsBarValues = false;
    QVector<QVector<double>> m_currentLayers;
    QVector<QVector<double>> m_sourceLayers;
    int m_barCount = -1;
    int m_layerCount = -1;
    QList<QByteArray> m_xLabelTexts;
    QVector<const char*> m_xLabels;
    double m_yMax = 0.0;
    QString m_xAxisTitle;
    QString m_yAxisTitle;
    QString m_chartTitle;
    QStringList m_dataSetTitles;
    QColor m_chartBackgroundColor = Qt::transparent;
    QColor m_defaultBarLayerColor = Qt::transparent;
    QMap<int, QColor> m_barLayersColorMap;
    ChartGradient m_oddBarsColor { 0, nullptr };
    ChartGradient m_evenBarsColor { 0, nullptr };
    QColor m_evenRowsColor = Qt::transparent;
    QColor m_oddRowsColor = Qt::transparent;
    QColor m_edgeColor = Qt::transparent;
    QColor m_hGridLinesColor = Qt::transparent;
    QColor m_vGridLinesColor = Qt::transparent;
    QColor m_axesColor = Qt::transparent;
    ChartGradient m_xAxisValuesColor { 0, nullptr };
    ChartGradient m_yAxisValuesColor { 0, nullptr };
    int m_lineThickness = 1;
    int m_gapWidth = 1;
    int m_tickLength = 1;
    QString m_fontFileName;
    int m_fontSize = 10;
    double m_lineAndFontScale = 1.0;
    QSizeF m_chartSize { -1, -1 };
    double m_labelsHeight = -1;
    double m_labelsHeightFontSize = 0;
};

} // namespace Corvane::Gadgets
