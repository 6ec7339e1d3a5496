#include "commandcontrol/CommandControl.h"
#include "controls/SvgContentButton.h"
#include "controls/SvgElement.h"
#include "theme/RendererContainer.h"
#include "theme/ThemeProvider.h"

#include "LogCapture.h"

#include "SceneTestHelpers.h"

#include <QGraphicsSceneMouseEvent>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSvgRenderer>
#include <QTest>

#include <memory>

using namespace Corvane::Gadgets;
using Models::NavigationIcon;
using ButtonData = CommandControl::ButtonData;

namespace {

using SceneTestHelpers::useTheme;
using SceneTestHelpers::mouseEvent;

// A ring laid out flat for exact geometry: five odd segments in a row at
// y 0..30 (centres x = 15, 55, 95, 135, 175) and four even segments in a
// column that climbs upwards at x 180..210 (centres y = 95, 65, 35, 5).
QByteArray rowRingSvg()
{
    QString svg = QStringLiteral("<svg xmlns='http://www.w3.org/2000/svg' width='220' height='110'>"
                                 "<rect id='background' x='0' y='0' width='220' height='110' fill='#ddd'/>");
    const auto segment = [&svg](const QString& id, int x, int y) {
        const QString rect = QStringLiteral("<rect id='%1' x='%2' y='%3' width='30' height='30' fill='%4'/>");
        svg += rect.arg(id + "_mask").arg(x).arg(y).arg("#000000");
        svg += rect.arg(id + "_default").arg(x).arg(y).arg("#8080ff");
        svg += rect.arg(id + "_pressed").arg(x).arg(y).arg("#2020a0");
        svg += QStringLiteral("<rect id='%1_content_placeholder' x='%2' y='%3' width='20' height='20' fill='none'/>")
                   .arg(id).arg(x + 5).arg(y + 5);
    };
    for (int k = 1; k <= 5; ++k) {
        segment(QStringLiteral("odd_%1").arg(k), 40 * (k - 1), 0);
        svg += QStringLiteral("<rect id='expand_indicator_odd_%1_default' x='%2' y='32' width='6' height='4'/>")
                   .arg(k).arg(40 * (k - 1) + 12);
    }
    for (int k = 1; k <= 4; ++k)
        segment(QStringLiteral("even_%1").arg(k), 180, 80 - 30 * (k - 1));
    return (svg + "</svg>").toUtf8();
}

struct FixtureRenderer
{
    explicit FixtureRenderer(const QByteArray& svg)
        : renderer(svg)
        , container(&renderer, QStringLiteral("fixture"))
    {
    }

    QSvgRenderer renderer;
    Utilities::RendererContainer container;
};

QList<ButtonData> commands(int count)
{
    QList<ButtonData> buttons;
    for (int i = 0; i < count; ++i)
        buttons << ButtonData(NavigationIcon(ThemeProvider::ON, QString()), QStringLiteral("CMD%1").arg(i));
    return buttons;
}

QList<int> shownSegments(const QList<SvgContentButton*>& segments, const CommandControl& ring)
{
    QList<int> shown;
    for (int k = 0; k < segments.size(); ++k) {
        if (segments.at(k)->isVisibleTo(&ring))
            shown << k;
    }
    return shown;
}

QList<int> segmentStates(const QList<SvgContentButton*>& segments)
{
    QList<int> states;
    for (const SvgContentButton* segment : segments)
        states << segment->state();
    return states;
}

QPointF centreOf(const SvgContentButton* segment)
{
    return segment->mapToParent(segment->contentBounds().center());
}

} // namespace

class tst_CommandControl : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void builtInRingsFindTheirSets_data();
    void builtInRingsFindTheirSets();
    void setFollowsParity_data();
    void setFollowsParity();
    void overfullFillShowsNothing();
    void closestStart_data();
    void closestStart();
    void clickedSegmentMapsBackToItsId_data();
    void clickedSegmentMapsBackToItsId();
    void singleSetRingKeepsItsSetsApart();
    void keyboardWrapsWithinTheRun();
    void releaseComesBeforeClick();
    void selectionAndDeselection();
    void refillClearsThePressedLook();
    void buttonIconChangesState();
    void autoArrangeFillsClimbingRunsFromTheTop();
    void buttonCentre();
    void numberingGapKeepsIconBoxesOnRefresh();
};

void tst_CommandControl::initTestCase()
{
    qRegisterMetaType<SvgElement*>();
    useTheme(QStringLiteral(":/TalveraTheme"));
}

