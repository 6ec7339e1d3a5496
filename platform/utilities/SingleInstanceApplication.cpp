#include "utilities/SingleInstanceApplication.h"

#include "utilities/SingleInstanceGuard.h"

namespace Corvane::Utilities {

SingleInstanceApplication::SingleInstanceApplication(int& argc, char** argv, const QString& key)
    : QApplication(argc, argv)
    , m_guard(new SingleInstanceGuard(key, this))
{
    connect(m_guard, &SingleInstanceGuard::argumentsReceived, this, &SingleInstanceApplication::appStartRequested);
    m_guard->start(arguments());
}

SingleInstanceApplication::~SingleInstanceApplication() = default;

bool SingleInstanceApplication::isRunning() const
{
    return m_guard->isRunning();
}

} // namespace Corvane::Utilities
