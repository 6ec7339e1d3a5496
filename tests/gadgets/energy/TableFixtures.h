#pragma once

#include "energy/AbstractTableModel.h"
#include "theme/ThemeProvider.h"

#include <QFile>
#include <QTemporaryDir>

// A model of any size whose cells read "r,c"; columns listed in
// editableColumns take edits (as numbers) and report them.
class FixtureTableModel : public Corvane::Gadgets::Models::AbstractTableModel
{
public:
    int rows = 0;
    int columns = 0;
    bool verticalHeader = false;
    bool horizontalHeader = true;
    QList<int> editableColumns;
    QList<QPair<QPoint, QVariant>> writes;
    QMap<QPoint, double> values;
    int dataCalls = 0;

    int rowCount() const override { return rows; }
    int columnCount() const override { return columns; }
    bool hasHeader(Qt::Orientation orientation) const override
    {
        return orientation == Qt::Vertical ? verticalHeader : horizontalHeader;
    }
    QVariant data(int row, int column, int role) const override
    {
        ++const_cast<FixtureTableModel*>(this)->dataCalls;
        if (areIndicesValid(row, column) && role == Corvane::Gadgets::GadgetsCommon::TextRole) {
            if (values.contains(QPoint(column, row)))
                return values.value(QPoint(column, row));
            return QStringLiteral("%1,%2").arg(row).arg(column);
        }
        return AbstractTableModel::data(row, column, role);
    }
    bool setData(int row, int column, const QVariant& value, int role) override
    {
        writes.append({QPoint(column, row), value});
        Q_UNUSED(role)
        return true;
    }
    Qt::ItemFlags flags(int row, int column) const override
    {
        Qt::ItemFlags result = AbstractTableModel::flags(row, column);
        if (editableColumns.contains(column))
            result |= Qt::ItemIsEditable;
        return result;
    }
    double rowHeight(int row) const override { return 20.0 + row; }
    double columnHeaderRowHeight() const override { return horizontalHeader ? 30.0 : 0.0; }
    double columnWidth(int column) const override { return 50.0 + 10.0 * column; }
    double rowHeaderColumnWidth() const override { return verticalHeader ? 15.0 : 0.0; }

    void resize(int newRows, int newColumns)
    {
        const int oldRows = rows;
        rows = newRows;
        columns = newColumns;
        if (newRows > oldRows)
            emit rowsInserted(oldRows, newRows - 1);
        else
            emit rowsRemoved(newRows, oldRows - 1);
    }
};

inline bool operator<(const QPoint& a, const QPoint& b)
{
    return a.y() != b.y() ? a.y() < b.y() : a.x() < b.x();
}

// A theme folder on disk holding only a theme.ini of the given lines.
class IniTheme
{
public:
    explicit IniTheme(const QByteArray& lines)
    {
        QFile ini(m_dir.filePath(QStringLiteral("theme.ini")));
        ini.open(QIODevice::WriteOnly);
        ini.write("[General]\n" + lines);
        ini.close();
        Corvane::Gadgets::ThemeProvider::clear();
        Corvane::Gadgets::ThemeProvider::DefaultThemeFolder = m_dir.path();
        Corvane::Gadgets::ThemeProvider::setThemeFile(QString());
    }
    ~IniTheme()
    {
        Corvane::Gadgets::ThemeProvider::clear();
        Corvane::Gadgets::ThemeProvider::DefaultThemeFolder = QStringLiteral(":/CorvaneTheme");
    }

private:
    QTemporaryDir m_dir;
};
