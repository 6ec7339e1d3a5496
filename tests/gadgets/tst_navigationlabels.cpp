// The carousel's ring of labels and sliders: placeholder probing, per-index
// operations, the three expanded layouts and their animation, and the
// relayed signals of the labels and sliders.

#include "label/Label.h"
#include "models/DropDownItemModel.h"
#include "models/NavigationIcon.h"
#include "navigation/NavigationLabels.h"
#include "slider/SvgSliderControl.h"
#include "text/LineTextEditor.h"
#include "theme/RendererContainer.h"
#include "theme/ThemeProvider.h"

#include "SceneTestHelpers.h"

#include <QApplication>
#include <QGraphicsScene>
#include <QGraphicsSceneMouseEvent>
#include <QGraphicsSimpleTextItem>
#include <QSignalSpy>
#include <QSvgRenderer>
#include <QTest>

#include <memory>

using namespace Corvane::Gadgets;
using Corvane::Gadgets::Models::DropDownItemModel;
using Corvane::Gadgets::Models::NavigationIcon;

namespace {

using SceneTestHelpers::useTheme;

constexpr int FIXTURE_LABELS = 6;

// Placeholders 1 to 6 and 8 (7 is missing); number 6 has no expanded
// variants, so it keeps its collapsed place in every state.
QByteArray fixtureSvg()
{
    QByteArray svg = R"(<svg xmlns="http://www.w3.org/2000/svg" width="800" height="600">)";
    auto rect = [&svg](const QString& id, qreal x, qreal y, qreal w, qreal h) {
        svg += QStringLiteral(R"(<rect id="%1" x="%2" y="%3" width="%4" height="%5" fill="none"/>)")
                   .arg(id).arg(x).arg(y).arg(w).arg(h).toUtf8();
    };
    for (int n : {1, 2, 3, 4, 5, 6, 8}) {
        const qreal x = 10 + (n - 1) * 95;
        rect(QStringLiteral("tooltip_%1_placeholder").arg(n), x, 300, 90, 40);
        rect(QStringLiteral("slider_%1_placeholder").arg(n), x, 340, 90, 20);
        if (n == 6)
            continue;
        rect(QStringLiteral("tooltip_%1_placeholder_expanded").arg(n), x, 400, 90, 40);
        rect(QStringLiteral("slider_%1_placeholder_expanded").arg(n), x + 10, 440, 70, 20);
        rect(QStringLiteral("tooltip_%1_placeholder_expanded_2").arg(n), x, 500, 90, 40);
        rect(QStringLiteral("slider_%1_placeholder_expanded_2").arg(n), x + 20, 540, 50, 20);
    }
    svg += "</svg>";
    return svg;
}

QString placeholderId(NavigationLabels::ExpandedState state, const QString& kind, int index, int numberWithoutVariants)
{
    QString id = QStringLiteral("%1_%2_placeholder").arg(kind).arg(index + 1);
    if (index + 1 == numberWithoutVariants)
        return id;
    if (state == NavigationLabels::Expanded)
        id += QStringLiteral("_expanded");
    else if (state == NavigationLabels::Expanded2)
        id += QStringLiteral("_expanded_2");
    return id;
}

std::unique_ptr<QGraphicsSceneMouseEvent> doubleClickEvent(const QPointF& scenePos)
{
    auto event = std::make_unique<QGraphicsSceneMouseEvent>(QEvent::GraphicsSceneMouseDoubleClick);
    event->setScenePos(scenePos);
    event->setButton(Qt::LeftButton);
    event->setButtons(Qt::LeftButton);
    event->setAccepted(false);
    return event;
}

void finish(QPropertyAnimation* animation)
{
    animation->setCurrentTime(animation->duration());
}

struct Fixture
{
    Fixture()
        : renderer(fixtureSvg())
        , container(&renderer, QStringLiteral("navigation"))
        , labels(new NavigationLabels(&container))
    {
        scene.addItem(labels);
    }

    QSvgRenderer renderer;
    Utilities::RendererContainer container;
    QGraphicsScene scene;
    NavigationLabels* labels;
};

} // namespace

