// Favourite windows of the automation, scenarios, sound and sensor pages on
// the demo project in no-server mode: their buttons and sliders send what the
// carousel sends, their icons follow the gateway, they come back where they
// were after a restart, and their context menu acts on them. Names given on a
// carousel label, on every page, are kept like the favourites, and stay on
// the labels whatever the user does next.
#include "CarouselLookup.h"
#include "Controllers/sensors/LightSensorsController.h"
#include "Controllers/automation/MotorsController.h"
#include "Controllers/sensors/PresenceSensorsController.h"
#include "Controllers/scenarios/ScenariosController.h"
#include "Controllers/sound/SoundController.h"
#include "FavoriteWindow.h"
#include "NavigationFixture.h"
#include "RecordingListener.h"
#include "SceneInput.h"
#include "RecordingOpenDriver.h"
#include "simulation/ClockTimer.h"

#include "commandcontrol/CommandControl.h"
#include "controls/SvgContentButton.h"
#include "devices/BaseDevice.h"
#include "devices/LightSensorDevice.h"
#include "dropdown/SvgDropDown.h"
#include "favorite/FavoriteControl.h"
#include "label/Label.h"
#include "models/DropDownItemModel.h"
#include "navigation/NavigationContainer.h"
#include "navigation/NavigationControl.h"
#include "navigation/NavigationLabels.h"
#include "pravikdriver/Message.h"
#include "pravikdriver/PravikCodes.h"
#include "pravikdriver/PravikEnums.h"
#include "theme/RendererContainer.h"

#include <QAction>
#include <QGraphicsSceneMouseEvent>
#include <QLocale>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

using namespace Corvane::Sentrel;
using namespace Corvane::Sentrel::Controllers;
using Corvane::Gadgets::CommandControl;
using Corvane::Gadgets::FavoriteControl;
using Corvane::Gadgets::SvgElement;
using Corvane::Gadgets::Models::DropDownItemModel;
using Corvane::Gadgets::Models::NavigationIcon;
using Corvane::PravikDriver::Address;
using Corvane::PravikDriver::Message;
namespace Codes = Corvane::PravikDriver::PravikCodes;
namespace Enums = Corvane::PravikDriver::PravikEnums;

Q_DECLARE_METATYPE(Corvane::PravikDriver::Message)

namespace {

// Demo project devices.
const int LIVING_ROOM_SHUTTER = 10;
const int LIVING_ROOM_CURTAIN = 12;
const int GOOD_MORNING = 13;
const int RELAX = 15;
const int HOLIDAY_LIGHTS = 16;
const int HALL_SENSOR = 24;
const int GARDEN_LIGHT_SENSOR = 25;
const int GARAGE_PRESENCE_SENSOR = 26;
const int LIVING_ROOM_AMPLIFIER = 30;
const int ALL_AMPLIFIERS = 32;
const int CD_PLAYER = 28;
const int HALL = 3;
const int LIVING_ROOM_ZONE = 17;
const int BEDROOM_AIR_CONDITIONER = 23;
const int COOL_24 = 1;
const int MAIN_METER = 33;

const int MOTORS = BaseController::MOTORS_PAGE_ID;
const int SCENARIOS = BaseController::SCENARIOS_PAGE_ID;
const int SOUND = BaseController::SOUND_PAGE_ID;
const int PRESENCE = BaseController::PRESENCE_PAGE_ID;
const int LUX = BaseController::LUMIN_PAGE_ID;
const int LIGHTS = BaseController::LIGHTS_PAGE_ID;
const int THERMO = BaseController::TERMO_PAGE_ID;
const int ENERGY = BaseController::ENERGY_DATA_PAGE_ID;

QString rendererName(const Corvane::Gadgets::Utilities::IconRenderer& renderer)
{
    return renderer.main() ? renderer.main()->name() : QString();
}

QString stateElement(int state)
{
    return NavigationIcon::getElementIdForState(NavigationIcon::State(state));
}

// The segment of a ring that shows the button, or null.
Corvane::Gadgets::SvgContentButton* ringButton(CommandControl* ring, const QString& buttonId)
{
    if (!ring)
        return nullptr;
    for (Corvane::Gadgets::SvgContentButton* segment : ring->oddSegments() + ring->evenSegments())
        if (ring->getButtonId(segment) == buttonId)
            return segment;
    return nullptr;
}

// What a gateway reports about a device.
enum News { Opening, Closing, Still, Present, Absent, SwitchedOn, SwitchedOff };

Message statusMessage(News news, const QString& where)
{
    switch (news) {
    case Opening:
        return Message(Enums::Command, Enums::Automation, where, 200001, 0);
    case Closing:
        return Message(Enums::Command, Enums::Automation, where, 200002, 0);
    case Still:
        return Message(Enums::Command, Enums::Automation, where, 1000, 0);
    case Present:
    case Absent:
        return Message(Enums::DimensionWrite, Enums::Lighting, where,
                       news == Present ? Codes::PRESENCE_DETECTED : Codes::PRESENCE_ENDED,
                       Codes::PRESENCE_GRANULARITY, {0}, 0);
    case SwitchedOn:
    case SwitchedOff:
        return Message(Enums::DimensionValue, Enums::Sound, where, 0, Codes::AMPLIFIER_STATE,
                       {news == SwitchedOn ? 1 : 0, 4}, 0);
    }
    return Message();
}

// Notes the windows in the order they are raised.
class RaiseOrder : public QObject
{
public:
    void watch(QWidget* window) { window->installEventFilter(this); }
    QList<QObject*> raised;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::ZOrderChange)
            raised.append(watched);
        return false;
    }
};

} // namespace

