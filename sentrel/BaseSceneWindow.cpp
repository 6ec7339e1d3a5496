#include "BaseSceneWindow.h"

#include "DesktopWindowManager.h"
#include "SceneView.h"
#include "SceneWindowShaper.h"
#include "Settings.h"

#include "controls/SvgButton.h"
#include "controls/SvgControlObject.h"
#include "gestures/EventConsumer.h"
#include "hosting/BaseQMLWrapper.h"
#include "log/Logger.h"
#include "theme/RendererContainer.h"
#include "theme/ThemeProvider.h"
#include "utilities/InitSettings.h"
#include "utilities/InputMaskUpdater.h"
#include "utilities/MathTools.h"
#include "utilities/WidgetUtilities.h"

#include <QApplication>
#include <QCursor>
#include <QGraphicsScene>
#include <QGraphicsSceneMouseEvent>
#include <QGraphicsView>
#include <QKeyEvent>
#include <QPainter>
#include <QPixmapCache>
#include <QScopedValueRollback>
#include <QScreen>
#include <QSvgRenderer>
#include <QThread>

#include <algorithm>
#include <cmath>

namespace Corvane::Sentrel {

using Corvane::Utilities::InitSettings;
using Corvane::Utilities::WidgetUtilities;
using Gadgets::SvgControl;
using Gadgets::Gestures::CursorPositionProvider;
using Gadgets::Gestures::EventConsumer;

namespace {

// The recogniser reads the same cursor as the window.
class SharedCursor : public CursorPositionProvider
{
public:
    explicit SharedCursor(const CursorPositionProvider& cursor)
        : m_cursor(cursor)
    {
    }
    QPoint position() const override { return m_cursor.position(); }

private:
    const CursorPositionProvider& m_cursor;
};

class SystemCursor : public CursorPositionProvider
{
public:
    QPoint position() const override { return QCursor::pos(); }
};

// Rounding as the scene rules have it: halves upwards.
int roundHalfUp(double value)
{
    return int(std::floor(value + 0.5));
}

constexpr int InputMaskDelayMs = 30;

} // namespace

BaseSceneWindow::BaseSceneWindow(std::unique_ptr<Scene> scene, QWidget* parent,
                                 std::unique_ptr<CursorPositionProvider> cursor)
    : QWidget(parent)
    , m_cursor(cursor ? std::move(cursor) : std::make_unique<SystemCursor>())
    , m_gestureRecognizer(std::make_unique<SharedCursor>(*m_cursor))
    , m_sceneDefinition(std::move(scene))
{
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_LayoutUsesWidgetRect);
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::CustomizeWindowHint);
    setWindowState(Qt::WindowNoState);
    setAttribute(Qt::WA_AcceptTouchEvents);

    m_scene = new QGraphicsScene(this);
    m_view = new SceneView(m_scene, this);
    m_wrapper = m_sceneDefinition->root();
    m_wrapper->setTransformOriginPoint(0, 0);
    m_scene->addItem(m_wrapper);
    m_mainControl = m_wrapper->control();
    m_scene->setBackgroundBrush(Qt::transparent);
    m_scene->installEventFilter(&m_gestureRecognizer);
    configureView();
    m_shaper = new SceneWindowShaper(this, m_view, [this] { return coversWholeWindow(); });

    updateScaleRange();
    if (Settings::s_instance->supportTransparency())
        useWholeDesktopArea(true);

    m_inputMaskTimer.setSingleShot(true);
    m_inputMaskTimer.setInterval(InputMaskDelayMs);
    connect(&m_inputMaskTimer, &QTimer::timeout, this, &BaseSceneWindow::requestInputMask);
    connectSignals();
}

BaseSceneWindow::~BaseSceneWindow()
{
    // Never leave the worker running: a thread destroyed while it runs ends
    // the program. Stopping is quick, so waiting here blocks nobody long.
    startInputMaskUpdate(false);
    if (m_inputMaskThread) {
        m_inputMaskThread->quit();
        m_inputMaskThread->wait();
    }
    delete m_inputMaskUpdater.data();
    m_scene->removeEventFilter(&m_gestureRecognizer);
}

