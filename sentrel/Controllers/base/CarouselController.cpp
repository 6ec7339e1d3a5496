#include "CarouselController.h"

#include "NavigationWindow.h"
#include "scenes/MainScene.h"

#include "carousel/CarouselView.h"
#include "controls/SvgControlObject.h"
#include "hosting/CarouselModelItem.h"
#include "hosting/NavigationQMLWrapper.h"
#include "navigation/NavigationControl.h"

#include <QParallelAnimationGroup>
#include <QPropertyAnimation>

namespace Corvane::Sentrel::Controllers {

using Gadgets::SvgControlObject;
using Gadgets::Utilities::CarouselModelItem;
using Gadgets::Utilities::NavigationQMLWrapper;

CarouselController::CarouselController(NavigationWindow* window)
    : m_wrapper(qobject_cast<NavigationQMLWrapper*>(window ? window->wrapper() : nullptr))
    , m_window(window)
    , m_scaleAnimation(new QPropertyAnimation(window, "scalePercent", window))
    , m_positionAnimation(new QPropertyAnimation(window, "wrapperPos", window))
    , m_outerGroup(new QParallelAnimationGroup(this))
    , m_innerGroup(new QParallelAnimationGroup(this))
    , m_delegateAnimation(new QPropertyAnimation(this, "carouselDelegateScaleFactor", this))
{
    for (QPropertyAnimation* animation : {m_scaleAnimation, m_positionAnimation, m_delegateAnimation})
        animation->setDuration(ANIMATION_DURATION_MS);
    m_innerGroup->addAnimation(m_scaleAnimation);
    m_innerGroup->addAnimation(m_positionAnimation);
    m_outerGroup->addAnimation(m_innerGroup);
    connect(m_outerGroup, &QAbstractAnimation::finished, this, &CarouselController::carouselAnimationFinished);
    if (m_wrapper) {
        connect(m_wrapper, &NavigationQMLWrapper::currentIndexChanged, this, &CarouselController::carouselIndexChanged);
        connect(m_wrapper, &NavigationQMLWrapper::carouselMovementEnded, this,
                &CarouselController::carouselMovementEnded);
    }
}

CarouselController::~CarouselController()
{
    // The window's animations outlive the controller; they must not run
    // into it.
    m_outerGroup->stop();
    m_innerGroup->removeAnimation(m_scaleAnimation);
    m_innerGroup->removeAnimation(m_positionAnimation);
    if (m_window) {
        m_scaleAnimation->setParent(m_window);
        m_positionAnimation->setParent(m_window);
    } else {
        // Taken out of the group, they belong to no one else.
        delete m_scaleAnimation;
        delete m_positionAnimation;
    }
    if (m_window && m_window->mainScene())
        m_window->mainScene()->setCarouselModel({});
    qDeleteAll(m_items);
}

void CarouselController::setCarouselCurrentIndex(int index)
{
    if (m_wrapper)
        m_wrapper->setCurrentIndex(index);
}

int CarouselController::currentIndex() const
{
    return m_wrapper ? m_wrapper->currentIndex() : 0;
}

bool CarouselController::moving() const
{
    return m_wrapper && m_wrapper->moving();
}

int CarouselController::highlightMoveDuration() const
{
    return m_wrapper ? m_wrapper->highlightMoveDuration() : 0;
}

bool CarouselController::isCarouselVisible() const
{
    return m_wrapper && m_wrapper->isCarouselVisible();
}

void CarouselController::setCarouselYRotationAngle(qreal angle)
{
    if (m_wrapper)
        m_wrapper->setYRotationAngle(angle);
}

qreal CarouselController::delegateDefaultScaleFactor() const
{
    return m_wrapper ? m_wrapper->delegateDefaultScaleFactor() : 1.0;
}

qreal CarouselController::delegateFullScreenScaleFactor() const
{
    return m_wrapper ? m_wrapper->delegateFullScreenScaleFactor() : 1.0;
}

qreal CarouselController::delegateRatio() const
{
    return delegateFullScreenScaleFactor() / delegateDefaultScaleFactor();
}

int CarouselController::delegateWidth() const
{
    return m_wrapper ? m_wrapper->delegateWidth() : 0;
}

int CarouselController::delegateHeight() const
{
    return m_wrapper ? m_wrapper->delegateHeight() : 0;
}

int CarouselController::gadgetOffset() const
{
    return m_wrapper ? m_wrapper->gadgetMargin() : 0;
}

int CarouselController::gadgetRadius() const
{
    return m_wrapper ? int(m_wrapper->gadgetRadius()) : 0;
}

qreal CarouselController::carouselDelegateScaleFactor() const
{
    return m_wrapper ? m_wrapper->carouselDelegateScaleFactor() : 0.0;
}

void CarouselController::setCarouselDelegateScaleFactor(qreal factor)
{
    if (m_wrapper)
        m_wrapper->setCarouselDelegateScaleFactor(factor);
}

qreal CarouselController::carouselScale() const
{
    return m_wrapper ? m_wrapper->carouselScale() : 1.0;
}

void CarouselController::setCarouselScale(qreal scale)
{
    if (m_wrapper)
        m_wrapper->setCarouselScale(scale);
}

void CarouselController::handleKeyPress(QKeyEvent* event)
{
    if (m_wrapper)
        m_wrapper->handleKeyPressEvent(event);
}

void CarouselController::handleMouseWheelEvent(QGraphicsSceneWheelEvent* event)
{
    if (m_wrapper)
        m_wrapper->handleMouseWheelEvent(event);
}

SvgControlObject* CarouselController::currentControl() const
{
    const int index = currentIndex();
    if (!isCarouselVisible() || index < 0 || index >= m_controls.size())
        return nullptr;
    return m_controls.at(index);
}

void CarouselController::setControls(const QList<SvgControlObject*>& controls)
{
    const QList<CarouselModelItem*> replaced = m_items;
    m_controls = controls;
    m_items.clear();
    for (SvgControlObject* control : controls)
        m_items.append(new CarouselModelItem(control));
    if (m_window && m_window->mainScene())
        m_window->mainScene()->setCarouselModel(m_items);
    // The view has let the replaced items' controls go; the items are ours.
    qDeleteAll(replaced);
}

void CarouselController::clearControls()
{
    setControls({});
}

void CarouselController::clearCarousel()
{
    if (m_wrapper)
        m_wrapper->setIsCarouselVisible(false);
    clearControls();
}

bool CarouselController::inFullScreenMode() const
{
    return m_window && m_window->isInFullScreenMode();
}

void CarouselController::showCarousel(const QList<SvgControlObject*>& controls, qreal delegateScaleFactor)
{
    setControls(controls);
    if (m_wrapper && m_window) {
        if (Gadgets::NavigationControl* navigation = m_window->navigationControl())
            m_wrapper->setGadgetRadius(
                navigation->boundsOnElement(Gadgets::NavigationControl::BACKGROUND_ID).width() / 2.0);
        if (inFullScreenMode())
            applyAnimations(true);
        setCarouselDelegateScaleFactor(delegateScaleFactor);
        const QRect rect = m_window->customRect();
        m_wrapper->onPositionChanged(QPointF((rect.left() + rect.right()) / 2, (rect.top() + rect.bottom()) / 2));
        m_wrapper->setIsCarouselVisible(true);
    }
    if (m_window && m_window->mainControl())
        for (SvgControlObject* control : controls)
            control->setCustomScale(m_window->mainControl()->customScale());
}

void CarouselController::hideCarousel()
{
    if (!isCarouselVisible())
        return;
    setCarouselDelegateScaleFactor(delegateDefaultScaleFactor());
    clearCarousel();
    if (inFullScreenMode())
        applyAnimations(false);
}

void CarouselController::applyAnimations(bool withCarousel)
{
    if (!m_window || !m_wrapper)
        return;
    const double minimum = m_window->minScale();
    const double maximum = m_window->maxScale();
    m_outerGroup->stop();
    m_scaleAnimation->setStartValue(m_window->scalePercent());
    m_scaleAnimation->setEndValue(
        int((m_window->getFullScreenScale(withCarousel) - minimum) / (maximum - minimum) * 100.0));
    m_positionAnimation->setStartValue(m_window->wrapperPos());
    m_positionAnimation->setEndValue(m_window->getFullScreenOffset(withCarousel));
    const bool inserted = m_innerGroup->indexOfAnimation(m_delegateAnimation) >= 0;
    if (withCarousel) {
        m_delegateAnimation->setStartValue(carouselDelegateScaleFactor());
        m_delegateAnimation->setEndValue(delegateFullScreenScaleFactor());
        if (!inserted)
            m_innerGroup->insertAnimation(1, m_delegateAnimation);
    } else if (inserted) {
        m_innerGroup->removeAnimation(m_delegateAnimation);
        m_delegateAnimation->setParent(this);
    }
    m_outerGroup->start();
}

} // namespace Corvane::Sentrel::Controllers
