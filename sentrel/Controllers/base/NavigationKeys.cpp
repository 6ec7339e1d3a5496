#include "NavigationKeys.h"

#include "commandcontrol/CommandControl.h"
#include "navigation/NavigationControl.h"
#include "navigation/NavigationLabels.h"

#include <QKeyEvent>

namespace Corvane::Sentrel::Controllers {

using Gadgets::CommandControl;
using Gadgets::NavigationControl;

Gadgets::CommandControl* NavigationKeys::activeCommandControl(const NavigationControl* navigation)
{
    if (!navigation)
        return nullptr;
    return navigation->commandControl2() ? navigation->commandControl2() : navigation->commandControl1();
}

void NavigationKeys::press(NavigationControl* navigation, const QKeyEvent* event)
{
    if (!navigation)
        return;
    const int key = event->key();
    if (key == Qt::Key_Left || key == Qt::Key_Right)
        turn(navigation, key == Qt::Key_Left);
    else if (key == Qt::Key_Down || key == Qt::Key_Up)
        moveSlider(navigation, key == Qt::Key_Down);
    else if (isReturnOrEnter(key))
        enter(navigation, event);
    else if (key == Qt::Key_Escape)
        escape(navigation);
}

void NavigationKeys::release(NavigationControl* navigation, const QKeyEvent* event)
{
    if (!navigation || event->isAutoRepeat())
        return;
    const int key = event->key();
    if (isReturnOrEnter(key)) {
        if (CommandControl* ring = activeCommandControl(navigation))
            ring->releaseCurrent();
    } else if (key == Qt::Key_Down || key == Qt::Key_Up) {
        Gadgets::NavigationLabels* labels = navigation->labels();
        if (labels && labels->isVisible())
            labels->applyCurrentValue(navigation->selectedSegmentIndex());
    }
}

bool NavigationKeys::isReturnOrEnter(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

void NavigationKeys::turn(NavigationControl* navigation, bool previous)
{
    if (CommandControl* ring = activeCommandControl(navigation))
        previous ? ring->selectPrevious() : ring->selectNext();
    else
        previous ? navigation->goAndRotatePrevious() : navigation->goAndRotateNext();
}

void NavigationKeys::moveSlider(NavigationControl* navigation, bool down)
{
    Gadgets::NavigationLabels* labels = navigation->labels();
    const int selected = navigation->selectedSegmentIndex();
    if (labels && labels->isVisible())
        down ? labels->moveSliderDown(selected) : labels->moveSliderUp(selected);
}

void NavigationKeys::enter(NavigationControl* navigation, const QKeyEvent* event)
{
    if (CommandControl* ring = activeCommandControl(navigation)) {
        if (!event->isAutoRepeat())
            ring->pressCurrent();
    } else if (navigation->hasSelectedIcon()) {
        navigation->notifyNavigationIconClicked(navigation->icons().value(navigation->selectedIconIndex()),
                                                navigation->selectedSegmentIndex(), false);
    }
}

void NavigationKeys::escape(NavigationControl* navigation)
{
    if (navigation->commandControl2())
        navigation->closeCommandControl2();
    else if (navigation->commandControl1())
        navigation->clearCommandControls();
    else if (navigation->showBackButton())
        navigation->notifyBackButtonClicked();
    else
        navigation->notifyHomeButtonClicked();
}

} // namespace Corvane::Sentrel::Controllers
