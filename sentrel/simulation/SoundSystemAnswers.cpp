#include "SoundSystemAnswers.h"

#include "PseudoDriver.h"
#include "SimulationRandom.h"

#include "pravikdriver/PravikCodes.h"
#include "pravikdriver/PravikEnums.h"
#include "pravikdriver/UserMessages/SoundMessage.h"

namespace Corvane::Sentrel {

using PravikDriver::Message;
using PravikDriver::UserMessages::SoundMessage;
using namespace PravikDriver::PravikCodes;
using namespace PravikDriver::PravikEnums;

namespace {

const int FOUR_SOURCES = 4;
const int EIGHT_SOURCES = 8;
const int AREAS_PER_SOURCE = 25;
const int FREQUENCY_MIN = 8600;
const int FREQUENCY_RANGE = 3401;

} // namespace

const QString SoundSystemAnswers::GENERAL_SOURCE_ADDRESS = QStringLiteral("6");

SoundSystemAnswers::SoundSystemAnswers(PseudoDriver& driver, SimulationRandom& random)
    : m_driver(driver)
    , m_random(random)
{
}

QString SoundSystemAnswers::sourceAddress(int source)
{
    return QStringLiteral("5#2#%1").arg(source);
}

bool SoundSystemAnswers::respond(const Message& request)
{
    return respondToSoundActiveAMB(request) || respondToSoundSourceTrack_Station(request)
        || respondToSoundSourceRDS(request) || respondToAmplifierStatus(request) || respondToAmplifierVolume(request)
        || respondToSetActiveSoundSource(request) || respondToSetPreviousStation(request)
        || respondToSetPreviousTrack(request) || respondToSetNextStation(request) || respondToSetNextTrack(request)
        || respondToSwitchAmplifier(request);
}

void SoundSystemAnswers::deliver(const Message& message)
{
    m_driver.sendMessageToListeners(message, Message::Empty, false);
}

bool SoundSystemAnswers::respondToSoundActiveAMB(const Message& request)
{
    int sources = FOUR_SOURCES;
    if (!PseudoDriver::isRequest(request, SoundMessage::createActiveAmbRequestMessage(GENERAL_SOURCE_ADDRESS, true))) {
        if (!PseudoDriver::isRequest(request,
                                     SoundMessage::createActiveAmbRequestMessage(GENERAL_SOURCE_ADDRESS, false)))
            return false;
        sources = EIGHT_SOURCES;
    }
    for (int source = 1; source <= sources; ++source) {
        QList<int> areas;
        for (int i = 0; i < AREAS_PER_SOURCE; ++i)
            areas.append(m_random.draw(2));
        deliver(Message(DimensionValue, request.systemType(), sourceAddress(source), 0, request.dimension(), areas, 0));
    }
    return true;
}

bool SoundSystemAnswers::respondToSoundSourceTrack_Station(const Message& request)
{
    if (!PseudoDriver::isRequest(request, SoundMessage::createTrackStationRequestMessage(GENERAL_SOURCE_ADDRESS)))
        return false;
    const int system = request.systemType();
    const QString address = sourceAddress(1);
    const int frequency = FREQUENCY_MIN + m_random.draw(FREQUENCY_RANGE);
    const int band = 1 + m_random.draw(4);
    deliver(Message(DimensionValue, system, address, 0, SOURCE_FREQUENCY, { band, frequency }, 0));
    deliver(Message(DimensionValue, system, address, 0, SOURCE_STATION_OR_TRACK, { 1 + m_random.draw(5) }, 0));
    return true;
}

bool SoundSystemAnswers::respondToSoundSourceRDS(const Message& request)
{
    const QString address = request.address();
    if (!PseudoDriver::isRequest(request, SoundMessage::createRdsRequestMessage(address)))
        return false;
    const QString text = QStringLiteral("%1 Test RDS response text").arg(100 + m_random.draw(19901));
    QList<int> codes;
    for (QChar c : text)
        codes.append(c.unicode());
    deliver(Message(DimensionValue, request.systemType(), QStringLiteral("5#") + address, 0, SOURCE_RDS, codes, 0));
    return true;
}

bool SoundSystemAnswers::respondToAmplifierStatus(const Message& request)
{
    const QString address = request.address();
    if (!PseudoDriver::isRequest(request, SoundMessage::createAmplifierStatusRequestMessage(address)))
        return false;
    const int source = 1 + m_random.draw(11);
    const int on = m_random.draw(2);
    deliver(Message(DimensionValue, request.systemType(), address, 0, AMPLIFIER_STATE, { on, source }, 0));
    return true;
}

bool SoundSystemAnswers::respondToAmplifierVolume(const Message& request)
{
    const QString address = request.address();
    if (!PseudoDriver::isRequest(request, SoundMessage::createVolumeRequestMessage(address)))
        return false;
    deliver(Message(DimensionValue, request.systemType(), address, 0, AMPLIFIER_VOLUME, { m_random.draw(32) }, 0));
    return true;
}

bool SoundSystemAnswers::respondToSetActiveSoundSource(const Message& request)
{
    const QString address = request.address();
    int area = 0;
    if (!areaOf(address, &area))
        return false;
    for (int source = 1; source <= EIGHT_SOURCES; ++source) {
        if (PseudoDriver::isRequest(request, SoundMessage::createSetAreaSourceMessage(address, area, source))) {
            deliver(Message(Command, request.systemType(), sourceAddress(source), SOURCE_ON_IN_AREA, 0,
                            { 1 + m_random.draw(11), area }, 0));
            return true;
        }
    }
    return false;
}

bool SoundSystemAnswers::respondToSetPreviousStation(const Message& request)
{
    return respondWithTuning(request, SoundMessage::createPrevStationMessage(request.address()));
}

bool SoundSystemAnswers::respondToSetPreviousTrack(const Message& request)
{
    return respondWithTuning(request, SoundMessage::createPrevTrackMessage(request.address()), true);
}

bool SoundSystemAnswers::respondToSetNextStation(const Message& request)
{
    return respondWithTuning(request, SoundMessage::createNextStationMessage(request.address()));
}

bool SoundSystemAnswers::respondToSetNextTrack(const Message& request)
{
    return respondWithTuning(request, SoundMessage::createNextTrackMessage(request.address()), true);
}

bool SoundSystemAnswers::respondWithTuning(const Message& request, const Message& expected, bool newTrack)
{
    if (!PseudoDriver::isRequest(request, expected))
        return false;
    const int channel = m_random.draw(5);
    const int frequency = FREQUENCY_MIN + m_random.draw(FREQUENCY_RANGE);
    const int band = 1 + m_random.draw(4);
    deliver(Message(DimensionValue, request.systemType(), request.address(), 0, SOURCE_TUNING,
                    { band, frequency, channel }, 0));
    // A player reports the track it moved to, as a gateway does; without it
    // the page could never show a track in no-server mode.
    if (newTrack)
        deliver(Message(DimensionValue, request.systemType(), request.address(), 0, SOURCE_STATION_OR_TRACK,
                        { 1 + m_random.draw(5) }, 0));
    return true;
}

bool SoundSystemAnswers::respondToSwitchAmplifier(const Message& request)
{
    const QString address = request.address();
    int area = 0;
    if (!areaOf(address, &area))
        return false;
    bool on = true;
    if (!PseudoDriver::isRequest(request, SoundMessage::createSwitchAmplifierMessage(address, true, area))) {
        if (!PseudoDriver::isRequest(request, SoundMessage::createSwitchAmplifierMessage(address, false, area)))
            return false;
        on = false;
    }
    deliver(Message(DimensionValue, request.systemType(), address, 0, AMPLIFIER_STATE, { on ? 1 : 0, 4 }, 0));
    return true;
}

bool SoundSystemAnswers::areaOf(const QString& address, int* area)
{
    const QStringList parts = address.split(QLatin1Char('#'), Qt::KeepEmptyParts);
    if (parts.size() < 2)
        return false;
    *area = parts.at(1).toInt();
    return true;
}

} // namespace Corvane::Sentrel
