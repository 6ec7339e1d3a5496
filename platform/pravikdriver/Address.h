#pragma once

#include <QList>
#include <QPair>
#include <QString>

#include <array>

namespace Corvane::PravikDriver {

// The address ("where") of a device on the bus and its text forms. An
// address has a kind (point, group, ambient, general), the device type that
// selects the text grammar, and four fields: area, point (or the group or
// ambient number), bus level and interface. Negative fields are not given.
// The text forms are listed in the table of Address.cpp and in README.md.
class Address
{
public:
    enum DeviceType {
        Unknown = 0,
        Light = 1,
        Automation = 2,
        Scenario = 3,
        ScenarioPlus = 4,
        Cen = 5,
        CenPlus = 6,
        TemperatureProbe = 7,
        ExternalProbe = 8,
        Zone99 = 9,
        Zone4 = 10,
        ZoneText = 11,
        BasicAirConditioner = 12,
        AdvancedAirConditioner = 13,
        LightSensor = 14,
        PresenceSensor = 15,
        SoundSource = 17,
        Amplifier = 18,
        EnergyMeter = 19,
        Load = 20,
    };

    enum Direction {
        Send = 0,
        Compare = 1,
        SoundStatus = 2,
    };

    // A numeric token of an address text and the number of digits it was
    // written with, so that leading zeros survive a round trip.
    using Token = QPair<int, int>;

    static const int PRIVATE_BUS;
    static const int LOCAL_BUS;
    static const int NO_BUS;
    static const QString DELIMITER;

    Address() = default;
    Address(int kind, DeviceType deviceType, int area, int point, int level, int interface);
    // Parses a text of the bus grammar (lights, automation and the other
    // bus devices); isValid() is false for anything else.
    explicit Address(const QString& text);

    bool isValid() const { return m_kind != 0; }
    int kind() const { return m_kind; }
    DeviceType deviceType() const { return m_deviceType; }
    int area() const { return m_fields[0]; }
    int point() const { return m_fields[1]; }
    int ambient() const;
    int group() const;
    int bus() const;
    int interface() const;

    QString toString(Direction direction) const;
    QList<Token> toTokens(Direction direction) const;
    static QList<Token> toTokens(const QString& text);

    bool operator==(const Address& other) const;

private:
    QString busText() const;
    QString busSuffix() const;
    QString thermoText() const;
    QString soundSourceText(Direction direction) const;
    QString amplifierText() const;
    bool parseBody(const QString& body);

    int m_kind = 0;
    DeviceType m_deviceType = Unknown;
    std::array<int, 4> m_fields { -1, -1, -1, -1 };
};

} // namespace Corvane::PravikDriver
