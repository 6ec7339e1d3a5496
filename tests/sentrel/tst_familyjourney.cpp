// A user's journey through the automation, scenarios, thermoregulation, sound
// and sensor pages of the demo project in no-server mode, clicking the
// carousel, its rings and a favourite with mouse events on the real scene
// objects. With CORVANE_SHOTS_DIR set, each step leaves a picture of the
// gadget (and of the favourite) in that folder.
#include "CarouselLookup.h"
#include "Controllers/sensors/LightSensorsController.h"
#include "Controllers/automation/MotorsController.h"
#include "Controllers/sensors/PresenceSensorsController.h"
#include "Controllers/scenarios/ScenariosController.h"
#include "Controllers/sound/SoundController.h"
#include "Controllers/thermoregulation/ThermoregulationButtons.h"
#include "Controllers/thermoregulation/ThermoregulationController.h"
#include "FavoriteWindow.h"
#include "NavigationFixture.h"
#include "RecordingListener.h"

#include "commandcontrol/CommandControl.h"
#include "controls/SvgContentButton.h"
#include "dropdown/SvgDropDown.h"
#include "dropdown/SvgDropDownItem.h"
#include "dropdown/SvgDropDownPanel.h"
#include "devices/AmplifierDevice.h"
#include "devices/LightSensorDevice.h"
#include "devices/PresenceSensorDevice.h"
#include "devices/ThermoregulationDevice.h"
#include "favorite/FavoriteControl.h"
#include "label/Label.h"
#include "models/DropDownItemModel.h"
#include "navigation/NavigationControl.h"
#include "navigation/NavigationLabels.h"
#include "slider/SvgSliderControl.h"
#include "pravikdriver/Message.h"
#include "pravikdriver/PravikCodes.h"
#include "pravikdriver/PravikEnums.h"
#include "theme/RendererContainer.h"
#include "widgets/TemperatureUnit.h"

#include <QCursor>
#include <QDir>
#include <QGraphicsScene>
#include <QGraphicsSceneMouseEvent>
#include <QLocale>
#include <QPainter>
#include <QTest>

#include <cmath>

using namespace Corvane::Sentrel;
using namespace Corvane::Sentrel::Controllers;
using Corvane::Gadgets::CommandControl;
using Corvane::Gadgets::SvgContentButton;
using Corvane::Gadgets::SvgElement;
using Corvane::Gadgets::Models::NavigationIcon;
using Corvane::PravikDriver::Message;
using Buttons = Corvane::Sentrel::Controllers::ThermoregulationButtons;
namespace Codes = Corvane::PravikDriver::PravikCodes;
namespace Enums = Corvane::PravikDriver::PravikEnums;

namespace {

// Demo project devices.
const int LIVING_ROOM_SHUTTER = 10;
const int GOOD_MORNING = 13;
const int HOLIDAY_LIGHTS = 16;
const int LIVING_ROOM_ZONE = 17;
const int BEDROOM_AIR_CONDITIONER = 23;
const int COOL_24 = 1;
const int GARDEN_LIGHT_SENSOR = 25;
const int GARAGE_PRESENCE_SENSOR = 26;
const int LIVING_ROOM_AMPLIFIER = 30;
const int RADIO = 27;
const int CD_PLAYER = 28;

QString rendererName(const NavigationIcon& icon)
{
    return icon.renderer().main() ? icon.renderer().main()->name() : QString();
}

template<typename T>
T* controllerOf(NavigationController* navigation)
{
    for (BaseController* controller : navigation->controllers())
        if (auto* found = qobject_cast<T*>(controller))
            return found;
    return nullptr;
}

// A scene point on which the element takes hits: the middle of what it
// draws when that is on it, else the first point of a grid over it.
// The entry of a source drop-down for that source.
Corvane::Gadgets::SvgDropDownItem* sourceEntry(Corvane::Gadgets::SvgDropDown* dropDown, int sourceId)
{
    for (Corvane::Gadgets::SvgDropDownItem* item : dropDown->panel()->items())
        if (item->model() && item->model()->id() == sourceId)
            return item;
    return nullptr;
}

QPointF hitPoint(SvgElement* element)
{
    const auto* button = dynamic_cast<SvgContentButton*>(element);
    const QPointF middle = element->mapToScene(button ? button->contentBounds().center()
                                                      : element->boundingRect().center());
    if (element->hitTest(middle))
        return middle;
    const QRectF area = element->sceneBoundingRect();
    for (qreal y = area.top() + 1; y < area.bottom(); y += 2)
        for (qreal x = area.left() + 1; x < area.right(); x += 2)
            if (element->hitTest(QPointF(x, y)))
                return QPointF(x, y);
    return middle;
}

} // namespace