void BaseSceneWindow::configureView()
{
    m_view->setFrameShape(QFrame::NoFrame);
    m_view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_view->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_view->setTransformationAnchor(QGraphicsView::NoAnchor);
    m_view->setResizeAnchor(QGraphicsView::NoAnchor);
    m_view->setAttribute(Qt::WA_TranslucentBackground);
    m_view->setAttribute(Qt::WA_AcceptTouchEvents);
    m_view->setWindowFlags(m_view->windowFlags() | Qt::FramelessWindowHint);
    m_view->setRenderHint(QPainter::TextAntialiasing);
    m_view->setStyleSheet(QStringLiteral("* { background: rgba(0,0,0,0); border: none; }"));
    m_view->setOptimizationFlags(QGraphicsView::DontSavePainterState | QGraphicsView::DontAdjustForAntialiasing);
    m_view->setViewportUpdateMode(QGraphicsView::BoundingRectViewportUpdate);
    m_scene->setItemIndexMethod(QGraphicsScene::NoIndex);
    QPixmapCache::setCacheLimit(102400);
}

void BaseSceneWindow::connectSignals()
{
    using Gadgets::Gestures::GestureRecognizer;
    connect(this, &BaseSceneWindow::moved, m_wrapper, &Gadgets::Utilities::BaseQMLWrapper::onPositionChanged);
    if (m_mainControl) {
        connect(m_mainControl, &Gadgets::SvgControlObject::elementClick, this, &BaseSceneWindow::onElementClick);
        connect(m_mainControl, &Gadgets::SvgControlObject::elementPress, this, &BaseSceneWindow::onElementPress);
        connect(m_mainControl, &Gadgets::SvgControlObject::elementRelease, this, &BaseSceneWindow::onElementRelease);
        connect(m_mainControl, &Gadgets::SvgControlObject::elementDrag, this, &BaseSceneWindow::onElementDrag);
    }
    GestureRecognizer* recognizer = &m_gestureRecognizer;
    connect(recognizer, &GestureRecognizer::click, this, &BaseSceneWindow::handleClick);
    connect(recognizer, &GestureRecognizer::doubleClick, this, &BaseSceneWindow::handleDoubleClick);
    connect(recognizer, &GestureRecognizer::press, this, &BaseSceneWindow::handlePress, Qt::DirectConnection);
    connect(recognizer, &GestureRecognizer::pressAndHold, this, &BaseSceneWindow::handlePressAndHold);
    connect(recognizer, &GestureRecognizer::pressAndMove, this, &BaseSceneWindow::handlePressAndMove);
    connect(recognizer, &GestureRecognizer::endPressAndMove, this, &BaseSceneWindow::handleEndPressAndMove);
    connect(recognizer, &GestureRecognizer::pressMoveAndHover, this, &BaseSceneWindow::handlePressMoveAndHover);
    connect(recognizer, &GestureRecognizer::release, this, &BaseSceneWindow::handleRelease);
    connect(recognizer, &GestureRecognizer::swipe, this, &BaseSceneWindow::handleSwipe);
    connect(recognizer, &GestureRecognizer::keyPress, this, &BaseSceneWindow::handleKeyPress);
    connect(recognizer, &GestureRecognizer::keyRelease, this, &BaseSceneWindow::handleKeyRelease);
    connect(recognizer, &GestureRecognizer::mouseWheel, this, &BaseSceneWindow::handleMouseWheelEvent);
    for (QScreen* screen : QGuiApplication::screens())
        connect(screen, &QScreen::availableGeometryChanged, this, &BaseSceneWindow::ensureWindowIsOnScreen);
    connect(qGuiApp, &QGuiApplication::screenAdded, this, [this](QScreen* screen) {
        connect(screen, &QScreen::availableGeometryChanged, this, &BaseSceneWindow::ensureWindowIsOnScreen);
        ensureWindowIsOnScreen();
    });
    connect(qGuiApp, &QGuiApplication::screenRemoved, this, &BaseSceneWindow::ensureWindowIsOnScreen,
            Qt::QueuedConnection);
    connect(m_scene, &QGraphicsScene::changed, this, &BaseSceneWindow::scheduleInputMaskUpdate);
    // The view draws the scene after the window drew its own ground: the
    // frame is whole only then.
    connect(m_view, &SceneView::painted, this, &BaseSceneWindow::reportFirstFrame);
}

void BaseSceneWindow::reportFirstFrame()
{
    if (m_firstFrameReported || m_drawingPicture)
        return;
    m_firstFrameReported = true;
    Log::Logger(Log::Logger::Trace) << metaObject()->className() << ": first frame painted";
    Q_EMIT firstFramePainted();
}

