#pragma once

#include "charts/AxisScale.h"
#include "charts/ChartArray.h"
#include "charts/ChartColor.h"
#include "charts/TextBox.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

namespace Corvane::Charts {

// An axis of an XY chart. The x axis of a bar chart carries one label per x
// position (setLabels); the y axis a numeric scale whose ticks layout()
// finds. Sizes are pixels.
class Axis
{
public:
    Axis();
    ~Axis();

    // Labels of the x positions (copied); a null entry is an empty label.
    TextBox* setLabels(StringArray labels);
    TextBox* setLabelStyle(const char* fontName = nullptr, double fontSize = 8, int colour = ChartColor::TextColor,
                           double angle = 0);
    TextBox* setTitle(const char* text, const char* fontName = nullptr, double fontSize = 8,
                      int colour = ChartColor::TextColor);
    void setWidth(int width);
    void setTickWidth(int majorTickWidth, int minorTickWidth = -1);
    void setTickLength(int majorTickLength);
    void setLabelGap(int gap);
    // Ticks of a label axis sit offset slots away from the label positions
    // (0.5: between two bars).
    void setTickOffset(double offset);
    void setTickDensity(int majorTickSpacing, int minorTickSpacing = -1);
    // Pixels at the top (or right) and bottom (or left) end of the axis kept
    // free of the scale.
    void setMargin(int topMargin, int bottomMargin = 0);
    // A numeric scale from lower to upper (the values are plain numbers);
    // increments of 0 choose ticks by the tick density.
    void setDateScale(double lowerLimit, double upperLimit, double majorTickInc = 0, double minorTickInc = 0);
    void setLinearScale(double lowerLimit, double upperLimit, double majorTickInc = 0, double minorTickInc = 0);
    // Colours of the axis line, the labels, the title and the ticks; the
    // default value makes the title follow the labels and the ticks the
    // axis line.
    void setColors(int axisColour, int labelColour = ChartColor::TextColor, int titleColour = ChartColor::DefaultColor,
                   int tickColour = ChartColor::DefaultColor);
    // The tick values found by the chart's last layout.
    DoubleArray getTicks() const;

    QStringList labels() const { return m_labels; }
    const TextBox& labelStyle() const { return m_labelStyle; }
    const TextBox* title() const { return m_title.get(); }
    int width() const { return m_width; }
    int tickWidth() const { return m_tickWidth; }
    int tickLength() const { return m_tickLength; }
    int labelGap() const { return m_labelGap; }
    double tickOffset() const { return m_tickOffset; }
    int tickDensity() const { return m_tickDensity; }
    int topMargin() const { return m_topMargin; }
    int bottomMargin() const { return m_bottomMargin; }
    const AxisScale& scale() const { return m_scale; }
    int axisColor() const { return m_axisColour; }
    int labelColor() const { return m_labelColour; }
    int titleColor() const;
    int tickColor() const { return ChartColor::orDefault(m_tickColour, m_axisColour); }
    QList<double> tickValues() const { return m_ticks; }

    // Finds the ticks of the scale for an axis of that length in pixels.
    void updateTicks(double length);
    // The text of a tick value: up to six significant digits.
    static QString tickLabel(double value);
    // Gives the label style and title this font name where they have none.
    void setFallbackFont(const QString& fontName);
    void setTitleAngle(double angle);

private:
    QStringList m_labels;
    TextBox m_labelStyle;
    std::unique_ptr<TextBox> m_title;
    int m_width = 1;
    int m_tickWidth = 1;
    int m_tickLength = 3;
    int m_labelGap = 3;
    double m_tickOffset = 0;
    int m_tickDensity = 30;
    int m_topMargin = 0;
    int m_bottomMargin = 0;
    AxisScale m_scale;
    double m_majorIncrement = 0;
    int m_axisColour = ChartColor::LineColor;
    int m_labelColour = ChartColor::TextColor;
    int m_titleColour = ChartColor::DefaultColor;
    int m_tickColour = ChartColor::DefaultColor;
    QList<double> m_ticks;
};

} // namespace Corvane::Charts
