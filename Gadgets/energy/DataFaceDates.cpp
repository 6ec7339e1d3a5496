#include "energy/DataFaceDates.h"

#include <QLocale>
#include <QRegularExpression>

namespace Corvane::Gadgets {

QString DataFaceDates::dayFormat()
{
    static const QRegularExpression year(QStringLiteral("y+"));
    return QLocale().dateFormat(QLocale::ShortFormat).replace(year, QStringLiteral("yyyy"));
}

QString DataFaceDates::monthFormat()
{
    // The day goes with the separator that follows it, or else the one
    // before it: "dd.MM.yyyy" gives "MM.yyyy", "yyyy-MM-dd" gives "yyyy-MM".
    static const QRegularExpression leadingDay(QStringLiteral("^d+[^dMy]*"));
    static const QRegularExpression day(QStringLiteral("[^dMy]*d+"));
    QString format = dayFormat();
    if (format.contains(leadingDay))
        return format.remove(leadingDay);
    return format.remove(day);
}

QString DataFaceDates::momentFormat()
{
    // Hours and minutes: some short formats (the C locale's) carry seconds.
    static const QRegularExpression seconds(QStringLiteral("[^hHmaAp]?s+"));
    return dayFormat() + QLatin1Char(' ') + QLocale().timeFormat(QLocale::ShortFormat).remove(seconds);
}

QString DataFaceDates::dayText(const QDate& date)
{
    return date.isValid() ? QLocale().toString(date, dayFormat()) : QString();
}

QString DataFaceDates::momentText(const QDateTime& moment)
{
    return moment.isValid() ? QLocale().toString(moment, momentFormat()) : QString();
}

} // namespace Corvane::Gadgets