QPointF BaseSceneWindow::wrapperPos() const
{
    return m_wrapper->pos();
}

void BaseSceneWindow::setWrapperPos(const QPointF& position)
{
    const QPointF current = m_wrapper->pos();
    if (std::abs(position.x() - current.x()) <= 1e-12 && std::abs(position.y() - current.y()) <= 1e-12)
        return;
    m_wrapper->setPos(position);
}

void BaseSceneWindow::addRootControl(Gadgets::SvgControlObject* control)
{
    if (!control || m_rootControls.contains(control))
        return;
    m_rootControls.append(control);
    if (control->scene() != m_scene)
        m_scene->addItem(control);
}

void BaseSceneWindow::removeRootControl(Gadgets::SvgControlObject* control)
{
    m_rootControls.removeAll(QPointer<Gadgets::SvgControlObject>(control));
    if (!control) {
        m_rootControls.removeIf([](const QPointer<Gadgets::SvgControlObject>& entry) { return entry.isNull(); });
        return;
    }
    if (control->scene() == m_scene)
        m_scene->removeItem(control);
}

void BaseSceneWindow::setDefaultSize(const QSize& size)
{
    if (size.width() < 1 || size.height() < 1)
        return;
    m_sceneDefinition->setRootSize(QSizeF(size));
}

QSize BaseSceneWindow::defaultSize() const
{
    const QSizeF size = m_wrapper->boundingRect().size();
    return QSize(roundHalfUp(size.width()), roundHalfUp(size.height()));
}

void BaseSceneWindow::setDefaultScale()
{
    setScale(int((1.0 - m_minScale) / (m_maxScale - m_minScale) * 100.0), false);
}

void BaseSceneWindow::updateScaleRange()
{
    m_minScale = InitSettings::MIN_SCALE;
    m_maxScale = InitSettings::MAX_SCALE;
}

double BaseSceneWindow::opacityForTransparency(int transparency)
{
    const double t = std::clamp(transparency, 0, 100) / 100.0;
    const double minT = InitSettings::gadgetMinTransparency() / 100.0;
    const double maxT = InitSettings::gadgetMaxTransparency() / 100.0;
    return (1.0 - minT - (1.0 - maxT)) * (1.0 - t) + (1.0 - maxT);
}

void BaseSceneWindow::setTransparency(int transparency)
{
    setWindowOpacity(opacityForTransparency(transparency));
}

void BaseSceneWindow::setSupportsTransparency(bool supports)
{
    if (supports == m_supportsTransparency)
        return;
    m_supportsTransparency = supports;
    if (!supports)
        updateNonTransparentBackground();
}

void BaseSceneWindow::updateNonTransparentBackground()
{
    // Drawn only where the window cannot be translucent.
    if (m_supportsTransparency) {
        m_nonTransparentBackground = QPixmap();
        return;
    }
    QPixmap background(size());
    background.fill(Qt::transparent);
    QPainter painter(&background);
    Gadgets::Utilities::RendererContainer* renderer =
        Gadgets::ThemeProvider::getRendererFor(Gadgets::ThemeProvider::SOLID_BACKGROUND_ID);
    if (renderer && renderer->renderer())
        renderer->renderer()->render(&painter);
    m_nonTransparentBackground = background;
}

bool BaseSceneWindow::shouldDrawNonTransparentBackground() const
{
    return !m_supportsTransparency && !m_nonTransparentBackground.isNull();
}

void BaseSceneWindow::showTo()
{
    WidgetUtilities::removeTaskbarIconOnLinux(this);
    // Where the window manager would show it away from the desktop's
    // corner, the desktop-sized window goes unmanaged, and so stays put.
    if (m_wholeDesktopMode && DesktopWindowManager::movesManagedWindows(DesktopWindowManager::name()))
        setWindowFlag(Qt::X11BypassWindowManagerHint);
    showNormal();
}

bool BaseSceneWindow::isTranslucencyAvailable() const
{
    return m_shaper->desktopBlends();
}

// Hidden under the pointer, the window hears of no leave: its scene is told,
// so that nothing shows hovered (the floating buttons, a lit segment) when
// the window shows again with the pointer elsewhere.
void BaseSceneWindow::setVisible(bool visible)
{
    if (visible) {
        m_shaper->prepareToShow();
    } else if (isVisible()) {
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(m_view->viewport(), &leave);
    }
    QWidget::setVisible(visible);
    if (visible)
        m_shaper->shown();
}