class tst_FamilyJourney : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void journey_data();
    void journey();

private:
    void start();
    NavigationController* navigation() const { return m_fixture->navigation(); }
    Corvane::Gadgets::NavigationControl* carousel() const { return m_fixture->window->navigationControl(); }
    PseudoDriver* gateway() const;

    // The left button pressed and let go on a scene point of the window, as
    // the window's gesture recogniser sees it: the pointer is there.
    void press(BaseSceneWindow* window, const QPointF& scenePos);
    void release(BaseSceneWindow* window, const QPointF& scenePos);
    void click(BaseSceneWindow* window, SvgElement* element);
    void clickMain(SvgElement* element) { click(m_fixture->window.get(), element); }
    void openPage(int pageId);
    void clickIcon(int id);
    SvgContentButton* ringButton(CommandControl* ring, const QString& buttonId) const;
    int segmentOf(int id) const;
    NavigationIcon shownIcon(int id) const;
    void finishAnimations();
    // Ends a favourite's opening of its ring at once.
    static void finishExpanding(FavoriteWindow* window);
    QList<int> cenActions() const;
    void shoot(BaseSceneWindow* window, const QString& step);
    void shoot(const QString& step) { shoot(m_fixture->window.get(), step); }

    QString m_theme;
    std::unique_ptr<NavigationFixture> m_fixture;
    RecordingListener m_listener;
};

void tst_FamilyJourney::initTestCase()
{
    SentrelFixture::useProgramTheme();
}

void tst_FamilyJourney::cleanup()
{
    if (m_fixture && m_fixture->window && gateway())
        gateway()->unregisterListener(&m_listener);
    m_fixture.reset();
    SentrelFixture::useProgramTheme();
}

void tst_FamilyJourney::start()
{
    m_fixture->open(QStringLiteral(DEMO_PROJECT));
    m_listener = RecordingListener();
    gateway()->registerListener(&m_listener);
    m_fixture->window->showTo();
    m_fixture->window->moveOnScreen(QPoint(200, 100));
}

PseudoDriver* tst_FamilyJourney::gateway() const
{
    const auto drivers = navigation()->drivers();
    return drivers.isEmpty() ? nullptr : qobject_cast<PseudoDriver*>(drivers.first());
}

void tst_FamilyJourney::press(BaseSceneWindow* window, const QPointF& scenePos)
{
    const QPoint global = window->mapSceneToGlobal(scenePos).toPoint();
    QCursor::setPos(global);
    QGraphicsSceneMouseEvent event(QEvent::GraphicsSceneMousePress);
    event.setButton(Qt::LeftButton);
    event.setButtons(Qt::LeftButton);
    event.setScenePos(scenePos);
    event.setScreenPos(global);
    QCoreApplication::sendEvent(window->graphicsScene(), &event);
}

void tst_FamilyJourney::release(BaseSceneWindow* window, const QPointF& scenePos)
{
    const QPoint global = window->mapSceneToGlobal(scenePos).toPoint();
    QCursor::setPos(global);
    QGraphicsSceneMouseEvent event(QEvent::GraphicsSceneMouseRelease);
    event.setButton(Qt::LeftButton);
    event.setScenePos(scenePos);
    event.setScreenPos(global);
    QCoreApplication::sendEvent(window->graphicsScene(), &event);
}