class tst_FamilyFavorites : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void buttonSendsWhatTheRingSends_data();
    void buttonSendsWhatTheRingSends();
    void scenarioPlusLevelIsCut();
    void heldCenItemFromTheFavorite_data();
    void heldCenItemFromTheFavorite();
    void pressWithoutCommandStartsNoHold();
    void volumeSliderAndSourceDropDown();
    void iconFollowsMessages_data();
    void iconFollowsMessages();
    void luxValueShownAndRefreshed();
    void lostGatewayGreysTheFavorite_data();
    void lostGatewayGreysTheFavorite();
    void restoredAfterRestart_data();
    void restoredAfterRestart();
    void contextMenu_data();
    void contextMenu();
    void fullScreenGadgetShownAgainStaysAboveFavorites();
    void renamedSourceEverywhereAndAfterRestart();
    void renamedOnTheCarouselLabel_data();
    void renamedOnTheCarouselLabel();
    void emptyNameRefusedOnTheLabel_data();
    void emptyNameRefusedOnTheLabel();
    void typedNameIsTrimmed_data();
    void typedNameIsTrimmed();
    void renamedLabelKeepsItsName_data();
    void renamedLabelKeepsItsName();
    void deviceOnTwoPagesTakesTheLastName();
    void escapeKeepsTheLabels_data();
    void escapeKeepsTheLabels();
    void goneDeviceIgnoresTheFavorite_data();
    void goneDeviceIgnoresTheFavorite();

private:
    NavigationController* navigation() const { return m_fixture->navigation(); }
    BaseController* page(int pageId) const;
    PseudoDriver* gateway() const;
    FavoriteWindow* open(int pageId, int deviceId, const QPoint& point = QPoint(300, 200), int scale = 50);
    void openPage(int pageId);
    void finishFades();
    int segmentOf(int id) const;
    // Swaps the page's driver for a recorder.
    void record(int pageId);
    // A press, click and release of a ring's segment.
    static void push(CommandControl* ring, SvgElement* segment);
    static void push(FavoriteControl* control, SvgElement* segment);
    void reopen();
    // Opens the page and, for a sub-level item, the icon that shows it.
    void showItem(int pageId, int openerId);
    Corvane::Gadgets::Label* labelOf(int id) const;
    // The icon lifted by a press held on it, dragged along the carousel by
    // the given number of segments and dropped there.
    void liftAndDrop(int id, int segments);

    std::unique_ptr<NavigationFixture> m_fixture;
    RecordingOpenDriver m_recorder;
    RecordingListener m_listener;
};

void tst_FamilyFavorites::initTestCase()
{
    SentrelFixture::useProgramTheme();
}

void tst_FamilyFavorites::init()
{
    m_fixture = std::make_unique<NavigationFixture>();
    m_fixture->open(QStringLiteral(DEMO_PROJECT));
    m_recorder.clearSent();
    m_listener = RecordingListener();
    gateway()->registerListener(&m_listener);
}

void tst_FamilyFavorites::cleanup()
{
    if (m_fixture->window && gateway())
        gateway()->unregisterListener(&m_listener);
    m_fixture.reset();
}

BaseController* tst_FamilyFavorites::page(int pageId) const
{
    for (BaseController* controller : navigation()->controllers())
        if (controller->controlledPageId() == pageId)
            return controller;
    return nullptr;
}

PseudoDriver* tst_FamilyFavorites::gateway() const
{
    const auto drivers = navigation()->drivers();
    return drivers.isEmpty() ? nullptr : qobject_cast<PseudoDriver*>(drivers.first());
}

FavoriteWindow* tst_FamilyFavorites::open(int pageId, int deviceId, const QPoint& point, int scale)
{
    return page(pageId)->addFavorite(deviceId, 0, point, false, false, scale);
}

void tst_FamilyFavorites::openPage(int pageId)
{
    navigation()->goHome();
    finishFades();
    for (const NavigationIcon& icon : navigation()->homeIcons())
        if (icon.id() == pageId)
            m_fixture->window->navigationControl()->notifyNavigationIconClicked(icon, 0, false);
    finishFades();
}

void tst_FamilyFavorites::finishFades()
{
    Corvane::Gadgets::NavigationControl* control = m_fixture->window->navigationControl();
    control->setSegmentIconsOpacity(0.0);
    control->setSegmentIconsOpacity(1.0);
    control->setCommandControl1ShowProgress(0.0);
}

int tst_FamilyFavorites::segmentOf(int id) const
{
    return CarouselLookup::segmentOf(m_fixture->window->navigationControl(), id);
}

void tst_FamilyFavorites::record(int pageId)
{
    BaseController* controller = page(pageId);
    controller->setDrivers({{controller->drivers().firstKey(), &m_recorder}});
}

void tst_FamilyFavorites::push(CommandControl* ring, SvgElement* segment)
{
    Q_EMIT ring->elementPress(segment);
    Q_EMIT ring->elementClick(segment);
    Q_EMIT ring->elementRelease(segment);
}

void tst_FamilyFavorites::push(FavoriteControl* control, SvgElement* segment)
{
    Q_EMIT control->elementPress(segment);
    Q_EMIT control->elementClick(segment);
    Q_EMIT control->elementRelease(segment);
}

// Like a new start of the program on the same folders.
void tst_FamilyFavorites::reopen()
{
    gateway()->unregisterListener(&m_listener);
    m_fixture->window.reset();
    Settings::initializeUserProperties();
    m_fixture->open(QStringLiteral(DEMO_PROJECT));
    gateway()->registerListener(&m_listener);
}

void tst_FamilyFavorites::showItem(int pageId, int openerId)
{
    openPage(pageId);
    if (openerId == 0)
        return;
    Corvane::Gadgets::NavigationControl* carousel = m_fixture->window->navigationControl();
    carousel->notifyNavigationIconClicked(CarouselLookup::shownIcon(carousel, openerId), segmentOf(openerId), false);
    finishFades();
}

