#include "energy/TablePaintData.h"

#include "controls/SvgControl.h"
#include "theme/ThemeProvider.h"

namespace Corvane::Gadgets::Models {

const QString TablePaintData::TABLE_BORDER_COLOR = QStringLiteral("table_border_color");
const QString TablePaintData::TABLE_COLUMN_HEADERS_FONT_COLOR = QStringLiteral("table_column_head_font_color");
const QString TablePaintData::TABLE_COLUMN_HEADERS_BACK_COLOR = QStringLiteral("table_column_head_back_color");
const QString TablePaintData::TABLE_ODD_ROWS_BACK_COLOR = QStringLiteral("table_odd_rows_back_color");
const QString TablePaintData::TABLE_EVEN_ROWS_BACK_COLOR = QStringLiteral("table_even_rows_back_color");
const QString TablePaintData::TABLE_READ_ONLY_CELLS_FONT_COLOR = QStringLiteral("table_read_only_cells_font_color");
const QString TablePaintData::TABLE_READ_WRITE_CELLS_FONT_COLOR = QStringLiteral("table_read_write_cells_font_color");
const QString TablePaintData::TABLE_READ_WRITE_CELLS_EDIT_FONT_COLOR =
    QStringLiteral("table_read_write_cells_edit_font_color");
const QString TablePaintData::TABLE_ODD_ROWS_READ_WRITE_CELLS_BACK_COLOR =
    QStringLiteral("table_odd_rows_read_write_cells_back_color");
const QString TablePaintData::TABLE_EVEN_ROWS_READ_WRITE_CELLS_BACK_COLOR =
    QStringLiteral("table_even_rows_read_write_cells_back_color");

void TablePaintData::setThemeElementId(const QString& id)
{
    m_themeElementId = id;
    readThemeSettings();
}

QString TablePaintData::key(const QString& keyText) const
{
    return m_themeElementId.isEmpty() ? keyText : m_themeElementId + SvgControl::SUFFIX_SEPARATOR + keyText;
}

void TablePaintData::readThemeSettings()
{
    borderColor = ThemeProvider::getColor(key(TABLE_BORDER_COLOR), Qt::transparent);
    ThemeProvider::getGradientColorStops(key(TABLE_COLUMN_HEADERS_FONT_COLOR), columnHeadersForeStops);
    ThemeProvider::getGradientColorStops(key(TABLE_COLUMN_HEADERS_BACK_COLOR), columnHeadersBackStops);
    ThemeProvider::getGradientColorStops(key(TABLE_ODD_ROWS_BACK_COLOR), oddRowsBackStops);
    ThemeProvider::getGradientColorStops(key(TABLE_EVEN_ROWS_BACK_COLOR), evenRowsBackStops);
    ThemeProvider::getGradientColorStops(key(TABLE_READ_ONLY_CELLS_FONT_COLOR), readOnlyCellsForeStops);
    ThemeProvider::getGradientColorStops(key(TABLE_READ_WRITE_CELLS_FONT_COLOR), readWriteCellsForeStops);
    readWriteCellsEditForeColor = ThemeProvider::getColor(key(TABLE_READ_WRITE_CELLS_EDIT_FONT_COLOR), Qt::transparent);
    ThemeProvider::getGradientColorStops(key(TABLE_ODD_ROWS_READ_WRITE_CELLS_BACK_COLOR),
                                         oddRowsReadWriteCellsBackStops);
    ThemeProvider::getGradientColorStops(key(TABLE_EVEN_ROWS_READ_WRITE_CELLS_BACK_COLOR),
                                         evenRowsReadWriteCellsBackStops);
}

QLinearGradient TablePaintData::stopsToGradient(const QGradientStops& stops)
{
    QLinearGradient gradient(0.0, 0.0, 0.0, 1.0);
    gradient.setCoordinateMode(QGradient::ObjectBoundingMode);
    gradient.setStops(stops);
    return gradient;
}

QBrush TablePaintData::stopsToBrush(const QGradientStops& stops)
{
    return QBrush(stopsToGradient(stops));
}

} // namespace Corvane::Gadgets::Models
