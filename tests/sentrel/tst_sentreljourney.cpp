// The user's way through the program, in one process: start on the demo
// project in no-server mode, open the lighting page, switch a light from its
// ring, dim a dimmer with its label slider, drag the dimmer out of the
// carousel into a favourite window, quit from the context menu, start again
// and find the favourite where it was. Every click and drag is a mouse event
// sent to the window's view at a point of the control the user aims at.
//
// With CORVANE_SHOTS_DIR set, each step leaves a picture of the gadget (and
// of the favourite, once there is one) in that folder.

#include "Application.h"
#include "FavoriteWindow.h"
#include "NavigationFixture.h"
#include "StartUp.h"
#include "Controllers/lighting/ActuatorsController.h"
#include "Controllers/favorites/FavoriteWindows.h"
#include "Controllers/navigation/NavigationMenus.h"

#include "commandcontrol/CommandControl.h"
#include "controls/SvgContentButton.h"
#include "devices/ActuatorDevice.h"
#include "devices/UserDeviceSettings.h"
#include "favorite/FavoriteControl.h"
#include "gestures/GestureRecognizer.h"
#include "navigation/NavigationControl.h"
#include "navigation/NavigationLabels.h"
#include "slider/SvgSliderControl.h"
#include "utilities/PathProvider.h"

#include <QAction>
#include <QAnimationDriver>
#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsView>
#include <QMenu>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTimer>
#include <QWindow>

using namespace Corvane::Sentrel;
using Controllers::ActuatorsController;
using Controllers::BaseController;
using Controllers::NavigationController;
using Corvane::Devices::ActuatorDevice;
using Corvane::Gadgets::FavoriteControl;
using Corvane::Gadgets::NavigationControl;
using Corvane::Gadgets::SvgButton;
using Corvane::Gadgets::Models::NavigationIcon;

namespace {

const int HALL = 3;
const int LIVING_DIMMER = 4;
const int LIGHTING_PAGE_TYPE = 2000;
// Samples of the gesture recogniser: 20 of them make a press-and-hold.
const int HOLD_TICKS = 20;

// Drives every Qt animation by hand: nothing moves until the test steps it.
// An animation started by another one's step registers through the event
// loop, which therefore runs between steps.
class SteppedAnimations : public QAnimationDriver
{
public:
    SteppedAnimations() { install(); }
    ~SteppedAnimations() override { uninstall(); }
    qint64 elapsed() const override { return m_time; }
    void run(int msecs)
    {
        for (int done = 0; done < msecs; done += 16) {
            m_time += 16;
            advance();
            QCoreApplication::processEvents();
        }
    }

private:
    qint64 m_time = 0;
};

// A point that hits the button: the centre of its hit pixels, in the scene.
QPointF hitPoint(SvgButton* button)
{
    const QRectF area = button->sceneBoundingRect();
    QPointF sum;
    int count = 0;
    for (qreal y = area.top(); y < area.bottom(); y += 1)
        for (qreal x = area.left(); x < area.right(); x += 1)
            if (button->hitTest(QPointF(x, y))) {
                sum += QPointF(x, y);
                ++count;
            }
    return count ? sum / count : QPointF();
}

// Whether a screen pixel shows something: a window's unpainted pixels are
// black.
bool isDrawn(const QPixmap& pixel)
{
    const QColor colour = pixel.toImage().pixelColor(0, 0);
    return colour.red() + colour.green() + colour.blue() > 30;
}

QString stateElement(NavigationIcon::State state)
{
    return NavigationIcon::getElementIdForState(state);
}

NavigationIcon::State lightState(const ActuatorDevice* light)
{
    if (!light->isStatusKnown())
        return NavigationIcon::Uninitialized;
    return light->isOn() ? NavigationIcon::Normal : NavigationIcon::Inactive;
}

// Notes each favourite window that is raised while the main window is up
// (shown and exposed): such a favourite lies above the gadget.
class RaiseRecorder : public QObject
{
public:
    RaiseRecorder() { qApp->installEventFilter(this); }
    ~RaiseRecorder() override { qApp->removeEventFilter(this); }
    bool raisedAboveMain(FavoriteWindow* favorite) const { return m_raised.contains(favorite); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* favorite = qobject_cast<FavoriteWindow*>(watched);
        if (favorite && event->type() == QEvent::ZOrderChange && mainWindowIsUp())
            m_raised.append(favorite);
        return false;
    }

private:
    static bool mainWindowIsUp()
    {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (qobject_cast<NavigationWindow*>(widget) && widget->isVisible() && widget->windowHandle()
                && widget->windowHandle()->isExposed())
                return true;
        return false;
    }

