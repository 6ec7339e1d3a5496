#include "controls/SvgControl.h"
#include "gestures/EventConsumer.h"
#include "theme/RendererContainer.h"
#include "theme/ThemeProvider.h"

#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QGraphicsSceneHoverEvent>
#include <QGraphicsSceneMouseEvent>
#include <QGraphicsSceneWheelEvent>
#include <QKeyEvent>
#include <QSvgRenderer>
#include <QTest>

using Corvane::Gadgets::SvgControl;
using Corvane::Gadgets::ThemeProvider;
using Corvane::Gadgets::Gestures::EventConsumer;

namespace {

// Records which gesture hooks were reached.
class RecordingControl : public SvgControl
{
public:
    using SvgControl::SvgControl;

    QStringList calls;
    bool acceptPress = true;
    int themeReads = 0;
    QStringList suffixes;

    void paint(QPainter*, const QStyleOptionGraphicsItem*, QWidget*) override {}
    void setElementsSuffix(const QString& suffix) override
    {
        suffixes.append(suffix);
        SvgControl::setElementsSuffix(suffix);
    }

protected:
    void mousePressEvent(QGraphicsSceneMouseEvent* event) override
    {
        calls.append("press");
        event->setAccepted(acceptPress);
    }
    void mouseReleaseEvent(QGraphicsSceneMouseEvent*, void*) override { calls.append("release"); }
    void mouseClickEvent(QGraphicsSceneMouseEvent*) override { calls.append("click"); }
    void mouseDoubleClickEvent(QGraphicsSceneMouseEvent*) override { calls.append("doubleClick"); }
    void mouseWheelEvent(QGraphicsSceneWheelEvent*) override { calls.append("wheel"); }
    void mousePressAndHoldEvent(QGraphicsSceneMouseEvent*) override { calls.append("hold"); }
    void mousePressAndMoveEvent(const QPointF&, QGraphicsSceneMouseEvent*, void*) override { calls.append("move"); }
    void mousePressMoveAndHoverEvent(QGraphicsSceneMouseEvent*) override { calls.append("moveAndHover"); }
    void mouseEndPressAndMoveEvent(QGraphicsSceneMouseEvent*) override { calls.append("endMove"); }
    void swipeEvent(qreal, qreal, QPoint, QGraphicsSceneMouseEvent*) override { calls.append("swipe"); }
    void keyPressEvent(QKeyEvent*) override { calls.append("keyPress"); }
    void keyReleaseEvent(QKeyEvent*) override { calls.append("keyRelease"); }
    void hoverEnterEvent(QGraphicsSceneHoverEvent*) override { calls.append("hoverEnter"); }
    void hoverMoveEvent(QGraphicsSceneHoverEvent*) override { calls.append("hoverMove"); }
    void hoverLeaveEvent(QGraphicsSceneHoverEvent*) override { calls.append("hoverLeave"); }
    void readThemeSettings(bool) override { ++themeReads; }
};

const QStringList AllGestures{"release", "click", "doubleClick", "wheel", "hold", "move", "moveAndHover",
                              "endMove", "swipe", "keyPress", "keyRelease"};
const QStringList AllHovers{"hoverEnter", "hoverMove", "hoverLeave"};

void sendEveryGesture(SvgControl& control)
{
    QGraphicsSceneMouseEvent mouse(QEvent::GraphicsSceneMouseMove);
    QGraphicsSceneWheelEvent wheel(QEvent::GraphicsSceneWheel);
    QGraphicsSceneHoverEvent hover(QEvent::GraphicsSceneHoverMove);
    QKeyEvent keyPress(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier);
    QKeyEvent keyRelease(QEvent::KeyRelease, Qt::Key_Left, Qt::NoModifier);

    control.handleMouseRelease(&mouse, nullptr);
    control.handleMouseClick(&mouse);
    control.handleMouseDoubleClick(&mouse);
    control.handleMouseWheel(&wheel);
    control.handleMousePressAndHold(&mouse);
    control.handleMousePressAndMove(QPointF(), &mouse, nullptr);
    control.handleMousePressMoveAndHover(&mouse);
    control.handleEndPressAndMove(&mouse);
    control.handleSwipe(0, 0, QPoint(), &mouse);
    control.handleKeyPress(&keyPress);
    control.handleKeyRelease(&keyRelease);
    control.handleHoverEnterEvent(&hover);
    control.handleHoverMoveEvent(&hover);
    control.handleHoverLeaveEvent(&hover);
}

} // namespace

