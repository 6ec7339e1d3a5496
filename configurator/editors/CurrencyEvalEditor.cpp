#include "editors/CurrencyEvalEditor.h"

#include "devices/DeviceEnums.h"
#include "devices/StringConsts.h"

#include <QMetaEnum>

namespace Corvane::Configurator::Editors {

CurrencyEvalEditor::CurrencyEvalEditor(int current, QWidget* parent)
    : QComboBox(parent)
{
    const QMetaEnum currencies = QMetaEnum::fromType<Devices::DeviceEnums::Currency>();
    for (int i = 0; i < currencies.keyCount(); ++i) {
        const int value = currencies.value(i);
        addItem(Devices::StringConsts::getCurrencyString(value), value);
    }
    const int position = findData(current);
    if (position >= 0)
        setCurrentIndex(position);
}

} // namespace Corvane::Configurator::Editors
