#pragma once

#include "devices/DeviceAddress.h"
#include "tablemodels/BaseModel.h"

namespace Corvane::Configurator::TableModels {

// The OFF command of an air conditioner being edited: whether it is shown
// (a choice of the user reported by presenceChanged) and its address.
class ThermoregulationOffCmdModel : public BaseModel
{
    Q_OBJECT

public:
    enum Row { PresenceRow = 0, AddressRow = 1 };

    ThermoregulationOffCmdModel(const Devices::DeviceAddress& address, bool presence, QObject* parent = nullptr);

    bool presence() const { return m_presence; }
    Devices::DeviceAddress address() const { return m_address; }
    int addressType() const;
    // Sets the presence without presenceChanged.
    void setPresence(bool presence);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    HelpMessage getHelpMessage(const QModelIndex& index) const override;

Q_SIGNALS:
    void presenceChanged();

private:
    Devices::DeviceAddress m_address;
    bool m_presence;
};

} // namespace Corvane::Configurator::TableModels
