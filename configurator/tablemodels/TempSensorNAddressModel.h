#pragma once

#include "tablemodels/BaseAddressTreeModel.h"

namespace Corvane::Configurator::TableModels {

// The address of a temperature probe or zone (address type 8): the zone
// as ZA (area) and ZB (point).
class TempSensorNAddressModel : public BaseAddressTreeModel
{
    Q_OBJECT

public:
    static constexpr int ADDRESS_TYPE = 8;

    explicit TempSensorNAddressModel(const Devices::DeviceAddress& address, QObject* parent = nullptr);

    Devices::DeviceAddress createAddress() const override;
    // The ZB values of the chosen ZA: 1..9 for ZA 0 (zone 00 does not
    // exist), 0..9 otherwise (zones 10, 20 ... 90).
    void getPointIdValues(QList<int>& values) const override;
    HelpMessage getHelpMessage(const QModelIndex& index) const override;

    // The help of the ZA and ZB rows, shared with the other zone models.
    static HelpMessage zoneHelpMessage(int fieldType);

protected:
    // A ZA change moves ZB to the nearest value of the new ZA.
    void validate() override;

private:
    void setupModelData(const Devices::DeviceAddress& address);

    DeviceTreeItem* m_zoneA = nullptr;
    DeviceTreeItem* m_zoneB = nullptr;
};

} // namespace Corvane::Configurator::TableModels
