#include "utilities/DoubleValue.h"

namespace Corvane::Utilities {

DoubleValue::DoubleValue(double value, QObject* parent)
    : QObject(parent)
    , m_value(value)
{
}

void DoubleValue::setValue(double value)
{
    if (value == m_value)
        return;
    m_value = value;
    emit valueChanged(value);
}

} // namespace Corvane::Utilities
