#pragma once

#include <QString>

#include <optional>

class QWidget;

namespace Corvane::Configurator::EditDelegates {

// The one way the editor refuses a value the user typed: a warning box over
// the editor's window says why, and the stored value stays as it was.
class ValueRefusal
{
public:
    ValueRefusal() = delete;

    // True when refusal is empty; otherwise shows it and returns false.
    static bool accepts(QWidget* editor, const QString& refusal);

    // The number text holds, written as the user's locale or plainly
    // ("12,5" or "12.5"), rounded to decimals places, when it lies within
    // low..high. Otherwise refuses it with refusal, in which %1 is the text,
    // %2 low and %3 high, and gives nothing.
    static std::optional<double> numberWithin(QWidget* editor, const QString& text, double low, double high,
                                              int decimals, const QString& refusal);

    // The text the number editors show for value.
    static QString numberText(double value);
};

} // namespace Corvane::Configurator::EditDelegates