void BaseSceneWindow::useWholeDesktopArea(bool available)
{
    setArea(WidgetUtilities::desktopGeometry(available));
    m_wholeDesktopMode = true;
}

void BaseSceneWindow::setArea(const QRectF& area)
{
    const int width = roundHalfUp(area.width() - 1);
    const int height = roundHalfUp(area.height() - 1);
    setMinimumSize(width, height);
    setGeometry(roundHalfUp(area.x()), roundHalfUp(area.y()), width, height);
    m_view->setGeometry(0, 0, this->width(), this->height());
    m_scene->setSceneRect(0, 0, this->width(), this->height());
}

QPointF BaseSceneWindow::mapSceneToGlobal(const QPointF& point) const
{
    return QPointF(m_view->mapToGlobal(m_view->mapFromScene(point)));
}

QRectF BaseSceneWindow::mapSceneToGlobal(const QRectF& rect) const
{
    return QRectF(mapSceneToGlobal(rect.topLeft()), mapSceneToGlobal(rect.bottomRight()));
}

QPointF BaseSceneWindow::mapGlobalToScene(const QPoint& point) const
{
    return m_view->mapToScene(m_view->mapFromGlobal(point));
}

QPoint BaseSceneWindow::customPosition() const
{
    return mapSceneToGlobal(m_wrapper->scenePos()).toPoint();
}

QRect BaseSceneWindow::customRect() const
{
    const QRectF global = mapSceneToGlobal(m_wrapper->mapRectToScene(m_wrapper->boundingRect()));
    return QRect(roundHalfUp(global.x()), roundHalfUp(global.y()), roundHalfUp(global.width()),
                 roundHalfUp(global.height()));
}

void BaseSceneWindow::moveTo(const QPoint& position)
{
    const QRect before = customRect();
    const QPointF target = mapGlobalToScene(position);
    widenShape(before, before.translated((target - m_wrapper->scenePos()).toPoint()));
    m_wrapper->setPos(target);
    const QRect rect = customRect();
    Q_EMIT moved(QPointF((rect.left() + rect.right()) / 2, (rect.top() + rect.bottom()) / 2));
}

void BaseSceneWindow::moveTo()
{
    moveTo(customPosition());
}

QPointF BaseSceneWindow::hotSpotInWrapper() const
{
    if (!m_mainControl)
        return hotSpot();
    return m_wrapper->mapFromItem(m_mainControl, hotSpot());
}

void BaseSceneWindow::moveOnScreen(const QPoint& position)
{
    const QPointF hotSpotInScene = m_wrapper->mapToScene(hotSpotInWrapper()) - m_wrapper->scenePos();
    const QPoint offset = (mapSceneToGlobal(hotSpotInScene) - mapSceneToGlobal(QPointF(0, 0))).toPoint();
    const QList<QRect> screens = WidgetUtilities::screenGeometries(false);
    const QList<QRect> available = WidgetUtilities::screenGeometries(true);
    const QPoint hotSpotTarget = position + offset;
    if (WidgetUtilities::isPointOnScreen(screens, available, hotSpotTarget))
        moveTo(position);
    else
        moveTo(WidgetUtilities::nearestPointOnScreen(screens, available, hotSpotTarget) - offset);
}

void BaseSceneWindow::ensureWindowIsOnScreen()
{
    const QPoint hotSpotGlobal =
        mapSceneToGlobal(m_wrapper->scenePos() + hotSpotInWrapper() * m_currentScale).toPoint();
    const QList<QRect> screens = WidgetUtilities::screenGeometries(false);
    const QList<QRect> available = WidgetUtilities::screenGeometries(true);
    if (WidgetUtilities::isPointOnScreen(screens, available, hotSpotGlobal))
        return;
    const int index = WidgetUtilities::screenIndexAt(screens, hotSpotGlobal);
    if (index >= 0)
        moveTo(available.at(index).topLeft());
}

QPoint BaseSceneWindow::globalHotSpot() const
{
    return mapSceneToGlobal(m_wrapper->mapToScene(hotSpotInWrapper())).toPoint();
}