class tst_SvgControl : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();

    void gatesPassGestures_data();
    void gatesPassGestures();
    void pressRecordsConsumer_data();
    void pressRecordsConsumer();
    void fontSize_data();
    void fontSize();
    void boundsOnElement_data();
    void boundsOnElement();
    void cumulativeScale_data();
    void cumulativeScale();
    void setBounds();
    void totalSceneBounds();
    void sceneMembership();
    void updateCachedDataRereadsTheme();
    void suffixedElementId_data();
    void suffixedElementId();
};

void tst_SvgControl::initTestCase()
{
    ThemeProvider::DefaultThemeFolder = QStringLiteral(":/FixtureTheme");
}

void tst_SvgControl::cleanupTestCase()
{
    ThemeProvider::clear();
}

void tst_SvgControl::gatesPassGestures_data()
{
    QTest::addColumn<bool>("visible");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("acceptsHover");
    QTest::addColumn<QStringList>("reached");

    QTest::newRow("visible and enabled") << true << true << true << AllGestures + AllHovers;
    QTest::newRow("no hover accepted") << true << true << false << AllGestures;
    QTest::newRow("hidden") << false << true << true << QStringList();
    QTest::newRow("disabled") << true << false << true << QStringList();
}

void tst_SvgControl::gatesPassGestures()
{
    QFETCH(bool, visible);
    QFETCH(bool, enabled);
    QFETCH(bool, acceptsHover);
    QFETCH(QStringList, reached);

    RecordingControl control(nullptr);
    control.setVisible(visible);
    control.setEnabled(enabled);
    control.setAcceptHoverEvents(acceptsHover);
    sendEveryGesture(control);
    QCOMPARE(control.calls, reached);
}

void tst_SvgControl::pressRecordsConsumer_data()
{
    QTest::addColumn<bool>("visible");
    QTest::addColumn<bool>("alreadyAccepted");
    QTest::addColumn<bool>("acceptPress");
    QTest::addColumn<bool>("pressReached");
    QTest::addColumn<bool>("consumed");

    QTest::newRow("accepted") << true << false << true << true << true;
    QTest::newRow("ignored") << true << false << false << true << false;
    QTest::newRow("taken by another") << true << true << true << false << false;
    QTest::newRow("hidden") << false << false << true << false << false;
}

void tst_SvgControl::pressRecordsConsumer()
{
    QFETCH(bool, visible);
    QFETCH(bool, alreadyAccepted);
    QFETCH(bool, acceptPress);
    QFETCH(bool, pressReached);
    QFETCH(bool, consumed);

    RecordingControl control(nullptr);
    control.setVisible(visible);
    control.acceptPress = acceptPress;
    QGraphicsSceneMouseEvent press(QEvent::GraphicsSceneMousePress);
    press.setAccepted(alreadyAccepted);
    EventConsumer consumer;
    control.handleMousePress(&press, consumer);

    QCOMPARE(control.calls.contains("press"), pressReached);
    QCOMPARE(consumer.consumer(), consumed ? &control : nullptr);
}

void tst_SvgControl::fontSize_data()
{
    QTest::addColumn<QString>("controlId");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("weight");

    QTest::newRow("absent keys") << "absent" << 10 << 50;
    QTest::newRow("in range") << "plain" << 14 << 75;
    QTest::newRow("below range") << "small" << 8 << 50;
    QTest::newRow("above range") << "huge" << 72 << 50;
    QTest::newRow("weight below range") << "thin" << 10 << 10;
    QTest::newRow("weight above range") << "heavy" << 10 << 99;
}

void tst_SvgControl::fontSize()
{
    QFETCH(QString, controlId);
    QFETCH(int, size);
    QFETCH(int, weight);

    RecordingControl control(ThemeProvider::getRendererFor("light"));
    control.setControlId(controlId);
    QCOMPARE(control.getFontSize(), size);
    QCOMPARE(control.getFontWeight(), weight);
}

void tst_SvgControl::boundsOnElement_data()
{
    QTest::addColumn<QString>("element");
    QTest::addColumn<QRectF>("bounds");

    QTest::newRow("missing") << "nothing" << QRectF(0, 0, -1, -1);
    QTest::newRow("plain") << "odd_size" << QRectF(5, 5, 10.4, 20.6);
    QTest::newRow("own and parent transforms") << "inner" << QRectF(12, 24, 6, 8);
}

