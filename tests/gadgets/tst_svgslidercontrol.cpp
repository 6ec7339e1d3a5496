#include "controls/SvgButton.h"
#include "controls/SvgElement.h"
#include "gestures/EventConsumer.h"
#include "models/NavigationIcon.h"
#include "slider/SvgSliderControl.h"
#include "theme/ThemeProvider.h"

#include "LogCapture.h"

#include "SceneTestHelpers.h"

#include <QGraphicsPathItem>
#include <QGraphicsSceneMouseEvent>
#include <QGraphicsSimpleTextItem>
#include <QLinearGradient>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>

#include <cmath>
#include <memory>

using namespace Corvane::Gadgets;
using Models::NavigationIcon;

namespace {

using SceneTestHelpers::useTheme;
using SceneTestHelpers::mouseEvent;

// A point on the track at a share of its length, in scene coordinates.
QPointF trackPoint(const SvgSliderControl& slider, qreal share)
{
    const QRectF track = slider.filledTrack()->scaledBounds();
    return slider.mapToScene(QPointF(track.x() + share * track.width(), track.center().y()));
}

QString text(const SvgSliderControl& slider)
{
    return slider.textItem()->text();
}

} // namespace

class tst_SvgSliderControl : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void defaults();
    void snapsToTheGrid_data();
    void snapsToTheGrid();
    void stepsCount_data();
    void stepsCount();
    void degenerateDataStaysDefined_data();
    void degenerateDataStaysDefined();
    void skipsInvalidSteps_data();
    void skipsInvalidSteps();
    void valueText_data();
    void valueText();
    void precisionOutOfRangeIsRefused();
    void pressOnTrackReportsAtOnce_data();
    void pressOnTrackReportsAtOnce();
    void dragReportsOnceAtRelease();
    void hiddenImageTakesNoPress();
    void trackAndThumbFollowTheValue();
    void themeFontAndColours_data();
    void themeFontAndColours();
    void boundsAndTextPlace();
    void hiddenSliderShowsItsLastTextWhenShown_data();
    void hiddenSliderShowsItsLastTextWhenShown();
};

void tst_SvgSliderControl::initTestCase()
{
    useTheme(QStringLiteral(":/TalveraTheme"));
}

void tst_SvgSliderControl::cleanupTestCase()
{
    ThemeProvider::clear();
}

void tst_SvgSliderControl::defaults()
{
    SvgSliderControl slider(ThemeProvider::getRendererFor(ThemeProvider::SLIDER), nullptr);
    QCOMPARE(slider.value(), 0.0);
    QCOMPARE(slider.minValue(), 0.0);
    QCOMPARE(slider.maxValue(), 100.0);
    QCOMPARE(slider.valueStep(), 1.0);
    QCOMPARE(slider.stepsCount(), 101);
    QCOMPARE(slider.controlId(), QString("slider"));
    QCOMPARE(text(slider), QString("0%"));
}

void tst_SvgSliderControl::snapsToTheGrid_data()
{
    QTest::addColumn<double>("minimum");
    QTest::addColumn<double>("maximum");
    QTest::addColumn<double>("step");
    QTest::addColumn<double>("request");
    QTest::addColumn<double>("value");

    QTest::newRow("half steps") << 0.0 << 10.0 << 0.5 << 0.26 << 0.5;
    QTest::newRow("half rounds up") << 0.0 << 10.0 << 1.0 << 2.5 << 3.0;
    QTest::newRow("offset grid") << 5.0 << 30.0 << 5.0 << 17.4 << 15.0;
    QTest::newRow("maximum off the grid") << 0.0 << 10.0 << 3.0 << 10.0 << 9.0;
    QTest::newRow("below the range is ignored") << 10.0 << 20.0 << 1.0 << 9.0 << 12.0;
    QTest::newRow("above the range is ignored") << 10.0 << 20.0 << 1.0 << 20.5 << 12.0;
    QTest::newRow("not a number is ignored") << 0.0 << 100.0 << 1.0 << double(NAN) << 12.0;
    QTest::newRow("maximum after a rounding error") << 0.1 << 0.3 << 0.1 << 0.1 + 1.0 * (0.3 - 0.1) << 0.3;
}

