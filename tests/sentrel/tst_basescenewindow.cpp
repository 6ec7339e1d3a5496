#include "BaseSceneWindow.h"

#include "SceneView.h"

#include "SentrelFixture.h"
#include "TestSceneWindow.h"
#include "WindowShape.h"
#include "XcbAtom.h"

#include "gestures/EventConsumer.h"
#include "utilities/InitSettings.h"
#include "utilities/InputMaskUpdater.h"
#include "utilities/WidgetUtilities.h"

#include <QApplication>
#include <QWindow>
#include <QGraphicsRectItem>
#include <QGraphicsView>
#include <QScreen>
#include <QSignalSpy>
#include <QPaintEvent>
#include <QTest>

#include <xcb/shape.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <optional>

using namespace Corvane::Sentrel;
using Corvane::Utilities::InitSettings;

class tst_BaseSceneWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void coversTheDesktopOnePixelShort();
    void hotSpotStaysWhileScaling_data();
    void hotSpotStaysWhileScaling();
    void resizeFollowsTheGestureStart();
    void resizeIgnoresSmallStepsAndClamps();
    void transparencyFormula_data();
    void transparencyFormula();
    void moveKeepsTheHotSpotOnScreen();
    void forwardingSkipsDeletedRootControls();
    void maskIsTheVisiblePixels_data();
    void maskIsTheVisiblePixels();
    void maskTakesItemsHangingOutsideTheGadget();
    void maskTakesRootControlsBesideTheGadget();
    void shapeFollowsAnAnimationWithoutCompositor();
    void shapeTakesWhatMovesBeyondItAtOnce();
    void madeAnewTheWindowKeepsItsShape_data();
    void madeAnewTheWindowKeepsItsShape();
    void windowSystemHoldsTheShapeOfTheWindowMadeAnew_data();
    void windowSystemHoldsTheShapeOfTheWindowMadeAnew();
    void shownWindowsFollowTheCompositingManager();
    void shownUnderACompositorTheFrameChangesItsSizeOnce_data();
    void shownUnderACompositorTheFrameChangesItsSizeOnce();
    void firstPaintStartsTheWorkerAndDestroyReportsOnce();
    void firstFrameIsReportedWhenTheSceneIsDrawn_data();
    void firstFrameIsReportedWhenTheSceneIsDrawn();
    void neverPaintedWindowReportsAtOnce();
    void destroyedWhileTheWorkerRuns();
    void destroyLaterOfANeverShownWindow();
    void destroyLaterAfterTheReport_data();
    void destroyLaterAfterTheReport();
    void widerBoundingShapePaintsWhatItUncovers();

private:
    // Whether the window is cut to its shape: offscreen (as without a
    // compositing manager) or on an X server without one.
    bool isCutToItsShape() const;
    // Shows the window drawing opaque only, as without a compositing
    // manager, with a small item on its gadget; null when it did not show.
    QGraphicsRectItem* showDrawingOpaqueWithAnItem();

    std::unique_ptr<SentrelFixture> m_fixture;
    std::unique_ptr<DiscWindow> m_window;
    QStringList m_log;
    QPoint m_cursor;
};

void tst_BaseSceneWindow::init()
{
    m_fixture = std::make_unique<SentrelFixture>();
    Settings::s_instance->setSupportTransparency(true);
    m_log.clear();
    m_window = std::make_unique<DiscWindow>(&m_log, &m_cursor);
    m_window->setMinScale(0.5);
    m_window->setMaxScale(1.5);
    m_window->setScale(50, true);
    m_window->moveTo(QPoint(100, 100));
}

void tst_BaseSceneWindow::cleanup()
{
    WindowShape::setDesktopBlendsForTesting(std::nullopt);
    m_window.reset();
    m_fixture.reset();
}

