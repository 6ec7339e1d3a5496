#include "utilities/DateUtilities.h"

namespace Corvane::Utilities {

namespace {

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
    return fixedDate().isValid() ? fixedDate() : QDate::currentDate();
}

void DateUtilities::setCurrentDate(const QDate& date)
{
    fixedDate() = date;
}

bool DateUtilities::isDateInLastYear(const QDate& date)
{
    if (!date.isValid())
        return false;
    const int months = monthIndex(currentDate()) - monthIndex(date);
    return months >= 0 && months < 12;
}

} // namespace Corvane::Utilities