bool BaseSceneWindow::isTransparent(const QPoint& point) const
{
    QPoint offset;
    const QImage image = createWindowImage(&offset);
    const QPoint local = point - offset;
    if (local.x() < 0 || local.y() < 0 || local.x() >= image.width() || local.y() >= image.height())
        return true;
    return qAlpha(image.pixel(local)) == 0;
}

void BaseSceneWindow::setScale(int percent, bool force)
{
    if (m_resizeMode && !force && std::abs(percent - m_scalePercent) < 3)
        return;
    const QRect before = customRect();
    m_scalePercent = percent;
    const double scale = m_minScale + (m_maxScale - m_minScale) * percent / 100.0;
    m_view->setMinimumSize(size());
    m_view->setMaximumSize(size());
    if (!m_resizeMode && !Settings::s_instance->supportTransparency()) {
        const QSize defaults = defaultSize();
        m_view->setGeometry(0, 0, roundHalfUp(defaults.width() * scale), roundHalfUp(defaults.height() * scale));
    }
    const double previous = m_wrapper->scale();
    m_wrapper->setPos(m_wrapper->pos() - hotSpotInWrapper() * (scale - previous));
    m_view->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_wrapper->setScale(scale);
    setControlsCustomScale(scale);
    m_currentScale = scale;
    widenShape(before, customRect());
}

void BaseSceneWindow::setIsInResizeMode(bool on)
{
    const bool leaving = m_resizeMode && !on;
    m_resizeMode = on;
    if (!Settings::s_instance->supportTransparency()) {
        m_view->hide();
        repaint();
        setScale(m_scalePercent, true);
        m_view->show();
    }
    if (leaving)
        Q_EMIT resized();
}

void BaseSceneWindow::setControlsCustomScale(qreal scale)
{
    if (m_mainControl)
        m_mainControl->setCustomScale(scale);
}

QPoint BaseSceneWindow::cursorPosition() const
{
    return m_cursor->position();
}

void BaseSceneWindow::handleResizing(QGraphicsSceneMouseEvent*)
{
    if (!m_resizeMode)
        setIsInResizeMode(true);
    const QPointF u = QPointF(cursorPosition() - m_hotSpotAtPress);
    const QPointF v = QPointF(m_pressPoint - m_hotSpotAtPress);
    const double lengthU = std::hypot(u.x(), u.y());
    const double lengthV = std::hypot(v.x(), v.y());
    if (lengthV <= 0.0 || QPointF::dotProduct(u, v) < 0.0)
        return;
    const double scale = lengthU / lengthV * m_scaleAtPress;
    const int percent = std::clamp(int((scale - m_minScale) / (m_maxScale - m_minScale) * 100.0), 0, 100);
    setScale(percent, false);
}

void BaseSceneWindow::handleMoving()
{
    const QPoint cursor = cursorPosition();
    moveOnScreen(QPoint(roundHalfUp(cursor.x() - m_pressPoint.x() + m_wrapperAtPress.x()),
                        roundHalfUp(cursor.y() - m_pressPoint.y() + m_wrapperAtPress.y())));
    m_scene->update();
}

void BaseSceneWindow::prepareEvent(QGraphicsSceneMouseEvent& event, const QPoint& globalPosition) const
{
    event.setAccepted(false);
    event.setScreenPos(globalPosition);
    event.setScenePos(mapGlobalToScene(globalPosition));
    event.setButton(Qt::LeftButton);
}

void BaseSceneWindow::recordPress()
{
    m_scaleAtPress = m_currentScale;
    m_pressPoint = m_gestureRecognizer.pressPosition();
    m_hotSpotAtPress = globalHotSpot();
    m_wrapperAtPress = mapSceneToGlobal(m_wrapper->scenePos());
}

void BaseSceneWindow::handlePress(EventConsumer& consumer)
{
    recordPress();
    if (!isActiveWindow())
        activateWindow();
    QGraphicsSceneMouseEvent event(QEvent::None);
    prepareEvent(event, m_gestureRecognizer.pressPosition());
    forwardMousePress(&event, consumer);
}

void BaseSceneWindow::handleClick(void* pressConsumer, const QPoint&)
{
    QGraphicsSceneMouseEvent event(QEvent::None);
    prepareEvent(event, m_gestureRecognizer.pressPosition());
    if (pressConsumer) {
        auto* button = dynamic_cast<Gadgets::SvgButton*>(static_cast<SvgControl*>(pressConsumer));
        if (button && !button->hitTest(event.scenePos()))
            return;
    }
    forwardMouseClick(&event);
}

