#pragma once

#include <QDoubleValidator>

namespace Corvane::Gadgets {

// The validator of an editable number of a table: a plain decimal number in
// the validator's locale, without group separators. Whichever of '.' and ','
// the locale does not use as its decimal point is taken as it, as the user
// meant it: "0,3" typed in English reads 0.3, "0.2154" typed in German
// 0,2154, never 3 or 2154. text() and value() read such a text the same way.
class DecimalValueValidator : public QDoubleValidator
{
    Q_OBJECT

public:
    DecimalValueValidator(double bottom, double top, int decimals, QObject* parent);

    State validate(QString& input, int& position) const override;

    // The locale the numbers are written and read in: the validator's,
    // without group separators.
    QLocale numberLocale() const;
    // The number a finished text stands for; false in ok when it is none.
    double value(const QString& text, bool* ok) const;
    // The text of value: at least two decimals, at most decimals(), the
    // trailing zeros beyond two dropped, so that a stored value reads as
    // precisely as it is kept.
    QString text(double value) const;

private:
    QString withDecimalPoint(const QString& text) const;
};

} // namespace Corvane::Gadgets
