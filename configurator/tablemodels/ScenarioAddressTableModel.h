#pragma once

#include "tablemodels/BaseAddressTreeModel.h"

namespace Corvane::Configurator::TableModels {

// The command of a scenario (device type 1002): the scenario number and
// the bus address of the scenario module. The Interface address row is
// listed on the local bus only; while hidden it keeps its value.
class ScenarioAddressTableModel : public BaseAddressTreeModel
{
    Q_OBJECT

public:
    static constexpr int ADDRESS_TYPE = 2;
    static constexpr int MIN_SCENARIO_NUMBER = 1;
    static constexpr int MAX_SCENARIO_NUMBER = 16;

    ScenarioAddressTableModel(const Devices::DeviceAddress& address, int scenarioNumber, QObject* parent = nullptr);
    ~ScenarioAddressTableModel() override;

    Devices::DeviceAddress createAddress() const override;
    // The scenario number.
    int additionalParameter() const override;
    void getPointIdValues(QList<int>& values) const override;
    void getLevelValues(QList<int>& values) const override;

protected:
    void updateVisibleRows() override;

private:
    void setupModelData(const Devices::DeviceAddress& address, int scenarioNumber);

    DeviceTreeItem* m_header = nullptr;
    DeviceTreeItem* m_scenarioNumber = nullptr;
    DeviceTreeItem* m_area = nullptr;
    DeviceTreeItem* m_point = nullptr;
    DeviceTreeItem* m_level = nullptr;
    DeviceTreeItem* m_interface = nullptr;
};

} // namespace Corvane::Configurator::TableModels