Corvane::Gadgets::Label* tst_FamilyFavorites::labelOf(int id) const
{
    return m_fixture->window->navigationControl()->labels()->labelAt(segmentOf(id));
}

void tst_FamilyFavorites::liftAndDrop(int id, int segments)
{
    Corvane::Gadgets::NavigationControl* carousel = m_fixture->window->navigationControl();
    const auto event = [](QEvent::Type type, const QPointF& at) {
        auto made = std::make_unique<QGraphicsSceneMouseEvent>(type);
        made->setScenePos(at);
        made->setLastScenePos(at);
        made->setButton(Qt::LeftButton);
        made->setButtons(Qt::LeftButton);
        return made;
    };
    const int from = segmentOf(id);
    const QPointF start = carousel->mapToScene(carousel->getSegmentCenter(from));
    const QPointF end = carousel->mapToScene(carousel->getSegmentCenter(from + segments));
    carousel->handleMousePressAndHold(event(QEvent::GraphicsSceneMousePress, start).get());
    carousel->handleMousePressAndMove(start, event(QEvent::GraphicsSceneMouseMove, end).get(), nullptr);
    for (int tick = 0; carousel->dragAnimation()->iconsCount() > 0 && tick < 1000; ++tick)
        QMetaObject::invokeMethod(carousel->dragAnimation(), "onTimerTick");
    carousel->handleMouseRelease(event(QEvent::GraphicsSceneMouseRelease, end).get(), nullptr);
    finishFades();
}

void tst_FamilyFavorites::buttonSendsWhatTheRingSends_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("device");
    QTest::addColumn<QString>("button");
    // The shutter command expected, or -1 to compare with the ring alone.
    QTest::addColumn<int>("shutterCommand");
    QTest::newRow("shutter up") << MOTORS << LIVING_ROOM_SHUTTER << MotorsController::OPEN_BUTTON_ID << 1;
    QTest::newRow("shutter stop") << MOTORS << LIVING_ROOM_SHUTTER << MotorsController::STOP_BUTTON_ID << 0;
    QTest::newRow("shutter down") << MOTORS << LIVING_ROOM_SHUTTER << MotorsController::CLOSE_BUTTON_ID << 2;
    QTest::newRow("curtain open") << MOTORS << LIVING_ROOM_CURTAIN << MotorsController::OPEN_BUTTON_ID << 1;
    QTest::newRow("scenario") << SCENARIOS << GOOD_MORNING << ScenariosController::START_BUTTON_ID << -1;
    QTest::newRow("scenario plus stop") << SCENARIOS << RELAX << ScenariosController::STOP_BUTTON_ID << -1;
    QTest::newRow("CEN+ start") << SCENARIOS << HOLIDAY_LIGHTS << ScenariosController::START_BUTTON_ID << -1;
    QTest::newRow("CEN disable") << SCENARIOS << HOLIDAY_LIGHTS << ScenariosController::DISABLE_BUTTON_ID << -1;
    QTest::newRow("amplifier on") << SOUND << LIVING_ROOM_AMPLIFIER << SoundController::ON_BUTTON_ID << -1;
    QTest::newRow("amplifier off") << SOUND << LIVING_ROOM_AMPLIFIER << SoundController::OFF_BUTTON_ID << -1;
    QTest::newRow("previous") << SOUND << LIVING_ROOM_AMPLIFIER << SoundController::PREV_BUTTON_ID << -1;
    QTest::newRow("next") << SOUND << LIVING_ROOM_AMPLIFIER << SoundController::NEXT_BUTTON_ID << -1;
    QTest::newRow("all amplifiers off") << SOUND << ALL_AMPLIFIERS << SoundController::OFF_BUTTON_ID << -1;
}

void tst_FamilyFavorites::buttonSendsWhatTheRingSends()
{
    QFETCH(int, page);
    QFETCH(int, device);
    QFETCH(QString, button);
    QFETCH(int, shutterCommand);
    record(page);

    openPage(page);
    m_fixture->window->navigationControl()->notifyNavigationIconClicked(
        this->page(page)->getIconByIndex(this->page(page)->indexOfIcon(device)), segmentOf(device), false);
    CommandControl* ring = m_fixture->window->navigationControl()->commandControl1();
    QVERIFY(ringButton(ring, button));
    push(ring, ringButton(ring, button));
    const QList<Message> fromRing = m_recorder.sent;
    QVERIFY(!fromRing.isEmpty());
    m_recorder.clearSent();

    FavoriteControl* control = open(page, device)->favoriteControl();
    Q_EMIT control->elementClick(control->centerButton());
    QVERIFY(ringButton(control->commandControl1(), button));
    push(control, ringButton(control->commandControl1(), button));
    QCOMPARE(m_recorder.sent, fromRing);
    if (shutterCommand >= 0) {
        const BaseController* controller = this->page(page);
        Message expected = Message::createShutterMessage(
            controller->getAddressText(controller->getDeviceById(device)->address()), shutterCommand);
        expected.setPriority(m_recorder.sent.first().priority());
        QCOMPARE(m_recorder.sent, QList<Message>{expected});
    }
}

void tst_FamilyFavorites::scenarioPlusLevelIsCut()
{
    record(SCENARIOS);
    FavoriteWindow* window = open(SCENARIOS, RELAX);
    FavoriteControl* control = window->favoriteControl();
    QVERIFY(control->sliderVisible());
    // The favourite starts at the device's configured level.
    QCOMPARE(control->sliderValue(), 60.0);
    control->setSliderValueStep(0.1);
    control->setSliderValue(49.9);
    QCOMPARE(control->sliderValue(), 49.9);
    Q_EMIT control->elementClick(control->centerButton());
    push(control, ringButton(control->commandControl1(), ScenariosController::START_BUTTON_ID));
    QCOMPARE(m_recorder.sent.size(), 1);
    QCOMPARE(m_recorder.sent.first().parameters().value(0).value(), 49);
    // Only scenario PLUS devices have a slider.
    QVERIFY(!open(SCENARIOS, GOOD_MORNING)->favoriteControl()->sliderVisible());
}