void BaseSceneWindow::handleDoubleClick(const QPoint& position)
{
    QGraphicsSceneMouseEvent event(QEvent::None);
    prepareEvent(event, position);
    forwardMouseDoubleClick(&event);
}

void BaseSceneWindow::handlePressAndHold()
{
    QGraphicsSceneMouseEvent event(QEvent::None);
    prepareEvent(event, m_gestureRecognizer.pressPosition());
    forwardMousePressAndHold(&event);
}

void BaseSceneWindow::handlePressAndMove(void* pressConsumer)
{
    QGraphicsSceneMouseEvent event(QEvent::None);
    prepareEvent(event, m_gestureRecognizer.currentPosition());
    forwardMousePressAndMove(mapGlobalToScene(m_gestureRecognizer.pressPosition()), &event, pressConsumer);
}

void BaseSceneWindow::handlePressMoveAndHover()
{
    QGraphicsSceneMouseEvent event(QEvent::None);
    prepareEvent(event, m_gestureRecognizer.currentPosition());
    if (m_mainControl)
        m_mainControl->handleMousePressMoveAndHover(&event);
}

void BaseSceneWindow::handleEndPressAndMove()
{
    QGraphicsSceneMouseEvent event(QEvent::None);
    prepareEvent(event, m_gestureRecognizer.lastPosition());
    forwardMouseEndPressAndMove(&event);
}

void BaseSceneWindow::handleRelease(void* pressConsumer)
{
    QGraphicsSceneMouseEvent event(QEvent::None);
    prepareEvent(event, m_gestureRecognizer.pressPosition());
    event.setLastScenePos(mapGlobalToScene(m_gestureRecognizer.lastPosition()));
    if (m_resizeMode)
        setIsInResizeMode(false);
    forwardMouseRelease(&event, pressConsumer);
}

void BaseSceneWindow::handleSwipe(qreal angle, qreal speed)
{
    QGraphicsSceneMouseEvent event(QEvent::None);
    prepareEvent(event, m_gestureRecognizer.lastPosition());
    event.setLastScreenPos(m_gestureRecognizer.currentPosition());
    event.setLastScenePos(mapGlobalToScene(m_gestureRecognizer.currentPosition()));
    if (m_mainControl)
        m_mainControl->handleSwipe(angle, speed, mapGlobalToScene(m_gestureRecognizer.pressPosition()).toPoint(),
                                   &event);
}

void BaseSceneWindow::handleKeyPress(QKeyEvent* event)
{
    forwardKeyPress(event);
}

void BaseSceneWindow::handleKeyRelease(QKeyEvent* event)
{
    if (m_mainControl)
        m_mainControl->handleKeyRelease(event);
}

void BaseSceneWindow::handleMouseWheelEvent(QGraphicsSceneWheelEvent* event)
{
    if (m_mainControl)
        m_mainControl->handleMouseWheel(event);
}

template<typename Handler>
void BaseSceneWindow::forwardToRootControls(QEvent* event, Handler handle)
{
    for (auto it = m_rootControls.begin(); it != m_rootControls.end();) {
        if (it->isNull()) {
            it = m_rootControls.erase(it);
            continue;
        }
        event->setAccepted(false);
        handle(it->data());
        if (event->isAccepted())
            return;
        ++it;
    }
}

void BaseSceneWindow::forwardMousePress(QGraphicsSceneMouseEvent* event, EventConsumer& consumer)
{
    if (m_mainControl)
        m_mainControl->handleMousePress(event, consumer);
    forwardToRootControls(event, [&](Gadgets::SvgControlObject* c) { c->handleMousePress(event, consumer); });
}

void BaseSceneWindow::forwardMouseRelease(QGraphicsSceneMouseEvent* event, void* pressConsumer)
{
    if (m_mainControl)
        m_mainControl->handleMouseRelease(event, pressConsumer);
    forwardToRootControls(event, [&](Gadgets::SvgControlObject* c) { c->handleMouseRelease(event, pressConsumer); });
}

void BaseSceneWindow::forwardMouseClick(QGraphicsSceneMouseEvent* event)
{
    if (m_mainControl)
        m_mainControl->handleMouseClick(event);
    forwardToRootControls(event, [&](Gadgets::SvgControlObject* c) { c->handleMouseClick(event); });
}

