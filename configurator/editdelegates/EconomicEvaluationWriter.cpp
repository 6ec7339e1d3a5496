#include "editdelegates/EconomicEvaluationWriter.h"

#include "devices/EconomicDeviceProperties.h"
#include "editors/EconomicEvalEditor.h"
#include "log/Logger.h"

namespace Corvane::Configurator::EditDelegates {

bool EconomicEvaluationWriter::write(QWidget* editor, Devices::EconomicDeviceProperties* device)
{
    const auto* dialog = qobject_cast<Editors::EconomicEvalEditor*>(editor);
    if (!dialog || !dialog->accepted() || !device)
        return false;
    device->setIsEconomicEvaluationEnabled(dialog->presence());
    device->setCurrency(dialog->currency());
    device->setTariff(dialog->tariff());
    Log::Logger(Log::Logger::Trace) << "Economic evaluation changed of device " << device->description();
    return true;
}

} // namespace Corvane::Configurator::EditDelegates