void tst_SvgControl::boundsOnElement()
{
    QFETCH(QString, element);
    QFETCH(QRectF, bounds);

    RecordingControl control(ThemeProvider::getRendererFor("light"));
    const QRectF actual = control.boundsOnElement(element);
    QVERIFY2(qFuzzyCompare(actual.x() + 1, bounds.x() + 1) && qFuzzyCompare(actual.y() + 1, bounds.y() + 1)
                 && qFuzzyCompare(actual.width() + 1, bounds.width() + 1)
                 && qFuzzyCompare(actual.height() + 1, bounds.height() + 1),
             qPrintable(QString("%1 %2 %3 %4").arg(actual.x()).arg(actual.y()).arg(actual.width()).arg(actual.height())));
    QCOMPARE(SvgControl::boundsOnElement(element, nullptr), QRectF(0, 0, -1, -1));
}

void tst_SvgControl::cumulativeScale_data()
{
    QTest::addColumn<qreal>("customScale");
    QTest::addColumn<qreal>("parentScale");
    QTest::addColumn<qreal>("itemScale");
    QTest::addColumn<qreal>("effective");
    QTest::addColumn<qreal>("cumulative");

    QTest::newRow("plain") << 1.5 << 2.0 << 1.0 << 2.0 << 3.0;
    QTest::newRow("zero custom and tiny item scale") << 0.0 << 2.0 << 0.0 << 2.0 << 2.0;
    QTest::newRow("negative custom scale") << -1.0 << 1.0 << 0.5 << 0.5 << 0.5;
}

void tst_SvgControl::cumulativeScale()
{
    QFETCH(qreal, customScale);
    QFETCH(qreal, parentScale);
    QFETCH(qreal, itemScale);
    QFETCH(qreal, effective);
    QFETCH(qreal, cumulative);

    QGraphicsRectItem parent;
    parent.setScale(parentScale);
    RecordingControl control(nullptr, &parent);
    control.setScale(itemScale);
    control.setCustomScale(customScale);
    QCOMPARE(control.effectiveGraphicsItemScale(true), effective);
    QCOMPARE(control.cumulativeScale(), cumulative);
}

void tst_SvgControl::setBounds()
{
    RecordingControl control(nullptr);
    control.setBounds(QRectF(10, 20, 30, 40));
    QCOMPARE(control.boundingRect(), QRectF(0, 0, 30, 40));
    QCOMPARE(control.pos(), QPointF(10, 20));
    QCOMPARE(control.scaledBounds(), QRectF(10, 20, 30, 40));

    control.setOffset(QPointF(1, 2));
    QCOMPARE(control.pos(), QPointF(1, 2));
    QCOMPARE(control.scaledBounds(), QRectF(10, 20, 30, 40));
}

void tst_SvgControl::totalSceneBounds()
{
    QGraphicsRectItem parent;
    parent.setPos(100, 0);
    RecordingControl control(nullptr, &parent);
    control.setBounds(QRectF(10, 20, 30, 40));
    QCOMPARE(control.totalSceneBounds(true), QRectF(110, 20, 30, 40));

    control.hide();
    QCOMPARE(control.totalSceneBounds(true), QRectF());
    QCOMPARE(control.totalSceneBounds(false), QRectF(110, 20, 30, 40));
}

void tst_SvgControl::sceneMembership()
{
    QGraphicsScene first;
    QGraphicsScene second;
    auto* control = new RecordingControl(nullptr);
    control->addToScene(&first);
    QCOMPARE(control->scene(), &first);
    control->addToScene(&second);
    QCOMPARE(control->scene(), &first);
    control->removeFromScene(&second);
    QCOMPARE(control->scene(), &first);
    control->removeFromScene(&first);
    QCOMPARE(control->scene(), nullptr);
    delete control;
}

void tst_SvgControl::updateCachedDataRereadsTheme()
{
    RecordingControl control(nullptr);
    control.setElementsSuffix("motor");
    control.setControlId("plain");
    QCOMPARE(control.themeReads, 1);

    control.updateCachedData();
    QCOMPARE(control.themeReads, 2);
    QCOMPARE(control.suffixes, (QStringList{"motor", "motor"}));
}

void tst_SvgControl::suffixedElementId_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<QString>("result");

    QTest::newRow("both") << "collapse" << "hover" << "collapse_hover";
    QTest::newRow("empty id") << "" << "default" << "default";
    QTest::newRow("empty suffix") << "icon" << "" << "icon_";
}

void tst_SvgControl::suffixedElementId()
{
    QFETCH(QString, id);
    QFETCH(QString, suffix);
    QFETCH(QString, result);
    QCOMPARE(SvgControl::suffixedElementId(id, suffix), result);
}

QTEST_MAIN(tst_SvgControl)
#include "tst_svgcontrol.moc"