void tst_FamilyJourney::click(BaseSceneWindow* window, SvgElement* element)
{
    QVERIFY(element);
    const QPointF point = hitPoint(element);
    press(window, point);
    release(window, point);
}

void tst_FamilyJourney::finishAnimations()
{
    carousel()->setSegmentIconsOpacity(0.0);
    carousel()->setSegmentIconsOpacity(1.0);
    if (carousel()->commandControl1())
        carousel()->setCommandControl1ShowProgress(1.0);
}

void tst_FamilyJourney::finishExpanding(FavoriteWindow* window)
{
    window->favoriteControl()->setControl1ExpandProgress(1.0);
    window->favoriteControl()->setButtonsExpandProgress(1.0);
}

void tst_FamilyJourney::openPage(int pageId)
{
    // Below a device's own icons the home button is split with a back one.
    clickMain(carousel()->showBackButton() ? carousel()->homeSplitButton() : carousel()->homeButton());
    carousel()->setCommandControl1ShowProgress(0.0);
    finishAnimations();
    clickIcon(pageId);
    finishAnimations();
    QCOMPARE(carousel()->currentPageId(), pageId);
}

int tst_FamilyJourney::segmentOf(int id) const
{
    return CarouselLookup::segmentOf(carousel(), id);
}

NavigationIcon tst_FamilyJourney::shownIcon(int id) const
{
    return CarouselLookup::shownIcon(carousel(), id);
}

// Turns the carousel with its next button until the icon shows, then clicks
// it. The carousel's turn runs on its own time line.
void tst_FamilyJourney::clickIcon(int id)
{
    for (int turns = 0; segmentOf(id) < 0 && turns < carousel()->icons().size(); ++turns) {
        clickMain(carousel()->nextButton());
        QTRY_VERIFY(!carousel()->isAnimating());
    }
    const int segment = segmentOf(id);
    QVERIFY2(segment >= 0, qPrintable(QStringLiteral("icon %1 not on the carousel").arg(id)));
    clickMain(carousel()->segments().at(segment));
    finishAnimations();
}

SvgContentButton* tst_FamilyJourney::ringButton(CommandControl* ring, const QString& buttonId) const
{
    if (!ring)
        return nullptr;
    const auto segments = ring->usesEvenSegments() ? ring->evenSegments() : ring->oddSegments();
    for (SvgContentButton* segment : segments)
        if (ring->getButtonId(segment) == buttonId)
            return segment;
    return nullptr;
}

QList<int> tst_FamilyJourney::cenActions() const
{
    QList<int> actions;
    for (const Message& message : m_listener.messages)
        if (message.systemType() == Enums::Cen)
            actions.append(message.commandType() - Codes::CEN_BASE);
    return actions;
}

// The window's items over a plain backdrop, written as <theme>-<step>.png.
void tst_FamilyJourney::shoot(BaseSceneWindow* window, const QString& step)
{
    const QByteArray folder = qgetenv("CORVANE_SHOTS_DIR");
    if (folder.isEmpty())
        return;
    const QDir output(QString::fromLocal8Bit(folder));
    output.mkpath(QStringLiteral("."));
    QGraphicsScene* scene = window->graphicsScene();
    const QRectF area = scene->itemsBoundingRect().adjusted(-10, -10, 10, 10);
    QImage image(area.size().toSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(90, 110, 130));
    QPainter painter(&image);
    scene->render(&painter, QRectF(QPointF(), area.size()), area);
    painter.end();
    QVERIFY(image.save(output.filePath(m_theme + QLatin1Char('-') + step + QStringLiteral(".png"))));
}

void tst_FamilyJourney::journey_data()
{
    QTest::addColumn<QString>("theme");
    QTest::newRow("Talvera") << QStringLiteral("TalveraTheme");
    QTest::newRow("Corvane") << QStringLiteral("CorvaneTheme");
}

