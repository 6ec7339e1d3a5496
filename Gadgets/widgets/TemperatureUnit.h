#pragma once

#include <QMetaType>

namespace Corvane::Gadgets {

// The unit in which temperatures are shown to the user.
enum TemperatureUnit {
    Celsius = 0,
    Fahrenheit = 1
};

} // namespace Corvane::Gadgets

Q_DECLARE_METATYPE(Corvane::Gadgets::TemperatureUnit)
