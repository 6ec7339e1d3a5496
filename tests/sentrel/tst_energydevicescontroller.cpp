#include "Controllers/data/EnergyDataExchange.h"
#include "Controllers/data/EnergyDevicesController.h"
#include "FavoriteWindow.h"
#include "Controllers/data/EnergyDeviceInfo.h"
#include "RecordingOpenDriver.h"
#include "SentrelFixture.h"
#include "LogCapture.h"
#include "simulation/ClockTimer.h"
#include "simulation/ManualClock.h"

#include "devices/Configuration.h"
#include "devices/DeviceAddress.h"
#include "devices/EnergyDevice.h"
#include "devices/EnergyDeviceCache.h"
#include "devices/EnergyDeviceProperties.h"
#include "devices/UserDeviceSettings.h"
#include "devices/WebServerDeviceProperties.h"
#include "energy/EnergyDataContainer.h"
#include "energy/EnergyDataViewControl.h"
#include "energy/GraphicsProgressBar.h"
#include "favorite/FavoriteControl.h"
#include "slider/SvgSliderControl.h"
#include "controls/SvgContentBackButton.h"
#include "controls/SvgContentButton.h"
#include "text/TextLabel.h"
#include "pravikdriver/PravikCodes.h"
#include "pravikdriver/PravikEnums.h"

#include <QLocale>
#include <QTest>

using namespace Corvane::Sentrel;
using namespace Corvane::PravikDriver::PravikCodes;
using Controllers::EnergyDataExchange;
using Controllers::EnergyDevicesController;
using Corvane::Devices::DeviceAddress;
using Corvane::Devices::EnergyDevice;
using Corvane::Devices::EnergyDeviceCache;
using Corvane::Devices::EnergyDeviceProperties;
using Corvane::Gadgets::EnergyDataContainer;
using Corvane::Gadgets::EnergyDataViewControl;
using Corvane::PravikDriver::Message;
using Models::EnergyDataConversation;
using Models::EnergyDeviceInfo;
namespace Common = Corvane::Gadgets::GadgetsCommon;

Q_DECLARE_METATYPE(Corvane::PravikDriver::Message)

namespace {

const QDateTime NOW(QDate(2024, 3, 10), QTime(14, 30));
const int SYSTEM = 18;

Message answer(int dimension, const QString& address, const QList<int>& values, int dimensionParameterCount)
{
    return Message(101, SYSTEM, address, 0, dimension, values, dimensionParameterCount);
}

Message autoUpdateAnswer(const QString& address, int period)
{
    return Message(4, SYSTEM, address, 0, AUTO_UPDATE, { 1, period }, 1);
}

// The requests of a data view, without the automatic-update and instant ones.
QList<Message> dataRequests(const QList<Message>& sent)
{
    QList<Message> list;
    for (const Message& message : sent)
        if (message.dimension() != AUTO_UPDATE && message.dimension() != INSTANT_ENERGY)
            list.append(message);
    return list;
}

bool sameRequests(QList<Message> sent, const QList<Message>& expected)
{
    if (sent.size() != expected.size())
        return false;
    for (int i = 0; i < sent.size(); ++i) {
        Message wanted = expected.at(i);
        wanted.setPriority(sent.at(i).priority());
        if (sent.at(i) != wanted)
            return false;
    }
    return true;
}

QString describe(const QList<Message>& messages)
{
    QStringList texts;
    for (const Message& message : messages)
        texts.append(QStringLiteral("(%1 %2 %3)").arg(message.commandType()).arg(message.dimension()).arg(message.parameters().size()));
    return texts.join(QLatin1Char(' '));
}

} // namespace

class tst_EnergyDevicesController : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void cachesArePerGatewayAndAddress();
    void unitQuotients_data();
    void unitQuotients();
    void dateBounds_data();
    void dateBounds();
    void gatewayDateMovesOnPastMidnight();
    void statusRequestAsksForAutomaticUpdatesEveryTime();
    void followsFavourites();
    void oldInterfaceMeterIsPolled_data();
    void oldInterfaceMeterIsPolled();
    void stoppedAutomaticUpdatesAreAskedAgainWhileWanted();
    void instantValueRaisesTheMaximum();
    void instantValueIsARate_data();
    void instantValueIsARate();
    void tariffsAreKeptInTheUserSettings();
    void renameRetitlesTheMetersOwnWindows();
    void centreClickShowsTheDataWindowOnce();
    void openedDataWindowAsksWhatTheCacheLacks_data();
    void openedDataWindowAsksWhatTheCacheLacks();
    void restoredFavouriteMakesItsDataWindowWhenOpened();
    void requests_data();
    void requests();
    void monthIsJudgedByTheMetersDate();
    void updatedToIsTheMetersMoment_data();
    void updatedToIsTheMetersMoment();
    void secondOkWhilePendingSendsNothing();
    void dailyAnswersFillTheCacheAndDrawTheAskingView();
    void pastDayCompletesWithTheHourlyAnswer();
    void hourlyBeforeTotalStillDrawsTheTotal();
    void lateAnswerForAnotherDayOnlyFillsTheCache();
    void answerTwiceIsHarmless();
    void answersForOtherMetersStayTheirs();
    void monthlyAnswersAndAverage();
    void previousYearDaysAreKeptUnderTheirOwnYear();
    void annualCompletesOnTwelveDistinctMonths();
    void annualIgnoresMonthsOutsideItsRange();
    void favouriteClosedWhileAnswersAreDue();
    void silentGatewayEndsInTheTimeOutState();
    void lateAnswerAfterTheTimeOutOnlyFillsTheCache();
    void drawingLeavesTheCacheAsItWas();
    void progressRunsOverBothMonthlySeries();

private:
    int addMeter(int gateway, int type, const DeviceAddress& address, const QString& name, int unit = 0);
    void load();
    EnergyDevice* meter(int id) const { return m_controller->energyDevice(id); }
    EnergyDataContainer* carousel(int id) const;
    EnergyDataViewControl* view(int id) const { return carousel(id)->energyDataViewControl(); }
    EnergyDeviceInfo* record(int id) const { return m_controller->infoForDevice(meter(id)); }
    // Gives the meter a status, on the new interface unless oldInterface.
    void giveStatus(int id, bool oldInterface = false);
    void ask(int id, Common::TimespanView timespan, const QDate& date,
             Common::AnnualViewDate annual = Common::LastTwelveMonths);
    QString address(int id) const { return m_controller->addressText(meter(id)); }
    // Opens the meter's favourite window as the user settings restore it.
    FavoriteWindow* openFavourite(int id) { return m_controller->addFavorite(id, 0, QPoint(300, 300), false, false, 60); }
    void clickCentre(int id) const
    {
        Corvane::Gadgets::FavoriteControl* control = m_controller->getFavoriteById(id)->favoriteControl();
        Q_EMIT control->elementClick(control->centerButton());
    }

    std::unique_ptr<SentrelFixture> m_fixture;
    std::unique_ptr<ManualClock> m_clock;
    std::unique_ptr<Corvane::Devices::Configuration> m_project;
    std::unique_ptr<EnergyDevicesController> m_controller;
    std::unique_ptr<RecordingOpenDriver> m_driver;
    std::unique_ptr<RecordingOpenDriver> m_otherDriver;
    int m_gateway = 0;
    int m_otherGateway = 0;
    int m_power = 0;
    int m_gas = 0;
};

