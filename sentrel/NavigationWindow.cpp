#include "NavigationWindow.h"

#include "LaterStartRequest.h"
#include "Settings.h"
#include "Controllers/base/CarouselController.h"
#include "Controllers/navigation/NavigationController.h"
#include "Controllers/navigation/NavigationMenus.h"
#include "Controllers/navigation/UserConfigurationController.h"
#include "scenes/MainScene.h"

#include "carousel/CarouselView.h"
#include "controls/SvgElement.h"
#include "devices/Configuration.h"
#include "devices/GuiProperties.h"
#include "hosting/NavigationQMLWrapper.h"
#include "label/Label.h"
#include "log/Logger.h"
#include "controls/SvgButton.h"
#include "controls/SvgContentButton.h"
#include "navigation/InfoControl.h"
#include "navigation/NavigationContainer.h"
#include "navigation/NavigationControl.h"
#include "navigation/NavigationLabels.h"
#include "slider/SvgSliderControl.h"
#include "theme/RendererContainer.h"
#include "theme/ThemeProvider.h"
#include "utilities/InitSettings.h"
#include "utilities/Localization/LanguageSettings.h"
#include "utilities/WidgetUtilities.h"

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QGraphicsSceneWheelEvent>
#include <QKeyEvent>
#include <QScreen>
#include <QSvgRenderer>

#include <algorithm>
#include <cmath>

namespace Corvane::Sentrel {

using Corvane::Log::Logger;
using Corvane::Utilities::InitSettings;
using Corvane::Utilities::Localization::LanguageSettings;
using Gadgets::NavigationContainer;
using Gadgets::NavigationControl;

QList<Utilities::Localization::LocaleData> NavigationWindow::s_locales;
const QString NavigationWindow::FULLSCREEN_BACKGROUND_FILE = QStringLiteral("fullScreenBackground.png");

NavigationWindow::NavigationWindow(QWidget* parent, std::unique_ptr<Gadgets::Gestures::CursorPositionProvider> cursor)
    : BaseSceneWindow(std::make_unique<MainScene>(), parent, std::move(cursor))
{
    s_locales = LanguageSettings::locales(metaObject()->className());
    // The program chose the skin before building the scene; choosing it again
    // would parse every drawing of the scene a second time.
    const QString skin = Settings::guiProperties().skin();
    if (skin != Gadgets::ThemeProvider::themeFile())
        Gadgets::ThemeProvider::setThemeFile(skin);

    m_navigationContainer = qobject_cast<NavigationContainer*>(mainControl());
    setDefaultSize(navigationDefaultSize());
    updateScaleRange();
    setDefaultScale();

    m_carouselController = new Controllers::CarouselController(this);
    m_userConfigurationController = new Controllers::UserConfigurationController(this);
    connect(m_userConfigurationController, &Controllers::UserConfigurationController::settingsChanged, this,
            &NavigationWindow::settingsChanged);

    setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Maximum);
    setContextMenuPolicy(Qt::CustomContextMenu);
    if (m_navigationContainer) {
        connectElements(navigationControl());
        // The info face is made when first shown.
        connect(m_navigationContainer, &NavigationContainer::infoControlCreated, this,
                [this](Gadgets::InfoControl* info) { connectElements(info); });
    }
    setWindowTitle(QCoreApplication::applicationName());
    updateTranslators(Settings::guiProperties().language());

    m_navigationController = new Controllers::NavigationController(this);
    m_navigationController->initialize();
    // A right click on the gadget opens the main context menu.
    connect(this, &QWidget::customContextMenuRequested, m_navigationController,
            &Controllers::NavigationController::onContextMenuRequest);

    for (QScreen* screen : QGuiApplication::screens())
        watchScreen(screen);
    connect(qGuiApp, &QGuiApplication::screenAdded, this, &NavigationWindow::watchScreen);
    fadeCarouselItemsWhereTheDesktopBlends();
}

// Drawn opaque only, a faded panel of the carousel would keep its text and
// lose its background: there the panels are drawn whole.
void NavigationWindow::fadeCarouselItemsWhereTheDesktopBlends()
{
    const auto* host = qobject_cast<Gadgets::Utilities::NavigationQMLWrapper*>(wrapper());
    Gadgets::CarouselView* carousel = host ? host->pathView() : nullptr;
    auto* sceneView = qobject_cast<SceneView*>(view());
    if (!carousel || !sceneView)
        return;
    carousel->setFadesItems(!sceneView->drawsOpaqueOnly());
    connect(sceneView, &SceneView::drawsOpaqueOnlyChanged, carousel,
            [carousel](bool opaqueOnly) { carousel->setFadesItems(!opaqueOnly); });
}

