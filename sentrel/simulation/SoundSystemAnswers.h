#pragma once

#include "pravikdriver/Message.h"

namespace Corvane::Sentrel {

class PseudoDriver;
class SimulationRandom;

// The simulated gateway's answers to the requests and commands of the sound
// system: active sources, track or station, RDS text, amplifier state and
// volume, source selection, tuning and amplifier switching. Each
// respondTo... operation returns true when it recognised the request and has
// handed its answer to the driver's listeners.
class SoundSystemAnswers
{
public:
    SoundSystemAnswers(PseudoDriver& driver, SimulationRandom& random);

    // Offers the request to the answers in their order; true when one took it.
    bool respond(const PravikDriver::Message& request);

    bool respondToSoundActiveAMB(const PravikDriver::Message& request);
    bool respondToSoundSourceTrack_Station(const PravikDriver::Message& request);
    bool respondToSoundSourceRDS(const PravikDriver::Message& request);
    bool respondToAmplifierStatus(const PravikDriver::Message& request);
    bool respondToAmplifierVolume(const PravikDriver::Message& request);
    bool respondToSetActiveSoundSource(const PravikDriver::Message& request);
    bool respondToSetPreviousStation(const PravikDriver::Message& request);
    bool respondToSetPreviousTrack(const PravikDriver::Message& request);
    bool respondToSetNextStation(const PravikDriver::Message& request);
    bool respondToSetNextTrack(const PravikDriver::Message& request);
    bool respondToSwitchAmplifier(const PravikDriver::Message& request);

    // The address that asks all sound sources at once.
    static const QString GENERAL_SOURCE_ADDRESS;
    // The address that answers of source number source carry.
    static QString sourceAddress(int source);

private:
    void deliver(const PravikDriver::Message& message);
    // The new tuning of a source after a previous or next command.
    bool respondWithTuning(const PravikDriver::Message& request, const PravikDriver::Message& expected,
                           bool newTrack = false);
    // The number after the first "#" of address; false when there is no "#".
    static bool areaOf(const QString& address, int* area);

    PseudoDriver& m_driver;
    SimulationRandom& m_random;
};

} // namespace Corvane::Sentrel
