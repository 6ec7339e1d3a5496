#include "widgets/Slider.h"

#include <QWheelEvent>

namespace Corvane::Gadgets {

Slider::Slider(QWidget* parent)
    : QSlider(parent)
{
}

Slider::Slider(Qt::Orientation orientation, QWidget* parent)
    : QSlider(orientation, parent)
{
}

QAbstractSlider::SliderAction Slider::actionToRepeat() const
{
    return repeatAction();
}

void Slider::setActionToRepeat(QAbstractSlider::SliderAction action, int thresholdTime, int repeatTime)
{
    setRepeatAction(action, thresholdTime, repeatTime);
}

void Slider::wheelEvent(QWheelEvent* event)
{
    if (ignoreWheel) {
        event->ignore();
        return;
    }
    QSlider::wheelEvent(event);
}

} // namespace Corvane::Gadgets
