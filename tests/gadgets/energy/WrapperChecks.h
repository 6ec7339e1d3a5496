#pragma once

#include "SceneTestHelpers.h"
#include "hosting/BaseQMLWrapper.h"

#include <QPointer>
#include <QSignalSpy>
#include <QTest>

#include <memory>

// What every data-face wrapper owes its scene: it hosts a face of the given
// type that has no parent object, sits as its child item, relays the face's
// scale and position changes and goes with the wrapper.
template<typename Face, typename Wrapper>
void checkHostedFace()
{
    auto wrapper = std::make_unique<Wrapper>();
    auto* face = qobject_cast<Face*>(wrapper->control());
    QVERIFY(face);
    QVERIFY(!face->parent());
    QCOMPARE(face->parentItem(), wrapper.get());

    QSignalSpy scale(wrapper.get(), &Corvane::Gadgets::Utilities::BaseQMLWrapper::customScaleChanged);
    QSignalSpy position(wrapper.get(), &Corvane::Gadgets::Utilities::BaseQMLWrapper::controlPositionChanged);
    face->setCustomScale(1.5);
    QCOMPARE(wrapper->customScale(), 1.5);
    emit face->customScaleChanged(2.0);
    QVERIFY(!scale.isEmpty());
    QCOMPARE(scale.last().first().toDouble(), 2.0);
    face->setPos(10, 20);
    emit face->positionChanged();
    QCOMPARE(position.size(), 1);
    QCOMPARE(wrapper->controlPosition(), QPointF(10, 20));

    QPointer<Face> guard(face);
    wrapper.reset();
    QVERIFY(guard.isNull());
}
