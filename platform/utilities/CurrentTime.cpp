#include "utilities/CurrentTime.h"

namespace Corvane::Utilities {

namespace {

CurrentTime::Source& installedSource()
{
    static CurrentTime::Source source;
    return source;
}

} // namespace

QDateTime CurrentTime::now()
{
    const Source& source = installedSource();
    return source ? source() : QDateTime::currentDateTime();
}

void CurrentTime::setSource(Source source)
{
    installedSource() = std::move(source);
}

} // namespace Corvane::Utilities
