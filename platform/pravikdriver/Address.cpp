#include "Address.h"

#include "PravikEnums.h"

#include <QRegularExpression>

// Text forms of an address, by device type and kind. A = area, P = point,
// N = the group or ambient number (second field), L = bus level, I =
// interface; numbers are decimal, "AP" means the digits side by side.
//
// | device types                | kind     | direction | text                         |
// |-----------------------------|----------|-----------|------------------------------|
// | bus devices (1-6, 14, 15    | point    | any       | "AP" when A and P are 1..9,  |
// | and any other)              |          |           | else A and P on two digits   |
// |                             | ambient  | any       | N (1..9), "00" for 0, else   |
// |                             |          |           | two digits                   |
// |                             | group    | any       | "#" N                        |
// |                             | general  | any       | "0"                          |
// |                             | all      | any       | + "#3" when L is private bus, |
// |                             |          |           | + "#4#" I (two digits) when  |
// |                             |          |           | L is the local bus           |
// | 7 temperature probe         | any      | any       | "1#" A P                     |
// | 8 external probe            | any      | any       | "2#" A                       |
// | 9, 10 zones                 | point    | any       | A P                          |
// | 11 zone text                | point    | any       | "#" A P                      |
// | 9, 10, 11                   | general  | any       | "#0" (every zone)            |
// | 12 basic air conditioner    | any      | any       | "3#" A P                     |
// | 13 advanced air conditioner | any      | any       | "4#" A P                     |
// | 17 sound source             | general  | any       | "6"                          |
// |                             | other    | 0, 2      | "2#" A                       |
// |                             | other    | 1         | "5#2#" A                     |
// | 18 amplifier, area          | point    | any       | "3#" A "#" P, "4#" A when P  |
// |                             |          |           | is 0 or not given            |
// |                             | ambient  | any       | "4#" N                       |
// |                             | group    | any       | "#" N                        |
// |                             | general  | any       | "5#0"                        |
// | 19 energy meter             | any      | any       | "5" A                        |
// | 20 load                     | any      | any       | "7" A "#0"                   |
//
// The thermoregulation, sound, meter and load forms do not depend on the bus
// level. A meter and a load are known by their area alone; each family has
// its own prefix, so that a meter and a load at one area of a gateway never
// take each other's messages.