void tst_FamilyFavorites::heldCenItemFromTheFavorite_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("held");
    QTest::addColumn<QList<int>>("actions");
    QTest::newRow("CEN click") << ScenariosController::ENABLE_BUTTON_ID << 200 << QList<int>{0, 1};
    QTest::newRow("CEN held 1.2 s") << ScenariosController::ENABLE_BUTTON_ID << 1200 << QList<int>{0, 3, 3, 2};
    QTest::newRow("CEN+ click") << ScenariosController::START_BUTTON_ID << 200 << QList<int>{0};
    QTest::newRow("CEN+ held 1.2 s") << ScenariosController::START_BUTTON_ID << 1200 << QList<int>{1, 2, 3};
}

void tst_FamilyFavorites::heldCenItemFromTheFavorite()
{
    QFETCH(QString, button);
    QFETCH(int, held);
    QFETCH(QList<int>, actions);
    FavoriteControl* control = open(SCENARIOS, HOLIDAY_LIGHTS)->favoriteControl();
    Q_EMIT control->elementClick(control->centerButton());
    SvgElement* segment = ringButton(control->commandControl1(), button);
    QVERIFY(segment);
    Q_EMIT control->elementPress(segment);
    m_fixture->clock.advance(held);
    Q_EMIT control->elementRelease(segment);
    QList<int> sent;
    for (const Message& message : std::as_const(m_listener.messages)) {
        if (message.systemType() == Enums::Cen)
            sent.append(message.commandType() - Codes::CEN_BASE);
        else if (message.systemType() == Enums::CenPlus)
            sent.append(message.commandType() - Codes::CEN_PLUS_BASE);
    }
    QCOMPARE(sent, actions);
}

void tst_FamilyFavorites::pressWithoutCommandStartsNoHold()
{
    record(SCENARIOS);
    auto* scenarios = qobject_cast<ScenariosController*>(page(SCENARIOS));
    FavoriteControl* control = open(SCENARIOS, HOLIDAY_LIGHTS)->favoriteControl();
    // The centre button has no button id; the label neither.
    for (SvgElement* element : QList<SvgElement*>{control->centerButton(), nullptr}) {
        Q_EMIT control->elementPress(element);
        QVERIFY(!scenarios->isHolding());
        m_fixture->clock.advance(1200);
        Q_EMIT control->elementRelease(element);
    }
    QVERIFY(m_recorder.sent.isEmpty());
}

void tst_FamilyFavorites::volumeSliderAndSourceDropDown()
{
    auto* sound = qobject_cast<SoundController*>(page(SOUND));
    FavoriteWindow* window = open(SOUND, LIVING_ROOM_AMPLIFIER);
    FavoriteControl* control = window->favoriteControl();
    QVERIFY(control->sliderVisible());

    // The volume: what the carousel's slider sends, shown back on both.
    openPage(SOUND);
    record(SOUND);
    Corvane::Gadgets::NavigationLabels* labels = m_fixture->window->navigationControl()->labels();
    labels->setSliderValue(segmentOf(LIVING_ROOM_AMPLIFIER), 50);
    Q_EMIT labels->sliderValueChanged(segmentOf(LIVING_ROOM_AMPLIFIER));
    const QList<Message> fromCarousel = m_recorder.sent;
    QCOMPARE(fromCarousel.size(), 1);
    m_recorder.clearSent();
    control->setSliderValue(50);
    Q_EMIT control->sliderValueChanged();
    QCOMPARE(m_recorder.sent, fromCarousel);
    QCOMPARE(control->sliderValue(), 50.0);

    // The sources: the favourite's drop-down holds the amplifier's.
    const DropDownItemModel* cd = nullptr;
    for (const DropDownItemModel* model : sound->getSoundSourceModelsForDevice(LIVING_ROOM_AMPLIFIER))
        if (model->id() == CD_PLAYER)
            cd = model;
    QVERIFY(cd);
    m_recorder.clearSent();
    Q_EMIT labels->row2DropDownItemIconClick(segmentOf(LIVING_ROOM_AMPLIFIER), 1, cd);
    const QList<Message> choiceFromCarousel = m_recorder.sent;
    QCOMPARE(choiceFromCarousel.size(), 1);
    m_recorder.clearSent();
    Q_EMIT control->row2DropDownItemIconClick(1, cd);
    QCOMPARE(m_recorder.sent, choiceFromCarousel);

    // With the simulated gateway the favourite's info names the source.
    sound->setDrivers(navigation()->drivers());
    Q_EMIT control->row2DropDownItemIconClick(1, cd);
    const QString info = control->label()->row2DropDown()->model().text();
    QVERIFY2(info.startsWith(QStringLiteral("CD player")), qPrintable(info));
    QCOMPARE(control->label()->row2DropDown()->model().itemsModels(),
             sound->getSoundSourceModelsForDevice(LIVING_ROOM_AMPLIFIER));
}

