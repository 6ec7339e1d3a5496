#pragma once

#include "controls/SvgControlObject.h"
#include "energy/GadgetsCommon.h"

#include <QList>
#include <QLocale>
#include <QMap>
#include <QPointer>

namespace Corvane::Gadgets {

namespace Models {
class AbstractTableModel;
}
class DecimalValueValidator;
class GraphicsTableCell;

// Shows a table model as a grid of cells with optional header rows and
// columns. The pool of cells only grows: cells outside the current grid are
// hidden and shown again when the grid grows back. Every visual property of a
// cell comes from the model by role; edits of editable cells go back to the
// model as numbers. Without a model the table ignores dimension changes.
class GraphicsTable : public SvgControlObject
{
    Q_OBJECT

public:
    static const int BORDER_WIDTH_DEFAULT;
    static const double CELL_HEIGHT_DEFAULT;
    static const double CELL_WIDTH_DEFAULT;
    static const double VALUE_MIN;
    static const double VALUE_MAX;
    static const int DECIMALS_COUNT;

    explicit GraphicsTable(SvgControlObject* parent);

    Models::AbstractTableModel* model() const { return m_model; }
    void setModel(Models::AbstractTableModel* model);
    void recalculateCellsBounds();

    int rowsCount() const { return m_rowsCount; }
    int columnsCount() const { return m_columnsCount; }
    int tableCapacityRowsCount() const { return int(m_cells.size()); }
    int tableCapacityColumnsCount() const { return m_cells.isEmpty() ? 0 : int(m_cells.first().size()); }

    bool overrideModelDimensions() const { return m_overrideModelDimensions; }
    void setOverrideModelDimensions(bool override) { m_overrideModelDimensions = override; }
    void setDefaultRowHeight(double height) { m_defaultRowHeight = height; }
    void setDefaultColumnWidth(double width) { m_defaultColumnWidth = width; }
    void setRowsHeight(const QMap<int, double>& heights) { m_rowsHeight = heights; }
    void setColumnsWidth(const QMap<int, double>& widths) { m_columnsWidth = widths; }

    int borderWidth() const { return int(m_borderWidth); }
    void setBorderWidth(int width);

    QRectF cellBounds(int row, int column) const;
    QSizeF cellSize(int row, int column) const;
    QRectF headerBounds(Qt::Orientation orientation, int section) const;
    QSizeF headerSize(Qt::Orientation orientation, int section) const;
    QRectF tableBounds() const;
    QRectF modelCellBounds(int row, int column) const;
    QSizeF modelCellSize(int row, int column) const;
    QRectF modelHeaderBounds(Qt::Orientation orientation, int section) const;
    QSizeF modelHeaderSize(Qt::Orientation orientation, int section) const;
    double overriddenRowHeight(int row) const;
    double overriddenColumnWidth(int column) const;
    double overriddenTotalRowHeight(int lastRow) const;
    double overriddenTotalColumnWidth(int lastColumn) const;
    QSizeF overriddenCellSize(int row, int column) const;
    QRectF overriddenCellBounds(int row, int column) const;

    bool areCellIndicesValid(int row, int column) const;
    bool areHeaderIndicesValid(Qt::Orientation orientation, int section) const;
    void cellIndices(const GraphicsTableCell* cell, int& row, int& column) const;
    GraphicsTableCell* cell(int row, int column) const;
    GraphicsTableCell* header(Qt::Orientation orientation, int section) const;

    // The validator an editable cell shows and reads its number with; null
    // for other cells.
    static const DecimalValueValidator* numberValidator(const GraphicsTableCell* cell);

public slots:
    void setDimensions(int rowsCount, int columnsCount);
    void onDataChanged(int row, int column, int role);
    void onHeaderDataChanged(Qt::Orientation orientation, int section, int role);
    void onRowsAdded(int top, int bottom);
    void onRowsRemoved(int top, int bottom);
    void onColumnsAdded(int left, int right);
    void onColumnsRemoved(int left, int right);
    void onCellTextChanged(QString changedText);

signals:
    void dimensionsChanged();

protected:
    void initCell(int row, int column, GraphicsTableCell* cell);
    void initHeader(Qt::Orientation orientation, int section, GraphicsTableCell* header);
    GraphicsTableCell* createCell(int row, int column);
    GraphicsTableCell* createHeader(Qt::Orientation orientation, int section);
    void obtainCellData(int row, int column, GadgetsCommon::TableModelRoles roles, GraphicsTableCell* cell);
    void obtainHeaderData(Qt::Orientation orientation, int section, GadgetsCommon::TableModelRoles roles,
                          GraphicsTableCell* header);

private:
    GraphicsTableCell* newItem();
    void hideLeavingItems(int rows, int columns);
    void bringInEnteringItems(int rows, int columns, bool verticalHeader, bool horizontalHeader,
                              int firstShownRow = 0);
    void showHeaders(Qt::Orientation orientation, int count, bool visible);
    void modelDimensionsChanged();
    QString cellText(const QVariant& answer, const GraphicsTableCell* cell) const;

    double m_borderWidth = BORDER_WIDTH_DEFAULT;
    QList<QList<GraphicsTableCell*>> m_cells;
    QMap<Qt::Orientation, QList<GraphicsTableCell*>> m_headers;
    int m_rowsCount = 0;
    int m_columnsCount = 0;
    bool m_overrideModelDimensions = false;
    double m_defaultRowHeight = CELL_HEIGHT_DEFAULT;
    QMap<int, double> m_rowsHeight;
    double m_defaultColumnWidth = CELL_WIDTH_DEFAULT;
    QMap<int, double> m_columnsWidth;
    QPointer<Models::AbstractTableModel> m_model;
    // Set when a change (the border width) reaches cells only at their next
    // initialisation, so the next dimension change initialises every cell.
    bool m_cellsNeedInit = false;
};

} // namespace Corvane::Gadgets
