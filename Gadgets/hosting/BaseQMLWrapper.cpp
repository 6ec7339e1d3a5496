#include "hosting/BaseQMLWrapper.h"

#include <QGuiApplication>
#include <QLineF>
#include <QScreen>

namespace Corvane::Gadgets::Utilities {

BaseQMLWrapper::BaseQMLWrapper(QGraphicsItem* parent)
    : QGraphicsObject(parent)
{
    setFlag(ItemHasNoContents, true);
}

QRectF BaseQMLWrapper::boundingRect() const
{
    return QRectF(QPointF(0, 0), m_size);
}

void BaseQMLWrapper::paint(QPainter*, const QStyleOptionGraphicsItem*, QWidget*)
{
}

void BaseQMLWrapper::setWidth(qreal width)
{
    setSize(QSizeF(width, m_size.height()));
}

void BaseQMLWrapper::setHeight(qreal height)
{
    setSize(QSizeF(m_size.width(), height));
}

void BaseQMLWrapper::setSize(const QSizeF& size)
{
    if (size == m_size)
        return;
    prepareGeometryChange();
    m_size = size;
    emit sizeChanged();
}

qreal BaseQMLWrapper::customScale() const
{
    return m_mainControl ? m_mainControl->customScale() : 1.0;
}

QPointF BaseQMLWrapper::controlPosition() const
{
    return m_mainControl ? m_mainControl->scenePos() : QPointF();
}

void BaseQMLWrapper::setMainControlObject(QObject* object)
{
    if (auto* control = qobject_cast<SvgControlObject*>(object))
        setMainControl(control);
}

void BaseQMLWrapper::setMainControl(SvgControlObject* control)
{
    if (!control || control == m_mainControl || m_mainControl)
        return;
    m_mainControl = control;
    control->setParentItem(this);
    connect(control, &SvgControlObject::customScaleChanged, this, &BaseQMLWrapper::onCustomScaleChanged);
    connect(control, &SvgControlObject::positionChanged, this, &BaseQMLWrapper::controlPositionChanged);
    emit mainControlChanged();
}

void BaseQMLWrapper::onPositionChanged(const QPointF& centre)
{
    const QRect screen = screenGeometryAt(centre.toPoint());
    m_angleToCenter = QLineF(centre, QPointF(screen.center())).angle();
    handleAngleToCenterChanged(centre);
}

void BaseQMLWrapper::onCustomScaleChanged(qreal scale)
{
    emit customScaleChanged(scale);
}

void BaseQMLWrapper::handleAngleToCenterChanged(const QPointF&)
{
}

QRect BaseQMLWrapper::screenGeometryAt(const QPoint& point) const
{
    QScreen* screen = QGuiApplication::screenAt(point);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect();
}

QRect BaseQMLWrapper::availableGeometryAt(const QPoint& point) const
{
    QScreen* screen = QGuiApplication::screenAt(point);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

} // namespace Corvane::Gadgets::Utilities
