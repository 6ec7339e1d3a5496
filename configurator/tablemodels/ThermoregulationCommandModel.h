#pragma once

#include "devices/DeviceAddress.h"
#include "tablemodels/BaseModel.h"

namespace Corvane::Configurator::TableModels {

// A copy of one favourite command of an air conditioner being edited:
// Description and Address rows. The id it was opened with tells which
// command of the device it edits (EMPTY_ID for a new one).
class ThermoregulationCommandModel : public BaseModel
{
    Q_OBJECT

public:
    enum Row { DescriptionRow = 0, AddressRow = 1 };

    ThermoregulationCommandModel(const Devices::DeviceAddress& address, const QString& description, int id,
                                 int addressType, QObject* parent = nullptr);

    int originalDeviceId() const { return m_originalId; }
    QString description() const { return m_description; }
    Devices::DeviceAddress address() const { return m_address; }
    int addressType() const { return m_addressType; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    HelpMessage getHelpMessage(const QModelIndex& index) const override;

    // The address a cell value stands for: the empty address when it holds none.
    static Devices::DeviceAddress addressFromValue(const QVariant& value);
    // The flags of a caption (column 0) and value (column 1) property row.
    static Qt::ItemFlags propertyFlags(const QModelIndex& index);

private:
    int m_originalId;
    QString m_description;
    Devices::DeviceAddress m_address;
    int m_addressType;
};

} // namespace Corvane::Configurator::TableModels
