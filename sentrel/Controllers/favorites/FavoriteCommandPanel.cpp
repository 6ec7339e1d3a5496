#include "FavoriteCommandPanel.h"

#include "favorite/FavoriteControl.h"

namespace Corvane::Sentrel::Controllers {

void FavoriteCommandPanel::toggle(Gadgets::FavoriteControl* control,
                                  const QList<Gadgets::CommandControl::ButtonData>& buttons)
{
    // Still opening counts as open: a second click closes it.
    if (control->control1ExpandProgress() > 0) {
        control->hideCommandControls();
        return;
    }
    control->setCommand1Buttons(buttons);
    control->showCommandControl1();
}

} // namespace Corvane::Sentrel::Controllers
