#include "FavoriteWindow.h"

#include "RingPlacement.h"
#include "SentrelFixture.h"
#include "TestSceneWindow.h"

#include "commandcontrol/CommandControl.h"
#include "controls/SvgButton.h"
#include "controls/SvgContentButton.h"
#include "favorite/FavoriteControl.h"
#include "gestures/EventConsumer.h"
#include "theme/RendererContainer.h"
#include "utilities/InitSettings.h"

#include <QDir>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QPropertyAnimation>
#include <QGraphicsSceneMouseEvent>
#include <QScreen>
#include <QSignalSpy>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>

using namespace Corvane::Sentrel;
using Corvane::Gadgets::FavoriteControl;
using Corvane::Utilities::InitSettings;

class tst_FavoriteWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Each case runs on both built-in themes: their shapes differ, not their
    // element ids.
    void initTestCase_data();
    void init();
    void cleanup();
    void carriesItsItemAndControl();
    void scaleRangeKeepsTheCentreButtonWithinLimits_data();
    void scaleRangeKeepsTheCentreButtonWithinLimits();
    void skinWithoutCentreButtonUsesTheGlobalRange();
    void centreDragMovesTheWindow();
    void resizeDragScalesTheWindow();
    void otherDragsDoNothing();
    void themeChangeKeepsThePercent();
    void smallButtonsClearTheRings_data();
    void smallButtonsClearTheRings();
    void openRingKeepsTheWholeResizeHandle_data();
    void openRingKeepsTheWholeResizeHandle();

private:
    // Presses at the cursor, as the user starts a drag.
    void pressAtCursor();
    void drag(Corvane::Gadgets::SvgElement* element);

    std::unique_ptr<SentrelFixture> m_fixture;
    std::unique_ptr<FavoriteWindow> m_window;
    QPoint m_cursor;
};

void tst_FavoriteWindow::initTestCase_data()
{
    QTest::addColumn<QString>("theme");
    QTest::newRow("Corvane") << QStringLiteral(":/CorvaneTheme");
    QTest::newRow("Talvera") << QStringLiteral(":/TalveraTheme");
}

void tst_FavoriteWindow::init()
{
    QFETCH_GLOBAL(QString, theme);
    m_fixture = std::make_unique<SentrelFixture>();
    SentrelFixture::useProgramTheme(theme);
    Settings::s_instance->setSupportTransparency(true);
    m_window = std::make_unique<FavoriteWindow>(12, 3, nullptr, std::make_unique<ScriptedCursor>(&m_cursor));
    m_window->setScale(50, true);
    m_window->moveTo(QPoint(200, 150));
}

void tst_FavoriteWindow::cleanup()
{
    m_window.reset();
    m_fixture.reset();
}

void tst_FavoriteWindow::pressAtCursor()
{
    Corvane::Gadgets::Gestures::EventConsumer consumer;
    QGraphicsSceneMouseEvent press(QEvent::GraphicsSceneMousePress);
    press.setButton(Qt::LeftButton);
    m_window->gestureRecognizer().eventFilter(m_window->graphicsScene(), &press, consumer);
}

void tst_FavoriteWindow::drag(Corvane::Gadgets::SvgElement* element)
{
    QGraphicsSceneMouseEvent move(QEvent::GraphicsSceneMouseMove);
    Q_EMIT m_window->favoriteControl()->elementDrag(element, &move);
}

void tst_FavoriteWindow::carriesItsItemAndControl()
{
    QCOMPARE(m_window->deviceId(), 12);
    QCOMPARE(m_window->subDeviceId(), 3);
    QVERIFY(m_window->favoriteControl());
    QCOMPARE(static_cast<Corvane::Gadgets::SvgControlObject*>(m_window->favoriteControl()), m_window->mainControl());
    const QSize svgSize = m_window->favoriteControl()->rendererContainer()->renderer()->defaultSize();
    QCOMPARE(m_window->defaultSize(), svgSize);
    QCOMPARE(m_window->hotSpot(), m_window->favoriteControl()->hotspot());
}

void tst_FavoriteWindow::scaleRangeKeepsTheCentreButtonWithinLimits_data()
{
    QTest::addColumn<int>("percent");
    QTest::newRow("smallest") << 0;
    QTest::newRow("largest") << 100;
}