void tst_BaseSceneWindow::coversTheDesktopOnePixelShort()
{
    const QRect desktop = QGuiApplication::primaryScreen()->availableGeometry();
    QCOMPARE(m_window->geometry(), QRect(desktop.topLeft(), desktop.size() - QSize(1, 1)));
    QCOMPARE(m_window->view()->geometry(), QRect(QPoint(0, 0), m_window->size()));
    QCOMPARE(m_window->graphicsScene()->sceneRect(), QRectF(QPointF(0, 0), QSizeF(m_window->size())));
    QVERIFY(m_window->testAttribute(Qt::WA_TranslucentBackground));
    QVERIFY(m_window->windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(m_window->view()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(m_window->view()->frameShape(), QFrame::NoFrame);
}

void tst_BaseSceneWindow::hotSpotStaysWhileScaling_data()
{
    QTest::addColumn<int>("percent");
    QTest::newRow("smallest") << 0;
    QTest::newRow("a little") << 51;
    QTest::newRow("largest") << 100;
}

void tst_BaseSceneWindow::hotSpotStaysWhileScaling()
{
    QFETCH(int, percent);
    const QPoint hotSpot = m_window->globalHotSpot();
    m_window->setScale(percent, false);
    QCOMPARE(m_window->scalePercent(), percent);
    QVERIFY(qFuzzyCompare(m_window->currentScale(), 0.5 + percent / 100.0));
    QVERIFY((m_window->globalHotSpot() - hotSpot).manhattanLength() <= 1);
    QCOMPARE(m_window->wrapper()->scale(), m_window->currentScale());
    QCOMPARE(m_window->mainControl()->customScale(), m_window->currentScale());
}

void tst_BaseSceneWindow::resizeFollowsTheGestureStart()
{
    // Scale 1.0; the disc's hot spot sits 50 pixels from its corner.
    const QPoint hotSpot = m_window->globalHotSpot();
    m_cursor = hotSpot + QPoint(40, 0);
    Corvane::Gadgets::Gestures::EventConsumer consumer;
    QGraphicsSceneMouseEvent press(QEvent::GraphicsSceneMousePress);
    press.setButton(Qt::LeftButton);
    m_window->gestureRecognizer().eventFilter(m_window->graphicsScene(), &press, consumer);
    QCOMPARE(m_window->gestureRecognizer().pressPosition(), m_cursor);

    // Twice as far from the hot spot: twice the scale at the press, however
    // many steps the drag took.
    for (int step : {50, 60, 70, 80}) {
        m_cursor = hotSpot + QPoint(step, 0);
        m_window->handleResizing(nullptr);
    }
    QVERIFY(m_window->isInResizeMode());
    QCOMPARE(m_window->scalePercent(), 100);
    m_cursor = hotSpot + QPoint(30, 0);
    m_window->handleResizing(nullptr);
    QCOMPARE(m_window->scalePercent(), 25);

    QSignalSpy resized(m_window.get(), &BaseSceneWindow::resized);
    QGraphicsSceneMouseEvent release(QEvent::GraphicsSceneMouseRelease);
    release.setButton(Qt::LeftButton);
    m_window->gestureRecognizer().eventFilter(m_window->graphicsScene(), &release);
    QVERIFY(!m_window->isInResizeMode());
    QCOMPARE(resized.size(), 1);
}

void tst_BaseSceneWindow::resizeIgnoresSmallStepsAndClamps()
{
    const QPoint hotSpot = m_window->globalHotSpot();
    m_cursor = hotSpot + QPoint(40, 0);
    Corvane::Gadgets::Gestures::EventConsumer consumer;
    QGraphicsSceneMouseEvent press(QEvent::GraphicsSceneMousePress);
    press.setButton(Qt::LeftButton);
    m_window->gestureRecognizer().eventFilter(m_window->graphicsScene(), &press, consumer);

    m_window->setIsInResizeMode(true);
    m_window->setScale(52, false);
    QCOMPARE(m_window->scalePercent(), 50);
    m_window->setScale(53, false);
    QCOMPARE(m_window->scalePercent(), 53);

    // Across the hot spot nothing changes; far out the percentage clamps.
    m_cursor = hotSpot - QPoint(200, 0);
    m_window->handleResizing(nullptr);
    QCOMPARE(m_window->scalePercent(), 53);
    m_cursor = hotSpot + QPoint(4000, 10);
    m_window->handleResizing(nullptr);
    QCOMPARE(m_window->scalePercent(), 100);
    m_cursor = hotSpot + QPoint(1, 0);
    m_window->handleResizing(nullptr);
    QCOMPARE(m_window->scalePercent(), 0);
    m_window->setIsInResizeMode(false);
}

void tst_BaseSceneWindow::transparencyFormula_data()
{
    QTest::addColumn<int>("transparency");
    QTest::addColumn<double>("opacity");

    const double minT = InitSettings::gadgetMinTransparency() / 100.0;
    const double maxT = InitSettings::gadgetMaxTransparency() / 100.0;
    QTest::newRow("none") << 0 << 1.0 - minT;
    QTest::newRow("half") << 50 << (1.0 - minT - (1.0 - maxT)) * 0.5 + (1.0 - maxT);
    QTest::newRow("most") << 100 << 1.0 - maxT;
    // Stored values out of range are clamped, never applied raw.
    QTest::newRow("below range") << -5 << 1.0 - minT;
    QTest::newRow("above range") << 250 << 1.0 - maxT;
}

void tst_BaseSceneWindow::transparencyFormula()
{
    QFETCH(int, transparency);
    QFETCH(double, opacity);
    m_window->setTransparency(transparency);
    QVERIFY2(std::abs(m_window->windowOpacity() - opacity) < 0.01, qPrintable(QString::number(m_window->windowOpacity())));
    // The gadget never disappears while it still takes clicks.
    QVERIFY(m_window->windowOpacity() > 0.0);
}

void tst_BaseSceneWindow::moveKeepsTheHotSpotOnScreen()
{
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    QSignalSpy moved(m_window.get(), &BaseSceneWindow::moved);
    m_window->moveOnScreen(QPoint(200, 150));
    QCOMPARE(m_window->customPosition(), QPoint(200, 150));
    QCOMPARE(moved.size(), 1);

    // Far off the right bottom corner: the hot spot stops at the edge.
    m_window->moveOnScreen(QPoint(5000, 5000));
    QCOMPARE(m_window->globalHotSpot(), available.bottomRight());
    // Off the top left: the gadget may hang out, its hot spot may not.
    m_window->moveOnScreen(QPoint(-5000, -30));
    QCOMPARE(m_window->globalHotSpot(), QPoint(available.left(), available.top() + 20));
}

void tst_BaseSceneWindow::forwardingSkipsDeletedRootControls()
{
    auto* first = new DiscControl(QStringLiteral("first"), &m_log);
    auto* second = new DiscControl(QStringLiteral("second"), &m_log);
    auto* third = new DiscControl(QStringLiteral("third"), &m_log);
    m_window->addRootControl(first);
    m_window->addRootControl(second);
    m_window->addRootControl(third);
    m_window->addRootControl(second);
    m_window->addRootControl(nullptr);
    QCOMPARE(m_window->rootControlCount(), 3);
    second->takes = true;
    delete first;

    Corvane::Gadgets::Gestures::EventConsumer consumer;
    m_window->handlePress(consumer);
    // The main control first, whatever it answers; then the root controls
    // until one takes the gesture.
    QCOMPARE(m_log, (QStringList{"main press", "second press"}));
    QCOMPARE(m_window->rootControlCount(), 2);
    m_window->removeRootControl(second);
    QCOMPARE(m_window->rootControlCount(), 1);
    delete second;
    delete third;
    m_window->removeRootControl(nullptr);
    QCOMPARE(m_window->rootControlCount(), 0);
}

void tst_BaseSceneWindow::maskIsTheVisiblePixels_data()
{
    QTest::addColumn<bool>("desktopBlends");
    QTest::newRow("compositing manager") << true;
    QTest::newRow("no compositing manager") << false;
}

// Without a compositing manager the window shows with the shape of its
// visible pixels at once, never the desktop nor the gadget's whole rectangle
// (black where nothing is drawn). Where the desktop blends, the shape only
// decides where clicks go: the gadget's rectangle takes them until the
// first frame's shape is worked out.
void tst_BaseSceneWindow::maskIsTheVisiblePixels()
{
    QFETCH(bool, desktopBlends);
    WindowShape::setDesktopBlendsForTesting(desktopBlends);
    QVERIFY(m_window->inputMask().isEmpty());
    m_window->showTo();
    const QRect gadget = m_window->customRect().translated(-m_window->mapToGlobal(QPoint(0, 0)));
    QVERIFY(!m_window->inputMask().isEmpty());
    QCOMPARE(m_window->inputMask() == QRegion(gadget), desktopBlends);
    QVERIFY(gadget.contains(m_window->inputMask().boundingRect()));
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    QTRY_VERIFY(m_window->isInputMaskRunning());

    QPoint offset;
    const QImage image = m_window->createWindowImage(&offset);
    const QRegion expected = Corvane::Utilities::InputMaskUpdater::visibleRegion(image, offset);
    QVERIFY(!expected.isEmpty());
    QTRY_VERIFY((m_window->inputMask() ^ expected).isEmpty());
    QVERIFY(gadget.contains(m_window->inputMask().boundingRect()));
    // The disc's corners let clicks through; its centre does not.
    QVERIFY(m_window->isTransparent(gadget.topLeft()));
    QVERIFY(!m_window->isTransparent(gadget.center()));

    // Moved: the mask follows.
    m_window->moveTo(QPoint(300, 200));
    const QRect moved = m_window->customRect().translated(-m_window->mapToGlobal(QPoint(0, 0)));
    QTRY_VERIFY(moved.contains(m_window->inputMask().boundingRect()));
}

void tst_BaseSceneWindow::maskTakesItemsHangingOutsideTheGadget()
{
    // Like the carousel's labels, an item of the gadget may hang below it.
    auto* label = new QGraphicsRectItem(QRectF(0, 0, 40, 20), m_window->wrapper());
    label->setBrush(Qt::white);
    label->setPen(Qt::NoPen);
    label->setPos(0, m_window->wrapper()->boundingRect().height() + 10);
    m_window->showTo();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    QTRY_VERIFY(m_window->isInputMaskRunning());

    const QPoint centre = m_window->mapFromGlobal(m_window->mapSceneToGlobal(label->sceneBoundingRect().center()).toPoint());
    QTRY_VERIFY(m_window->inputMask().contains(centre));
    QVERIFY(!m_window->isTransparent(centre));
}

// A favourite's data window is a root control of the favourite's scene,
// beside the gadget rather than inside it: it is drawn and takes clicks.
void tst_BaseSceneWindow::maskTakesRootControlsBesideTheGadget()
{
    auto* data = new DiscControl(QStringLiteral("data"), &m_log);
    m_window->addRootControl(data);
    const QRectF gadget = m_window->wrapper()->sceneBoundingRect();
    data->setPos(gadget.right() + 50, gadget.top());
    m_window->showTo();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    QTRY_VERIFY(m_window->isInputMaskRunning());

    const QPoint centre = m_window->mapFromGlobal(m_window->mapSceneToGlobal(data->sceneBoundingRect().center()).toPoint());
    QTRY_VERIFY(m_window->inputMask().contains(centre));
    QVERIFY(!m_window->isTransparent(centre));

    data->setVisible(false);
    QVERIFY(m_window->isTransparent(centre));
}

bool tst_BaseSceneWindow::isCutToItsShape() const
{
    return WindowShape(m_window.get()).kind() == WindowShape::Kind::Bounding;
}

QGraphicsRectItem* tst_BaseSceneWindow::showDrawingOpaqueWithAnItem()
{
    auto* item = new QGraphicsRectItem(QRectF(0, 0, 20, 20), m_window->wrapper());
    item->setBrush(Qt::white);
    item->setPen(Qt::NoPen);
    m_window->showTo();
    const bool shown = QTest::qWaitForWindowExposed(m_window.get())
        && QTest::qWaitFor([this] { return m_window->isInputMaskRunning(); });
    if (!shown)
        return nullptr;
    static_cast<SceneView*>(m_window->view())->setDrawsOpaqueOnly(true);
    return item;
}

// Without a compositing manager the window draws nothing beyond its shape:
// while an animation carries items out of it (a face turning, a ring
// opening), the shape is worked out again as the scene changes, not only
// once the scene settles, or the turned face would show only at the end.
// The shape is worked out again every few frames: fifty frames, at least
// 10 ms apart however busy the machine, ask for it a dozen times or more;
// waiting for the scene to settle, they would ask once.
void tst_BaseSceneWindow::shapeFollowsAnAnimationWithoutCompositor()
{
    if (!isCutToItsShape())
        QSKIP("needs a window cut to its shape: offscreen, or an X server without compositing manager");
    QGraphicsRectItem* moving = showDrawingOpaqueWithAnItem();
    QVERIFY(moving);
    QTest::qWait(100);

    QSignalSpy requests(m_window.get(), &BaseSceneWindow::inputMaskRequested);
    for (int frame = 1; frame <= 50; ++frame) {
        moving->setPos(frame, 0);
        QTest::qWait(10);
    }
    QVERIFY2(requests.size() >= 5, qPrintable(QString::number(requests.size())));
}

// Cut to its shape, the window paints nothing beyond it: an item carried
// out of the shape joins it as soon as the scene reports the change, before
// the next frame and without waiting for the mask worker.
void tst_BaseSceneWindow::shapeTakesWhatMovesBeyondItAtOnce()
{
    if (!isCutToItsShape())
        QSKIP("needs a window cut to its shape: offscreen, or an X server without compositing manager");
    QGraphicsRectItem* moving = showDrawingOpaqueWithAnItem();
    QVERIFY(moving);
    const auto centreInWindow = [this, moving] {
        return m_window->mapFromGlobal(m_window->mapSceneToGlobal(moving->sceneBoundingRect().center()).toPoint());
    };
    QTRY_VERIFY(m_window->inputMask().contains(centreInWindow()));
    // What the window system holds on a desktop without compositing.
    m_window->setMask(m_window->inputMask());

    moving->setPos(m_window->wrapper()->boundingRect().width() + 40, 0);
    QVERIFY(!m_window->inputMask().contains(centreInWindow()));
    QCoreApplication::processEvents();
    QVERIFY(m_window->inputMask().contains(centreInWindow()));
    QVERIFY(!m_window->isTransparent(centreInWindow()));
}

void tst_BaseSceneWindow::madeAnewTheWindowKeepsItsShape_data()
{
    QTest::addColumn<bool>("hideFirst");
    QTest::newRow("always on top") << false;
    QTest::newRow("hidden, then shown again") << true;
}

// "Always on top" makes the window system window anew, and so may showing a
// hidden window: the shape of the visible pixels goes to the new window
// before it shows, not the gadget's rectangle, nor nothing.
void tst_BaseSceneWindow::madeAnewTheWindowKeepsItsShape()
{
    QFETCH(bool, hideFirst);
    using Corvane::Utilities::WidgetUtilities;
    m_window->showTo();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    QTRY_VERIFY(m_window->isInputMaskRunning());
    QPoint offset;
    const QRegion visible =
        Corvane::Utilities::InputMaskUpdater::visibleRegion(m_window->createWindowImage(&offset), offset);
    QTRY_VERIFY((m_window->inputMask() ^ visible).isEmpty());

    if (hideFirst) {
        m_window->hide();
        m_window->setWindowFlags(m_window->windowFlags() | Qt::WindowStaysOnTopHint);
        m_window->showTo();
    } else {
        WidgetUtilities::setWindgetOnTop(m_window.get(), true);
    }
    QVERIFY(m_window->isVisible());
    QCOMPARE(m_window->inputMaskWindow(), m_window->windowHandle()->winId());
    QVERIFY((m_window->inputMask() ^ visible).isEmpty());
}

namespace {

// The shape the X server holds for a window.
QRegion serverShape(WId window, WindowShape::Kind kind)
{
    xcb_connection_t* connection = xcbConnection();
    const auto shapeKind = kind == WindowShape::Kind::Input ? XCB_SHAPE_SK_INPUT : XCB_SHAPE_SK_BOUNDING;
    xcb_shape_get_rectangles_reply_t* reply = xcb_shape_get_rectangles_reply(
        connection, xcb_shape_get_rectangles(connection, xcb_window_t(window), shapeKind), nullptr);
    QRegion region;
    if (!reply)
        return region;
    const xcb_rectangle_t* rectangles = xcb_shape_get_rectangles_rectangles(reply);
    for (int i = 0; i < xcb_shape_get_rectangles_rectangles_length(reply); ++i)
        region += QRect(rectangles[i].x, rectangles[i].y, rectangles[i].width, rectangles[i].height);
    std::free(reply);
    return region;
}

// Owns the compositing manager's selection while it lives, as a compositing
// manager that starts does.
class CompositingManagerStandIn
{
public:
    CompositingManagerStandIn()
        : m_connection(xcbConnection())
    {
        const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data;
        m_window = xcb_generate_id(m_connection);
        xcb_create_window(m_connection, XCB_COPY_FROM_PARENT, m_window, screen->root, 0, 0, 1, 1, 0,
                          XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, 0, nullptr);
        xcb_set_selection_owner(m_connection, m_window, XcbAtom::of(m_connection, "_NET_WM_CM_S0"), XCB_CURRENT_TIME);
        xcb_flush(m_connection);
    }
    ~CompositingManagerStandIn()
    {
        xcb_destroy_window(m_connection, m_window);
        xcb_flush(m_connection);
    }

private:
    xcb_connection_t* m_connection;
    xcb_window_t m_window;
};

} // namespace

void tst_BaseSceneWindow::windowSystemHoldsTheShapeOfTheWindowMadeAnew_data()
{
    madeAnewTheWindowKeepsItsShape_data();
}

// Qt makes the X window anew when it shows a window whose "stay on top" hint
// changed, after the widget was asked to show: the new X window, not the
// old one, holds the shape of the visible pixels (input shape under a
// compositing manager, bounding shape without), or the whole desktop-sized
// window would take every click.
void tst_BaseSceneWindow::windowSystemHoldsTheShapeOfTheWindowMadeAnew()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("needs an X server (QT_QPA_PLATFORM=xcb)");
    QFETCH(bool, hideFirst);
    const WindowShape shape(m_window.get());
    m_window->showTo();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    QTRY_VERIFY(m_window->isInputMaskRunning());
    QTRY_VERIFY(!m_window->inputMask().isEmpty() && m_window->inputMask() != QRegion(m_window->rect()));
    const WId before = m_window->windowHandle()->winId();

    if (hideFirst) {
        m_window->hide();
        m_window->setWindowFlags(m_window->windowFlags() | Qt::WindowStaysOnTopHint);
        m_window->showTo();
    } else {
        Corvane::Utilities::WidgetUtilities::setWindgetOnTop(m_window.get(), true);
    }
    const WId now = m_window->windowHandle()->winId();
    QVERIFY(now != before);
    QCOMPARE(m_window->inputMaskWindow(), now);
    QCOMPARE(serverShape(now, shape.kind()), m_window->inputMask());
}

// A compositing manager that starts or stops while the window shows: the
// window draws and shapes itself the new way at once, not at its next
// showing or drawing. Without one, the desktop-sized window is cut to its
// opaque pixels (else the desktop shows black around the gadget); with one,
// only the clicks are cut.
void tst_BaseSceneWindow::shownWindowsFollowTheCompositingManager()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("needs an X server (QT_QPA_PLATFORM=xcb)");
    const WindowShape shape(m_window.get());
    if (shape.kind() != WindowShape::Kind::Bounding)
        QSKIP("needs an X server without compositing manager: the test plays one");
    m_window->showTo();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    QTRY_VERIFY(m_window->isInputMaskRunning());
    const auto view = static_cast<SceneView*>(m_window->view());
    const WId window = m_window->windowHandle()->winId();
    const QRegion whole(m_window->rect());
    QVERIFY(view->drawsOpaqueOnly());
    QTRY_COMPARE(serverShape(window, WindowShape::Kind::Bounding), m_window->inputMask());

    {
        CompositingManagerStandIn compositor;
        QTRY_VERIFY(!view->drawsOpaqueOnly());
        QCOMPARE(serverShape(window, WindowShape::Kind::Bounding), whole);
        QCOMPARE(serverShape(window, WindowShape::Kind::Input), m_window->inputMask());
        QVERIFY(m_window->inputMask() != whole);
    }
    QTRY_VERIFY(view->drawsOpaqueOnly());
    QCOMPARE(serverShape(window, WindowShape::Kind::Bounding), m_window->inputMask());
    QVERIFY(m_window->inputMask() != whole);
}

