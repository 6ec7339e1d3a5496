#include "energy/EnergyDataViewTableModel.h"

#include <QLocale>

#include <cmath>

namespace Corvane::Gadgets::Models {

using namespace GadgetsCommon;

const double EnergyDataViewTableModel::ROW_HEIGHT = 25.0;
const double EnergyDataViewTableModel::COLUMN_HEADER_ROW_HEIGHT = 32.146;
const double EnergyDataViewTableModel::ROW_HEADER_COLUMN_WIDTH = 0.0;
const double EnergyDataViewTableModel::COLUMN_WIDTH_X = 159.594;
const double EnergyDataViewTableModel::COLUMN_WIDTH_Y = 159.594;
const int EnergyDataViewTableModel::NUMBER_PRECISION = 3;
const int EnergyDataViewTableModel::MONEY_PRECISION = 2;

namespace {

const int CentredAlignment = int(Qt::AlignHCenter | Qt::AlignVCenter);

} // namespace

EnergyDataViewTableModel::EnergyDataViewTableModel(QObject* parent)
    : AbstractTableModel(parent)
{
}

double EnergyDataViewTableModel::columnWidth(int column) const
{
    if (column == 0)
        return COLUMN_WIDTH_X;
    if (column == 1)
        return COLUMN_WIDTH_Y;
    return 0.0;
}

QVariant EnergyDataViewTableModel::data(int row, int column, int role) const
{
    if (!areIndicesValid(row, column))
        return AbstractTableModel::data(row, column, role);
    const EnergyDataViewTableItem& item = m_items.at(row);
    switch (role) {
    case BackGradientStopsRole:
        return QVariant::fromValue(row % 2 == 0 ? m_paintData.oddRowsBackStops : m_paintData.evenRowsBackStops);
    case ForeGradientStopsRole:
        return QVariant::fromValue(m_paintData.readOnlyCellsForeStops);
    case BorderColorRole:
        return m_paintData.borderColor;
    case TextRole:
    case EditTextRole:
        if (column == 0)
            return item.x();
        return std::isfinite(item.y())
            ? QLocale().toString(item.y(), 'f', m_showsMoney ? MONEY_PRECISION : NUMBER_PRECISION)
            : QString();
    case TextAlignmentRole:
        return CentredAlignment;
    default:
        return AbstractTableModel::data(row, column, role);
    }
}

void EnergyDataViewTableModel::setShowsMoney(bool money)
{
    if (money == m_showsMoney)
        return;
    m_showsMoney = money;
    for (int row = 0; row < rowCount(); ++row)
        emit dataChanged(row, 1, TextRole | EditTextRole);
}

QVariant EnergyDataViewTableModel::headerData(Qt::Orientation orientation, int section, int role) const
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
    case TextRole:
        return section == 0 ? m_xLabel : m_yLabel;
    case TextAlignmentRole:
        return CentredAlignment;
    default:
        return AbstractTableModel::headerData(orientation, section, role);
    }
}

void EnergyDataViewTableModel::setXLabel(const QString& label)
{
    m_xLabel = label;
    emit headerDataChanged(Qt::Horizontal, 0, TextRole);
}

void EnergyDataViewTableModel::setYLabel(const QString& label)
{
    m_yLabel = label;
    emit headerDataChanged(Qt::Horizontal, 1, TextRole);
}

void EnergyDataViewTableModel::addItem(const EnergyDataViewTableItem& item)
{
    m_items.append(item);
    const int last = int(m_items.size()) - 1;
    emit rowsInserted(last, last);
}

void EnergyDataViewTableModel::clear()
{
    if (m_items.isEmpty())
        return;
    const int count = int(m_items.size());
    m_items.clear();
    emit rowsRemoved(0, count - 1);
}

} // namespace Corvane::Gadgets::Models
