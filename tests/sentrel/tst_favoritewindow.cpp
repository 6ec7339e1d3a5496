#include "FavoriteWindow.h"

#include "SentrelFixture.h"
#include "TestSceneWindow.h"

#include "controls/SvgButton.h"
#include "controls/SvgContentButton.h"
#include "favorite/FavoriteControl.h"
#include "gestures/EventConsumer.h"
#include "theme/RendererContainer.h"
#include "utilities/InitSettings.h"

#include <QDir>
#include <QGraphicsScene>
#include <QGraphicsSceneMouseEvent>
#include <QScreen>
#include <QSignalSpy>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>

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

QTEST_MAIN(tst_FavoriteWindow)
#include "tst_favoritewindow.moc"
