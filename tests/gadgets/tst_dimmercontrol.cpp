#include "controls/SvgButton.h"
#include "dimmer/DimmerControl.h"
#include "gestures/EventConsumer.h"
#include "theme/RendererContainer.h"
#include "theme/ThemeProvider.h"

#include "SceneTestHelpers.h"

#include <QGraphicsScene>
#include <QGraphicsSceneWheelEvent>
#include <QSignalSpy>
#include <QSvgRenderer>
#include <QTest>

using namespace Corvane::Gadgets;

namespace {

// A dimmer face with level elements numbered first..last in a row of
// 10 x 20 boxes, "on" and "off" buttons below them.
QByteArray dimmerSvg(int first, int last)
{
    QString svg = QStringLiteral("<svg xmlns='http://www.w3.org/2000/svg' width='%1' height='60'>"
                                 "<rect id='background' x='0' y='0' width='%1' height='60' fill='#333'/>")
                      .arg(10 * (last - first + 1) + 20);
    for (int n = first; n <= last; ++n) {
        const int x = 10 + 10 * (n - first);
        svg += QStringLiteral("<rect id='value_%1' x='%2' y='5' width='10' height='20' fill='#fc0'/>"
                              "<rect id='value_%1_mask' x='%2' y='5' width='10' height='20' fill='#000000'/>")
                   .arg(n)
                   .arg(x);
    }
    for (const auto& [id, x] : {std::pair{QStringLiteral("on"), 10}, std::pair{QStringLiteral("off"), 40}}) {
        svg += QStringLiteral("<rect id='%1_default' x='%2' y='35' width='20' height='20' fill='#0c0'/>"
                              "<rect id='%1_mask' x='%2' y='35' width='20' height='20' fill='#000000'/>")
                   .arg(id)
                   .arg(x);
    }
    return (svg + "</svg>").toUtf8();
}

struct FixtureRenderer
{
    explicit FixtureRenderer(const QByteArray& svg)
        : renderer(svg)
        , container(&renderer, QStringLiteral("dimmer"))
    {
    }

    QSvgRenderer renderer;
    Utilities::RendererContainer container;
};

QList<bool> paintable(const DimmerControl& dimmer)
{
    QList<bool> result;
    for (const SvgButton* element : dimmer.levelElements())
        result << element->paintable();
    return result;
}

void press(DimmerControl& dimmer, const SvgButton* element)
{
    const auto event = SceneTestHelpers::mouseEvent(QEvent::GraphicsSceneMousePress,
                                                    element->mapToScene(element->boundingRect().center()));
    Gestures::EventConsumer consumer;
    dimmer.handleMousePress(event.get(), consumer);
}

} // namespace

class tst_DimmerControl : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void findsNumberedLevels_data();
    void findsNumberedLevels();
    void scales_data();
    void scales();
    void setPercentage();
    void pressOnLevelElement();
    void everyLevelOfAnOddCountCanBePressed();
    void pressAfterSwitchingToZero();
    void onAndOff();
    void wheelZoomsWithinTheThemeLimits();
};

void tst_DimmerControl::initTestCase()
{
    SceneTestHelpers::useTheme(QStringLiteral(":/TalveraTheme"));
}

void tst_DimmerControl::findsNumberedLevels_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::addColumn<QString>("firstId");

    QTest::newRow("1 to 10") << 1 << 10 << "value_1";
    QTest::newRow("0 to 4") << 0 << 4 << "value_0";
    QTest::newRow("0 to 100") << 0 << 100 << "value_0";
}

void tst_DimmerControl::findsNumberedLevels()
{
    QFETCH(int, first);
    QFETCH(int, last);
    QFETCH(QString, firstId);

    FixtureRenderer fixture(dimmerSvg(first, last));
    QGraphicsScene scene;
    DimmerControl dimmer(&fixture.container, &scene, nullptr);
    QVERIFY(!dimmer.scene());
    QCOMPARE(dimmer.stepsCount(), last - first + 1);
    QCOMPARE(dimmer.levelElements().first()->baseId(), firstId);
    QCOMPARE(dimmer.levelElements().first()->zValue(), 10.0);
    QCOMPARE(dimmer.level(), 1);
    QCOMPARE(dimmer.state(), DimmerControl::On);
    QList<bool> expected(dimmer.stepsCount(), false);
    expected[0] = true;
    QCOMPARE(paintable(dimmer), expected);
}

void tst_DimmerControl::scales_data()
{
    QTest::addColumn<int>("steps");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("hundred");
    QTest::addColumn<int>("percentage");
    QTest::addColumn<int>("custom");

    QTest::newRow("ten steps") << 10 << 5 << 50 << 55 << 5;
    QTest::newRow("three steps truncate") << 3 << 1 << 33 << 66 << 1;
    QTest::newRow("level out of range") << 10 << 11 << 0 << 101 << 0;
    QTest::newRow("negative") << 10 << -1 << 0 << -3 << 0;
    QTest::newRow("no steps") << 0 << 0 << 0 << 50 << 0;
    QTest::newRow("top of 97 steps") << 97 << 97 << 100 << 100 << 97;
    QTest::newRow("every element of a full theme") << 101 << 101 << 100 << 100 << 101;
    QTest::newRow("more than a theme can number") << 102 << 5 << 0 << 50 << 0;
}

void tst_DimmerControl::scales()
{
    QFETCH(int, steps);
    QFETCH(int, level);
    QFETCH(int, hundred);
    QFETCH(int, percentage);
    QFETCH(int, custom);

    FixtureRenderer fixture(dimmerSvg(1, 2));
    DimmerControl dimmer(&fixture.container, nullptr, nullptr);
    QCOMPARE(dimmer.toHundredPercentScale(level, steps), hundred);
    QCOMPARE(dimmer.toCustomPercentScale(percentage, steps), custom);
}

