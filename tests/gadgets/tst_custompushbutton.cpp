#include "DialogsTheme.h"

#include "widgets/CustomPushButton.h"

#include <QSignalSpy>
#include <QTest>

using namespace Corvane::Gadgets;

class tst_CustomPushButton : public QObject
{
    Q_OBJECT

private slots:
    void wholeRectangleTakesClicks_data()
    {
        QTest::addColumn<QPoint>("point");
        QTest::newRow("top left corner") << QPoint(0, 0);
        QTest::newRow("bottom right corner") << QPoint(39, 29);
        QTest::newRow("centre") << QPoint(20, 15);
    }

    void wholeRectangleTakesClicks()
    {
        QFETCH(QPoint, point);
        CustomPushButton button{QIcon(), QString()};
        button.setFlat(true);
        button.setStyleSheet(QStringLiteral("border: none; margin: 8px;"));
        button.resize(40, 30);
        QSignalSpy clicked(&button, &QPushButton::clicked);
        QTest::mouseClick(&button, Qt::LeftButton, {}, point);
        QCOMPARE(clicked.count(), 1);
    }
};

QTEST_MAIN(tst_CustomPushButton)
#include "tst_custompushbutton.moc"
