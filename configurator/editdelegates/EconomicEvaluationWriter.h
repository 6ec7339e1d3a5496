#pragma once

class QWidget;

namespace Corvane::Devices {
class EconomicDeviceProperties;
}

namespace Corvane::Configurator::EditDelegates {

// Writes the result of a confirmed economic-evaluation dialog into a meter
// or load: all three values together, or nothing.
class EconomicEvaluationWriter
{
public:
    EconomicEvaluationWriter() = delete;

    // True when editor is a confirmed EconomicEvalEditor and device exists.
    static bool write(QWidget* editor, Devices::EconomicDeviceProperties* device);
};

} // namespace Corvane::Configurator::EditDelegates
