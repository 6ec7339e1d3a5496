#include "SentrelFixture.h"

#include "Controllers/data/EnergyDeviceInfo.h"
#include "devices/EnergyDevice.h"
#include "energy/EnergyDataContainer.h"
#include "energy/EnergyDataViewControl.h"
#include "pravikdriver/Driver.h"
#include "simulation/ClockTimer.h"
#include "simulation/ManualClock.h"

#include <QSignalSpy>
#include <QTest>

using Corvane::Devices::DeviceAddress;
using Corvane::Devices::EnergyDevice;
using Corvane::Devices::EnergyDeviceProperties;
using Corvane::Gadgets::EnergyDataContainer;
using Corvane::Gadgets::Models::EnergyDataViewConfig;
using Corvane::Sentrel::Clock;
using Corvane::Sentrel::ManualClock;
using Corvane::Sentrel::Models::EnergyDataConversation;
using Corvane::Sentrel::Models::EnergyDeviceInfo;

class tst_EnergyDeviceInfo : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { SentrelFixture::useProgramTheme(QStringLiteral(":/CorvaneTheme")); }
    void init();
    void cleanup();
    void newInterfaceTimeOutIsTheDriversPlusOneSecond();
    void requestingTwiceStartsTheTimerOnce();
    void relaysTheConversationsSignals();
    void containersAreForgottenWhenDeleted();
    void shouldUpdateUIFollowsTheCarouselView();

private:
    ManualClock* m_clock = nullptr;
    EnergyDevice* m_device = nullptr;
};

void tst_EnergyDeviceInfo::init()
{
    m_clock = new ManualClock;
    Clock::setProgramClock(m_clock);
    m_device = new EnergyDevice(EnergyDeviceProperties(5, 7051, DeviceAddress(1, -1, -1, -1), QStringLiteral("Power")), 1);
}

void tst_EnergyDeviceInfo::cleanup()
{
    delete m_device;
    Clock::setProgramClock(nullptr);
    delete m_clock;
}

void tst_EnergyDeviceInfo::newInterfaceTimeOutIsTheDriversPlusOneSecond()
{
    EnergyDeviceInfo record(m_device, nullptr, nullptr, false);
    QCOMPARE(EnergyDeviceInfo::newInterfaceResponseTimeout(), Corvane::PravikDriver::Driver::waitForResponseTimeout());
    QCOMPARE(EnergyDeviceInfo::newInterfaceResponseTimeoutExtended(),
             Corvane::PravikDriver::Driver::waitForResponseTimeout() + 1000);
    QCOMPARE(record.newInterfaceTimer()->interval(), EnergyDeviceInfo::newInterfaceResponseTimeoutExtended());
    QVERIFY(record.newInterfaceTimer()->isSingleShot());
    QVERIFY(!record.requestedNewInterfaceExistence());
    QVERIFY(!record.newInterfaceTimer()->isActive());
    QVERIFY(!record.isValid());
}

void tst_EnergyDeviceInfo::requestingTwiceStartsTheTimerOnce()
{
    EnergyDeviceInfo record(m_device, nullptr, nullptr, false);
    QSignalSpy timedOut(&record, &EnergyDeviceInfo::newInterfaceExistenceResponseTimedOut);
    const int timeout = EnergyDeviceInfo::newInterfaceResponseTimeoutExtended();

    record.setRequestedNewInterfaceExistence(true);
    m_clock->advance(timeout - 100);
    record.setRequestedNewInterfaceExistence(true);
    m_clock->advance(100);
    QCOMPARE(timedOut.size(), 1);

    // Withdrawn in time: no time-out.
    record.setRequestedNewInterfaceExistence(false);
    record.setRequestedNewInterfaceExistence(true);
    m_clock->advance(timeout / 2);
    record.setRequestedNewInterfaceExistence(false);
    m_clock->advance(timeout);
    QCOMPARE(timedOut.size(), 1);
}

void tst_EnergyDeviceInfo::relaysTheConversationsSignals()
{
    EnergyDeviceInfo record(m_device, nullptr, nullptr, false);
    QSignalSpy timedOut(&record, &EnergyDeviceInfo::dataResponseTimedOut);
    QSignalSpy completed(&record, &EnergyDeviceInfo::allResponsesReceived);
    record.conversation().addResponseToReceive(EnergyDataConversation::MonthTotalResponse);
    record.conversation().markDataAsSentReceived(true);
    m_clock->advance(EnergyDataConversation::DATA_RESPONSE_TIMEOUT);
    QCOMPARE(timedOut.size(), 1);
    record.conversation().markResponseReceived(EnergyDataConversation::MonthTotalResponse);
    QCOMPARE(completed.size(), 1);
}

void tst_EnergyDeviceInfo::containersAreForgottenWhenDeleted()
{
    auto* carousel = new EnergyDataContainer;
    auto* favorite = new EnergyDataContainer;
    EnergyDeviceInfo record(m_device, carousel, nullptr, false);
    QVERIFY(record.isValid());
    record.setFavoriteDialog(favorite);
    QCOMPARE(record.dialogs(), (QList<EnergyDataContainer*> { carousel, favorite }));
    record.conversation().setRequestSender(favorite);

    delete favorite;
    QVERIFY(!record.favoriteDialog());
    QVERIFY(!record.conversation().requestSender());
    QCOMPARE(record.dialogs(), QList<EnergyDataContainer*> { carousel });
    delete carousel;
    QVERIFY(!record.isValid());
    QVERIFY(record.dialogs().isEmpty());
}

void tst_EnergyDeviceInfo::shouldUpdateUIFollowsTheCarouselView()
{
    EnergyDataContainer carousel;
    EnergyDeviceInfo record(m_device, &carousel, nullptr, false);
    const EnergyDataViewConfig shown = carousel.energyDataViewControl()->config();
    record.conversation().setParams(shown);
    QVERIFY(!record.shouldUpdateUI());

    record.conversation().addResponseToReceive(EnergyDataConversation::DayPerHourResponse);
    QVERIFY(record.shouldUpdateUI());

    EnergyDataViewConfig other = shown;
    other.setTimespanView(Corvane::Gadgets::GadgetsCommon::AnnualView);
    record.conversation().setParams(other);
    QVERIFY(!record.shouldUpdateUI());
}

QTEST_MAIN(tst_EnergyDeviceInfo)
#include "tst_energydeviceinfo.moc"
