#include "animation/FlipAnimator.h"

#include <QGraphicsItem>
#include <QGraphicsRotation>
#include <QParallelAnimationGroup>
#include <QPropertyAnimation>
#include <QTransform>
#include <QVariantAnimation>

namespace Corvane::Gadgets::Utilities {

namespace {

constexpr int TURN_DURATION_MS = 1000;
constexpr qreal FRONT_ANGLE = 0.0;
constexpr qreal BACK_ANGLE = 180.0;
constexpr qreal FRONT_OPACITY = 1.0;
constexpr qreal BACK_OPACITY = -1.0;
// Share of the turn after which the other face shows.
constexpr qreal FACE_SWITCH_PROGRESS = 0.5;
const char* const ANGLE_PROPERTY = "angle";
const char* const OPACITY_PROPERTY = "additionalControlsOpacity";

QObject* asObject(QGraphicsItem* item)
{
    return dynamic_cast<QObject*>(item);
}

bool hasOpacityProperty(QGraphicsItem* item)
{
    const QObject* object = asObject(item);
    return object && object->property(OPACITY_PROPERTY).isValid();
}

} // namespace

FlipAnimator::FlipAnimator(QObject* parent)
    : QObject(parent)
{
}

void FlipAnimator::setItems(const QList<QGraphicsItem*>& front, const QList<QGraphicsItem*>& back)
{
    m_frontItems = front;
    m_backItems = back;
}

void FlipAnimator::setFrontRotationCenter(const QVector3D& center)
{
    m_frontRotationCenter = center;
}

void FlipAnimator::setBackRotationCenter(const QVector3D& center)
{
    m_backRotationCenter = center;
}

void FlipAnimator::setAutoCenter(bool autoCenter)
{
    m_autoCenter = autoCenter;
}

bool FlipAnimator::autoCenter() const
{
    return m_autoCenter;
}

QVector3D FlipAnimator::cumultativeRotationCenter(const QList<QGraphicsItem*>& items) const
{
    if (items.isEmpty())
        return QVector3D();
    QPointF sum;
    // Each control turns about the centre of its bounding rectangle.
    for (const QGraphicsItem* item : items)
        sum += item->boundingRect().center();
    sum /= items.size();
    return QVector3D(float(sum.x()), float(sum.y()), 0.0f);
}

void FlipAnimator::setup(bool alreadyBuilt)
{
    if (m_frontItems.isEmpty() || m_backItems.isEmpty())
        return;
    if (m_autoCenter) {
        m_frontRotationCenter = cumultativeRotationCenter(m_frontItems);
        m_backRotationCenter = cumultativeRotationCenter(m_backItems);
    }
    mirrorBackItems();
    // Building twice would leave two turns fighting over the same controls.
    if (alreadyBuilt || isBuilt())
        updateRotationOrigins();
    else
        build();
}

bool FlipAnimator::facesFront() const
{
    return m_face == Face::Front;
}

void FlipAnimator::goFrontToBack()
{
    emit frontToBack();
}

void FlipAnimator::goBackToFront()
{
    emit backToFront();
}

bool FlipAnimator::isBuilt() const
{
    return m_turn != nullptr;
}

// The back face is drawn mirrored, so that it reads correctly once turned.
void FlipAnimator::mirrorBackItems()
{
    const qreal x = m_backRotationCenter.x();
    const qreal y = m_backRotationCenter.y();
    const QTransform mirror = QTransform().translate(x, y).rotate(180.0, Qt::YAxis).translate(-x, -y);
    for (QGraphicsItem* item : std::as_const(m_backItems))
        item->setTransform(mirror);
}

void FlipAnimator::updateRotationOrigins()
{
    for (QGraphicsRotation* rotation : std::as_const(m_frontRotations)) {
        if (rotation)
            rotation->setOrigin(m_frontRotationCenter);
    }
    for (QGraphicsRotation* rotation : std::as_const(m_backRotations)) {
        if (rotation)
            rotation->setOrigin(m_backRotationCenter);
    }
}

void FlipAnimator::build()
{
    m_turn = new QParallelAnimationGroup(this);
    for (QGraphicsItem* item : std::as_const(m_frontItems))
        addRotation(item, m_frontRotationCenter, m_frontRotations);
    for (QGraphicsItem* item : std::as_const(m_backItems))
        addRotation(item, m_backRotationCenter, m_backRotations);
    for (QGraphicsItem* item : std::as_const(m_frontItems))
        addOpacityAnimation(item);
    addFaceSwitch();
    connect(m_turn, &QAbstractAnimation::finished, this, [this] {
        applyFace(m_face);
        Q_EMIT turnFinished();
    });

    connect(this, &FlipAnimator::frontToBack, this, [this] { turnTo(Face::Back); });
    connect(this, &FlipAnimator::backToFront, this, [this] { turnTo(Face::Front); });
    m_face = Face::Front;
    applyFace(Face::Front);
}

void FlipAnimator::addRotation(QGraphicsItem* item, const QVector3D& origin,
                               QList<QPointer<QGraphicsRotation>>& rotations)
{
    QObject* owner = asObject(item);
    auto* rotation = new QGraphicsRotation(owner ? owner : this);
    rotation->setAxis(Qt::YAxis);
    rotation->setOrigin(origin);
    item->setTransformations({rotation});
    rotations.append(rotation);

    auto* animation = new QPropertyAnimation(rotation, ANGLE_PROPERTY, m_turn);
    animation->setDuration(TURN_DURATION_MS);
    animation->setEasingCurve(QEasingCurve::Linear);
    m_angleAnimations.append(animation);
}

void FlipAnimator::addOpacityAnimation(QGraphicsItem* item)
{
    if (!hasOpacityProperty(item))
        return;
    auto* animation = new QPropertyAnimation(asObject(item), OPACITY_PROPERTY, m_turn);
    animation->setDuration(TURN_DURATION_MS);
    animation->setEasingCurve(QEasingCurve::Linear);
    m_opacityAnimations.append(animation);
}

// Runs alongside the rotations and shows the face being turned to once the
// turn is half done.
void FlipAnimator::addFaceSwitch()
{
    auto* progress = new QVariantAnimation(m_turn);
    progress->setStartValue(0.0);
    progress->setEndValue(1.0);
    progress->setDuration(TURN_DURATION_MS);
    connect(progress, &QVariantAnimation::valueChanged, this, [this](const QVariant& value) {
        if (value.toReal() >= FACE_SWITCH_PROGRESS)
            showFace(m_face);
    });
}

void FlipAnimator::turnTo(Face face)
{
    if (face == m_face)
        return;
    m_face = face;
    m_turn->stop();
    const qreal angle = face == Face::Back ? BACK_ANGLE : FRONT_ANGLE;
    for (QPropertyAnimation* animation : std::as_const(m_angleAnimations)) {
        if (!animation->targetObject())
            continue;
        animation->setStartValue(animation->targetObject()->property(ANGLE_PROPERTY));
        animation->setEndValue(angle);
    }
    const qreal opacity = face == Face::Back ? BACK_OPACITY : FRONT_OPACITY;
    for (QPropertyAnimation* animation : std::as_const(m_opacityAnimations)) {
        if (!animation->targetObject())
            continue;
        animation->setStartValue(animation->targetObject()->property(OPACITY_PROPERTY));
        animation->setEndValue(opacity);
    }
    m_turn->start();
}

void FlipAnimator::showFace(Face face)
{
    const bool front = face == Face::Front;
    bool changed = false;
    const auto show = [&changed](QGraphicsItem* item, bool visible) {
        changed = changed || item->isVisibleTo(item->parentItem()) != visible;
        item->setVisible(visible);
    };
    for (QGraphicsItem* item : std::as_const(m_frontItems))
        show(item, front);
    for (QGraphicsItem* item : std::as_const(m_backItems))
        show(item, !front);
    if (changed)
        Q_EMIT faceShown();
}

// The values a face has when the turn to it is over.
void FlipAnimator::applyFace(Face face)
{
    const bool front = face == Face::Front;
    for (QPropertyAnimation* animation : std::as_const(m_angleAnimations)) {
        if (animation->targetObject())
            animation->targetObject()->setProperty(ANGLE_PROPERTY, front ? FRONT_ANGLE : BACK_ANGLE);
    }
    for (QPropertyAnimation* animation : std::as_const(m_opacityAnimations)) {
        if (animation->targetObject())
            animation->targetObject()->setProperty(OPACITY_PROPERTY, front ? FRONT_OPACITY : BACK_OPACITY);
    }
    showFace(face);
}

} // namespace Corvane::Gadgets::Utilities
