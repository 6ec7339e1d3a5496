#pragma once

#include "energy/AbstractTableModel.h"
#include "energy/EnergyTariffItemData.h"

#include <QList>
#include <QPair>

namespace Corvane::Gadgets::Models {

// The tariff table: one row per (item id, tariff row) in insertion order,
// five columns of which only the value can be edited. Item ids need not be
// unique; the setters by item id change every row holding it.
class EnergyDataTariffModel : public AbstractTableModel
{
    Q_OBJECT

public:
    static const double ROW_HEIGHT;
    static const double COLUMN_HEADER_ROW_HEIGHT;
    static const double ROW_HEADER_COLUMN_WIDTH;
    static const double COLUMN_WIDTH_DESCRIPTION;
    static const double COLUMN_WIDTH_ADDRESS;
    static const double COLUMN_WIDTH_FAMILY;
    static const double COLUMN_WIDTH_VALUE;
    static const double COLUMN_WIDTH_CURRENCY;

    explicit EnergyDataTariffModel(QObject* parent = nullptr);

    int rowCount() const override { return int(m_items.size()); }
    int columnCount() const override { return 5; }
    bool hasHeader(Qt::Orientation orientation) const override { return orientation == Qt::Horizontal; }
    QVariant data(int row, int column, int role) const override;
    bool setData(int row, int column, const QVariant& value, int role) override;
    QVariant headerData(Qt::Orientation orientation, int section, int role) const override;
    Qt::ItemFlags flags(int row, int column) const override;
    double rowHeight(int) const override { return ROW_HEIGHT; }
    double columnHeaderRowHeight() const override { return COLUMN_HEADER_ROW_HEIGHT; }
    double columnWidth(int column) const override;
    double rowHeaderColumnWidth() const override { return ROW_HEADER_COLUMN_WIDTH; }

    void addEnergyItem(int itemId, const EnergyTariffItemData& item);
    void removeEnergyItem(int itemId);
    void clear();
    // The first row of the item id, or an empty row with value -1.0.
    EnergyTariffItemData energyItemAt(int itemId) const;
    void setDescription(int itemId, const QString& description);
    void setFamily(int itemId, const QString& family);
    void setUnit(int itemId, const QString& unit);
    void setCurrency(int itemId, const QString& currency);
    void setTariff(int itemId, double tariff);
    void retranslate();

signals:
    void energyTariffItemDataChanged(int itemId);

private:
    template<typename Change>
    void changeRows(int itemId, int column, int role, Change change);
    static QString headerText(int section);

    QList<QPair<int, EnergyTariffItemData>> m_items;
};

} // namespace Corvane::Gadgets::Models
