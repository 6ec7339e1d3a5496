#include "widgets/BoolComboBox.h"

#include <QCoreApplication>

namespace Corvane::Gadgets {

BoolComboBox::BoolComboBox(QWidget* parent)
    : ComboBox(parent)
{
    addItem(QString(), true);
    addItem(QString(), false);
    retranslateUi();
}

bool BoolComboBox::value() const
{
    return currentItemData().toBool();
}

void BoolComboBox::setValue(bool value)
{
    if (value == this->value())
        return;
    setChoiceByData(value);
    emit valueChanged(value);
}

void BoolComboBox::retranslateUi()
{
    setItemText(0, QCoreApplication::translate("BoolComboBox", "Yes"));
    setItemText(1, QCoreApplication::translate("BoolComboBox", "No"));
}

} // namespace Corvane::Gadgets