void tst_CommandControl::cleanupTestCase()
{
    ThemeProvider::clear();
}

void tst_CommandControl::builtInRingsFindTheirSets_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("rendererName");
    QTest::addColumn<int>("odd");
    QTest::addColumn<int>("even");

    for (const QString& folder : {QStringLiteral(":/CorvaneTheme"), QStringLiteral(":/TalveraTheme")}) {
        const QByteArray theme = folder.mid(2).toUtf8();
        QTest::addRow("%s command_control", theme.constData()) << folder << ThemeProvider::COMMAND_CONTROL << 12 << 13;
        QTest::addRow("%s command_control_2", theme.constData()) << folder << ThemeProvider::COMMAND_CONTROL_2 << 12 << 13;
        QTest::addRow("%s favorite_command_control", theme.constData())
            << folder << ThemeProvider::FAVORITE_COMMAND_CONTROL << 5 << 5;
        QTest::addRow("%s favorite_command_control_2", theme.constData())
            << folder << ThemeProvider::FAVORITE_COMMAND_CONTROL_2 << 10 << 10;
    }
}

void tst_CommandControl::builtInRingsFindTheirSets()
{
    QFETCH(QString, folder);
    QFETCH(QString, rendererName);
    QFETCH(int, odd);
    QFETCH(int, even);

    useTheme(folder);
    CommandControl ring(ThemeProvider::getRendererFor(rendererName), QPointF(), nullptr);
    QCOMPARE(ring.oddSegments().size(), odd);
    QCOMPARE(ring.evenSegments().size(), even);
    QCOMPARE(ring.oddExpandIndicators().size(), odd);
    QCOMPARE(ring.evenExpandIndicators().size(), even);
    QCOMPARE(ring.scaledBounds(), ring.background()->scaledBounds());
    for (const auto& segments : {ring.oddSegments(), ring.evenSegments()}) {
        for (const SvgContentButton* segment : segments) {
            QVERIFY(!segment->isVisible());
            QVERIFY(segment->contentBounds().width() > 0);
            QVERIFY(ring.boundingRect().contains(centreOf(segment)));
        }
    }

    // Every segment shows a command: the whole even set is in use.
    ring.setActiveButtons(commands(even), true, CommandControl::POINT_EMPTY);
    QCOMPARE(shownSegments(ring.evenSegments(), ring).size(), even);
    useTheme(QStringLiteral(":/TalveraTheme"));
}

void tst_CommandControl::setFollowsParity_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("even");

    QTest::newRow("two") << 2 << true;
    QTest::newRow("three") << 3 << false;
    QTest::newRow("twelve") << 12 << true;
}

void tst_CommandControl::setFollowsParity()
{
    QFETCH(int, count);
    QFETCH(bool, even);

    CommandControl ring(ThemeProvider::getRendererFor(ThemeProvider::COMMAND_CONTROL), QPointF(), nullptr);
    ring.setActiveButtons(commands(count), CommandControl::POINT_EMPTY);
    QCOMPARE(ring.usesEvenSegments(), even);
    QCOMPARE(ring.activeButtonsCount(), count);
    QList<int> expected;
    for (int k = 0; k < count; ++k)
        expected << k;
    QCOMPARE(shownSegments(even ? ring.evenSegments() : ring.oddSegments(), ring), expected);
    QVERIFY(shownSegments(even ? ring.oddSegments() : ring.evenSegments(), ring).isEmpty());
}

void tst_CommandControl::overfullFillShowsNothing()
{
    CommandControl ring(ThemeProvider::getRendererFor(ThemeProvider::COMMAND_CONTROL), QPointF(), nullptr);
    ring.setActiveButtons(commands(2), CommandControl::POINT_EMPTY);
    ring.selectNext();
    QCOMPARE(ring.selectedIndex(), 0);

    LogCapture log;
    ring.setActiveButtons(commands(13), false, CommandControl::POINT_EMPTY);
    // No keyboard selection survives on a segment that shows nothing.
    QCOMPARE(ring.selectedIndex(), -1);
    QSignalSpy presses(&ring, &SvgControlObject::elementPress);
    ring.pressCurrent();
    QCOMPARE(presses.size(), 0);
    QCOMPARE(log.errors().size(), 1);
    QVERIFY(log.errors().first().startsWith("void Corvane::Gadgets::CommandControl::setActiveButtons("));
    QVERIFY(log.errors().first().endsWith("Too many commands for number of segments"));
    QVERIFY(shownSegments(ring.oddSegments(), ring).isEmpty());
    QVERIFY(shownSegments(ring.evenSegments(), ring).isEmpty());
    QCOMPARE(ring.activeButtonsCount(), 13);
    QCOMPARE(ring.getButtonId(ring.oddSegments().first()), QString());
    QCOMPARE(ring.getButtonIndex("CMD0"), -1);

    // Thirteen commands fit the even set.
    log.clear();
    ring.setActiveButtons(commands(13), true, CommandControl::POINT_EMPTY);
    QVERIFY(log.errors().isEmpty());
    QCOMPARE(shownSegments(ring.evenSegments(), ring).size(), 13);
}

