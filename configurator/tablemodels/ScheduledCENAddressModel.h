#pragma once

#include "tablemodels/BaseAddressTreeModel.h"

namespace Corvane::Configurator::TableModels {

// The bus address of a scheduled scenario's CEN command: A, PL, Level and,
// on the local bus only, Interface address (a hidden row keeps its value).
class ScheduledCENAddressModel : public BaseAddressTreeModel
{
    Q_OBJECT

public:
    static constexpr int ADDRESS_TYPE = 4;

    explicit ScheduledCENAddressModel(const Devices::DeviceAddress& address, QObject* parent = nullptr);
    ~ScheduledCENAddressModel() override;

    Devices::DeviceAddress createAddress() const override;
    void getPointIdValues(QList<int>& values) const override;
    void getLevelValues(QList<int>& values) const override;

protected:
    void updateVisibleRows() override;

private:
    void setupModelData(const Devices::DeviceAddress& address);

    DeviceTreeItem* m_header = nullptr;
    DeviceTreeItem* m_area = nullptr;
    DeviceTreeItem* m_point = nullptr;
    DeviceTreeItem* m_level = nullptr;
    DeviceTreeItem* m_interface = nullptr;
};

} // namespace Corvane::Configurator::TableModels