void tst_FavoriteWindow::scaleRangeKeepsTheCentreButtonWithinLimits()
{
    QFETCH(int, percent);
    const QRectF centre = m_window->favoriteControl()->centerButton()->boundingRect();
    QVERIFY(centre.width() > 0 && centre.height() > 0);
    const double w = std::round(centre.width());
    const double h = std::round(centre.height());
    QCOMPARE(m_window->minScale(), std::max(InitSettings::favouriteMinWidth() / w, InitSettings::favouriteMinHeight() / h));
    QCOMPARE(m_window->maxScale(), std::min(InitSettings::favouriteMaxWidth() / w, InitSettings::favouriteMaxHeight() / h));

    m_window->setScale(percent, true);
    const double onScreen = w * m_window->currentScale();
    QVERIFY2(onScreen >= InitSettings::favouriteMinWidth() - 0.5 && onScreen <= InitSettings::favouriteMaxWidth() + 0.5,
             qPrintable(QString::number(onScreen)));
}

void tst_FavoriteWindow::skinWithoutCentreButtonUsesTheGlobalRange()
{
    QFETCH_GLOBAL(QString, theme);
    QTemporaryDir skin;
    QDir source(theme);
    for (const QString& name : source.entryList(QDir::Files))
        QVERIFY(QFile::copy(source.filePath(name), skin.filePath(name)));
    QFile favorite(skin.filePath(QStringLiteral("favorite.svg")));
    QVERIFY(favorite.open(QIODevice::ReadOnly));
    QByteArray svg = favorite.readAll();
    favorite.close();
    svg.replace("id=\"move", "id=\"gone");
    QVERIFY(favorite.setPermissions(favorite.permissions() | QFileDevice::WriteOwner));
    QVERIFY(favorite.open(QIODevice::WriteOnly | QIODevice::Truncate));
    favorite.write(svg);
    favorite.close();
    SentrelFixture::useProgramTheme(skin.path());

    FavoriteWindow window(1, 0);
    QVERIFY(window.favoriteControl()->centerButton()->boundingRect().isEmpty());
    QCOMPARE(window.minScale(), InitSettings::MIN_SCALE);
    QCOMPARE(window.maxScale(), InitSettings::MAX_SCALE);
    SentrelFixture::useProgramTheme(theme);
}

void tst_FavoriteWindow::centreDragMovesTheWindow()
{
    const QPoint before = m_window->customPosition();
    m_cursor = m_window->globalHotSpot();
    pressAtCursor();
    QSignalSpy moved(m_window.get(), &BaseSceneWindow::moved);
    m_cursor += QPoint(30, 20);
    drag(m_window->favoriteControl()->centerButton());
    QCOMPARE(m_window->customPosition(), before + QPoint(30, 20));
    QCOMPARE(moved.size(), 1); // handled once, not once per connection
    QCOMPARE(m_window->scalePercent(), 50);
}

void tst_FavoriteWindow::resizeDragScalesTheWindow()
{
    const QPoint hotSpot = m_window->globalHotSpot();
    m_cursor = hotSpot + QPoint(60, 0);
    pressAtCursor();
    m_cursor = hotSpot + QPoint(120, 0);
    drag(m_window->favoriteControl()->resizeButton());
    QVERIFY(m_window->isInResizeMode());
    QCOMPARE(m_window->scalePercent(), 100); // twice the scale, clamped to the range
    QVERIFY((m_window->globalHotSpot() - hotSpot).manhattanLength() <= 1);
}

void tst_FavoriteWindow::otherDragsDoNothing()
{
    const QPoint before = m_window->customPosition();
    m_cursor = m_window->globalHotSpot();
    pressAtCursor();
    m_cursor += QPoint(40, 40);
    FavoriteControl* control = m_window->favoriteControl();
    for (Corvane::Gadgets::SvgElement* element : {static_cast<Corvane::Gadgets::SvgElement*>(control->closeButton()),
                                                  static_cast<Corvane::Gadgets::SvgElement*>(control->refreshButton()),
                                                  static_cast<Corvane::Gadgets::SvgElement*>(nullptr)})
        drag(element);
    QCOMPARE(m_window->customPosition(), before);
    QCOMPARE(m_window->scalePercent(), 50);
    QVERIFY(!m_window->isInResizeMode());
}

void tst_FavoriteWindow::themeChangeKeepsThePercent()
{
    m_window->setScale(70, true);
    const double minScale = m_window->minScale();
    m_window->themeChanged();
    QCOMPARE(m_window->scalePercent(), 70);
    QCOMPARE(m_window->minScale(), minScale);
}

void tst_FavoriteWindow::smallButtonsClearTheRings_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    for (int first = 1; first <= 5; ++first)
        QTest::addRow("%d commands", first) << first << 0;
    for (int second = 1; second <= 10; ++second)
        QTest::addRow("2 commands, then %d", second) << 2 << second;
}