void tst_SvgSliderControl::snapsToTheGrid()
{
    QFETCH(double, minimum);
    QFETCH(double, maximum);
    QFETCH(double, step);
    QFETCH(double, request);
    QFETCH(double, value);

    SvgSliderControl slider(ThemeProvider::getRendererFor(ThemeProvider::SLIDER), nullptr);
    slider.setValueBounds(minimum, maximum, step);
    slider.setValue(std::max(minimum, 12.0));
    QSignalSpy changes(&slider, &SvgSliderControl::valueChanged);
    slider.setValue(request);
    QVERIFY(std::abs(slider.value() - value) < 1e-9);
    QCOMPARE(changes.size(), 0);
}

void tst_SvgSliderControl::stepsCount_data()
{
    QTest::addColumn<double>("minimum");
    QTest::addColumn<double>("maximum");
    QTest::addColumn<double>("step");
    QTest::addColumn<int>("count");

    QTest::newRow("default") << 0.0 << 100.0 << 1.0 << 101;
    QTest::newRow("partial last step") << 0.0 << 10.0 << 3.0 << 4;
    QTest::newRow("empty range") << 0.0 << 0.0 << 1.0 << 1;
    QTest::newRow("inverted range") << 10.0 << 0.0 << 1.0 << 0;
    QTest::newRow("zero step") << 0.0 << 100.0 << 0.0 << 1;
    QTest::newRow("negative step") << 0.0 << 100.0 << -5.0 << 1;
    QTest::newRow("tiny step") << 0.0 << 1e12 << 1e-12 << std::numeric_limits<int>::max();
}

void tst_SvgSliderControl::stepsCount()
{
    QFETCH(double, minimum);
    QFETCH(double, maximum);
    QFETCH(double, step);
    QFETCH(int, count);

    SvgSliderControl slider(ThemeProvider::getRendererFor(ThemeProvider::SLIDER), nullptr);
    slider.setValueBounds(minimum, maximum, step);
    QCOMPARE(slider.stepsCount(), count);
    QCOMPARE(slider.isValidStep(0), count > 0);
    QVERIFY(!slider.isValidStep(-1));
}

// An icon without slider data hands the slider the bounds 0, 0, 0; a zero
// step or an inverted range come from the caller's data as well.
void tst_SvgSliderControl::degenerateDataStaysDefined_data()
{
    QTest::addColumn<double>("minimum");
    QTest::addColumn<double>("maximum");
    QTest::addColumn<double>("step");
    QTest::addColumn<double>("request");
    QTest::addColumn<double>("value");

    const NavigationIcon withoutData;
    QTest::newRow("icon without slider data")
        << withoutData.minValue() << withoutData.maxValue() << withoutData.valueStep() << 0.0 << 0.0;
    QTest::newRow("zero step keeps the minimum") << 20.0 << 80.0 << 0.0 << 50.0 << 20.0;
    QTest::newRow("empty range with a step") << 5.0 << 5.0 << 1.0 << 5.0 << 5.0;
    QTest::newRow("inverted range ignores values") << 10.0 << 0.0 << 1.0 << 5.0 << 0.0;
}

void tst_SvgSliderControl::degenerateDataStaysDefined()
{
    QFETCH(double, minimum);
    QFETCH(double, maximum);
    QFETCH(double, step);
    QFETCH(double, request);
    QFETCH(double, value);

    SvgSliderControl slider(ThemeProvider::getRendererFor(ThemeProvider::SLIDER), nullptr);
    slider.setValueBounds(minimum, maximum, step);
    slider.setValue(request);
    QCOMPARE(slider.value(), value);
    QCOMPARE(slider.percent(), 0.0);
    QCOMPARE(slider.step(), 0);
    QCOMPARE(slider.nextValue(), slider.value());
    QCOMPARE(slider.previousValue(), slider.value());
    slider.setNextValue();
    slider.setPercent(0.7);
    slider.setStep(1);
    QCOMPARE(slider.value(), value);

    const QRectF thumb = slider.thumb()->scaledBounds();
    QVERIFY(std::isfinite(thumb.x()));
    const QRectF track = slider.filledTrack()->scaledBounds();
    QCOMPARE(thumb.center().x(), track.x());
    QCOMPARE(slider.filledTrack()->paintClipRegion().boundingRect().width(), qRound(0.01 * track.width()));
    QVERIFY(!text(slider).contains("nan", Qt::CaseInsensitive));

    // A press on the track stays defined too.
    Gestures::EventConsumer consumer;
    auto press = mouseEvent(QEvent::GraphicsSceneMousePress, trackPoint(slider, 0.5));
    slider.handleMousePress(press.get(), consumer);
    QCOMPARE(slider.value(), value);
}

