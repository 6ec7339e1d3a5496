#include "utilities/DateUtilities.h"

#include "utilities/CurrentTime.h"

namespace Corvane::Utilities {

namespace {

// 29 February comes back within eight years, across a century that skips it.
const int LEAP_DAY_SEARCH_YEARS = 8;

QDate& fixedDate()
{
    static QDate date;
    return date;
}

int monthIndex(const QDate& date)
{
    return date.year() * 12 + date.month() - 1;
}

} // namespace

QDate DateUtilities::currentDate()
{
    return fixedDate().isValid() ? fixedDate() : CurrentTime::now().date();
}

void DateUtilities::setCurrentDate(const QDate& date)
{
    fixedDate() = date;
}

bool DateUtilities::isDateInLastYear(const QDate& date, const QDate& today)
{
    if (!date.isValid() || !today.isValid())
        return false;
    const int months = monthIndex(today) - monthIndex(date);
    return months >= 0 && months < 12;
}

int DateUtilities::guessYearFromMonth(int month, const QDate& today)
{
    if (month < 1 || month > 12 || !today.isValid())
        return 0;
    return month <= today.month() ? today.year() : today.year() - 1;
}

int DateUtilities::guessYearFromTwoDigits(int twoDigitYear, const QDate& today)
{
    if (twoDigitYear < 0 || twoDigitYear > 99 || !today.isValid())
        return 0;
    const int year = today.year() - today.year() % 100 + twoDigitYear;
    return year <= today.year() ? year : year - 100;
}

int DateUtilities::guessYearFromMonthDay(int month, int day, const QDate& today)
{
    if (!today.isValid())
        return 0;
    for (int year = today.year(); year >= today.year() - LEAP_DAY_SEARCH_YEARS; --year) {
        const QDate date(year, month, day);
        if (date.isValid() && date <= today)
            return year;
    }
    return 0;
}

} // namespace Corvane::Utilities
