#include "DialogsTheme.h"

#include "windows/BaseWindow.h"
#include "windows/CustomTitleBar.h"

#include "utilities/Localization/LanguageSettings.h"

#include <QGridLayout>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

using namespace Corvane::Gadgets;
using Corvane::Utilities::Localization::LanguageSettings;

namespace {

const QRect START_GEOMETRY(100, 100, 400, 300);

struct ShownWindow
{
    ShownWindow()
    {
        auto* filler = new QLabel(QStringLiteral("content"));
        filler->setMinimumSize(50, 50);
        window.contentLayout()->addWidget(filler, 0, 0);
        window.setGeometry(START_GEOMETRY);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }

    BaseWindow window;
};

} // namespace

class tst_BaseWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { DialogsTheme::activate(); }

    void buildsTitleBarContentAndHandle()
    {
        BaseWindow window;
        QCOMPARE(window.titleBar()->objectName(), QStringLiteral("titleBar"));
        QCOMPARE(window.contentWidget()->objectName(), QStringLiteral("content"));
        QVERIFY(window.testAttribute(Qt::WA_TranslucentBackground));
        QVERIFY(window.windowFlags().testFlag(Qt::FramelessWindowHint));
        QVERIFY(window.resizable());
        QCOMPARE(window.resizeHandle()->pixmap().size(), QSize(16, 16));
        QCOMPARE(window.titleBar()->minimizeButton()->objectName(), QStringLiteral("minimizeBtn"));
        QCOMPARE(window.titleBar()->closeButton()->objectName(), QStringLiteral("closeBtn"));
        QVERIFY(!window.titleBar()->maximizeRestoreButton()->icon().isNull());
    }

    void buttonsFollowTheConfiguration()
    {
        BaseWindow window;
        window.titleBar()->setTitleBarButtonsConfig(CustomTitleBar::MaximizeRestoreButton | CustomTitleBar::CloseButton);
        window.show();
        QVERIFY(!window.titleBar()->minimizeButton()->isVisible());
        QVERIFY(window.titleBar()->maximizeRestoreButton()->isVisible());
        QVERIFY(window.titleBar()->closeButton()->isVisible());
    }

    void draggingTheTitleMovesTheWindow()
    {
        ShownWindow shown;
        BaseWindow& window = shown.window;
        CustomTitleBar* title = window.titleBar();
        QTest::mousePress(title, Qt::LeftButton, {}, QPoint(30, 5));
        QTest::mouseMove(title, QPoint(50, 25));
        QTest::mouseRelease(title, Qt::LeftButton, {}, QPoint(50, 25));
        QCOMPARE(window.pos(), START_GEOMETRY.topLeft() + QPoint(20, 20));
    }

    void pressOnAButtonDoesNotDrag()
    {
        ShownWindow shown;
        BaseWindow& window = shown.window;
        CustomTitleBar* title = window.titleBar();
        QToolButton* minimize = title->minimizeButton();
        const QPoint onButton = minimize->mapTo(title, minimize->rect().center());
        QTest::mousePress(minimize, Qt::LeftButton, {}, minimize->rect().center());
        QTest::mouseMove(title, onButton + QPoint(-40, 30));
        QCOMPARE(window.pos(), START_GEOMETRY.topLeft());
        QTest::mouseRelease(minimize, Qt::LeftButton, {}, QPoint(-5, -5));

        QTest::mousePress(title, Qt::LeftButton, {}, QPoint(30, 5));
        QTest::mouseMove(title, QPoint(40, 5));
        QTest::mouseRelease(title, Qt::LeftButton, {}, QPoint(40, 5));
        QCOMPARE(window.pos(), START_GEOMETRY.topLeft() + QPoint(10, 0));
    }

    void hoverShowsTheEdgeCursor_data()
    {
        QTest::addColumn<QPoint>("fromBottomRight");
        QTest::addColumn<bool>("overHandle");
        QTest::addColumn<int>("cursor");
        QTest::newRow("2 px inside the right edge") << QPoint(2, 150) << false << int(Qt::SizeHorCursor);
        QTest::newRow("4 px inside the right edge") << QPoint(4, 150) << false << int(Qt::ArrowCursor);
        QTest::newRow("on the bottom edge") << QPoint(200, 1) << false << int(Qt::SizeVerCursor);
        QTest::newRow("bottom left corner") << QPoint(399, 0) << false << int(Qt::SizeBDiagCursor);
        QTest::newRow("left edge") << QPoint(397, 150) << false << int(Qt::SizeHorCursor);
        QTest::newRow("over the resize handle") << QPoint() << true << int(Qt::SizeFDiagCursor);
    }

    void hoverShowsTheEdgeCursor()
    {
        QFETCH(QPoint, fromBottomRight);
        QFETCH(bool, overHandle);
        QFETCH(int, cursor);
        ShownWindow shown;
        BaseWindow& window = shown.window;
        const QPoint bottomRight(window.width() - 1, window.height() - 1);
        const QPoint point = overHandle ? window.resizeHandle()->mapTo(&window, window.resizeHandle()->rect().center())
                                        : bottomRight - fromBottomRight;
        QTest::mouseMove(&window, point);
        QCOMPARE(int(window.cursor().shape()), cursor);
    }

    void draggingTheLeftEdgeKeepsTheRightEdge()
    {
        ShownWindow shown;
        BaseWindow& window = shown.window;
        QTest::mouseMove(&window, QPoint(1, 150));
        QTest::mousePress(&window, Qt::LeftButton, {}, QPoint(1, 150));
        QTest::mouseMove(&window, QPoint(-9, 150));
        QTest::mouseRelease(&window, Qt::LeftButton, {}, QPoint(-9, 150));
        QCOMPARE(window.geometry().right(), START_GEOMETRY.right());
        QCOMPARE(window.width(), START_GEOMETRY.width() + 10);
        QCOMPARE(window.cursor().shape(), Qt::ArrowCursor);
    }

    void draggingTheHandleGrowsBothWays()
    {
        ShownWindow shown;
        BaseWindow& window = shown.window;
        QLabel* handle = window.resizeHandle();
        const QPoint point = handle->mapTo(&window, handle->rect().center());
        QTest::mouseMove(&window, point);
        QTest::mousePress(&window, Qt::LeftButton, {}, point);
        QTest::mouseMove(&window, point + QPoint(30, 20));
        QTest::mouseRelease(&window, Qt::LeftButton, {}, point + QPoint(30, 20));
        QCOMPARE(window.geometry(), START_GEOMETRY.adjusted(0, 0, 30, 20));
    }

    void maximizeSuspendsResizingAndDragging()
    {
        ShownWindow shown;
        BaseWindow& window = shown.window;
        CustomTitleBar* title = window.titleBar();
        title->maximizeRestoreButton()->click();
        QVERIFY(window.isMaximized());
        QVERIFY(!window.resizable());
        QVERIFY(!window.resizeHandle()->isVisible());
        const QPoint maximizedAt = window.pos();
        QTest::mousePress(title, Qt::LeftButton, {}, QPoint(30, 5));
        QTest::mouseMove(title, QPoint(80, 45));
        QTest::mouseRelease(title, Qt::LeftButton, {}, QPoint(80, 45));
        QCOMPARE(window.pos(), maximizedAt);

        QTest::mouseDClick(title, Qt::LeftButton, {}, QPoint(30, 5));
        QVERIFY(!window.isMaximized());
        QVERIFY(window.resizable());
        QVERIFY(!title->isMaximized());
    }

    void arabicMirrorsLayoutAndHandle()
    {
        DialogsTheme::activate();
        ShownWindow shown;
        BaseWindow& window = shown.window;
        const QImage handle = window.resizeHandle()->pixmap().toImage();
        QCOMPARE(handle.pixelColor(0, 8), QColor(Qt::red));
        const int handleX = window.resizeHandle()->x();

        window.switchLayoutDirection(LanguageSettings::ARABIC_LOCALE);
        QCOMPARE(window.layoutDirection(), Qt::RightToLeft);
        QVERIFY(QTest::qWaitFor([&] { return window.resizeHandle()->x() < handleX; }));
        const QImage mirrored = window.resizeHandle()->pixmap().toImage();
        QCOMPARE(mirrored.pixelColor(0, 8), QColor(Qt::blue));
        QCOMPARE(mirrored.pixelColor(15, 8), QColor(Qt::red));

        const qint64 cacheKey = window.resizeHandle()->pixmap().cacheKey();
        window.switchLayoutDirection(LanguageSettings::ARABIC_LOCALE);
        QCOMPARE(window.resizeHandle()->pixmap().cacheKey(), cacheKey);

        window.switchLayoutDirection(LanguageSettings::DEFAULT_LOCALE);
        QCOMPARE(window.layoutDirection(), Qt::LeftToRight);
        QCOMPARE(window.resizeHandle()->pixmap().toImage().pixelColor(0, 8), QColor(Qt::red));
    }

    void escapeAndTheCloseButtonClose_data()
    {
        QTest::addColumn<bool>("byEscape");
        QTest::newRow("escape") << true;
        QTest::newRow("close button") << false;
    }

    void escapeAndTheCloseButtonClose()
    {
        QFETCH(bool, byEscape);
        ShownWindow shown;
        BaseWindow& window = shown.window;
        QSignalSpy closed(&window, &BaseWindow::dialogClosed);
        QTest::keyClick(&window, Qt::Key_A);
        QVERIFY(window.isVisible());
        if (byEscape)
            QTest::keyClick(&window, Qt::Key_Escape);
        else
            window.titleBar()->closeButton()->click();
        QVERIFY(!window.isVisible());
        QCOMPARE(closed.count(), 1);
    }
};

QTEST_MAIN(tst_BaseWindow)
#include "tst_basewindow.moc"