    QList<QPointer<FavoriteWindow>> m_raised;
};

} // namespace

class tst_SentrelJourney : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase_data();
    void init();
    void cleanup();
    void journey();

private:
    // The program's start: project, settings, main window shown.
    void start();
    // The end of the process after the quit: windows gone, settings read
    // again at the next start.
    void endProcess();
    NavigationController* navigation() const { return m_fixture->navigation(); }
    ActuatorsController* lighting() const;
    NavigationControl* carousel() const { return m_fixture->window->navigationControl(); }
    ActuatorDevice* light(int id) const { return static_cast<ActuatorDevice*>(lighting()->getDeviceById(id)); }
    QPoint global(BaseSceneWindow* window, const QPointF& scenePos) const;
    // The segment that shows the icon with that id, -1 when none.
    int segmentOf(int iconId) const;

    // Pointer actions on a window, at global positions.
    void moveCursor(const QPoint& position);
    void press(BaseSceneWindow* window, const QPoint& position);
    void release(BaseSceneWindow* window, const QPoint& position);
    void tick(BaseSceneWindow* window, int count);
    void click(BaseSceneWindow* window, const QPoint& position);
    void clickIcon(int iconId);
    void clickRingButton(const QString& buttonId);
    // The open ring's buttons take clicks and show on the screen: the
    // window's shape has grown to cover them.
    void checkRingTakesInput();
    // A right click on the gadget opens the context menu; its "Quit
    // application" entry is clicked.
    void quitFromContextMenu();
    void settle() { m_animations->run(1500); }
    void shoot(const QString& step);

    std::unique_ptr<NavigationFixture> m_fixture;
    std::unique_ptr<SteppedAnimations> m_animations;
    std::unique_ptr<QTemporaryDir> m_xdg;
    QString m_themeName;
    int m_shot = 0;
};

void tst_SentrelJourney::initTestCase_data()
{
    QTest::addColumn<QString>("theme");
    QTest::newRow("Corvane") << QStringLiteral(":/CorvaneTheme");
    QTest::newRow("Talvera") << QStringLiteral(":/TalveraTheme");
}

void tst_SentrelJourney::init()
{
    QFETCH_GLOBAL(QString, theme);
    m_fixture = std::make_unique<NavigationFixture>();
    // Fresh XDG folders stand in for the user's home: the program's own
    // places under them, as on a first start.
    m_xdg = std::make_unique<QTemporaryDir>();
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"}) {
        const QString folder = m_xdg->filePath(QString::fromLatin1(name));
        QDir().mkpath(folder);
        qputenv(name, QFile::encodeName(folder));
    }
    qunsetenv("CORVANE_CONFIG_DIR");
    qunsetenv("CORVANE_DATA_DIR");
    // Qt closes every window when the event loop is told to end.
    NavigationController::Seams seams = NavigationController::seams();
    seams.quitApplication = [count = seams.quitApplication] {
        count();
        QApplication::closeAllWindows();
    };
    NavigationController::setSeams(seams);
    SentrelFixture::useProgramTheme(theme);
    m_themeName = theme.mid(2).remove(QStringLiteral("Theme")).toLower();
    m_animations = std::make_unique<SteppedAnimations>();
    m_shot = 0;
}

void tst_SentrelJourney::cleanup()
{
    m_fixture.reset();
    m_animations.reset();
    m_xdg.reset();
}

