#pragma once

#include "tablemodels/BaseAddressTreeModel.h"

namespace Corvane::Configurator::TableModels {

// The address of a probe or zone with a third field (address types 9 and
// 12): ZA, ZB and the third field, captioned "Slave" for type 9 and "N"
// otherwise. The address rules keep the third field in the address's level.
class ThermoregNotControlledAddrModel : public BaseAddressTreeModel
{
    Q_OBJECT

public:
    ThermoregNotControlledAddrModel(const Devices::DeviceAddress& address, int addressType, QObject* parent = nullptr);

    Devices::DeviceAddress createAddress() const override;
    // The ZB values of the chosen ZA, as for a probe zone.
    void getPointIdValues(QList<int>& values) const override;
    // The values of the third field.
    void getInterfaceValues(QList<int>& values) const override;
    HelpMessage getHelpMessage(const QModelIndex& index) const override;

    QString thirdFieldCaption() const { return m_thirdCaption; }

protected:
    // A ZA change moves ZB to the nearest value of the new ZA.
    void validate() override;

private:
    void setupModelData(const Devices::DeviceAddress& address);

    QString m_thirdCaption;
    DeviceTreeItem* m_zoneA = nullptr;
    DeviceTreeItem* m_zoneB = nullptr;
    DeviceTreeItem* m_third = nullptr;
};

} // namespace Corvane::Configurator::TableModels