void BaseSceneWindow::forwardMouseDoubleClick(QGraphicsSceneMouseEvent* event)
{
    if (m_mainControl)
        m_mainControl->handleMouseDoubleClick(event);
    forwardToRootControls(event, [&](Gadgets::SvgControlObject* c) { c->handleMouseDoubleClick(event); });
}

void BaseSceneWindow::forwardMousePressAndHold(QGraphicsSceneMouseEvent* event)
{
    if (m_mainControl)
        m_mainControl->handleMousePressAndHold(event);
    forwardToRootControls(event, [&](Gadgets::SvgControlObject* c) { c->handleMousePressAndHold(event); });
}

void BaseSceneWindow::forwardMousePressAndMove(const QPointF& pressScenePos, QGraphicsSceneMouseEvent* event,
                                               void* pressConsumer)
{
    if (m_mainControl)
        m_mainControl->handleMousePressAndMove(pressScenePos, event, pressConsumer);
    forwardToRootControls(event, [&](Gadgets::SvgControlObject* c) {
        c->handleMousePressAndMove(pressScenePos, event, pressConsumer);
    });
}

void BaseSceneWindow::forwardMouseEndPressAndMove(QGraphicsSceneMouseEvent* event)
{
    if (m_mainControl)
        m_mainControl->handleEndPressAndMove(event);
    forwardToRootControls(event, [&](Gadgets::SvgControlObject* c) { c->handleEndPressAndMove(event); });
}

void BaseSceneWindow::forwardKeyPress(QKeyEvent* event)
{
    if (m_mainControl)
        m_mainControl->handleKeyPress(event);
    forwardToRootControls(event, [&](Gadgets::SvgControlObject* c) { c->handleKeyPress(event); });
}

void BaseSceneWindow::onElementClick(Gadgets::SvgElement*)
{
}

void BaseSceneWindow::onElementPress(Gadgets::SvgElement*)
{
}

void BaseSceneWindow::onElementRelease(Gadgets::SvgElement*)
{
}

void BaseSceneWindow::onElementDrag(Gadgets::SvgElement*, QGraphicsSceneMouseEvent*)
{
}

void BaseSceneWindow::paintEvent(QPaintEvent* event)
{
    if (shouldDrawNonTransparentBackground()) {
        QPainter painter(this);
        painter.drawPixmap(0, 0, m_nonTransparentBackground);
    }
    QWidget::paintEvent(event);
    if (!m_inputMaskRunning)
        startInputMaskUpdate(true);
}

void BaseSceneWindow::closeEvent(QCloseEvent* event)
{
    Q_EMIT closing();
    QWidget::closeEvent(event);
}

void BaseSceneWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && m_mainControl)
        m_mainControl->activatedChanged(isActiveWindow());
    QWidget::changeEvent(event);
}

// --- Click-through shape -------------------------------------------------

QRegion BaseSceneWindow::inputMask() const
{
    return m_shaper->region();
}

WId BaseSceneWindow::inputMaskWindow() const
{
    return m_shaper->appliedTo();
}

// What the gadget paints, in window coordinates: its own rectangle, every
// item it holds, such as the carousel's labels hanging below and beside it,
// and the shown root controls beside it, such as a favourite's data window.
QRect BaseSceneWindow::paintedRectInWindow() const
{
    QRectF painted = m_wrapper->mapRectToScene(m_wrapper->boundingRect() | m_wrapper->childrenBoundingRect());
    for (const QPointer<Gadgets::SvgControlObject>& control : m_rootControls) {
        if (control && control->isVisible())
            painted |= control->sceneBoundingRect() | control->mapRectToScene(control->childrenBoundingRect());
    }
    // Every pixel the items touch, partly covered ones at the edges too,
    // mapped without rounding on the way: rounding the corners apart cut
    // the last column.
    const QRectF inViewport = m_view->viewportTransform().mapRect(painted);
    const QPoint viewport = m_view->viewport()->mapTo(this, QPoint(0, 0));
    return inViewport.toAlignedRect().translated(viewport).intersected(rect());
}