namespace {

// The widths a window changes to, in order.
class WidthLog : public QObject
{
public:
    explicit WidthLog(QWidget* window)
        : m_window(window)
        , m_last(window->width())
    {
        window->installEventFilter(this);
    }
    QList<int> widths;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_window && event->type() == QEvent::Resize && m_window->width() != m_last) {
            m_last = m_window->width();
            widths.append(m_last);
        }
        return false;
    }

private:
    QWidget* m_window;
    int m_last;
};

} // namespace

void tst_BaseSceneWindow::shownUnderACompositorTheFrameChangesItsSizeOnce_data()
{
    QTest::addColumn<bool>("compositor");
    QTest::newRow("with a compositing manager") << true;
    QTest::newRow("without") << false;
}

// xcompmgr may keep a drop shadow, worked out before the window mapped, under
// the whole desktop-sized window until the window changes its size: under a
// compositing manager, each showing widens the window by a pixel and narrows
// it back once it is exposed; without one nothing draws shadows, and the
// size stays.
void tst_BaseSceneWindow::shownUnderACompositorTheFrameChangesItsSizeOnce()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("needs an X server (QT_QPA_PLATFORM=xcb)");
    QFETCH(bool, compositor);
    if (WindowShape(m_window.get()).kind() == WindowShape::Kind::Input)
        QSKIP("needs an X server without compositing manager: the test plays one");
    std::optional<CompositingManagerStandIn> standIn;
    if (compositor)
        standIn.emplace();
    QTRY_COMPARE(WindowShape(m_window.get()).kind() == WindowShape::Kind::Input, compositor);
    const QSize size = m_window->size();
    WidthLog log(m_window.get());
    QList<int> expected;
    for (int showing = 0; showing < 2; ++showing) {
        m_window->showTo();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        if (compositor)
            expected << size.width() + 1 << size.width();
        QTRY_COMPARE(log.widths, expected);
        m_window->hide();
    }
    QCOMPARE(m_window->size(), size);
}

