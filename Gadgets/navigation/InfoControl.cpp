#include "navigation/InfoControl.h"

#include "controls/IconRenderer.h"
#include "controls/SvgButton.h"
#include "controls/SvgContentButton.h"
#include "controls/SvgElement.h"
#include "log/Logger.h"
#include "models/NavigationIcon.h"
#include "text/TextLabel.h"
#include "theme/RendererContainer.h"
#include "theme/ThemeProvider.h"
#include "utilities/Globals.h"

#include <QCoreApplication>
#include <QGraphicsSceneMouseEvent>
#include <QSvgRenderer>

namespace Corvane::Gadgets {

const QString InfoControl::BACKGROUND_ID = QStringLiteral("background");
const QString InfoControl::BUTTON_CONFIGURE_ID = QStringLiteral("configure");
const QString InfoControl::BUTTON_FLIP_ID = QStringLiteral("flip");
const QString InfoControl::TEXT_PLACEHOLDER_ID = QStringLiteral("text_placeholder");
const QString InfoControl::MOVE_INDICATOR_ID = QStringLiteral("move_indicator");
const QString InfoControl::CONFIGURE_CONFIG_KEY = QStringLiteral("configure");
const QString InfoControl::VERSION_KEY = QStringLiteral("version");

namespace {

const qreal MOVING_OPACITY = 0.5;
const double MOVING_PRESSED_ICON_OPACITY = 0.1;

} // namespace

InfoControl::InfoControl(Utilities::RendererContainer* renderer, SvgControlObject* parent)
    : SvgControlObject(renderer, parent)
    , m_opacityAlternator(1.0)
    , m_opacityAnimation(this, QByteArrayLiteral("floatingIconsOpacity"), this)
{
    setAcceptHoverEvents(true);
    setFiltersChildEvents(true);
    if (renderer && renderer->renderer())
        setBounds(QRectF(QPointF(0, 0), renderer->renderer()->defaultSize()));
    createElements();
    m_opacityAlternator.addOpacityAlternatedItem(m_flipButton);
    setFloatingIconsOpacity(0.0);
}

void InfoControl::createElements()
{
    m_background = initElement(BACKGROUND_ID);
    m_background->setAcceptsMouse(true);
    createConfigureButton();
    m_flipButton = initButton(BUTTON_FLIP_ID);
    createVersionLabel();
    m_moveIndicator = initElement(MOVE_INDICATOR_ID);
    applyMoveVisual();
    retranslateUi();
}

void InfoControl::createConfigureButton()
{
    m_configureButton = initContentButton(BUTTON_CONFIGURE_ID);
    m_configureButton->setContentBounds(boundsOnElement(BUTTON_CONFIGURE_ID + SvgButton::CONTENT_SUFFIX));
    m_configureButton->setIconRenderer(
        Utilities::IconRenderer(ThemeProvider::getRendererFor(ThemeProvider::CONFIGURE), {}));
    m_configureButton->setIconElement(Models::NavigationIcon::NORMAL_ELEMENT_ID);
    m_configureButton->setControlId(CONFIGURE_CONFIG_KEY);
    m_configureButton->setFitTextInPlaceholderBounds(true);
}

void InfoControl::createVersionLabel()
{
    m_versionLabel = new TextLabel(QString(), this);
    m_versionLabel->setTextBounds(boundsOnElement(TEXT_PLACEHOLDER_ID));
    m_versionLabel->setControlId(VERSION_KEY);
    m_versionLabel->setMode(TextLabel::MultiLineAligned);
    addToChildrensList(m_versionLabel);
}

void InfoControl::setIsInFullScreenMode(bool fullScreen)
{
    m_isInFullScreenMode = fullScreen;
}

void InfoControl::setFloatingIconsOpacity(qreal opacity)
{
    m_opacityAlternator.setItemsOpacity(opacity);
}

void InfoControl::paint(QPainter*, const QStyleOptionGraphicsItem*, QWidget*)
{
}

void InfoControl::retranslateUi()
{
    SvgControlObject::retranslateUi();
    m_configureButton->setText(tr("Configure"));
    m_versionLabel->setText(Corvane::Utilities::Globals::productFamily() + QLatin1Char('\n') + tr("Version") +
                            QStringLiteral(": ") + QCoreApplication::applicationVersion());
}

void InfoControl::onElementClick(SvgElement* element)
{
    if (element == m_flipButton) {
        Log::Logger(Log::Logger::Trace) << "Info Control, flip button clicked.";
        emit flipButtonClicked();
    } else if (element == m_configureButton) {
        Log::Logger(Log::Logger::Trace) << "Info Control, configure button clicked.";
        emit configButtonClicked();
    }
    SvgControlObject::onElementClick(element);
}

// The container reports the pointer leaving only after its delay, so that a
// brief exit does not fade the button.
void InfoControl::onHoverEntered(bool hasEntered)
{
    m_opacityAnimation.startItemsOpacityAnimation(floatingIconsOpacity(), hasEntered ? 1.0 : 0.0);
}

void InfoControl::mousePressAndHoldEvent(QGraphicsSceneMouseEvent* event)
{
    if (m_background->hitTest(event->scenePos()))
        setMoving(true);
    SvgControlObject::mousePressAndHoldEvent(event);
}

void InfoControl::mousePressAndMoveEvent(const QPointF& pressScenePos, QGraphicsSceneMouseEvent* event,
                                         void* pressConsumer)
{
    if (isConsumer(pressConsumer, m_background)) {
        setMoving(true);
        emit elementDrag(m_background, event);
    }
    SvgControlObject::mousePressAndMoveEvent(pressScenePos, event, pressConsumer);
}

void InfoControl::mouseReleaseEvent(QGraphicsSceneMouseEvent* event, void* pressConsumer)
{
    setMoving(false);
    SvgControlObject::mouseReleaseEvent(event, pressConsumer);
}

void InfoControl::setMoving(bool moving)
{
    if (m_isMoving == moving)
        return;
    m_isMoving = moving;
    applyMoveVisual();
}

// While the face is dragged, everything but the move indicator dims, so the
// user sees what is being moved; a full-screen face never moves.
void InfoControl::applyMoveVisual()
{
    if (m_isInFullScreenMode)
        return;
    const qreal opacity = m_isMoving ? MOVING_OPACITY : 1.0;
    m_background->setOpacity(opacity);
    m_versionLabel->setOpacity(opacity);
    m_configureButton->setOpacity(opacity);
    // The flip button returns to its hover fade, not to full opacity: a drag
    // that ends outside the gadget must not leave it showing.
    m_flipButton->setOpacity(m_isMoving ? MOVING_OPACITY : floatingIconsOpacity());
    m_configureButton->setIconOpacity(1.0, 1.0, m_isMoving ? MOVING_PRESSED_ICON_OPACITY : 1.0);
    m_moveIndicator->setVisible(m_isMoving);
}

} // namespace Corvane::Gadgets
