#pragma once

#include "BaseDevice.h"
#include "DeviceEnums.h"
#include "ThermoregulationDeviceProperties.h"

#include <QHash>
#include <QList>

namespace Corvane::Devices {

// A thermoregulation device at run time. Temperatures are in Celsius.
// A basic air conditioner (4001) is run through its commands, which the
// user can rename and reorder; they appear as parts (sub-devices) of it.
class ThermoregulationDevice : public BaseDevice
{
public:
    static const int PRECISION_UNSPECIFIED;
    // The id under which the OFF command goes at run time (its icon, its
    // favourite, the user's name and order for it). The project keeps it
    // under id 0, which as a sub-device id means the whole device.
    static const int OFF_COMMAND_SUB_ID;

    ThermoregulationDevice(const ThermoregulationDeviceProperties& properties, int serverId);

    const ThermoregulationDeviceProperties& thermoProperties() const
    {
        return propertiesAs<ThermoregulationDeviceProperties>();
    }

    double temperature() const { return m_temperature; }
    void setTemperature(double celsius) { m_temperature = celsius; }
    double setpointTemperature() const { return m_setpoint; }
    void setSetpointTemperature(double celsius) { m_setpoint = celsius; }
    int offset() const { return m_offset; }
    void setOffset(int offset) { m_offset = offset; }
    int fancoil() const { return m_fancoil; }
    void setFancoil(int setup) { m_fancoil = setup; }
    int airConditionerMode() const { return m_mode; }
    void setAirConditionerMode(int mode) { m_mode = mode; }
    int airConditionerSpeed() const { return m_speed; }
    void setAirConditionerSpeed(int speed) { m_speed = speed; }
    int airConditionerSwing() const { return m_swing; }
    void setAirConditionerSwing(int swing) { m_swing = swing; }
    int zoneStatus() const { return m_zoneStatus; }
    void setZoneStatus(int status) { m_zoneStatus = status; }
    bool isLocked() const { return m_locked; }
    void setIsLocked(bool locked) { m_locked = locked; }

    bool supportsFancoil() const;
    bool isAirconditioner() const;
    bool supportsAirConditionerMode(int mode) const;
    bool supportsAirConditionerSpeed() const;
    bool supportsAirConditionerSpeed(int speed) const;
    bool supportsAirConditionerSwing() const;
    bool supportsAirConditionerSwing(int swing) const;

    bool hasSliderValue() const override;
    double currentValue() const override { return m_setpoint; }
    double valueMinimum() const override;
    double valueMaximum() const override;
    double valueStep() const override;
    // Decimals of the value, or PRECISION_UNSPECIFIED.
    int valuePrecision() const;

    // Commands of a basic air conditioner: the OFF command (when shown) and
    // the favourite commands, in the user's order.
    QList<int> orderedCommands() const;
    void setCommandsOrder(const QList<int>& ids);
    bool hasCommandWithId(int id) const;
    QString getCommandText(int id) const;
    void setCommandText(int id, const QString& text);
    bool isCustomCommandText(int id) const;
    // The command's address, or the empty address for an unknown id.
    DeviceAddress getCommandAddress(int id) const;
    QString displayName(int subId) const override;

private:
    QList<int> projectCommandIds() const;
    bool isOffCommand(int id) const;

    double m_temperature = 0.0;
    double m_setpoint = 20.0;
    int m_offset = DeviceEnums::NoOffset;
    int m_fancoil = DeviceEnums::FancoilAuto;
    int m_mode = DeviceEnums::ModeOff;
    int m_speed = DeviceEnums::SpeedAutomatic;
    int m_swing = DeviceEnums::SwingOff;
    int m_zoneStatus = DeviceEnums::ZoneOff;
    bool m_locked = false;
    QList<int> m_commandsOrder;
    QHash<int, QString> m_commandTexts;
};

} // namespace Corvane::Devices
