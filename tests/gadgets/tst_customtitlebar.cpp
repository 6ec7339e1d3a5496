#include "DialogsTheme.h"

#include "windows/CustomTitleBar.h"

#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

using namespace Corvane::Gadgets;

class tst_CustomTitleBar : public QObject
{
    Q_OBJECT

private slots:
    void maximizeRestoreTogglesIconAndSignal()
    {
        CustomTitleBar bar;
        QSignalSpy maximized(&bar, &CustomTitleBar::maximizeClicked);
        QSignalSpy restored(&bar, &CustomTitleBar::restoreClicked);
        QToolButton* button = bar.maximizeRestoreButton();
        const QImage maximizePicture = QImage(":/Images/titlebar_maximize.png");
        const QImage restorePicture = QImage(":/Images/titlebar_restore.png");
        QVERIFY(!maximizePicture.isNull() && !restorePicture.isNull());
        QCOMPARE(button->iconSize(), maximizePicture.size());

        button->click();
        QVERIFY(bar.isMaximized());
        QCOMPARE(maximized.count(), 1);
        QCOMPARE(button->icon().pixmap(button->iconSize()).toImage().convertToFormat(QImage::Format_ARGB32),
                 restorePicture.convertToFormat(QImage::Format_ARGB32));

        bar.showMaxRestore();
        QVERIFY(!bar.isMaximized());
        QCOMPARE(restored.count(), 1);
    }

    void buttonsRelayTheirClicks()
    {
        CustomTitleBar bar;
        QSignalSpy minimized(&bar, &CustomTitleBar::minimizeClicked);
        QSignalSpy closed(&bar, &CustomTitleBar::closeClicked);
        bar.minimizeButton()->click();
        bar.showSmall();
        bar.closeButton()->click();
        QCOMPARE(minimized.count(), 2);
        QCOMPARE(closed.count(), 1);
        QVERIFY(bar.minimizeButton()->minimumHeight() >= 20);
    }

    void dragReportsTheNewTopLeft()
    {
        QWidget window;
        window.setGeometry(50, 60, 300, 200);
        auto* bar = new CustomTitleBar(&window);
        bar->setGeometry(0, 10, 300, 30);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QSignalSpy dragged(bar, &CustomTitleBar::dragged);
        QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(40, 5));
        QTest::mouseMove(bar, QPoint(45, 8));
        QCOMPARE(dragged.count(), 1);
        // The pointer's global position less the press point in the window.
        const QPoint global = bar->mapToGlobal(QPoint(45, 8));
        QCOMPARE(dragged.first().first().toPoint(), global - QPoint(40, 15));
        QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(45, 8));
    }
};

QTEST_MAIN(tst_CustomTitleBar)
#include "tst_customtitlebar.moc"
