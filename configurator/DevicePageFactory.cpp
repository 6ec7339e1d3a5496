#include "DevicePageFactory.h"

#include "editdelegates/ActuatorEditDelegate.h"
#include "editdelegates/EnergyDelegate.h"
#include "editdelegates/LoadDelegate.h"
#include "editdelegates/ScenarioEditDelegate.h"
#include "editdelegates/SensorEditDelegate.h"
#include "editdelegates/ThermoregulationEditDelegate.h"
#include "tablemodels/ActuatorsTableModel.h"
#include "tablemodels/AutomationTableModel.h"
#include "tablemodels/EnergyTableModel.h"
#include "tablemodels/LoadTableModel.h"
#include "tablemodels/ScenariosTableModel.h"
#include "tablemodels/SensorsTableModel.h"
#include "tablemodels/ThermoregulationTableModel.h"

namespace Corvane::Configurator {

namespace {

template<typename Model, typename Delegate>
DevicePageFactory::Page makePage(const QList<Devices::BaseDeviceProperties*>& devices,
                                 const Devices::Configuration* project)
{
    auto* model = new Model(devices);
    return {model, new Delegate(project, model)};
}

} // namespace

DevicePageFactory::Page DevicePageFactory::create(DevicesTreeModel::NodeType node,
                                                  const QList<Devices::BaseDeviceProperties*>& devices,
                                                  const Devices::Configuration* project)
{
    using namespace TableModels;
    using namespace EditDelegates;
    switch (node) {
    case DevicesTreeModel::NodeLights:
        return makePage<ActuatorsTableModel, ActuatorEditDelegate>(devices, project);
    case DevicesTreeModel::NodeAutomation:
        return makePage<AutomationTableModel, ActuatorEditDelegate>(devices, project);
    case DevicesTreeModel::NodeSensors:
        return makePage<SensorsTableModel, SensorEditDelegate>(devices, project);
    case DevicesTreeModel::NodeScenarios:
        return makePage<ScenariosTableModel, ScenarioEditDelegate>(devices, project);
    case DevicesTreeModel::NodeEnergy:
        return makePage<EnergyTableModel, EnergyDelegate>(devices, project);
    case DevicesTreeModel::NodeLoad:
        return makePage<LoadTableModel, LoadDelegate>(devices, project);
    case DevicesTreeModel::NodeThermoregulation:
        return makePage<ThermoregulationTableModel, ThermoregulationEditDelegate>(devices, project);
    default:
        // The sound-system page and the property pages are built apart.
        return {};
    }
}

} // namespace Corvane::Configurator
