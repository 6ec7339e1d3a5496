#pragma once

#include "energy/AbstractTableModel.h"
#include "energy/EnergyDataViewTableItem.h"

#include <QList>

namespace Corvane::Gadgets::Models {

// The table form of the consumption display: one row per time slot (its
// label and its value with three decimals, two for money as every money
// value of the faces) under a header of the two axis titles. A value that
// is not finite shows as an empty cell.
class EnergyDataViewTableModel : public AbstractTableModel
{
    Q_OBJECT

public:
    static const double ROW_HEIGHT;
    static const double COLUMN_HEADER_ROW_HEIGHT;
    static const double ROW_HEADER_COLUMN_WIDTH;
    static const double COLUMN_WIDTH_X;
    static const double COLUMN_WIDTH_Y;
    static const int NUMBER_PRECISION;
    static const int MONEY_PRECISION;

    explicit EnergyDataViewTableModel(QObject* parent = nullptr);

    int rowCount() const override { return int(m_items.size()); }
    int columnCount() const override { return 2; }
    bool hasHeader(Qt::Orientation orientation) const override { return orientation == Qt::Horizontal; }
    QVariant data(int row, int column, int role) const override;
    QVariant headerData(Qt::Orientation orientation, int section, int role) const override;
    double rowHeight(int) const override { return ROW_HEIGHT; }
    double columnHeaderRowHeight() const override { return COLUMN_HEADER_ROW_HEIGHT; }
    double columnWidth(int column) const override;
    double rowHeaderColumnWidth() const override { return ROW_HEADER_COLUMN_WIDTH; }

    QString xLabel() const { return m_xLabel; }
    void setXLabel(const QString& label);
    QString yLabel() const { return m_yLabel; }
    void setYLabel(const QString& label);
    void addItem(const EnergyDataViewTableItem& item);
    void clear();
    // Money values show with two decimals, energy values with three.
    bool showsMoney() const { return m_showsMoney; }
    void setShowsMoney(bool money);

private:
    bool m_showsMoney = false;
    QString m_xLabel;
    QString m_yLabel;
    QList<EnergyDataViewTableItem> m_items;
};

} // namespace Corvane::Gadgets::Models