namespace Corvane::PravikDriver {

const int Address::PRIVATE_BUS = 3;
const int Address::LOCAL_BUS = 4;
const int Address::NO_BUS = -1;
const QString Address::DELIMITER = QStringLiteral("#");

namespace {

QString twoDigits(int value)
{
    return QStringLiteral("%1").arg(qMax(0, value), 2, 10, QLatin1Char('0'));
}

QString number(int value)
{
    return QString::number(qMax(0, value));
}

// Zone and probe numbers are written as their area and point digits.
QString zoneDigits(int area, int point)
{
    return point >= 0 ? number(area) + number(point) : number(area);
}

bool isDigit(QChar c, char from, char to)
{
    return c >= QLatin1Char(from) && c <= QLatin1Char(to);
}

} // namespace

Address::Address(int kind, DeviceType deviceType, int area, int point, int level, int interface)
    : m_kind(kind >= PravikEnums::Point && kind <= PravikEnums::General ? kind : PravikEnums::Point)
    , m_deviceType(deviceType)
    , m_fields { area, point, level, interface }
{
}

Address::Address(const QString& text)
{
    static const QRegularExpression localBus(QStringLiteral("^(.+)#4#(\\d{1,2})$"));
    static const QRegularExpression privateBus(QStringLiteral("^(.+)#3$"));

    QString body = text;
    int level = NO_BUS;
    int interface = -1;
    if (const auto match = localBus.match(text); match.hasMatch()) {
        body = match.captured(1);
        level = LOCAL_BUS;
        interface = match.captured(2).toInt();
    } else if (const auto match = privateBus.match(text); match.hasMatch()) {
        body = match.captured(1);
        level = PRIVATE_BUS;
    }
    if (!parseBody(body)) {
        m_kind = 0;
        m_fields = { -1, -1, -1, -1 };
        return;
    }
    m_fields[2] = level;
    m_fields[3] = interface;
}

bool Address::parseBody(const QString& body)
{
    static const QRegularExpression digits(QStringLiteral("^\\d+$"));
    if (body.startsWith(DELIMITER)) {
        const QString number = body.mid(1);
        if (!digits.match(number).hasMatch() || number.size() > 4)
            return false;
        m_kind = PravikEnums::Group;
        m_fields[1] = number.toInt();
        return true;
    }
    if (!digits.match(body).hasMatch())
        return false;
    if (body == QLatin1String("0")) {
        m_kind = PravikEnums::General;
        return true;
    }
    if (body.size() == 1) {
        m_kind = PravikEnums::Ambient;
        m_fields[1] = body.toInt();
        return true;
    }
    if (body.size() == 2) {
        const bool point = isDigit(body[0], '1', '9') && isDigit(body[1], '1', '9');
        m_kind = point ? PravikEnums::Point : PravikEnums::Ambient;
        if (point)
            m_fields = { body.left(1).toInt(), body.mid(1).toInt(), -1, -1 };
        else
            m_fields[1] = body.toInt();
        return true;
    }
    if (body.size() == 4) {
        m_kind = PravikEnums::Point;
        m_fields = { body.left(2).toInt(), body.mid(2).toInt(), -1, -1 };
        return true;
    }
    return false;
}

int Address::ambient() const
{
    return m_kind == PravikEnums::Ambient ? m_fields[1] : -1;
}

int Address::group() const
{
    return m_kind == PravikEnums::Group ? m_fields[1] : -1;
}

int Address::bus() const
{
    return m_fields[2] == PRIVATE_BUS || m_fields[2] == LOCAL_BUS ? m_fields[2] : NO_BUS;
}

int Address::interface() const
{
    return m_fields[3];
}

QString Address::toString(Direction direction) const
{
    if (!isValid())
        return QString();
    switch (m_deviceType) {
    case TemperatureProbe:
    case ExternalProbe:
    case Zone99:
    case Zone4:
    case ZoneText:
    case BasicAirConditioner:
    case AdvancedAirConditioner:
        return thermoText();
    case SoundSource:
        return soundSourceText(direction);
    case Amplifier:
        return amplifierText();
    case EnergyMeter:
        return QStringLiteral("5") + number(m_fields[0]);
    case Load:
        return QStringLiteral("7") + number(m_fields[0]) + QStringLiteral("#0");
    default:
        return busText();
    }
}

QString Address::busText() const
{
    const int area = m_fields[0];
    const int second = m_fields[1];
    QString text;
    switch (m_kind) {
    case PravikEnums::General:
        text = QStringLiteral("0");
        break;
    case PravikEnums::Group:
        text = DELIMITER + number(second);
        break;
    case PravikEnums::Ambient:
        text = second >= 1 && second <= 9 ? number(second) : twoDigits(second);
        break;
    default:
        text = area >= 1 && area <= 9 && second >= 1 && second <= 9 ? number(area) + number(second)
                                                                    : twoDigits(area) + twoDigits(second);
        break;
    }
    return text + busSuffix();
}

QString Address::busSuffix() const
{
    if (m_fields[2] == PRIVATE_BUS)
        return DELIMITER + QString::number(PRIVATE_BUS);
    if (m_fields[2] == LOCAL_BUS)
        return DELIMITER + QString::number(LOCAL_BUS) + DELIMITER + twoDigits(m_fields[3]);
    return QString();
}

QString Address::thermoText() const
{
    const QString zone = zoneDigits(m_fields[0], m_fields[1]);
    switch (m_deviceType) {
    case TemperatureProbe:
        return QStringLiteral("1#") + zone;
    case ExternalProbe:
        return QStringLiteral("2#") + number(m_fields[0]);
    case BasicAirConditioner:
        return QStringLiteral("3#") + zone;
    case AdvancedAirConditioner:
        return QStringLiteral("4#") + zone;
    default:
        break;
    }
    if (m_kind == PravikEnums::General)
        return QStringLiteral("#0");
    return m_deviceType == ZoneText ? DELIMITER + zone : zone;
}

QString Address::soundSourceText(Direction direction) const
{
    if (m_kind == PravikEnums::General)
        return QStringLiteral("6");
    const QString source = QStringLiteral("2#") + number(m_fields[0]);
    return direction == Compare ? QStringLiteral("5#") + source : source;
}

QString Address::amplifierText() const
{
    switch (m_kind) {
    case PravikEnums::General:
        return QStringLiteral("5#0");
    case PravikEnums::Group:
        return DELIMITER + number(m_fields[1]);
    case PravikEnums::Ambient:
        return QStringLiteral("4#") + number(m_fields[1]);
    default:
        if (m_fields[1] <= 0)
            return QStringLiteral("4#") + number(m_fields[0]);
        return QStringLiteral("3#") + number(m_fields[0]) + DELIMITER + number(m_fields[1]);
    }
}

QList<Address::Token> Address::toTokens(Direction direction) const
{
    return toTokens(toString(direction));
}

QList<Address::Token> Address::toTokens(const QString& text)
{
    QList<Token> tokens;
    const QStringList parts = text.split(DELIMITER, Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        bool ok = false;
        const int value = part.toInt(&ok);
        if (ok && value >= 0)
            tokens.append({ value, int(part.size()) });
    }
    return tokens;
}

bool Address::operator==(const Address& other) const
{
    return m_kind == other.m_kind && m_deviceType == other.m_deviceType && m_fields == other.m_fields;
}

} // namespace Corvane::PravikDriver
