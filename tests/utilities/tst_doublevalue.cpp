#include "utilities/DoubleValue.h"

#include <QPropertyAnimation>
#include <QSignalSpy>
#include <QTest>

using Corvane::Utilities::DoubleValue;

class tst_DoubleValue : public QObject
{
    Q_OBJECT

private slots:
    void reportsChangesOnly();
    void runsUnderAPropertyAnimation();
};

void tst_DoubleValue::reportsChangesOnly()
{
    DoubleValue value(1.0);
    QSignalSpy changed(&value, &DoubleValue::valueChanged);
    value.setValue(1.0);
    QCOMPARE(changed.count(), 0);
    value.setValue(0.25);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toDouble(), 0.25);
    QCOMPARE(value.property("value").toDouble(), 0.25);
}

void tst_DoubleValue::runsUnderAPropertyAnimation()
{
    DoubleValue value(1.0);
    QPropertyAnimation animation(&value, "value");
    animation.setStartValue(0.0);
    animation.setEndValue(1.0);
    animation.setDuration(1000);
    animation.start();
    animation.pause();
    animation.setCurrentTime(500);
    QCOMPARE(value.value(), 0.5);
}

QTEST_GUILESS_MAIN(tst_DoubleValue)
#include "tst_doublevalue.moc"
