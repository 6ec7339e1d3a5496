#include "hosting/LoadDataQMLWrapper.h"

#include "energy/LoadManagementDataControl.h"
#include "theme/ThemeProvider.h"

namespace Corvane::Gadgets::Utilities {

LoadDataQMLWrapper::LoadDataQMLWrapper(QGraphicsItem* parent)
    : BaseQMLWrapper(parent)
{
    setMainControl(
        new LoadManagementDataControl(ThemeProvider::getRendererFor(ThemeProvider::LOAD_MANAGEMENT_VIEW), nullptr));
}

} // namespace Corvane::Gadgets::Utilities