void tst_SvgSliderControl::skipsInvalidSteps_data()
{
    QTest::addColumn<QSet<int>>("invalid");
    QTest::addColumn<int>("start");
    QTest::addColumn<bool>("forwards");
    QTest::addColumn<int>("expected");

    QTest::newRow("next skips two") << QSet<int>{1, 2} << 0 << true << 3;
    QTest::newRow("previous skips two") << QSet<int>{1, 2} << 3 << false << 0;
    QTest::newRow("invalid first step") << QSet<int>{0} << 1 << false << 1;
    QTest::newRow("invalid last step") << QSet<int>{10} << 9 << true << 9;
    QTest::newRow("at the end") << QSet<int>{} << 10 << true << 10;
    QTest::newRow("at the start") << QSet<int>{} << 0 << false << 0;
}

void tst_SvgSliderControl::skipsInvalidSteps()
{
    QFETCH(QSet<int>, invalid);
    QFETCH(int, start);
    QFETCH(bool, forwards);
    QFETCH(int, expected);

    SvgSliderControl slider(ThemeProvider::getRendererFor(ThemeProvider::SLIDER), nullptr);
    slider.setValueBounds(0, 50, 5);
    slider.setStep(start);
    QCOMPARE(slider.step(), start);
    slider.setInvalidValueSteps(invalid);
    QCOMPARE(slider.step(), start);
    forwards ? slider.setNextValue() : slider.setPreviousValue();
    QCOMPARE(slider.step(), expected);
    QCOMPARE(slider.value(), expected * 5.0);

    // An invalid step is never taken directly either.
    for (int step : invalid) {
        slider.setStep(step);
        slider.setValue(step * 5.0);
        QCOMPARE(slider.step(), expected);
    }
}

void tst_SvgSliderControl::valueText_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("format");
    QTest::addColumn<int>("precision");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");

    const QLocale c = QLocale::c();
    const QLocale german(QLocale::German, QLocale::Germany);
    QTest::newRow("shortest form") << c << "%1%" << -1 << 12.5 << "12.5%";
    QTest::newRow("two decimals") << c << "%1%" << 2 << 12.5 << "12.50%";
    QTest::newRow("no decimals") << c << "%1%" << 0 << 12.0 << "12%";
    QTest::newRow("six significant digits") << c << "%1" << -1 << 1234567.0 << "1.23457e+06";
    QTest::newRow("unit after the number") << c << "%1 \u00B0C" << 1 << 21.0 << "21.0 \u00B0C";
    QTest::newRow("empty format") << c << "" << -1 << 12.5 << "";
    QTest::newRow("German, shortest form") << german << "%1 kW" << -1 << 2.5 << "2,5 kW";
    QTest::newRow("German, two decimals") << german << "%1 kW" << 2 << 1234.5 << "1.234,50 kW";
}

void tst_SvgSliderControl::valueText()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, format);
    QFETCH(int, precision);
    QFETCH(double, value);
    QFETCH(QString, text);

    QLocale::setDefault(locale);
    const auto restore = qScopeGuard([] { QLocale::setDefault(QLocale::c()); });
    SvgSliderControl slider(ThemeProvider::getRendererFor(ThemeProvider::SLIDER), nullptr);
    slider.setValueBounds(0, 2e6, 0.5);
    slider.setValue(value);
    slider.setValueFormat(format);
    slider.setValuePrecision(precision);
    QCOMPARE(::text(slider), text);
}

