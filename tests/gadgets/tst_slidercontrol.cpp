#include "DialogsTheme.h"

#include "widgets/Slider.h"
#include "widgets/SliderControl.h"

#include <QLabel>
#include <QTest>

using namespace Corvane::Gadgets;

class tst_SliderControl : public QObject
{
    Q_OBJECT

private slots:
    void buildsSliderTicksAndValueLabels()
    {
        SliderControl control;
        QCOMPARE(control.slider()->orientation(), Qt::Horizontal);
        QCOMPARE(control.slider()->objectName(), QStringLiteral("sliderControl"));
        QCOMPARE(control.minValueLabel()->objectName(), QStringLiteral("valueText"));
        QCOMPARE(control.maxValueLabel()->objectName(), QStringLiteral("valueText"));
        QVERIFY(control.minValueLabel()->text().isEmpty());
        QCOMPARE(control.minValueLabel()->alignment(), Qt::AlignCenter);
        QLabel* minTick = control.findChild<QLabel*>(QStringLiteral("minTick"));
        QLabel* maxTick = control.findChild<QLabel*>(QStringLiteral("maxTick"));
        QVERIFY(minTick && maxTick);
        QCOMPARE(minTick->text(), QStringLiteral("|"));
        QVERIFY(control.testAttribute(Qt::WA_NoSystemBackground));
    }

    void labelsSitUnderTheSliderEnds_data()
    {
        QTest::addColumn<Qt::LayoutDirection>("direction");
        QTest::newRow("left to right") << Qt::LeftToRight;
        QTest::newRow("right to left") << Qt::RightToLeft;
    }

    void labelsSitUnderTheSliderEnds()
    {
        QFETCH(Qt::LayoutDirection, direction);
        SliderControl control;
        control.setLayoutDirection(direction);
        control.minValueLabel()->setText(QStringLiteral("Min"));
        control.maxValueLabel()->setText(QStringLiteral("Max"));
        control.resize(300, 80);
        control.show();
        QVERIFY(QTest::qWaitForWindowExposed(&control));

        const QRect slider = control.slider()->geometry();
        const QRect minLabel = control.minValueLabel()->geometry();
        const QRect maxLabel = control.maxValueLabel()->geometry();
        QVERIFY(minLabel.top() > slider.bottom());
        const bool minOnLeft = minLabel.left() < maxLabel.left();
        QCOMPARE(minOnLeft, direction == Qt::LeftToRight);
        QCOMPARE(qMin(minLabel.left(), maxLabel.left()), slider.left());
        QCOMPARE(qMax(minLabel.right(), maxLabel.right()), slider.right());
    }
};

QTEST_MAIN(tst_SliderControl)
#include "tst_slidercontrol.moc"
