// The keyboard on the carousel: Escape closes the inner ring, then the outer
// one, then goes back or home; Return clicks the selected icon or presses
// and releases the open ring's current button; the arrows turn the open
// ring, else the carousel.

#include "Controllers/base/NavigationKeys.h"

#include "SentrelFixture.h"

#include "commandcontrol/CommandControl.h"
#include "models/NavigationIcon.h"
#include "navigation/NavigationControl.h"
#include "theme/ThemeProvider.h"

#include <QGraphicsScene>
#include <QKeyEvent>
#include <QPropertyAnimation>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using Corvane::Gadgets::CommandControl;
using Corvane::Gadgets::NavigationControl;
using Corvane::Gadgets::ThemeProvider;
using Corvane::Gadgets::Models::NavigationIcon;
using Corvane::Sentrel::Controllers::NavigationKeys;

namespace {

const int FIRST_ID = 100;

QList<NavigationIcon> icons(int count)
{
    QList<NavigationIcon> list;
    for (int i = 0; i < count; ++i)
        list << NavigationIcon(ThemeProvider::LIGHTS_SYSTEM, QStringLiteral("Light %1").arg(i), FIRST_ID + i);
    return list;
}

std::unique_ptr<CommandControl> ring(const QString& rendererName)
{
    auto control = std::make_unique<CommandControl>(ThemeProvider::getRendererFor(rendererName), QPointF(), nullptr);
    const NavigationIcon icon(ThemeProvider::LIGHTS_SYSTEM, QString(), 1);
    control->setActiveButtons({{icon, QStringLiteral("ON")}, {icon, QStringLiteral("OFF")}}, QPointF());
    return control;
}

// The carousel with seven icons in a scene, and its rings as the test opens
// them (they are made first so that they outlive the carousel).
struct Carousel
{
    Carousel()
        : control(new NavigationControl(ThemeProvider::getRendererFor(ThemeProvider::NAVIGATION)))
    {
        scene.addItem(control);
        control->setIcons(icons(7), true);
    }

    void openRings(int count)
    {
        if (count > 0)
            control->setCommandControl1(outer.get(), 0);
        if (count > 1)
            control->setCommandControl2(inner.get());
        finishAnimations();
    }

    void finishAnimations() const
    {
        for (QPropertyAnimation* animation : control->findChildren<QPropertyAnimation*>())
            animation->setCurrentTime(animation->duration());
    }

    void press(int key, bool autoRepeat = false) const
    {
        const QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, QString(), autoRepeat);
        NavigationKeys::press(control, &event);
    }

    void release(int key, bool autoRepeat = false) const
    {
        const QKeyEvent event(QEvent::KeyRelease, key, Qt::NoModifier, QString(), autoRepeat);
        NavigationKeys::release(control, &event);
    }

    std::unique_ptr<CommandControl> outer = ring(ThemeProvider::COMMAND_CONTROL);
    std::unique_ptr<CommandControl> inner = ring(ThemeProvider::COMMAND_CONTROL_2);
    QGraphicsScene scene;
    NavigationControl* control;
};

} // namespace

class tst_NavigationKeys : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { SentrelFixture::useProgramTheme(); }
    void cleanupTestCase() { ThemeProvider::clear(); }

    void escapeStepsBack_data();
    void escapeStepsBack();
    void returnClicksTheSelectedIcon();
    void returnPressesTheRingsCurrentButton();
    void arrowsTurnTheOpenRingElseTheCarousel_data();
    void arrowsTurnTheOpenRingElseTheCarousel();
    void activeRingIsTheInnerOne();
};

void tst_NavigationKeys::escapeStepsBack_data()
{
    QTest::addColumn<int>("rings");
    QTest::addColumn<bool>("backButton");
    QTest::addColumn<bool>("innerClosed");
    QTest::addColumn<bool>("outerClosed");
    QTest::addColumn<bool>("back");
    QTest::addColumn<bool>("home");

    QTest::newRow("inner ring open") << 2 << true << true << false << false << false;
    QTest::newRow("outer ring open") << 1 << true << false << true << false << false;
    QTest::newRow("device page") << 0 << true << false << false << true << false;
    QTest::newRow("home page") << 0 << false << false << false << false << true;
}