void tst_CommandControl::closestStart_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QPointF>("startPoint");
    QTest::addColumn<int>("start");

    QTest::newRow("no start point") << 2 << CommandControl::POINT_EMPTY << 0;
    QTest::newRow("between the fourth and fifth") << 2 << QPointF(155, 15) << 3;
    QTest::newRow("on the first") << 2 << QPointF(15, 15) << 0;
    QTest::newRow("far to the right") << 3 << QPointF(1000, 15) << 2;
    QTest::newRow("tie between two segments") << 1 << QPointF(75, 15) << 1;
    QTest::newRow("tie between two runs") << 2 << QPointF(95, 15) << 1;
    QTest::newRow("every segment") << 5 << QPointF(175, 15) << 0;
}

void tst_CommandControl::closestStart()
{
    QFETCH(int, count);
    QFETCH(QPointF, startPoint);
    QFETCH(int, start);

    FixtureRenderer fixture(rowRingSvg());
    CommandControl ring(&fixture.container, QPointF(), nullptr);
    QCOMPARE(ring.oddSegments().size(), 5);
    ring.setActiveButtons(commands(count), false, startPoint);
    QList<int> expected;
    for (int k = start; k < start + count; ++k)
        expected << k;
    QCOMPARE(shownSegments(ring.oddSegments(), ring), expected);
    QCOMPARE(ring.getButtonIndex("CMD0"), start);

    // The ring's position counts: the same point seen from a ring moved by
    // 40 to the right lies one segment further left.
    if (startPoint != CommandControl::POINT_EMPTY && count == 2 && start > 0) {
        CommandControl moved(&fixture.container, QPointF(40, 0), nullptr);
        moved.setActiveButtons(commands(count), false, startPoint);
        QCOMPARE(moved.getButtonIndex("CMD0"), start - 1);
    }
}

void tst_CommandControl::clickedSegmentMapsBackToItsId_data()
{
    QTest::addColumn<QString>("folder");
    QTest::newRow("Corvane") << ":/CorvaneTheme";
    QTest::newRow("Talvera") << ":/TalveraTheme";
}

void tst_CommandControl::clickedSegmentMapsBackToItsId()
{
    QFETCH(QString, folder);
    useTheme(folder);
    CommandControl ring(ThemeProvider::getRendererFor(ThemeProvider::COMMAND_CONTROL), QPointF(), nullptr);
    const QList<ButtonData> buttons{ButtonData(NavigationIcon(ThemeProvider::ON, "On"), "ON"),
                                    ButtonData(NavigationIcon(ThemeProvider::OFF, "Off"), "OFF")};
    ring.setActiveButtons(buttons, CommandControl::POINT_EMPTY);
    QSignalSpy clicks(&ring, &SvgControlObject::elementClick);

    const QPointF offCentre = ring.mapToScene(centreOf(ring.evenSegments().at(1)));
    auto click = mouseEvent(QEvent::GraphicsSceneMouseRelease, offCentre);
    ring.handleMouseClick(click.get());
    QCOMPARE(clicks.size(), 1);
    auto* element = clicks.first().first().value<SvgElement*>();
    QVERIFY(element == static_cast<SvgElement*>(ring.evenSegments().at(1)));
    QCOMPARE(ring.getButtonId(element), QString("OFF"));
    QCOMPARE(ring.getButtonIndex("OFF"), 1);

    QCOMPARE(ring.getButtonId(ring.background()), QString());
    QCOMPARE(ring.getButtonId(ring.evenSegments().at(5)), QString());
    QCOMPARE(ring.getButtonId(ring.oddSegments().at(0)), QString());
    QCOMPARE(ring.getButtonId(nullptr), QString());
    QCOMPARE(ring.getButtonIndex("STOP"), -1);
    QCOMPARE(ring.getButtonIndex(QString()), -1);

    // A hidden segment takes no click.
    const QPointF hidden = ring.mapToScene(centreOf(ring.evenSegments().at(6)));
    auto missed = mouseEvent(QEvent::GraphicsSceneMouseRelease, hidden);
    ring.handleMouseClick(missed.get());
    QCOMPARE(clicks.size(), 1);
    useTheme(QStringLiteral(":/TalveraTheme"));
}

