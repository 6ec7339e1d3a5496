#pragma once

#include <QDateTime>

#include <functional>

namespace Corvane::Utilities {

// The date and time that the date helpers take for now: the computer's,
// unless the program installed another source (a test's manual clock), so
// that dates and timers of one program agree.
class CurrentTime
{
public:
    using Source = std::function<QDateTime()>;

    CurrentTime() = delete;

    static QDateTime now();
    // Makes now() ask source; an empty source gives the computer's clock back.
    static void setSource(Source source);
};

} // namespace Corvane::Utilities
