#include "energy/GraphicsTable.h"

#include "energy/AbstractTableModel.h"
#include "energy/DecimalValueValidator.h"
#include "energy/GraphicsTableCell.h"

#include <QGradientStops>

#include <cmath>

namespace Corvane::Gadgets {

using namespace GadgetsCommon;

const int GraphicsTable::BORDER_WIDTH_DEFAULT = 1;
const double GraphicsTable::CELL_HEIGHT_DEFAULT = 20.0;
const double GraphicsTable::CELL_WIDTH_DEFAULT = 50.0;
const double GraphicsTable::VALUE_MIN = 0.0;
const double GraphicsTable::VALUE_MAX = 100000.0;
// The precision a tariff is kept and configured with.
const int GraphicsTable::DECIMALS_COUNT = 6;

namespace {

const TableModelRoles InitRoles = TableModelRoles(BackGradientStopsRole | ForeGradientStopsRole | BorderColorRole
                                                  | TextRole | TextAlignmentRole | RectRole);
const TableModelRoles EditRoles =
    TableModelRoles(EditBackGradientStopsRole | EditForeGradientStopsRole | EditForeColorRole);

bool isEditable(Qt::ItemFlags flags)
{
    return flags.testFlag(Qt::ItemIsEditable);
}

} // namespace

GraphicsTable::GraphicsTable(SvgControlObject* parent)
    : SvgControlObject(nullptr, parent)
{
    setAcceptHoverEvents(true);
}

void GraphicsTable::setModel(Models::AbstractTableModel* model)
{
    if (m_model)
        disconnect(m_model, nullptr, this, nullptr);
    m_model = model;
    if (!m_model)
        return;
    connect(m_model, &Models::AbstractTableModel::dataChanged, this, &GraphicsTable::onDataChanged);
    connect(m_model, &Models::AbstractTableModel::headerDataChanged, this, &GraphicsTable::onHeaderDataChanged);
    connect(m_model, &Models::AbstractTableModel::rowsInserted, this, &GraphicsTable::onRowsAdded);
    connect(m_model, &Models::AbstractTableModel::rowsRemoved, this, &GraphicsTable::onRowsRemoved);
    connect(m_model, &Models::AbstractTableModel::columnsInserted, this, &GraphicsTable::onColumnsAdded);
    connect(m_model, &Models::AbstractTableModel::columnsRemoved, this, &GraphicsTable::onColumnsRemoved);
    if (m_model->hasValidDimensions())
        setDimensions(m_model->rowCount(), m_model->columnCount());
}

void GraphicsTable::setBorderWidth(int width)
{
    if (width < 0 || width == int(m_borderWidth))
        return;
    m_borderWidth = width;
    m_cellsNeedInit = true;
    update();
}

GraphicsTableCell* GraphicsTable::newItem()
{
    auto* item = new GraphicsTableCell(this);
    addToChildrensList(item);
    return item;
}

GraphicsTableCell* GraphicsTable::createCell(int row, int column)
{
    GraphicsTableCell* item = newItem();
    initCell(row, column, item);
    return item;
}

GraphicsTableCell* GraphicsTable::createHeader(Qt::Orientation orientation, int section)
{
    GraphicsTableCell* item = newItem();
    initHeader(orientation, section, item);
    return item;
}

void GraphicsTable::hideLeavingItems(int rows, int columns)
{
    for (int r = 0; r < int(m_cells.size()); ++r) {
        for (int c = 0; c < int(m_cells[r].size()); ++c) {
            if (r >= rows || c >= columns)
                m_cells[r][c]->hide();
        }
    }
    const QList<GraphicsTableCell*> vertical = m_headers.value(Qt::Vertical);
    for (int r = rows; r < int(vertical.size()); ++r)
        vertical[r]->hide();
    const QList<GraphicsTableCell*> horizontal = m_headers.value(Qt::Horizontal);
    for (int c = columns; c < int(horizontal.size()); ++c)
        horizontal[c]->hide();
}

void GraphicsTable::bringInEnteringItems(int rows, int columns, bool verticalHeader, bool horizontalHeader,
                                         int firstShownRow)
{
    const int poolRows = int(m_cells.size());
    for (int r = 0; r < qMin(poolRows, rows); ++r) {
        while (m_cells[r].size() < columns)
            m_cells[r].append(newItem());
    }
    if (horizontalHeader) {
        QList<GraphicsTableCell*>& headers = m_headers[Qt::Horizontal];
        while (headers.size() < columns)
            headers.append(newItem());
    }
    for (int r = poolRows; r < rows; ++r) {
        QList<GraphicsTableCell*> row;
        for (int c = 0; c < columns; ++c)
            row.append(newItem());
        m_cells.append(row);
        if (verticalHeader && m_headers[Qt::Vertical].size() <= r)
            m_headers[Qt::Vertical].append(newItem());
    }
    if (verticalHeader) {
        QList<GraphicsTableCell*>& headers = m_headers[Qt::Vertical];
        while (headers.size() < rows)
            headers.append(newItem());
    }
    for (int r = firstShownRow; r < rows; ++r) {
        for (int c = 0; c < columns; ++c)
            m_cells[r][c]->show();
    }
}

void GraphicsTable::showHeaders(Qt::Orientation orientation, int count, bool visible)
{
    const QList<GraphicsTableCell*> headers = m_headers.value(orientation);
    for (int section = 0; section < qMin(count, int(headers.size())); ++section) {
        headers[section]->setVisible(visible);
        if (visible)
            initHeader(orientation, section, headers[section]);
    }
}

void GraphicsTable::setDimensions(int rowsCount, int columnsCount)
{
    if (!m_model)
        return;
    const int rows = qMax(0, rowsCount);
    const int columns = qMax(0, columnsCount);
    const bool verticalHeader = m_model->hasHeader(Qt::Vertical);
    const bool horizontalHeader = m_model->hasHeader(Qt::Horizontal);
    hideLeavingItems(rows, columns);
    bringInEnteringItems(rows, columns, verticalHeader, horizontalHeader);
    m_rowsCount = rows;
    m_columnsCount = columns;
    m_cellsNeedInit = false;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c)
            initCell(r, c, m_cells[r][c]);
    }
    const bool headersVisible = rows > 0 && columns > 0;
    if (verticalHeader)
        showHeaders(Qt::Vertical, rows, headersVisible);
    if (horizontalHeader)
        showHeaders(Qt::Horizontal, columns, headersVisible);
    setBounds(tableBounds());
    emit dimensionsChanged();
}