class tst_NavigationLabels : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qRegisterMetaType<const DropDownItemModel*>(); }
    void init() { useTheme(QStringLiteral(":/TalveraTheme")); }
    void cleanupTestCase() { ThemeProvider::clear(); }

    void probingStopsAtTheFirstGap()
    {
        Fixture fixture;
        QCOMPARE(fixture.labels->count(), FIXTURE_LABELS);
        for (int i = 0; i < FIXTURE_LABELS; ++i) {
            QCOMPARE(fixture.labels->labelAt(i)->controlId(), NavigationLabels::LABEL_KEY);
            QVERIFY(!fixture.labels->sliderAt(i)->isVisible());
            QVERIFY(!fixture.labels->sliderAt(i)->imageVisible());
        }
        QCOMPARE(fixture.labels->labelAt(FIXTURE_LABELS), nullptr);
    }

    void builtInThemesHaveOneLabelPerSegment_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::newRow("Corvane") << QStringLiteral(":/CorvaneTheme");
        QTest::newRow("Talvera") << QStringLiteral(":/TalveraTheme");
    }

    void builtInThemesHaveOneLabelPerSegment()
    {
        QFETCH(QString, folder);
        useTheme(folder);
        NavigationLabels labels(ThemeProvider::getRendererFor(ThemeProvider::NAVIGATION));
        QCOMPARE(labels.count(), 5);
        // Every expanded layout of the built-in themes moves the labels.
        for (auto state : {NavigationLabels::Expanded, NavigationLabels::Expanded2}) {
            labels.setExpandedState(state);
            finish(labels.expandAnimation());
            for (int i = 0; i < labels.count(); ++i)
                QVERIFY(labels.labelRects().at(i).topLeft() != QPointF(0, 0));
        }
    }

    void outOfRangeIndicesAreIgnored_data()
    {
        QTest::addColumn<int>("index");
        QTest::newRow("-1") << -1;
        QTest::newRow("count") << FIXTURE_LABELS;
    }

    void outOfRangeIndicesAreIgnored()
    {
        QFETCH(int, index);
        Fixture fixture;
        NavigationLabels* labels = fixture.labels;
        labels->setText(0, QStringLiteral("Hall"));
        labels->setSliderValue(0, 30);
        QSignalSpy values(labels, &NavigationLabels::sliderValueChanged);

        labels->setText(index, QStringLiteral("Other"));
        labels->setVisibleAt(index, false);
        labels->setTextOpacityAt(index, 0.2);
        labels->setSupportsExtendedMode(index, true);
        labels->setSliderImageVisible(index, true);
        labels->setSliderValue(index, 50);
        labels->moveSliderUp(index);
        labels->applyCurrentValue(index);

        QVERIFY(labels->textAt(index).isNull());
        QVERIFY(labels->editedTextAt(index).isNull());
        QCOMPARE(labels->sliderValue(index), 0.0);
        QCOMPARE(labels->textAt(0), QStringLiteral("Hall"));
        QCOMPARE(labels->sliderValue(0), 30.0);
        QCOMPARE(values.count(), 0);
    }

    void textsAndValueDataComeFromIcons_data()
    {
        QTest::addColumn<bool>("withValueData");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("valueText");
        QTest::newRow("dimmable light") << true << 40.0 << QStringLiteral("40%");
        QTest::newRow("no level") << false << 0.0 << QString();
    }

    void textsAndValueDataComeFromIcons()
    {
        QFETCH(bool, withValueData);
        QFETCH(double, value);
        QFETCH(QString, valueText);
        NavigationIcon icon(ThemeProvider::LIGHTS, QStringLiteral("Kitchen"));
        if (withValueData) {
            icon.setSupportsValue(true);
            icon.setValueStep(5);
            icon.setValue(40);
        }
        Fixture fixture;
        NavigationLabels* labels = fixture.labels;
        QSignalSpy values(labels, &NavigationLabels::sliderValueChanged);
        // What the carousel pushes for the icon it shows on segment 2.
        labels->setText(2, icon.tooltip());
        labels->setSliderValueBounds(2, icon.minValue(), icon.maxValue(), icon.valueStep());
        labels->setSliderInvalidValueSteps(2, icon.invalidValueSteps());
        labels->setSliderValueFormat(2, icon.valueFormat());
        labels->setSliderValuePrecision(2, icon.valuePrecision());
        labels->setSliderValue(2, icon.value());
        labels->setSliderVisible(2, icon.hasValueData());
        labels->setSliderImageVisible(2, icon.hasValueData());

        QCOMPARE(labels->textAt(2), QStringLiteral("Kitchen"));
        QCOMPARE(labels->sliderValue(2), value);
        QCOMPARE(labels->sliderAt(2)->isVisible(), withValueData);
        QCOMPARE(labels->sliderAt(2)->textItem()->text(), valueText);
        QCOMPARE(values.count(), 0);
    }

    void keyStepsOnlyWhileTheBarShows_data()
    {
        QTest::addColumn<bool>("imageVisible");
        QTest::addColumn<double>("afterUp");
        QTest::addColumn<double>("afterDown");
        QTest::newRow("bar shown") << true << 60.0 << 40.0;
        QTest::newRow("bar hidden") << false << 50.0 << 50.0;
    }

    void keyStepsOnlyWhileTheBarShows()
    {
        QFETCH(bool, imageVisible);
        QFETCH(double, afterUp);
        QFETCH(double, afterDown);
        Fixture fixture;
        NavigationLabels* labels = fixture.labels;
        labels->setSliderValueBounds(1, 0, 100, 10);
        labels->setSliderValue(1, 50);
        labels->setSliderImageVisible(1, imageVisible);
        QSignalSpy values(labels, &NavigationLabels::sliderValueChanged);

        labels->moveSliderUp(1);
        QCOMPARE(labels->sliderValue(1), afterUp);
        labels->setSliderValue(1, 50);
        labels->moveSliderDown(1);
        QCOMPARE(labels->sliderValue(1), afterDown);
        QCOMPARE(values.count(), 0);

        labels->applyCurrentValue(1);
        QCOMPARE(values.count(), 1);
        QCOMPARE(values.at(0).at(0).toInt(), 1);
    }

    void expandedStatesEndOnTheirPlaceholders_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<int>("duration");
        QTest::addColumn<QEasingCurve::Type>("easing");
        QTest::newRow("expanded") << int(NavigationLabels::Expanded) << 300 << QEasingCurve::OutBounce;
        QTest::newRow("expanded 2") << int(NavigationLabels::Expanded2) << 300 << QEasingCurve::OutBounce;
    }

    void expandedStatesEndOnTheirPlaceholders()
    {
        QFETCH(int, state);
        QFETCH(int, duration);
        QFETCH(QEasingCurve::Type, easing);
        Fixture fixture;
        NavigationLabels* labels = fixture.labels;
        labels->setSliderImageVisible(0, true);
        const auto expanded = NavigationLabels::ExpandedState(state);

        labels->setExpandedState(expanded);
        QCOMPARE(labels->expandAnimation()->duration(), duration);
        QCOMPARE(labels->expandAnimation()->easingCurve().type(), easing);
        QCOMPARE(labels->expandAnimation()->state(), QAbstractAnimation::Running);
        finish(labels->expandAnimation());
        QCOMPARE(labels->expandProgress(), 1.0);
        verifyLayout(fixture, expanded);

        labels->setExpandedState(NavigationLabels::Collapsed);
        QCOMPARE(labels->expandAnimation()->duration(), 200);
        QCOMPARE(labels->expandAnimation()->easingCurve().type(), QEasingCurve::InSine);
        finish(labels->expandAnimation());
        verifyLayout(fixture, NavigationLabels::Collapsed);
    }

    void expandingFromRingOneToRingTwoStartsAtRingOne()
    {
        Fixture fixture;
        NavigationLabels* labels = fixture.labels;
        labels->setExpandedState(NavigationLabels::Expanded);
        finish(labels->expandAnimation());
        const QPointF ringOne = labels->labelAt(0)->pos();

        labels->setExpandedState(NavigationLabels::Expanded2);
        QCOMPARE(labels->previousExpandedState(), NavigationLabels::Expanded);
        labels->expandAnimation()->setCurrentTime(0);
        QCOMPARE(labels->labelAt(0)->pos(), ringOne);
        finish(labels->expandAnimation());
        verifyLayout(fixture, NavigationLabels::Expanded2);
    }

    void collapsingHalfwayResumesFromTheMirroredPoint()
    {
        Fixture fixture;
        NavigationLabels* labels = fixture.labels;
        labels->setExpandedState(NavigationLabels::Expanded);
        labels->expandAnimation()->setCurrentTime(150);
        const qreal progress = labels->expandProgress();
        const QPointF shownAt = labels->labelAt(0)->pos();
        QVERIFY(progress > 0.0 && progress < 1.0);

        labels->setExpandedState(NavigationLabels::Collapsed);
        QCOMPARE(labels->expandAnimation()->startValue().toReal(), 1.0 - progress);
        labels->expandAnimation()->setCurrentTime(0);
        // Label 0 moves on a straight line, so the mirrored point is where it was.
        QCOMPARE(labels->labelAt(0)->pos(), shownAt);
        finish(labels->expandAnimation());
        verifyLayout(fixture, NavigationLabels::Collapsed);
    }

    void sameStateIsIgnoredOnlyWhileAnimating()
    {
        Fixture fixture;
        NavigationLabels* labels = fixture.labels;
        labels->setExpandedState(NavigationLabels::Expanded);
        labels->expandAnimation()->setCurrentTime(100);
        const qreal progress = labels->expandProgress();
        labels->setExpandedState(NavigationLabels::Expanded);
        QCOMPARE(labels->expandProgress(), progress);
        QCOMPARE(labels->previousExpandedState(), NavigationLabels::Collapsed);

        finish(labels->expandAnimation());
        labels->setExpandedState(NavigationLabels::Expanded);
        QCOMPARE(labels->expandAnimation()->state(), QAbstractAnimation::Running);
        QCOMPARE(labels->expandAnimation()->startValue().toReal(), 0.0);
        QCOMPARE(labels->expandAnimation()->duration(), 200);
        finish(labels->expandAnimation());
        verifyLayout(fixture, NavigationLabels::Expanded);
    }

    void valueTextPlacement_data()
    {
        QTest::addColumn<bool>("imageVisible");
        QTest::newRow("bar shown") << true;
        QTest::newRow("bar hidden") << false;
    }

    void valueTextPlacement()
    {
        QFETCH(bool, imageVisible);
        Fixture fixture;
        NavigationLabels* labels = fixture.labels;
        labels->setSliderImageVisible(3, imageVisible);
        const QRectF label = labels->labelRects().at(3);
        const QRectF slider = labels->sliderRects().at(3);
        const QPointF expected = imageVisible
                                     ? QPointF(slider.width() / 2, slider.height())
                                     // Centred over the label's width, at the slider's top.
                                     : QPointF(int(label.x() - slider.x()) + int(label.width()) / 2.0, 0);
        QCOMPARE(labels->sliderValueRects().at(3).topLeft(), expected);
        QCOMPARE(labels->sliderAt(3)->textOffset(), expected);
    }

    void doubleRowLabelsKeepTheirPlaceholderCentre()
    {
        Fixture fixture;
        NavigationLabels* labels = fixture.labels;
        const qreal singleHeight = labels->labelRects().at(1).height();
        labels->setSupportsExtendedMode(1, true);
        QVERIFY(labels->labelAt(1)->isDoubleRowLabel());
        QVERIFY(labels->labelRects().at(1).height() > singleHeight);
        verifyLayout(fixture, NavigationLabels::Collapsed);
    }

    void labelAndSliderSignalsCarryTheirIndex()
    {
        Fixture fixture;
        NavigationLabels* labels = fixture.labels;
        QSignalSpy values(labels, &NavigationLabels::sliderValueChanged);
        QSignalSpy refresh(labels, &NavigationLabels::labelRefreshClicked);
        QSignalSpy starts(labels, &NavigationLabels::labelEditStart);
        QSignalSpy ends(labels, &NavigationLabels::labelEditEnd);
        QSignalSpy scrolling(labels, &NavigationLabels::labelTextScrolling);
        QSignalSpy iconClicks(labels, &NavigationLabels::row2DropDownItemIconClick);
        QSignalSpy itemTexts(labels, &NavigationLabels::row2DropDownItemTextChanged);
        DropDownItemModel item(1, QStringLiteral("Scene"));

        emit labels->sliderAt(4)->valueChanged();
        emit labels->labelAt(3)->refreshButtonClicked();
        emit labels->labelAt(2)->isInEditModeChanged(true);
        emit labels->labelAt(2)->isInEditModeChanged(false);
        emit labels->labelAt(1)->textIsScrolling();
        emit labels->labelAt(5)->row2DropDownItemIconClick(7, &item);
        emit labels->labelAt(0)->row2DropDownItemTextChanged(2, &item, QStringLiteral("Evening"));

        QCOMPARE(values.count(), 1);
        QCOMPARE(values.at(0).at(0).toInt(), 4);
        QCOMPARE(refresh.count(), 1);
        QCOMPARE(refresh.at(0).at(0).toInt(), 3);
        QCOMPARE(starts.count(), 1);
        QCOMPARE(starts.at(0).at(0).toInt(), 2);
        QCOMPARE(ends.count(), 1);
        QCOMPARE(ends.at(0).at(0).toInt(), 2);
        QCOMPARE(scrolling.count(), 1);
        QCOMPARE(iconClicks.count(), 1);
        QCOMPARE(iconClicks.at(0).at(0).toInt(), 5);
        QCOMPARE(iconClicks.at(0).at(1).toInt(), 7);
        QCOMPARE(iconClicks.at(0).at(2).value<const DropDownItemModel*>(), &item);
        QCOMPARE(itemTexts.count(), 1);
        QCOMPARE(itemTexts.at(0).at(0).toInt(), 0);
        QCOMPARE(itemTexts.at(0).at(1).toInt(), 2);
        QCOMPARE(itemTexts.at(0).at(3).toString(), QStringLiteral("Evening"));
    }

    void listenerVetoReachesTheLabel_data()
    {
        QTest::addColumn<bool>("canRename");
        QTest::newRow("accepted") << true;
        QTest::newRow("refused") << false;
    }

    void listenerVetoReachesTheLabel()
    {
        QFETCH(bool, canRename);
        Fixture fixture;
        NavigationLabels* labels = fixture.labels;
        int askedIndex = -1;
        connect(
            labels, &NavigationLabels::labelTextChanged, this,
            [&](int index, bool& answer) {
                askedIndex = index;
                answer = canRename;
            },
            Qt::DirectConnection);

        bool accepted = !canRename;
        emit labels->labelAt(4)->textChanged(accepted);
        QCOMPARE(askedIndex, 4);
        QCOMPARE(accepted, canRename);
    }

    void oneLabelEditsAtATime()
    {
        Fixture fixture;
        NavigationLabels* labels = fixture.labels;
        labels->setText(0, QStringLiteral("Hall"));
        labels->setText(1, QStringLiteral("Garage"));
        QSignalSpy starts(labels, &NavigationLabels::labelEditStart);

        Label* first = labels->labelAt(0);
        Label* second = labels->labelAt(1);
        first->handleMouseDoubleClick(doubleClickEvent(first->mapToScene(first->textBox().center())).get());
        QVERIFY(first->isInEditMode());
        QVERIFY(labels->isEditing());
        QCOMPARE(labels->editedTextAt(0), QStringLiteral("Hall"));

        second->handleMouseDoubleClick(doubleClickEvent(second->mapToScene(second->textBox().center())).get());
        QVERIFY(!second->isInEditMode());
        QCOMPARE(starts.count(), 1);
        QCOMPARE(starts.at(0).at(0).toInt(), 0);

        labels->setCanEditLabels(false);
        QVERIFY(!labels->isEditing());
    }

    void refreshButtonsOnEveryLabel_data()
    {
        QTest::addColumn<bool>("visible");
        QTest::addColumn<int>("config");
        QTest::newRow("shown") << true << int(Label::RefreshButton);
        QTest::newRow("hidden") << false << int(Label::NoButton);
    }

    void refreshButtonsOnEveryLabel()
    {
        QFETCH(bool, visible);
        QFETCH(int, config);
        Fixture fixture;
        fixture.labels->setLabelsRefreshButtonsVisible(visible);
        for (int i = 0; i < fixture.labels->count(); ++i)
            QCOMPARE(int(fixture.labels->labelAt(i)->buttonConfig()), config);
    }

    void aThemeWithoutSliderPlaceholdersHangsTheSliderUnderItsLabel()
    {
        QSvgRenderer renderer(QByteArray(R"(<svg xmlns="http://www.w3.org/2000/svg" width="200" height="100">)"
                                         R"(<rect id="tooltip_1_placeholder" x="20" y="10" width="160" height="30"/>)"
                                         "</svg>"));
        Utilities::RendererContainer container(&renderer, QStringLiteral("navigation"));
        NavigationLabels labels(&container);
        QCOMPARE(labels.count(), 1);
        labels.setSliderImageVisible(0, true);
        for (auto state : {NavigationLabels::Collapsed, NavigationLabels::Expanded, NavigationLabels::Expanded2}) {
            labels.setExpandedState(state);
            finish(labels.expandAnimation());
            const QRectF label = labels.labelRects().at(0);
            const QRectF slider = labels.sliderRects().at(0);
            QCOMPARE(label.x() + labels.labelAt(0)->totalBounds().x() + label.width() / 2, 100.0);
            QCOMPARE(slider.center().x(), 100.0);
            QCOMPARE(slider.y(), label.bottom());
        }
    }

    void opacityReachesLabelTextAndSlider()
    {
        Fixture fixture;
        NavigationLabels* labels = fixture.labels;
        labels->setTextOpacityAt(2, 0.25);
        QCOMPARE(labels->labelAt(2)->textOpacity(), 0.25);
        QCOMPARE(labels->sliderAt(2)->opacity(), 0.25);
        QCOMPARE(labels->labelAt(1)->textOpacity(), 1.0);

        labels->setTextOpacity(0.5);
        for (int i = 0; i < labels->count(); ++i) {
            QCOMPARE(labels->labelAt(i)->textOpacity(), 0.5);
            QCOMPARE(labels->sliderAt(i)->opacity(), 0.5);
        }
    }

    void themeRefreshKeepsTheLayout()
    {
        Fixture fixture;
        NavigationLabels* labels = fixture.labels;
        labels->setExpandedState(NavigationLabels::Expanded2);
        finish(labels->expandAnimation());
        // A theme switch swaps the renderers inside the shared containers.
        ThemeProvider::DefaultThemeFolder = QStringLiteral(":/CorvaneTheme");
        ThemeProvider::setThemeFile(QString());
        labels->updateCachedData();
        verifyLayout(fixture, NavigationLabels::Expanded2);
    }

