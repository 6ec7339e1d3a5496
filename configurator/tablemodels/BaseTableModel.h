#pragma once

#include "tablemodels/BaseModel.h"
#include "tablemodels/Column.h"

#include <QList>

namespace Corvane::Devices {
class BaseDeviceProperties;
}

namespace Corvane::Configurator::TableModels {

// Base of the device tables: one row per device of a page, the columns of
// the page mapped from Column by columnIndex(). Shows and writes the common
// properties (description, type, address, PUL, groups) straight into the
// project's device objects, which it never owns.
class BaseTableModel : public BaseModel
{
    Q_OBJECT

public:
    BaseTableModel(const QList<Devices::BaseDeviceProperties*>& devices, QObject* parent = nullptr);

    // The section showing column, -1 when the page hides it. The base map
    // shows Description, Type, Address, PUL and Groups in that order.
    virtual int columnIndex(Column column) const;
    // The column shown in section, if any.
    bool columnAt(int section, Column& column) const;

    Devices::BaseDeviceProperties* device(int row) const;
    const QList<Devices::BaseDeviceProperties*>& devices() const { return m_devices; }
    // Takes every row of the device with id out of the list (the device is
    // not deleted). Signals a reset.
    void removeDevice(int id);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    HelpMessage getHelpMessage(const QModelIndex& index) const override;

    static QString columnTitle(Column column);

protected:
    // The device of a served index, else null.
    Devices::BaseDeviceProperties* deviceAt(const QModelIndex& index) const;

private:
    QList<Devices::BaseDeviceProperties*> m_devices;
};

} // namespace Corvane::Configurator::TableModels
