#pragma once

#include "energy/GadgetsCommon.h"
#include "energy/TablePaintData.h"

#include <QObject>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QVariant>

namespace Corvane::Gadgets::Models {

// The model behind a graphics table: cells by plain row and column, header
// sections by orientation, and everything a cell shows asked for by one
// GadgetsCommon::TableModelRole. The base lays cells out from the sizes a
// subclass gives, answers the size and rectangle roles, and keeps the theme
// colours the subclasses hand out. Gradient stops travel in QVariants of the
// meta type "QGradientStops".
class AbstractTableModel : public QObject
{
    Q_OBJECT

public:
    explicit AbstractTableModel(QObject* parent = nullptr);

    virtual int rowCount() const = 0;
    virtual int columnCount() const = 0;
    virtual bool hasHeader(Qt::Orientation orientation) const = 0;
    virtual QVariant data(int row, int column, int role) const;
    virtual bool setData(int row, int column, const QVariant& value, int role);
    virtual QVariant headerData(Qt::Orientation orientation, int section, int role) const;
    virtual bool setHeaderData(Qt::Orientation orientation, int section, const QVariant& value, int role);
    virtual bool insertRows(int row, int count);
    virtual bool insertColumns(int column, int count);
    virtual bool removeRows(int row, int count);
    virtual bool removeColumns(int column, int count);
    virtual Qt::ItemFlags flags(int row, int column) const;
    virtual Qt::ItemFlags headerFlags(Qt::Orientation orientation, int section) const;
    virtual double rowHeight(int row) const = 0;
    virtual double columnHeaderRowHeight() const = 0;
    virtual double columnWidth(int column) const = 0;
    virtual double rowHeaderColumnWidth() const = 0;

    QPointF cellPosition(int row, int column) const;
    QSizeF cellSize(int row, int column) const;
    QRectF cellRect(int row, int column) const;
    QPointF headerPosition(Qt::Orientation orientation, int section) const;
    QSizeF headerSize(Qt::Orientation orientation, int section) const;
    QRectF headerRect(Qt::Orientation orientation, int section) const;

    bool areIndicesValid(int row, int column) const;
    bool areHeaderIndicesValid(Qt::Orientation orientation, int section) const;
    bool hasValidDimensions() const;

    QString themeElementId() const { return m_paintData.themeElementId(); }
    // Stores the id and re-reads the colours at once, without announcing it.
    void setThemeElementId(const QString& id);
    // Re-reads the colours and announces every cell and header as repainted.
    void readThemeSettings();

    const TablePaintData& paintData() const { return m_paintData; }

signals:
    void dataChanged(int row, int column, int role);
    void headerDataChanged(Qt::Orientation orientation, int section, int role);
    void rowsInserted(int first, int last);
    void rowsRemoved(int first, int last);
    void columnsInserted(int first, int last);
    void columnsRemoved(int first, int last);

protected:
    TablePaintData m_paintData;

private:
    double totalColumnWidth(int columns) const;
    double totalRowHeight(int rows) const;
};

} // namespace Corvane::Gadgets::Models