void GraphicsTable::recalculateCellsBounds()
{
    if (!m_model || m_rowsCount < 1 || m_columnsCount < 1)
        return;
    for (int r = 0; r < m_rowsCount; ++r) {
        for (int c = 0; c < m_columnsCount; ++c)
            obtainCellData(r, c, RectRole, m_cells[r][c]);
    }
    setBounds(tableBounds());
    emit dimensionsChanged();
}

void GraphicsTable::initCell(int row, int column, GraphicsTableCell* cell)
{
    connect(cell, &GraphicsTableCell::textChanged, this, &GraphicsTable::onCellTextChanged, Qt::UniqueConnection);
    cell->setBorderWidth(m_borderWidth);
    TableModelRoles roles = InitRoles;
    if (isEditable(m_model->flags(row, column))) {
        cell->setIsEditable(true);
        if (!cell->validator())
            cell->setValidator(new DecimalValueValidator(VALUE_MIN, VALUE_MAX, DECIMALS_COUNT, cell));
        roles |= EditRoles;
    } else {
        cell->setIsEditable(false);
    }
    obtainCellData(row, column, roles, cell);
}

void GraphicsTable::initHeader(Qt::Orientation orientation, int section, GraphicsTableCell* header)
{
    header->setBorderWidth(m_borderWidth);
    TableModelRoles roles = InitRoles;
    if (isEditable(m_model->headerFlags(orientation, section)))
        roles |= EditRoles;
    obtainHeaderData(orientation, section, roles, header);
}

