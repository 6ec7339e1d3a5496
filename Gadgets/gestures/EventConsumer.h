#pragma once

namespace Corvane::Gadgets {

class SvgControl;

namespace Gestures {

// Names the control that accepted a press, so that the gesture recogniser
// can hand it the release and press-and-move gestures that follow.
class EventConsumer
{
public:
    SvgControl* consumer() const { return m_consumer; }
    void setConsumer(SvgControl* consumer) { m_consumer = consumer; }

private:
    SvgControl* m_consumer = nullptr;
};

} // namespace Gestures
} // namespace Corvane::Gadgets
