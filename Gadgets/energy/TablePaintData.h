#pragma once

#include <QBrush>
#include <QColor>
#include <QGradientStops>
#include <QLinearGradient>
#include <QString>

namespace Corvane::Gadgets::Models {

// The theme colours of one table: borders, header and row fills, text
// gradients of read-only and editable cells. Keys are the theme element id,
// "_" and the key text (the bare key text without an element id).
class TablePaintData
{
public:
    static const QString TABLE_BORDER_COLOR;
    static const QString TABLE_COLUMN_HEADERS_FONT_COLOR;
    static const QString TABLE_COLUMN_HEADERS_BACK_COLOR;
    static const QString TABLE_ODD_ROWS_BACK_COLOR;
    static const QString TABLE_EVEN_ROWS_BACK_COLOR;
    static const QString TABLE_READ_ONLY_CELLS_FONT_COLOR;
    static const QString TABLE_READ_WRITE_CELLS_FONT_COLOR;
    static const QString TABLE_READ_WRITE_CELLS_EDIT_FONT_COLOR;
    static const QString TABLE_ODD_ROWS_READ_WRITE_CELLS_BACK_COLOR;
    static const QString TABLE_EVEN_ROWS_READ_WRITE_CELLS_BACK_COLOR;

    QString themeElementId() const { return m_themeElementId; }
    void setThemeElementId(const QString& id);
    // A missing colour key reads as transparent; a missing or malformed
    // gradient key keeps the stops read before.
    void readThemeSettings();

    // A top-to-bottom gradient over whatever it fills.
    static QLinearGradient stopsToGradient(const QGradientStops& stops);
    static QBrush stopsToBrush(const QGradientStops& stops);

    QColor borderColor = Qt::transparent;
    QGradientStops columnHeadersForeStops;
    QGradientStops columnHeadersBackStops;
    // Rows 0, 2, 4 ... are the odd (first, third ...) rows.
    QGradientStops oddRowsBackStops;
    QGradientStops evenRowsBackStops;
    QGradientStops readOnlyCellsForeStops;
    QGradientStops readWriteCellsForeStops;
    QColor readWriteCellsEditForeColor = Qt::transparent;
    QGradientStops oddRowsReadWriteCellsBackStops;
    QGradientStops evenRowsReadWriteCellsBackStops;

private:
    QString key(const QString& keyText) const;

    QString m_themeElementId;
};

} // namespace Corvane::Gadgets::Models
