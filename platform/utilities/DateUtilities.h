#pragma once

#include <QDate>

namespace Corvane::Utilities {

// Date helpers of the energy views. Today is read from one clock, the
// system's unless a test sets a fixed date.
class DateUtilities
{
public:
    DateUtilities() = delete;

    static QDate currentDate();
    // Makes currentDate() answer date; a null date gives the system clock back.
    static void setCurrentDate(const QDate& date);

    // Whether date lies in the twelve months that end with the current one
    // (the months whose hourly values a gateway keeps).
    static bool isDateInLastYear(const QDate& date);
};

} // namespace Corvane::Utilities