// The favourite's refresh, close and resize buttons move out as its rings
// open: none of them lies on a segment of an open ring.
void tst_FavoriteWindow::smallButtonsClearTheRings()
{
    QFETCH(int, first);
    QFETCH(int, second);
    using Corvane::Gadgets::CommandControl;
    using Corvane::Gadgets::Models::NavigationIcon;
    const auto commands = [](const QString& prefix, int count) {
        QList<CommandControl::ButtonData> buttons;
        for (int i = 0; i < count; ++i)
            buttons << CommandControl::ButtonData(NavigationIcon(), prefix + QString::number(i));
        return buttons;
    };
    FavoriteControl* favorite = m_window->favoriteControl();
    favorite->setCommand1Buttons(commands(QStringLiteral("A"), first));
    favorite->showCommandControl1();
    QList<CommandControl*> rings{favorite->commandControl1()};
    if (second > 0) {
        favorite->setCommand2Buttons(commands(QStringLiteral("B"), second));
        favorite->showCommandControl2();
        rings << favorite->commandControl2();
    }
    const auto atRest = [favorite] {
        const QList<QPropertyAnimation*> animations = favorite->findChildren<QPropertyAnimation*>();
        return std::all_of(animations.cbegin(), animations.cend(), [](const QPropertyAnimation* animation) {
            return animation->propertyName() == "showIconsProgress"
                   || animation->state() == QAbstractAnimation::Stopped;
        });
    };
    QTRY_VERIFY_WITH_TIMEOUT(atRest(), 2000);

    int segments = 0;
    for (const CommandControl* ring : rings) {
        QVERIFY(ring);
        for (const auto& family : {ring->oddSegments(), ring->evenSegments()})
            segments += int(std::count_if(family.cbegin(), family.cend(),
                                          [](const auto* segment) { return segment->isVisible(); }));
        for (Corvane::Gadgets::SvgButton* button :
             {favorite->refreshButton(), favorite->closeButton(), favorite->resizeButton()}) {
            const QString under = RingPlacement::segmentUnder(*button, *ring);
            QVERIFY2(under.isEmpty(), qPrintable(button->elementId() + " on " + under));
        }
    }
    QCOMPARE(segments, first + second);
}

void tst_FavoriteWindow::openRingKeepsTheWholeResizeHandle_data()
{
    QTest::addColumn<int>("percent");
    QTest::addColumn<QPoint>("position");
    for (int percent : {0, 23, 50, 77, 100})
        QTest::addRow("%d %%", percent) << percent << QPoint(200 + percent / 3, 150 + percent / 7);
}

// The window's shape is cut from the rectangle the gadget paints: with a
// ring open the resize handle is its right-most part, and every pixel it
// touches must lie inside, however its edges fall between pixels.
void tst_FavoriteWindow::openRingKeepsTheWholeResizeHandle()
{
    QFETCH(int, percent);
    QFETCH(QPoint, position);
    FavoriteControl* favorite = m_window->favoriteControl();
    using Corvane::Gadgets::CommandControl;
    using Corvane::Gadgets::Models::NavigationIcon;
    favorite->setCommand1Buttons({CommandControl::ButtonData(NavigationIcon(), QStringLiteral("ON")),
                                  CommandControl::ButtonData(NavigationIcon(), QStringLiteral("OFF"))});
    m_window->setScale(percent, true);
    m_window->moveTo(position);
    favorite->showCommandControl1();
    const auto atRest = [favorite] {
        const QList<QPropertyAnimation*> animations = favorite->findChildren<QPropertyAnimation*>();
        return std::all_of(animations.cbegin(), animations.cend(), [](const QPropertyAnimation* animation) {
            return animation->propertyName() == "showIconsProgress"
                   || animation->state() == QAbstractAnimation::Stopped;
        });
    };
    QTRY_VERIFY_WITH_TIMEOUT(atRest(), 2000);

    QPoint offset;
    const QImage image = m_window->createWindowImage(&offset);
    const QRect painted(offset, image.size());
    const QRectF handleInScene = favorite->resizeButton()->sceneBoundingRect();
    const QRect touched = m_window->view()->viewportTransform().mapRect(handleInScene).toAlignedRect();
    QVERIFY2(painted.contains(touched),
             qPrintable(QStringLiteral("painted %1,%2 %3x%4, handle %5,%6 %7x%8")
                            .arg(painted.x()).arg(painted.y()).arg(painted.width()).arg(painted.height())
                            .arg(touched.x()).arg(touched.y()).arg(touched.width()).arg(touched.height())));
}

QTEST_MAIN(tst_FavoriteWindow)
#include "tst_favoritewindow.moc"
