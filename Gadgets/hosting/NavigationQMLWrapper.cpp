#include "hosting/NavigationQMLWrapper.h"

#include "carousel/CarouselGeometry.h"
#include "carousel/CarouselView.h"
#include "controls/SvgButton.h"
#include "navigation/NavigationContainer.h"
#include "navigation/NavigationControl.h"

#include "utilities/MathTools.h"

#include <QGraphicsSceneWheelEvent>
#include <QKeyEvent>

namespace Corvane::Gadgets::Utilities {

using Corvane::Utilities::MathTools;

NavigationQMLWrapper::NavigationQMLWrapper(QGraphicsItem* parent)
    : BaseQMLWrapper(parent)
{
    setMainControl(new NavigationContainer());
}

void NavigationQMLWrapper::setIsCarouselVisible(bool visible)
{
    if (visible == m_isCarouselVisible)
        return;
    m_isCarouselVisible = visible;
    emit isCarouselVisibleChanged();
}

void NavigationQMLWrapper::setGadgetRadius(qreal radius)
{
    if (MathTools::equals(radius, m_gadgetRadius))
        return;
    m_gadgetRadius = radius;
    emit gadgetRadiusChanged();
}

void NavigationQMLWrapper::setYRotationAngle(qreal angle)
{
    if (MathTools::equals(angle, m_yRotationAngle))
        return;
    m_yRotationAngle = angle;
    emit yRotationAngleChanged();
}

void NavigationQMLWrapper::setCurrentIndex(int index)
{
    if (index == m_currentIndex)
        return;
    m_currentIndex = index;
    emit currentIndexChanged(index);
}

void NavigationQMLWrapper::setCarouselDelegateScaleFactor(qreal factor)
{
    if (MathTools::equals(factor, m_carouselDelegateScaleFactor))
        return;
    m_carouselDelegateScaleFactor = factor;
    emit carouselDelegateScaleFactorChanged();
}

NavigationContainer* NavigationQMLWrapper::navigationContainer() const
{
    return qobject_cast<NavigationContainer*>(control());
}

QPointF NavigationQMLWrapper::hotSpot() const
{
    const NavigationContainer* container = navigationContainer();
    const NavigationControl* navigation = container ? container->navigationControl() : nullptr;
    return navigation ? navigation->hotspot() : QPointF();
}

void NavigationQMLWrapper::setCurrentView(CarouselView* view)
{
    if (view == m_currentView)
        return;
    if (m_currentView) {
        disconnect(m_currentView, nullptr, this, nullptr);
        disconnect(this, nullptr, m_currentView, nullptr);
    }
    m_currentView = view;
    if (view)
        bindView();
}

// The bindings of the main scene: what the wrapper holds, the view shows.
void NavigationQMLWrapper::bindView()
{
    CarouselView* view = m_currentView;
    view->setParentItem(this);
    view->setZValue(zValue() + 1);
    view->setFlag(ItemStacksBehindParent, true);
    view->setHostSize(size());
    view->setVisible(m_isCarouselVisible);
    view->setGadgetRadius(m_gadgetRadius);
    view->setYRotationAngle(m_yRotationAngle);
    view->setDelegateScaleFactor(m_carouselDelegateScaleFactor);
    view->setCurrentIndex(m_currentIndex);
    setCurrentIndex(view->currentIndex());

    // The view is laid out around the wrapper: its size, centre and path
    // follow every resize.
    connect(this, &BaseQMLWrapper::sizeChanged, view, [this, view] { view->setHostSize(size()); });
    connect(this, &NavigationQMLWrapper::isCarouselVisibleChanged, view,
            [this, view] { view->setVisible(m_isCarouselVisible); });
    connect(this, &NavigationQMLWrapper::gadgetRadiusChanged, view,
            [this, view] { view->setGadgetRadius(m_gadgetRadius); });
    connect(this, &NavigationQMLWrapper::yRotationAngleChanged, view,
            [this, view] { view->setYRotationAngle(m_yRotationAngle); });
    connect(this, &NavigationQMLWrapper::carouselDelegateScaleFactorChanged, view,
            [this, view] { view->setDelegateScaleFactor(m_carouselDelegateScaleFactor); });
    // The wrapper and the view agree on the index whenever the view holds
    // items: an index it has no item for is not kept. An index asked for
    // while it holds none is where its next items open.
    connect(this, &NavigationQMLWrapper::currentIndexChanged, view, [this, view](int index) {
        view->setCurrentIndex(index);
        if (view->count() > 0)
            setCurrentIndex(view->currentIndex());
    });
    connect(view, &CarouselView::countChanged, this, [this, view] { setCurrentIndex(view->currentIndex()); });
    connect(view, &CarouselView::currentIndexChanged, this, &NavigationQMLWrapper::setCurrentIndex);
    connect(this, &BaseQMLWrapper::angleToCenterChanged, view, &CarouselView::rotateCarousel);
    connect(view, &CarouselView::movementEnded, this, &NavigationQMLWrapper::onCarouselMovementEnded);
}

int NavigationQMLWrapper::gadgetMargin() const
{
    return m_currentView ? m_currentView->gadgetMargin() : 0;
}

qreal NavigationQMLWrapper::carouselScale() const
{
    return m_currentView ? m_currentView->scale() : 1.0;
}

void NavigationQMLWrapper::setCarouselScale(qreal scale)
{
    if (m_currentView)
        m_currentView->setScale(scale);
}

qreal NavigationQMLWrapper::delegateFullScreenScaleFactor() const
{
    return m_currentView ? m_currentView->delegateFullScreenScaleFactor() : 1.0;
}

qreal NavigationQMLWrapper::delegateDefaultScaleFactor() const
{
    return m_currentView ? m_currentView->delegateDefaultScaleFactor() : 1.0;
}

int NavigationQMLWrapper::highlightMoveDuration() const
{
    return m_currentView ? m_currentView->highlightMoveDuration() : 0;
}

bool NavigationQMLWrapper::moving() const
{
    return m_currentView && m_currentView->isMoving();
}

int NavigationQMLWrapper::delegateWidth() const
{
    return m_currentView ? qRound(m_currentView->delegateWidth()) : 0;
}

int NavigationQMLWrapper::delegateHeight() const
{
    return m_currentView ? qRound(m_currentView->delegateHeight()) : 0;
}

void NavigationQMLWrapper::handleMouseWheelEvent(QGraphicsSceneWheelEvent* event)
{
    if (!stepsCarousel())
        return;
    stepCarousel(event->delta() < 0 ? -1 : 1);
    event->accept();
}

void NavigationQMLWrapper::handleKeyPressEvent(QKeyEvent* event)
{
    if (!stepsCarousel())
        return;
    if (event->key() == Qt::Key_Left)
        stepCarousel(-1);
    else if (event->key() == Qt::Key_Right)
        stepCarousel(1);
    else
        return;
    event->accept();
}

void NavigationQMLWrapper::onCarouselMovementEnded()
{
    emit carouselMovementEnded();
}

void NavigationQMLWrapper::handleAngleToCenterChanged(const QPointF& centre)
{
    const SvgControlObject* gadget = control();
    if (!m_currentView || !gadget) {
        setAngleToCenterValue(m_announcedAngle);
        return;
    }
    const QSize extent = CarouselGeometry::carouselExtent(
        QSizeF(delegateWidth(), delegateHeight()), m_carouselDelegateScaleFactor, m_gadgetRadius, gadgetMargin(),
        gadget->boundingRect().height(), m_currentView->delegateMinimumScale(), gadget->customScale());
    const QRect screen = screenGeometryAt(centre.toPoint());
    m_announcedAngle = isInFullScreenMode() ? 0.0 : CarouselGeometry::angleToScreenCentre(centre, screen, extent);
    setAngleToCenterValue(m_announcedAngle);
    emit angleToCenterChanged(m_announcedAngle);
    // centre is where the wrapper's middle lies on the desktop.
    const QPointF desktopToScene = mapToScene(boundingRect().center()) - centre;
    m_currentView->setKeepInsideArea(QRectF(availableGeometryAt(centre.toPoint())).translated(desktopToScene));
    m_currentView->setKeepClearAreas(cornerButtonAreas());
}

QList<QRectF> NavigationQMLWrapper::cornerButtonAreas() const
{
    const NavigationContainer* container = navigationContainer();
    const NavigationControl* navigation = container ? container->navigationControl() : nullptr;
    if (!navigation)
        return {};
    QList<QRectF> areas;
    for (const SvgButton* button : {navigation->infoButton(), navigation->closeButton(), navigation->refreshButton(),
                                    navigation->resizeButton()}) {
        if (button)
            areas.append(button->sceneBoundingRect());
    }
    return areas;
}

bool NavigationQMLWrapper::isInFullScreenMode() const
{
    const NavigationContainer* container = navigationContainer();
    return container && container->isInFullScreenMode();
}

// Only a shown carousel with items steps; an empty one has nowhere to go.
bool NavigationQMLWrapper::stepsCarousel() const
{
    return m_isCarouselVisible && m_currentView && m_currentView->count() > 0;
}

void NavigationQMLWrapper::stepCarousel(int step)
{
    const int count = m_currentView->count();
    setCurrentIndex(((m_currentIndex + step) % count + count) % count);
}

} // namespace Corvane::Gadgets::Utilities
