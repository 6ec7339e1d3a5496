#pragma once

#include "devices/DeviceAddress.h"
#include "tablemodels/BaseTreeModel.h"

#include <QList>

namespace Corvane::Configurator::TableModels {

// Base of the address trees edited in the address dialog: rows of caption,
// text, value, field type and icon; the value lists of the combos and the
// snapping of a changed value come from the address rules of its address
// type.
class BaseAddressTreeModel : public BaseTreeModel
{
    Q_OBJECT

public:
    // The columns of an address row.
    enum AddressColumn { CaptionColumn = 0, TextColumn = 1, ValueColumn = 2, FieldTypeColumn = 3, IconColumn = 4 };
    // The field a row edits.
    enum FieldType {
        HeaderField = 0,
        AreaField = 2,
        PointField = 3,
        LevelField = 4,
        InterfaceField = 5,
        ScenarioLevelField = 7,
        ScenarioNumberField = 8,
    };

    BaseAddressTreeModel(const Devices::DeviceAddress& address, int addressType, QObject* parent = nullptr);

    virtual Devices::DeviceAddress createAddress() const = 0;
    virtual int additionalParameter() const { return 0; }
    virtual int addressType() const { return m_addressType; }
    virtual void getAreaIdValues(QList<int>& values) const;
    virtual void getPointIdValues(QList<int>& values) const;
    virtual void getLevelValues(QList<int>& values) const;
    virtual void getInterfaceValues(QList<int>& values) const;

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    HelpMessage getHelpMessage(const QModelIndex& index) const override;

    int getFieldType(const QModelIndex& index) const;
    QVariant getValueForIndex(const QModelIndex& index) const;

    // The text a value of field shows.
    static QString valueText(int fieldType, int value);
    static QList<QVariant> rowValues(const QString& caption, int fieldType, int value, const QString& text);

protected:
    // Snaps the rows to the address rules after a change; each row it
    // changes is reported with dataChanged.
    virtual void validate() {}
    // Shows or hides rows after a value changed (row signals are the
    // model's own).
    virtual void updateVisibleRows() {}

    // Sets value, text and icon of a row and reports the change when the
    // row is in the tree.
    void setRowValue(DeviceTreeItem* row, int value);
    void setRowValue(DeviceTreeItem* row, int value, const QString& text, const QString& iconPath);
    QModelIndex indexOfItem(const DeviceTreeItem* item, int column) const;
    static int rowValue(const DeviceTreeItem* row);
    // Takes row out of its parent with row signals; it stays the model's.
    void detachRow(DeviceTreeItem* row);
    // Appends row as the last child of parent with row signals, unless it
    // is there already.
    void attachRow(DeviceTreeItem* parent, DeviceTreeItem* row);

private:
    int m_addressType;
};

} // namespace Corvane::Configurator::TableModels
