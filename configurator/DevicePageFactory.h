#pragma once

#include "DevicesTreeModel.h"

#include <QList>

class QAbstractItemDelegate;

namespace Corvane::Devices {
class BaseDeviceProperties;
class Configuration;
}

namespace Corvane::Configurator {

namespace TableModels {
class BaseTableModel;
}

// The table model and delegate of a device family's page.
class DevicePageFactory
{
public:
    struct Page
    {
        TableModels::BaseTableModel* model = nullptr;
        // A child of the model.
        QAbstractItemDelegate* delegate = nullptr;
    };

    DevicePageFactory() = delete;

    // A parentless model over devices and its delegate, for a device page
    // node; project answers the validation marks. No model for any other
    // node.
    static Page create(DevicesTreeModel::NodeType node, const QList<Devices::BaseDeviceProperties*>& devices,
                       const Devices::Configuration* project);
};

} // namespace Corvane::Configurator