void NavigationWindow::watchScreen(QScreen* screen)
{
    connect(screen, &QScreen::geometryChanged, this, &NavigationWindow::followScreenChange);
    connect(screen, &QScreen::availableGeometryChanged, this, &NavigationWindow::followScreenChange);
}

void NavigationWindow::connectElements(Gadgets::SvgControlObject* control)
{
    connect(control, &Gadgets::SvgControlObject::elementClick, this, &NavigationWindow::onElementClick);
    connect(control, &Gadgets::SvgControlObject::elementDrag, this, &NavigationWindow::onElementDrag);
}

NavigationWindow::~NavigationWindow()
{
    // The controllers point into the gadget: they go first, the page
    // controllers and their drivers before the carousel they show on.
    delete m_navigationController;
    m_navigationController = nullptr;
    delete m_userConfigurationController;
    m_userConfigurationController = nullptr;
    delete m_carouselController;
    m_carouselController = nullptr;
}

MainScene* NavigationWindow::mainScene() const
{
    return static_cast<MainScene*>(sceneDefinition());
}

NavigationControl* NavigationWindow::navigationControl() const
{
    return m_navigationContainer ? m_navigationContainer->navigationControl() : nullptr;
}

QSize NavigationWindow::navigationDefaultSize() const
{
    NavigationControl* navigation = navigationControl();
    if (!navigation || !navigation->rendererContainer() || !navigation->rendererContainer()->renderer())
        return QSize();
    return navigation->rendererContainer()->renderer()->defaultSize();
}

QPointF NavigationWindow::hotSpot() const
{
    NavigationControl* navigation = navigationControl();
    if (!navigation)
        return QPointF();
    return m_navigationContainer->mapFromItem(navigation, navigation->hotspot());
}

bool NavigationWindow::isInFullScreenMode() const
{
    return navigationControl() && navigationControl()->isInFullScreenMode();
}

void NavigationWindow::updateScaleRange()
{
    NavigationControl* navigation = navigationControl();
    const QRectF bounds = navigation ? navigation->boundsOnElement(NavigationControl::BACKGROUND_ID) : QRectF();
    const int w = qRound(bounds.width());
    const int h = qRound(bounds.height());
    if (w != 0 && h != 0) {
        setMinScale(std::max(double(InitSettings::gadgetMinWidth()) / w, double(InitSettings::gadgetMinHeight()) / h));
        setMaxScale(std::min(double(InitSettings::gadgetMaxWidth()) / w, double(InitSettings::gadgetMaxHeight()) / h));
    } else {
        BaseSceneWindow::updateScaleRange();
    }
}

// Full-screen mode stays opaque and screen-sized: a transparency or size
// chosen meanwhile (in the settings dialog) is what leaving it restores.
void NavigationWindow::setTransparency(int transparency)
{
    if (isInFullScreenMode())
        m_fullScreenOpacity = opacityForTransparency(transparency);
    else
        BaseSceneWindow::setTransparency(transparency);
}

void NavigationWindow::setScale(int percent, bool force)
{
    if (isInFullScreenMode())
        m_fullScreenScalePercent = percent;
    else
        BaseSceneWindow::setScale(percent, force);
}

void NavigationWindow::handleResizing(QGraphicsSceneMouseEvent* event)
{
    if (!isInFullScreenMode())
        BaseSceneWindow::handleResizing(event);
}

void NavigationWindow::handleMoving()
{
    if (!isInFullScreenMode())
        BaseSceneWindow::handleMoving();
}

// Elements are told apart by identity: a button's element id names the
// state it shows ("close_default", "move_over", ...), not the button.
void NavigationWindow::onElementClick(Gadgets::SvgElement* element)
{
    NavigationControl* navigation = navigationControl();
    if (!element || !navigation)
        return;
    if (element == navigation->closeButton()
        || (m_navigationContainer && element == m_navigationContainer->fullScreenCloseButton()))
        close();
}

