#include "Controllers/navigation/NavigationSettings.h"

#include "Controllers/lighting/ActuatorsController.h"
#include "Controllers/navigation/ClosingHandshake.h"
#include "Controllers/navigation/NavigationSettings.h"
#include "NavigationFixture.h"

#include "devices/BaseDevice.h"
#include "devices/GuiProperties.h"
#include "devices/ItemKey.h"
#include "devices/UserDeviceSettings.h"
#include "utilities/PathProvider.h"
#include "utilities/WidgetUtilities.h"

#include <QFileInfo>
#include <QTest>

using namespace Corvane::Sentrel;
using Controllers::ActuatorsController;
using Controllers::BaseController;
using Controllers::NavigationController;
using Corvane::Devices::GuiProperties;
using Corvane::Devices::ItemKey;
using Corvane::Gadgets::Models::NavigationIcon;
using Corvane::Utilities::PathProvider;

namespace {

const int HALL = 3;
const int LIVING_DIMMER = 4;

QList<int> iconIds(const QList<NavigationIcon>& icons)
{
    QList<int> ids;
    for (const NavigationIcon& icon : icons)
        ids.append(icon.id());
    return ids;
}

} // namespace

// The user's settings as the navigation controller applies and stores them,
// on the demo project in no-server mode.
class tst_NavigationSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void roundTripThroughThePageMap();
    void burstOfMovesWritesOnce();
    void firstLoadAppliesStoredValues_data();
    void firstLoadAppliesStoredValues();
    void laterLoadAppliesOnlyWhatChanged();
    void changedProjectReloads();
    void fullScreenKeepsTheUserPosition();
    void controllerWithoutPageKeepsNoOrder();

private:
    NavigationController* navigation() const { return m_fixture->navigation(); }
    ActuatorsController* lighting() const
    {
        return qobject_cast<ActuatorsController*>(navigation()->controllers().value(0));
    }
    void reopen();

    std::unique_ptr<NavigationFixture> m_fixture;
};

void tst_NavigationSettings::initTestCase()
{
    SentrelFixture::useProgramTheme();
}

void tst_NavigationSettings::init()
{
    m_fixture = std::make_unique<NavigationFixture>();
    m_fixture->open(QStringLiteral(DEMO_PROJECT));
}

void tst_NavigationSettings::cleanup()
{
    m_fixture.reset();
}

// Like a new start of the program: the settings are read from the file again.
void tst_NavigationSettings::reopen()
{
    m_fixture->window.reset();
    Settings::initializeUserProperties();
    m_fixture->open(QStringLiteral(DEMO_PROJECT));
}

void tst_NavigationSettings::roundTripThroughThePageMap()
{
    lighting()->getDeviceById(HALL)->setCustomName(QStringLiteral("Porch"));
    QList<int> order = iconIds(lighting()->icons());
    order.move(order.indexOf(LIVING_DIMMER), 0);
    lighting()->reorderIcons(order);
    navigation()->saveUserConfiguration();

    // Stored by project page id, not by home icon id.
    const int lightingPage = navigation()->pageMap().value(BaseController::LIGHTS_PAGE_ID);
    QVERIFY(lightingPage != BaseController::LIGHTS_PAGE_ID);
    const QList<int> homeOrder = iconIds(navigation()->homeIcons());
    QVERIFY(homeOrder.size() > 1);
    QList<int> storedHomeOrder;
    for (int homeIcon : homeOrder)
        storedHomeOrder.append(navigation()->pageMap().value(homeIcon));
    QVERIFY(storedHomeOrder.contains(lightingPage));
    const Corvane::Devices::UserDeviceSettings& stored = Settings::userSettings();
    QCOMPARE(stored.pageItemsOrder(0, ItemKey::INVALID_SUB_ID), storedHomeOrder);
    QCOMPARE(stored.pageItemsOrder(lightingPage, ItemKey::INVALID_SUB_ID), order);
    QCOMPARE(stored.itemName(HALL, ItemKey::INVALID_SUB_ID), QStringLiteral("Porch"));
    QCOMPARE(stored.itemName(LIVING_DIMMER, ItemKey::INVALID_SUB_ID), QString());

    reopen();
    QCOMPARE(iconIds(lighting()->icons()), order);
    QCOMPARE(lighting()->getDeviceById(HALL)->name(), QStringLiteral("Porch"));
    QCOMPARE(iconIds(navigation()->homeIcons()), homeOrder);
}

void tst_NavigationSettings::burstOfMovesWritesOnce()
{
    const QString file = PathProvider::currentUserConfigFileName();
    QFile::remove(file);
    NavigationWindow* window = m_fixture->window.get();
    for (int i = 0; i < 50; ++i) {
        window->moveOnScreen(QPoint(100 + i, 80));
        m_fixture->clock.advance(20);
    }
    m_fixture->clock.advance(NavigationController::SAVE_DELAY_MS - 21);
    QVERIFY(!QFileInfo::exists(file));
    m_fixture->clock.advance(1);
    QVERIFY(QFileInfo::exists(file));
    QCOMPARE(Settings::guiProperties().position(), window->userPosition());
    QVERIFY(QFile::remove(file));
    m_fixture->clock.advance(NavigationController::SAVE_DELAY_MS * 5);
    QVERIFY(!QFileInfo::exists(file));
}