const DecimalValueValidator* GraphicsTable::numberValidator(const GraphicsTableCell* cell)
{
    return cell ? qobject_cast<const DecimalValueValidator*>(cell->validator()) : nullptr;
}

QString GraphicsTable::cellText(const QVariant& answer, const GraphicsTableCell* cell) const
{
    // An editable number is shown as its validator reads it, so that an edit
    // that keeps the text gives the same value back.
    const DecimalValueValidator* validator = numberValidator(cell);
    if (cell->isEditable() && validator && answer.typeId() == QMetaType::Double)
        return validator->text(answer.toDouble());
    return answer.toString();
}

void GraphicsTable::obtainCellData(int row, int column, TableModelRoles roles, GraphicsTableCell* cell)
{
    if (!m_model)
        return;
    if (!cell) {
        if (!areCellIndicesValid(row, column))
            return;
        cell = m_cells[row][column];
        if (!cell)
            return;
    }
    auto ask = [&](TableModelRole role) { return roles.testFlag(role) ? m_model->data(row, column, role) : QVariant(); };
    if (const QVariant v = ask(BackGradientStopsRole); v.isValid())
        cell->setBackGradientStops(v.value<QGradientStops>());
    if (const QVariant v = ask(ForeGradientStopsRole); v.isValid())
        cell->setForeGradientStops(v.value<QGradientStops>());
    if (const QVariant v = ask(BorderColorRole); v.isValid())
        cell->setBorderColor(v.value<QColor>());
    if (const QVariant v = ask(TextAlignmentRole); v.isValid())
        cell->setTextAlignment(Qt::Alignment(v.toInt()));
    if (roles.testFlag(TextRole) || roles.testFlag(EditTextRole)) {
        if (const QVariant v = m_model->data(row, column, TextRole); v.isValid())
            cell->setText(cellText(v, cell));
    }
    if (isEditable(m_model->flags(row, column))) {
        if (const QVariant v = ask(EditBackGradientStopsRole); v.isValid())
            cell->setEditBackGradientStops(v.value<QGradientStops>());
        if (const QVariant v = ask(EditForeGradientStopsRole); v.isValid())
            cell->setForeGradientStops(v.value<QGradientStops>());
        if (const QVariant v = ask(EditForeColorRole); v.isValid())
            cell->setEditForeColor(v.value<QColor>());
    }
    if (roles.testFlag(SizeRole) && m_model->data(row, column, SizeRole).isValid())
        cell->setBounds(QRectF(cell->pos(), cellSize(row, column)));
    if (roles.testFlag(RectRole) && m_model->data(row, column, RectRole).isValid())
        cell->setBounds(cellBounds(row, column));
}

void GraphicsTable::obtainHeaderData(Qt::Orientation orientation, int section, TableModelRoles roles,
                                     GraphicsTableCell* header)
{
    if (!m_model)
        return;
    if (!header) {
        if (!areHeaderIndicesValid(orientation, section))
            return;
        header = m_headers.value(orientation).at(section);
    }
    auto ask = [&](TableModelRole role) {
        return roles.testFlag(role) ? m_model->headerData(orientation, section, role) : QVariant();
    };
    if (const QVariant v = ask(BackGradientStopsRole); v.isValid())
        header->setBackGradientStops(v.value<QGradientStops>());
    if (const QVariant v = ask(ForeGradientStopsRole); v.isValid())
        header->setForeGradientStops(v.value<QGradientStops>());
    if (const QVariant v = ask(BorderColorRole); v.isValid())
        header->setBorderColor(v.value<QColor>());
    if (const QVariant v = ask(TextAlignmentRole); v.isValid())
        header->setTextAlignment(Qt::Alignment(v.toInt()));
    if (roles.testFlag(TextRole) || roles.testFlag(EditTextRole)) {
        if (const QVariant v = m_model->headerData(orientation, section, TextRole); v.isValid())
            header->setText(v.toString());
    }
    if (isEditable(m_model->headerFlags(orientation, section))) {
        if (const QVariant v = ask(EditBackGradientStopsRole); v.isValid())
            header->setEditBackGradientStops(v.value<QGradientStops>());
        if (const QVariant v = ask(EditForeGradientStopsRole); v.isValid())
            header->setForeGradientStops(v.value<QGradientStops>());
        if (const QVariant v = ask(EditForeColorRole); v.isValid())
            header->setEditForeColor(v.value<QColor>());
    }
    if (roles.testFlag(SizeRole) && m_model->headerData(orientation, section, SizeRole).isValid())
        header->setBounds(QRectF(header->pos(), headerSize(orientation, section)));
    if (roles.testFlag(RectRole) && m_model->headerData(orientation, section, RectRole).isValid())
        header->setBounds(headerBounds(orientation, section));
}

