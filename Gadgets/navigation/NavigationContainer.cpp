#include "navigation/NavigationContainer.h"

#include "animation/FlipAnimator.h"
#include "controls/SvgButton.h"
#include "navigation/InfoControl.h"
#include "navigation/NavigationControl.h"
#include "navigation/NavigationLabels.h"
#include "theme/RendererContainer.h"
#include "theme/ThemeProvider.h"

#include <QCursor>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QGraphicsSceneHoverEvent>
#include <QGraphicsSceneMouseEvent>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <QSvgRenderer>

#include <algorithm>

namespace Corvane::Gadgets {

const QString NavigationContainer::FULLSCREEN_INFO_ID = QStringLiteral("info_fullscreen");
const QString NavigationContainer::FULLSCREEN_CLOSE_ID = QStringLiteral("close_fullscreen");
const QString NavigationContainer::FULLSCREEN_REFRESH_ID = QStringLiteral("refresh_fullscreen");
const QString NavigationContainer::FULLSCREEN_FLIP_ID = QStringLiteral("flip_fullscreen");

namespace {

constexpr int HOVER_LEAVE_DELAY_MS = 1000;
// Distance of the full-screen buttons from the edges of the scene.
constexpr qreal FULLSCREEN_MARGIN = 8.0;

QSizeF defaultSize(Utilities::RendererContainer* renderer)
{
    return renderer && renderer->renderer() ? QSizeF(renderer->renderer()->defaultSize()) : QSizeF();
}

} // namespace

NavigationContainer::NavigationContainer(SvgControlObject* parent)
    : SvgControlObject(ThemeProvider::getRendererFor(ThemeProvider::NAVIGATION), parent)
    , m_hoverTimer(std::make_unique<QTimer>())
{
    setAcceptHoverEvents(true);
    setFlag(ItemSendsGeometryChanges, true);
    setFlag(ItemSendsScenePositionChanges, true);
    setBounds(QRectF(QPointF(0, 0), navigationDefaultSize()));

    createFaces();
    createFullScreenButtons();
    setIsInFullScreenMode(false);
    connectHover();
    createFlipAnimator();
}

NavigationContainer::~NavigationContainer()
{
    removeFullScreenButtonsFromScene();
    qDeleteAll(m_fullScreenButtons);
}

QSizeF NavigationContainer::navigationDefaultSize() const
{
    return defaultSize(rendererContainer());
}

void NavigationContainer::createFaces()
{
    m_navigationControl = new NavigationControl(ThemeProvider::getRendererFor(ThemeProvider::NAVIGATION), this);
    m_navigationControl->setFlag(ItemStacksBehindParent, true);
    m_navigationControl->setBounds(QRectF(QPointF(0, 0), navigationDefaultSize()));
    addToChildrensList(m_navigationControl);
}

InfoControl* NavigationContainer::infoControl()
{
    if (!m_infoControl)
        createInfoFace();
    return m_infoControl;
}

// The face takes what the container has handed its faces so far, and joins
// the turn.
void NavigationContainer::createInfoFace()
{
    Utilities::RendererContainer* infoRenderer = ThemeProvider::getRendererFor(ThemeProvider::INFO);
    m_infoControl = new InfoControl(infoRenderer, this);
    m_infoControl->setFlag(ItemStacksBehindParent, true);
    m_infoControl->setBounds(QRectF(QPointF(0, 0), defaultSize(infoRenderer)));
    addToChildrensList(m_infoControl);
    m_infoControl->setCustomScale(customScale());
    m_infoControl->setElementsSuffix(elementsSuffix());
    m_infoControl->flipButton()->setVisible(!isInFullScreenMode());
    m_infoControl->setIsInFullScreenMode(isInFullScreenMode());
    if (m_hovered) {
        // As if it had heard of the pointer's coming in long ago.
        m_infoControl->setFloatingIconsOpacity(1.0);
        m_infoControl->onHoverEntered(true);
    }
    connect(this, SIGNAL(hoverEntered(bool)), m_infoControl, SLOT(onHoverEntered(bool)));
    connect(m_infoControl, &InfoControl::flipButtonClicked, m_flipAnimator, &Utilities::FlipAnimator::backToFront);
    m_flipAnimator->setItems({m_navigationControl}, {m_infoControl});
    m_flipAnimator->setup(false);
    emit infoControlCreated(m_infoControl);
}

void NavigationContainer::turnToInfo()
{
    infoControl();
    m_flipAnimator->goFrontToBack();
}

void NavigationContainer::createFullScreenButtons()
{
    m_fullScreenCloseButton = createFullScreenButton(FULLSCREEN_CLOSE_ID);
    m_fullScreenRefreshButton = createFullScreenButton(FULLSCREEN_REFRESH_ID);
    m_fullScreenInfoButton = createFullScreenButton(FULLSCREEN_INFO_ID);
    m_fullScreenFlipButton = createFullScreenButton(FULLSCREEN_FLIP_ID);
}

SvgButton* NavigationContainer::createFullScreenButton(const QString& elementId)
{
    auto* button = new SvgButton(ThemeProvider::getRendererFor(ThemeProvider::NAVIGATION), elementId, nullptr);
    m_fullScreenButtons.append(button);
    return button;
}

void NavigationContainer::connectHover()
{
    connect(this, SIGNAL(hoverEntered(bool)), m_navigationControl, SLOT(onHoverEntered(bool)));
    connect(this, &NavigationContainer::hoverEntered, this, [this](bool entered) { m_hovered = entered; });
    connect(m_hoverTimer.get(), &QTimer::timeout, this, &NavigationContainer::onTimerTimedOut);
}

void NavigationContainer::createFlipAnimator()
{
    m_flipAnimator = new Utilities::FlipAnimator(this);
    m_flipAnimator->setAutoCenter(true);
    // The turn is built with the info face, which is made first.
    connect(m_navigationControl, &NavigationControl::infoButtonClicked, this, &NavigationContainer::turnToInfo);
    connect(this, &NavigationContainer::infoPressed, this, &NavigationContainer::turnToInfo);
    connect(this, &NavigationContainer::escapePressed, m_flipAnimator, &Utilities::FlipAnimator::backToFront);
    connect(m_flipAnimator, &Utilities::FlipAnimator::frontToBack, this, &NavigationContainer::onFrontToBack);
    connect(m_flipAnimator, &Utilities::FlipAnimator::backToFront, this, &NavigationContainer::onBackToFront);
    connect(m_flipAnimator, &Utilities::FlipAnimator::turnFinished, this, &NavigationContainer::onTurnFinished);
}

void NavigationContainer::setHandlesKeyboardInput(bool handles)
{
    m_handlesKeyboardInput = handles;
}

bool NavigationContainer::isInFullScreenMode() const
{
    return m_navigationControl && m_navigationControl->isInFullScreenMode();
}

void NavigationContainer::setIsInFullScreenMode(bool fullScreen)
{
    if (fullScreen) {
        setFullScreenInfoButtonShown(m_navigationControl->isVisibleTo(this));
        m_fullScreenRefreshButton->setVisible(true);
        m_fullScreenCloseButton->setVisible(true);
        setButtonsOffset();
    } else {
        for (SvgButton* button : std::as_const(m_fullScreenButtons))
            button->setVisible(false);
    }
    m_navigationControl->setIsInFullScreenMode(fullScreen);
    if (m_infoControl) {
        m_infoControl->flipButton()->setVisible(!fullScreen);
        m_infoControl->setIsInFullScreenMode(fullScreen);
    }
}

// The info and the flip button share the bottom right corner: one of them
// shows at a time, according to the face that is up.
void NavigationContainer::setFullScreenInfoButtonShown(bool shown)
{
    m_fullScreenInfoButton->setVisible(shown);
    m_fullScreenFlipButton->setVisible(!shown);
}

void NavigationContainer::setButtonsOffset()
{
    QGraphicsScene* scene = this->scene();
    if (!scene)
        return;
    const qreal s = customScale();
    for (SvgButton* button : std::as_const(m_fullScreenButtons)) {
        if (button->scene() != scene)
            scene->addItem(button);
        button->setScale(s);
    }

    const QRectF sceneRect = scene->sceneRect();
    const qreal w = sceneRect.width();
    const qreal h = sceneRect.height();
    const QRectF close = m_fullScreenCloseButton->boundingRect();
    const QRectF info = m_fullScreenInfoButton->boundingRect();
    const QPointF bottomRight(w - info.width() * s - FULLSCREEN_MARGIN, h - info.height() * s - FULLSCREEN_MARGIN);
    m_fullScreenRefreshButton->setOffset(QPointF(FULLSCREEN_MARGIN, FULLSCREEN_MARGIN));
    m_fullScreenCloseButton->setOffset(QPointF(w - close.width() * s - FULLSCREEN_MARGIN, FULLSCREEN_MARGIN));
    m_fullScreenInfoButton->setOffset(bottomRight);
    m_fullScreenFlipButton->setOffset(bottomRight);
}

// The buttons are top-level items: left behind in a scene the container
// has left, they could be deleted by that scene before the container,
// which deletes them too.
void NavigationContainer::removeFullScreenButtonsFromScene()
{
    for (SvgButton* button : std::as_const(m_fullScreenButtons)) {
        if (button->scene())
            button->scene()->removeItem(button);
    }
}

SvgButton* NavigationContainer::createAndAddButton(Utilities::RendererContainer* renderer, const QString& elementId)
{
    auto* button = new SvgButton(renderer, elementId, this);
    addToChildrensList(button);
    return button;
}

void NavigationContainer::setCustomScale(qreal scale)
{
    SvgControlObject::setCustomScale(scale);
    m_flipAnimator->setup(true);
    emit customScaleChanged(scale);
}

void NavigationContainer::setOffset(const QPointF& offset)
{
    SvgControlObject::setOffset(offset);
    m_flipAnimator->setup(true);
}

void NavigationContainer::parentOffsetChanged()
{
    SvgControlObject::parentOffsetChanged();
    m_flipAnimator->setup(true);
}

void NavigationContainer::totalOffsetChanged()
{
    setButtonsOffset();
}

void NavigationContainer::handleMousePress(QGraphicsSceneMouseEvent* event, Gestures::EventConsumer& consumer)
{
    // The full-screen buttons are no child controls; they are tested first.
    for (SvgButton* button : std::as_const(m_fullScreenButtons)) {
        if (button->isVisible() && button->isEnabled() && button->hitTest(event->scenePos())) {
            onElementClick(button);
            break;
        }
    }
    SvgControlObject::handleMousePress(event, consumer);
    emit mousePress();
}

void NavigationContainer::paint(QPainter*, const QStyleOptionGraphicsItem*, QWidget*)
{
}

void NavigationContainer::updateCachedData()
{
    SvgControlObject::updateCachedData();
    const QRectF bounds(QPointF(0, 0), defaultSize(m_navigationControl->rendererContainer()));
    setBounds(bounds);
    m_navigationControl->setBounds(bounds);
    setCustomScale(customScale());
    // The full-screen buttons are no child controls: they follow the new
    // theme here, and their size may have changed.
    for (SvgButton* button : std::as_const(m_fullScreenButtons))
        button->updateCachedData();
    setButtonsOffset();
}

void NavigationContainer::onElementClick(SvgElement* element)
{
    if (element == m_fullScreenInfoButton)
        turnToInfo();
    else if (element == m_fullScreenFlipButton)
        m_flipAnimator->goBackToFront();
    SvgControlObject::onElementClick(element);
}

void NavigationContainer::hoverMoveEvent(QGraphicsSceneHoverEvent* event)
{
    SvgControlObject::hoverMoveEvent(event);
    if (event->pos() != event->lastPos())
        emit hoverMove();
}

void NavigationContainer::hoverEnterEvent(QGraphicsSceneHoverEvent* event)
{
    m_hoverTimer->stop();
    SvgControlObject::hoverEnterEvent(event);
    emit hoverEntered(true);
}

void NavigationContainer::hoverLeaveEvent(QGraphicsSceneHoverEvent* event)
{
    SvgControlObject::hoverLeaveEvent(event);
    m_hoverTimer->setSingleShot(true);
    m_hoverTimer->start(HOVER_LEAVE_DELAY_MS);
}

void NavigationContainer::mouseReleaseEvent(QGraphicsSceneMouseEvent* event, void* pressConsumer)
{
    SvgControlObject::mouseReleaseEvent(event, pressConsumer);
    emit mouseRelease();
}

void NavigationContainer::keyPressEvent(QKeyEvent* event)
{
    if (!m_handlesKeyboardInput)
        return;
    SvgControlObject::keyPressEvent(event);
    if (event->key() == Qt::Key_I || event->key() == Qt::Key_F1)
        emit infoPressed();
    else if (event->key() == Qt::Key_Escape)
        emit escapePressed();
    emit keyPressed(event);
}

void NavigationContainer::keyReleaseEvent(QKeyEvent* event)
{
    if (!m_handlesKeyboardInput)
        return;
    SvgControlObject::keyReleaseEvent(event);
    emit keyReleased(event);
}

void NavigationContainer::wheelEvent(QGraphicsSceneWheelEvent* event)
{
    QGraphicsItem::wheelEvent(event);
    emit wheel();
}

QVariant NavigationContainer::itemChange(GraphicsItemChange change, const QVariant& value)
{
    if (change == ItemSceneChange)
        removeFullScreenButtonsFromScene();
    return SvgControlObject::itemChange(change, value);
}

// The window lets the pointer through where nothing is drawn (its input or
// bounding shape), so the pointer leaves the gadget as it crosses a gap,
// for instance towards a floating button: the gadget counts as left only
// once the pointer is off every pixel the scene draws, not off the
// rectangle spanned by the labels and the rings.
void NavigationContainer::onTimerTimedOut()
{
    if (pointerIsOver()) {
        m_hoverTimer->start(HOVER_LEAVE_DELAY_MS);
        return;
    }
    emit hoverEntered(false);
}

bool NavigationContainer::pointerIsOver() const
{
    if (!scene())
        return false;
    const QList<QGraphicsView*> views = scene()->views();
    return std::any_of(views.cbegin(), views.cend(), [this](const QGraphicsView* view) {
        const QPoint inView = view->viewport()->mapFromGlobal(QCursor::pos());
        return view->viewport()->rect().contains(inView) && drawsAt(view, inView);
    });
}

// Renders the one pixel of the view at inView: drawn when not fully
// transparent, as the window's shape counts it.
bool NavigationContainer::drawsAt(const QGraphicsView* view, const QPoint& inView) const
{
    QImage pixel(1, 1, QImage::Format_ARGB32_Premultiplied);
    pixel.fill(Qt::transparent);
    QPainter painter(&pixel);
    scene()->render(&painter, QRectF(0, 0, 1, 1), view->mapToScene(QRect(inView, QSize(1, 1))).boundingRect());
    painter.end();
    return qAlpha(pixel.pixel(0, 0)) != 0;
}

void NavigationContainer::onHoverEntered(bool hasEntered)
{
    emit hoverEntered(hasEntered);
}

// The carousel's name plates hang far off the axis the faces turn about: in
// perspective, what they would draw while turning cannot be bounded, and a
// translucent window kept their trails on the desktop. They leave before a
// turn, from where they are, and come back once the front is up again.
void NavigationContainer::onFrontToBack()
{
    if (isInFullScreenMode())
        setFullScreenInfoButtonShown(false);
    setLabelsShown(false);
}

void NavigationContainer::onBackToFront()
{
    // With the front already up (Escape closing a ring) no turn runs, and
    // nothing would bring the plates back.
    if (m_flipAnimator->facesFront())
        return;
    if (isInFullScreenMode())
        setFullScreenInfoButtonShown(true);
    setLabelsShown(false);
}

void NavigationContainer::onTurnFinished()
{
    setLabelsShown(m_navigationControl && m_navigationControl->isVisible());
}

void NavigationContainer::setLabelsShown(bool shown)
{
    if (m_navigationControl && m_navigationControl->labels())
        m_navigationControl->labels()->setVisible(shown);
}

} // namespace Corvane::Gadgets