void tst_BaseSceneWindow::firstPaintStartsTheWorkerAndDestroyReportsOnce()
{
    QSignalSpy ready(m_window.get(), &BaseSceneWindow::readyToDestroy);
    QSignalSpy firstFrame(m_window.get(), &BaseSceneWindow::firstFramePainted);
    QVERIFY(!m_window->isInputMaskRunning());
    m_window->showTo();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    QTRY_VERIFY(m_window->isInputMaskRunning());
    m_window->repaint();
    QCOMPARE(firstFrame.size(), 1);

    m_window->prepareToDestroy();
    m_window->prepareToDestroy();
    QTRY_COMPARE(ready.size(), 1);
    QTest::qWait(50);
    QCOMPARE(ready.size(), 1);
}

namespace {

// A scene item that remembers whether it was drawn while its window shows.
class DrawnItem : public QGraphicsRectItem
{
public:
    DrawnItem(const QRectF& rect, QGraphicsItem* parent, const QWidget* window)
        : QGraphicsRectItem(rect, parent)
        , m_window(window)
    {
    }
    bool painted = false;

    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override
    {
        painted = painted || m_window->isVisible();
        QGraphicsRectItem::paint(painter, option, widget);
    }

private:
    const QWidget* m_window;
};

} // namespace

void tst_BaseSceneWindow::firstFrameIsReportedWhenTheSceneIsDrawn_data()
{
    QTest::addColumn<bool>("desktopBlends");
    QTest::newRow("compositing manager") << true;
    QTest::newRow("no compositing manager") << false;
}