QRectF GraphicsTable::modelCellBounds(int row, int column) const
{
    const QVariant rect = m_model ? m_model->data(row, column, RectRole) : QVariant();
    return rect.isValid() ? rect.toRectF().translated(boundingRect().topLeft()) : QRectF(0, 0, 0, 0);
}

QSizeF GraphicsTable::modelCellSize(int row, int column) const
{
    const QVariant size = m_model ? m_model->data(row, column, SizeRole) : QVariant();
    return size.isValid() ? size.toSizeF() : QSizeF(-1, -1);
}

QRectF GraphicsTable::modelHeaderBounds(Qt::Orientation orientation, int section) const
{
    const QVariant rect = m_model ? m_model->headerData(orientation, section, RectRole) : QVariant();
    return rect.isValid() ? rect.toRectF().translated(boundingRect().topLeft()) : QRectF(0, 0, 0, 0);
}

QSizeF GraphicsTable::modelHeaderSize(Qt::Orientation orientation, int section) const
{
    const QVariant size = m_model ? m_model->headerData(orientation, section, SizeRole) : QVariant();
    return size.isValid() ? size.toSizeF() : QSizeF(-1, -1);
}

double GraphicsTable::overriddenRowHeight(int row) const
{
    return m_rowsHeight.value(row, m_defaultRowHeight);
}

double GraphicsTable::overriddenColumnWidth(int column) const
{
    return m_columnsWidth.value(column, m_defaultColumnWidth);
}

double GraphicsTable::overriddenTotalRowHeight(int lastRow) const
{
    double total = 0.0;
    for (int i = 0; i <= lastRow; ++i)
        total += overriddenRowHeight(i);
    return total;
}

double GraphicsTable::overriddenTotalColumnWidth(int lastColumn) const
{
    double total = 0.0;
    for (int i = 0; i <= lastColumn; ++i)
        total += overriddenColumnWidth(i);
    return total;
}

QSizeF GraphicsTable::overriddenCellSize(int row, int column) const
{
    return {overriddenColumnWidth(column), overriddenRowHeight(row)};
}

QRectF GraphicsTable::overriddenCellBounds(int row, int column) const
{
    const QPointF origin = boundingRect().topLeft();
    return {QPointF(origin.x() + overriddenTotalColumnWidth(column - 1), origin.y() + overriddenTotalRowHeight(row - 1)),
            overriddenCellSize(row, column)};
}

QRectF GraphicsTable::cellBounds(int row, int column) const
{
    return m_overrideModelDimensions ? overriddenCellBounds(row, column) : modelCellBounds(row, column);
}

QSizeF GraphicsTable::cellSize(int row, int column) const
{
    return m_overrideModelDimensions ? overriddenCellSize(row, column) : modelCellSize(row, column);
}

QRectF GraphicsTable::headerBounds(Qt::Orientation orientation, int section) const
{
    return modelHeaderBounds(orientation, section);
}

QSizeF GraphicsTable::headerSize(Qt::Orientation orientation, int section) const
{
    return modelHeaderSize(orientation, section);
}

QRectF GraphicsTable::tableBounds() const
{
    const QPointF origin = boundingRect().topLeft();
    if (!m_model)
        return {origin, QSizeF(0, 0)};
    const QRectF last = cellBounds(m_model->rowCount() - 1, m_model->columnCount() - 1);
    if (last.width() == 0.0 && last.height() == 0.0)
        return {origin, QSizeF(0, 0)};
    return QRectF(origin, last.bottomRight());
}

