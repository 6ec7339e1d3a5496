#include "charts/BarLayer.h"

namespace Corvane::Charts {

void BarLayer::setBarWidth(int barWidth, int)
{
    m_barWidth = barWidth;
}

} // namespace Corvane::Charts
