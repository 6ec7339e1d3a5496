#include "EnergyTariffTable.h"

#include "EnergyDataExchange.h"
#include "EnergyDevicesController.h"
#include "EnergyDeviceInfo.h"

#include "devices/EnergyDevice.h"
#include "devices/EnergyDeviceProperties.h"
#include "devices/StringConsts.h"
#include "devices/UserDeviceSettings.h"
#include "energy/EnergyDataContainer.h"
#include "energy/EnergyDataTariffModel.h"
#include "energy/EnergyDataViewControl.h"
#include "energy/EnergyTariffItemData.h"

namespace Corvane::Sentrel::Controllers {

using Devices::EnergyDevice;
using Devices::StringConsts;

EnergyTariffTable::EnergyTariffTable(EnergyDevicesController* controller)
    : m_controller(controller)
{
}

void EnergyTariffTable::fill()
{
    Gadgets::Models::EnergyDataTariffModel* model = m_controller->tariffModel();
    model->clear();
    for (const Models::EnergyDeviceInfo* record : m_controller->deviceInfos()) {
        const EnergyDevice* device = record->device();
        if (!device->isEconomicEvaluationEnabled())
            continue;
        // A meter's bus address is its area.
        model->addEnergyItem(device->id(),
                             Gadgets::Models::EnergyTariffItemData(
                                 device->name(), device->address().area(), StringConsts::getDeviceTypeString(device->deviceType()),
                                 device->userTariff(), StringConsts::getCurrencyString(device->currency()),
                                 StringConsts::getMeasurementUnitString(device->measurementUnit())));
    }
}

void EnergyTariffTable::retranslate()
{
    Gadgets::Models::EnergyDataTariffModel* model = m_controller->tariffModel();
    model->retranslate();
    for (const Models::EnergyDeviceInfo* record : m_controller->deviceInfos()) {
        const EnergyDevice* device = record->device();
        if (!device->isEconomicEvaluationEnabled())
            continue;
        model->setFamily(device->id(), StringConsts::getDeviceTypeString(device->deviceType()));
        model->setCurrency(device->id(), StringConsts::getCurrencyString(device->currency()));
        model->setUnit(device->id(), StringConsts::getMeasurementUnitString(device->measurementUnit()));
    }
}

bool EnergyTariffTable::takeUserTariff(int deviceId)
{
    const double tariff = m_controller->tariffModel()->energyItemAt(deviceId).value();
    EnergyDevice* device = m_controller->energyDevice(deviceId);
    if (!device || !Devices::EnergyDeviceProperties::isTariffValid(tariff))
        return false;
    device->setUserTariff(tariff);
    // Money views show the new prices at once; a view still loading is drawn
    // when its answers come.
    for (Gadgets::EnergyDataContainer* container : m_controller->energyControls(deviceId))
        if (container->energyDataViewControl()->energyDataStatus() != Gadgets::EnergyDataViewControl::LoadingData)
            m_controller->dataExchange()->getEnergyDataCache(container);
    return true;
}

void EnergyTariffTable::store(Devices::UserDeviceSettings& settings, const EnergyDevice* device)
{
    if (device && device->hasUserTariff())
        settings.setItemTariff(device->id(), Devices::ItemKey::INVALID_SUB_ID, device->userTariff());
}

void EnergyTariffTable::restore(const Devices::UserDeviceSettings& settings, EnergyDevice* device)
{
    if (!device || !settings.hasItemTariff(device->id()))
        return;
    const double tariff = settings.itemTariff(device->id());
    if (Devices::EnergyDeviceProperties::isTariffValid(tariff))
        device->setUserTariff(tariff);
}

} // namespace Corvane::Sentrel::Controllers
