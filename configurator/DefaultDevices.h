#pragma once

#include "DevicesTreeModel.h"
#include "devices/BaseDeviceProperties.h"

namespace Corvane::Devices {
class WebServerDeviceProperties;
}

namespace Corvane::Configurator {

// What a page of the tree holds and what a new device of the page is.
class DefaultDevices
{
public:
    DefaultDevices() = delete;

    static Devices::BaseDeviceProperties::DeviceGroup deviceGroupFromNode(DevicesTreeModel::NodeType node);
    // A new device of a family page (the caller owns it), null for other nodes.
    static Devices::BaseDeviceProperties* createDevice(DevicesTreeModel::NodeType node);
    // A new gateway with the default network address (the caller owns it).
    static Devices::WebServerDeviceProperties* createWebServer();
    static bool isFamilyNode(DevicesTreeModel::NodeType node);
};

} // namespace Corvane::Configurator
