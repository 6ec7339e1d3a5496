#pragma once

#include <QSlider>

namespace Corvane::Gadgets {

// A slider whose repeat action can be set from outside (held step buttons
// next to it) and which can pass the mouse wheel on to its parent.
class Slider : public QSlider
{
    Q_OBJECT

public:
    explicit Slider(QWidget* parent = nullptr);
    explicit Slider(Qt::Orientation orientation, QWidget* parent = nullptr);

    QAbstractSlider::SliderAction actionToRepeat() const;
    void setActionToRepeat(QAbstractSlider::SliderAction action, int thresholdTime, int repeatTime);

    // When set, wheel events go on to the parent (for example a scroll area).
    bool ignoreWheel = false;

protected:
    void wheelEvent(QWheelEvent* event) override;
};

} // namespace Corvane::Gadgets
