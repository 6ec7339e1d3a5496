#include "Controllers/base/BaseController.h"

#include "Application.h"
#include "FavoriteWindow.h"
#include "SentrelFixture.h"

#include "controls/IconRenderer.h"
#include "controls/SvgButton.h"
#include "controls/SvgContentButton.h"
#include "devices/ActuatorDevice.h"
#include "devices/ActuatorDeviceProperties.h"
#include "devices/DeviceAddress.h"
#include "favorite/FavoriteControl.h"
#include "hosting/BaseQMLWrapper.h"
#include "devices/SoundSourceDevice.h"
#include "devices/SoundSourceDeviceProperties.h"
#include "devices/ThermoregulationDevice.h"
#include "devices/ThermoregulationDeviceProperties.h"
#include "pravikdriver/Error.h"
#include "pravikdriver/OpenDriver.h"
#include "theme/ThemeProvider.h"
#include "utilities/InitSettings.h"
#include "utilities/WidgetUtilities.h"

#include <QAction>
#include <QCursor>
#include <QMenu>
#include <QPointer>
#include <QScopeGuard>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

#include <limits>

using namespace Corvane::Sentrel;
using Corvane::Devices::ActuatorDevice;
using Corvane::Devices::ActuatorDeviceProperties;
using Corvane::Devices::BaseDevice;
using Corvane::Devices::DeviceAddress;
using Corvane::Devices::UserDeviceSettings;
using Corvane::Gadgets::FavoriteControl;
using Corvane::PravikDriver::Address;
using Corvane::PravikDriver::Error;
using Corvane::PravikDriver::OpenDriver;

namespace {

const int LIGHT = 1001;
const int PRIVATE = DeviceAddress::LEVEL_PRIVATE_RISER;
const int LOCAL = DeviceAddress::LEVEL_LOCAL_BUS;
const int NONE = DeviceAddress::EMPTY_INT_VALUE;

Corvane::Gadgets::Models::NavigationIcon icon(int id)
{
    return Corvane::Gadgets::Models::NavigationIcon(Corvane::Gadgets::Utilities::IconRenderer(), QString(), id);
}

// A driver whose monitor connection is whatever the test says.
class StubDriver : public OpenDriver
{
public:
    bool isMonitorConnected() const override { return monitorConnected; }
    bool monitorConnected = false;
};

// A controller that records the status requests and redraws it is asked for.
class TestController : public Controllers::BaseController
{
public:
    TestController() : BaseController(nullptr) {}

    void addDevice(BaseDevice* device)
    {
        m_devices.append(device);
        m_icons.append(icon(device->id()));
    }
    void addIcon(int id) { m_icons.append(icon(id)); }

    void updateUIforDevice(BaseDevice* device) override { redrawn.append(device->id()); }
    Corvane::Devices::ConfigPage::PageType controlledPageType() const override
    {
        return Corvane::Devices::ConfigPage::Lighting;
    }
    void updateDeviceStatus(BaseDevice* device) override { asked.append(device->id()); }
    Address::DeviceType defaultDeviceType() const override { return Address::Light; }

    QList<int> redrawn;
    QList<int> asked;
};

BaseDevice* light(int id, const DeviceAddress& address, int serverId = 1)
{
    return new ActuatorDevice(ActuatorDeviceProperties(id, LIGHT, address, QStringLiteral("light")), serverId);
}

BaseDevice* device(int id, int type, const DeviceAddress& address, int serverId = 1)
{
    if (type == 8003)
        return new Corvane::Devices::ThermoregulationDevice(
            Corvane::Devices::ThermoregulationDeviceProperties(id, type, address, QStringLiteral("zone")), serverId);
    if (type == 23001)
        return new Corvane::Devices::SoundSourceDevice(
            Corvane::Devices::SoundSourceDeviceProperties(id, type, address, QStringLiteral("source")), serverId);
    return light(id, address, serverId);
}

QList<int> ids(const QList<BaseDevice*>& devices)
{
    QList<int> result;
    for (const BaseDevice* d : devices)
        result.append(d->id());
    return result;
}

// A page controller with two lights and its favourite machinery set up, in
// a fresh settings store with the program's theme.
struct FavoriteFixture
{
    FavoriteFixture()
    {
        SentrelFixture::useProgramTheme();
        Settings::s_instance->setSupportTransparency(true);
        controller.initialize();
        controller.addDevice(light(1, DeviceAddress(1, 1, NONE, NONE)));
        controller.addDevice(light(2, DeviceAddress(1, 2, NONE, NONE)));
    }