void tst_SvgSliderControl::precisionOutOfRangeIsRefused()
{
    LogCapture log;
    SvgSliderControl slider(ThemeProvider::getRendererFor(ThemeProvider::SLIDER), nullptr);
    slider.setValue(12.0);
    slider.setValuePrecision(8);
    QCOMPARE(slider.valuePrecision(), -1);
    QVERIFY(log.contains("Precision out of range"));
    slider.setValuePrecision(-7);
    QCOMPARE(slider.valuePrecision(), -1);
    slider.setValuePrecision(2);
    QCOMPARE(slider.valuePrecision(), 2);
    QCOMPARE(text(slider), QString("12.00%"));
}

void tst_SvgSliderControl::pressOnTrackReportsAtOnce_data()
{
    QTest::addColumn<QString>("folder");
    QTest::newRow("Corvane") << ":/CorvaneTheme";
    QTest::newRow("Talvera") << ":/TalveraTheme";
}

void tst_SvgSliderControl::pressOnTrackReportsAtOnce()
{
    QFETCH(QString, folder);
    useTheme(folder);
    SvgSliderControl slider(ThemeProvider::getRendererFor(ThemeProvider::SLIDER), nullptr);
    slider.setOffset(QPointF(30, 40));
    QSignalSpy changes(&slider, &SvgSliderControl::valueChanged);

    Gestures::EventConsumer consumer;
    auto press = mouseEvent(QEvent::GraphicsSceneMousePress, trackPoint(slider, 0.75));
    slider.handleMousePress(press.get(), consumer);
    QCOMPARE(changes.size(), 1);
    QVERIFY(press->isAccepted());
    QVERIFY(consumer.consumer() == static_cast<SvgControl*>(&slider));
    QVERIFY2(slider.value() > 70 && slider.value() < 80, qPrintable(QString::number(slider.value())));
    QCOMPARE(slider.value(), std::round(slider.value()));

    // A press on the thumb starts a drag and reports nothing yet.
    Gestures::EventConsumer thumbConsumer;
    const QPointF thumbCentre = slider.mapToScene(slider.thumb()->scaledBounds().center());
    auto onThumb = mouseEvent(QEvent::GraphicsSceneMousePress, thumbCentre);
    slider.handleMousePress(onThumb.get(), thumbConsumer);
    QVERIFY(thumbConsumer.consumer() == static_cast<SvgControl*>(slider.thumb()));
    QCOMPARE(changes.size(), 1);

    // Outside the track nothing happens.
    Gestures::EventConsumer outsideConsumer;
    const double before = slider.value();
    auto outside = mouseEvent(QEvent::GraphicsSceneMousePress, slider.mapToScene(QPointF(-50, -50)));
    slider.handleMousePress(outside.get(), outsideConsumer);
    QVERIFY(!outsideConsumer.consumer());
    QCOMPARE(slider.value(), before);
    QCOMPARE(changes.size(), 1);
    useTheme(QStringLiteral(":/TalveraTheme"));
}

void tst_SvgSliderControl::dragReportsOnceAtRelease()
{
    SvgSliderControl slider(ThemeProvider::getRendererFor(ThemeProvider::SLIDER), nullptr);
    slider.setValue(20);
    QSignalSpy changes(&slider, &SvgSliderControl::valueChanged);

    Gestures::EventConsumer consumer;
    const QPointF start = slider.mapToScene(slider.thumb()->scaledBounds().center());
    auto press = mouseEvent(QEvent::GraphicsSceneMousePress, start);
    slider.handleMousePress(press.get(), consumer);
    QVERIFY(consumer.consumer() == static_cast<SvgControl*>(slider.thumb()));
    void* pressConsumer = consumer.consumer();

    for (qreal share : {0.4, 0.6, 0.9}) {
        auto move = mouseEvent(QEvent::GraphicsSceneMouseMove, trackPoint(slider, share));
        slider.handleMousePressAndMove(start, move.get(), pressConsumer);
    }
    QVERIFY(slider.value() > 85);
    QCOMPARE(changes.size(), 0);
    auto release = mouseEvent(QEvent::GraphicsSceneMouseRelease, trackPoint(slider, 0.9));
    slider.handleMouseRelease(release.get(), pressConsumer);
    QCOMPARE(changes.size(), 1);

    // A drag that ends where it began still reports once.
    const QPointF again = slider.mapToScene(slider.thumb()->scaledBounds().center());
    auto move = mouseEvent(QEvent::GraphicsSceneMouseMove, again);
    slider.handleMousePressAndMove(again, move.get(), pressConsumer);
    slider.handleMouseRelease(release.get(), pressConsumer);
    QCOMPARE(changes.size(), 2);
    slider.handleMouseRelease(release.get(), pressConsumer);
    QCOMPARE(changes.size(), 2);
}