void tst_EnergyDevicesController::initTestCase()
{
    SentrelFixture::useProgramTheme(QStringLiteral(":/CorvaneTheme"));
    // Numbers as the C locale writes them, whatever the runner's.
    QLocale::setDefault(QLocale::c());
}

void tst_EnergyDevicesController::init()
{
    m_fixture = std::make_unique<SentrelFixture>();
    m_clock = std::make_unique<ManualClock>(NOW);
    Clock::setProgramClock(m_clock.get());
    m_project.reset(Corvane::Devices::Configuration::empty());
    m_gateway = m_project->addDevice(new Corvane::Devices::WebServerDeviceProperties(0));
    m_otherGateway = m_project->addDevice(new Corvane::Devices::WebServerDeviceProperties(0));
    m_driver = std::make_unique<RecordingOpenDriver>();
    m_otherDriver = std::make_unique<RecordingOpenDriver>();
    m_controller = std::make_unique<EnergyDevicesController>(nullptr);
    m_driver->registerListener(m_controller.get());
    m_otherDriver->registerListener(m_controller.get());
    m_power = addMeter(m_gateway, 7051, DeviceAddress(1, -1, -1, -1), QStringLiteral("Power"));
    m_gas = addMeter(m_gateway, 7071, DeviceAddress(2, -1, -1, -1), QStringLiteral("Gas"), 1);
    load();
}

void tst_EnergyDevicesController::cleanup()
{
    m_driver->unregisterListener(m_controller.get());
    m_otherDriver->unregisterListener(m_controller.get());
    m_controller.reset();
    m_driver.reset();
    m_otherDriver.reset();
    m_project.reset();
    Clock::setProgramClock(nullptr);
    m_clock.reset();
    m_fixture.reset();
}

int tst_EnergyDevicesController::addMeter(int gateway, int type, const DeviceAddress& address, const QString& name,
                                          int unit)
{
    return m_project->addDevice(gateway, new EnergyDeviceProperties(0, type, address, name, unit));
}

void tst_EnergyDevicesController::load()
{
    m_controller->loadDevices(m_project.get());
    m_controller->setDrivers({ { m_gateway, m_driver.get() }, { m_otherGateway, m_otherDriver.get() } });
}

EnergyDataContainer* tst_EnergyDevicesController::carousel(int id) const
{
    m_controller->createDataControls();
    return static_cast<EnergyDataContainer*>(m_controller->dataControl(id));
}

void tst_EnergyDevicesController::giveStatus(int id, bool oldInterface)
{
    m_controller->updateDeviceStatus(meter(id));
    if (oldInterface) {
        m_clock->advance(EnergyDeviceInfo::newInterfaceResponseTimeoutExtended());
        m_driver->deliver(answer(INSTANT_ENERGY, address(id), { 300 }, 0));
    } else {
        m_driver->deliver(autoUpdateAnswer(address(id), 0));
    }
    QVERIFY(meter(id)->isStatusKnown());
    QCOMPARE(meter(id)->isNewInterfaceInUse(), !oldInterface);
    m_driver->clearSent();
}

void tst_EnergyDevicesController::ask(int id, Common::TimespanView timespan, const QDate& date,
                                      Common::AnnualViewDate annual)
{
    EnergyDataViewControl* face = view(id);
    face->setTimespanView(timespan);
    if (timespan == Common::DailyView)
        face->setDailyViewDate(QDateTime(date, QTime(12, 0)));
    else if (timespan == Common::MonthlyView)
        face->setMonthlyViewDate(QDateTime(date, QTime(12, 0)));
    else
        face->setAnnualViewDate(annual);
    Q_EMIT carousel(id)->energyDataViewOkClicked();
}

// Devices, units and dates

void tst_EnergyDevicesController::cachesArePerGatewayAndAddress()
{
    const int sameAddress = addMeter(m_gateway, 7051, DeviceAddress(1, -1, -1, -1), QStringLiteral("Twin"));
    const int otherGateway = addMeter(m_otherGateway, 7051, DeviceAddress(1, -1, -1, -1), QStringLiteral("Far"));
    load();
    QVERIFY(meter(m_power)->cache());
    QCOMPARE(meter(sameAddress)->cache(), meter(m_power)->cache());
    QVERIFY(meter(otherGateway)->cache() != meter(m_power)->cache());
    QVERIFY(meter(m_gas)->cache() != meter(m_power)->cache());
}

void tst_EnergyDevicesController::unitQuotients_data()
{
    QTest::addColumn<int>("dataType");
    QTest::addColumn<int>("deviceType");
    QTest::addColumn<int>("unit");
    QTest::addColumn<double>("quotient");

    QTest::newRow("electricity in kWh") << 0 << 7051 << 0 << 0.001;
    QTest::newRow("electricity money") << 1 << 7051 << 0 << 0.0025;
    QTest::newRow("gas in cubic metres") << 0 << 7071 << 1 << 1.0;
    QTest::newRow("water in litres") << 0 << 7061 << 2 << 1000.0;
    QTest::newRow("decalitres") << 0 << 7061 << 3 << 100.0;
    QTest::newRow("hectolitres") << 0 << 7061 << 4 << 10.0;
    QTest::newRow("cubic feet") << 0 << 7061 << 5 << 35.3146667;
    QTest::newRow("cubic yards") << 0 << 7061 << 6 << 1.3079506;
    QTest::newRow("US gallons") << 0 << 7061 << 7 << 264.1720524;
    QTest::newRow("UK gallons money") << 1 << 7061 << 8 << 219.9692483 * 2.5;
    QTest::newRow("unknown unit") << 0 << 7091 << 42 << 1.0;
}

void tst_EnergyDevicesController::unitQuotients()
{
    QFETCH(int, dataType);
    QFETCH(int, deviceType);
    QFETCH(int, unit);
    QFETCH(double, quotient);
    QVERIFY(qAbs(EnergyDevicesController::energyValueQuotient(dataType, deviceType, unit, 2.5) - quotient) < 1e-6);
}

void tst_EnergyDevicesController::dateBounds_data()
{
    QTest::addColumn<bool>("oldInterface");
    QTest::addColumn<QDate>("monthlyMinimum");
    QTest::newRow("new interface: two years") << false << QDate(2022, 4, 1);
    QTest::newRow("old interface: one year") << true << QDate(2023, 4, 1);
}

void tst_EnergyDevicesController::dateBounds()
{
    QFETCH(bool, oldInterface);
    QFETCH(QDate, monthlyMinimum);
    QDateTime end;
    QDateTime daily;
    QDateTime monthly;
    QVERIFY(!m_controller->energyDeviceDateBounds(meter(m_power), end, daily, monthly));
    giveStatus(m_power, oldInterface);
    const QDateTime now = m_clock->now();
    QVERIFY(m_controller->energyDeviceDateBounds(meter(m_power), end, daily, monthly));
    // Without a gateway date the computer's is taken.
    QCOMPARE(end, now);
    QCOMPARE(daily, now.addYears(-1).addDays(1));
    QCOMPARE(monthly.date(), monthlyMinimum);
    QCOMPARE(monthly.time(), now.time());
}

