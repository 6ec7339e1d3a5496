#include "charts/Axis.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

namespace Corvane::Charts {

Axis::Axis() = default;
Axis::~Axis() = default;

TextBox* Axis::setLabels(StringArray labels)
{
    m_labels.clear();
    m_labels.reserve(labels.len);
    for (int i = 0; i < labels.len; ++i)
        m_labels << QString::fromUtf8(labels[i] ? labels[i] : "");
    return &m_labelStyle;
}

TextBox* Axis::setLabelStyle(const char* fontName, double fontSize, int colour, double angle)
{
    m_labelStyle.setFontStyle(fontName);
    m_labelStyle.setFontSize(fontSize);
    m_labelStyle.setFontColor(colour);
    m_labelStyle.setFontAngle(angle);
    m_labelColour = colour;
    return &m_labelStyle;
}

TextBox* Axis::setTitle(const char* text, const char* fontName, double fontSize, int colour)
{
    m_title = std::make_unique<TextBox>(QString::fromUtf8(text ? text : ""), QString::fromUtf8(fontName ? fontName : ""),
                                        fontSize, colour);
    m_titleColour = colour;
    return m_title.get();
}

void Axis::setWidth(int width)
{
    m_width = std::max(0, width);
}

void Axis::setTickWidth(int majorTickWidth, int)
{
    m_tickWidth = std::max(0, majorTickWidth);
}

void Axis::setTickLength(int majorTickLength)
{
    m_tickLength = majorTickLength;
}

void Axis::setLabelGap(int gap)
{
    m_labelGap = gap;
}

void Axis::setTickOffset(double offset)
{
    m_tickOffset = std::isfinite(offset) ? offset : 0.0;
}

void Axis::setTickDensity(int majorTickSpacing, int)
{
    m_tickDensity = majorTickSpacing;
}

void Axis::setMargin(int topMargin, int bottomMargin)
{
    m_topMargin = std::max(0, topMargin);
    m_bottomMargin = std::max(0, bottomMargin);
}

void Axis::setDateScale(double lowerLimit, double upperLimit, double majorTickInc, double minorTickInc)
{
    setLinearScale(lowerLimit, upperLimit, majorTickInc, minorTickInc);
}

void Axis::setLinearScale(double lowerLimit, double upperLimit, double majorTickInc, double)
{
    m_scale.setRange(lowerLimit, upperLimit);
    m_majorIncrement = majorTickInc;
}

void Axis::setColors(int axisColour, int labelColour, int titleColour, int tickColour)
{
    m_axisColour = axisColour;
    m_labelColour = labelColour;
    m_titleColour = titleColour;
    m_tickColour = tickColour;
    m_labelStyle.setFontColor(labelColour);
    if (m_title)
        m_title->setFontColor(this->titleColor());
}

int Axis::titleColor() const
{
    return ChartColor::orDefault(m_titleColour, m_labelColour);
}

DoubleArray Axis::getTicks() const
{
    return DoubleArray(m_ticks.constData(), int(m_ticks.size()));
}

void Axis::updateTicks(double length)
{
    m_ticks = m_scale.ticks(length - m_topMargin - m_bottomMargin, m_tickDensity, m_majorIncrement);
}

QString Axis::tickLabel(double value)
{
    return QLocale().toString(value, 'g', 6);
}

void Axis::setFallbackFont(const QString& fontName)
{
    if (m_labelStyle.fontName().isEmpty())
        m_labelStyle.setFontStyle(fontName.toUtf8().constData());
    if (m_title && m_title->fontName().isEmpty())
        m_title->setFontStyle(fontName.toUtf8().constData());
}

void Axis::setTitleAngle(double angle)
{
    if (m_title)
        m_title->setFontAngle(angle);
}

} // namespace Corvane::Charts