    SentrelFixture settings;
    TestController controller;
    QSignalSpy saves {&controller, &Controllers::BaseController::saveSettingsRequested};
};

UserDeviceSettings::Favorite storedFavorite(int deviceId, int x, int y, double scale, bool onTop = false)
{
    return UserDeviceSettings::Favorite(deviceId, Corvane::Devices::ItemKey::INVALID_SUB_ID,
                                        Corvane::Devices::ConfigPage::Lighting, x, y, scale, onTop, 1.0);
}

} // namespace

class tst_BaseController : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void addressText_data();
    void addressText();
    void matchesStatusAddresses_data();
    void matchesStatusAddresses();
    void groupCommandReach_data();
    void groupCommandReach();
    void connectionCallbacks_data();
    void connectionCallbacks();
    void serverIdOfDriverUnderTwoIds();
    void reorderLeavesUnknownIdsAlone_data();
    void reorderLeavesUnknownIdsAlone();
    void orderedDevicesFollowTheIcons();

    void shortcutPutsTheHotSpotUnderTheCursor_data();
    void shortcutPutsTheHotSpotUnderTheCursor();
    void shortcutRefused_data();
    void shortcutRefused();
    void restoredAtTheStoredTopLeft();
    void storedScaleIsClamped_data();
    void storedScaleIsClamped();
    void contextMenuActsOnTheWindowClicked();
    void closingWritesSettings_data();
    void closingWritesSettings();
    void closeConfigurationWritesNothing();
    void iconChangesReachTheFavorites();
    void favoriteIconsCloseAndRefresh();
    void namesReachTheMatchingFavorites();
};

void tst_BaseController::addressText_data()
{
    QTest::addColumn<DeviceAddress>("address");
    QTest::addColumn<QString>("text");
    QTest::newRow("point") << DeviceAddress(1, 5, NONE, NONE) << "15";
    QTest::newRow("point two digits") << DeviceAddress(12, 3, NONE, NONE) << "1203";
    QTest::newRow("point private bus") << DeviceAddress(1, 5, PRIVATE, NONE) << "15#3";
    QTest::newRow("point local bus") << DeviceAddress(1, 5, LOCAL, 2) << "15#4#02";
    QTest::newRow("group") << DeviceAddress(DeviceAddress::ADDRESS_GR, 7, NONE, NONE) << "#7";
    QTest::newRow("ambient") << DeviceAddress(DeviceAddress::ADDRESS_AMB, 3, NONE, NONE) << "3";
    QTest::newRow("general") << DeviceAddress(DeviceAddress::ADDRESS_GEN, NONE, NONE, NONE) << "0";
}

void tst_BaseController::addressText()
{
    QFETCH(DeviceAddress, address);
    QFETCH(QString, text);
    TestController controller;
    QCOMPARE(controller.getAddressText(address), text);
}