void tst_EnergyDevicesController::gatewayDateMovesOnPastMidnight()
{
    // The gateway runs two hours ahead of the computer.
    m_driver->deliver(Message(4, 13, QString(), 0, GATEWAY_TIME_DATE, { 23, 50, 0, 0, 10, 3, 2024, 0 }, 0),
                      Message::createServerStatusMessage(22));
    QCOMPARE(m_controller->energyDeviceCurrentDate(meter(m_power)), QDateTime(QDate(2024, 3, 10), QTime(23, 50)));
    m_clock->advance(20 * 60 * 1000);
    QCOMPARE(m_controller->energyDeviceCurrentDate(meter(m_power)), QDateTime(QDate(2024, 3, 11), QTime(0, 10)));
    // A meter of another gateway keeps the computer's date.
    const int far = addMeter(m_otherGateway, 7051, DeviceAddress(3, -1, -1, -1), QStringLiteral("Far"));
    load();
    QCOMPARE(m_controller->energyDeviceCurrentDate(meter(far)), m_clock->now());
}

// Automatic updates

void tst_EnergyDevicesController::statusRequestAsksForAutomaticUpdatesEveryTime()
{
    m_controller->updateDeviceStatus(meter(m_power));
    QVERIFY(!meter(m_power)->isStatusKnown());
    QVERIFY(record(m_power)->requestedNewInterfaceExistence());
    QVERIFY(record(m_power)->newInterfaceTimer()->isActive());
    // Off the page and without a favourite: a stop, sent anyway.
    QCOMPARE(m_driver->sent.size(), 1);
    QCOMPARE(m_driver->sent.first(), [&] {
        Message expected = Message::createStartAutoUpdateMessage(address(m_power), 1, 0);
        expected.setPriority(m_driver->sent.first().priority());
        return expected;
    }());
    QVERIFY(!view(m_power)->areControlsEnabled());

    m_driver->deliver(autoUpdateAnswer(address(m_power), 0));
    QVERIFY(meter(m_power)->isNewInterfaceInUse());
    QVERIFY(meter(m_power)->isStatusKnown());
    QVERIFY(view(m_power)->areControlsEnabled());

    // A second status request asks again though nothing changed, and no
    // instant value for a new-interface meter.
    m_driver->clearSent();
    m_controller->updateDeviceStatus(meter(m_power));
    QCOMPARE(m_driver->sentOf(SYSTEM, AUTO_UPDATE).size(), 1);
    QCOMPARE(m_driver->sentOf(SYSTEM, INSTANT_ENERGY).size(), 0);
}

void tst_EnergyDevicesController::followsFavourites()
{
    giveStatus(m_power);
    giveStatus(m_gas);
    openFavourite(m_gas);
    QVERIFY(m_controller->hasFavoriteFor(m_gas));
    // Its data window is made when it first opens.
    QVERIFY(!m_controller->favoriteDataControl(m_gas));
    QCOMPARE(m_driver->sentOf(SYSTEM, AUTO_UPDATE).size(), 1);
    QCOMPARE(m_driver->sentOf(SYSTEM, AUTO_UPDATE).first().parameters().at(1).value(), 255);

    m_driver->clearSent();
    m_controller->startAutoUpdate(false, true, false, 1);
    // Only the favourite keeps its updates, and nothing is sent again for it.
    QVERIFY(m_controller->shouldAutoUpdateDevice(meter(m_gas)));
    QVERIFY(!m_controller->shouldAutoUpdateDevice(meter(m_power)));
    QVERIFY(record(m_gas)->hasAutoUpdateStarted());
    QVERIFY(m_driver->sent.isEmpty());

    m_controller->getFavoriteById(m_gas)->close();
    QVERIFY(!m_controller->favoriteDataControl(m_gas));
    QCOMPARE(m_driver->sentOf(SYSTEM, AUTO_UPDATE).size(), 1);
    QCOMPARE(m_driver->sentOf(SYSTEM, AUTO_UPDATE).first().parameters().at(1).value(), 0);

    // Closing the project stops every update with priority 0.
    openFavourite(m_gas);
    m_driver->clearSent();
    m_controller->onDevicesConfigurationClosed();
    QCOMPARE(m_driver->sentOf(SYSTEM, AUTO_UPDATE).size(), 1);
    QCOMPARE(m_driver->sent.first().priority(), 0);
}

void tst_EnergyDevicesController::oldInterfaceMeterIsPolled_data()
{
    QTest::addColumn<bool>("refused");
    QTest::newRow("no answer to the automatic-update request") << false;
    QTest::newRow("automatic updates refused") << true;
}

// A favourite restored at start-up whose meter turns out to be of the old
// interface is polled every 30 s.
void tst_EnergyDevicesController::oldInterfaceMeterIsPolled()
{
    QFETCH(bool, refused);
    openFavourite(m_power);
    m_controller->updateDeviceStatus(meter(m_power));
    const Message request = m_driver->sentOf(SYSTEM, AUTO_UPDATE).last();
    m_driver->clearSent();
    if (refused)
        m_driver->deliver(Message(1, 0, QString(), 0, 0, {}, 0), request);
    else
        m_clock->advance(EnergyDeviceInfo::newInterfaceResponseTimeoutExtended());
    QVERIFY(!meter(m_power)->isNewInterfaceInUse());
    QVERIFY(m_controller->autoUpdateTimer()->isActive());
    QCOMPARE(m_controller->autoUpdateTimer()->interval(), 30000);
    QCOMPARE(m_driver->sentOf(SYSTEM, INSTANT_ENERGY).size(), refused ? 0 : 1);

    m_driver->deliver(answer(INSTANT_ENERGY, address(m_power), { 250 }, 0));
    m_driver->clearSent();
    m_clock->advance(30000);
    QCOMPARE(m_driver->sentOf(SYSTEM, INSTANT_ENERGY).size(), 1);
    m_clock->advance(30000);
    QCOMPARE(m_driver->sentOf(SYSTEM, INSTANT_ENERGY).size(), 2);

    // The last polled meter stops: so does the timer.
    m_controller->getFavoriteById(m_power)->close();
    QVERIFY(!m_controller->autoUpdateTimer()->isActive());
}

void tst_EnergyDevicesController::stoppedAutomaticUpdatesAreAskedAgainWhileWanted()
{
    giveStatus(m_power);
    openFavourite(m_power);
    m_driver->clearSent();
    m_driver->deliver(autoUpdateAnswer(address(m_power), 0));
    QCOMPARE(m_driver->sentOf(SYSTEM, AUTO_UPDATE).size(), 1);
    QCOMPARE(m_driver->sent.first().parameters().at(1).value(), 255);
    QCOMPARE(m_driver->sent.first().priority(), 1);
}

