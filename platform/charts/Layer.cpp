#include "charts/Layer.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

namespace Corvane::Charts {

Layer::~Layer() = default;

void Layer::setBorderColor(int colour, int)
{
    m_borderColour = colour;
}

void Layer::setDataCombineMethod(int method)
{
    m_combineMethod = method;
}

void Layer::setAggregateLabelFormat(const char* format)
{
    m_aggregateFormat = QString::fromUtf8(format ? format : "");
}

TextBox* Layer::setAggregateLabelStyle(const char* fontName, double fontSize, int colour, double angle)
{
    m_aggregateStyle = std::make_unique<TextBox>(QString(), QString::fromUtf8(fontName ? fontName : ""), fontSize,
                                                 colour);
    m_aggregateStyle->setFontAngle(angle);
    return m_aggregateStyle.get();
}

DataSet* Layer::getDataSet(int index) const
{
    return index >= 0 && index < int(m_dataSets.size()) ? m_dataSets[size_t(index)].get() : nullptr;
}

DataSet* Layer::addDataSet(int firstX, const QList<double>& values, const QString& name, int colour)
{
    m_dataSets.push_back(std::make_unique<DataSet>(firstX, values, name, colour));
    return m_dataSets.back().get();
}

void Layer::setFallbackFont(const QString& fontName)
{
    if (m_aggregateStyle && m_aggregateStyle->fontName().isEmpty())
        m_aggregateStyle->setFontStyle(fontName.toUtf8().constData());
}

int Layer::xCount() const
{
    int count = 0;
    for (const auto& dataSet : m_dataSets)
        count = std::max(count, dataSet->firstX() + dataSet->count());
    return count;
}

double Layer::stackTotal(int x) const
{
    double total = 0;
    for (const auto& dataSet : m_dataSets) {
        const double value = dataSet->valueAt(x);
        if (std::isfinite(value))
            total += value;
    }
    return total;
}

QString Layer::valueLabel(double value)
{
    const QLocale locale;
    if (!std::isfinite(value) || std::abs(value) >= 1e15)
        return locale.toString(value, 'g', 6);
    QString text = locale.toString(value, 'f', 2);
    const QString zero = locale.zeroDigit();
    while (text.endsWith(zero))
        text.chop(zero.size());
    if (text.endsWith(locale.decimalPoint()))
        text.chop(locale.decimalPoint().size());
    return text == locale.negativeSign() + zero ? zero : text;
}

} // namespace Corvane::Charts
