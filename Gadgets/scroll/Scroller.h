#pragma once

#include "controls/SvgControlObject.h"

#include <QPainterPath>
#include <QRegion>

class QTimer;

namespace Corvane::Gadgets {

class SvgButton;

// The skinnable scroll bar: a previous button, a track (start cap, stretched
// middle, end cap), a next button and a thumb, drawn from the theme's
// "scroller" SVG. The value runs from 0 to 100 in whole steps; the buttons
// step it by 10 with press-and-hold repeat, a press on the track jumps there
// and dragging the thumb follows the mouse. The artwork is vertical; the
// horizontal scroller swaps its axes.
class Scroller : public SvgControlObject
{
    Q_OBJECT

public:
    static const QString PREV_BUTTON_ID;
    static const QString NEXT_BUTTON_ID;
    static const QString BAR_START_ID;
    static const QString BAR_MIDDLE_ID;
    static const QString BAR_END_ID;
    static const QString BAR_MASK_ID;
    static const QString THUMB_ID;
    static const QString THUMB_IS_ORIENTATION_INVARIANT_ID;
    static const int WAIT_INTERVAL;
    static const int SCROLL_INTERVAL;

    Scroller(Utilities::RendererContainer* renderer, SvgControlObject* parent);
    ~Scroller() override;

    Qt::Orientation orientation() const { return m_orientation; }
    void setOrientation(Qt::Orientation orientation);
    bool thumbIsOrientationInvariant() const { return m_thumbIsOrientationInvariant; }
    void setThumbIsOrientationInvariant(bool invariant);

    qreal value() const { return m_value; }
    qreal minimum() const { return m_minimum; }
    qreal maximum() const { return m_maximum; }
    QRectF barMaskRect() const { return m_barMaskRect; }
    SvgButton* previousButton() const { return m_previous; }
    SvgButton* nextButton() const { return m_next; }
    SvgButton* thumb() const { return m_thumb; }
    SvgElement* barMiddle() const { return m_barMiddle; }
    QPainterPath thumbPath() const { return m_thumbPath; }
    bool isPressAndHoldTimerActive() const;

    void setValue(double value);
    void moveCloseToPoint(const QPointF& point);
    void handleNextPrevious(bool next);
    QRegion getMaskRegion();
    void setElementsVisible(bool visible);
    void startPressAndHoldTimer(bool start, int interval);
    void updateVisuals();
    void updateElementsPositions();

    void setBounds(const QRectF& rect) override;
    void handleMousePress(QGraphicsSceneMouseEvent* event, Gestures::EventConsumer& consumer) override;
    void updateCachedData() override;
    void onElementPress(SvgElement* element) override;
    void onElementRelease(SvgElement* element) override;
    void totalOffsetChanged() override;

signals:
    void valueChanged();

public slots:
    void onPressAndHoldTimerTimeout();

protected:
    void mousePressAndMoveEvent(const QPointF& pressScenePos, QGraphicsSceneMouseEvent* event,
                                void* pressConsumer) override;

private:
    void createElements();
    QRectF designFrame() const;
    QPoint designPoint(const QPointF& scenePos) const;
    static const QTransform& axisSwap();

    Qt::Orientation m_orientation = Qt::Vertical;
    SvgButton* m_previous = nullptr;
    SvgButton* m_next = nullptr;
    SvgElement* m_barStart = nullptr;
    SvgElement* m_barMiddle = nullptr;
    SvgElement* m_barEnd = nullptr;
    SvgButton* m_thumb = nullptr;
    QRectF m_barMaskRect;
    QPainterPath m_thumbPath;
    qreal m_value = 0.0;
    qreal m_minimum = 0.0;
    qreal m_maximum = 100.0;
    qreal m_step = 1.0;
    qreal m_increment = 10.0;
    QRegion m_maskRegion;
    SvgElement* m_pressedButton = nullptr;
    QTimer* m_pressAndHoldTimer = nullptr;
    bool m_thumbIsOrientationInvariant = false;
};

} // namespace Corvane::Gadgets