// The window draws its ground before its view draws the scene: the first
// frame is whole only once the scene is drawn too (start-up is timed to it).
// Without a compositing manager the window is drawn into a picture for its
// shape before it shows: that is no frame.
void tst_BaseSceneWindow::firstFrameIsReportedWhenTheSceneIsDrawn()
{
    QFETCH(bool, desktopBlends);
    WindowShape::setDesktopBlendsForTesting(desktopBlends);
    // On the gadget, inside the shape of a window cut to it.
    auto* item = new DrawnItem(QRectF(40, 40, 20, 20), m_window->wrapper(), m_window.get());
    QList<bool> drawnWhenReported;
    connect(m_window.get(), &BaseSceneWindow::firstFramePainted, this,
            [&] { drawnWhenReported.append(item->painted); });
    m_window->showTo();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    QTRY_COMPARE(drawnWhenReported.size(), 1);
    QVERIFY(drawnWhenReported.first());
    m_window->repaint();
    QCOMPARE(drawnWhenReported.size(), 1);
}

void tst_BaseSceneWindow::neverPaintedWindowReportsAtOnce()
{
    QSignalSpy ready(m_window.get(), &BaseSceneWindow::readyToDestroy);
    m_window->prepareToDestroy();
    QCOMPARE(ready.size(), 0);
    QTRY_COMPARE(ready.size(), 1);
    m_window->prepareToDestroy();
    QTest::qWait(20);
    QCOMPARE(ready.size(), 1);
}

