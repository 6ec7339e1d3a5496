#include "hosting/FavoriteQMLWrapper.h"

#include "favorite/FavoriteControl.h"
#include "theme/ThemeProvider.h"

namespace Corvane::Gadgets::Utilities {

FavoriteQMLWrapper::FavoriteQMLWrapper(QGraphicsItem* parent)
    : BaseQMLWrapper(parent)
{
    setMainControl(new FavoriteControl(ThemeProvider::getRendererFor(ThemeProvider::FAVORITE), nullptr));
}

} // namespace Corvane::Gadgets::Utilities