void tst_BaseController::matchesStatusAddresses_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<DeviceAddress>("address");
    QTest::addColumn<int>("serverId");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("foreignDriver");
    QTest::addColumn<bool>("includeSpecial");
    QTest::addColumn<bool>("matches");

    const DeviceAddress point(1, 5, NONE, NONE);
    const DeviceAddress group(DeviceAddress::ADDRESS_GR, 7, NONE, NONE);
    const DeviceAddress ambient(DeviceAddress::ADDRESS_AMB, 3, NONE, NONE);
    QTest::newRow("point") << LIGHT << point << 1 << "15" << false << false << true;
    QTest::newRow("other point") << LIGHT << point << 1 << "16" << false << false << false;
    QTest::newRow("private bus needs its suffix")
        << LIGHT << DeviceAddress(1, 5, PRIVATE, NONE) << 1 << "15" << false << false << false;
    QTest::newRow("private bus") << LIGHT << DeviceAddress(1, 5, PRIVATE, NONE) << 1 << "15#3" << false << false
                                 << true;
    QTest::newRow("local bus, other interface")
        << LIGHT << DeviceAddress(1, 5, LOCAL, 2) << 1 << "15#4#03" << false << false << false;
    QTest::newRow("group skipped") << LIGHT << group << 1 << "#7" << false << false << false;
    QTest::newRow("group with special") << LIGHT << group << 1 << "#7" << false << true << true;
    QTest::newRow("ambient skipped") << LIGHT << ambient << 1 << "3" << false << false << false;
    QTest::newRow("ambient with special") << LIGHT << ambient << 1 << "3" << false << true << true;
    QTest::newRow("foreign driver") << LIGHT << point << 1 << "15" << true << false << false;
    QTest::newRow("gateway without driver") << LIGHT << point << 9 << "15" << false << false << false;
    QTest::newRow("type 9 zone") << 8003 << DeviceAddress(1, 2, NONE, NONE) << 1 << "12" << false << false << true;
    QTest::newRow("type 9 zone as text") << 8003 << DeviceAddress(1, 2, NONE, NONE) << 1 << "#12" << false << false
                                         << true;
    QTest::newRow("type 17 full text") << 23001 << DeviceAddress(2, NONE, NONE, NONE) << 1 << "5#2#2" << false
                                       << false << true;
    QTest::newRow("type 17 without 5#") << 23001 << DeviceAddress(2, NONE, NONE, NONE) << 1 << "2#2" << false
                                        << false << true;
    QTest::newRow("type 17 other source") << 23001 << DeviceAddress(3, NONE, NONE, NONE) << 1 << "2#2" << false
                                          << false << false;
}

void tst_BaseController::matchesStatusAddresses()
{
    QFETCH(int, type);
    QFETCH(DeviceAddress, address);
    QFETCH(int, serverId);
    QFETCH(QString, message);
    QFETCH(bool, foreignDriver);
    QFETCH(bool, includeSpecial);
    QFETCH(bool, matches);

    StubDriver own;
    StubDriver foreign;
    TestController controller;
    controller.setDrivers({{1, &own}, {2, &foreign}});
    controller.addDevice(light(50, DeviceAddress(9, 9, NONE, NONE)));
    controller.addDevice(device(60, type, address, serverId));

    const OpenDriver* driver = foreignDriver ? &foreign : &own;
    QCOMPARE(controller.getDeviceIndicesByAddress(message, driver, includeSpecial),
             matches ? QList<int>{1} : QList<int>{});
}

void tst_BaseController::groupCommandReach_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QList<int>>("reached");
    // 1: 15 in groups 7 and 8; 2: 16 with PUL; 3: 25 private bus in group 7;
    // 4: 26 local bus interface 2; 5: 35 on another gateway; 6: group
    // device #7 itself.
    QTest::newRow("point reaches nothing") << "15" << QList<int>{};
    QTest::newRow("garbage reaches nothing") << "x#" << QList<int>{};
    QTest::newRow("group 7") << "#7" << QList<int>{1, 3};
    QTest::newRow("group 8") << "#8" << QList<int>{1};
    QTest::newRow("group with PUL member") << "#9" << QList<int>{2};
    QTest::newRow("ambient 1 skips PUL") << "1" << QList<int>{1};
    QTest::newRow("ambient 2") << "2" << QList<int>{3, 4};
    QTest::newRow("general") << "0" << QList<int>{1, 3, 4};
    QTest::newRow("general private bus") << "0#3" << QList<int>{3};
    QTest::newRow("general local bus 2") << "0#4#02" << QList<int>{4};
    QTest::newRow("general local bus 3") << "0#4#03" << QList<int>{};
}

