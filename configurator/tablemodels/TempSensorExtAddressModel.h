#pragma once

#include "tablemodels/BaseAddressTreeModel.h"

namespace Corvane::Configurator::TableModels {

// The address of an external temperature probe (address type 7): its
// number N, 1 to 9, kept in the area.
class TempSensorExtAddressModel : public BaseAddressTreeModel
{
    Q_OBJECT

public:
    static constexpr int ADDRESS_TYPE = 7;

    explicit TempSensorExtAddressModel(const Devices::DeviceAddress& address, QObject* parent = nullptr);

    Devices::DeviceAddress createAddress() const override;
    void getAreaIdValues(QList<int>& values) const override;
    HelpMessage getHelpMessage(const QModelIndex& index) const override;

private:
    void setupModelData(const Devices::DeviceAddress& address);

    DeviceTreeItem* m_number = nullptr;
};

} // namespace Corvane::Configurator::TableModels