void tst_BaseSceneWindow::destroyedWhileTheWorkerRuns()
{
    m_window->showTo();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    QTRY_VERIFY(m_window->isInputMaskRunning());
    QThread* worker = m_window->findChild<QThread*>();
    QVERIFY(worker && worker->isRunning());
    QPointer<QThread> guard(worker);
    m_window.reset();
    QVERIFY(guard.isNull());
}

void tst_BaseSceneWindow::destroyLaterOfANeverShownWindow()
{
    QPointer<DiscWindow> window(m_window.release());
    window->destroyLater();
    QTRY_VERIFY(window.isNull());
}

void tst_BaseSceneWindow::destroyLaterAfterTheReport_data()
{
    QTest::addColumn<bool>("paintedAgain");
    QTest::newRow("worker gone") << false;
    QTest::newRow("worker started again by a paint") << true;
}

// At quit the windows report that they may go; Qt then closes them, and a
// closed favourite is released: it must go although it reported already.
void tst_BaseSceneWindow::destroyLaterAfterTheReport()
{
    QFETCH(bool, paintedAgain);
    QSignalSpy ready(m_window.get(), &BaseSceneWindow::readyToDestroy);
    m_window->showTo();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    QTRY_VERIFY(m_window->isInputMaskRunning());
    m_window->prepareToDestroy();
    QTRY_COMPARE(ready.size(), 1);
    if (paintedAgain) {
        m_window->repaint();
        QVERIFY(m_window->isInputMaskRunning());
    }

    QPointer<DiscWindow> window(m_window.release());
    window->destroyLater();
    QTRY_VERIFY(window.isNull());
}

