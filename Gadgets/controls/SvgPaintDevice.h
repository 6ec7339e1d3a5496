#pragma once

#include "controls/SvgPaintEngine.h"

#include <QPaintDevice>

namespace Corvane::Gadgets::Utilities {

// A paint device whose engine only records paths (see SvgPaintEngine). It
// reports a 1 x 1 device at 96 dpi, so that painters have sane metrics.
class SvgPaintDevice : public QPaintDevice
{
public:
    SvgPaintDevice() = default;
    ~SvgPaintDevice() override;

    QPaintEngine* paintEngine() const override;
    SvgPaintEngine* recordingEngine() { return &m_engine; }

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    mutable SvgPaintEngine m_engine;
};

} // namespace Corvane::Gadgets::Utilities