void tst_FamilyFavorites::iconFollowsMessages_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("device");
    QTest::addColumn<int>("news");
    QTest::addColumn<QString>("renderer");
    QTest::addColumn<int>("state");
    const int normal = NavigationIcon::Normal;
    const int inactive = NavigationIcon::Inactive;
    QTest::newRow("shutter going up") << MOTORS << LIVING_ROOM_SHUTTER << int(Opening) << "shutter_up" << normal;
    QTest::newRow("shutter going down") << MOTORS << LIVING_ROOM_SHUTTER << int(Closing) << "shutter_down"
                                        << normal;
    QTest::newRow("shutter still") << MOTORS << LIVING_ROOM_SHUTTER << int(Still) << "shutter" << normal;
    QTest::newRow("curtain opening") << MOTORS << LIVING_ROOM_CURTAIN << int(Opening) << "curtain_open" << normal;
    QTest::newRow("presence") << PRESENCE << GARAGE_PRESENCE_SENSOR << int(Present) << "presence" << normal;
    QTest::newRow("nobody") << PRESENCE << GARAGE_PRESENCE_SENSOR << int(Absent) << "presence" << inactive;
    QTest::newRow("amplifier on") << SOUND << LIVING_ROOM_AMPLIFIER << int(SwitchedOn) << "amplifier" << normal;
    QTest::newRow("amplifier off") << SOUND << LIVING_ROOM_AMPLIFIER << int(SwitchedOff) << "amplifier"
                                   << inactive;
}

void tst_FamilyFavorites::iconFollowsMessages()
{
    QFETCH(int, page);
    QFETCH(int, device);
    QFETCH(int, news);
    QFETCH(QString, renderer);
    QFETCH(int, state);
    FavoriteControl* control = open(page, device)->favoriteControl();
    const Corvane::Devices::BaseDevice* shown = this->page(page)->getDeviceById(device);
    const Address::DeviceType type = page == SOUND ? Address::Amplifier : this->page(page)->defaultDeviceType();
    const QString where = BaseController::getAddressText(shown->address(), type, Address::Compare);
    gateway()->sendMessageToListeners(statusMessage(News(news), where), Message(), true);
    QCOMPARE(control->centerButton()->iconElement(), stateElement(state));
    QCOMPARE(rendererName(control->iconRenderer()), renderer);
    // The favourite is no carousel icon: it carries no favourite mark.
    QVERIFY(control->iconRenderer().overlays().isEmpty());
}

void tst_FamilyFavorites::luxValueShownAndRefreshed()
{
    auto* lux = qobject_cast<LightSensorsController*>(page(LUX));
    const auto* garden = static_cast<const Corvane::Devices::LightSensorDevice*>(lux->getDeviceById(GARDEN_LIGHT_SENSOR));
    FavoriteControl* control = open(LUX, GARDEN_LIGHT_SENSOR)->favoriteControl();
    // The carousel shows the value alone; the favourite keeps the picture.
    QCOMPARE(rendererName(control->iconRenderer()), QStringLiteral("light_sensor"));
    QCOMPARE(control->centerButton()->text(), QLocale().toString(garden->intensity()) + QStringLiteral(" lx"));
    QCOMPARE(control->centerButton()->iconElement(), stateElement(NavigationIcon::Normal));

    for (quint32 seed = 1; seed < 4; ++seed) {
        gateway()->setRandomSeed(seed);
        Q_EMIT control->elementClick(control->refreshButton());
        QVERIFY(garden->isStatusKnown());
        QCOMPARE(control->centerButton()->text(), QLocale().toString(garden->intensity()) + QStringLiteral(" lx"));
    }
}

void tst_FamilyFavorites::lostGatewayGreysTheFavorite_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("device");
    QTest::newRow("shutter") << MOTORS << LIVING_ROOM_SHUTTER;
    QTest::newRow("scenario") << SCENARIOS << GOOD_MORNING;
    QTest::newRow("amplifier") << SOUND << LIVING_ROOM_AMPLIFIER;
    QTest::newRow("presence") << PRESENCE << HALL_SENSOR;
    QTest::newRow("lux") << LUX << HALL_SENSOR;
}

void tst_FamilyFavorites::lostGatewayGreysTheFavorite()
{
    QFETCH(int, page);
    QFETCH(int, device);
    FavoriteControl* control = open(page, device)->favoriteControl();
    QVERIFY(control->centerButton()->iconElement() != stateElement(NavigationIcon::Uninitialized));
    this->page(page)->disconnected(gateway(), true);
    QCOMPARE(control->centerButton()->iconElement(), stateElement(NavigationIcon::Uninitialized));
    // Back again, its state is asked anew.
    this->page(page)->authenticated(gateway(), true);
    QVERIFY(control->centerButton()->iconElement() != stateElement(NavigationIcon::Uninitialized));
}

void tst_FamilyFavorites::restoredAfterRestart_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("device");
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<int>("scale");
    QTest::newRow("shutter") << MOTORS << LIVING_ROOM_SHUTTER << QPoint(120, 90) << 40;
    QTest::newRow("scenario plus") << SCENARIOS << RELAX << QPoint(400, 300) << 60;
    QTest::newRow("scheduled scenario") << SCENARIOS << HOLIDAY_LIGHTS << QPoint(250, 80) << 50;
    QTest::newRow("amplifier") << SOUND << LIVING_ROOM_AMPLIFIER << QPoint(500, 150) << 55;
    QTest::newRow("presence") << PRESENCE << GARAGE_PRESENCE_SENSOR << QPoint(60, 400) << 45;
    QTest::newRow("lux") << LUX << GARDEN_LIGHT_SENSOR << QPoint(700, 350) << 50;
}

void tst_FamilyFavorites::restoredAfterRestart()
{
    QFETCH(int, page);
    QFETCH(int, device);
    QFETCH(QPoint, point);
    QFETCH(int, scale);
    FavoriteWindow* window = this->page(page)->addFavorite(device, 0, point, false, true, scale);
    const Corvane::Devices::UserDeviceSettings::Favorite stored = this->page(page)->getFavoriteSettings(window);
    navigation()->saveUserConfiguration();

    reopen();
    BaseController* controller = this->page(page);
    QCOMPARE(controller->favorites().size(), 1);
    FavoriteWindow* restored = controller->favorites().first();
    QCOMPARE(restored->deviceId(), device);
    const Corvane::Devices::UserDeviceSettings::Favorite again = controller->getFavoriteSettings(restored);
    QCOMPARE(QPoint(again.x, again.y), QPoint(stored.x, stored.y));
    QCOMPARE(again.scale, stored.scale);
    QCOMPARE(again.onTop, true);
    QCOMPARE(again.pageType, controller->controlledPageType());
    // Drawn from the device at once, named after it.
    FavoriteControl* control = restored->favoriteControl();
    QCOMPARE(restored->windowTitle(), controller->getDeviceById(device)->name());
    QVERIFY(control->centerButton()->iconElement() != stateElement(NavigationIcon::Uninitialized));
    // The carousel icon carries the favourite mark.
    openPage(page);
    const int position = controller->indexOfIcon(device);
    QVERIFY(position >= 0);
    QVERIFY(controller->hasFavoriteFor(device));
}

