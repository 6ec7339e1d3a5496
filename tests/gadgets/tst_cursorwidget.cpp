#include "navigation/CursorWidget.h"

#include <QCursor>
#include <QPainter>
#include <QTest>

using Corvane::Gadgets::Utilities::CursorWidget;
using Desktop = CursorWidget::Desktop;

namespace {

// A dragged icon as the carousel paints it: a red disc faded to a third,
// in a picture a fifth larger, with a faint halo around the disc.
QPixmap fadedIcon()
{
    QPixmap pixmap(48, 48);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 0, 0, 5));
    painter.drawEllipse(QRectF(2, 2, 44, 44));
    painter.setOpacity(0.33);
    painter.setBrush(Qt::red);
    painter.drawEllipse(QRectF(8, 8, 32, 32));
    painter.end();
    return pixmap;
}

} // namespace

class tst_CursorWidget : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void isAFramelessTranslucentToolWindow();
    void centresOnThePointer_data();
    void centresOnThePointer();
    void followsThePointerOnlyWhileShown();
    void takesTheShapeOfItsIcon_data();
    void takesTheShapeOfItsIcon();
    void drawsOpaqueOnlyWhereTheDesktopDoesNotBlend_data();
    void drawsOpaqueOnlyWhereTheDesktopDoesNotBlend();
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
    // A shadow would darken the see-through icon from behind.
    QVERIFY(!widget.graphicsEffect());
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

void tst_CursorWidget::takesTheShapeOfItsIcon_data()
{
    QTest::addColumn<Desktop>("desktop");
    QTest::newRow("desktop blends") << Desktop::Blends;
    QTest::newRow("opaque only") << Desktop::ShowsOpaqueOnly;
}

// Transparent pixels stay out of the window, which would show them black
// where no compositing manager blends them; nothing darkens the icon's
// surroundings.
void tst_CursorWidget::takesTheShapeOfItsIcon()
{
    QFETCH(Desktop, desktop);
    CursorWidget widget(fadedIcon(), nullptr, desktop);

    const QRegion shape = widget.mask();
    QVERIFY(shape.contains(QRect(12, 12, 24, 24)));
    for (const QPoint& outside : { QPoint(0, 0), QPoint(47, 47), QPoint(0, 47), QPoint(47, 0), QPoint(43, 43) })
        QVERIFY2(!shape.contains(outside), qPrintable(QStringLiteral("%1, %2").arg(outside.x()).arg(outside.y())));
}

void tst_CursorWidget::drawsOpaqueOnlyWhereTheDesktopDoesNotBlend_data()
{
    QTest::addColumn<Desktop>("desktop");
    QTest::addColumn<bool>("haloShown");
    QTest::addColumn<bool>("iconOpaque");
    QTest::newRow("desktop blends") << Desktop::Blends << true << false;
    QTest::newRow("opaque only") << Desktop::ShowsOpaqueOnly << false << true;
}

// Without blending the faded icon shows in its own colour, opaque, and its
// faint halo is left out: no dark disc larger than the icon.
void tst_CursorWidget::drawsOpaqueOnlyWhereTheDesktopDoesNotBlend()
{
    QFETCH(Desktop, desktop);
    QFETCH(bool, haloShown);
    QFETCH(bool, iconOpaque);
    CursorWidget widget(fadedIcon(), nullptr, desktop);

    const QImage drawn = widget.grab().toImage();
    const QColor centre = drawn.pixelColor(24, 24);
    QCOMPARE(centre.alpha() == 255, iconOpaque);
    QCOMPARE(centre.red(), 255);
    QCOMPARE(centre.green(), 0);
    QCOMPARE(drawn.pixelColor(5, 24).alpha() > 0, haloShown);
    QCOMPARE(widget.mask().contains(QPoint(5, 24)), haloShown);
}

QTEST_MAIN(tst_CursorWidget)
#include "tst_cursorwidget.moc"
