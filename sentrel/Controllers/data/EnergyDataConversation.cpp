#include "EnergyDataConversation.h"

#include "energy/EnergyDataContainer.h"
#include "simulation/Clock.h"
#include "simulation/ClockTimer.h"

namespace Corvane::Sentrel::Models {

EnergyDataConversation::EnergyDataConversation(QObject* parent)
    : QObject(parent)
    , m_responseTimer(Clock::program()->createTimer(this))
{
    m_responseTimer->setSingleShot(true);
    m_responseTimer->setInterval(DATA_RESPONSE_TIMEOUT);
    connect(m_responseTimer, &ClockTimer::timeout, this, &EnergyDataConversation::dataResponseTimedOut);
}

EnergyDataConversation::~EnergyDataConversation() = default;

bool EnergyDataConversation::shouldReceiveResponse(int responses) const
{
    if (responses == 0)
        return m_responsesToReceive == 0;
    return (m_responsesToReceive & responses) == responses;
}

void EnergyDataConversation::markAnnualEnergyDataRequested(const QDate& start, const QDate& end)
{
    m_annualResponsesLeft = MONTHS_PER_YEAR;
    m_annualStartDate = start;
    m_annualEndDate = end;
}

bool EnergyDataConversation::shouldReceiveAnnualEnergyData() const
{
    return shouldReceiveResponse(AnnualResponse) && m_annualResponsesLeft >= 1;
}

void EnergyDataConversation::markDataAsSentReceived(bool sent)
{
    if (sent)
        m_responseTimer->start(DATA_RESPONSE_TIMEOUT);
    else if (m_responseTimer->isActive())
        m_responseTimer->stop();
}

void EnergyDataConversation::markResponseReceived(int responses)
{
    m_responsesToReceive &= ~responses;
    if (m_responsesToReceive == 0)
        Q_EMIT allResponsesReceived();
    manageDataReceived();
}

void EnergyDataConversation::markAnnualResponseReceived()
{
    if (!shouldReceiveAnnualEnergyData())
        return;
    --m_annualResponsesLeft;
    if (m_annualResponsesLeft == 0) {
        m_annualStartDate = QDate();
        m_annualEndDate = QDate();
        markResponseReceived(AnnualResponse);
    } else {
        markDataAsSentReceived(true);
    }
}

void EnergyDataConversation::clearResponsesToReceive()
{
    m_annualResponsesLeft = 0;
    m_annualStartDate = QDate();
    m_annualEndDate = QDate();
    m_responsesToReceive = 0;
    manageDataReceived();
}

} // namespace Corvane::Sentrel::Models
