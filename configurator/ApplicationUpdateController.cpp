#include "ApplicationUpdateController.h"

#include "utilities/GeneralUtilities.h"

namespace Corvane::Configurator {

void ApplicationUpdateController::startApplicationUpdate()
{
    Utilities::GeneralUtilities::startAutoUpdateIfNeeded();
    emit applicationUpdateStarted();
}

} // namespace Corvane::Configurator