void tst_FamilyFavorites::contextMenu_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("device");
    QTest::addColumn<bool>("refresh");
    QTest::newRow("shutter") << MOTORS << LIVING_ROOM_SHUTTER << true;
    QTest::newRow("scenario") << SCENARIOS << GOOD_MORNING << false;
    QTest::newRow("amplifier") << SOUND << LIVING_ROOM_AMPLIFIER << true;
    QTest::newRow("presence") << PRESENCE << GARAGE_PRESENCE_SENSOR << true;
    QTest::newRow("lux") << LUX << GARDEN_LIGHT_SENSOR << true;
}

void tst_FamilyFavorites::contextMenu()
{
    QFETCH(int, page);
    QFETCH(int, device);
    QFETCH(bool, refresh);
    BaseController* controller = this->page(page);
    QVERIFY(controller->getDeviceById(device));
    QCOMPARE(controller->getDeviceById(device)->supportsRefresh(), refresh);
    FavoriteWindow* window = open(page, device);
    Q_EMIT window->customContextMenuRequested(QPoint(10, 10));
    QCOMPARE(controller->contextMenuWindow(), window);
    QMenu* menu = controller->favoriteContextMenu();
    QVERIFY(menu);
    const QList<QAction*> actions = menu->actions();
    QCOMPARE(actions.at(1)->isVisible(), refresh);
    menu->hide();

    // Always on top, then off again; each saved.
    QSignalSpy saves(controller, &BaseController::saveSettingsRequested);
    actions.at(0)->trigger();
    QVERIFY(controller->getFavoriteSettings(window).onTop);
    actions.at(0)->trigger();
    QVERIFY(!controller->getFavoriteSettings(window).onTop);
    QCOMPARE(saves.size(), 2);

    // Remove favorite closes it.
    actions.at(4)->trigger();
    QVERIFY(controller->favorites().isEmpty());
    QVERIFY(!controller->hasFavoriteFor(device));
}

// In full-screen mode the corner X hides the gadget; a favourite's "Show
// main window" brings it back filling the screen, raised above the
// favourites, and nothing lifts them over it again.
void tst_FamilyFavorites::fullScreenGadgetShownAgainStaysAboveFavorites()
{
    NavigationWindow* main = m_fixture->window.get();
    main->showTo();
    QVERIFY(QTest::qWaitForWindowExposed(main));
    QList<FavoriteWindow*> favorites{open(SCENARIOS, GOOD_MORNING, QPoint(200, 200)),
                                     open(MOTORS, LIVING_ROOM_SHUTTER, QPoint(600, 300))};
    for (FavoriteWindow* favorite : favorites) {
        favorite->showTo();
        QVERIFY(QTest::qWaitForWindowExposed(favorite));
    }
    main->setIsInFullScreenMode(true);
    QVERIFY(QTest::qWaitForWindowExposed(main));

    Q_EMIT main->navigationContainer()->elementClick(main->navigationContainer()->fullScreenCloseButton());
    QVERIFY(!main->isVisible());
    RaiseOrder order;
    order.watch(main);
    for (FavoriteWindow* favorite : favorites)
        order.watch(favorite);
    Q_EMIT favorites.first()->customContextMenuRequested(QPoint(10, 10));
    QMenu* menu = page(SCENARIOS)->favoriteContextMenu();
    QVERIFY(menu);
    menu->hide();
    menu->actions().at(2)->trigger();

    QVERIFY(main->isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(main));
    QTest::qWait(100);
    QVERIFY(main->isInFullScreenMode());
    QVERIFY(main->windowState().testFlag(Qt::WindowFullScreen));
    QVERIFY(!order.raised.isEmpty());
    QCOMPARE(order.raised.last(), static_cast<QObject*>(main));
}

