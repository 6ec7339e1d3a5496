#pragma once

namespace Corvane::Charts {

// A borrowed array as the chart calls take it: a pointer to the first element
// and the element count. The chart reads it during the call and keeps no
// reference afterwards, except where a call says so.
template<typename T>
struct ChartArray
{
    ChartArray() = default;
    ChartArray(const T* data, int len) : data(data), len(data ? len : 0) {}

    const T& operator[](int i) const { return data[i]; }

    const T* data = nullptr;
    int len = 0;
};

using DoubleArray = ChartArray<double>;
using IntArray = ChartArray<int>;
// Zero-terminated UTF-8 strings.
using StringArray = ChartArray<const char*>;

} // namespace Corvane::Charts
