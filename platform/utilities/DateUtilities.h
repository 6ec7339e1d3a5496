#pragma once

#include <QDate>

namespace Corvane::Utilities {

// Date helpers of the energy views and data. Today is read from
// CurrentTime unless a test sets a fixed date.
class DateUtilities
{
public:
    DateUtilities() = delete;

    static QDate currentDate();
    // Makes currentDate() answer date; a null date gives CurrentTime back.
    static void setCurrentDate(const QDate& date);

    // Whether date lies in the twelve months that end with today's (the
    // months whose hourly values a gateway keeps). A meter's views pass the
    // meter's own date as today.
    static bool isDateInLastYear(const QDate& date, const QDate& today = currentDate());

    // Gateways send dates without the year, or with two digits of it. Each
    // guess is the latest year that gives a valid date not after today; 0
    // when no year can (a month out of 1..12, 31 April).
    static int guessYearFromMonth(int month, const QDate& today = currentDate());
    static int guessYearFromTwoDigits(int twoDigitYear, const QDate& today = currentDate());
    static int guessYearFromMonthDay(int month, int day, const QDate& today = currentDate());
};

} // namespace Corvane::Utilities
