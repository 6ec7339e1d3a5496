#include "DialogsTheme.h"

#include "widgets/DateTimeEdit.h"

#include <QSignalSpy>
#include <QTest>

class tst_DateTimeEdit : public QObject
{
    Q_OBJECT

private slots:
    void keyCommitsTypedTextAndKeepsFocus_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("return") << int(Qt::Key_Return);
        QTest::newRow("enter") << int(Qt::Key_Enter);
        QTest::newRow("escape") << int(Qt::Key_Escape);
    }

    void keyCommitsTypedTextAndKeepsFocus()
    {
        QFETCH(int, key);
        DateTimeEdit edit(QDate(2020, 1, 1));
        edit.setDisplayFormat(QStringLiteral("yyyy"));
        edit.setKeyboardTracking(false);
        edit.show();
        QVERIFY(QTest::qWaitForWindowActive(&edit));
        edit.setFocus();
        QSignalSpy finished(&edit, &QAbstractSpinBox::editingFinished);
        QSignalSpy changed(&edit, &QDateTimeEdit::dateChanged);

        edit.selectAll();
        QTest::keyClicks(&edit, QStringLiteral("2031"));
        QCOMPARE(changed.count(), 0);
        QTest::keyClick(&edit, Qt::Key(key));

        QCOMPARE(edit.date().year(), 2031);
        QCOMPARE(changed.count(), 1);
        QVERIFY(finished.count() >= 1);
        QVERIFY(edit.hasFocus());
    }

    void everyConstructorTakesItsValue()
    {
        const QDateTime moment(QDate(2021, 5, 6), QTime(7, 8));
        QCOMPARE(DateTimeEdit(moment).dateTime(), moment);
        QCOMPARE(DateTimeEdit(moment.date()).date(), moment.date());
        QCOMPARE(DateTimeEdit(moment.time()).time(), moment.time());
    }
};

QTEST_MAIN(tst_DateTimeEdit)
#include "tst_datetimeedit.moc"