namespace {

// Collects what a widget is asked to paint.
class PaintRecorder : public QObject
{
public:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent*>(event)->region();
        return false;
    }
    QRegion painted;
};

} // namespace

// Without a compositing manager the shape cuts the drawing as well, and Qt
// paints a masked window only within its mask: what a wider shape uncovers
// must be painted then, or it stays black. Only an X server has such a
// shape.
void tst_BaseSceneWindow::widerBoundingShapePaintsWhatItUncovers()
{
    QWidget window;
    window.setAttribute(Qt::WA_TranslucentBackground);
    window.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    window.resize(200, 200);
    WindowShape shape(&window);
    if (QGuiApplication::platformName() != QLatin1String("xcb") || shape.kind() != WindowShape::Kind::Bounding)
        QSKIP("needs an X server without compositing manager");
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    shape.apply(QRegion(0, 0, 50, 50));
    QCoreApplication::processEvents();
    PaintRecorder recorder;
    window.installEventFilter(&recorder);

    shape.apply(QRegion(0, 0, 150, 150));
    const QRegion uncovered = QRegion(0, 0, 150, 150) - QRegion(0, 0, 50, 50);
    QTRY_VERIFY((uncovered - recorder.painted).isEmpty());
}

QTEST_MAIN(tst_BaseSceneWindow)
#include "tst_basescenewindow.moc"