void NavigationWindow::onElementDrag(Gadgets::SvgElement* element, QGraphicsSceneMouseEvent* event)
{
    NavigationControl* navigation = navigationControl();
    if (!element || !navigation)
        return;
    const Gadgets::InfoControl* info = m_navigationContainer && m_navigationContainer->isInfoControlCreated()
        ? m_navigationContainer->infoControl()
        : nullptr;
    if (element == navigation->centerButton() || (info && element == info->background()))
        handleMoving();
    else if (element == navigation->resizeButton())
        handleResizing(event);
}

Gadgets::SvgControlObject* NavigationWindow::currentCarouselControl() const
{
    return m_carouselController ? m_carouselController->currentControl() : nullptr;
}

void NavigationWindow::handleRelease(void* pressConsumer)
{
    if (m_carouselResizeInProgress) {
        m_carouselResizeInProgress = false;
        if (m_carouselController)
            for (Gadgets::SvgControlObject* control : m_carouselController->carouselControls())
                control->scaleHasFinishedChanging();
    }
    // The full-screen scale fits the screen; the user's size is the one
    // chosen outside full-screen mode.
    if (!isInFullScreenMode())
        Settings::guiProperties().setDimension(scalePercent());
    BaseSceneWindow::handleRelease(pressConsumer);
}

void NavigationWindow::handleMouseWheelEvent(QGraphicsSceneWheelEvent* event)
{
    event->setAccepted(false);
    if (m_carouselController)
        m_carouselController->handleMouseWheelEvent(event);
    if (!event->isAccepted())
        BaseSceneWindow::handleMouseWheelEvent(event);
}

void NavigationWindow::forwardKeyPress(QKeyEvent* event)
{
    if (m_carouselController) {
        event->setAccepted(false);
        m_carouselController->handleKeyPress(event);
        if (event->isAccepted())
            return;
    }
    BaseSceneWindow::forwardKeyPress(event);
}

void NavigationWindow::forwardMousePress(QGraphicsSceneMouseEvent* event, Gadgets::Gestures::EventConsumer& consumer)
{
    BaseSceneWindow::forwardMousePress(event, consumer);
    if (Gadgets::SvgControlObject* control = currentCarouselControl())
        control->handleMousePress(event, consumer);
}

void NavigationWindow::forwardMouseRelease(QGraphicsSceneMouseEvent* event, void* pressConsumer)
{
    BaseSceneWindow::forwardMouseRelease(event, pressConsumer);
    if (Gadgets::SvgControlObject* control = currentCarouselControl())
        control->handleMouseRelease(event, pressConsumer);
}

void NavigationWindow::forwardMouseClick(QGraphicsSceneMouseEvent* event)
{
    BaseSceneWindow::forwardMouseClick(event);
    if (Gadgets::SvgControlObject* control = currentCarouselControl())
        control->handleMouseClick(event);
}

void NavigationWindow::forwardMouseDoubleClick(QGraphicsSceneMouseEvent* event)
{
    BaseSceneWindow::forwardMouseDoubleClick(event);
    if (Gadgets::SvgControlObject* control = currentCarouselControl())
        control->handleMouseDoubleClick(event);
}

void NavigationWindow::forwardMousePressAndHold(QGraphicsSceneMouseEvent* event)
{
    BaseSceneWindow::forwardMousePressAndHold(event);
    if (Gadgets::SvgControlObject* control = currentCarouselControl())
        control->handleMousePressAndHold(event);
}

void NavigationWindow::forwardMousePressAndMove(const QPointF& pressScenePos, QGraphicsSceneMouseEvent* event,
                                                void* pressConsumer)
{
    BaseSceneWindow::forwardMousePressAndMove(pressScenePos, event, pressConsumer);
    if (Gadgets::SvgControlObject* control = currentCarouselControl())
        control->handleMousePressAndMove(pressScenePos, event, pressConsumer);
}

void NavigationWindow::forwardMouseEndPressAndMove(QGraphicsSceneMouseEvent* event)
{
    BaseSceneWindow::forwardMouseEndPressAndMove(event);
    if (Gadgets::SvgControlObject* control = currentCarouselControl())
        control->handleEndPressAndMove(event);
}

void NavigationWindow::setControlsCustomScale(qreal scale)
{
    BaseSceneWindow::setControlsCustomScale(scale);
    if (m_carouselController)
        for (Gadgets::SvgControlObject* control : m_carouselController->carouselControls())
            control->setCustomScale(scale);
}

