#include "energy/EnergyDataTariffModel.h"

namespace Corvane::Gadgets::Models {

using namespace GadgetsCommon;

const double EnergyDataTariffModel::ROW_HEIGHT = 25.0;
const double EnergyDataTariffModel::COLUMN_HEADER_ROW_HEIGHT = 32.146;
const double EnergyDataTariffModel::ROW_HEADER_COLUMN_WIDTH = 0.0;
const double EnergyDataTariffModel::COLUMN_WIDTH_DESCRIPTION = 128.68011;
const double EnergyDataTariffModel::COLUMN_WIDTH_ADDRESS = 109.61639;
const double EnergyDataTariffModel::COLUMN_WIDTH_FAMILY = 85.78674;
const double EnergyDataTariffModel::COLUMN_WIDTH_VALUE = 66.72302;
const double EnergyDataTariffModel::COLUMN_WIDTH_CURRENCY = 66.72302;

namespace {

const int UnitColumn = 4;
const int LeftAlignment = int(Qt::AlignLeft | Qt::AlignVCenter);
const int CentredAlignment = int(Qt::AlignHCenter | Qt::AlignVCenter);

QString unitText(const EnergyTariffItemData& item)
{
    return item.currency() + QLatin1Char('/') + item.unit();
}

} // namespace

EnergyDataTariffModel::EnergyDataTariffModel(QObject* parent)
    : AbstractTableModel(parent)
{
}

double EnergyDataTariffModel::columnWidth(int column) const
{
    switch (column) {
    case 0:
        return COLUMN_WIDTH_DESCRIPTION;
    case 1:
        return COLUMN_WIDTH_ADDRESS;
    case 2:
        return COLUMN_WIDTH_FAMILY;
    case 3:
        return COLUMN_WIDTH_VALUE;
    case 4:
        return COLUMN_WIDTH_CURRENCY;
    default:
        return 0.0;
    }
}

QString EnergyDataTariffModel::headerText(int section)
{
    switch (section) {
    case 0:
        return tr("Description");
    case 1:
        return tr("Address");
    case 2:
        return tr("Family");
    case 3:
        return tr("Value");
    case 4:
        return tr("Unit");
    default:
        return {};
    }
}

QVariant EnergyDataTariffModel::data(int row, int column, int role) const
{
    if (!areIndicesValid(row, column))
        return AbstractTableModel::data(row, column, role);
    const EnergyTariffItemData& item = m_items.at(row).second;
    const bool oddRow = row % 2 == 0;
    switch (role) {
    case BackGradientStopsRole:
        return QVariant::fromValue(oddRow ? m_paintData.oddRowsBackStops : m_paintData.evenRowsBackStops);
    case EditBackGradientStopsRole:
        return QVariant::fromValue(oddRow ? m_paintData.oddRowsReadWriteCellsBackStops
                                          : m_paintData.evenRowsReadWriteCellsBackStops);
    case ForeGradientStopsRole:
        return QVariant::fromValue(m_paintData.readOnlyCellsForeStops);
    case EditForeGradientStopsRole:
        return QVariant::fromValue(m_paintData.readWriteCellsForeStops);
    case EditForeColorRole:
        return m_paintData.readWriteCellsEditForeColor;
    case BorderColorRole:
        return m_paintData.borderColor;
    case TextRole:
    case EditTextRole:
        return column == UnitColumn ? QVariant(unitText(item)) : item[column];
    case TextAlignmentRole:
        return column == 0 ? LeftAlignment : CentredAlignment;
    default:
        return AbstractTableModel::data(row, column, role);
    }
}

bool EnergyDataTariffModel::setData(int row, int column, const QVariant& value, int role)
{
    if (!areIndicesValid(row, column) || role != EditTextRole)
        return AbstractTableModel::setData(row, column, value, role);
    EnergyTariffItemData& item = m_items[row].second;
    if (item[column] == value)
        return AbstractTableModel::setData(row, column, value, role);
    item.setAt(column, value);
    emit dataChanged(row, column, EditTextRole);
    emit energyTariffItemDataChanged(m_items.at(row).first);
    return true;
}

QVariant EnergyDataTariffModel::headerData(Qt::Orientation orientation, int section, int role) const
{
    if (!areHeaderIndicesValid(orientation, section))
        return AbstractTableModel::headerData(orientation, section, role);
    switch (role) {
    case BackGradientStopsRole:
        return QVariant::fromValue(m_paintData.columnHeadersBackStops);
    case ForeGradientStopsRole:
        return QVariant::fromValue(m_paintData.columnHeadersForeStops);
    case BorderColorRole:
        return m_paintData.borderColor;
    case TextRole: {
        const QString text = headerText(section);
        return text.isEmpty() ? AbstractTableModel::headerData(orientation, section, role) : QVariant(text);
    }
    case TextAlignmentRole:
        return section == 0 ? LeftAlignment : CentredAlignment;
    default:
        return AbstractTableModel::headerData(orientation, section, role);
    }
}

Qt::ItemFlags EnergyDataTariffModel::flags(int row, int column) const
{
    Qt::ItemFlags result = AbstractTableModel::flags(row, column);
    if (areIndicesValid(row, column) && column == TariffValue)
        result |= Qt::ItemIsEditable;
    return result;
}

void EnergyDataTariffModel::addEnergyItem(int itemId, const EnergyTariffItemData& item)
{
    m_items.append({itemId, item});
    const int last = int(m_items.size()) - 1;
    emit rowsInserted(last, last);
}

void EnergyDataTariffModel::removeEnergyItem(int itemId)
{
    for (int row = int(m_items.size()) - 1; row >= 0; --row) {
        if (m_items.at(row).first == itemId) {
            m_items.removeAt(row);
            emit rowsRemoved(row, row);
            return;
        }
    }
}

void EnergyDataTariffModel::clear()
{
    if (m_items.isEmpty())
        return;
    const int count = int(m_items.size());
    m_items.clear();
    emit rowsRemoved(0, count - 1);
}

EnergyTariffItemData EnergyDataTariffModel::energyItemAt(int itemId) const
{
    for (const auto& [id, item] : m_items) {
        if (id == itemId)
            return item;
    }
    return EnergyTariffItemData(QString(), 0, QString(), -1.0, QString(), QString());
}

template<typename Change>
void EnergyDataTariffModel::changeRows(int itemId, int column, int role, Change change)
{
    for (int row = 0; row < int(m_items.size()); ++row) {
        if (m_items.at(row).first != itemId)
            continue;
        change(m_items[row].second);
        emit dataChanged(row, column, role);
    }
}

void EnergyDataTariffModel::setDescription(int itemId, const QString& description)
{
    changeRows(itemId, TariffDescription, TextRole, [&](EnergyTariffItemData& item) { item.setDescription(description); });
}

void EnergyDataTariffModel::setFamily(int itemId, const QString& family)
{
    changeRows(itemId, TariffFamily, TextRole, [&](EnergyTariffItemData& item) { item.setFamily(family); });
}

void EnergyDataTariffModel::setUnit(int itemId, const QString& unit)
{
    changeRows(itemId, UnitColumn, TextRole, [&](EnergyTariffItemData& item) { item.setUnit(unit); });
}

void EnergyDataTariffModel::setCurrency(int itemId, const QString& currency)
{
    changeRows(itemId, UnitColumn, TextRole, [&](EnergyTariffItemData& item) { item.setCurrency(currency); });
}

void EnergyDataTariffModel::setTariff(int itemId, double tariff)
{
    changeRows(itemId, TariffValue, TextRole | EditTextRole, [&](EnergyTariffItemData& item) { item.setValue(tariff); });
}

void EnergyDataTariffModel::retranslate()
{
    for (int section = 0; section < columnCount(); ++section)
        emit headerDataChanged(Qt::Horizontal, section, TextRole);
}

} // namespace Corvane::Gadgets::Models
