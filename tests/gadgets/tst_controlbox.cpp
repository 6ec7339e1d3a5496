#include "controlbox/ControlBox.h"
#include "controls/SvgButton.h"
#include "theme/RendererContainer.h"

#include <QGraphicsSceneHoverEvent>
#include <QPointer>
#include <QPropertyAnimation>
#include <QSvgRenderer>
#include <QTest>

using namespace Corvane::Gadgets;

namespace {

QByteArray boxSvg()
{
    QString svg = QStringLiteral("<svg xmlns='http://www.w3.org/2000/svg' width='100' height='30'>");
    int x = 0;
    for (const QString& id : {QStringLiteral("move"), QStringLiteral("resize"), QStringLiteral("close")}) {
        svg += QStringLiteral("<rect id='%1_default' x='%2' y='0' width='20' height='20' fill='#555'/>"
                              "<rect id='%1_mask' x='%2' y='0' width='20' height='20' fill='#000000'/>")
                   .arg(id)
                   .arg(x);
        x += 30;
    }
    return (svg + "</svg>").toUtf8();
}

QList<qreal> opacities(const ControlBox& box)
{
    return {box.moveButton()->opacity(), box.resizeButton()->opacity(), box.closeButton()->opacity()};
}

} // namespace

class tst_ControlBox : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void buttonsStartInvisible();
    void hoverFadesTheButtons();
    void buttonsLiveAndDieWithTheBox();
};

void tst_ControlBox::buttonsStartInvisible()
{
    QSvgRenderer renderer(boxSvg());
    Utilities::RendererContainer container(&renderer, QStringLiteral("box"));
    ControlBox box(&container);
    QCOMPARE(box.moveButton()->baseId(), QString("move"));
    QCOMPARE(box.resizeButton()->baseId(), QString("resize"));
    QCOMPARE(box.closeButton()->baseId(), QString("close"));
    QCOMPARE(opacities(box), QList<qreal>({0.0, 0.0, 0.0}));
    QCOMPARE(box.property("floatingIconsOpacity").toReal(), 0.0);
}

void tst_ControlBox::hoverFadesTheButtons()
{
    QSvgRenderer renderer(boxSvg());
    Utilities::RendererContainer container(&renderer, QStringLiteral("box"));
    ControlBox box(&container);
    auto* animation = box.findChild<QPropertyAnimation*>();
    QVERIFY(animation);
    QCOMPARE(animation->propertyName(), QByteArray("floatingIconsOpacity"));

    QGraphicsSceneHoverEvent enter(QEvent::GraphicsSceneHoverEnter);
    box.handleHoverEnterEvent(&enter);
    QCOMPARE(animation->state(), QAbstractAnimation::Running);
    QCOMPARE(animation->endValue().toReal(), 1.0);
    animation->setCurrentTime(animation->duration() / 2);
    const qreal halfway = box.floatingIconsOpacity();
    QVERIFY(halfway > 0.0 && halfway < 1.0);
    QCOMPARE(opacities(box), QList<qreal>({halfway, halfway, halfway}));

    // Leaving half-way fades out from where the fade in got to.
    QGraphicsSceneHoverEvent leave(QEvent::GraphicsSceneHoverLeave);
    box.handleHoverLeaveEvent(&leave);
    QCOMPARE(animation->startValue().toReal(), halfway);
    QCOMPARE(animation->endValue().toReal(), 0.0);
    animation->setCurrentTime(animation->duration());
    QCOMPARE(opacities(box), QList<qreal>({0.0, 0.0, 0.0}));

    box.handleHoverEnterEvent(&enter);
    animation->setCurrentTime(animation->duration());
    QCOMPARE(opacities(box), QList<qreal>({1.0, 1.0, 1.0}));
}

void tst_ControlBox::buttonsLiveAndDieWithTheBox()
{
    QSvgRenderer renderer(boxSvg());
    Utilities::RendererContainer container(&renderer, QStringLiteral("box"));
    auto* box = new ControlBox(&container);
    for (SvgButton* button : {box->moveButton(), box->resizeButton(), box->closeButton()}) {
        QVERIFY(button->parentItem() == box);
        QVERIFY(box->childControls().contains(button));
    }
    box->setVisible(false);
    QVERIFY(!box->moveButton()->isVisible());
    delete box;
}

QTEST_MAIN(tst_ControlBox)
#include "tst_controlbox.moc"