void tst_NavigationSettings::firstLoadAppliesStoredValues_data()
{
    QTest::addColumn<int>("dimension");
    QTest::addColumn<int>("transparency");
    QTest::addColumn<int>("appliedDimension");
    QTest::addColumn<int>("appliedTransparency");
    QTest::newRow("defaults") << GuiProperties::DEFAULT_DIMENSION << GuiProperties::DEFAULT_TRANSPARENCY
                              << GuiProperties::DEFAULT_DIMENSION << GuiProperties::DEFAULT_TRANSPARENCY;
    QTest::newRow("in range") << 80 << 30 << 80 << 30;
    QTest::newRow("above range") << 100000 << 1000 << 100 << 100;
    QTest::newRow("below range") << -7 << -50 << 0 << 0;
}

void tst_NavigationSettings::firstLoadAppliesStoredValues()
{
    QFETCH(int, dimension);
    QFETCH(int, transparency);
    QFETCH(int, appliedDimension);
    QFETCH(int, appliedTransparency);
    m_fixture->window.reset();
    GuiProperties& gui = Settings::guiProperties();
    gui.setDimension(dimension);
    gui.setTransparency(transparency);
    gui.setAlwaysOnTop(true);
    m_fixture->open(QStringLiteral(DEMO_PROJECT));
    NavigationWindow* window = m_fixture->window.get();
    QCOMPARE(window->scalePercent(), appliedDimension);
    // The same opacity as the window's own conversion of that transparency.
    NavigationWindow reference;
    reference.setTransparency(appliedTransparency);
    QCOMPARE(window->windowOpacity(), reference.windowOpacity());
    QVERIFY(Corvane::Utilities::WidgetUtilities::isWidgetOnTop(window));
}

void tst_NavigationSettings::laterLoadAppliesOnlyWhatChanged()
{
    NavigationWindow* window = m_fixture->window.get();
    const GuiProperties previous = Settings::guiProperties();
    const int scale = window->scalePercent();
    const auto drivers = navigation()->drivers();
    window->setScale(scale == 10 ? 20 : 10, false);
    const int userScale = window->scalePercent();
    GuiProperties current = previous;
    current.setTransparency(previous.transparency() == 40 ? 60 : 40);
    navigation()->loadGuiSettings(current, previous);
    NavigationWindow reference;
    reference.setTransparency(current.transparency());
    QCOMPARE(window->windowOpacity(), reference.windowOpacity());
    // The unchanged size is not applied again over the user's.
    QCOMPARE(window->scalePercent(), userScale);
    QVERIFY(!navigation()->closingHandshake()->isWaitingForDrivers());
    QCOMPARE(navigation()->drivers(), drivers);
}

void tst_NavigationSettings::changedProjectReloads()
{
    const QString other = m_fixture->writeProject(
        QStringLiteral("other.vtprj"), NavigationFixture::net(0, QStringLiteral("192.0.2.1"), 20000, "12345"));
    const auto drivers = navigation()->drivers();
    const GuiProperties previous = Settings::guiProperties();
    Settings::guiProperties().setTempConfigFileName(other);
    navigation()->settingsChanged(previous);
    QTRY_VERIFY(!navigation()->closingHandshake()->isWaitingForDrivers());
    QTRY_VERIFY(!navigation()->drivers().isEmpty() && navigation()->drivers() != drivers);
}

void tst_NavigationSettings::fullScreenKeepsTheUserPosition()
{
    NavigationWindow* window = m_fixture->window.get();
    window->moveOnScreen(QPoint(150, 120));
    const QPoint before = window->userPosition();
    navigation()->onFullScreen();
    QVERIFY(window->isInFullScreenMode());
    navigation()->saveUserConfiguration();
    QCOMPARE(Settings::guiProperties().position(), before);
    navigation()->onFullScreen();
    QVERIFY(!window->isInFullScreenMode());
    QCOMPARE(window->userPosition(), before);
}

// A controller whose page is not in the page map (here: the project's pages
// are gone while the controllers still hold their devices) has no place for
// an icon order: none is written, and none is read, neither the home page's
// nor one stored under no page.
void tst_NavigationSettings::controllerWithoutPageKeepsNoOrder()
{
    QList<int> order = iconIds(lighting()->icons());
    order.move(order.indexOf(LIVING_DIMMER), 0);
    lighting()->reorderIcons(order);
    const int lightingPage = navigation()->pageMap().value(BaseController::LIGHTS_PAGE_ID);
    navigation()->loadConfiguration(nullptr);
    QVERIFY(navigation()->pageMap().isEmpty());
    QCOMPARE(iconIds(lighting()->icons()), order);

    Corvane::Devices::UserDeviceSettings written;
    navigation()->fillUserSettings(written);
    for (int page : {0, int(Controllers::NavigationSettings::NO_PROJECT_PAGE), lightingPage})
        QVERIFY2(written.pageItemsOrder(page, ItemKey::INVALID_SUB_ID).isEmpty(), qPrintable(QString::number(page)));

    QList<int> reversed;
    for (int id : order)
        reversed.prepend(id);
    Corvane::Devices::UserDeviceSettings stored;
    stored.setPageItemsOrder(0, reversed, ItemKey::INVALID_SUB_ID);
    stored.setPageItemsOrder(Controllers::NavigationSettings::NO_PROJECT_PAGE, reversed, ItemKey::INVALID_SUB_ID);
    stored.setItemName(HALL, QStringLiteral("Porch"), ItemKey::INVALID_SUB_ID);
    navigation()->loadUserSettings(stored);
    QCOMPARE(iconIds(lighting()->icons()), order);
    // The rest of the controller's settings are still read.
    QCOMPARE(lighting()->getDeviceById(HALL)->name(), QStringLiteral("Porch"));
}

QTEST_MAIN(tst_NavigationSettings)
#include "tst_navigationsettings.moc"