void tst_EnergyDevicesController::instantValueRaisesTheMaximum()
{
    giveStatus(m_power);
    Corvane::Gadgets::FavoriteControl* favourite = openFavourite(m_power)->favoriteControl();
    QVERIFY(favourite->sliderVisible());
    QCOMPARE(favourite->sliderMaxValue(), 1000.0);
    const int position = m_controller->indexOfIcon(m_power);
    QCOMPARE(m_controller->icons().at(position).maxValue(), 1000.0);
    // 1 500 000 W are 1500 kW.
    m_driver->deliver(answer(INSTANT_ENERGY, address(m_power), { 1500000 }, 0));
    QCOMPARE(meter(m_power)->instantValue(), 1500.0);
    QCOMPARE(m_controller->icons().at(position).maxValue(), 1500.0);
    QCOMPARE(favourite->sliderMaxValue(), 1500.0);
    QCOMPARE(favourite->sliderValue(), 1500.0);
    QCOMPARE(view(m_power)->consumptionLabel(EnergyDataViewControl::InstantConsumption)->text().contains(
                 QStringLiteral("1500.00")),
             true);
    // Without the monitor flag an answer is not taken.
    m_driver->sendMessageToListeners(answer(INSTANT_ENERGY, address(m_power), { 7000 }, 0), Message(), false);
    QCOMPARE(meter(m_power)->instantValue(), 1500.0);
}

void tst_EnergyDevicesController::instantValueIsARate_data()
{
    QTest::addColumn<bool>("electricity");
    QTest::addColumn<bool>("money");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("format");

    // 1500 W; 3 m³ an hour; the tariff of 0.5 a unit prices them per hour.
    QTest::newRow("power") << true << false << QStringLiteral("Inst: 1.50 kW") << QStringLiteral("%1 kW");
    QTest::newRow("power cost") << true << true << QStringLiteral("Inst: 0.75 €/h") << QStringLiteral("%1 kW");
    QTest::newRow("gas flow") << false << false << QStringLiteral("Inst: 3.00 m³/h") << QStringLiteral("%1 m³/h");
    QTest::newRow("gas cost") << false << true << QStringLiteral("Inst: 1.50 €/h") << QStringLiteral("%1 m³/h");
}

// An instant value is a power or a flow, never an amount: the data window,
// the icon's slider and the favourite's slider show it per hour.
void tst_EnergyDevicesController::instantValueIsARate()
{
    QFETCH(bool, electricity);
    QFETCH(bool, money);
    QFETCH(QString, label);
    QFETCH(QString, format);

    const int id = electricity ? m_power : m_gas;
    giveStatus(id);
    meter(id)->setUserTariff(0.5);
    FavoriteWindow* favourite = openFavourite(id);
    m_driver->deliver(answer(INSTANT_ENERGY, address(id), { electricity ? 1500 : 3 }, 0));
    if (money) {
        view(id)->setDataType(Common::MoneyData);
        Q_EMIT carousel(id)->cycleCurrencyUnitClicked();
    }
    QCOMPARE(view(id)->consumptionLabel(EnergyDataViewControl::InstantConsumption)->text(), label);
    QCOMPARE(m_controller->icons().at(m_controller->indexOfIcon(id)).valueFormat(), format);
    QCOMPARE(favourite->favoriteControl()->slider()->valueFormat(), format);
}

void tst_EnergyDevicesController::tariffsAreKeptInTheUserSettings()
{
    Corvane::Devices::UserDeviceSettings settings;
    meter(m_gas)->setUserTariff(0.75);
    m_controller->fillSettingsForDevice(settings, 0, meter(m_gas));
    QCOMPARE(settings.itemTariff(m_gas), 0.75);
    m_controller->fillSettingsForDevice(settings, 0, meter(m_power));
    QVERIFY(!settings.hasItemTariff(m_power));

    load();
    m_controller->loadSettingsForDevice(settings, 0, meter(m_gas));
    QCOMPARE(meter(m_gas)->userTariff(), 0.75);
}

void tst_EnergyDevicesController::renameRetitlesTheMetersOwnWindows()
{
    // The carousel's windows, as its first showing makes them.
    m_controller->createDataControls();
    openFavourite(m_power);
    openFavourite(m_gas);
    clickCentre(m_power);
    clickCentre(m_gas);
    m_controller->setDeviceIconName(m_power, -1, QStringLiteral("Kitchen"));
    auto* powerFavourite = static_cast<EnergyDataContainer*>(m_controller->favoriteDataControl(m_power));
    auto* gasFavourite = static_cast<EnergyDataContainer*>(m_controller->favoriteDataControl(m_gas));
    QCOMPARE(view(m_power)->itemName(), QStringLiteral("Kitchen"));
    QCOMPARE(powerFavourite->energyDataViewControl()->itemName(), QStringLiteral("Kitchen"));
    QCOMPARE(gasFavourite->energyDataViewControl()->itemName(), QStringLiteral("Gas"));
}

void tst_EnergyDevicesController::centreClickShowsTheDataWindowOnce()
{
    giveStatus(m_power);
    meter(m_power)->cache()->setDailyTotal(NOW.date(), 5000, NOW);
    openFavourite(m_power);
    clickCentre(m_power);
    auto* favourite = static_cast<EnergyDataContainer*>(m_controller->favoriteDataControl(m_power));
    QVERIFY(favourite->isVisible());
    // Filled from the cache, which holds its day: nothing is asked.
    QCOMPARE(favourite->energyDataViewControl()->dailyViewDate().date(), NOW.date());
    QVERIFY(favourite->energyDataViewControl()
                ->consumptionLabel(EnergyDataViewControl::TotalConsumption)
                ->text()
                .contains(QStringLiteral("5.00")));
    QVERIFY(dataRequests(m_driver->sent).isEmpty());
    // A second click leaves the window where the user put it.
    favourite->setPos(123, 45);
    clickCentre(m_power);
    QCOMPARE(favourite->pos(), QPointF(123, 45));
    // Its close button only hides it.
    Q_EMIT favourite->closeClicked();
    QVERIFY(!favourite->isVisible());
    QCOMPARE(m_controller->favoriteDataControl(m_power), favourite);
}

void tst_EnergyDevicesController::openedDataWindowAsksWhatTheCacheLacks_data()
{
    QTest::addColumn<bool>("status");
    QTest::newRow("meter with a status") << true;
    QTest::newRow("meter without a status") << false;
}

// A favourite's data window opened on a day the cache has nothing for asks
// the gateway for it, as its OK button would; a meter that has not answered
// yet is not asked.
void tst_EnergyDevicesController::openedDataWindowAsksWhatTheCacheLacks()
{
    QFETCH(bool, status);
    if (status)
        giveStatus(m_power);
    openFavourite(m_power);
    m_driver->clearSent();
    clickCentre(m_power);
    auto* favourite = static_cast<EnergyDataContainer*>(m_controller->favoriteDataControl(m_power));
    QVERIFY(favourite->isVisible());
    const QString a = address(m_power);
    const QList<Message> expected{ Message::createCurrentDayTotalMessage(a),
                                   Message::createDayPerHourMessage(a, NOW.date().month(), NOW.date().day(), false) };
    if (!status) {
        QVERIFY(dataRequests(m_driver->sent).isEmpty());
        return;
    }
    QVERIFY2(sameRequests(dataRequests(m_driver->sent), expected), qPrintable(describe(m_driver->sent)));
    QCOMPARE(record(m_power)->conversation().requestSender(), favourite);
    QVERIFY(!favourite->energyDataViewControl()->areControlsEnabled());
}