void tst_CommandControl::singleSetRingKeepsItsSetsApart()
{
    CommandControl ring(ThemeProvider::getRendererFor(ThemeProvider::FAVORITE_COMMAND_CONTROL), QPointF(), nullptr);
    QCOMPARE(ring.oddSegments().size(), 5);
    QCOMPARE(ring.evenSegments().size(), 5);
    for (int k = 0; k < 5; ++k) {
        QVERIFY(ring.oddSegments().at(k) != ring.evenSegments().at(k));
        QCOMPARE(ring.oddSegments().at(k)->baseId(), QStringLiteral("segment_%1").arg(k + 1));
        QCOMPARE(ring.evenSegments().at(k)->baseId(), QStringLiteral("segment_%1").arg(k + 1));
        QCOMPARE(ring.oddExpandIndicators().at(k)->baseId(), QStringLiteral("expand_indicator_%1").arg(k + 1));
        QCOMPARE(ring.oddSegments().at(k)->controlId(), QStringLiteral("command_control_segment_%1").arg(k + 1));
    }

    ring.setActiveButtons(commands(2), CommandControl::POINT_EMPTY);
    QCOMPARE(shownSegments(ring.evenSegments(), ring), QList<int>({0, 1}));
    QVERIFY(shownSegments(ring.oddSegments(), ring).isEmpty());
    QCOMPARE(ring.getButtonId(ring.evenSegments().at(1)), QString("CMD1"));
    QCOMPARE(ring.getButtonId(ring.oddSegments().at(1)), QString());

    ring.setActiveButtons(commands(3), CommandControl::POINT_EMPTY);
    QCOMPARE(shownSegments(ring.oddSegments(), ring), QList<int>({0, 1, 2}));
    QCOMPARE(ring.getButtonId(ring.oddSegments().at(2)), QString("CMD2"));
}

void tst_CommandControl::keyboardWrapsWithinTheRun()
{
    FixtureRenderer fixture(rowRingSvg());
    CommandControl ring(&fixture.container, QPointF(), nullptr);
    ring.setActiveButtons(commands(3), false, QPointF(1000, 15));
    QCOMPARE(shownSegments(ring.oddSegments(), ring), QList<int>({2, 3, 4}));
    QCOMPARE(ring.selectedIndex(), -1);

    ring.selectNext();
    QCOMPARE(ring.selectedIndex(), 2);
    QCOMPARE(ring.oddSegments().at(2)->state(), SvgButton::Hover);
    ring.selectNext();
    ring.selectNext();
    QCOMPARE(ring.selectedIndex(), 4);
    ring.selectNext();
    QCOMPARE(ring.selectedIndex(), 2);
    QCOMPARE(segmentStates(ring.oddSegments()), QList<int>({0, 0, 1, 0, 0}));
    ring.selectPrevious();
    QCOMPARE(ring.selectedIndex(), 4);
    ring.selectPrevious();
    QCOMPARE(ring.selectedIndex(), 3);

    // A new fill drops the keyboard selection.
    ring.setActiveButtons(commands(2), false, CommandControl::POINT_EMPTY);
    QCOMPARE(ring.selectedIndex(), -1);
    QCOMPARE(segmentStates(ring.oddSegments()), QList<int>({0, 0, 0, 0, 0}));
}

void tst_CommandControl::releaseComesBeforeClick()
{
    FixtureRenderer fixture(rowRingSvg());
    CommandControl ring(&fixture.container, QPointF(), nullptr);
    ring.setActiveButtons(commands(3), false, CommandControl::POINT_EMPTY);
    QStringList events;
    connect(&ring, &SvgControlObject::elementPress, this,
            [&](SvgElement* element) { events << "press " + ring.getButtonId(element); });
    connect(&ring, &SvgControlObject::elementRelease, this,
            [&](SvgElement* element) { events << "release " + ring.getButtonId(element); });
    connect(&ring, &SvgControlObject::elementClick, this,
            [&](SvgElement* element) { events << "click " + ring.getButtonId(element); });

    ring.pressCurrent();
    ring.releaseCurrent();
    QVERIFY(events.isEmpty());

    ring.selectNext();
    ring.selectNext();
    ring.pressCurrent();
    ring.releaseCurrent();
    QCOMPARE(events, QStringList({"press CMD1", "release CMD1", "click CMD1"}));
}