// A source renamed in a drop-down: the carousel's drop-down, the info text
// and an open favourite show the new name, and it is kept over a restart.
void tst_FamilyFavorites::renamedSourceEverywhereAndAfterRestart()
{
    auto* sound = qobject_cast<SoundController*>(page(SOUND));
    FavoriteControl* control = open(SOUND, LIVING_ROOM_AMPLIFIER)->favoriteControl();
    openPage(SOUND);
    Corvane::Gadgets::NavigationLabels* labels = m_fixture->window->navigationControl()->labels();
    DropDownItemModel* cd = nullptr;
    for (DropDownItemModel* model : sound->getSoundSourceModelsForDevice(LIVING_ROOM_AMPLIFIER))
        if (model->id() == CD_PLAYER)
            cd = model;
    QVERIFY(cd);
    Q_EMIT labels->row2DropDownItemIconClick(segmentOf(LIVING_ROOM_AMPLIFIER), 1, cd);
    Corvane::Gadgets::Label* label = labels->labelAt(segmentOf(LIVING_ROOM_AMPLIFIER));
    // The simulated gateway names no track of it until asked for the next.
    // The carousel's labels show a change within a frame.
    QTRY_COMPARE(label->row2DropDown()->model().text(), QStringLiteral("CD player"));

    // What the drop-down entry does with an edited text.
    cd->setText(QStringLiteral("Vinyl"));
    QCOMPARE(sound->getDeviceById(CD_PLAYER)->name(), QStringLiteral("Vinyl"));
    const QString vinyl = QStringLiteral("Vinyl");
    QTRY_COMPARE(label->row2DropDown()->model().text(), vinyl);
    QCOMPARE(sound->getIconByIndex(sound->indexOfIcon(LIVING_ROOM_AMPLIFIER)).dropDownModel().text(), vinyl);
    QCOMPARE(control->label()->row2DropDown()->model().text(), vinyl);
    QVERIFY(control->label()->row2DropDown()->model().itemsModels().contains(cd));
    // Written at once, name included.
    QCOMPARE(Settings::userSettings().itemName(CD_PLAYER), QStringLiteral("Vinyl"));

    reopen();
    sound = qobject_cast<SoundController*>(page(SOUND));
    QCOMPARE(sound->getDeviceById(CD_PLAYER)->name(), QStringLiteral("Vinyl"));
    QStringList entries;
    for (const DropDownItemModel* model : sound->getSoundSourceModelsForDevice(LIVING_ROOM_AMPLIFIER))
        entries.append(model->text());
    QVERIFY2(entries.contains(QStringLiteral("Vinyl")), qPrintable(entries.join(QLatin1Char(','))));
    QVERIFY(!entries.contains(QStringLiteral("CD player")));
    // The restored favourite lists the renamed source too.
    FavoriteControl* restored = sound->favorites().value(0)->favoriteControl();
    QCOMPARE(restored->label()->row2DropDown()->model().itemsModels(),
             sound->getSoundSourceModelsForDevice(LIVING_ROOM_AMPLIFIER));
}

void tst_FamilyFavorites::renamedOnTheCarouselLabel_data()
{
    QTest::addColumn<int>("page");
    // The icon that shows the item on a level of its own, or 0.
    QTest::addColumn<int>("opener");
    QTest::addColumn<int>("item");
    QTest::newRow("light") << LIGHTS << 0 << HALL;
    QTest::newRow("thermoregulation zone") << THERMO << 0 << LIVING_ROOM_ZONE;
    QTest::newRow("air conditioner command") << THERMO << BEDROOM_AIR_CONDITIONER << COOL_24;
    QTest::newRow("meter") << ENERGY << 0 << MAIN_METER;
}

// The name typed into the label is the item's on its page after going home
// and back, and after a restart on the same settings.
void tst_FamilyFavorites::renamedOnTheCarouselLabel()
{
    QFETCH(int, page);
    QFETCH(int, opener);
    QFETCH(int, item);
    const QString porch = QStringLiteral("Porch");
    showItem(page, opener);
    QVERIFY(labelOf(item));
    QVERIFY(SceneInput::rename(m_fixture->window.get(), labelOf(item), porch));
    QVERIFY(!labelOf(item)->isInEditMode());
    QCOMPARE(labelOf(item)->text(), porch);

    showItem(page, opener);
    QCOMPARE(labelOf(item)->text(), porch);

    reopen();
    showItem(page, opener);
    QCOMPARE(labelOf(item)->text(), porch);
}

void tst_FamilyFavorites::emptyNameRefusedOnTheLabel_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("nothing") << QString();
    QTest::newRow("blanks") << QStringLiteral("   ");
}

// An empty name, or one of blanks, is refused: the label stays in its
// editor and Escape brings the name back, on the label and after a restart.
void tst_FamilyFavorites::emptyNameRefusedOnTheLabel()
{
    QFETCH(QString, typed);
    showItem(LIGHTS, 0);
    Corvane::Gadgets::Label* label = labelOf(HALL);
    const QString hall = label->text();
    QVERIFY(SceneInput::rename(m_fixture->window.get(), label, typed));
    QVERIFY(label->isInEditMode());
    QVERIFY(Settings::userSettings().itemName(HALL).isEmpty());
    QTest::keyClick(label->textEditor(), Qt::Key_Escape);
    QVERIFY(!label->isInEditMode());
    QCOMPARE(label->text(), hall);
    QCOMPARE(page(LIGHTS)->getDeviceById(HALL)->name(), hall);

    reopen();
    showItem(LIGHTS, 0);
    QCOMPARE(labelOf(HALL)->text(), hall);
}

void tst_FamilyFavorites::typedNameIsTrimmed_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("opener");
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("typed");
    // Empty: the project's name, read from the label before the rename.
    QTest::addColumn<QString>("taken");
    QTest::newRow("light") << LIGHTS << 0 << HALL << QStringLiteral("  Porch ") << QStringLiteral("Porch");
    QTest::newRow("air conditioner command, name")
        << THERMO << BEDROOM_AIR_CONDITIONER << COOL_24 << QStringLiteral(" Cool ") << QStringLiteral("Cool");
    QTest::newRow("air conditioner command, blanks")
        << THERMO << BEDROOM_AIR_CONDITIONER << COOL_24 << QStringLiteral("   ") << QString();
    QTest::newRow("air conditioner command, nothing")
        << THERMO << BEDROOM_AIR_CONDITIONER << COOL_24 << QString() << QString();
}

// The label shows the name the item took, blanks around it trimmed; a
// command given only blanks takes its project name back. The same name is
// shown again on the page and after a restart.
void tst_FamilyFavorites::typedNameIsTrimmed()
{
    QFETCH(int, page);
    QFETCH(int, opener);
    QFETCH(int, item);
    QFETCH(QString, typed);
    QFETCH(QString, taken);
    showItem(page, opener);
    if (taken.isEmpty()) {
        taken = labelOf(item)->text();
        QVERIFY(SceneInput::rename(m_fixture->window.get(), labelOf(item), QStringLiteral("Other")));
    }
    QVERIFY(SceneInput::rename(m_fixture->window.get(), labelOf(item), typed));
    QVERIFY(!labelOf(item)->isInEditMode());
    QCOMPARE(labelOf(item)->text(), taken);
    QCOMPARE(CarouselLookup::shownIcon(m_fixture->window->navigationControl(), item).tooltip(), taken);

    showItem(page, opener);
    QCOMPARE(labelOf(item)->text(), taken);
    reopen();
    showItem(page, opener);
    QCOMPARE(labelOf(item)->text(), taken);
}