void tst_SvgSliderControl::hiddenImageTakesNoPress()
{
    SvgSliderControl slider(ThemeProvider::getRendererFor(ThemeProvider::SLIDER), nullptr);
    slider.setImageVisible(false);
    QVERIFY(!slider.thumb()->isVisible());
    QSignalSpy changes(&slider, &SvgSliderControl::valueChanged);
    Gestures::EventConsumer consumer;
    auto press = mouseEvent(QEvent::GraphicsSceneMousePress, trackPoint(slider, 0.5));
    slider.handleMousePress(press.get(), consumer);
    QCOMPARE(changes.size(), 0);
    QCOMPARE(slider.value(), 0.0);

    // The value text still follows the value.
    slider.setValue(40);
    QCOMPARE(text(slider), QString("40%"));
    slider.setImageVisible(true);
    QVERIFY(slider.thumb()->isVisible());
    const QRectF track = slider.filledTrack()->scaledBounds();
    QCOMPARE(slider.filledTrack()->paintClipRegion().boundingRect().width(), qRound(0.4 * track.width()));
}

void tst_SvgSliderControl::trackAndThumbFollowTheValue()
{
    SvgSliderControl slider(ThemeProvider::getRendererFor(ThemeProvider::SLIDER), nullptr);
    const QRectF track = slider.filledTrack()->scaledBounds();
    const QSizeF thumbSize = slider.thumb()->scaledBounds().size();

    slider.setValue(50);
    QCOMPARE(slider.filledTrack()->paintClipRegion().boundingRect(),
             QRect(0, 0, qRound(0.5 * track.width()), qRound(track.height())));
    const qreal middle = slider.thumb()->scaledBounds().center().x();
    QVERIFY(std::abs(middle - (track.x() + 60.0)) < 0.01);

    slider.setValue(100);
    QVERIFY(std::abs(slider.thumb()->scaledBounds().center().x() - (track.x() + 120.0)) < 0.01);
    QCOMPARE(slider.thumb()->scaledBounds().size(), thumbSize);
    QVERIFY(slider.filledTrack()->isVisible());

    // Refreshing the theme data keeps the thumb at the value.
    slider.setValue(25);
    slider.updateCachedData();
    QVERIFY(std::abs(slider.thumb()->scaledBounds().center().x() - (track.x() + 30.0)) < 0.01);
    QCOMPARE(slider.filledTrack()->paintClipRegion().boundingRect().width(), qRound(0.25 * track.width()));
    QCOMPARE(text(slider), QString("25%"));
}

void tst_SvgSliderControl::themeFontAndColours_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<QColor>("backing");

    // Light text on a dark plate, dark text on a light one.
    QTest::newRow("Corvane") << ":/CorvaneTheme" << QColor(0xD6, 0xD6, 0xD6) << QColor(0x0B, 0x24, 0x56);
    QTest::newRow("Talvera") << ":/TalveraTheme" << QColor(0x7A, 0x3D, 0xB0) << QColor(0xFB, 0xFA, 0xFD);
}

