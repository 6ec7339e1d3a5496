#pragma once

namespace Corvane::Charts {

// Bytes produced by a chart (an encoded image); they stay valid until the
// chart is encoded again or destroyed.
struct MemBlock
{
    const char* data = nullptr;
    int len = 0;
};

} // namespace Corvane::Charts