QImage BaseSceneWindow::createWindowImage(QPoint* offset) const
{
    const QRect gadget = paintedRectInWindow();
    if (offset)
        *offset = gadget.topLeft();
    if (gadget.isEmpty())
        return QImage();
    QImage image(gadget.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(0);
    const auto flags = m_wholeDesktopMode
                           ? RenderFlags(DrawWindowBackground | DrawChildren | IgnoreMask)
                           : RenderFlags(DrawChildren | IgnoreMask);
    auto* self = const_cast<BaseSceneWindow*>(this);
    const QScopedValueRollback drawingPicture(self->m_drawingPicture, true);
    self->render(&image, QPoint(), QRegion(gadget), flags);
    return image;
}

void BaseSceneWindow::startInputMaskUpdate(bool start)
{
    if (m_inputMaskRunning == start)
        return;
    m_inputMaskRunning = start;
    if (!start) {
        m_inputMaskTimer.stop();
        if (m_inputMaskThread && m_inputMaskThread->isRunning() && !m_inputMaskThread->isFinished()) {
            if (m_inputMaskUpdater)
                QMetaObject::invokeMethod(m_inputMaskUpdater, &Utilities::InputMaskUpdater::stop,
                                          Qt::QueuedConnection);
            m_inputMaskThread->quit();
        }
        return;
    }
    if (m_inputMaskUpdater)
        return;
    m_shaper->workerStarted();
    auto* updater = new Utilities::InputMaskUpdater;
    m_inputMaskUpdater = updater;
    if (!m_inputMaskThread)
        m_inputMaskThread = new QThread(this);
    connect(m_inputMaskThread, &QThread::started, updater, &Utilities::InputMaskUpdater::start);
    connect(m_inputMaskThread, &QThread::finished, updater, &QObject::deleteLater);
    connect(updater, &QObject::destroyed, this, &BaseSceneWindow::reportReadyToDestroy, Qt::QueuedConnection);
    updater->moveToThread(m_inputMaskThread);
    connect(this, &BaseSceneWindow::inputMaskRequested, updater, &Utilities::InputMaskUpdater::updateMask,
            Qt::QueuedConnection);
    connect(updater, &Utilities::InputMaskUpdater::maskReady, this, &BaseSceneWindow::onMaskReady,
            Qt::QueuedConnection);
    m_inputMaskThread->start(QThread::InheritPriority);
    scheduleInputMaskUpdate();
}

// The input shape of a window under a compositing manager waits until the
// scene settles. A window cut to its drawn pixels (no compositing manager)
// draws nothing beyond its shape, so there the shape follows the scene while
// it changes, as an animation carries items out of it.
void BaseSceneWindow::scheduleInputMaskUpdate()
{
    if (!m_inputMaskRunning || (m_view->drawsOpaqueOnly() && m_inputMaskTimer.isActive()))
        return;
    m_inputMaskTimer.start();
}

void BaseSceneWindow::requestInputMask()
{
    if (!m_inputMaskRunning || !m_inputMaskUpdater)
        return;
    if (coversWholeWindow()) {
        m_shaper->applyWholeWindow();
        return;
    }
    QPoint offset;
    const QImage image = createWindowImage(&offset);
    Q_EMIT inputMaskRequested(image, offset, m_shaper->nextRequest());
}

void BaseSceneWindow::onMaskReady(const QRegion& region, quint64 serial)
{
    m_shaper->applyAnswer(region, serial);
}

void BaseSceneWindow::setFirstInputMask()
{
    m_shaper->applyGadgetRect();
}

void BaseSceneWindow::widenShape(const QRect& oldRect, const QRect& newRect)
{
    if (m_shaper->widen(oldRect, newRect))
        scheduleInputMaskUpdate();
}

void BaseSceneWindow::prepareToDestroy()
{
    if (!m_inputMaskUpdater) {
        QMetaObject::invokeMethod(this, &BaseSceneWindow::reportReadyToDestroy, Qt::QueuedConnection);
        return;
    }
    startInputMaskUpdate(false);
}

void BaseSceneWindow::reportReadyToDestroy()
{
    if (m_readyToDestroyReported)
        return;
    m_readyToDestroyReported = true;
    Q_EMIT readyToDestroy();
}

void BaseSceneWindow::destroyLater()
{
    // Once reported ready (at quit) no second report comes: the window goes
    // at once, its destructor stopping a worker that a late paint restarted.
    if (m_inputMaskUpdater && !m_readyToDestroyReported) {
        connect(this, &BaseSceneWindow::readyToDestroy, this, &QObject::deleteLater);
        startInputMaskUpdate(false);
    } else {
        deleteLater();
    }
}

} // namespace Corvane::Sentrel