void tst_CommandControl::selectionAndDeselection()
{
    FixtureRenderer fixture(rowRingSvg());
    CommandControl ring(&fixture.container, QPointF(), nullptr);
    QList<ButtonData> buttons = commands(3);
    buttons[1].icon.setWillExpand(true);
    ring.setActiveButtons(buttons, false, CommandControl::POINT_EMPTY);
    QVERIFY(ring.oddExpandIndicators().at(1)->isVisibleTo(&ring));
    QVERIFY(!ring.oddExpandIndicators().at(0)->isVisibleTo(&ring));

    ring.setSelectedButton("CMD1");
    QCOMPARE(segmentStates(ring.oddSegments()), QList<int>({0, 2, 0, 0, 0}));
    QVERIFY(ring.oddSegments().at(1)->stayPressed());
    QCOMPARE(ring.oddExpandIndicators().at(1)->opacity(), 0.0);
    QCOMPARE(ring.selectedIndex(), 1);

    ring.setSelectedButton("UNKNOWN");
    QCOMPARE(segmentStates(ring.oddSegments()), QList<int>({0, 0, 0, 0, 0}));
    QCOMPARE(ring.selectedIndex(), 1);

    ring.setSelectedButton("CMD2");
    ring.deselectAll();
    QCOMPARE(segmentStates(ring.oddSegments()), QList<int>({0, 0, 0, 0, 0}));
    QVERIFY(!ring.oddSegments().at(2)->stayPressed());
    QCOMPARE(ring.oddExpandIndicators().at(1)->opacity(), 1.0);
    QCOMPARE(ring.selectedIndex(), 2);
}

void tst_CommandControl::refillClearsThePressedLook()
{
    CommandControl ring(ThemeProvider::getRendererFor(ThemeProvider::FAVORITE_COMMAND_CONTROL), QPointF(), nullptr);
    QList<ButtonData> first = commands(2);
    first[0].icon.setWillExpand(true);
    ring.setActiveButtons(first, CommandControl::POINT_EMPTY);
    ring.setSelectedButton("CMD0");
    QCOMPARE(ring.evenSegments().at(0)->state(), SvgButton::Pressed);

    const QList<ButtonData> other{ButtonData(NavigationIcon(ThemeProvider::OFF, QString()), "OFF"),
                                  ButtonData(NavigationIcon(ThemeProvider::ON, QString()), "ON")};
    ring.setActiveButtons(other, CommandControl::POINT_EMPTY);
    QCOMPARE(ring.getButtonId(ring.evenSegments().at(0)), QString("OFF"));
    for (const SvgContentButton* segment : ring.evenSegments() + ring.oddSegments()) {
        QVERIFY(segment->state() != SvgButton::Pressed);
        QVERIFY(!segment->stayPressed());
    }
    QCOMPARE(ring.evenExpandIndicators().at(0)->opacity(), 1.0);
}

