#pragma once

// Command and dimension codes of the requests and messages this library
// builds and reads (system * 100000 + code).
namespace Corvane::PravikDriver::PravikCodes {

// Lighting (system 1)
inline constexpr int LIGHT_OFF = 100000;
inline constexpr int LIGHT_ON = 100001;
inline constexpr int LIGHT_DIMMER10_MAX = 100010;
inline constexpr int DIMMER100_LEVEL = 100001;
inline constexpr int LIGHT_SENSOR_LUX = 100006;
inline constexpr int PRESENCE_GRANULARITY = 100007;
inline constexpr int LIGHT_FAULT = 100030;
inline constexpr int PRESENCE_DETECTED = 100034;
inline constexpr int PRESENCE_ENDED = 100039;

// Automation (system 2)
inline constexpr int SHUTTER_STOP = 200000;

// Thermoregulation (system 4)
inline constexpr int ZONE_TEMPERATURE = 400000;
inline constexpr int FANCOIL_SETUP = 400011;
inline constexpr int ZONE_OFFSET = 400013;
inline constexpr int ZONE_SETPOINT = 400014;
inline constexpr int EXTERNAL_PROBE_TEMPERATURE = 400015;
inline constexpr int AIR_CONDITIONER_STATE = 400022;
inline constexpr int UNIT_UNLOCKED = 400020;
inline constexpr int UNIT_LOCKED = 400021;
inline constexpr int ZONE_PROTECTION = 400302;
inline constexpr int ZONE_OFF = 400303;
inline constexpr int ZONE_AUTOMATIC = 400311;
inline constexpr int SETPOINT_MANUAL_MODE = 3;

// Gateway (system 13)
inline constexpr int GATEWAY_SETTINGS_BASE = 1300000;
inline constexpr int GATEWAY_DATE = 1300001;
inline constexpr int GATEWAY_IP = 1300010;
inline constexpr int GATEWAY_NET_MASK = 1300011;
inline constexpr int GATEWAY_MAC = 1300012;
inline constexpr int GATEWAY_DEVICE_TYPE = 1300015;
inline constexpr int GATEWAY_FIRMWARE = 1300016;
inline constexpr int GATEWAY_UPTIME = 1300019;
inline constexpr int GATEWAY_TIME_DATE = 1300022;
inline constexpr int GATEWAY_DEVICE_TYPE_REQUEST = 1300027;
inline constexpr int LIGHT_SENSORS_TYPE_1 = 101300030;
inline constexpr int LIGHT_SENSORS_TYPE_2 = 101300031;

// Light sensors on the extended system (24)
inline constexpr int EXTENDED_LIGHT_SENSOR_LUX = 2400006;

// Scenarios (0), CEN (15), scenario plus (17), CEN+ (25)
inline constexpr int SCENARIO_PLUS_START = 1700001;
inline constexpr int SCENARIO_PLUS_STOP = 1700002;
inline constexpr int CEN_BASE = 1500000;
inline constexpr int CEN_PLUS_BASE = 2500000;

// Energy management (system 18)
inline constexpr int MONTH_TOTAL = 1800052;
inline constexpr int OLD_DAY_PER_HOUR_REQUEST = 1800052;
inline constexpr int OLD_MONTH_PER_HOUR_REQUEST = 1800053;
inline constexpr int CURRENT_DAY_TOTAL = 1800054;
inline constexpr int CURRENT_MONTH_TOTAL = 1800055;
inline constexpr int OLD_DAY_PER_HOUR = 1800056;
inline constexpr int OLD_MONTH_PER_DAY_REQUEST = 1800056;
inline constexpr int OLD_MONTH_PER_HOUR = 1800057;
inline constexpr int NEW_DAY_PER_HOUR_REQUEST = 1800057;
inline constexpr int NEW_MONTH_PER_HOUR_REQUEST = 1800058;
inline constexpr int NEW_MONTH_PER_DAY_REQUEST = 1800059;
inline constexpr int LOAD_STATUS = 1800071;
inline constexpr int LOAD_COUNTER = 1800072;
inline constexpr int LOAD_FORCE_ON = 1800073;
inline constexpr int LOAD_FORCE_OFF = 1800074;
inline constexpr int LOAD_COUNTER_RESET = 1800075;
inline constexpr int INSTANT_ENERGY = 1800113;
inline constexpr int OLD_MONTH_PER_DAY = 1800510;
inline constexpr int MONTH_PER_DAY_PREV_REQUEST = 1800510;
inline constexpr int NEW_DAY_PER_HOUR = 1800511;
inline constexpr int NEW_MONTH_PER_HOUR = 1800512;
inline constexpr int NEW_MONTH_PER_DAY = 1800513;
inline constexpr int NEW_MONTH_PER_DAY_PREV = 1800514;
inline constexpr int INSTANT_GAS = 1801130;
inline constexpr int INSTANT_HEAT = 1801132;
inline constexpr int INSTANT_WATER = 1801134;
inline constexpr int AUTO_UPDATE = 1801200;

// Sound (system 22)
inline constexpr int SOURCE_OFF = 2200000;
inline constexpr int SOURCE_ON_IN_AREA = 2200002;
inline constexpr int SOURCE_ON_IN_ALL_AREAS = 2200009;
inline constexpr int AMPLIFIER_VOLUME = 2200001;
inline constexpr int ACTIVE_SOURCES_FOUR_AREAS = 2200003;
inline constexpr int ACTIVE_SOURCES_EIGHT_AREAS = 2200004;
inline constexpr int SOURCE_FREQUENCY = 2200005;
inline constexpr int SOURCE_STATION_OR_TRACK = 2200006;
inline constexpr int SOURCE_RDS = 2200010;
inline constexpr int SOURCE_TUNING = 2200011;
inline constexpr int AMPLIFIER_STATE = 2200012;
inline constexpr int NEXT_STATION = 2200031;
inline constexpr int PREV_STATION = 2200032;
inline constexpr int NEXT_TRACK = 2200033;
inline constexpr int PREV_TRACK = 2200034;
inline constexpr int AMPLIFIER_OFF = 2200040;
inline constexpr int AMPLIFIER_ON = 2200041;

} // namespace Corvane::PravikDriver::PravikCodes
