#include "widgets/TemperatureUnitComboBox.h"

#include <QCoreApplication>

namespace Corvane::Gadgets {

namespace {

const QChar DEGREE_SIGN(0x00B0);

} // namespace

TemperatureUnitComboBox::TemperatureUnitComboBox(QWidget* parent)
    : ComboBox(parent)
{
    addItem(QString(), int(Celsius));
    addItem(QString(), int(Fahrenheit));
    retranslateUi();
}

TemperatureUnit TemperatureUnitComboBox::temperatureUnit() const
{
    return TemperatureUnit(currentItemData().toInt());
}

void TemperatureUnitComboBox::setTemperatureUnit(TemperatureUnit unit)
{
    if (unit == temperatureUnit())
        return;
    if (!setChoiceByData(int(unit)))
        return;
    emit temperatureUnitChanged(unit);
}

void TemperatureUnitComboBox::retranslateUi()
{
    setItemText(0, QCoreApplication::translate("TemperatureUnitComboBox", "Celsius (%1C)").arg(DEGREE_SIGN));
    setItemText(1, QCoreApplication::translate("TemperatureUnitComboBox", "Fahrenheit (%1F)").arg(DEGREE_SIGN));
}

} // namespace Corvane::Gadgets