void tst_BaseController::groupCommandReach()
{
    QFETCH(QString, command);
    QFETCH(QList<int>, reached);

    StubDriver own;
    StubDriver other;
    TestController controller;
    controller.setDrivers({{1, &own}, {2, &other}});
    controller.addDevice(light(1, DeviceAddress(1, 5, NONE, NONE, 0, {7, 8})));
    controller.addDevice(light(2, DeviceAddress(1, 6, NONE, NONE, 1, {9})));
    controller.addDevice(light(3, DeviceAddress(2, 5, PRIVATE, NONE, 0, {7})));
    controller.addDevice(light(4, DeviceAddress(2, 6, LOCAL, 2)));
    controller.addDevice(light(5, DeviceAddress(3, 5, NONE, NONE, 0, {7}), 2));
    controller.addDevice(light(6, DeviceAddress(DeviceAddress::ADDRESS_GR, 7, NONE, NONE)));

    QCOMPARE(ids(controller.getDevicesForGroupAddress(command, &own)), reached);
}

void tst_BaseController::connectionCallbacks_data()
{
    QTest::addColumn<QString>("callback");
    QTest::addColumn<bool>("monitor");
    QTest::addColumn<bool>("mappedDriver");
    QTest::addColumn<bool>("stillConnected");
    QTest::addColumn<QList<int>>("asked");
    QTest::addColumn<QList<int>>("unknown");

    // Devices 1 and 2 on gateway 1, 3 on gateway 2; the driver is gateway 1's.
    QTest::newRow("login asks the gateway's devices") << "authenticated" << true << true << true << QList<int>{1, 2}
                                                      << QList<int>{};
    QTest::newRow("login, flag false") << "authenticated" << false << true << true << QList<int>{} << QList<int>{};
    QTest::newRow("login, unmapped driver") << "authenticated" << true << false << true << QList<int>{}
                                            << QList<int>{};
    QTest::newRow("loss") << "disconnected" << true << true << false << QList<int>{} << QList<int>{1, 2};
    QTest::newRow("loss, flag false") << "disconnected" << false << true << false << QList<int>{} << QList<int>{};
    QTest::newRow("loss, unmapped driver") << "disconnected" << true << false << false << QList<int>{}
                                           << QList<int>{};
    QTest::newRow("communication error, connection lost")
        << "communicationError" << true << true << false << QList<int>{} << QList<int>{1, 2};
    QTest::newRow("communication error, still connected")
        << "communicationError" << true << true << true << QList<int>{1, 2} << QList<int>{1, 2};
    QTest::newRow("connection error") << "connectionError" << true << true << false << QList<int>{}
                                      << QList<int>{1, 2};
    QTest::newRow("connection error, flag false")
        << "connectionError" << false << true << false << QList<int>{} << QList<int>{};
    QTest::newRow("connection error, unmapped driver")
        << "connectionError" << true << false << true << QList<int>{} << QList<int>{};
    QTest::newRow("connected does nothing") << "connected" << true << true << true << QList<int>{} << QList<int>{};
}

void tst_BaseController::connectionCallbacks()
{
    QFETCH(QString, callback);
    QFETCH(bool, monitor);
    QFETCH(bool, mappedDriver);
    QFETCH(bool, stillConnected);
    QFETCH(QList<int>, asked);
    QFETCH(QList<int>, unknown);

    StubDriver first;
    StubDriver second;
    StubDriver closing;
    TestController controller;
    // Gateway 0 holds a device too: a driver of a closed project must not
    // be taken for it.
    controller.setDrivers({{0, &second}, {1, &first}, {2, &second}});
    controller.addDevice(light(1, DeviceAddress(1, 1, NONE, NONE), 1));
    controller.addDevice(light(2, DeviceAddress(1, 2, NONE, NONE), 1));
    controller.addDevice(light(3, DeviceAddress(1, 3, NONE, NONE), 2));
    controller.addDevice(light(4, DeviceAddress(1, 4, NONE, NONE), 0));
    for (BaseDevice* d : controller.orderedDevices())
        d->setStatusKnown(true);

    StubDriver* driver = mappedDriver ? &first : &closing;
    driver->monitorConnected = stillConnected;
    const Error error(Error::ConnectionLost, QStringLiteral("lost"));
    if (callback == QLatin1String("authenticated"))
        controller.authenticated(driver, monitor);
    else if (callback == QLatin1String("disconnected"))
        controller.disconnected(driver, monitor);
    else if (callback == QLatin1String("communicationError"))
        controller.communicationError(driver, monitor, error);
    else if (callback == QLatin1String("connectionError"))
        controller.connectionError(driver, monitor, error);
    else
        controller.connected(driver, monitor);

    QCOMPARE(controller.asked, asked);
    QCOMPARE(controller.redrawn, unknown);
    for (const BaseDevice* d : controller.devices())
        QCOMPARE(d->isStatusKnown(), !unknown.contains(d->id()));
}