// A favourite restored at start-up makes no data window (nor its date
// editors) until the user opens it; until then the favourite keeps the
// stored size of its data window, which the window takes when made.
void tst_EnergyDevicesController::restoredFavouriteMakesItsDataWindowWhenOpened()
{
    giveStatus(m_power);
    FavoriteWindow* window = openFavourite(m_power);
    Corvane::Devices::UserDeviceSettings::Favorite stored(m_power, 0, 7000, 300, 300, 0.6, false, 1.3);
    m_controller->loadSettingsForFavorite(stored);
    QVERIFY(!m_controller->favoriteDataControl(m_power));
    QVERIFY(m_controller->favoriteDataControls().isEmpty());
    QVERIFY(!record(m_power)->favoriteDialog());
    QCOMPARE(m_controller->getFavoriteSettings(window).opacity, 1.3);

    clickCentre(m_power);
    auto* favourite = static_cast<EnergyDataContainer*>(m_controller->favoriteDataControl(m_power));
    QVERIFY(favourite);
    QCOMPARE(favourite->scale(), 1.3);
    QCOMPARE(record(m_power)->favoriteDialog(), favourite);
    favourite->setScale(0.9);
    QCOMPARE(m_controller->getFavoriteSettings(window).opacity, 0.9);
}

// Requests

void tst_EnergyDevicesController::requests_data()
{
    QTest::addColumn<bool>("oldInterface");
    QTest::addColumn<int>("timespan");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("annual");
    QTest::addColumn<QList<Message>>("expected");
    QTest::addColumn<int>("bits");

    const QString a = QStringLiteral("51");
    const int day = EnergyDataConversation::CurrentDayTotalResponse | EnergyDataConversation::DayPerHourResponse;
    const int month = EnergyDataConversation::MonthTotalResponse | EnergyDataConversation::MonthPerDayResponse;
    const int recentMonth = month | EnergyDataConversation::MonthPerHourResponse;
    const QDate today = NOW.date();
    QTest::newRow("today, new") << false << 0 << today << 1
                                << QList<Message> { Message::createCurrentDayTotalMessage(a),
                                                    Message::createDayPerHourMessage(a, 3, 10, false) }
                                << day;
    QTest::newRow("a past day, old") << true << 0 << QDate(2024, 2, 29) << 1
                                     << QList<Message> { Message::createDayPerHourMessage(a, 2, 29, true) } << day;
    QTest::newRow("current month, new")
        << false << 1 << QDate(2024, 3, 1) << 1
        << QList<Message> { Message::createCurrentMonthTotalMessage(a), Message::createMonthPerDayMessage(a, 3, false),
                            Message::createMonthPerHourMessage(a, 3, false) }
        << recentMonth;
    QTest::newRow("a month of the last year, old")
        << true << 1 << QDate(2023, 6, 1) << 1
        << QList<Message> { Message::createMonthTotalMessage(a, 23, 6), Message::createMonthPerDayMessage(a, 6, true),
                            Message::createMonthPerHourMessage(a, 6, true) }
        << recentMonth;
    QTest::newRow("an older month, new")
        << false << 1 << QDate(2022, 12, 1) << 1
        << QList<Message> { Message::createMonthTotalMessage(a, 22, 12), Message::createMonthPerDayPrevMessage(a, 12) }
        << month;
    QList<Message> lastTwelve;
    for (QDate m(2023, 4, 1); m <= QDate(2024, 3, 1); m = m.addMonths(1))
        lastTwelve.append(Message::createMonthTotalMessage(a, m.year() % 100, m.month()));
    QList<Message> previousTwelve;
    for (QDate m(2022, 4, 1); m <= QDate(2023, 3, 1); m = m.addMonths(1))
        previousTwelve.append(Message::createMonthTotalMessage(a, m.year() % 100, m.month()));
    QTest::newRow("last twelve months")
        << false << 2 << QDate() << 1 << (lastTwelve << Message::createCurrentMonthTotalMessage(a))
        << int(EnergyDataConversation::AnnualResponse);
    QTest::newRow("previous twelve months") << true << 2 << QDate() << 0 << previousTwelve
                                            << int(EnergyDataConversation::AnnualResponse);
}

void tst_EnergyDevicesController::requests()
{
    QFETCH(bool, oldInterface);
    QFETCH(int, timespan);
    QFETCH(QDate, date);
    QFETCH(int, annual);
    QFETCH(QList<Message>, expected);
    QFETCH(int, bits);

    giveStatus(m_power, oldInterface);
    ask(m_power, Common::TimespanView(timespan), date, Common::AnnualViewDate(annual));
    const QList<Message> sent = dataRequests(m_driver->sent);
    QVERIFY2(sameRequests(sent, expected), qPrintable(describe(sent)));
    const EnergyDataConversation& conversation = record(m_power)->conversation();
    QCOMPARE(conversation.responsesToReceive(), bits);
    QVERIFY(conversation.responseTimer()->isActive());
    QCOMPARE(conversation.requestSender(), carousel(m_power));
    QVERIFY(!view(m_power)->areControlsEnabled());
    if (timespan == 2)
        QCOMPARE(conversation.annualResponsesLeft(), 12);
}

// The gateway runs ten minutes ahead: at 23:55 on 31 March its meter is in
// April already. April is the meter's current month: asked with its hours,
// filed under this year and drawn, the hours' view offered.
void tst_EnergyDevicesController::monthIsJudgedByTheMetersDate()
{
    m_clock->setDateTime(QDateTime(QDate(2024, 3, 31), QTime(23, 55)));
    m_driver->deliver(Message(4, 13, QString(), 0, GATEWAY_TIME_DATE, { 0, 5, 0, 0, 1, 4, 2024, 0 }, 0),
                      Message::createServerStatusMessage(22));
    giveStatus(m_power);
    ask(m_power, Common::MonthlyView, QDate(2024, 4, 1));
    const QString a = address(m_power);
    const QList<Message> sent = dataRequests(m_driver->sent);
    QVERIFY2(sameRequests(sent, { Message::createCurrentMonthTotalMessage(a), Message::createMonthPerDayMessage(a, 4, false),
                                  Message::createMonthPerHourMessage(a, 4, false) }),
             qPrintable(describe(sent)));

    m_driver->deliver(answer(CURRENT_MONTH_TOTAL, a, { 300 }, 0));
    for (int day = 1; day <= 31; ++day)
        m_driver->deliver(answer(NEW_MONTH_PER_DAY, a, { 4, day, day == 1 ? 300 : 0 }, 1));
    for (int hour = 1; hour <= 25; ++hour)
        m_driver->deliver(answer(NEW_MONTH_PER_HOUR, a, { 4, hour, hour == 1 ? 300 : 0 }, 1));
    QVERIFY(!record(m_power)->conversation().shouldReceiveResponses());
    const EnergyDeviceCache* cache = meter(m_power)->cache();
    QVERIFY(cache->findMonthlyPeriod(2024, 4, EnergyDeviceCache::PerDay));
    QVERIFY(!cache->findMonthlyPeriod(2023, 4, EnergyDeviceCache::PerDay));
    QCOMPARE(view(m_power)->energyDataStatus(), EnergyDataViewControl::DataShown);
    QVERIFY(view(m_power)->consumptionLabel(EnergyDataViewControl::TotalConsumption)->text().contains(QStringLiteral("0.30")));
    QVERIFY(view(m_power)->button(EnergyDataViewControl::CYCLE_MONTHLY_VIEW_BUTTON_ID)->isVisibleTo(view(m_power)));
}

