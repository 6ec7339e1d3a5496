#pragma once

#include "energy/AbstractEnergyConsumptionDisplay.h"

#include <QDate>
#include <QDateTime>
#include <QMap>
#include <QStringList>

namespace Corvane::Devices {
class EnergyDevice;
}
namespace Corvane::Gadgets {
class EnergyDataContainer;
class EnergyDataViewControl;
} // namespace Corvane::Gadgets
namespace Corvane::PravikDriver {
class OpenDriver;
namespace UserMessages {
class LoadManagementMessage;
}
} // namespace Corvane::PravikDriver

namespace Corvane::Sentrel {

namespace Models {
class EnergyDeviceInfo;
}

namespace Controllers {

class EnergyDevicesController;

// The energy page's data traffic: turns a data view's request (a day, a
// month or a year of one meter) into gateway requests, follows the answers
// with the meter's conversation, keeps every answer in the meter's cache
// under the day or month it is for, and draws views from the cache. An
// answer moves a conversation on, and is drawn, only when it is for what the
// conversation asked; any other answer only fills the cache.
class EnergyDataExchange
{
public:
    using Series = Gadgets::AbstractEnergyConsumptionDisplay::Series;

    explicit EnergyDataExchange(EnergyDevicesController* controller);

    // Starts a request for the container's view; ignored while the meter's
    // conversation is busy or the meter has no status yet.
    void startRequest(Gadgets::EnergyDataContainer* container);
    // Draws the container's view from the meter's cache.
    void getEnergyDataCache(Gadgets::EnergyDataContainer* container);
    // An answer of types 3 to 8 for a meter at the message's address.
    void handleAnswer(Devices::EnergyDevice* device, const PravikDriver::UserMessages::LoadManagementMessage& message);
    void handleProgress(const PravikDriver::OpenDriver* driver, int dimension, const QString& address,
                        double minimum, double maximum, double value, int decimals);
    // Nothing came for 20 s: the views are usable again, drawn from the cache.
    void handleTimeOut(Models::EnergyDeviceInfo* record);

    static QStringList hours();
    static QStringList daysInMonth(const QDate& date);
    static QStringList monthsInYear(const QDate& start, const QDate& end, bool withYear);
    // One entry per label; the entries from passed on (all when passed is
    // negative) are the slots still to come, without a value.
    static Series valuePairs(const QStringList& labels, const QList<int>& values, int dataType,
                             const Devices::EnergyDevice* device, int passed = -1);
    // How many hours of the day, days of the month, have begun by the
    // meter's clock: all of a past one.
    static int passedHours(const QDate& day, const QDateTime& current);
    static int passedDays(const QDate& month, const QDate& today);
    // The answer bits a message type satisfies.
    static int loadMessageTypeToResponseType(int type);

    void setAnnualEnergyData(Gadgets::EnergyDataContainer* container, const Devices::EnergyDevice* device,
                             const QDate& firstMonth, const QDate& lastMonth, const QMap<QDate, int>& monthTotals,
                             qint64 total, const QDateTime& lastUpdated);

private:
    void requestDay(Models::EnergyDeviceInfo* record, const QDate& day, const QDateTime& current);
    void requestMonth(Models::EnergyDeviceInfo* record, const QDate& month, const QDateTime& current);
    void requestYear(Models::EnergyDeviceInfo* record, int annualViewDate, const QDateTime& current);
    void drawDay(Gadgets::EnergyDataViewControl* view, const Devices::EnergyDevice* device, const QDate& day);
    void drawMonth(Gadgets::EnergyDataViewControl* view, const Devices::EnergyDevice* device, const QDate& month);
    static void clearView(Gadgets::EnergyDataViewControl* view);
    void handleDayTotal(Models::EnergyDeviceInfo* record, int value, const QDateTime& current);
    void handleDayPerHour(Models::EnergyDeviceInfo* record,
                          const PravikDriver::UserMessages::LoadManagementMessage& message, const QDateTime& current);
    void handleMonthPerDay(Models::EnergyDeviceInfo* record,
                           const PravikDriver::UserMessages::LoadManagementMessage& message, const QDateTime& current);
    void handleMonthPerHour(Models::EnergyDeviceInfo* record,
                            const PravikDriver::UserMessages::LoadManagementMessage& message, const QDateTime& current);
    bool updateAnnualEnergyDataIfNeeded(Models::EnergyDeviceInfo* record, int year, int month, int value,
                                        const QDateTime& current);
    void updateMonthTotalEnergyData(Models::EnergyDeviceInfo* record, int year, int month, int value,
                                    const QDateTime& current);
    // Whether the conversation asked for a day, or a month, and expects the
    // bit; the bit is marked when so.
    bool takeDayAnswer(Models::EnergyDeviceInfo* record, const QDate& day, int response);
    bool takeMonthAnswer(Models::EnergyDeviceInfo* record, int year, int month, int response);
    // Draws the asking view from the cache while it shows what was asked.
    void redrawAskingView(Models::EnergyDeviceInfo* record);
    void setReceivedDataProgress(Models::EnergyDeviceInfo* record, double minimum, double maximum, double value,
                                 int decimals);

    EnergyDevicesController* m_controller;
};

} // namespace Controllers
} // namespace Corvane::Sentrel
