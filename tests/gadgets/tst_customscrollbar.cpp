#include "ControlsTheme.h"

#include "scroll/CustomScrollBar.h"
#include "widgets/Slider.h"

#include <QBoxLayout>
#include <QPushButton>
#include <QTest>

using namespace Corvane::Gadgets;

class tst_CustomScrollBar : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ControlsTheme::activate(); }

    void verticalHasDecreaseOnTopAndMinimumAtTop()
    {
        CustomScrollBar bar;
        QCOMPARE(bar.slider()->orientation(), Qt::Vertical);
        QVERIFY(bar.slider()->invertedAppearance());
        QVERIFY(bar.slider()->invertedControls());
        QVERIFY(qobject_cast<QVBoxLayout*>(bar.layout()));
        QCOMPARE(bar.layout()->indexOf(bar.decreaseButton()), 0);
        QCOMPARE(bar.layout()->indexOf(bar.slider()), 1);
        QCOMPARE(bar.layout()->indexOf(bar.increaseButton()), 2);
        QCOMPARE(bar.decreaseButton()->objectName(), QString("lineDecrease"));
        QCOMPARE(bar.increaseButton()->objectName(), QString("lineIncrease"));
        QCOMPARE(bar.slider()->objectName(), QString("scroller"));
    }

    void horizontalTurnsThePictures()
    {
        CustomScrollBar bar(Qt::Horizontal);
        QVERIFY(qobject_cast<QHBoxLayout*>(bar.layout()));
        QVERIFY(!bar.slider()->invertedAppearance());
        QCOMPARE(bar.layout()->indexOf(bar.decreaseButton()), 0);
        QPixmap picture;
        ThemeProvider::renderElement(picture, "scroll_decrease", QString());
        const QImage expected = picture.transformed(QTransform().rotate(-90)).toImage();
        const QImage shown = bar.decreaseButton()->icon().pixmap(picture.size()).toImage();
        QCOMPARE(shown.convertToFormat(expected.format()), expected);
    }

    void clickStepsOnce_data()
    {
        QTest::addColumn<bool>("increase");
        QTest::addColumn<int>("value");
        QTest::newRow("decrease") << false << 45;
        QTest::newRow("increase") << true << 55;
    }

    void clickStepsOnce()
    {
        QFETCH(bool, increase);
        QFETCH(int, value);
        CustomScrollBar bar;
        bar.slider()->setRange(0, 100);
        bar.slider()->setSingleStep(5);
        bar.slider()->setValue(50);
        QPushButton* button = increase ? bar.increaseButton() : bar.decreaseButton();
        QTest::mousePress(button, Qt::LeftButton);
        QVERIFY(bar.slider()->actionToRepeat() != QAbstractSlider::SliderNoAction);
        QTest::mouseRelease(button, Qt::LeftButton);
        QCOMPARE(bar.slider()->actionToRepeat(), QAbstractSlider::SliderNoAction);
        QCOMPARE(bar.slider()->value(), value);
    }
};

QTEST_MAIN(tst_CustomScrollBar)
#include "tst_customscrollbar.moc"