void tst_EnergyDevicesController::updatedToIsTheMetersMoment_data()
{
    QTest::addColumn<int>("timespan");
    QTest::newRow("day") << int(Common::DailyView);
    QTest::newRow("month") << int(Common::MonthlyView);
    QTest::newRow("year") << int(Common::AnnualView);
}

// The gateway runs ten minutes ahead, at 23:55 on 31 March: every view says
// it holds the data up to the meter's moment, 1 April 00:05.
void tst_EnergyDevicesController::updatedToIsTheMetersMoment()
{
    QFETCH(int, timespan);
    m_clock->setDateTime(QDateTime(QDate(2024, 3, 31), QTime(23, 55)));
    m_driver->deliver(Message(4, 13, QString(), 0, GATEWAY_TIME_DATE, { 0, 5, 0, 0, 1, 4, 2024, 0 }, 0),
                      Message::createServerStatusMessage(22));
    giveStatus(m_power);
    const QDateTime metersMoment(QDate(2024, 4, 1), QTime(0, 5));
    ask(m_power, Common::TimespanView(timespan), metersMoment.date(), Common::LastTwelveMonths);
    const QString a = address(m_power);
    if (timespan == Common::DailyView) {
        m_driver->deliver(answer(CURRENT_DAY_TOTAL, a, { 300 }, 0));
        for (int i = 1; i <= 25; ++i)
            m_driver->deliver(answer(NEW_DAY_PER_HOUR, a, { 4, 1, i, i == 1 || i == 25 ? 300 : 0 }, 2));
    } else if (timespan == Common::MonthlyView) {
        m_driver->deliver(answer(CURRENT_MONTH_TOTAL, a, { 300 }, 0));
        for (int day = 1; day <= 31; ++day)
            m_driver->deliver(answer(NEW_MONTH_PER_DAY, a, { 4, day, day == 1 ? 300 : 0 }, 1));
        for (int hour = 1; hour <= 25; ++hour)
            m_driver->deliver(answer(NEW_MONTH_PER_HOUR, a, { 4, hour, hour == 1 ? 300 : 0 }, 1));
    } else {
        m_driver->deliver(answer(CURRENT_MONTH_TOTAL, a, { 300 }, 0));
        for (int back = 1; back < 12; ++back) {
            const QDate month = metersMoment.date().addMonths(-back);
            m_driver->deliver(answer(MONTH_TOTAL, a, { month.year() % 100, month.month(), 300 }, 2));
        }
    }
    QVERIFY(!record(m_power)->conversation().shouldReceiveResponses());
    QCOMPARE(view(m_power)->energyDataStatus(), EnergyDataViewControl::DataShown);
    QCOMPARE(view(m_power)->lastUpdated(), metersMoment);
}

void tst_EnergyDevicesController::secondOkWhilePendingSendsNothing()
{
    ask(m_power, Common::DailyView, NOW.date());
    QVERIFY(dataRequests(m_driver->sent).isEmpty());
    giveStatus(m_power);
    ask(m_power, Common::DailyView, NOW.date());
    QCOMPARE(dataRequests(m_driver->sent).size(), 2);
    m_driver->clearSent();
    ask(m_power, Common::DailyView, NOW.date());
    QVERIFY(m_driver->sent.isEmpty());
}

// Answers

void tst_EnergyDevicesController::dailyAnswersFillTheCacheAndDrawTheAskingView()
{
    giveStatus(m_power);
    ask(m_power, Common::DailyView, NOW.date());
    const QString a = address(m_power);
    m_driver->deliver(answer(CURRENT_DAY_TOTAL, a, { 12000 }, 0));
    QCOMPARE(record(m_power)->conversation().responsesToReceive(), int(EnergyDataConversation::DayPerHourResponse));
    // 25 frames make one answer.
    for (int i = 1; i <= 25; ++i)
        m_driver->deliver(answer(NEW_DAY_PER_HOUR, a, { 3, 10, i, i == 25 ? 12000 : (i <= 14 ? 500 : 0) }, 2));

    const EnergyDeviceCache::DailyEntry* entry = meter(m_power)->cache()->findDaily(NOW.date());
    QVERIFY(entry);
    QCOMPARE(entry->total, 12000);
    QCOMPARE(entry->hours.size(), 24);
    QVERIFY(!record(m_power)->conversation().shouldReceiveResponses());
    QVERIFY(!record(m_power)->conversation().responseTimer()->isActive());
    QVERIFY(view(m_power)->areControlsEnabled());
    QCOMPARE(view(m_power)->energyDataStatus(), EnergyDataViewControl::DataShown);
    QVERIFY(view(m_power)->consumptionLabel(EnergyDataViewControl::TotalConsumption)->text().contains(QStringLiteral("12.00")));
}

void tst_EnergyDevicesController::pastDayCompletesWithTheHourlyAnswer()
{
    giveStatus(m_power);
    ask(m_power, Common::DailyView, QDate(2024, 3, 9));
    const QString a = address(m_power);
    for (int i = 1; i <= 25; ++i)
        m_driver->deliver(answer(NEW_DAY_PER_HOUR, a, { 3, 9, i, i == 25 ? 24000 : 1000 }, 2));
    QVERIFY(!record(m_power)->conversation().shouldReceiveResponses());
    QCOMPARE(meter(m_power)->cache()->findDaily(QDate(2024, 3, 9))->total, 24000);
    QVERIFY(view(m_power)->consumptionLabel(EnergyDataViewControl::TotalConsumption)->text().contains(QStringLiteral("24.00")));
}

void tst_EnergyDevicesController::hourlyBeforeTotalStillDrawsTheTotal()
{
    giveStatus(m_power);
    ask(m_power, Common::DailyView, NOW.date());
    const QString a = address(m_power);
    for (int i = 1; i <= 25; ++i)
        m_driver->deliver(answer(NEW_DAY_PER_HOUR, a, { 3, 10, i, 100 }, 2));
    QCOMPARE(record(m_power)->conversation().responsesToReceive(),
             int(EnergyDataConversation::CurrentDayTotalResponse));
    m_driver->deliver(answer(CURRENT_DAY_TOTAL, a, { 4321 }, 0));
    QVERIFY(!record(m_power)->conversation().shouldReceiveResponses());
    QVERIFY(view(m_power)->consumptionLabel(EnergyDataViewControl::TotalConsumption)->text().contains(QStringLiteral("4.32")));
}

