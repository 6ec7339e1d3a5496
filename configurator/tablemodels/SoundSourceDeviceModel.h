#pragma once

#include "devices/BaseDeviceProperties.h"
#include "devices/DeviceAddress.h"
#include "tablemodels/BaseModel.h"

namespace Corvane::Configurator::TableModels {

// The sound-source dialog's copy of one source: Address, Description and
// Type as caption/value rows.
class SoundSourceDeviceModel : public BaseModel
{
    Q_OBJECT

public:
    static constexpr int ROW_ADDRESS_INDEX = 0;
    static constexpr int ROW_DESCRIPTION_INDEX = 1;
    static constexpr int ROW_DEVICE_TYPE_INDEX = 2;
    static constexpr int COLUMN_LABEL_INDEX = 0;
    static constexpr int COLUMN_VALUE_INDEX = 1;
    // What a source added in the dialog starts with.
    static constexpr int NEW_SOURCE_TYPE = 23001;
    static Devices::DeviceAddress newSourceAddress();

    // originalDeviceId: the project device the copy stands for, or
    // Devices::Utilities::emtpyDeviceId() for a source added in the dialog.
    SoundSourceDeviceModel(const Devices::DeviceAddress& address, const QString& description,
                           Devices::BaseDeviceProperties::DeviceType type, int originalDeviceId, int addressType,
                           QObject* parent = nullptr);

    int originalDeviceId() const { return m_deviceId; }
    QString description() const { return m_description; }
    Devices::BaseDeviceProperties::DeviceType deviceType() const { return m_deviceType; }
    Devices::DeviceAddress address() const { return m_address; }
    int addressType() const { return m_addressType; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // Column 1 only, whatever the role.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    HelpMessage getHelpMessage(const QModelIndex& index) const override;

private:
    QVariant value(int row, int role) const;

    int m_deviceId;
    QString m_description;
    Devices::BaseDeviceProperties::DeviceType m_deviceType;
    Devices::DeviceAddress m_address;
    int m_addressType;
};

} // namespace Corvane::Configurator::TableModels
