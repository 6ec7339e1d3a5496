#pragma once

#include "pravikdriver/Message.h"

#include <QList>

namespace Corvane::PravikDriver::UserMessages {

// State of a sound source or amplifier, and the factories of the sound
// requests. Numbers the message does not give are -1; the volume and the
// area tell apart a -1 the gateway sent from one it left out.
class SoundMessage
{
public:
    explicit SoundMessage(const Message& message);

    static bool canDecode(const Message& message);

    QString where() const { return m_where; }
    // 1 on, 2 off, 0 not given.
    int stateCode() const { return m_stateCode; }
    int volume() const { return m_volume; }
    bool hasVolume() const { return m_hasVolume; }
    // In steps of 10 kHz.
    int frequency() const { return m_frequency; }
    // 1 FM, 2 LW, 3 MW, 4 SW.
    int frequencyType() const { return m_frequencyType; }
    int frequencyChannel() const { return m_frequencyChannel; }
    int stationOrTrack() const { return m_stationOrTrack; }
    bool isAllAreas() const { return m_allAreas; }
    QString rdsText() const { return m_rdsText; }
    // Entry i is set when the source plays in area i.
    QList<bool> areas() const { return m_areas; }
    int area() const { return m_area; }
    bool hasArea() const { return m_hasArea; }

    static Message createActiveAmbRequestMessage(const QString& address, bool fourSourceSystem);
    static Message createTrackStationRequestMessage(const QString& address);
    static Message createRdsRequestMessage(const QString& address);
    static Message createAmplifierStatusRequestMessage(const QString& address);
    static Message createVolumeRequestMessage(const QString& address);
    static Message createSetVolumeMessage(const QString& address, int volume);
    static Message createSetAreaSourceMessage(const QString& address, int area, int source);
    static Message createPrevStationMessage(const QString& address);
    static Message createNextStationMessage(const QString& address);
    static Message createPrevTrackMessage(const QString& address);
    static Message createNextTrackMessage(const QString& address);
    static Message createSwitchAmplifierMessage(const QString& address, bool on, int area);

private:
    void decodeCommand(const Message& message);
    void decodeDimension(const Message& message);

    QString m_where;
    int m_stateCode = 0;
    int m_volume = -1;
    bool m_hasVolume = false;
    int m_frequency = -1;
    int m_frequencyType = -1;
    int m_frequencyChannel = -1;
    int m_stationOrTrack = -1;
    bool m_allAreas = false;
    QString m_rdsText;
    QList<bool> m_areas;
    int m_area = -1;
    bool m_hasArea = false;
};

} // namespace Corvane::PravikDriver::UserMessages
