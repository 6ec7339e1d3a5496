#include "DecimalValueValidator.h"

namespace Corvane::Gadgets {

namespace {

const int SHOWN_DECIMALS_MIN = 2;

} // namespace

DecimalValueValidator::DecimalValueValidator(double bottom, double top, int decimals, QObject* parent)
    : QDoubleValidator(bottom, top, decimals, parent)
{
    setNotation(QDoubleValidator::StandardNotation);
    // The base reads group separators by its locale's options.
    setLocale(numberLocale());
}

QLocale DecimalValueValidator::numberLocale() const
{
    QLocale numbers = locale();
    numbers.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
    return numbers;
}

QString DecimalValueValidator::withDecimalPoint(const QString& text) const
{
    const QString point = numberLocale().decimalPoint();
    QString result = text;
    for (const QChar other : { QLatin1Char('.'), QLatin1Char(',') })
        if (QString(other) != point)
            result.replace(other, point);
    return result;
}

QValidator::State DecimalValueValidator::validate(QString& input, int& position) const
{
    input = withDecimalPoint(input);
    return QDoubleValidator::validate(input, position);
}

double DecimalValueValidator::value(const QString& text, bool* ok) const
{
    return numberLocale().toDouble(withDecimalPoint(text.trimmed()), ok);
}

QString DecimalValueValidator::text(double value) const
{
    QString written = numberLocale().toString(value, 'f', decimals());
    const QString point = numberLocale().decimalPoint();
    const qsizetype pointAt = written.indexOf(point);
    if (pointAt < 0)
        return written;
    const qsizetype shortest = pointAt + point.size() + SHOWN_DECIMALS_MIN;
    // The locale's own zero: Arabic writes "٠", not "0".
    const QString zero = numberLocale().zeroDigit();
    while (written.size() > shortest && written.endsWith(zero))
        written.chop(zero.size());
    return written;
}

} // namespace Corvane::Gadgets
