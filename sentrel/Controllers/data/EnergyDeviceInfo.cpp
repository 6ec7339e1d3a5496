#include "EnergyDeviceInfo.h"

#include "energy/EnergyDataContainer.h"
#include "energy/EnergyDataViewControl.h"
#include "pravikdriver/Driver.h"
#include "simulation/Clock.h"
#include "simulation/ClockTimer.h"

namespace Corvane::Sentrel::Models {

namespace {
const int NEW_INTERFACE_EXTRA_WAIT = 1000;
}

int EnergyDeviceInfo::newInterfaceResponseTimeout()
{
    return PravikDriver::Driver::waitForResponseTimeout();
}

int EnergyDeviceInfo::newInterfaceResponseTimeoutExtended()
{
    return newInterfaceResponseTimeout() + NEW_INTERFACE_EXTRA_WAIT;
}

EnergyDeviceInfo::EnergyDeviceInfo(Devices::EnergyDevice* device, Gadgets::EnergyDataContainer* carouselDialog,
                                   Gadgets::EnergyDataContainer* favoriteDialog, bool hasAutoUpdateStarted,
                                   QObject* parent)
    : QObject(parent)
    , m_device(device)
    , m_carouselDialog(carouselDialog)
    , m_favoriteDialog(favoriteDialog)
    , m_hasAutoUpdateStarted(hasAutoUpdateStarted)
    , m_newInterfaceTimer(Clock::program()->createTimer(this))
{
    m_newInterfaceTimer->setSingleShot(true);
    m_newInterfaceTimer->setInterval(newInterfaceResponseTimeoutExtended());
    connect(m_newInterfaceTimer, &ClockTimer::timeout, this, &EnergyDeviceInfo::newInterfaceExistenceResponseTimedOut);
    connect(&m_conversation, &EnergyDataConversation::dataResponseTimedOut, this,
            &EnergyDeviceInfo::dataResponseTimedOut);
    connect(&m_conversation, &EnergyDataConversation::allResponsesReceived, this,
            &EnergyDeviceInfo::allResponsesReceived);
}

EnergyDeviceInfo::~EnergyDeviceInfo() = default;

void EnergyDeviceInfo::setCarouselDialog(Gadgets::EnergyDataContainer* dialog)
{
    m_carouselDialog = dialog;
}

void EnergyDeviceInfo::setFavoriteDialog(Gadgets::EnergyDataContainer* dialog)
{
    if (m_favoriteDialog != dialog)
        m_favoriteDialog = dialog;
}

QList<Gadgets::EnergyDataContainer*> EnergyDeviceInfo::dialogs() const
{
    QList<Gadgets::EnergyDataContainer*> list;
    if (m_carouselDialog)
        list.append(m_carouselDialog);
    if (m_favoriteDialog)
        list.append(m_favoriteDialog);
    return list;
}

void EnergyDeviceInfo::setRequestedNewInterfaceExistence(bool requested)
{
    if (m_requestedNewInterfaceExistence == requested)
        return;
    m_requestedNewInterfaceExistence = requested;
    if (requested)
        m_newInterfaceTimer->start();
    else
        m_newInterfaceTimer->stop();
}

bool EnergyDeviceInfo::shouldUpdateUI() const
{
    return m_conversation.shouldReceiveResponses() && m_carouselDialog
        && m_conversation.params() == m_carouselDialog->energyDataViewControl()->config();
}

} // namespace Corvane::Sentrel::Models
