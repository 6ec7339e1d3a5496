#pragma once

#include "charts/ChartColor.h"
#include "charts/DataSet.h"
#include "charts/TextBox.h"

#include <QString>

#include <memory>
#include <vector>

namespace Corvane::Charts {

// A layer of data sets drawn in the plot area. With the stack method the
// values of the data sets at one x position are piled up, otherwise each
// starts from zero; the aggregate label (the stack's total) is written above
// each pile when a format is set.
class Layer
{
public:
    enum DataCombineMethod { Overlay = 0, Stack = 1 };

    virtual ~Layer();

    void setBorderColor(int colour, int raisedEffect = 0);
    void setDataCombineMethod(int method);
    // The aggregate label text; "{value}" stands for the stack's total,
    // written by valueLabel.
    void setAggregateLabelFormat(const char* format);
    TextBox* setAggregateLabelStyle(const char* fontName = nullptr, double fontSize = 8,
                                    int colour = ChartColor::TextColor, double angle = 0);

    // The data set of that index, null when there is none.
    DataSet* getDataSet(int index) const;
    int getDataSetCount() const { return int(m_dataSets.size()); }
    DataSet* addDataSet(int firstX, const QList<double>& values, const QString& name, int colour);

    int borderColor() const { return m_borderColour; }
    int dataCombineMethod() const { return m_combineMethod; }
    QString aggregateLabelFormat() const { return m_aggregateFormat; }
    const TextBox* aggregateLabelStyle() const { return m_aggregateStyle.get(); }
    // Gives the aggregate label style this font name when it has none.
    void setFallbackFont(const QString& fontName);
    // Number of x positions that the data sets cover.
    int xCount() const;
    // Sum of the finite values at x, 0 when there are none.
    double stackTotal(int x) const;
    // A value as labels show it: at most two decimals, no trailing zeros
    // (14.5089 as "14.51", 20 as "20"); beyond 1e15 in exponent notation.
    static QString valueLabel(double value);

private:
    std::vector<std::unique_ptr<DataSet>> m_dataSets;
    int m_borderColour = ChartColor::DefaultColor;
    int m_combineMethod = Overlay;
    QString m_aggregateFormat;
    std::unique_ptr<TextBox> m_aggregateStyle;
};

} // namespace Corvane::Charts
