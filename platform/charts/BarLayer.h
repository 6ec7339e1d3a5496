#pragma once

#include "charts/Layer.h"

namespace Corvane::Charts {

// A layer of vertical bars, one per x position, centred in its slot of the
// x axis.
class BarLayer : public Layer
{
public:
    // Bar width in pixels; 0 or less leaves 80% of the slot. A positive width
    // under one pixel draws one pixel.
    void setBarWidth(int barWidth, int subBarWidth = -1);
    int barWidth() const { return m_barWidth; }

private:
    int m_barWidth = 0;
};

} // namespace Corvane::Charts