private:
    // Each label sits centred on its placeholder of the state, and its
    // slider hangs directly under it, centred on the slider placeholder.
    void verifyLayout(const Fixture& fixture, NavigationLabels::ExpandedState state)
    {
        const NavigationLabels* labels = fixture.labels;
        for (int i = 0; i < labels->count(); ++i) {
            const QRectF placeholder = SvgControl::boundsOnElement(placeholderId(state, QStringLiteral("tooltip"), i, 6),
                                                                   const_cast<QSvgRenderer*>(&fixture.renderer));
            const QRectF sliderPlaceholder = SvgControl::boundsOnElement(
                placeholderId(state, QStringLiteral("slider"), i, 6), const_cast<QSvgRenderer*>(&fixture.renderer));
            const Label* label = labels->labelAt(i);
            const QRectF total = label->totalBounds();
            const qreal backgroundHeight = label->backgroundBounds().height();
            QCOMPARE(label->pos().x() + total.x() + total.width() / 2, placeholder.center().x());
            QCOMPARE(label->pos().y() + backgroundHeight / 2, placeholder.center().y());

            const SvgSliderControl* slider = labels->sliderAt(i);
            QCOMPARE(slider->pos().x() + slider->totalSliderOnlyBounds().width() / 2, sliderPlaceholder.center().x());
            QCOMPARE(slider->pos().y(), label->pos().y() + backgroundHeight);
        }
    }
};

QTEST_MAIN(tst_NavigationLabels)
#include "tst_navigationlabels.moc"
