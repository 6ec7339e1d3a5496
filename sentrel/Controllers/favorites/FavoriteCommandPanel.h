#pragma once

#include "commandcontrol/CommandControl.h"

namespace Corvane::Gadgets {
class FavoriteControl;
}

namespace Corvane::Sentrel::Controllers {

// The first command panel of a favourite window, which its centre button
// opens with the device's buttons and closes again.
class FavoriteCommandPanel
{
public:
    static void toggle(Gadgets::FavoriteControl* control, const QList<Gadgets::CommandControl::ButtonData>& buttons);
};

} // namespace Corvane::Sentrel::Controllers
