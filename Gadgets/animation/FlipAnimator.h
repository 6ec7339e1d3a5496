#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QGraphicsRotation>
#include <QVector3D>

class QGraphicsItem;
class QParallelAnimationGroup;
class QPropertyAnimation;

namespace Corvane::Gadgets::Utilities {

// Turns a gadget over like a card. The front controls rotate about the
// vertical axis while the back controls, mirrored beforehand, rotate in with
// them; half-way through the one-second turn the front is hidden and the back
// shown. Front controls that have the Qt property "additionalControlsOpacity"
// see it run from 1.0 (front up) to -1.0 (back up) with the turn.
//
// Usage: setItems(), setAutoCenter(true), setup(false) once; setup(true)
// whenever the controls moved or were resized; then goFrontToBack() or
// goBackToFront() (or emit frontToBack() / backToFront() from a connection).
// A request that does not match the face shown is ignored; a request during a
// turn reverses it from where it is. The controls are not owned.
class FlipAnimator : public QObject
{
    Q_OBJECT

public:
    explicit FlipAnimator(QObject* parent = nullptr);

    void setItems(const QList<QGraphicsItem*>& front, const QList<QGraphicsItem*>& back);
    void setFrontRotationCenter(const QVector3D& center);
    void setBackRotationCenter(const QVector3D& center);
    void setAutoCenter(bool autoCenter);
    bool autoCenter() const;

    // Mean centre of the controls' bounding rectangles (z = 0); the origin
    // for an empty list.
    QVector3D cumultativeRotationCenter(const QList<QGraphicsItem*>& items) const;

    // Builds the rotations and the turn (false), or only re-centres them and
    // re-mirrors the back controls (true). Needs controls on both faces.
    void setup(bool alreadyBuilt);

    // True while the front is up or being turned to: a request to turn back
    // to it then starts no turn.
    bool facesFront() const;

Q_SIGNALS:
    void frontToBack();
    void backToFront();
    // A turn has ended, the face turned to shown.
    void turnFinished();
    // The other face has just shown in place of the one shown before:
    // half-way through a turn, or when the controls were first set up.
    void faceShown();

public Q_SLOTS:
    void goFrontToBack();
    void goBackToFront();

private:
    enum class Face { Front, Back };

    bool isBuilt() const;
    void build();
    void mirrorBackItems();
    void updateRotationOrigins();
    void addRotation(QGraphicsItem* item, const QVector3D& origin, QList<QPointer<QGraphicsRotation>>& rotations);
    void addOpacityAnimation(QGraphicsItem* item);
    void addFaceSwitch();
    void turnTo(Face face);
    void showFace(Face face);
    void applyFace(Face face);

    QList<QGraphicsItem*> m_frontItems;
    QList<QPointer<QGraphicsRotation>> m_frontRotations;
    QVector3D m_frontRotationCenter;
    QList<QGraphicsItem*> m_backItems;
    QList<QPointer<QGraphicsRotation>> m_backRotations;
    QVector3D m_backRotationCenter;
    bool m_autoCenter = false;

    QParallelAnimationGroup* m_turn = nullptr;
    QList<QPropertyAnimation*> m_angleAnimations;
    QList<QPropertyAnimation*> m_opacityAnimations;
    Face m_face = Face::Front;
};

} // namespace Corvane::Gadgets::Utilities
