#include "utilities/CurrentTime.h"
#include "utilities/DateUtilities.h"

#include <QTest>

using Corvane::Utilities::CurrentTime;
using Corvane::Utilities::DateUtilities;

class tst_DateUtilities : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        DateUtilities::setCurrentDate(QDate());
        CurrentTime::setSource({});
    }

    void isDateInLastYear_data();
    void isDateInLastYear();
    void clockFollowsTheSystemWhenNotSet();
    void todayFollowsAnInstalledTimeSource();
    void guessYearFromMonth_data();
    void guessYearFromMonth();
    void guessYearFromTwoDigits_data();
    void guessYearFromTwoDigits();
    void guessYearFromMonthDay_data();
    void guessYearFromMonthDay();
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
    // Judged by another clock's today, whatever the current date.
    DateUtilities::setCurrentDate(today.addYears(5));
    QCOMPARE(DateUtilities::isDateInLastYear(date, today), inLastYear);
    DateUtilities::setCurrentDate(QDate());
}

void tst_DateUtilities::clockFollowsTheSystemWhenNotSet()
{
    DateUtilities::setCurrentDate(QDate(2000, 1, 1));
    DateUtilities::setCurrentDate(QDate());
    QCOMPARE(DateUtilities::currentDate(), QDate::currentDate());
}

void tst_DateUtilities::todayFollowsAnInstalledTimeSource()
{
    QDateTime now(QDate(2023, 12, 31), QTime(23, 59));
    CurrentTime::setSource([&now] { return now; });
    QCOMPARE(DateUtilities::currentDate(), QDate(2023, 12, 31));
    QVERIFY(!DateUtilities::isDateInLastYear(QDate(2024, 1, 1)));

    // Past midnight the same source gives the new day.
    now = now.addSecs(120);
    QCOMPARE(CurrentTime::now(), now);
    QCOMPARE(DateUtilities::currentDate(), QDate(2024, 1, 1));
    QVERIFY(DateUtilities::isDateInLastYear(QDate(2024, 1, 1)));

    // A fixed date still wins over the source.
    DateUtilities::setCurrentDate(QDate(2020, 5, 5));
    QCOMPARE(DateUtilities::currentDate(), QDate(2020, 5, 5));
}

void tst_DateUtilities::guessYearFromMonth_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");

    QTest::newRow("current month") << QDate(2024, 3, 15) << 3 << 2024;
    QTest::newRow("earlier month") << QDate(2024, 3, 15) << 1 << 2024;
    QTest::newRow("later month is last year's") << QDate(2024, 3, 15) << 4 << 2023;
    QTest::newRow("December in January") << QDate(2024, 1, 1) << 12 << 2023;
    QTest::newRow("month 0") << QDate(2024, 3, 15) << 0 << 0;
    QTest::newRow("month 13") << QDate(2024, 3, 15) << 13 << 0;
}

void tst_DateUtilities::guessYearFromMonth()
{
    QFETCH(QDate, today);
    QFETCH(int, month);
    QFETCH(int, year);
    QCOMPARE(DateUtilities::guessYearFromMonth(month, today), year);
}

void tst_DateUtilities::guessYearFromTwoDigits_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<int>("twoDigits");
    QTest::addColumn<int>("year");

    QTest::newRow("this year") << QDate(2024, 3, 15) << 24 << 2024;
    QTest::newRow("last year") << QDate(2024, 3, 15) << 23 << 2023;
    QTest::newRow("next year is last century") << QDate(2024, 3, 15) << 25 << 1925;
    QTest::newRow("across the century") << QDate(2000, 1, 1) << 99 << 1999;
    QTest::newRow("negative") << QDate(2024, 3, 15) << -1 << 0;
    QTest::newRow("three digits") << QDate(2024, 3, 15) << 100 << 0;
}

void tst_DateUtilities::guessYearFromTwoDigits()
{
    QFETCH(QDate, today);
    QFETCH(int, twoDigits);
    QFETCH(int, year);
    QCOMPARE(DateUtilities::guessYearFromTwoDigits(twoDigits, today), year);
}

void tst_DateUtilities::guessYearFromMonthDay_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("year");

    QTest::newRow("today") << QDate(2024, 3, 15) << 3 << 15 << 2024;
    QTest::newRow("later this month is last year's") << QDate(2024, 3, 15) << 3 << 16 << 2023;
    QTest::newRow("earlier this year") << QDate(2024, 3, 15) << 2 << 1 << 2024;
    QTest::newRow("leap day in a leap year") << QDate(2024, 3, 1) << 2 << 29 << 2024;
    QTest::newRow("leap day of four years back") << QDate(2027, 6, 1) << 2 << 29 << 2024;
    QTest::newRow("leap day before it came") << QDate(2024, 2, 28) << 2 << 29 << 2020;
    QTest::newRow("leap day across 2100") << QDate(2103, 6, 1) << 2 << 29 << 2096;
    QTest::newRow("31 April") << QDate(2024, 6, 1) << 4 << 31 << 0;
    QTest::newRow("month 13") << QDate(2024, 6, 1) << 13 << 1 << 0;
}

void tst_DateUtilities::guessYearFromMonthDay()
{
    QFETCH(QDate, today);
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(int, year);
    QCOMPARE(DateUtilities::guessYearFromMonthDay(month, day, today), year);
}

QTEST_APPLESS_MAIN(tst_DateUtilities)
#include "tst_dateutilities.moc"