void tst_BaseController::serverIdOfDriverUnderTwoIds()
{
    StubDriver driver;
    StubDriver other;
    TestController controller;
    controller.setDrivers({{5, &driver}, {3, &driver}, {1, &other}});
    QCOMPARE(controller.getServerId(&driver), 3);
    QCOMPARE(controller.getServerId(nullptr), -1);
    QVERIFY(!controller.isServerConnected(4));
    driver.monitorConnected = true;
    QVERIFY(controller.isServerConnected(5));
    QVERIFY(!controller.isServerConnected(1));
}

void tst_BaseController::reorderLeavesUnknownIdsAlone_data()
{
    QTest::addColumn<QList<int>>("order");
    QTest::addColumn<QList<int>>("result");
    QTest::newRow("full order") << QList<int>{30, 10, 20} << QList<int>{30, 10, 20};
    QTest::newRow("partial order") << QList<int>{20} << QList<int>{20, 10, 30};
    QTest::newRow("unknown id keeps its place") << QList<int>{99, 30} << QList<int>{10, 30, 20};
    QTest::newRow("longer than the icons") << QList<int>{30, 20, 10, 40} << QList<int>{30, 20, 10};
    QTest::newRow("empty") << QList<int>{} << QList<int>{10, 20, 30};
}

void tst_BaseController::reorderLeavesUnknownIdsAlone()
{
    QFETCH(QList<int>, order);
    QFETCH(QList<int>, result);
    TestController controller;
    for (int id : {10, 20, 30})
        controller.addIcon(id);
    controller.reorderIcons(order);
    QList<int> shown;
    for (const auto& icon : controller.icons())
        shown.append(icon.id());
    QCOMPARE(shown, result);
}

void tst_BaseController::orderedDevicesFollowTheIcons()
{
    TestController controller;
    controller.addDevice(light(1, DeviceAddress(1, 1, NONE, NONE)));
    controller.addDevice(light(2, DeviceAddress(1, 2, NONE, NONE)));
    controller.addIcon(77);
    controller.reorderIcons({2, 77, 1});
    QCOMPARE(ids(controller.orderedDevices()), (QList<int>{2, 1}));
    QCOMPARE(controller.getDeviceIndexById(2), 1);
    QVERIFY(!controller.getDeviceById(77));
}

void tst_BaseController::shortcutPutsTheHotSpotUnderTheCursor_data()
{
    QTest::addColumn<QPoint>("cursor");
    QTest::newRow("near the top left") << QPoint(300, 250);
    QTest::newRow("odd coordinates") << QPoint(517, 401);
}

void tst_BaseController::shortcutPutsTheHotSpotUnderTheCursor()
{
    QFETCH(QPoint, cursor);
    FavoriteFixture f;
    QCursor::setPos(cursor);
    if (QCursor::pos() != cursor)
        QSKIP("The platform does not move the cursor");
    QVERIFY(f.controller.handleRequestShortcut(icon(2)));
    QCOMPARE(f.controller.favorites().size(), 1);
    FavoriteWindow* window = f.controller.favorites().first();
    QCOMPARE(window->deviceId(), 2);
    QVERIFY2((window->globalHotSpot() - cursor).manhattanLength() <= 1,
             qPrintable(QStringLiteral("%1,%2").arg(window->globalHotSpot().x()).arg(window->globalHotSpot().y())));
    QCOMPARE(window->scalePercent(), int(100 * Corvane::Utilities::InitSettings::DEFAULT_FAVORITE_SCALE));
    QVERIFY(f.controller.hasFavoriteFor(2));
    QCOMPARE(f.controller.getFavoriteById(2), window);
    QCOMPARE(f.saves.size(), 1);
}

