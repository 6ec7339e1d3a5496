#include "editdelegates/DescriptionLimit.h"

#include "DialogService.h"
#include "utilities/InitSettings.h"

#include <QApplication>

namespace Corvane::Configurator::EditDelegates {

QString DescriptionLimit::confirmed(QWidget* parent, const QString& text)
{
    const int max = Utilities::InitSettings::maxDescriptionChars();
    if (text.size() <= max)
        return text.isNull() ? QStringLiteral("") : text;
    const QMessageBox::StandardButton answer = DialogService::instance()->message(
        parent, QMessageBox::Warning, QApplication::applicationName(),
        QApplication::translate("Corvane::Configurator::EditDelegates::BaseDeviceEditDelegate",
                                "Maximum allowed characters count for description is %1. The description you "
                                "entered will be truncated! ")
            .arg(max),
        QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok);
    if (answer != QMessageBox::Ok)
        return QString();
    // Never keep half of a character made of two UTF-16 units.
    const int cut = max > 0 && text.at(max - 1).isHighSurrogate() ? max - 1 : max;
    return text.left(cut);
}

} // namespace Corvane::Configurator::EditDelegates