void tst_EnergyDevicesController::lateAnswerForAnotherDayOnlyFillsTheCache()
{
    giveStatus(m_power);
    ask(m_power, Common::DailyView, QDate(2024, 3, 9));
    // The user moves to another day meanwhile; an answer for a day nobody
    // asked for arrives too.
    view(m_power)->setDailyViewDate(QDateTime(QDate(2024, 3, 8), QTime(12, 0)));
    const QString a = address(m_power);
    for (int i = 1; i <= 25; ++i)
        m_driver->deliver(answer(NEW_DAY_PER_HOUR, a, { 3, 7, i, 7 }, 2));
    QCOMPARE(record(m_power)->conversation().responsesToReceive(),
             int(EnergyDataConversation::CurrentDayTotalResponse | EnergyDataConversation::DayPerHourResponse));
    QVERIFY(meter(m_power)->cache()->findDaily(QDate(2024, 3, 7)));

    for (int i = 1; i <= 25; ++i)
        m_driver->deliver(answer(NEW_DAY_PER_HOUR, a, { 3, 9, i, 9 }, 2));
    QVERIFY(!record(m_power)->conversation().shouldReceiveResponses());
    QCOMPARE(meter(m_power)->cache()->findDaily(QDate(2024, 3, 9))->hours.first(), 9);
    // The view shows 8 March, of which nothing is known.
    QCOMPARE(view(m_power)->energyDataStatus(), EnergyDataViewControl::NoData);
    QVERIFY(!meter(m_power)->cache()->findDaily(QDate(2024, 3, 8)));
}

void tst_EnergyDevicesController::answerTwiceIsHarmless()
{
    giveStatus(m_power);
    ask(m_power, Common::MonthlyView, QDate(2022, 12, 1));
    const QString a = address(m_power);
    m_driver->deliver(answer(MONTH_TOTAL, a, { 22, 12, 31000 }, 2));
    m_driver->deliver(answer(MONTH_TOTAL, a, { 22, 12, 31000 }, 2));
    QCOMPARE(record(m_power)->conversation().responsesToReceive(), int(EnergyDataConversation::MonthPerDayResponse));
    QCOMPARE(meter(m_power)->cache()->findMonthly(2022, 12)->total, 31000);
    QCOMPARE(meter(m_power)->cache()->findMonthlyPeriod(2022, 12, EnergyDeviceCache::PerDay)->average, 1000.0);
}

void tst_EnergyDevicesController::answersForOtherMetersStayTheirs()
{
    const int far = addMeter(m_otherGateway, 7051, DeviceAddress(1, -1, -1, -1), QStringLiteral("Far"));
    load();
    giveStatus(m_power);
    ask(m_power, Common::DailyView, NOW.date());
    // Same address on the other gateway, and an address without a meter.
    m_otherDriver->deliver(answer(CURRENT_DAY_TOTAL, address(far), { 777 }, 0));
    m_driver->deliver(answer(CURRENT_DAY_TOTAL, QStringLiteral("99"), { 555 }, 0));
    QVERIFY(!meter(m_power)->cache()->findDaily(NOW.date()));
    QCOMPARE(meter(far)->cache()->findDaily(NOW.date())->total, 777);
    QCOMPARE(record(m_power)->conversation().responsesToReceive(),
             int(EnergyDataConversation::CurrentDayTotalResponse | EnergyDataConversation::DayPerHourResponse));
}

void tst_EnergyDevicesController::monthlyAnswersAndAverage()
{
    giveStatus(m_power);
    view(m_power)->setMonthlyViewMode(Common::MonthlyViewHours);
    ask(m_power, Common::MonthlyView, QDate(2024, 2, 1));
    const QString a = address(m_power);
    m_driver->deliver(answer(MONTH_TOTAL, a, { 24, 2, 29000 }, 2));
    for (int day = 1; day <= 31; ++day)
        m_driver->deliver(answer(NEW_MONTH_PER_DAY, a, { 2, day, day <= 29 ? 1000 : 0 }, 1));
    for (int hour = 1; hour <= 25; ++hour)
        m_driver->deliver(answer(NEW_MONTH_PER_HOUR, a, { 2, hour, hour == 25 ? 1234 : 50 }, 1));
    QVERIFY(!record(m_power)->conversation().shouldReceiveResponses());
    const EnergyDeviceCache* cache = meter(m_power)->cache();
    QCOMPARE(cache->findMonthlyPeriod(2024, 2, EnergyDeviceCache::PerDay)->values.size(), 31);
    QCOMPARE(cache->findMonthlyPeriod(2024, 2, EnergyDeviceCache::PerHour)->values.size(), 24);
    // A recent month of a new-interface meter takes its average from the
    // hours' answer.
    QCOMPARE(cache->findMonthlyPeriod(2024, 2, EnergyDeviceCache::PerDay)->average, 1234.0);
    QVERIFY(view(m_power)->consumptionLabel(EnergyDataViewControl::AverageConsumption)->text().contains(QStringLiteral("1.23")));
    QVERIFY(view(m_power)->consumptionLabel(EnergyDataViewControl::TotalConsumption)->text().contains(QStringLiteral("29.00")));
}

void tst_EnergyDevicesController::previousYearDaysAreKeptUnderTheirOwnYear()
{
    giveStatus(m_power);
    const QString a = address(m_power);
    // This year's (last twelve months') May is already known.
    ask(m_power, Common::MonthlyView, QDate(2023, 5, 1));
    m_driver->deliver(answer(MONTH_TOTAL, a, { 23, 5, 100 }, 2));
    for (int day = 1; day <= 31; ++day)
        m_driver->deliver(answer(NEW_MONTH_PER_DAY, a, { 5, day, 5 }, 1));
    for (int hour = 1; hour <= 25; ++hour)
        m_driver->deliver(answer(NEW_MONTH_PER_HOUR, a, { 5, hour, 5 }, 1));
    QVERIFY(!record(m_power)->conversation().shouldReceiveResponses());

    ask(m_power, Common::MonthlyView, QDate(2022, 5, 1));
    m_driver->deliver(answer(MONTH_TOTAL, a, { 22, 5, 200 }, 2));
    for (int day = 1; day <= 31; ++day)
        m_driver->deliver(answer(NEW_MONTH_PER_DAY_PREV, a, { 5, day, 7 }, 1));
    QVERIFY(!record(m_power)->conversation().shouldReceiveResponses());
    const EnergyDeviceCache* cache = meter(m_power)->cache();
    QCOMPARE(cache->findMonthlyPeriod(2023, 5, EnergyDeviceCache::PerDay)->values.first(), 5);
    QCOMPARE(cache->findMonthlyPeriod(2022, 5, EnergyDeviceCache::PerDay)->values.first(), 7);
}

void tst_EnergyDevicesController::annualCompletesOnTwelveDistinctMonths()
{
    giveStatus(m_power);
    view(m_power)->setConsumptionDisplay(Common::TableDisplay);
    ask(m_power, Common::AnnualView, QDate(), Common::LastTwelveMonths);
    const QString a = address(m_power);
    QList<QDate> months;
    for (QDate m(2023, 4, 1); m <= QDate(2024, 3, 1); m = m.addMonths(1))
        months.append(m);
    // Shuffled, one month twice.
    const QList<int> order { 5, 0, 11, 3, 3, 7, 1, 9, 2, 10, 4, 6 };
    for (int index : order)
        m_driver->deliver(answer(MONTH_TOTAL, a, { months.at(index).year() % 100, months.at(index).month(), 1000 * (index + 1) }, 2));
    QCOMPARE(record(m_power)->conversation().annualResponsesLeft(), 1);
    QCOMPARE(view(m_power)->energyDataStatus(), EnergyDataViewControl::LoadingData);
    m_driver->deliver(answer(MONTH_TOTAL, a, { 23, 12, 9000 }, 2));
    QVERIFY(!record(m_power)->conversation().shouldReceiveResponses());
    const EnergyDeviceCache::AnnualEntry* entry = meter(m_power)->cache()->findAnnual(Common::LastTwelveMonths);
    QVERIFY(entry);
    QCOMPARE(entry->monthTotals.size(), 12);
    QCOMPARE(entry->sum(), qint64(78000));
    QCOMPARE(view(m_power)->energyDataStatus(), EnergyDataViewControl::DataShown);
    QVERIFY(view(m_power)->consumptionLabel(EnergyDataViewControl::TotalConsumption)->text().contains(QStringLiteral("78.00")));
    QVERIFY(view(m_power)->areControlsEnabled());
}

