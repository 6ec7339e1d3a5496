#pragma once

#include "BaseDevice.h"
#include "SoundSourceDeviceProperties.h"

#include <QString>

namespace Corvane::Devices {

// A sound source at run time: a tuner (stations, frequency, RDS) or a track
// player.
class SoundSourceDevice : public BaseDevice
{
public:
    enum Kind {
        Tuner = 0,
        TrackPlayer = 1,
        MediaPlayer = 2,
    };

    enum FrequencyType {
        UnknownBand = 0,
        Fm = 1,
        Lw = 2,
        Mw = 3,
        Sw = 4,
    };

    SoundSourceDevice(const SoundSourceDeviceProperties& properties, int serverId);

    Kind kind() const;
    bool isOn() const { return m_on; }
    void setIsOn(bool on) { m_on = on; }
    // In steps of 10 kHz.
    int frequency() const { return m_frequency; }
    void setFrequency(int frequency) { m_frequency = frequency; }
    int frequencyType() const { return m_frequencyType; }
    void setFrequencyType(int type) { m_frequencyType = type; }
    int frequencyChannel() const { return m_frequencyChannel; }
    void setFrequencyChannel(int channel) { m_frequencyChannel = channel; }
    int station() const { return m_station; }
    void setStation(int station) { m_station = station; }
    int track() const { return m_track; }
    void setTrack(int track) { m_track = track; }
    QString rds() const { return m_rds; }
    void setRds(const QString& rds) { m_rds = rds; }

private:
    bool m_on = false;
    int m_frequency = -1;
    int m_frequencyType = UnknownBand;
    int m_frequencyChannel = -1;
    int m_station = -1;
    int m_track = -1;
    QString m_rds;
};

} // namespace Corvane::Devices
