#include "utilities/MathToolsGui.h"

#include <QTest>

using Corvane::Utilities::MathToolsGui;

class tst_MathToolsGui : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void guessPercentAtPathPoint_data();
    void guessPercentAtPathPoint();
};

void tst_MathToolsGui::guessPercentAtPathPoint_data()
{
    QTest::addColumn<QPainterPath>("path");
    QTest::addColumn<QPointF>("point");
    QTest::addColumn<double>("percent");

    QPainterPath line(QPointF(0, 0));
    line.lineTo(100, 0);
    QPainterPath arc(QPointF(100, 0));
    arc.arcTo(QRectF(-100, -100, 200, 200), 0, 180);

    QTest::newRow("on the line") << line << QPointF(25, 0) << 0.25;
    QTest::newRow("beside the line") << line << QPointF(70, 30) << 0.70;
    QTest::newRow("before the start") << line << QPointF(-50, 10) << 0.0;
    QTest::newRow("past the end") << line << QPointF(180, -5) << 1.0;
    QTest::newRow("top of the arc") << arc << QPointF(0, -150) << 0.5;
    QTest::newRow("arc quarter") << arc << QPointF(60, -60) << 0.25;
    QTest::newRow("empty path") << QPainterPath() << QPointF(1, 1) << 0.0;
}

void tst_MathToolsGui::guessPercentAtPathPoint()
{
    QFETCH(QPainterPath, path);
    QFETCH(QPointF, point);
    QFETCH(double, percent);

    const double guess = MathToolsGui::guessPercentAtPathPoint(path, point);
    QVERIFY2(qAbs(guess - percent) < 0.002, qPrintable(QString::number(guess)));
}

QTEST_APPLESS_MAIN(tst_MathToolsGui)
#include "tst_mathtoolsgui.moc"
