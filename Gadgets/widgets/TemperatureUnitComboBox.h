#pragma once

#include "widgets/ComboBox.h"
#include "widgets/TemperatureUnit.h"

namespace Corvane::Gadgets {

// A choice between degrees Celsius and degrees Fahrenheit.
class TemperatureUnitComboBox : public ComboBox
{
    Q_OBJECT

public:
    explicit TemperatureUnitComboBox(QWidget* parent = nullptr);

    TemperatureUnit temperatureUnit() const;
    void retranslateUi();

public slots:
    // Selects the unit and emits temperatureUnitChanged() when it differs; a
    // unit without an item changes nothing.
    void setTemperatureUnit(Corvane::Gadgets::TemperatureUnit unit);

signals:
    void temperatureUnitChanged(Corvane::Gadgets::TemperatureUnit unit);
};

} // namespace Corvane::Gadgets
