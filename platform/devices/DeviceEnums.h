#pragma once

#include <QObject>

namespace Corvane::Devices::DeviceEnums {
Q_NAMESPACE

enum Currency {
    Euro = 0,
    UsDollar = 1,
    PoundSterling = 2,
    SwissFranc = 3,
    Yen = 4,
};
Q_ENUM_NS(Currency)

// Meter units: energy in kWh, volumes in cubic metres or a conversion of them.
enum MeasurementUnit {
    KiloWattHour = 0,
    CubicMetre = 1,
    Litre = 2,
    Decalitre = 3,
    Hectolitre = 4,
    CubicFoot = 5,
    CubicYard = 6,
    UsGallon = 7,
    UkGallon = 8,
};
Q_ENUM_NS(MeasurementUnit)

// Whether a meter counts what the home takes from the supply or what it gives back.
enum EnergyDeviceType {
    Consumption = 0,
    Production = 1,
};
Q_ENUM_NS(EnergyDeviceType)

// The kind of energy a meter reports to the gateway driver.
enum EnergyType {
    UnknownEnergy = 0,
    Electricity = 1,
    Gas = 2,
    Heat = 3,
    Water = 4,
};
Q_ENUM_NS(EnergyType)

enum TemperatureOffset {
    NoOffset = 0,
    PlusOne = 1,
    PlusTwo = 2,
    PlusThree = 3,
    MinusOne = 11,
    MinusTwo = 12,
    MinusThree = 13,
};
Q_ENUM_NS(TemperatureOffset)

enum FancoilSetup {
    FancoilAuto = 0,
    FancoilLow = 1,
    FancoilMedium = 2,
    FancoilHigh = 3,
};
Q_ENUM_NS(FancoilSetup)

enum AirConditionerMode {
    ModeOff = 0,
    ModeHeating = 1,
    ModeCooling = 2,
    ModeFan = 3,
    ModeDry = 4,
    ModeAutomatic = 5,
};
Q_ENUM_NS(AirConditionerMode)

enum AirConditionerSpeed {
    SpeedAutomatic = 0,
    SpeedLow = 1,
    SpeedMedium = 2,
    SpeedHigh = 3,
    SpeedSilent = 4,
};
Q_ENUM_NS(AirConditionerSpeed)

enum AirConditionerSwing {
    SwingOff = 0,
    SwingOn = 1,
};
Q_ENUM_NS(AirConditionerSwing)

enum ThermoregulationZoneStatus {
    ZoneOff = 0,
    ZoneProtection = 1,
    ZoneManual = 2,
    ZoneAutomatic = 3,
};
Q_ENUM_NS(ThermoregulationZoneStatus)

enum TemperatureUnit {
    Celsius = 0,
    Fahrenheit = 1,
};
Q_ENUM_NS(TemperatureUnit)

enum SoundSystemType {
    SoundSystemBasic = 0,
    SoundSystemAllAreas = 1,
};
Q_ENUM_NS(SoundSystemType)

} // namespace Corvane::Devices::DeviceEnums