void NavigationWindow::onCarouselControlResizeRequest(qreal factor, Devices::ConfigPage::PageType pageType)
{
    if (!m_carouselController)
        return;
    if (!m_carouselResizeInProgress) {
        m_carouselResizeInProgress = true;
        m_carouselResizeBaseFactor = m_carouselController->carouselDelegateScaleFactor();
    }
    const double scaled = factor * m_carouselResizeBaseFactor;
    m_carouselController->setCarouselDelegateScaleFactor(scaled);
    Settings::guiProperties().setCarouselScale(pageType, scaled);
}

void NavigationWindow::onAppStartRequest(const QStringList& arguments)
{
    const QString project = LaterStartRequest::projectToOpen(arguments);
    if (!project.isEmpty()) {
        Logger(Logger::Trace) << "A later start opens the project " << project;
        if (m_navigationController)
            m_navigationController->switchToProjectReadAhead(project);
    }
    showTo();
    raise();
    activateWindow();
}

void NavigationWindow::settingsChanged(const Devices::GuiProperties& previous)
{
    if (m_navigationController)
        m_navigationController->settingsChanged(previous);
}

void NavigationWindow::themeChanged()
{
    updateNonTransparentBackground();
    if (isInFullScreenMode())
        setFullScreenBackground();
    const QSize size = navigationDefaultSize();
    if (size.isValid() && size != defaultSize()) {
        setDefaultSize(size);
        updateScaleRange();
        setScale(scalePercent(), true);
    }
}

void NavigationWindow::updateTranslators(const QString& language)
{
    Settings::reloadTranslations(false, language);
    retranslateUi();
    switchLayoutDirection(language);
}

void NavigationWindow::retranslateUi()
{
    if (m_navigationContainer)
        m_navigationContainer->retranslateUi();
}

void NavigationWindow::switchLayoutDirection(const QString& language)
{
    const Qt::LayoutDirection direction =
        language == LanguageSettings::ARABIC_LOCALE ? Qt::RightToLeft : Qt::LeftToRight;
    if (QApplication::layoutDirection() != direction)
        QApplication::setLayoutDirection(direction);
}