void tst_SentrelJourney::start()
{
    Settings::s_instance->setNoServer(true);
    Settings::s_instance->setSupportTransparency(true);
    QVERIFY(setTempConfigFile(QStringLiteral(DEMO_PROJECT)));
    QVERIFY(Settings::devicesConfiguration());
    m_fixture->window = std::make_unique<NavigationWindow>();
    m_fixture->window->applyStoredSettings();
    m_fixture->window->showTo();
    QVERIFY(QTest::qWaitForWindowExposed(m_fixture->window.get()));
    settle();
    QVERIFY(lighting());
}

void tst_SentrelJourney::endProcess()
{
    // The favourites go with their controller.
    m_fixture->window.reset();
    Settings::reset();
    Application::s_isShuttingDown = false;
}

ActuatorsController* tst_SentrelJourney::lighting() const
{
    return qobject_cast<ActuatorsController*>(navigation()->controllers().value(0));
}

QPoint tst_SentrelJourney::global(BaseSceneWindow* window, const QPointF& scenePos) const
{
    return window->mapSceneToGlobal(scenePos).toPoint();
}

int tst_SentrelJourney::segmentOf(int iconId) const
{
    const QList<NavigationIcon> icons = carousel()->icons();
    for (int i = 0; i < icons.size(); ++i)
        if (icons.at(i).id() == iconId)
            return carousel()->getSegmentIndexByIcon(i);
    return -1;
}

void tst_SentrelJourney::moveCursor(const QPoint& position)
{
    QCursor::setPos(position);
    QCoreApplication::processEvents();
}

void tst_SentrelJourney::press(BaseSceneWindow* window, const QPoint& position)
{
    moveCursor(position);
    QWidget* viewport = window->view()->viewport();
    QMouseEvent event(QEvent::MouseButtonPress, viewport->mapFromGlobal(QPointF(position)), QPointF(position),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &event);
}

void tst_SentrelJourney::release(BaseSceneWindow* window, const QPoint& position)
{
    moveCursor(position);
    QWidget* viewport = window->view()->viewport();
    QMouseEvent event(QEvent::MouseButtonRelease, viewport->mapFromGlobal(QPointF(position)), QPointF(position),
                      Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &event);
    QCoreApplication::processEvents();
}

// The recogniser samples the cursor on its own 40 ms timer; the test takes
// the samples itself.
void tst_SentrelJourney::tick(BaseSceneWindow* window, int count)
{
    for (int i = 0; i < count; ++i)
        QMetaObject::invokeMethod(&window->gestureRecognizer(), "timerTick");
}

void tst_SentrelJourney::click(BaseSceneWindow* window, const QPoint& position)
{
    press(window, position);
    release(window, position);
    settle();
}

void tst_SentrelJourney::clickIcon(int iconId)
{
    const int segment = segmentOf(iconId);
    QVERIFY2(segment >= 0, qPrintable(QString::number(iconId)));
    NavigationWindow* window = m_fixture->window.get();
    click(window, global(window, hitPoint(carousel()->segments().at(segment))));
}

void tst_SentrelJourney::clickRingButton(const QString& buttonId)
{
    Corvane::Gadgets::CommandControl* ring = carousel()->commandControl1();
    QVERIFY(ring);
    for (Corvane::Gadgets::SvgContentButton* segment : ring->oddSegments() + ring->evenSegments())
        if (segment->isVisible() && ring->getButtonId(segment) == buttonId) {
            NavigationWindow* window = m_fixture->window.get();
            click(window, global(window, hitPoint(segment)));
            return;
        }
    QFAIL(qPrintable(QStringLiteral("no ring button ") + buttonId));
}

void tst_SentrelJourney::checkRingTakesInput()
{
    Corvane::Gadgets::CommandControl* ring = carousel()->commandControl1();
    NavigationWindow* window = m_fixture->window.get();
    for (Corvane::Gadgets::SvgContentButton* segment : ring->oddSegments() + ring->evenSegments())
        if (segment->isVisible()) {
            const QPoint onScreen = global(window, hitPoint(segment));
            QTRY_VERIFY(window->inputMask().contains(window->mapFromGlobal(onScreen)));
            // On an X server without compositor the shape clips the drawing
            // too: the button must show on the screen.
            if (QGuiApplication::platformName() == QLatin1String("xcb"))
                QTRY_VERIFY(isDrawn(QGuiApplication::primaryScreen()->grabWindow(0, onScreen.x(), onScreen.y(), 1, 1)));
        }
}

