#include "controls/SvgPaintDevice.h"

namespace Corvane::Gadgets::Utilities {

SvgPaintDevice::~SvgPaintDevice() = default;

QPaintEngine* SvgPaintDevice::paintEngine() const
{
    return &m_engine;
}

int SvgPaintDevice::metric(PaintDeviceMetric metric) const
{
    switch (metric) {
    case PdmWidth:
    case PdmHeight:
    case PdmWidthMM:
    case PdmHeightMM:
    case PdmDevicePixelRatio:
        return 1;
    case PdmNumColors:
        return 256;
    case PdmDepth:
        return 32;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY:
        return 96;
    case PdmDevicePixelRatioScaled:
        return int(QPaintDevice::devicePixelRatioFScale());
    }
    return 0;
}

} // namespace Corvane::Gadgets::Utilities
