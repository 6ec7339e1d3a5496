#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class QGraphicsSceneWheelEvent;
class QKeyEvent;
class QParallelAnimationGroup;
class QPropertyAnimation;

namespace Corvane::Gadgets {
class SvgControlObject;
namespace Utilities {
class CarouselModelItem;
class NavigationQMLWrapper;
} // namespace Utilities
} // namespace Corvane::Gadgets

namespace Corvane::Sentrel {

class NavigationWindow;

namespace Controllers {

// The native side of the main window's carousel: shows a list of controls,
// one per delegate, drives the navigation wrapper's carousel properties and
// animates the window into and out of the full-screen carousel layout.
//
// The controls belong to their callers: the controller only lends them to
// the carousel. Its own model items are released when the model changes.
class CarouselController : public QObject
{
    Q_OBJECT
    Q_MOC_INCLUDE("NavigationWindow.h")
    Q_MOC_INCLUDE("hosting/NavigationQMLWrapper.h")
    Q_MOC_INCLUDE("carousel/CarouselView.h")
    Q_PROPERTY(qreal carouselDelegateScaleFactor READ carouselDelegateScaleFactor
                   WRITE setCarouselDelegateScaleFactor)

public:
    static constexpr int ANIMATION_DURATION_MS = 400;

    explicit CarouselController(NavigationWindow* window);
    ~CarouselController() override;

    void setCarouselCurrentIndex(int index);
    int currentIndex() const;
    bool moving() const;
    int highlightMoveDuration() const;
    bool isCarouselVisible() const;
    void setCarouselYRotationAngle(qreal angle);
    qreal delegateDefaultScaleFactor() const;
    qreal delegateFullScreenScaleFactor() const;
    qreal delegateRatio() const;
    int delegateWidth() const;
    int delegateHeight() const;
    int gadgetOffset() const;
    int gadgetRadius() const;
    qreal carouselDelegateScaleFactor() const;
    void setCarouselDelegateScaleFactor(qreal factor);
    qreal carouselScale() const;
    void setCarouselScale(qreal scale);
    void handleKeyPress(QKeyEvent* event);
    void handleMouseWheelEvent(QGraphicsSceneWheelEvent* event);

    Gadgets::SvgControlObject* currentControl() const;
    QList<Gadgets::SvgControlObject*> carouselControls() const { return m_controls; }
    QList<Gadgets::Utilities::CarouselModelItem*> modelItems() const { return m_items; }

    void setControls(const QList<Gadgets::SvgControlObject*>& controls);
    void clearControls();
    void clearCarousel();
    void showCarousel(const QList<Gadgets::SvgControlObject*>& controls, qreal delegateScaleFactor);
    void applyAnimations(bool withCarousel);

    QParallelAnimationGroup* innerGroup() const { return m_innerGroup; }
    QParallelAnimationGroup* outerGroup() const { return m_outerGroup; }
    QPropertyAnimation* delegateAnimation() const { return m_delegateAnimation; }

public Q_SLOTS:
    void hideCarousel();

Q_SIGNALS:
    void carouselIndexChanged(int newIndex);
    void carouselMovementEnded();
    void carouselAnimationFinished();

private:
    bool inFullScreenMode() const;

    QPointer<Gadgets::Utilities::NavigationQMLWrapper> m_wrapper;
    QPointer<NavigationWindow> m_window;
    QList<Gadgets::SvgControlObject*> m_controls;
    QList<Gadgets::Utilities::CarouselModelItem*> m_items;
    QPropertyAnimation* m_scaleAnimation;
    QPropertyAnimation* m_positionAnimation;
    QParallelAnimationGroup* m_outerGroup;
    QParallelAnimationGroup* m_innerGroup;
    QPropertyAnimation* m_delegateAnimation;
};

} // namespace Controllers
} // namespace Corvane::Sentrel
