#include "SoundMessage.h"

#include "MessageFields.h"
#include "pravikdriver/PravikCodes.h"

namespace Corvane::PravikDriver::UserMessages {

using namespace PravikCodes;

namespace {

const int MAX_AREAS = 64;
const int MAX_RDS_CHARACTERS = 128;

Message soundCommand(const QString& address, int command, const QList<int>& values = {})
{
    return Message(PravikEnums::Command, PravikEnums::Sound, address, command, 0, values, 0);
}

Message soundRequest(const QString& address, int dimension)
{
    return Message(PravikEnums::DimensionRequest, PravikEnums::Sound, address, 0, dimension);
}

} // namespace

SoundMessage::SoundMessage(const Message& message)
    : m_where(message.address())
{
    if (!canDecode(message))
        return;
    if (message.messageType() == PravikEnums::Command)
        decodeCommand(message);
    else
        decodeDimension(message);
}

bool SoundMessage::canDecode(const Message& message)
{
    return message.systemType() == PravikEnums::Sound
        && (message.messageType() == PravikEnums::Command || MessageFields::carriesValues(message));
}

void SoundMessage::decodeCommand(const Message& message)
{
    switch (message.commandType()) {
    case SOURCE_OFF:
    case AMPLIFIER_OFF:
        m_stateCode = 2;
        break;
    case AMPLIFIER_ON:
        m_stateCode = 1;
        break;
    case SOURCE_ON_IN_AREA: {
        // values: source number, area
        m_stateCode = 1;
        const Value<int> area = MessageFields::valueAt(message, 1);
        m_area = area.valueOr(-1);
        m_hasArea = area.isValid();
        break;
    }
    case SOURCE_ON_IN_ALL_AREAS:
        m_stateCode = 1;
        m_allAreas = true;
        break;
    default:
        break;
    }
}

void SoundMessage::decodeDimension(const Message& message)
{
    const auto value = [&message](int index) { return MessageFields::valueAt(message, index).valueOr(-1); };
    switch (message.dimension()) {
    case AMPLIFIER_VOLUME:
        m_volume = value(0);
        m_hasVolume = MessageFields::valueAt(message, 0).isValid();
        break;
    case ACTIVE_SOURCES_FOUR_AREAS:
    case ACTIVE_SOURCES_EIGHT_AREAS:
        for (int i = 0; i < MAX_AREAS; ++i) {
            const Value<int> flag = MessageFields::valueAt(message, i);
            if (!flag.isValid())
                break;
            m_areas.append(flag.value() != 0);
        }
        break;
    case SOURCE_FREQUENCY:
        m_frequencyType = value(0);
        m_frequency = value(1);
        break;
    case SOURCE_STATION_OR_TRACK:
        m_stationOrTrack = value(0);
        break;
    case SOURCE_TUNING:
        m_frequencyType = value(0);
        m_frequency = value(1);
        m_frequencyChannel = value(2);
        break;
    case SOURCE_RDS:
        for (int i = 0; i < MAX_RDS_CHARACTERS; ++i) {
            const Value<int> code = MessageFields::valueAt(message, i);
            if (!code.isValid())
                break;
            if (code.value() >= 32 && code.value() <= 126)
                m_rdsText.append(QChar(code.value()));
        }
        break;
    case AMPLIFIER_STATE:
        if (const Value<int> on = MessageFields::valueAt(message, 0); on.isValid())
            m_stateCode = on.value() != 0 ? 1 : 2;
        break;
    default:
        break;
    }
}

Message SoundMessage::createActiveAmbRequestMessage(const QString& address, bool fourSourceSystem)
{
    return soundRequest(address, fourSourceSystem ? ACTIVE_SOURCES_FOUR_AREAS : ACTIVE_SOURCES_EIGHT_AREAS);
}

Message SoundMessage::createTrackStationRequestMessage(const QString& address)
{
    return soundRequest(address, SOURCE_FREQUENCY);
}

Message SoundMessage::createRdsRequestMessage(const QString& address)
{
    return soundRequest(address, SOURCE_RDS);
}

Message SoundMessage::createAmplifierStatusRequestMessage(const QString& address)
{
    return soundRequest(address, AMPLIFIER_STATE);
}

Message SoundMessage::createVolumeRequestMessage(const QString& address)
{
    return soundRequest(address, AMPLIFIER_VOLUME);
}

Message SoundMessage::createSetVolumeMessage(const QString& address, int volume)
{
    return Message(PravikEnums::DimensionWrite, PravikEnums::Sound, address, 0, AMPLIFIER_VOLUME, { volume }, 0);
}

Message SoundMessage::createSetAreaSourceMessage(const QString& address, int area, int source)
{
    return soundCommand(address, SOURCE_ON_IN_AREA, { source, area });
}

Message SoundMessage::createPrevStationMessage(const QString& address)
{
    return soundCommand(address, PREV_STATION);
}

Message SoundMessage::createNextStationMessage(const QString& address)
{
    return soundCommand(address, NEXT_STATION);
}

Message SoundMessage::createPrevTrackMessage(const QString& address)
{
    return soundCommand(address, PREV_TRACK);
}

Message SoundMessage::createNextTrackMessage(const QString& address)
{
    return soundCommand(address, NEXT_TRACK);
}

Message SoundMessage::createSwitchAmplifierMessage(const QString& address, bool on, int area)
{
    return soundCommand(address, on ? AMPLIFIER_ON : AMPLIFIER_OFF, { area });
}

} // namespace Corvane::PravikDriver::UserMessages