bool GraphicsTable::areCellIndicesValid(int row, int column) const
{
    return row >= 0 && column >= 0 && row < int(m_cells.size()) && column < int(m_cells[row].size());
}

bool GraphicsTable::areHeaderIndicesValid(Qt::Orientation orientation, int section) const
{
    return m_headers.contains(orientation) && section >= 0 && section < int(m_headers[orientation].size());
}

void GraphicsTable::cellIndices(const GraphicsTableCell* cell, int& row, int& column) const
{
    row = -1;
    column = -1;
    for (int r = 0; r < qMin(m_rowsCount, int(m_cells.size())); ++r) {
        const int c = int(m_cells[r].indexOf(cell));
        if (c >= 0) {
            row = r;
            column = c;
            return;
        }
    }
}

GraphicsTableCell* GraphicsTable::cell(int row, int column) const
{
    return areCellIndicesValid(row, column) ? m_cells[row][column] : nullptr;
}

GraphicsTableCell* GraphicsTable::header(Qt::Orientation orientation, int section) const
{
    return areHeaderIndicesValid(orientation, section) ? m_headers[orientation][section] : nullptr;
}

void GraphicsTable::onDataChanged(int row, int column, int role)
{
    if (m_model && areCellIndicesValid(row, column))
        obtainCellData(row, column, TableModelRoles::fromInt(role), nullptr);
}

void GraphicsTable::onHeaderDataChanged(Qt::Orientation orientation, int section, int role)
{
    if (m_model && areHeaderIndicesValid(orientation, section))
        obtainHeaderData(orientation, section, TableModelRoles::fromInt(role), nullptr);
}

void GraphicsTable::modelDimensionsChanged()
{
    if (m_model)
        setDimensions(m_model->rowCount(), m_model->columnCount());
}

void GraphicsTable::onRowsAdded(int top, int bottom)
{
    // Rows appended below an unchanged grid leave the cells above as they
    // were: only the new rows need their data (a model fills row by row).
    const bool appended = m_model && !m_cellsNeedInit && top == m_rowsCount && bottom >= top && m_rowsCount > 0
        && m_model->rowCount() == bottom + 1 && m_model->columnCount() == m_columnsCount
        && !m_model->hasHeader(Qt::Vertical);
    if (!appended) {
        modelDimensionsChanged();
        return;
    }
    bringInEnteringItems(bottom + 1, m_columnsCount, false, m_model->hasHeader(Qt::Horizontal), top);
    m_rowsCount = bottom + 1;
    for (int r = top; r <= bottom; ++r) {
        for (int c = 0; c < m_columnsCount; ++c)
            initCell(r, c, m_cells[r][c]);
    }
    setBounds(tableBounds());
    emit dimensionsChanged();
}

void GraphicsTable::onRowsRemoved(int, int)
{
    modelDimensionsChanged();
}

void GraphicsTable::onColumnsAdded(int, int)
{
    modelDimensionsChanged();
}

void GraphicsTable::onColumnsRemoved(int, int)
{
    modelDimensionsChanged();
}

void GraphicsTable::onCellTextChanged(QString changedText)
{
    auto* edited = qobject_cast<GraphicsTableCell*>(sender());
    if (!m_model || !edited)
        return;
    int row = -1;
    int column = -1;
    cellIndices(edited, row, column);
    if (row < 0 || column < 0)
        return;
    // A text that is no number in the cell's locale writes nothing, so a
    // mistyped value never becomes 0; nor does a text left as it was shown,
    // so that opening an editor and leaving it changes nothing.
    const DecimalValueValidator* validator = numberValidator(edited);
    if (!validator || changedText == cellText(m_model->data(row, column, TextRole), edited))
        return;
    bool ok = false;
    const double value = validator->value(changedText, &ok);
    if (!ok || !std::isfinite(value))
        return;
    m_model->setData(row, column, QVariant(value), EditTextRole);
}

} // namespace Corvane::Gadgets