void tst_DimmerControl::setPercentage()
{
    FixtureRenderer fixture(dimmerSvg(1, 10));
    DimmerControl dimmer(&fixture.container, nullptr, nullptr);
    QSignalSpy changes(&dimmer, &DimmerControl::percentageChanged);

    dimmer.setPercentage(55);
    QCOMPARE(dimmer.level(), 5);
    QCOMPARE(changes.size(), 1);
    QCOMPARE(changes.last().first().toInt(), 55);
    dimmer.setPercentage(59);
    QCOMPARE(changes.size(), 1);

    dimmer.setPercentage(150);
    QCOMPARE(dimmer.level(), 10);
    QCOMPARE(changes.last().first().toInt(), 100);
    QCOMPARE(paintable(dimmer).count(true), 1);
    QVERIFY(dimmer.levelElements().last()->paintable());

    dimmer.setPercentage(-3);
    QCOMPARE(dimmer.level(), 0);
    QCOMPARE(dimmer.percentage(), 0);
    QCOMPARE(changes.last().first().toInt(), 0);
    QCOMPARE(paintable(dimmer).count(true), 0);

    // Without level elements every percentage is level 0.
    FixtureRenderer empty(QByteArray("<svg xmlns='http://www.w3.org/2000/svg' width='10' height='10'/>"));
    DimmerControl bare(&empty.container, nullptr, nullptr);
    QCOMPARE(bare.stepsCount(), 0);
    bare.setPercentage(40);
    QCOMPARE(bare.percentage(), 0);
    QCOMPARE(bare.level(), 0);
}

void tst_DimmerControl::pressOnLevelElement()
{
    FixtureRenderer fixture(dimmerSvg(1, 10));
    DimmerControl dimmer(&fixture.container, nullptr, nullptr);
    QSignalSpy changes(&dimmer, &DimmerControl::percentageChanged);

    press(dimmer, dimmer.levelElements().at(4));
    QCOMPARE(dimmer.level(), 5);
    QCOMPARE(changes.size(), 1);
    QCOMPARE(changes.first().first().toInt(), 50);
    QVERIFY(dimmer.levelElements().at(4)->paintable());

    press(dimmer, dimmer.levelElements().at(4));
    QCOMPARE(changes.size(), 1);
}

void tst_DimmerControl::everyLevelOfAnOddCountCanBePressed()
{
    FixtureRenderer fixture(dimmerSvg(1, 7));
    DimmerControl dimmer(&fixture.container, nullptr, nullptr);
    QSignalSpy changes(&dimmer, &DimmerControl::percentageChanged);
    for (int index : {2, 6, 1}) {
        press(dimmer, dimmer.levelElements().at(index));
        QCOMPARE(dimmer.level(), index + 1);
        QCOMPARE(changes.last().first().toInt(), dimmer.percentage());
    }
}

void tst_DimmerControl::pressAfterSwitchingToZero()
{
    FixtureRenderer fixture(dimmerSvg(1, 10));
    DimmerControl dimmer(&fixture.container, nullptr, nullptr);
    dimmer.setPercentage(30);
    dimmer.setPercentage(0);
    QCOMPARE(dimmer.level(), 0);
    press(dimmer, dimmer.levelElements().at(2));
    QCOMPARE(dimmer.level(), 3);
    QCOMPARE(dimmer.percentage(), 30);
}

void tst_DimmerControl::onAndOff()
{
    FixtureRenderer fixture(dimmerSvg(1, 10));
    DimmerControl dimmer(&fixture.container, nullptr, nullptr);
    QSignalSpy states(&dimmer, &DimmerControl::stateChanged);

    press(dimmer, dimmer.offButton());
    QCOMPARE(dimmer.state(), DimmerControl::Off);
    QCOMPARE(states.size(), 1);
    QCOMPARE(states.first().first().value<DimmerControl::DimmerState>(), DimmerControl::Off);
    for (const SvgButton* element : dimmer.levelElements())
        QVERIFY(!element->isVisible());

    dimmer.setState(DimmerControl::DimmerState(-4));
    QCOMPARE(states.size(), 1);

    press(dimmer, dimmer.onButton());
    QCOMPARE(dimmer.state(), DimmerControl::On);
    QCOMPARE(states.size(), 2);
    for (const SvgButton* element : dimmer.levelElements())
        QVERIFY(element->isVisible());
    QCOMPARE(paintable(dimmer).count(true), 1);

    dimmer.setState(DimmerControl::DimmerState(7));
    QCOMPARE(dimmer.state(), DimmerControl::On);
    QCOMPARE(states.size(), 2);
}

void tst_DimmerControl::wheelZoomsWithinTheThemeLimits()
{
    FixtureRenderer fixture(dimmerSvg(1, 10));
    QGraphicsScene scene;
    DimmerControl dimmer(&fixture.container, nullptr, nullptr);
    scene.addItem(&dimmer);

    QGraphicsSceneWheelEvent notch(QEvent::GraphicsSceneWheel);
    notch.setDelta(120);
    scene.sendEvent(&dimmer, &notch);
    QCOMPARE(dimmer.scale(), 1.12);

    notch.setDelta(-12000);
    scene.sendEvent(&dimmer, &notch);
    QCOMPARE(dimmer.scale(), ThemeProvider::minScale());
    notch.setDelta(120000);
    scene.sendEvent(&dimmer, &notch);
    QCOMPARE(dimmer.scale(), ThemeProvider::maxScale());
    scene.removeItem(&dimmer);
}

QTEST_MAIN(tst_DimmerControl)
#include "tst_dimmercontrol.moc"