void tst_SentrelJourney::quitFromContextMenu()
{
    NavigationWindow* window = m_fixture->window.get();
    const QPoint at = window->mapFromGlobal(global(window, hitPoint(carousel()->homeButton())));
    QAction* quit = navigation()->menus()->quitAction();
    bool clicked = false;
    // Runs in the menu's own event loop.
    QTimer::singleShot(0, this, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu || !menu->actions().contains(quit))
            return;
        clicked = true;
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(quit).center());
    });
    // Through the window system, which turns a right press into a context
    // menu event.
    QTest::mousePress(window->windowHandle(), Qt::RightButton, {}, at);
    QTest::mouseRelease(window->windowHandle(), Qt::RightButton, {}, at);
    QVERIFY(clicked);
}

// Each window's gadget over a plain backdrop, as on a desktop.
void tst_SentrelJourney::shoot(const QString& step)
{
    const QString folder = qEnvironmentVariable("CORVANE_SHOTS_DIR");
    if (folder.isEmpty())
        return;
    QDir().mkpath(folder);
    QList<BaseSceneWindow*> windows{m_fixture->window.get()};
    for (FavoriteWindow* favorite : lighting()->favorites())
        windows.append(favorite);
    ++m_shot;
    for (int i = 0; i < windows.size(); ++i) {
        QPoint offset;
        const QImage gadget = windows.at(i)->createWindowImage(&offset);
        QImage picture(gadget.size(), QImage::Format_ARGB32_Premultiplied);
        picture.fill(QColor(58, 74, 92));
        QPainter(&picture).drawImage(0, 0, gadget);
        const QString name = QStringLiteral("%1-%2-%3-%4.png")
                                 .arg(m_themeName)
                                 .arg(m_shot, 2, 10, QLatin1Char('0'))
                                 .arg(step, i == 0 ? QStringLiteral("gadget") : QStringLiteral("favorite"));
        QVERIFY(picture.save(QDir(folder).filePath(name)));
    }
}