// The value lies on a plate of the theme's colour that holds the whole text
// and lies behind it.
void tst_SvgSliderControl::themeFontAndColours()
{
    QFETCH(QString, folder);
    QFETCH(QColor, colour);
    QFETCH(QColor, backing);

    useTheme(folder);
    SvgSliderControl slider(ThemeProvider::getRendererFor(ThemeProvider::SLIDER), nullptr);
    slider.setValueFormat(QStringLiteral("%1 %"));
    slider.setValue(42);
    QCOMPARE(slider.textItem()->font().pixelSize(), 11);
    const QGradient* gradient = slider.textItem()->brush().gradient();
    QVERIFY(gradient);
    QCOMPARE(gradient->coordinateMode(), QGradient::ObjectBoundingMode);
    QCOMPARE(gradient->stops().first().second, colour);
    QCOMPARE(gradient->stops().last().second, colour);
    QVERIFY(!slider.textItem()->graphicsEffect());
    const QList<QGraphicsItem*> children = slider.textItem()->childItems();
    QCOMPARE(children.size(), 1);
    const auto* plate = qgraphicsitem_cast<QGraphicsPathItem*>(children.first());
    QVERIFY(plate);
    QVERIFY(plate->flags().testFlag(QGraphicsItem::ItemStacksBehindParent));
    QCOMPARE(plate->brush().color(), backing);
    QVERIFY(plate->path().boundingRect().contains(slider.textItem()->boundingRect()));
    useTheme(QStringLiteral(":/TalveraTheme"));
}

void tst_SvgSliderControl::boundsAndTextPlace()
{
    SvgSliderControl slider(ThemeProvider::getRendererFor(ThemeProvider::SLIDER), nullptr);
    const QRectF background = slider.background()->scaledBounds();
    const QRectF thumb = slider.thumb()->scaledBounds();
    const QRectF only = slider.totalSliderOnlyBounds();
    QCOMPARE(only.left(), background.left() - thumb.width() / 2);
    QCOMPARE(only.right(), background.right() + thumb.width() / 2);
    QCOMPARE(only.center().y(), background.center().y());
    QCOMPARE(only.height(), thumb.height());

    slider.setTextOffset(QPointF(68, 40));
    QCOMPARE(slider.boundingRect().bottom(), 40.0);
    QCOMPARE(slider.boundingRect().top(), only.top());
    const auto textCentre = [&slider] {
        return slider.textItem()->x() + slider.textItem()->boundingRect().width() / 2;
    };
    QVERIFY(std::abs(textCentre() - 68.0) < 1e-9);
    QCOMPARE(slider.textItem()->y(), 40.0);
    slider.setValue(100);
    QVERIFY(std::abs(textCentre() - 68.0) < 1e-9);
}

void tst_SvgSliderControl::hiddenSliderShowsItsLastTextWhenShown_data()
{
    QTest::addColumn<bool>("madeHidden");
    QTest::addColumn<bool>("textHidden");
    QTest::newRow("made hidden") << true << false;
    QTest::newRow("hidden once made") << false << false;
    QTest::newRow("text hidden") << false << true;
}

// A text not shown is laid out only when it shows: then with the last
// value, format and font, in its place and on its plate.
void tst_SvgSliderControl::hiddenSliderShowsItsLastTextWhenShown()
{
    QFETCH(bool, madeHidden);
    QFETCH(bool, textHidden);
    SvgSliderControl shown(ThemeProvider::getRendererFor(ThemeProvider::SLIDER), nullptr);
    SvgSliderControl slider(ThemeProvider::getRendererFor(ThemeProvider::SLIDER), nullptr, madeHidden);
    if (textHidden)
        slider.setTextVisible(false);
    else if (!madeHidden)
        slider.setVisible(false);
    for (SvgSliderControl* each : {&shown, &slider}) {
        each->setTextOffset(QPointF(68, 40));
        each->setValueBounds(0, 100, 0.5);
        each->setValueFormat(QStringLiteral("%1%"));
        each->setValue(12.5);
        each->setValue(40);
    }
    if (textHidden)
        slider.setTextVisible(true);
    else
        slider.setVisible(true);
    QCOMPARE(text(slider), QStringLiteral("40%"));
    QCOMPARE(slider.textItem()->font(), shown.textItem()->font());
    QCOMPARE(slider.textItem()->pos(), shown.textItem()->pos());
    const auto* plate = qgraphicsitem_cast<QGraphicsPathItem*>(slider.textItem()->childItems().value(0));
    QVERIFY(plate);
    QVERIFY(plate->path().boundingRect().contains(slider.textItem()->boundingRect()));
}

QTEST_MAIN(tst_SvgSliderControl)
#include "tst_svgslidercontrol.moc"
