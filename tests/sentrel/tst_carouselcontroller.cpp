#include "Controllers/base/CarouselController.h"

#include "NavigationWindow.h"
#include "SentrelFixture.h"
#include "TestSceneWindow.h"

#include "carousel/CarouselView.h"
#include "hosting/CarouselModelItem.h"
#include "hosting/NavigationQMLWrapper.h"
#include "navigation/NavigationControl.h"
#include "scenes/MainScene.h"

#include <QParallelAnimationGroup>
#include <QPropertyAnimation>
#include <QSignalSpy>
#include <QTest>

using namespace Corvane::Sentrel;
using Corvane::Gadgets::SvgControlObject;
using Controllers::CarouselController;

class tst_CarouselController : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void withoutRootEverythingIsInert();
    void replacingTheModelKeepsTheControls();
    void currentControlOnlyWhileShown();
    void fullScreenAnimations();
    void hideOnHiddenCarouselDoesNothing();

private:
    QList<SvgControlObject*> makeControls(int count);

    std::unique_ptr<SentrelFixture> m_fixture;
    std::unique_ptr<NavigationWindow> m_window;
    std::unique_ptr<QObject> m_owner;
    QStringList m_log;
};

void tst_CarouselController::initTestCase()
{
    SentrelFixture::useProgramTheme();
}

void tst_CarouselController::init()
{
    m_fixture = std::make_unique<SentrelFixture>();
    Settings::s_instance->setSupportTransparency(true);
    Settings::setNoConfigurationModeOn();
    m_window = std::make_unique<NavigationWindow>();
    m_owner = std::make_unique<QObject>();
}

void tst_CarouselController::cleanup()
{
    m_window.reset();
    m_owner.reset();
    m_fixture.reset();
}

// Controls owned by their caller, as the data pages own theirs.
QList<SvgControlObject*> tst_CarouselController::makeControls(int count)
{
    QList<SvgControlObject*> controls;
    for (int i = 0; i < count; ++i) {
        auto* control = new DiscControl(QString::number(i), &m_log);
        control->setParent(m_owner.get());
        controls.append(control);
    }
    return controls;
}

void tst_CarouselController::withoutRootEverythingIsInert()
{
    CarouselController controller(nullptr);
    QCOMPARE(controller.currentIndex(), 0);
    QVERIFY(!controller.moving());
    QCOMPARE(controller.highlightMoveDuration(), 0);
    QVERIFY(!controller.isCarouselVisible());
    QCOMPARE(controller.delegateDefaultScaleFactor(), 1.0);
    QCOMPARE(controller.delegateFullScreenScaleFactor(), 1.0);
    QCOMPARE(controller.delegateWidth(), 0);
    QCOMPARE(controller.gadgetRadius(), 0);
    QCOMPARE(controller.carouselDelegateScaleFactor(), 0.0);
    QCOMPARE(controller.carouselScale(), 1.0);
    QKeyEvent key(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
    key.setAccepted(false);
    controller.handleKeyPress(&key);
    QVERIFY(!key.isAccepted());

    const QList<SvgControlObject*> controls = makeControls(2);
    controller.showCarousel(controls, 0.7);
    QCOMPARE(controller.carouselControls(), controls);
    QCOMPARE(controller.modelItems().size(), 2);
    QVERIFY(!controller.currentControl());
}

void tst_CarouselController::replacingTheModelKeepsTheControls()
{
    CarouselController* controller = m_window->carouselController();
    const QList<SvgControlObject*> first = makeControls(3);
    controller->showCarousel(first, 0.5);
    QCOMPARE(m_window->mainScene()->currentView()->count(), 3);
    QList<QPointer<Corvane::Gadgets::Utilities::CarouselModelItem>> items;
    for (auto* item : controller->modelItems())
        items.append(item);

    const QList<SvgControlObject*> second{first.at(2), makeControls(1).first()};
    controller->setControls(second);
    QCOMPARE(m_window->mainScene()->currentView()->count(), 2);
    QCOMPARE(controller->carouselControls(), second);
    // The replaced items are released, the controls all live on.
    for (const auto& item : items)
        QVERIFY(item.isNull());
    QCOMPARE(m_owner->children().size(), 4);

    controller->clearCarousel();
    QVERIFY(!controller->isCarouselVisible());
    QCOMPARE(m_window->mainScene()->currentView()->count(), 0);
    QCOMPARE(m_owner->children().size(), 4);
    for (QObject* control : m_owner->children())
        QVERIFY(!static_cast<SvgControlObject*>(control)->scene());
}

void tst_CarouselController::currentControlOnlyWhileShown()
{
    CarouselController* controller = m_window->carouselController();
    const QList<SvgControlObject*> controls = makeControls(2);
    controller->setControls(controls);
    QVERIFY(!controller->currentControl());
    controller->showCarousel(controls, 0.5);
    QCOMPARE(controller->currentControl(), controls.at(0));
    controller->setCarouselCurrentIndex(1);
    QCOMPARE(controller->currentControl(), controls.at(1));
    // Shown controls take the gadget's scale.
    QCOMPARE(controls.at(1)->customScale(), m_window->mainControl()->customScale());
    QCOMPARE(controller->gadgetRadius(),
             int(m_window->navigationControl()->boundsOnElement(
                     Corvane::Gadgets::NavigationControl::BACKGROUND_ID).width() / 2));
}

void tst_CarouselController::fullScreenAnimations()
{
    CarouselController* controller = m_window->carouselController();
    QSignalSpy finished(controller, &CarouselController::carouselAnimationFinished);
    m_window->setIsInFullScreenMode(true);
    const int scaleBefore = m_window->scalePercent();

    controller->showCarousel(makeControls(2), 0.5);
    QCOMPARE(controller->innerGroup()->animationCount(), 3);
    QCOMPARE(controller->innerGroup()->animationAt(1), controller->delegateAnimation());
    controller->showCarousel(makeControls(3), 0.5);
    QCOMPARE(controller->innerGroup()->animationCount(), 3);

    QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, 3000);
    QTest::qWait(100);
    QCOMPARE(finished.size(), 1);
    // The carousel needs room: the gadget shrinks, unless the room kept for
    // open rings and their plates holds it already, and the delegates grow.
    QVERIFY(m_window->scalePercent() <= scaleBefore);
    QVERIFY(m_window->getFullScreenBoundingRect(true).width() * m_window->currentScale()
            <= m_window->width() + 1);
    QCOMPARE(controller->carouselDelegateScaleFactor(), controller->delegateFullScreenScaleFactor());
    QCOMPARE(m_window->wrapperPos(), m_window->getFullScreenOffset(true));

    controller->hideCarousel();
    QCOMPARE(controller->innerGroup()->animationCount(), 2);
    QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 2, 3000);
    QCOMPARE(m_window->wrapperPos(), m_window->getFullScreenOffset(false));
    m_window->setIsInFullScreenMode(false);
}

void tst_CarouselController::hideOnHiddenCarouselDoesNothing()
{
    CarouselController* controller = m_window->carouselController();
    QSignalSpy finished(controller, &CarouselController::carouselAnimationFinished);
    m_window->setIsInFullScreenMode(true);
    const QPointF position = m_window->wrapperPos();
    controller->hideCarousel();
    QTest::qWait(50);
    QCOMPARE(finished.size(), 0);
    QCOMPARE(m_window->wrapperPos(), position);
    m_window->setIsInFullScreenMode(false);
}

QTEST_MAIN(tst_CarouselController)
#include "tst_carouselcontroller.moc"