void tst_FamilyFavorites::renamedLabelKeepsItsName_data()
{
    QTest::addColumn<bool>("ring");
    QTest::addColumn<bool>("reorder");
    QTest::newRow("ring opened") << true << false;
    QTest::newRow("icon moved") << false << true;
    QTest::newRow("ring opened, then icon moved") << true << true;
}

// A name typed on a label stays on it when the device's ring opens during
// the same visit of the page, and when its icon is moved to another place;
// it is the one kept.
void tst_FamilyFavorites::renamedLabelKeepsItsName()
{
    QFETCH(bool, ring);
    QFETCH(bool, reorder);
    const QString porch = QStringLiteral("Porch");
    showItem(LIGHTS, 0);
    QVERIFY(SceneInput::rename(m_fixture->window.get(), labelOf(HALL), porch));
    QCOMPARE(labelOf(HALL)->text(), porch);

    Corvane::Gadgets::NavigationControl* carousel = m_fixture->window->navigationControl();
    if (ring) {
        QVERIFY(SceneInput::click(m_fixture->window.get(), carousel->segments().at(segmentOf(HALL))));
        finishFades();
        QVERIFY(carousel->commandControl1());
        QCOMPARE(labelOf(HALL)->text(), porch);
        SceneInput::pressKey(m_fixture->window.get(), Qt::Key_Escape);
        finishFades();
    }
    if (reorder) {
        const int before = segmentOf(HALL);
        liftAndDrop(HALL, 1);
        QCOMPARE(segmentOf(HALL), before + 1);
    }
    QCOMPARE(labelOf(HALL)->text(), porch);
    QCOMPARE(CarouselLookup::shownIcon(carousel, HALL).tooltip(), porch);
    QCOMPARE(Settings::userSettings().itemName(HALL), porch);
}

// The demo's hall sensor shows on the presence and on the light-sensor page:
// a name given on either page is its name on both, the last one given wins,
// on screen and in the settings, also after a restart.
void tst_FamilyFavorites::deviceOnTwoPagesTakesTheLastName()
{
    const QString luxName = QStringLiteral("Lux name");
    const QString presenceName = QStringLiteral("Presence name");
    showItem(LUX, 0);
    QVERIFY(SceneInput::rename(m_fixture->window.get(), labelOf(HALL_SENSOR), luxName));
    showItem(PRESENCE, 0);
    QCOMPARE(labelOf(HALL_SENSOR)->text(), luxName);
    QVERIFY(SceneInput::rename(m_fixture->window.get(), labelOf(HALL_SENSOR), presenceName));
    showItem(LUX, 0);
    QCOMPARE(labelOf(HALL_SENSOR)->text(), presenceName);
    QCOMPARE(Settings::userSettings().itemName(HALL_SENSOR), presenceName);

    reopen();
    for (int page : {LUX, PRESENCE}) {
        showItem(page, 0);
        QCOMPARE(labelOf(HALL_SENSOR)->text(), presenceName);
    }
}

void tst_FamilyFavorites::escapeKeepsTheLabels_data()
{
    QTest::addColumn<bool>("ringOpen");
    QTest::newRow("ring open") << true;
    QTest::newRow("no ring") << false;
}

// Escape closes the ring or steps back a page; the labels stay, and with
// them the names, values and sliders, on this page and on the next.
void tst_FamilyFavorites::escapeKeepsTheLabels()
{
    QFETCH(bool, ringOpen);
    showItem(LIGHTS, ringOpen ? HALL : 0);
    Corvane::Gadgets::NavigationControl* carousel = m_fixture->window->navigationControl();
    QCOMPARE(carousel->commandControl1() != nullptr, ringOpen);
    QVERIFY(carousel->labels()->isVisible());

    SceneInput::pressKey(m_fixture->window.get(), Qt::Key_Escape);
    finishFades();
    QVERIFY(!carousel->commandControl1());
    QVERIFY(carousel->labels()->isVisible());

    showItem(LUX, 0);
    QVERIFY(carousel->labels()->isVisible());
    QCOMPARE(labelOf(GARDEN_LIGHT_SENSOR)->text(), page(LUX)->getDeviceById(GARDEN_LIGHT_SENSOR)->name());
}

void tst_FamilyFavorites::goneDeviceIgnoresTheFavorite_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("device");
    QTest::newRow("shutter") << MOTORS << LIVING_ROOM_SHUTTER;
    QTest::newRow("scenario") << SCENARIOS << HOLIDAY_LIGHTS;
    QTest::newRow("amplifier") << SOUND << LIVING_ROOM_AMPLIFIER;
}

// A favourite whose device left the loaded project (an edited project under
// the same name) opens no ring and sends nothing.
void tst_FamilyFavorites::goneDeviceIgnoresTheFavorite()
{
    QFETCH(int, page);
    QFETCH(int, device);
    record(page);
    FavoriteWindow* window = open(page, device);
    FavoriteControl* control = window->favoriteControl();
    this->page(page)->loadDevices(nullptr);
    Q_EMIT control->elementClick(control->centerButton());
    QCOMPARE(control->commandControl1()->activeButtonsCount(), 0);
    push(control, control->centerButton());
    control->setSliderValue(30);
    Q_EMIT control->sliderValueChanged();
    QVERIFY(m_recorder.sent.isEmpty());
}

QTEST_MAIN(tst_FamilyFavorites)
#include "tst_familyfavorites.moc"
