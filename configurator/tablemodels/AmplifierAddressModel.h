#pragma once

#include "tablemodels/BaseAddressTreeModel.h"

namespace Corvane::Configurator::TableModels {

// The multimedia address of an amplifier: A and PF, snapped to the rules
// of the sound system's amplifier address type (15 or 16) after each edit.
class AmplifierAddressModel : public BaseAddressTreeModel
{
    Q_OBJECT

public:
    static constexpr int BASIC_ADDRESS_TYPE = 15;
    static constexpr int ALL_AREAS_ADDRESS_TYPE = 16;
    // The header row's field type.
    static constexpr int MULTIMEDIA_HEADER_FIELD = 1;

    AmplifierAddressModel(const Devices::DeviceAddress& address, int addressType, QObject* parent = nullptr);

    Devices::DeviceAddress createAddress() const override;
    void getPointIdValues(QList<int>& values) const override;
    HelpMessage getHelpMessage(const QModelIndex& index) const override;

protected:
    void validate() override;

private:
    void setupModelData(const Devices::DeviceAddress& address);

    DeviceTreeItem* m_area = nullptr;
    DeviceTreeItem* m_point = nullptr;
};

} // namespace Corvane::Configurator::TableModels