void tst_BaseController::shortcutRefused_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("second favourite of a light")
        << 1 << QStringList{QStringLiteral("information: There is already a favorite item for this device")};
    QTest::newRow("no such device") << 77 << QStringList();
}

void tst_BaseController::shortcutRefused()
{
    QFETCH(int, id);
    QFETCH(QStringList, shown);
    FavoriteFixture f;
    f.controller.addFavorite(1, 0, QPoint(100, 100), false, false, 50);
    QVERIFY(!f.controller.handleRequestShortcut(icon(id)));
    QCOMPARE(f.settings.boxes.shown, shown);
    QCOMPARE(f.controller.favorites().size(), 1);
    QCOMPARE(f.saves.size(), 0);
    bool allowed = true;
    f.controller.handleRequestAllowedShortcut(icon(id), allowed);
    QCOMPARE(allowed, id != 77);
}

void tst_BaseController::restoredAtTheStoredTopLeft()
{
    FavoriteFixture f;
    UserDeviceSettings settings;
    settings.addFavorite(storedFavorite(2, 320, 210, 40.0, true));
    settings.addFavorite(storedFavorite(77, 10, 10, 40.0)); // no such device
    UserDeviceSettings::Favorite otherPage = storedFavorite(1, 10, 10, 40.0);
    otherPage.pageType = Corvane::Devices::ConfigPage::PageType(3000);
    settings.addFavorite(otherPage);
    f.controller.loadUserSettings(settings, 5);

    QCOMPARE(f.controller.favorites().size(), 1);
    FavoriteWindow* window = f.controller.favorites().first();
    QCOMPARE(window->customPosition(), QPoint(320, 210));
    QCOMPARE(window->scalePercent(), 40);
    QVERIFY(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(f.controller.getFavoriteSettings(window), storedFavorite(2, 320, 210, 40.0, true));
    QCOMPARE(f.saves.size(), 0); // restoring is no change of the user's

    // Stored without a sub-device, it is the carousel icon's favourite.
    QVERIFY(f.controller.hasFavoriteFor(2));
    QVERIFY(!f.controller.handleRequestShortcut(icon(2)));
    QCOMPARE(f.controller.favorites().size(), 1);
}

void tst_BaseController::storedScaleIsClamped_data()
{
    QTest::addColumn<double>("stored");
    QTest::addColumn<int>("percent");
    QTest::newRow("huge") << 1e300 << 100;
    QTest::newRow("infinite") << std::numeric_limits<double>::infinity() << 100;
    QTest::newRow("negative") << -1e300 << 0;
    QTest::newRow("fraction truncated") << 55.9 << 55;
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN()
                                  << int(100 * Corvane::Utilities::InitSettings::DEFAULT_FAVORITE_SCALE);
}

void tst_BaseController::storedScaleIsClamped()
{
    QFETCH(double, stored);
    QFETCH(int, percent);
    FavoriteFixture f;
    UserDeviceSettings settings;
    settings.addFavorite(storedFavorite(1, 300, 200, stored));
    f.controller.loadUserSettings(settings, 5);
    FavoriteWindow* window = f.controller.favorites().value(0);
    QVERIFY(window);
    QCOMPARE(window->scalePercent(), percent);
    QVERIFY(window->currentScale() >= window->minScale() && window->currentScale() <= window->maxScale());
    QVERIFY(window->customRect().width() <= 2 * window->defaultSize().width());
}

void tst_BaseController::contextMenuActsOnTheWindowClicked()
{
    FavoriteFixture f;
    FavoriteWindow* first = f.controller.addFavorite(1, 1, QPoint(100, 100), false, false, 50);
    FavoriteWindow* second = f.controller.addFavorite(1, 2, QPoint(400, 100), false, false, 50);
    QCOMPARE(f.controller.contextMenuDeviceId(), -1);

    Q_EMIT second->customContextMenuRequested(QPoint(10, 10));
    QMenu* menu = f.controller.favoriteContextMenu();
    QVERIFY(menu);
    menu->hide();
    QCOMPARE(f.controller.contextMenuWindow(), second);
    QCOMPARE(f.controller.contextMenuDeviceId(), 1);
    const QList<QAction*> actions = menu->actions();
    QCOMPARE(actions.size(), 6);
    QCOMPARE(actions.at(0)->text(), QStringLiteral("Always on top"));
    QVERIFY(actions.at(0)->isCheckable() && !actions.at(0)->isChecked());
    QVERIFY(actions.at(1)->isVisible()); // a light can be refreshed
    QVERIFY(actions.at(3)->isSeparator());
    QCOMPARE(actions.at(5)->text(), QStringLiteral("Quit application"));

    actions.at(0)->trigger();
    QVERIFY(Corvane::Utilities::WidgetUtilities::isWidgetOnTop(second));
    QVERIFY(!Corvane::Utilities::WidgetUtilities::isWidgetOnTop(first));
    QCOMPARE(f.saves.size(), 1);

    actions.at(1)->trigger();
    QCOMPARE(f.controller.asked, QList<int>{1});

    actions.at(4)->trigger(); // "Remove favorite"
    QCOMPARE(f.controller.favorites(), QList<FavoriteWindow*>{first});
    QCOMPARE(f.saves.size(), 2);

    QSignalSpy quit(&f.controller, &Controllers::BaseController::quitRequested);
    actions.at(5)->trigger();
    QCOMPARE(quit.size(), 1);
}

void tst_BaseController::closingWritesSettings_data()
{
    QTest::addColumn<bool>("shuttingDown");
    QTest::addColumn<bool>("switching");
    QTest::addColumn<int>("writes");
    QTest::newRow("running") << false << false << 1;
    QTest::newRow("shutting down") << true << false << 0;
    QTest::newRow("switching project") << false << true << 0;
}

void tst_BaseController::closingWritesSettings()
{
    QFETCH(bool, shuttingDown);
    QFETCH(bool, switching);
    QFETCH(int, writes);
    FavoriteFixture f;
    FavoriteWindow* window = f.controller.addFavorite(2, 0, QPoint(100, 100), false, false, 50);
    Settings::setProjectSwitching(switching);
    const auto endSwitch = qScopeGuard([] { Settings::setProjectSwitching(false); });
    QSignalSpy scheduled(&f.controller, &Controllers::BaseController::scheduleSaveSettingsRequested);
    window->moveTo(QPoint(120, 100));
    Application::s_isShuttingDown = shuttingDown;
    window->close();
    Application::s_isShuttingDown = false;
    QVERIFY(f.controller.favorites().isEmpty());
    QCOMPARE(f.saves.size(), writes);
    QCOMPARE(scheduled.size(), switching ? 0 : 1);
    QVERIFY(f.controller.redrawn.contains(2));
}

void tst_BaseController::closeConfigurationWritesNothing()
{
    FavoriteFixture f;
    QPointer<FavoriteWindow> first = f.controller.addFavorite(1, 0, QPoint(100, 100), false, false, 50);
    QPointer<FavoriteWindow> second = f.controller.addFavorite(2, 0, QPoint(300, 100), false, false, 50);
    f.controller.closeConfiguration();
    QVERIFY(f.controller.favorites().isEmpty());
    QVERIFY(!first->isVisible() && !second->isVisible());
    QCOMPARE(f.saves.size(), 0);
    QTRY_VERIFY(!first && !second); // released
}

void tst_BaseController::iconChangesReachTheFavorites()
{
    FavoriteFixture f;
    FavoriteWindow* window = f.controller.addFavorite(2, 0, QPoint(100, 100), false, false, 50);
    FavoriteControl* control = window->favoriteControl();
    f.controller.setSliderValueBounds(2, 0, 100, 1);
    f.controller.setSliderValue(2, 42);
    QCOMPARE(control->sliderValue(), 42.0);
    f.controller.setSliderValue(1, 7); // another device's
    QCOMPARE(control->sliderValue(), 42.0);

    using Corvane::Gadgets::Models::NavigationIcon;
    f.controller.setIcon(2, Corvane::Gadgets::ThemeProvider::getRendererFor(Corvane::Gadgets::ThemeProvider::LIGHTS));
    f.controller.setIconState(2, NavigationIcon::Uninitialized);
    QCOMPARE(control->centerButton()->iconElement(), NavigationIcon::getElementIdForState(NavigationIcon::Uninitialized));
    f.controller.setIconState(2, NavigationIcon::Normal);
    QCOMPARE(control->centerButton()->iconElement(), NavigationIcon::getElementIdForState(NavigationIcon::Normal));

    auto* favoriteMark = Corvane::Gadgets::ThemeProvider::getRendererFor(Corvane::Gadgets::ThemeProvider::FAVORITE_INDICATOR);
    auto* errorMark = Corvane::Gadgets::ThemeProvider::getRendererFor(Corvane::Gadgets::ThemeProvider::ERROR_INDICATOR);
    QVERIFY(!control->iconRenderer().overlays().contains(favoriteMark)); // only the carousel marks favourites
    const QList<NavigationIcon> marked = f.controller.updateIconsWithFavorites(f.controller.icons());
    QCOMPARE(marked.at(1).renderer().overlays(), QList{favoriteMark});
    QVERIFY(marked.at(0).renderer().overlays().isEmpty());

    f.controller.addRemoveIconIndicator(2, Corvane::Gadgets::ThemeProvider::ERROR_INDICATOR, true);
    f.controller.addRemoveIconIndicator(2, Corvane::Gadgets::ThemeProvider::ERROR_INDICATOR, true);
    QCOMPARE(control->iconRenderer().overlays(), QList{errorMark});
    f.controller.addRemoveIconIndicator(2, Corvane::Gadgets::ThemeProvider::ERROR_INDICATOR, false);
    QVERIFY(control->iconRenderer().overlays().isEmpty());
}

void tst_BaseController::favoriteIconsCloseAndRefresh()
{
    FavoriteFixture f;
    FavoriteWindow* window = f.controller.addFavorite(2, 0, QPoint(100, 100), false, false, 50);
    FavoriteControl* control = window->favoriteControl();
    Q_EMIT control->elementClick(control->refreshButton());
    QCOMPARE(f.controller.asked, QList<int>{2});
    Q_EMIT control->elementClick(control->closeButton());
    QVERIFY(f.controller.favorites().isEmpty());
}

void tst_BaseController::namesReachTheMatchingFavorites()
{
    FavoriteFixture f;
    FavoriteWindow* whole = f.controller.addFavorite(1, 0, QPoint(100, 100), false, false, 50);
    FavoriteWindow* command = f.controller.addFavorite(1, 4, QPoint(300, 100), false, false, 50);
    f.controller.setDeviceName(1, Corvane::Devices::ItemKey::INVALID_SUB_ID, QStringLiteral("Porch"));
    QCOMPARE(whole->windowTitle(), QStringLiteral("Porch"));
    QVERIFY(command->windowTitle() != QStringLiteral("Porch"));
    QCOMPARE(f.controller.icons().at(0).tooltip(), QStringLiteral("Porch"));

    bool canChange = true;
    f.controller.handleTextChanged(1, 0, QString(), canChange);
    QVERIFY(!canChange);
    f.controller.handleTextChanged(1, 0, QStringLiteral("Garden"), canChange);
    QVERIFY(canChange);
    QCOMPARE(f.controller.getDeviceById(1)->name(), QStringLiteral("Garden"));
    QCOMPARE(whole->windowTitle(), QStringLiteral("Garden"));
    QCOMPARE(f.saves.size(), 1);
}

QTEST_MAIN(tst_BaseController)
#include "tst_basecontroller.moc"
