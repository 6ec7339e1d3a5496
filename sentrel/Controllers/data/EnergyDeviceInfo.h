#pragma once

#include "EnergyDataConversation.h"

#include <QList>
#include <QObject>
#include <QPointer>

namespace Corvane::Devices {
class EnergyDevice;
}

namespace Corvane::Sentrel::Models {

// What the energy page keeps of one meter: the device, its carousel and
// favourite data containers (cleared when they are deleted), its data
// conversation, whether its automatic instant-value updates were started,
// and the time-out of the question whether it speaks the new energy
// interface.
class EnergyDeviceInfo : public QObject
{
    Q_OBJECT

public:
    // The driver's response time-out, read when first needed.
    static int newInterfaceResponseTimeout();
    // How long a meter gets to answer an automatic-update request before it
    // is taken for one of the old interface.
    static int newInterfaceResponseTimeoutExtended();

    EnergyDeviceInfo(Devices::EnergyDevice* device, Gadgets::EnergyDataContainer* carouselDialog,
                     Gadgets::EnergyDataContainer* favoriteDialog, bool hasAutoUpdateStarted,
                     QObject* parent = nullptr);
    ~EnergyDeviceInfo() override;

    Devices::EnergyDevice* device() const { return m_device; }
    Gadgets::EnergyDataContainer* carouselDialog() const { return m_carouselDialog; }
    Gadgets::EnergyDataContainer* favoriteDialog() const { return m_favoriteDialog; }
    // The carousel container, made when the carousel first shows.
    void setCarouselDialog(Gadgets::EnergyDataContainer* dialog);
    void setFavoriteDialog(Gadgets::EnergyDataContainer* dialog);
    // The containers that exist, the carousel's first.
    QList<Gadgets::EnergyDataContainer*> dialogs() const;

    EnergyDataConversation& conversation() { return m_conversation; }
    const EnergyDataConversation& conversation() const { return m_conversation; }

    bool hasAutoUpdateStarted() const { return m_hasAutoUpdateStarted; }
    void setHasAutoUpdateStarted(bool started) { m_hasAutoUpdateStarted = started; }

    bool requestedNewInterfaceExistence() const { return m_requestedNewInterfaceExistence; }
    // A change to true starts the time-out, a change to false stops it;
    // setting the same value again leaves a running time-out alone.
    void setRequestedNewInterfaceExistence(bool requested);
    ClockTimer* newInterfaceTimer() const { return m_newInterfaceTimer; }

    // Answers are still expected for what the carousel view shows now.
    bool shouldUpdateUI() const;
    bool isValid() const { return m_device && m_carouselDialog; }

Q_SIGNALS:
    void newInterfaceExistenceResponseTimedOut();
    void dataResponseTimedOut();
    void allResponsesReceived();

private:
    Devices::EnergyDevice* m_device;
    QPointer<Gadgets::EnergyDataContainer> m_carouselDialog;
    QPointer<Gadgets::EnergyDataContainer> m_favoriteDialog;
    bool m_hasAutoUpdateStarted;
    EnergyDataConversation m_conversation;
    bool m_requestedNewInterfaceExistence = false;
    ClockTimer* m_newInterfaceTimer;
};

} // namespace Corvane::Sentrel::Models
