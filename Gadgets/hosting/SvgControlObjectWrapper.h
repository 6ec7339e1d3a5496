#pragma once

#include "hosting/BaseQMLWrapper.h"

namespace Corvane::Gadgets::Utilities {

// A carousel delegate: shows a control that belongs to someone else (the
// code that created it) and never destroys it. When the wrapper goes, a control
// it still shows is taken out of the scene and set free of the wrapper.
class SvgControlObjectWrapper : public BaseQMLWrapper
{
    Q_OBJECT

public:
    explicit SvgControlObjectWrapper(QGraphicsItem* parent = nullptr);
    ~SvgControlObjectWrapper() override;
};

} // namespace Corvane::Gadgets::Utilities
