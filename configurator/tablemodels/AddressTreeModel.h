#pragma once

#include "tablemodels/BaseAddressTreeModel.h"

namespace Corvane::Configurator::TableModels {

// The KWB address of lighting, automation, sensor and probe devices: A, PL,
// Level and Interface address under a header row. PL is hidden for the
// general address, Interface address shown only on the local bus; a hidden
// row keeps its value.
class AddressTreeModel : public BaseAddressTreeModel
{
    Q_OBJECT

public:
    AddressTreeModel(const Devices::DeviceAddress& address, int addressType, QObject* parent = nullptr);
    ~AddressTreeModel() override;

    Devices::DeviceAddress createAddress() const override;
    void getPointIdValues(QList<int>& values) const override;
    void getLevelValues(QList<int>& values) const override;

protected:
    void validate() override;
    void updateVisibleRows() override;

private:
    void setupModelData(const Devices::DeviceAddress& address);
    void showHideItems();
    void detach(DeviceTreeItem* row);

    DeviceTreeItem* m_header = nullptr;
    DeviceTreeItem* m_area = nullptr;
    DeviceTreeItem* m_point = nullptr;
    DeviceTreeItem* m_level = nullptr;
    DeviceTreeItem* m_interface = nullptr;
};

} // namespace Corvane::Configurator::TableModels
