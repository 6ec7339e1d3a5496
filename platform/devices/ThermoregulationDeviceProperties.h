#pragma once

#include "BaseDeviceProperties.h"
#include "ThermoregulationCommandProperties.h"

#include <QList>

#include <memory>
#include <vector>

namespace Corvane::Devices {

// A thermoregulation device: probes (8001 external, 8002), zones of a 99-zone
// (8003) or 4-zone (8004) central unit, and air conditioners (4001 basic, run
// by favourite commands; 4003 advanced, with modes, fan speeds and swing).
class ThermoregulationDeviceProperties : public BaseDeviceProperties
{
public:
    static const int MIN_TEMPERATURE;
    static const int MAX_TEMPERATURE;
    // Favourite commands plus the OFF command when it is shown.
    static const int MAX_COMMANDS_COUNT;
    static const int OFF_COMMAND_ID;
    static const int COMMAND_ADDRESS_TYPE;

    ThermoregulationDeviceProperties(int id, DeviceType type, const DeviceAddress& address,
                                     const QString& description);
    ThermoregulationDeviceProperties(const ThermoregulationDeviceProperties& other);
    ThermoregulationDeviceProperties& operator=(const ThermoregulationDeviceProperties&) = delete;
    ~ThermoregulationDeviceProperties() override;

    BaseDeviceProperties* clone() const override;
    DeviceGroup deviceGroup() const override { return Thermoregulation; }

    // Only zones of a central unit (8003, 8004) can drive a fan coil.
    bool canHaveFancoil() const;
    bool hasFancoil() const { return m_hasFancoil; }
    void setHasFancoil(bool hasFancoil);

    bool showOffCommand() const { return m_showOffCommand; }
    void setShowOffCommand(bool show);
    ThermoregulationCommandProperties& offCommand() { return *m_offCommand; }
    const ThermoregulationCommandProperties& offCommand() const { return *m_offCommand; }

    QList<ThermoregulationCommandProperties*> commands() const;
    // The command with id, or null; EMPTY_ID never matches.
    ThermoregulationCommandProperties* getCommand(int id) const;
    // Takes ownership; a command without an id, or with an id already in
    // use, gets a fresh one. Returns the command's id, or EMPTY_ID when the
    // device holds the most commands it can (the command is then deleted).
    int addCommand(ThermoregulationCommandProperties* command);
    bool removeCommand(int id);
    // Favourite commands and the OFF command when shown.
    int commandsCount() const;

    double minTemperature() const { return m_minTemperature; }
    void setMinTemperature(double temperature);
    double maxTemperature() const { return m_maxTemperature; }
    void setMaxTemperature(double temperature);
    double step() const { return m_step; }
    void setStep(double step);

    QList<int> airConditioningModes() const { return m_modes; }
    void setAirConditioningModes(const QList<int>& modes);
    QList<int> fanSettings() const { return m_fanSettings; }
    void setFanSettings(const QList<int>& settings);
    bool swingPresence() const { return m_swingPresence; }
    void setSwingPresence(bool present);
    // The swing settings the unit offers: off and on when it has a swing.
    QList<int> airConditionerSwings() const;

    bool isEqual(const BaseDeviceProperties& other) const override;

protected:
    void handleDeviceTypeChanged() override;

private:
    int nextCommandId() const;

    bool m_hasFancoil = false;
    bool m_showOffCommand = false;
    std::unique_ptr<ThermoregulationCommandProperties> m_offCommand;
    std::vector<std::unique_ptr<ThermoregulationCommandProperties>> m_commands;
    double m_minTemperature;
    double m_maxTemperature;
    double m_step;
    QList<int> m_modes;
    QList<int> m_fanSettings;
    bool m_swingPresence = false;
};

} // namespace Corvane::Devices
