#pragma once

// Numeric vocabulary of PravikNet. Codes of commands and dimensions are
// written as system * 100000 + code and are kept as plain integers.
namespace Corvane::PravikDriver::PravikEnums {

enum AddressType {
    Point = 1,
    Group = 2,
    Ambient = 3,
    General = 4,
};

enum MessageType {
    NoMessage = 0,
    Nack = 1,
    Ack = 2,
    Command = 3,
    DimensionWrite = 4,
    StatusRequest = 5,
    DimensionRequest = 6,
    DimensionValue = 101,
};

enum SystemType {
    Scenarios = 0,
    Lighting = 1,
    Automation = 2,
    Thermoregulation = 4,
    Gateway = 13,
    Cen = 15,
    ScenarioPlus = 17,
    EnergyManagement = 18,
    Sound = 22,
    LightSensorsExtended = 24,
    CenPlus = 25,
};

enum ShutterCommandType {
    ShutterStop = 0,
    ShutterUp = 1,
    ShutterDown = 2,
};

enum CenAction {
    CenPress = 0,
    CenShortRelease = 1,
    CenReleaseAfterHold = 2,
    CenHoldTick = 3,
};

enum CenPlusAction {
    CenPlusShortClick = 0,
    CenPlusHoldStart = 1,
    CenPlusHoldContinue = 2,
    CenPlusReleaseAfterHold = 3,
};

enum FancoilSetup {
    FancoilAutomatic = 0,
    FancoilLow = 1,
    FancoilMedium = 2,
    FancoilHigh = 3,
};

enum EnergyType {
    Electricity = 1,
    Gas = 2,
    Heat = 3,
    Water = 4,
};

} // namespace Corvane::PravikDriver::PravikEnums
