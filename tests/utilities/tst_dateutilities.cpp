#include "utilities/DateUtilities.h"

#include <QTest>

using Corvane::Utilities::DateUtilities;

class tst_DateUtilities : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { DateUtilities::setCurrentDate(QDate()); }

    void isDateInLastYear_data();
    void isDateInLastYear();
    void clockFollowsTheSystemWhenNotSet();
};

void tst_DateUtilities::isDateInLastYear_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<bool>("inLastYear");

    const QDate today(2024, 3, 15);
    QTest::newRow("today") << today << today << true;
    QTest::newRow("first day of the current month") << today << QDate(2024, 3, 1) << true;
    QTest::newRow("later this month") << today << QDate(2024, 3, 31) << true;
    QTest::newRow("eleven months back") << today << QDate(2023, 4, 1) << true;
    QTest::newRow("twelve months back") << today << QDate(2023, 3, 31) << false;
    QTest::newRow("next month") << today << QDate(2024, 4, 1) << false;
    QTest::newRow("January, across the year") << QDate(2024, 1, 10) << QDate(2023, 2, 28) << true;
    QTest::newRow("null date") << today << QDate() << false;
}

void tst_DateUtilities::isDateInLastYear()
{
    QFETCH(QDate, today);
    QFETCH(QDate, date);
    QFETCH(bool, inLastYear);

    DateUtilities::setCurrentDate(today);
    QCOMPARE(DateUtilities::currentDate(), today);
    QCOMPARE(DateUtilities::isDateInLastYear(date), inLastYear);
}

void tst_DateUtilities::clockFollowsTheSystemWhenNotSet()
{
    DateUtilities::setCurrentDate(QDate(2000, 1, 1));
    DateUtilities::setCurrentDate(QDate());
    QCOMPARE(DateUtilities::currentDate(), QDate::currentDate());
}

QTEST_APPLESS_MAIN(tst_DateUtilities)
#include "tst_dateutilities.moc"