void tst_CommandControl::buttonIconChangesState()
{
    FixtureRenderer fixture(rowRingSvg());
    CommandControl ring(&fixture.container, QPointF(), nullptr);
    QList<ButtonData> buttons = commands(3);
    buttons[2].icon.setState(NavigationIcon::Disabled);
    ring.setActiveButtons(buttons, false, CommandControl::POINT_EMPTY);
    QCOMPARE(segmentStates(ring.oddSegments()), QList<int>({0, 0, 3, 0, 0}));

    ring.setButtonIcon("CMD0", NavigationIcon(ThemeProvider::OFF, NavigationIcon::Inactive, QString()));
    QCOMPARE(ring.oddSegments().at(0)->state(), SvgButton::Disabled);
    QCOMPARE(ring.oddSegments().at(0)->iconElement(), QString("inactive"));
    QCOMPARE(ring.oddSegments().at(0)->iconRenderer().main(), ThemeProvider::getRendererFor(ThemeProvider::OFF));

    // An uninitialized icon changes the look of the icon only.
    ring.setButtonIcon("CMD0", NavigationIcon(ThemeProvider::ON, NavigationIcon::Uninitialized, QString()));
    QCOMPARE(ring.oddSegments().at(0)->state(), SvgButton::Disabled);
    QCOMPARE(ring.oddSegments().at(0)->iconElement(), QString("uninitialized"));

    ring.setButtonIcon("CMD2", NavigationIcon(ThemeProvider::ON, NavigationIcon::Active, QString()));
    QCOMPARE(ring.oddSegments().at(2)->state(), SvgButton::Normal);
    QCOMPARE(ring.oddSegments().at(2)->iconElement(), QString("active"));

    // The stored button follows, so the default state after a deselection does too.
    ring.setSelectedButton("CMD1");
    ring.setButtonIcon("CMD1", NavigationIcon(ThemeProvider::ON, NavigationIcon::Inactive, QString()));
    QCOMPARE(ring.oddSegments().at(1)->state(), SvgButton::Pressed);
    ring.deselectAll();
    QCOMPARE(ring.oddSegments().at(1)->state(), SvgButton::Disabled);

    // A command whose state is not known yet takes the normal look again.
    QCOMPARE(segmentStates(ring.oddSegments()), QList<int>({0, 3, 0, 0, 0}));
    ring.setButtonIcon("NONE", NavigationIcon(ThemeProvider::ON, NavigationIcon::Inactive, QString()));
    QCOMPARE(segmentStates(ring.oddSegments()), QList<int>({0, 3, 0, 0, 0}));
}

void tst_CommandControl::autoArrangeFillsClimbingRunsFromTheTop()
{
    FixtureRenderer fixture(rowRingSvg());
    CommandControl ring(&fixture.container, QPointF(), nullptr);
    ring.setActiveButtons(commands(2), true, CommandControl::POINT_EMPTY);
    QCOMPARE(ring.getButtonIndex("CMD0"), 0);

    ring.setAutoArrangeButtons(true);
    ring.setActiveButtons(commands(2), true, CommandControl::POINT_EMPTY);
    QCOMPARE(ring.getButtonIndex("CMD0"), 1);
    QCOMPARE(ring.getButtonIndex("CMD1"), 0);

    // A run that does not climb is filled forwards.
    ring.setActiveButtons(commands(3), false, CommandControl::POINT_EMPTY);
    QCOMPARE(ring.getButtonIndex("CMD0"), 0);
    QCOMPARE(ring.getButtonIndex("CMD2"), 2);
}

void tst_CommandControl::buttonCentre()
{
    FixtureRenderer fixture(rowRingSvg());
    CommandControl ring(&fixture.container, QPointF(100, 50), nullptr);
    ring.setActiveButtons(commands(2), false, CommandControl::POINT_EMPTY);
    QCOMPARE(ring.getButtonCenter(1), QPointF(155, 65));
    QCOMPARE(ring.getButtonCenter(4), QPointF(275, 65));
    QCOMPARE(ring.getButtonCenter(5), QPointF(0, 0));
    QCOMPARE(ring.getButtonCenter(-1), QPointF(0, 0));
    ring.setActiveButtons(commands(2), true, CommandControl::POINT_EMPTY);
    QCOMPARE(ring.getButtonCenter(0), QPointF(295, 145));

    // A refresh of the theme data lays the segments out in the same places.
    ring.updateCachedData();
    QCOMPARE(ring.getButtonCenter(0), QPointF(295, 145));
    QCOMPARE(ring.scaledBounds(), QRectF(0, 0, 220, 110));
}

void tst_CommandControl::numberingGapKeepsIconBoxesOnRefresh()
{
    // Without odd_2 the second odd segment is odd_3, at x 80..110.
    QString svg = QString::fromUtf8(rowRingSvg());
    svg.remove(QRegularExpression(QStringLiteral("<rect id='odd_2_[^>]*/>")));
    FixtureRenderer fixture(svg.toUtf8());
    CommandControl ring(&fixture.container, QPointF(), nullptr);
    QCOMPARE(ring.oddSegments().size(), 4);
    SvgContentButton* second = ring.oddSegments().at(1);
    QCOMPARE(second->baseId(), QStringLiteral("odd_3"));
    // The icon box in the segment's own coordinates.
    QCOMPARE(second->contentBounds(), QRectF(5, 5, 20, 20));

    ring.updateCachedData();
    QCOMPARE(second->contentBounds(), QRectF(5, 5, 20, 20));
}

QTEST_MAIN(tst_CommandControl)
#include "tst_commandcontrol.moc"