void tst_EnergyDevicesController::annualIgnoresMonthsOutsideItsRange()
{
    giveStatus(m_power);
    ask(m_power, Common::AnnualView, QDate(), Common::LastTwelveMonths);
    const QString a = address(m_power);
    // A late month total of an earlier request, two years back.
    m_driver->deliver(answer(MONTH_TOTAL, a, { 22, 2, 5555 }, 2));
    QCOMPARE(record(m_power)->conversation().annualResponsesLeft(), 12);
    QCOMPARE(meter(m_power)->cache()->findMonthly(2022, 2)->total, 5555);
    for (QDate m(2023, 4, 1); m <= QDate(2024, 3, 1); m = m.addMonths(1))
        m_driver->deliver(answer(MONTH_TOTAL, a, { m.year() % 100, m.month(), 1 }, 2));
    QCOMPARE(meter(m_power)->cache()->findAnnual(Common::LastTwelveMonths)->sum(), qint64(12));
}

void tst_EnergyDevicesController::favouriteClosedWhileAnswersAreDue()
{
    giveStatus(m_power);
    openFavourite(m_power);
    clickCentre(m_power);
    auto* favourite = static_cast<EnergyDataContainer*>(m_controller->favoriteDataControl(m_power));
    favourite->energyDataViewControl()->setTimespanView(Common::DailyView);
    favourite->energyDataViewControl()->setDailyViewDate(QDateTime(NOW.date(), QTime(12, 0)));
    Q_EMIT favourite->energyDataViewOkClicked();
    QCOMPARE(record(m_power)->conversation().requestSender(), favourite);

    m_controller->getFavoriteById(m_power)->close();
    QVERIFY(!record(m_power)->conversation().requestSender());
    const QString a = address(m_power);
    m_controller->receivedDataProgress(m_driver.get(), SYSTEM, NEW_DAY_PER_HOUR, a, 0, 25, 3, 0);
    m_driver->deliver(answer(CURRENT_DAY_TOTAL, a, { 4000 }, 0));
    for (int i = 1; i <= 25; ++i)
        m_driver->deliver(answer(NEW_DAY_PER_HOUR, a, { 3, 10, i, 10 }, 2));
    QCOMPARE(meter(m_power)->cache()->findDaily(NOW.date())->total, 4000);
    QVERIFY(!record(m_power)->conversation().shouldReceiveResponses());
}

void tst_EnergyDevicesController::silentGatewayEndsInTheTimeOutState()
{
    giveStatus(m_power);
    LogCapture log;
    ask(m_power, Common::MonthlyView, QDate(2024, 1, 1));
    m_driver->deliver(answer(MONTH_TOTAL, address(m_power), { 24, 1, 3100 }, 2));
    for (int day = 1; day <= 10; ++day)
        m_driver->deliver(answer(NEW_MONTH_PER_DAY, address(m_power), { 1, day, 100 }, 1));
    QCOMPARE(view(m_power)->energyDataStatus(), EnergyDataViewControl::LoadingData);
    m_clock->advance(19999);
    QVERIFY(record(m_power)->conversation().shouldReceiveResponses());
    m_clock->advance(1);

    QVERIFY(!record(m_power)->conversation().shouldReceiveResponses());
    QVERIFY(view(m_power)->areControlsEnabled());
    QVERIFY(!view(m_power)->progressBar()->isVisible());
    QVERIFY(view(m_power)->energyDataStatus() != EnergyDataViewControl::LoadingData);
    QVERIFY(view(m_power)->consumptionLabel(EnergyDataViewControl::TotalConsumption)->text().contains(QStringLiteral("3.10")));
    QVERIFY2(log.contains(QStringLiteral("Energy meter \"Power\"")), qPrintable(log.lines().join('\n')));
}

void tst_EnergyDevicesController::lateAnswerAfterTheTimeOutOnlyFillsTheCache()
{
    giveStatus(m_power);
    ask(m_power, Common::DailyView, QDate(2024, 3, 9));
    m_clock->advance(20000);
    QVERIFY(!record(m_power)->conversation().shouldReceiveResponses());
    QCOMPARE(view(m_power)->energyDataStatus(), EnergyDataViewControl::NoData);
    for (int i = 1; i <= 25; ++i)
        m_driver->deliver(answer(NEW_DAY_PER_HOUR, address(m_power), { 3, 9, i, 5 }, 2));
    QVERIFY(meter(m_power)->cache()->findDaily(QDate(2024, 3, 9)));
    QCOMPARE(view(m_power)->energyDataStatus(), EnergyDataViewControl::NoData);
    // Asked again later, the view is drawn from the cache at once.
    Q_EMIT carousel(m_power)->energyDataCacheRequested();
    QCOMPARE(view(m_power)->energyDataStatus(), EnergyDataViewControl::DataShown);
}

void tst_EnergyDevicesController::drawingLeavesTheCacheAsItWas()
{
    giveStatus(m_power);
    for (Common::TimespanView timespan : { Common::DailyView, Common::MonthlyView, Common::AnnualView }) {
        view(m_power)->setTimespanView(timespan);
        m_controller->dataExchange()->getEnergyDataCache(carousel(m_power));
        QCOMPARE(view(m_power)->energyDataStatus(), EnergyDataViewControl::NoData);
    }
    const EnergyDeviceCache* cache = meter(m_power)->cache();
    QVERIFY(!cache->hasDaily(view(m_power)->dailyViewDate().date()));
    QVERIFY(!cache->hasMonthly(view(m_power)->monthlyViewDate().date().year(), view(m_power)->monthlyViewDate().date().month()));
    QVERIFY(!cache->hasAnnual(0) && !cache->hasAnnual(1));
}

void tst_EnergyDevicesController::progressRunsOverBothMonthlySeries()
{
    giveStatus(m_power);
    ask(m_power, Common::MonthlyView, QDate(2024, 1, 1));
    auto* bar = view(m_power)->progressBar();
    const QString a = address(m_power);
    m_controller->receivedDataProgress(m_driver.get(), SYSTEM, NEW_MONTH_PER_DAY, a, 0, 31, 10, 0);
    QCOMPARE(bar->maximum(), 31.0 + 25);
    QCOMPARE(bar->progress(), 10.0);
    m_controller->receivedDataProgress(m_driver.get(), SYSTEM, NEW_MONTH_PER_HOUR, a, 0, 25, 5, 0);
    QCOMPARE(bar->maximum(), 25.0 + 31);
    QCOMPARE(bar->progress(), 5.0 + 31);
}

QTEST_MAIN(tst_EnergyDevicesController)
#include "tst_energydevicescontroller.moc"
