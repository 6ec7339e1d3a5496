#pragma once

#include "tablemodels/AddressTreeModel.h"

namespace Corvane::Configurator::TableModels {

// The KWB address of a sensor (address type 6).
class SensorAddressModel : public AddressTreeModel
{
    Q_OBJECT

public:
    static constexpr int ADDRESS_TYPE = 6;

    explicit SensorAddressModel(const Devices::DeviceAddress& address, QObject* parent = nullptr)
        : AddressTreeModel(address, ADDRESS_TYPE, parent)
    {
    }
};

} // namespace Corvane::Configurator::TableModels
