#pragma once

namespace Corvane::Devices {
class EnergyDevice;
class UserDeviceSettings;
} // namespace Corvane::Devices

namespace Corvane::Sentrel::Controllers {

class EnergyDevicesController;

// The user tariffs of the energy page: one row per meter with economic
// evaluation in the tariff table all data windows share, the tariff the
// user types there becoming the meter's, and the user tariffs kept in the
// user settings.
class EnergyTariffTable
{
public:
    explicit EnergyTariffTable(EnergyDevicesController* controller);

    // The table's rows anew, one per meter with economic evaluation.
    void fill();
    // The texts of the rows in the present language.
    void retranslate();
    // The row of that meter was edited: a valid tariff becomes its own.
    // Returns whether it did.
    bool takeUserTariff(int deviceId);
    static void store(Devices::UserDeviceSettings& settings, const Devices::EnergyDevice* device);
    static void restore(const Devices::UserDeviceSettings& settings, Devices::EnergyDevice* device);

private:
    EnergyDevicesController* m_controller;
};

} // namespace Corvane::Sentrel::Controllers