QRect NavigationWindow::currentScreenGeometry() const
{
    QScreen* screen = QGuiApplication::screenAt(customRect().center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect();
}

QPoint NavigationWindow::positionInCurrentScreenCenter(const QRect& rect, bool available) const
{
    QScreen* screen = QGuiApplication::screenAt(customRect().center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const QRect area = available ? screen->availableGeometry() : screen->geometry();
    return area.center() - QPoint(rect.width() / 2, rect.height() / 2);
}

void NavigationWindow::applyStoredSettings()
{
    const Devices::GuiProperties& gui = Settings::guiProperties();
    setScale(std::clamp(gui.dimension(), 0, 100), true);
    setTransparency(std::clamp(gui.transparency(), 0, 100));
    placeOnScreen(gui.position());
}

void NavigationWindow::placeOnScreen(const QPoint& stored)
{
    QPoint position = stored;
    if (position.isNull()) {
        QScreen* screen = QGuiApplication::primaryScreen();
        const QRect gadget = customRect();
        position = screen ? screen->availableGeometry().center() - QPoint(gadget.width() / 2, gadget.height() / 2)
                          : QPoint();
    }
    moveOnScreen(position);
    keepInsideAvailableArea();
}

namespace {

// What an item and its shown descendants cover, in scene coordinates. The
// labels count while faded out too: they show again on the next hover.
QRectF shownExtent(const QGraphicsItem* item)
{
    QRectF extent = item->sceneBoundingRect();
    for (const QGraphicsItem* child : item->childItems()) {
        if (dynamic_cast<const Gadgets::NavigationLabels*>(child))
            extent |= child->mapRectToScene(child->boundingRect() | child->childrenBoundingRect());
        else if (child->isVisible() && child->opacity() > 0.0)
            extent |= shownExtent(child);
    }
    return extent;
}

// How far a span must move to lie within [low, high]; the low end first.
int shiftInto(int start, int end, int low, int high)
{
    if (end > high)
        return std::max(high - end, low - start);
    return start < low ? low - start : 0;
}

} // namespace

QRect NavigationWindow::gadgetWithLabelsRect() const
{
    return mapSceneToGlobal(shownExtent(wrapper())).toAlignedRect();
}

void NavigationWindow::keepInsideAvailableArea()
{
    if (isInFullScreenMode())
        return;
    const QList<QRect> available = Utilities::WidgetUtilities::screenGeometries(true);
    const int index =
        Utilities::WidgetUtilities::screenIndexAt(Utilities::WidgetUtilities::screenGeometries(false), globalHotSpot());
    if (index < 0 || index >= available.size())
        return;
    const QRect area = available.at(index);
    const QRect gadget = gadgetWithLabelsRect();
    const QPoint shift(shiftInto(gadget.left(), gadget.right(), area.left(), area.right()),
                       shiftInto(gadget.top(), gadget.bottom(), area.top(), area.bottom()));
    if (!shift.isNull())
        moveTo(customPosition() + shift);
}

void NavigationWindow::followScreenChange()
{
    if (isInFullScreenMode())
        return;
    if (isWholeDesktopMode()) {
        const QPoint place = customPosition();
        useWholeDesktopArea(true);
        moveTo(place);
    }
    keepInsideAvailableArea();
}

QPoint NavigationWindow::userPosition() const
{
    if (isInFullScreenMode())
        return m_fullScreenUserPosition;
    const QPointF global = mapSceneToGlobal(wrapper()->scenePos());
    return QPoint(int(std::lround(global.x())), int(std::lround(global.y())));
}

// --- Full-screen mode ------------------------------------------------------

void NavigationWindow::setIsInFullScreenMode(bool on)
{
    if (on == isInFullScreenMode())
        return;
    hide();
    if (on) {
        m_fullScreenUserPosition = userPosition();
        m_fullScreenWrapperPos = wrapperPos();
        m_fullScreenScalePercent = scalePercent();
        m_fullScreenOpacity = windowOpacity();
        // The native window keeps its translucent visual; the themed
        // background is painted opaque over the whole screen instead.
        setFullScreenBackground();
        setArea(QRectF(currentScreenGeometry()).adjusted(0, 0, 1, 1));
        if (m_navigationContainer)
            m_navigationContainer->setIsInFullScreenMode(true);
        setFullScreenScaleAndOffset();
        // The opaque full-screen face takes clicks everywhere at once, not
        // after the next (debounced) mask update.
        setFirstInputMask();
        showFullScreen();
    } else {
        if (m_navigationContainer)
            m_navigationContainer->setIsInFullScreenMode(false);
        useWholeDesktopArea(false);
        setScale(m_fullScreenScalePercent, false);
        // The pages give their carousel back its scale outside full screen.
        if (m_navigationController)
            m_navigationController->handleFullScreenExit();
        setWrapperPos(m_fullScreenWrapperPos);
        setWindowOpacity(m_fullScreenOpacity);
        // Back to the gadget's shape before the desktop-sized window shows.
        setFirstInputMask();
        showNormal();
    }
    Utilities::WidgetUtilities::removeTaskbarIconOnLinux(this);
    const QRect rect = customRect();
    Q_EMIT moved(QPointF((rect.left() + rect.right()) / 2, (rect.top() + rect.bottom()) / 2));
    show();
    activateWindow();
}

bool NavigationWindow::coversWholeWindow() const
{
    return isInFullScreenMode();
}

// A window that is shown goes on top of the others, the favourites too:
// restored at start-up before the gadget shows, or left above it before it
// was hidden, they would sit under its desktop-wide window. Once the shown
// window paints, the window system has put it up, and the favourites go back
// above it. The full-screen face stays above everything.
//
// Shown again in full-screen mode (hidden by its corner button, shown by a
// favourite's "Show main window"), the gadget fills the screen again, above
// the favourites.
void NavigationWindow::showEvent(QShowEvent* event)
{
    BaseSceneWindow::showEvent(event);
    m_raiseFavoritesWhenPainted = !isInFullScreenMode();
    if (isInFullScreenMode() && !windowState().testFlag(Qt::WindowFullScreen)) {
        setWindowState(windowState() | Qt::WindowFullScreen);
        raise();
    }
}

void NavigationWindow::paintEvent(QPaintEvent* event)
{
    if (isInFullScreenMode()) {
        QPainter painter(this);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.fillRect(rect(), palette().brush(QPalette::Window));
    }
    BaseSceneWindow::paintEvent(event);
    if (m_raiseFavoritesWhenPainted) {
        m_raiseFavoritesWhenPainted = false;
        QMetaObject::invokeMethod(this, &NavigationWindow::raiseFavorites, Qt::QueuedConnection);
    }
}

void NavigationWindow::raiseFavorites()
{
    if (!isVisible() || isInFullScreenMode())
        return;
    for (BaseSceneWindow* favorite : Controllers::NavigationMenus::favoriteWindows(this))
        if (favorite->isVisible())
            favorite->raise();
}

void NavigationWindow::setFullScreenBackground()
{
    QPixmap image;
    Gadgets::ThemeProvider::renderImage(image, FULLSCREEN_BACKGROUND_FILE);
    const QSize screen = currentScreenGeometry().size();
    QPalette palette = this->palette();
    const QBrush brush = image.isNull() ? QBrush(Qt::black)
                                        : QBrush(image.scaled(screen, Qt::IgnoreAspectRatio, Qt::FastTransformation));
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setBrush(group, QPalette::Window, brush);
    setPalette(palette);
}

// The gadget's rectangle in full-screen mode, with the name plates and
// sliders that hang below and beside the ring, so that they stay on screen.
QRectF NavigationWindow::getFullScreenBoundingRect(bool withCarousel) const
{
    if (!m_navigationContainer)
        return QRectF();
    const QRectF r = m_navigationContainer->mapRectToParent(m_navigationContainer->boundingRect());
    if (!withCarousel || !m_carouselController || !navigationControl() || !navigationControl()->labels())
        return r.united(fullScreenExtent());
    const QRectF b = navigationControl()->labels()->boundsOnElement(
        Gadgets::NavigationLabels::SLIDER_PLACEHOLDER.arg(2));
    const double carouselWidth = m_carouselController->delegateFullScreenScaleFactor()
                                     * m_carouselController->delegateWidth()
                                 + m_carouselController->gadgetRadius() + m_carouselController->gadgetOffset()
                                 + r.width() / 2 - b.x() + 15;
    return QRectF(r.x() + b.x(), r.y(), std::max(r.width(), carouselWidth), r.height()).united(fullScreenExtent());
}

// What the gadget can show around its ring in full-screen mode, in the
// coordinates of the navigation container's parent: the name plates and
// sliders in every layout, and the command rings, so that opening any ring
// keeps all of it on screen. Empty without a carousel.
QRectF NavigationWindow::fullScreenExtent() const
{
    Gadgets::NavigationControl* navigation = navigationControl();
    Gadgets::NavigationLabels* labels = navigation ? navigation->labels() : nullptr;
    if (!labels || !m_navigationContainer)
        return QRectF();
    QGraphicsItem* into = m_navigationContainer->parentItem();
    const auto extentOf = [into](const QGraphicsItem* item, const QRectF& rect) {
        return into ? item->mapRectToItem(into, rect) : item->mapRectToScene(rect);
    };
    QRectF extent = extentOf(navigation, navigation->commandControl1Bounds())
                    | extentOf(navigation, navigation->commandControl2Bounds());
    for (auto state : {Gadgets::NavigationLabels::Collapsed, Gadgets::NavigationLabels::Expanded,
                       Gadgets::NavigationLabels::Expanded2})
        extent |= extentOf(labels, labels->reachInState(state));
    return extent;
}

double NavigationWindow::getFullScreenScale(bool withCarousel) const
{
    const QRect screen = currentScreenGeometry();
    const QRectF rect = getFullScreenBoundingRect(withCarousel);
    if (rect.width() <= 0 || rect.height() <= 0)
        return 1.0;
    return std::min(screen.width() / rect.width(), screen.height() / rect.height());
}

QPointF NavigationWindow::getFullScreenOffset(bool withCarousel) const
{
    const double s = getFullScreenScale(withCarousel);
    const QRectF r = getFullScreenBoundingRect(withCarousel);
    const int x = std::abs(int(width() - r.width() * s)) / 2;
    const int y = std::abs(int(height() - r.height() * s)) / 2;
    return QPointF(x - s * r.x() - 1.0, y - s * r.y());
}

void NavigationWindow::setFullScreenScaleAndOffset()
{
    const bool withCarousel = m_carouselController && m_carouselController->isCarouselVisible();
    const double s = getFullScreenScale(withCarousel);
    BaseSceneWindow::setScale(int((s - minScale()) / (maxScale() - minScale()) * 100.0), false);
    if (m_carouselController)
        m_carouselController->setCarouselDelegateScaleFactor(
            withCarousel ? m_carouselController->delegateFullScreenScaleFactor()
                         : m_carouselController->delegateDefaultScaleFactor());
    setWrapperPos(getFullScreenOffset(withCarousel));
    setWindowOpacity(1.0);
}

} // namespace Corvane::Sentrel
