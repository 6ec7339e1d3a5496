#pragma once

#include <QDateTime>
#include <QString>

namespace Corvane::Gadgets {

// The one date form of the data faces (energy, load management, webserver),
// taken from the application's locale: a day is the locale's short date
// with the year in four digits, a month the same without its day, a moment
// the day and the locale's short time.
class DataFaceDates
{
public:
    DataFaceDates() = delete;

    static QString dayFormat();
    static QString monthFormat();
    static QString momentFormat();
    // Empty for a date or moment that is not valid.
    static QString dayText(const QDate& date);
    static QString momentText(const QDateTime& moment);
};

} // namespace Corvane::Gadgets
