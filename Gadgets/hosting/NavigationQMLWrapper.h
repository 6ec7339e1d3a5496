#pragma once

#include "hosting/BaseQMLWrapper.h"

#include <QPointer>

class QGraphicsSceneWheelEvent;
class QKeyEvent;

namespace Corvane::Gadgets {
class CarouselView;
class NavigationContainer;
} // namespace Corvane::Gadgets

namespace Corvane::Gadgets::Utilities {

// The root item of the main window's scene: hosts the navigation gadget
// (a NavigationContainer of its own making, which goes with the wrapper)
// and, once given one, the carousel view beside it ("currentView").
//
// The wrapper drives the view: its size, visibility, gadget radius, y
// rotation and delegate scale factor follow the wrapper's, the current
// index is kept equal both ways, each new angle to the screen centre turns
// the view, and the end of a user's movement of the view is passed on as
// carouselMovementEnded. Without a view, the readers of the view's values
// answer their defaults and the writers, key and wheel handlers do nothing.
class NavigationQMLWrapper : public BaseQMLWrapper
{
    Q_OBJECT
    Q_MOC_INCLUDE("carousel/CarouselView.h")
    Q_PROPERTY(bool isCarouselVisible READ isCarouselVisible WRITE setIsCarouselVisible NOTIFY isCarouselVisibleChanged)
    Q_PROPERTY(qreal gadgetRadius READ gadgetRadius WRITE setGadgetRadius NOTIFY gadgetRadiusChanged)
    Q_PROPERTY(qreal yRotationAngle READ yRotationAngle WRITE setYRotationAngle NOTIFY yRotationAngleChanged)
    Q_PROPERTY(int currentIndex READ currentIndex WRITE setCurrentIndex NOTIFY currentIndexChanged)
    Q_PROPERTY(qreal carouselDelegateScaleFactor READ carouselDelegateScaleFactor
                   WRITE setCarouselDelegateScaleFactor NOTIFY carouselDelegateScaleFactorChanged)
    Q_PROPERTY(QPointF hotSpot READ hotSpot NOTIFY hotSpotChanged)
    Q_PROPERTY(int gadgetMargin READ gadgetMargin NOTIFY gadgetMarginChanged)
    Q_PROPERTY(Corvane::Gadgets::CarouselView* currentView READ pathView WRITE setCurrentView)

public:
    explicit NavigationQMLWrapper(QGraphicsItem* parent = nullptr);

    bool isCarouselVisible() const { return m_isCarouselVisible; }
    void setIsCarouselVisible(bool visible);
    qreal gadgetRadius() const { return m_gadgetRadius; }
    void setGadgetRadius(qreal radius);
    qreal yRotationAngle() const { return m_yRotationAngle; }
    void setYRotationAngle(qreal angle);
    int currentIndex() const { return m_currentIndex; }
    void setCurrentIndex(int index);
    qreal carouselDelegateScaleFactor() const { return m_carouselDelegateScaleFactor; }
    void setCarouselDelegateScaleFactor(qreal factor);

    NavigationContainer* navigationContainer() const;
    // The navigation control's hot spot; (0, 0) without a container.
    QPointF hotSpot() const;

    CarouselView* pathView() const { return m_currentView; }
    // Takes view in as the carousel: a child item of the wrapper, laid out
    // around it (the wrapper has its size by then), and bound to it. The
    // view stacks behind the wrapper and so behind the gadget it hosts: the
    // items on the path's far side pass behind the wheel and its labels.
    void setCurrentView(CarouselView* view);

    int gadgetMargin() const;
    qreal carouselScale() const;
    void setCarouselScale(qreal scale);
    qreal delegateFullScreenScaleFactor() const;
    qreal delegateDefaultScaleFactor() const;
    int highlightMoveDuration() const;
    bool moving() const;
    int delegateWidth() const;
    int delegateHeight() const;

    // Left and right step the carousel to the previous and next item, as
    // does a wheel turn down or up, while the carousel is shown and holds
    // items; such events are accepted.
    void handleMouseWheelEvent(QGraphicsSceneWheelEvent* event);
    void handleKeyPressEvent(QKeyEvent* event);

public slots:
    void onCarouselMovementEnded();

signals:
    void isCarouselVisibleChanged();
    void gadgetRadiusChanged();
    void yRotationAngleChanged();
    void currentIndexChanged(int index);
    void carouselDelegateScaleFactorChanged();
    void hotSpotChanged();
    void gadgetMarginChanged();
    void carouselMovementEnded();

protected:
    // Announces the direction the carousel should face: 0 (to the right of
    // the gadget) when the carousel fits there on the gadget's screen or in
    // full-screen mode, else the direction to the screen centre. Without a
    // view or a hosted control nothing is announced and the angle stays.
    // The view then learns the screen's available area, which its current
    // item keeps inside, and the gadget's corner buttons, which its other
    // items keep off.
    void handleAngleToCenterChanged(const QPointF& centre) override;

private:
    bool isInFullScreenMode() const;
    // The scene rectangles of the gadget's four corner buttons.
    QList<QRectF> cornerButtonAreas() const;
    void bindView();
    bool stepsCarousel() const;
    void stepCarousel(int step);

    bool m_isCarouselVisible = false;
    int m_currentIndex = 0;
    qreal m_gadgetRadius = 80.0;
    qreal m_yRotationAngle = 0.0;
    qreal m_carouselDelegateScaleFactor = 0.5;
    // The angle last announced, kept when a new one cannot be worked out.
    qreal m_announcedAngle = 0.0;
    QPointer<CarouselView> m_currentView;
};

} // namespace Corvane::Gadgets::Utilities
