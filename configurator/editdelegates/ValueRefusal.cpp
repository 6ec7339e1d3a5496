#include "editdelegates/ValueRefusal.h"

#include "DialogService.h"

#include <QApplication>
#include <QLocale>
#include <QWidget>

#include <cmath>

namespace Corvane::Configurator::EditDelegates {

bool ValueRefusal::accepts(QWidget* editor, const QString& refusal)
{
    if (refusal.isEmpty())
        return true;
    DialogService::instance()->message(editor ? editor->window() : nullptr, QMessageBox::Warning,
                                       QApplication::applicationName(), refusal, QMessageBox::Ok, QMessageBox::Ok);
    return false;
}

std::optional<double> ValueRefusal::numberWithin(QWidget* editor, const QString& text, double low, double high,
                                                 int decimals, const QString& refusal)
{
    bool ok = false;
    const QString trimmed = text.trimmed();
    double value = QLocale().toDouble(trimmed, &ok);
    if (!ok)
        value = QLocale::c().toDouble(trimmed, &ok);
    if (ok && value >= low && value <= high)
        return std::round(value * std::pow(10.0, decimals)) / std::pow(10.0, decimals);
    accepts(editor, refusal.arg(text, numberText(low), numberText(high)));
    return std::nullopt;
}

QString ValueRefusal::numberText(double value)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, 'g', 12);
}

} // namespace Corvane::Configurator::EditDelegates
