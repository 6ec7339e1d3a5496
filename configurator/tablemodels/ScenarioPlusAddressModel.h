#pragma once

#include "tablemodels/BaseAddressTreeModel.h"

namespace Corvane::Configurator::TableModels {

// The command of a scenario PLUS (device type 1003): the level it starts
// at (0..100) and its address (0..255).
class ScenarioPlusAddressModel : public BaseAddressTreeModel
{
    Q_OBJECT

public:
    static constexpr int ADDRESS_TYPE = 3;
    static constexpr int MAX_ADDRESS = 255;
    static constexpr int MAX_LEVEL = 100;

    ScenarioPlusAddressModel(const Devices::DeviceAddress& address, int level, QObject* parent = nullptr);

    Devices::DeviceAddress createAddress() const override;
    // The level.
    int additionalParameter() const override;
    void getAreaIdValues(QList<int>& values) const override;
    // The level's values.
    void getPointIdValues(QList<int>& values) const override;
    HelpMessage getHelpMessage(const QModelIndex& index) const override;

private:
    void setupModelData(const Devices::DeviceAddress& address, int level);

    DeviceTreeItem* m_level = nullptr;
    DeviceTreeItem* m_address = nullptr;
};

} // namespace Corvane::Configurator::TableModels