void tst_SentrelJourney::journey()
{
    start();
    QVERIFY(!QTest::currentTestFailed());
    QCOMPARE(carousel()->currentPageId(), 0);
    shoot(QStringLiteral("home"));

    // The lighting page opens from its home icon.
    clickIcon(BaseController::LIGHTS_PAGE_ID);
    QCOMPARE(carousel()->currentPageId(), int(BaseController::LIGHTS_PAGE_ID));
    QVERIFY(segmentOf(HALL) >= 0);
    QCOMPARE(carousel()->segmentIconsOpacity(), 1.0);
    shoot(QStringLiteral("lighting"));

    // The hall's ring switches it off and on; its icon follows the gateway.
    clickIcon(HALL);
    QVERIFY(carousel()->commandControl1());
    checkRingTakesInput();
    clickRingButton(ActuatorsController::OFF_BUTTON_ID);
    QCOMPARE(lightState(light(HALL)), NavigationIcon::Inactive);
    QCOMPARE(carousel()->segments().at(segmentOf(HALL))->iconElement(), stateElement(NavigationIcon::Inactive));
    shoot(QStringLiteral("hall-off"));
    clickRingButton(ActuatorsController::ON_BUTTON_ID);
    QCOMPARE(lightState(light(HALL)), NavigationIcon::Normal);
    QCOMPARE(carousel()->segments().at(segmentOf(HALL))->iconElement(), stateElement(NavigationIcon::Normal));
    shoot(QStringLiteral("hall-on"));

    // The dimmer's ring shows its slider; dragging the thumb sets the level.
    clickIcon(LIVING_DIMMER);
    QVERIFY(!QTest::currentTestFailed());
    const int dimmerSegment = segmentOf(LIVING_DIMMER);
    Corvane::Gadgets::SvgSliderControl* slider = carousel()->labels()->sliderAt(dimmerSegment);
    QVERIFY(slider && slider->isVisible() && slider->imageVisible());
    NavigationWindow* window = m_fixture->window.get();
    const QRectF track = slider->background()->sceneBoundingRect();
    const QPoint thumb = global(window, hitPoint(slider->thumb()));
    const QPoint target(global(window, QPointF(track.left() + 0.6 * track.width(), 0)).x(), thumb.y());
    press(window, thumb);
    moveCursor(target);
    tick(window, 3);
    release(window, target);
    settle();
    const int level = light(LIVING_DIMMER)->level();
    QVERIFY2(level >= 45 && level <= 75, qPrintable(QString::number(level)));
    QVERIFY(light(LIVING_DIMMER)->isOn());
    QCOMPARE(slider->value(), double(level));
    QCOMPARE(slider->textItem()->text(), QStringLiteral("%1%").arg(level));
    shoot(QStringLiteral("dimmer-level"));

    // Pressed and held, the dimmer's icon lifts; dropped beside the gadget it
    // becomes a favourite window with its hot spot under the pointer.
    const QPoint icon = global(window, hitPoint(carousel()->segments().at(dimmerSegment)));
    const QRect gadget = window->customRect();
    const QPoint drop(gadget.left() > 220 ? gadget.left() - 120 : gadget.right() + 120, gadget.center().y());
    press(window, icon);
    tick(window, HOLD_TICKS);
    QVERIFY(carousel()->isDraggingIcon());
    moveCursor((icon + drop) / 2);
    tick(window, 1);
    moveCursor(drop);
    tick(window, 1);
    release(window, drop);
    settle();
    QVERIFY(!carousel()->isDraggingIcon());
    QCOMPARE(lighting()->favorites().size(), 1);
    FavoriteWindow* favorite = lighting()->favorites().first();
    QCOMPARE(favorite->deviceId(), LIVING_DIMMER);
    QVERIFY((favorite->globalHotSpot() - drop).manhattanLength() <= 2);
    FavoriteControl* control = favorite->favoriteControl();
    QCOMPARE(control->centerButton()->iconElement(), stateElement(NavigationIcon::Normal));
    QCOMPARE(control->sliderValue(), double(level));
    shoot(QStringLiteral("favorite"));

    // "Quit application": the settings are written, the gateway closes, the
    // windows go, then the event loop ends.
    const Corvane::Devices::UserDeviceSettings::Favorite placed =
        Controllers::FavoriteWindows::settingsOf(favorite, LIGHTING_PAGE_TYPE);
    quitFromContextMenu();
    QVERIFY(QFile::exists(Corvane::Utilities::PathProvider::currentUserConfigFileName()));
    QVERIFY(Corvane::Utilities::PathProvider::currentUserConfigFileName().startsWith(m_xdg->path()));
    QTRY_COMPARE(m_fixture->quits, 1);
    endProcess();

    // The next start puts the favourite back, same place and size, above
    // the gadget, showing what the gateway reports of the dimmer.
    const RaiseRecorder raises;
    start();
    QVERIFY(!QTest::currentTestFailed());
    QCOMPARE(lighting()->favorites().size(), 1);
    favorite = lighting()->favorites().first();
    QCOMPARE(favorite->deviceId(), LIVING_DIMMER);
    const Corvane::Devices::UserDeviceSettings::Favorite restored =
        Controllers::FavoriteWindows::settingsOf(favorite, LIGHTING_PAGE_TYPE);
    QCOMPARE(QPoint(restored.x, restored.y), QPoint(placed.x, placed.y));
    QCOMPARE(restored.scale, placed.scale);
    QVERIFY(favorite->isVisible());
    QTRY_VERIFY(raises.raisedAboveMain(favorite));
    const ActuatorDevice* dimmer = light(LIVING_DIMMER);
    QVERIFY(dimmer->isStatusKnown());
    QCOMPARE(favorite->favoriteControl()->centerButton()->iconElement(), stateElement(lightState(dimmer)));
    QCOMPARE(favorite->favoriteControl()->sliderValue(), dimmer->currentValue());
    shoot(QStringLiteral("restarted"));
}

QTEST_MAIN(tst_SentrelJourney)
#include "tst_sentreljourney.moc"
