#include "hosting/WebServerQMLWrapper.h"

#include "energy/WebServerDataControl.h"
#include "theme/ThemeProvider.h"

namespace Corvane::Gadgets::Utilities {

WebServerQMLWrapper::WebServerQMLWrapper(QGraphicsItem* parent)
    : BaseQMLWrapper(parent)
{
    setMainControl(new WebServerDataControl(ThemeProvider::getRendererFor(ThemeProvider::WEB_SERVER_VIEW), nullptr));
}

} // namespace Corvane::Gadgets::Utilities