void tst_FamilyJourney::journey()
{
    QFETCH(QString, theme);
    m_theme = theme;
    SentrelFixture::useProgramTheme(QStringLiteral(":/") + theme);
    m_fixture = std::make_unique<NavigationFixture>();
    start();
    shoot(QStringLiteral("01-home"));

    // A shutter up, stopped, down: the icon shows each movement.
    openPage(BaseController::MOTORS_PAGE_ID);
    clickIcon(LIVING_ROOM_SHUTTER);
    CommandControl* ring = carousel()->commandControl1();
    QVERIFY(ring);
    const QStringList buttons{MotorsController::OPEN_BUTTON_ID, MotorsController::STOP_BUTTON_ID,
                              MotorsController::CLOSE_BUTTON_ID};
    const QStringList pictures{QStringLiteral("shutter_up"), QStringLiteral("shutter"), QStringLiteral("shutter_down")};
    for (int i = 0; i < buttons.size(); ++i) {
        clickMain(ringButton(ring, buttons.at(i)));
        QCOMPARE(rendererName(shownIcon(LIVING_ROOM_SHUTTER)), pictures.at(i));
        shoot(QStringLiteral("02-shutter-") + buttons.at(i).toLower());
    }

    // The shutter dragged out: its favourite moves it up again.
    Q_EMIT carousel()->requestShortcut(shownIcon(LIVING_ROOM_SHUTTER));
    auto* motors = controllerOf<MotorsController>(navigation());
    QCOMPARE(motors->favorites().size(), 1);
    FavoriteWindow* shutter = motors->favorites().first();
    click(shutter, shutter->favoriteControl()->centerButton());
    finishExpanding(shutter);
    click(shutter, ringButton(shutter->favoriteControl()->commandControl1(), MotorsController::OPEN_BUTTON_ID));
    QCOMPARE(rendererName(shownIcon(LIVING_ROOM_SHUTTER)), QStringLiteral("shutter_up"));
    QCOMPARE(shutter->favoriteControl()->iconRenderer().main()->name(), QStringLiteral("shutter_up"));
    shoot(shutter, QStringLiteral("02-shutter-favorite"));

    // "Good morning" runs once, at the release.
    openPage(BaseController::SCENARIOS_PAGE_ID);
    clickIcon(GOOD_MORNING);
    ring = carousel()->commandControl1();
    clickMain(ringButton(ring, ScenariosController::START_BUTTON_ID));
    int runs = 0;
    for (const Message& message : std::as_const(m_listener.messages))
        runs += message.systemType() == Enums::Scenarios;
    QCOMPARE(runs, 1);
    shoot(QStringLiteral("03-good-morning"));

    // "Holiday lights" enabled with its CEN push button held for 1.2 s.
    clickIcon(GOOD_MORNING);
    carousel()->setCommandControl1ShowProgress(0.0);
    clickIcon(HOLIDAY_LIGHTS);
    ring = carousel()->commandControl1();
    const QPointF enable = hitPoint(ringButton(ring, ScenariosController::ENABLE_BUTTON_ID));
    press(m_fixture->window.get(), enable);
    m_fixture->clock.advance(1200);
    shoot(QStringLiteral("04-holiday-lights-held"));
    release(m_fixture->window.get(), enable);
    QCOMPARE(cenActions(), (QList<int>{0, 3, 3, 2}));

    // Fahrenheit; the living room zone set to 71.5 °F, then automatic.
    const Corvane::Devices::GuiProperties previous = Settings::guiProperties();
    Settings::guiProperties().setTemperatureUnit(Corvane::Gadgets::Fahrenheit);
    m_fixture->window->settingsChanged(previous);
    openPage(BaseController::TERMO_PAGE_ID);
    auto* thermo = controllerOf<ThermoregulationController>(navigation());
    const auto* zone = static_cast<const Corvane::Devices::ThermoregulationDevice*>(
        thermo->getDeviceById(LIVING_ROOM_ZONE));
    clickIcon(LIVING_ROOM_ZONE);
    thermo->setDeviceTemperature(LIVING_ROOM_ZONE, 71.5);
    QCOMPARE(zone->setpointTemperature(), 22.0);
    QVERIFY(qAbs(shownIcon(LIVING_ROOM_ZONE).value() - 71.6) < 1e-9);
    clickMain(ringButton(carousel()->commandControl1(), Buttons::STATUS_BUTTON_ID));
    if (carousel()->commandControl2())
        carousel()->setCommandControl2ShowProgress(1.0);
    clickMain(ringButton(carousel()->commandControl2(), Buttons::STATUS_AUTO_BUTTON_ID));
    QCOMPARE(zone->zoneStatus(), 3);
    shoot(QStringLiteral("05-living-room-zone"));

    // "Cool 24 °C" of the bedroom air conditioner dragged out.
    clickIcon(LIVING_ROOM_ZONE);
    carousel()->clearCommandControls();
    finishAnimations();
    clickIcon(BEDROOM_AIR_CONDITIONER);
    const int coolId = thermo->getIconForSubDevice(BEDROOM_AIR_CONDITIONER, COOL_24).id();
    QVERIFY(segmentOf(coolId) >= 0);
    shoot(QStringLiteral("06-air-conditioner-commands"));
    Q_EMIT carousel()->requestShortcut(shownIcon(coolId));
    QCOMPARE(thermo->favorites().size(), 1);
    FavoriteWindow* cool = thermo->favorites().first();
    QCOMPARE(cool->windowTitle(), QStringLiteral("Cool 24 °C"));
    shoot(cool, QStringLiteral("07-cool-favorite"));

    // The living room amplifier: volume, then the CD player.
    openPage(BaseController::SOUND_PAGE_ID);
    auto* sound = controllerOf<SoundController>(navigation());
    Corvane::Gadgets::NavigationLabels* labels = carousel()->labels();
    // The volume: a press on the label slider's track, away from its thumb,
    // with the amplifier's ring open.
    clickIcon(LIVING_ROOM_AMPLIFIER);
    Corvane::Gadgets::SvgSliderControl* volume = labels->sliderAt(segmentOf(LIVING_ROOM_AMPLIFIER));
    QVERIFY(volume && volume->isVisible());
    const double before = volume->value();
    const QRectF track = volume->sceneBoundingRect();
    const qreal thumbX = volume->thumb()->sceneBoundingRect().center().x();
    const qreal x = thumbX > track.center().x() ? track.left() + track.width() * 0.2
                                                : track.left() + track.width() * 0.8;
    press(m_fixture->window.get(), QPointF(x, track.center().y()));
    release(m_fixture->window.get(), QPointF(x, track.center().y()));
    const double level = volume->value();
    QVERIFY2(qAbs(level - before) > 10, qPrintable(QStringLiteral("%1 -> %2").arg(before).arg(level)));
    const auto* living =
        static_cast<const Corvane::Devices::AmplifierDevice*>(sound->getDeviceById(LIVING_ROOM_AMPLIFIER));
    QCOMPARE(living->volume(), int(std::floor(level / 100 * SoundController::AMPLIFIER_MAX_VALUE + 0.5)));
    QCOMPARE(shownIcon(LIVING_ROOM_AMPLIFIER).value(), level);
    clickIcon(LIVING_ROOM_AMPLIFIER);
    carousel()->setCommandControl1ShowProgress(0.0);
    // The source drop-down under the label: opened, the CD player's entry
    // clicked.
    Corvane::Gadgets::SvgDropDown* sources = labels->labelAt(segmentOf(LIVING_ROOM_AMPLIFIER))->row2DropDown();
    clickMain(sources->expandButton());
    QVERIFY(sources->isExpanded());
    shoot(QStringLiteral("08-sources"));
    Corvane::Gadgets::SvgDropDownItem* cd = sourceEntry(sources, CD_PLAYER);
    QVERIFY(cd);
    clickMain(cd->iconButton());
    // The list stays open for another choice; a click beside it closes it.
    clickMain(carousel()->centerButton());
    QVERIFY(!sources->isExpanded());
    QVERIFY(shownIcon(LIVING_ROOM_AMPLIFIER).dropDownModel().text().startsWith(QStringLiteral("CD player")));
    shoot(QStringLiteral("08-living-room-amplifier"));
    Q_EMIT carousel()->requestShortcut(shownIcon(LIVING_ROOM_AMPLIFIER));
    FavoriteWindow* amplifier = sound->favorites().value(0);
    QVERIFY(amplifier);
    click(amplifier, amplifier->favoriteControl()->centerButton());
    finishExpanding(amplifier);
    QCOMPARE(amplifier->favoriteControl()->sliderValue(), level);
    shoot(amplifier, QStringLiteral("08-amplifier-favorite"));
    // The radio chosen in the favourite's own drop-down.
    Corvane::Gadgets::SvgDropDown* favoriteSources = amplifier->favoriteControl()->label()->row2DropDown();
    click(amplifier, favoriteSources->expandButton());
    QVERIFY(favoriteSources->isExpanded());
    shoot(amplifier, QStringLiteral("08-amplifier-favorite-sources"));
    Corvane::Gadgets::SvgDropDownItem* radio = sourceEntry(favoriteSources, RADIO);
    QVERIFY(radio);
    click(amplifier, radio->iconButton());
    click(amplifier, amplifier->favoriteControl()->centerButton());
    QVERIFY(!favoriteSources->isExpanded());
    QVERIFY2(favoriteSources->model().text().startsWith(QStringLiteral("Radio")),
             qPrintable(favoriteSources->model().text()));
    QVERIFY(shownIcon(LIVING_ROOM_AMPLIFIER).dropDownModel().text().startsWith(QStringLiteral("Radio")));

    // Presence and lux values.
    openPage(BaseController::PRESENCE_PAGE_ID);
    QVERIFY(shownIcon(GARAGE_PRESENCE_SENSOR).state() != NavigationIcon::Uninitialized);
    shoot(QStringLiteral("09-presence"));
    openPage(BaseController::LUMIN_PAGE_ID);
    const auto* garden = static_cast<const Corvane::Devices::LightSensorDevice*>(
        controllerOf<LightSensorsController>(navigation())->getDeviceById(GARDEN_LIGHT_SENSOR));
    QCOMPARE(shownIcon(GARDEN_LIGHT_SENSOR).text(), QLocale().toString(garden->intensity()) + QStringLiteral(" lx"));
    shoot(QStringLiteral("10-lux"));
    Q_EMIT carousel()->requestShortcut(shownIcon(GARDEN_LIGHT_SENSOR));
    FavoriteWindow* lux = controllerOf<LightSensorsController>(navigation())->favorites().value(0);
    QVERIFY(lux);
    QCOMPARE(lux->favoriteControl()->centerButton()->text(), QLocale().toString(garden->intensity()) + QStringLiteral(" lx"));
    shoot(lux, QStringLiteral("10-lux-favorite"));

    // A second run on the same folders finds the favourite again.
    gateway()->unregisterListener(&m_listener);
    m_fixture->window.reset();
    Settings::initializeUserProperties();
    start();
    thermo = controllerOf<ThermoregulationController>(navigation());
    QCOMPARE(thermo->favorites().size(), 1);
    cool = thermo->favorites().first();
    QCOMPARE(cool->deviceId(), BEDROOM_AIR_CONDITIONER);
    QCOMPARE(cool->subDeviceId(), COOL_24);
    QCOMPARE(cool->windowTitle(), QStringLiteral("Cool 24 °C"));
    shoot(cool, QStringLiteral("11-cool-favorite-again"));
}

QTEST_MAIN(tst_FamilyJourney)
#include "tst_familyjourney.moc"
