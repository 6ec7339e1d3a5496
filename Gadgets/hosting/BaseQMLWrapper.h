#pragma once

#include "controls/SvgControlObject.h"

#include <QGraphicsObject>
#include <QPointer>
#include <QRect>
#include <QSizeF>

namespace Corvane::Gadgets::Utilities {

// The item through which a scene hosts one Gadgets control and exchanges
// position, scale and angle with it. The hosted control becomes a child item
// of the wrapper, so it goes with the wrapper unless it is taken out first.
// A wrapper hosts at most one control in its life; the pointer to it is
// guarded, so a control destroyed elsewhere reads as no control.
class BaseQMLWrapper : public QGraphicsObject
{
    Q_OBJECT
    Q_PROPERTY(qreal customScale READ customScale NOTIFY customScaleChanged)
    Q_PROPERTY(qreal angleToCenter READ angleToCenter NOTIFY angleToCenterChanged)
    Q_PROPERTY(Corvane::Gadgets::SvgControlObject* control READ control WRITE setMainControl NOTIFY mainControlChanged)
    Q_PROPERTY(QObject* controlObject READ controlObject WRITE setMainControlObject NOTIFY mainControlChanged)
    Q_PROPERTY(QPointF controlPosition READ controlPosition NOTIFY controlPositionChanged)
    Q_PROPERTY(qreal width READ width WRITE setWidth NOTIFY sizeChanged)
    Q_PROPERTY(qreal height READ height WRITE setHeight NOTIFY sizeChanged)

public:
    explicit BaseQMLWrapper(QGraphicsItem* parent = nullptr);

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

    qreal width() const { return m_size.width(); }
    qreal height() const { return m_size.height(); }
    QSizeF size() const { return m_size; }
    void setWidth(qreal width);
    void setHeight(qreal height);
    void setSize(const QSizeF& size);

    // The hosted control's custom scale; 1.0 without a control.
    qreal customScale() const;
    qreal angleToCenter() const { return m_angleToCenter; }
    SvgControlObject* control() const { return m_mainControl; }
    QObject* controlObject() const { return m_mainControl; }
    // The hosted control's scene position; (0, 0) without a control.
    QPointF controlPosition() const;

    // Hosts object when it is a composite control; ignores anything else.
    void setMainControlObject(QObject* object);

public slots:
    virtual void setMainControl(Corvane::Gadgets::SvgControlObject* control);
    // Takes the gadget's centre in global screen coordinates and works out
    // the direction from it to the centre of its screen.
    void onPositionChanged(const QPointF& centre);

signals:
    void customScaleChanged(qreal scale);
    void angleToCenterChanged(qreal angle);
    void mainControlChanged();
    void controlPositionChanged();
    void sizeChanged();

protected slots:
    void onCustomScaleChanged(qreal scale);

protected:
    // Called with the gadget's centre once angleToCenter holds the direction
    // to the screen centre; the base keeps it to itself.
    virtual void handleAngleToCenterChanged(const QPointF& centre);
    // The geometry of the screen that holds point, or of the primary screen
    // when none does.
    virtual QRect screenGeometryAt(const QPoint& point) const;
    // The available geometry (without panels) of the same screen.
    virtual QRect availableGeometryAt(const QPoint& point) const;

    void setAngleToCenterValue(qreal angle) { m_angleToCenter = angle; }

private:
    qreal m_angleToCenter = 0.0;
    QPointer<SvgControlObject> m_mainControl;
    QSizeF m_size;
};

} // namespace Corvane::Gadgets::Utilities
