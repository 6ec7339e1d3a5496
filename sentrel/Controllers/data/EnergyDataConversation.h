#pragma once

#include "energy/EnergyDataContainer.h"
#include "energy/EnergyDataViewConfig.h"

#include <QDate>
#include <QObject>
#include <QPointer>

namespace Corvane::Sentrel {
class ClockTimer;
}

namespace Corvane::Sentrel::Models {

// The bookkeeping of one outstanding data request of an energy meter: the
// answers still expected, the view configuration asked for and the view that
// asked, the countdown of an annual view's twelve months, and a time-out that
// measures the silence since the last answer.
class EnergyDataConversation : public QObject
{
    Q_OBJECT

public:
    enum Response {
        CurrentDayTotalResponse = 1,
        DayPerHourResponse = 2,
        MonthTotalResponse = 16,
        MonthPerDayResponse = 32,
        MonthPerHourResponse = 64,
        AnnualResponse = 256,
    };

    static constexpr int DATA_RESPONSE_TIMEOUT = 20000;
    static constexpr int MONTHS_PER_YEAR = 12;

    // The time-out runs on the program's clock.
    explicit EnergyDataConversation(QObject* parent = nullptr);
    ~EnergyDataConversation() override;

    // The container whose view asked; null once it is gone, so that late
    // answers only fill the cache.
    Gadgets::EnergyDataContainer* requestSender() const { return m_requestSender; }
    void setRequestSender(Gadgets::EnergyDataContainer* sender) { m_requestSender = sender; }
    const Gadgets::Models::EnergyDataViewConfig& params() const { return m_params; }
    void setParams(const Gadgets::Models::EnergyDataViewConfig& params) { m_params = params; }

    int responsesToReceive() const { return m_responsesToReceive; }
    void addResponseToReceive(int responses) { m_responsesToReceive |= responses; }
    // Every bit of responses is expected; 0 only while nothing is.
    bool shouldReceiveResponse(int responses) const;
    bool shouldReceiveResponses() const { return m_responsesToReceive != 0; }

    void markAnnualEnergyDataRequested(const QDate& start, const QDate& end);
    bool shouldReceiveAnnualEnergyData() const;
    int annualResponsesLeft() const { return m_annualResponsesLeft; }
    int annualResponsesReceived() const { return MONTHS_PER_YEAR - m_annualResponsesLeft; }
    QDate annualStartDate() const { return m_annualStartDate; }
    QDate annualEndDate() const { return m_annualEndDate; }

    // true (re)starts the time-out from its full length, false stops it.
    void markDataAsSentReceived(bool sent);
    void manageDataReceived() { markDataAsSentReceived(shouldReceiveResponses()); }
    void markResponseReceived(int responses);
    void markAnnualResponseReceived();
    void clearResponsesToReceive();

    ClockTimer* responseTimer() const { return m_responseTimer; }

Q_SIGNALS:
    void dataResponseTimedOut();
    void allResponsesReceived();

private:
    QPointer<Gadgets::EnergyDataContainer> m_requestSender;
    Gadgets::Models::EnergyDataViewConfig m_params;
    int m_annualResponsesLeft = 0;
    QDate m_annualStartDate;
    QDate m_annualEndDate;
    int m_responsesToReceive = 0;
    ClockTimer* m_responseTimer;
};

} // namespace Corvane::Sentrel::Models
