#include "energy/AbstractTableModel.h"

#include <QGradientStops>
#include <QMetaType>

namespace Corvane::Gadgets::Models {

using namespace GadgetsCommon;

namespace {

const Qt::ItemFlags DefaultFlags = Qt::ItemIsSelectable | Qt::ItemIsEnabled;

void registerGradientStopsType()
{
    static const int id = qRegisterMetaType<QGradientStops>("QGradientStops");
    Q_UNUSED(id)
}

} // namespace

AbstractTableModel::AbstractTableModel(QObject* parent)
    : QObject(parent)
{
    registerGradientStopsType();
}

QVariant AbstractTableModel::data(int row, int column, int role) const
{
    if (!areIndicesValid(row, column))
        return {};
    if (role == SizeRole)
        return cellSize(row, column);
    if (role == RectRole)
        return cellRect(row, column);
    return {};
}

bool AbstractTableModel::setData(int, int, const QVariant&, int)
{
    return false;
}

QVariant AbstractTableModel::headerData(Qt::Orientation orientation, int section, int role) const
{
    switch (role) {
    case TextRole:
        return section + 1;
    case SizeRole:
        return headerSize(orientation, section);
    case RectRole:
        return headerRect(orientation, section);
    default:
        return {};
    }
}

bool AbstractTableModel::setHeaderData(Qt::Orientation, int, const QVariant&, int)
{
    return false;
}

bool AbstractTableModel::insertRows(int, int)
{
    return false;
}

bool AbstractTableModel::insertColumns(int, int)
{
    return false;
}

bool AbstractTableModel::removeRows(int, int)
{
    return false;
}

bool AbstractTableModel::removeColumns(int, int)
{
    return false;
}

Qt::ItemFlags AbstractTableModel::flags(int, int) const
{
    return DefaultFlags;
}

Qt::ItemFlags AbstractTableModel::headerFlags(Qt::Orientation, int) const
{
    return DefaultFlags;
}

double AbstractTableModel::totalColumnWidth(int columns) const
{
    double width = 0.0;
    for (int i = 0; i < columns; ++i)
        width += columnWidth(i);
    return width;
}

double AbstractTableModel::totalRowHeight(int rows) const
{
    double height = 0.0;
    for (int i = 0; i < rows; ++i)
        height += rowHeight(i);
    return height;
}

QPointF AbstractTableModel::cellPosition(int row, int column) const
{
    return {rowHeaderColumnWidth() + totalColumnWidth(column), columnHeaderRowHeight() + totalRowHeight(row)};
}

QSizeF AbstractTableModel::cellSize(int row, int column) const
{
    return {columnWidth(column), rowHeight(row)};
}

QRectF AbstractTableModel::cellRect(int row, int column) const
{
    return {cellPosition(row, column), cellSize(row, column)};
}

QPointF AbstractTableModel::headerPosition(Qt::Orientation orientation, int section) const
{
    if (orientation == Qt::Horizontal)
        return {rowHeaderColumnWidth() + totalColumnWidth(section), 0.0};
    if (orientation == Qt::Vertical)
        return {0.0, columnHeaderRowHeight() + totalRowHeight(section)};
    return {};
}

QSizeF AbstractTableModel::headerSize(Qt::Orientation orientation, int section) const
{
    if (orientation == Qt::Horizontal)
        return {columnWidth(section), columnHeaderRowHeight()};
    if (orientation == Qt::Vertical)
        return {rowHeaderColumnWidth(), rowHeight(section)};
    return {-1.0, -1.0};
}

QRectF AbstractTableModel::headerRect(Qt::Orientation orientation, int section) const
{
    return {headerPosition(orientation, section), headerSize(orientation, section)};
}

bool AbstractTableModel::areIndicesValid(int row, int column) const
{
    return row >= 0 && row < rowCount() && column >= 0 && column < columnCount();
}

bool AbstractTableModel::areHeaderIndicesValid(Qt::Orientation orientation, int section) const
{
    if (!hasHeader(orientation))
        return false;
    int count = 0;
    if (orientation == Qt::Horizontal)
        count = columnCount();
    else if (orientation == Qt::Vertical)
        count = rowCount();
    return section >= 0 && section < count;
}

bool AbstractTableModel::hasValidDimensions() const
{
    return rowCount() > 0 && columnCount() > 0;
}

void AbstractTableModel::setThemeElementId(const QString& id)
{
    m_paintData.setThemeElementId(id);
}

void AbstractTableModel::readThemeSettings()
{
    m_paintData.readThemeSettings();
    const int rows = rowCount();
    const int columns = columnCount();
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column)
            emit dataChanged(row, column, PaintRoles);
    }
    if (hasHeader(Qt::Vertical)) {
        for (int row = 0; row < rows; ++row)
            emit headerDataChanged(Qt::Vertical, row, PaintRoles);
    }
    if (hasHeader(Qt::Horizontal)) {
        for (int column = 0; column < columns; ++column)
            emit headerDataChanged(Qt::Horizontal, column, PaintRoles);
    }
}

} // namespace Corvane::Gadgets::Models