void tst_NavigationKeys::escapeStepsBack()
{
    QFETCH(int, rings);
    QFETCH(bool, backButton);
    Carousel carousel;
    carousel.openRings(rings);
    carousel.control->setShowBackButton(backButton);
    QSignalSpy innerClosed(carousel.control, &NavigationControl::commandControl2Closed);
    QSignalSpy outerClosed(carousel.control, &NavigationControl::commandControl1Closed);
    QSignalSpy back(carousel.control, &NavigationControl::backButtonClicked);
    QSignalSpy home(carousel.control, &NavigationControl::homeButtonClicked);

    carousel.press(Qt::Key_Escape);
    carousel.finishAnimations();

    QTEST(!innerClosed.isEmpty(), "innerClosed");
    QTEST(!outerClosed.isEmpty(), "outerClosed");
    QTEST(!back.isEmpty(), "back");
    QTEST(!home.isEmpty(), "home");
}

void tst_NavigationKeys::returnClicksTheSelectedIcon()
{
    Carousel carousel;
    QSignalSpy clicked(carousel.control, &NavigationControl::navigationIconClicked);
    carousel.press(Qt::Key_Return);
    QVERIFY(clicked.isEmpty());

    QVERIFY(carousel.control->setSelectedIcon(icons(7).at(2), false));
    carousel.press(Qt::Key_Enter);
    QCOMPARE(clicked.size(), 1);
    QCOMPARE(clicked.first().at(0).value<NavigationIcon>().id(), FIRST_ID + 2);
    QCOMPARE(clicked.first().at(1).toInt(), carousel.control->selectedSegmentIndex());
    QCOMPARE(clicked.first().at(2).toBool(), false);
}

void tst_NavigationKeys::returnPressesTheRingsCurrentButton()
{
    Carousel carousel;
    carousel.openRings(1);
    carousel.outer->selectNext();
    QVERIFY(carousel.outer->selectedIndex() >= 0);
    QSignalSpy pressed(carousel.outer.get(), &CommandControl::elementPress);
    QSignalSpy clicked(carousel.outer.get(), &CommandControl::elementClick);
    QSignalSpy iconClicked(carousel.control, &NavigationControl::navigationIconClicked);

    carousel.press(Qt::Key_Return);
    carousel.press(Qt::Key_Return, true);
    QCOMPARE(pressed.size(), 1);
    QVERIFY(clicked.isEmpty());

    carousel.release(Qt::Key_Return, true);
    QVERIFY(clicked.isEmpty());
    carousel.release(Qt::Key_Return);
    QCOMPARE(clicked.size(), 1);
    QCOMPARE(clicked.first().at(0), pressed.first().at(0));
    QVERIFY(iconClicked.isEmpty());
}

void tst_NavigationKeys::arrowsTurnTheOpenRingElseTheCarousel_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("left") << int(Qt::Key_Left);
    QTest::newRow("right") << int(Qt::Key_Right);
}

void tst_NavigationKeys::arrowsTurnTheOpenRingElseTheCarousel()
{
    QFETCH(int, key);
    Carousel carousel;
    carousel.press(key);
    const int selected = carousel.control->selectedSegmentIndex();
    QVERIFY(selected >= 0);

    carousel.openRings(1);
    carousel.press(key);
    QVERIFY(carousel.outer->selectedIndex() >= 0);
    QCOMPARE(carousel.control->selectedSegmentIndex(), selected);
}

void tst_NavigationKeys::activeRingIsTheInnerOne()
{
    Carousel carousel;
    QCOMPARE(NavigationKeys::activeCommandControl(nullptr), nullptr);
    QCOMPARE(NavigationKeys::activeCommandControl(carousel.control), nullptr);
    carousel.openRings(1);
    QCOMPARE(NavigationKeys::activeCommandControl(carousel.control), carousel.outer.get());
    carousel.control->setCommandControl2(carousel.inner.get());
    QCOMPARE(NavigationKeys::activeCommandControl(carousel.control), carousel.inner.get());
}

QTEST_MAIN(tst_NavigationKeys)
#include "tst_navigationkeys.moc"
