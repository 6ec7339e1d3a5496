#include "navigation/CursorWidget.h"

#include <QCursor>
#include <QGraphicsDropShadowEffect>
#include <QPainter>
#include <QTest>

using Corvane::Gadgets::Utilities::CursorWidget;

class tst_CursorWidget : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void isAFramelessTranslucentToolWindow();
    void centresOnThePointer_data();
    void centresOnThePointer();
    void followsThePointerOnlyWhileShown();
    void takesTheShapeOfItsIconAndShadow();
};

void tst_CursorWidget::isAFramelessTranslucentToolWindow()
{
    QPixmap pixmap(40, 30);
    pixmap.fill(Qt::red);
    CursorWidget widget(pixmap);
    QCOMPARE(widget.size(), QSize(40, 30));
    QVERIFY(widget.isWindow());
    QVERIFY(widget.windowFlags().testFlag(Qt::Tool));
    QVERIFY(widget.windowFlags().testFlag(Qt::FramelessWindowHint));
    QVERIFY(widget.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(widget.testAttribute(Qt::WA_TranslucentBackground));
    auto* shadow = qobject_cast<QGraphicsDropShadowEffect*>(widget.graphicsEffect());
    QVERIFY(shadow);
    QCOMPARE(shadow->blurRadius(), 5.0);
    QCOMPARE(shadow->offset(), QPointF(2.0, 2.0));
}

void tst_CursorWidget::centresOnThePointer_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QPoint>("pointer");
    QTest::addColumn<QPoint>("topLeft");
    QTest::newRow("40 x 30") << QSize(40, 30) << QPoint(200, 150) << QPoint(180, 135);
    QTest::newRow("odd size rounds down") << QSize(41, 31) << QPoint(200, 150) << QPoint(180, 135);
    QTest::newRow("near the corner") << QSize(64, 64) << QPoint(10, 10) << QPoint(-22, -22);
}

void tst_CursorWidget::centresOnThePointer()
{
    QFETCH(QSize, size);
    QFETCH(QPoint, pointer);
    QFETCH(QPoint, topLeft);
    QPixmap pixmap(size);
    pixmap.fill(Qt::blue);
    CursorWidget widget(pixmap);
    QCursor::setPos(pointer);
    QCOMPARE(QCursor::pos(), pointer);
    widget.setCorrectPos();
    QCOMPARE(widget.pos(), topLeft);
}

void tst_CursorWidget::followsThePointerOnlyWhileShown()
{
    QPixmap pixmap(40, 30);
    pixmap.fill(Qt::green);
    CursorWidget widget(pixmap);
    QVERIFY(!widget.isFollowingPointer());
    QCursor::setPos(100, 100);
    widget.show();
    QVERIFY(widget.isFollowingPointer());
    QCOMPARE(widget.pos(), QPoint(80, 85));

    QCursor::setPos(300, 200);
    QTRY_COMPARE_WITH_TIMEOUT(widget.pos(), QPoint(280, 185), 1000);

    widget.hide();
    QVERIFY(!widget.isFollowingPointer());
}

// Transparent pixels stay out of the window, which would show them black
// where no compositing manager blends them.
void tst_CursorWidget::takesTheShapeOfItsIconAndShadow()
{
    QPixmap pixmap(40, 40);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.fillRect(QRect(10, 10, 16, 16), Qt::red);
    painter.end();
    CursorWidget widget(pixmap);

    const QRegion shape = widget.mask();
    QVERIFY(shape.contains(QRect(10, 10, 16, 16)));
    QVERIFY(shape.contains(QPoint(26, 26))); // the shadow beside the icon
    for (const QPoint& outside : { QPoint(0, 0), QPoint(39, 0), QPoint(0, 39), QPoint(39, 39), QPoint(4, 18) })
        QVERIFY2(!shape.contains(outside), qPrintable(QStringLiteral("%1, %2").arg(outside.x()).arg(outside.y())));
}

QTEST_MAIN(tst_CursorWidget)
#include "tst_cursorwidget.moc"
