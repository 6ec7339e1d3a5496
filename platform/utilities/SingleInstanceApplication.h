#pragma once

#include <QApplication>
#include <QStringList>

namespace Corvane::Utilities {

class SingleInstanceGuard;

// A QApplication that runs once per key and user session. A later start
// hands its arguments to the running instance, which emits
// appStartRequested(); the later start sees isRunning() and should end.
class SingleInstanceApplication : public QApplication
{
    Q_OBJECT

public:
    SingleInstanceApplication(int& argc, char** argv, const QString& key);
    ~SingleInstanceApplication() override;

    // Whether another instance already ran with this key (and got this
    // start's arguments).
    bool isRunning() const;

Q_SIGNALS:
    void appStartRequested(const QStringList& arguments);

private:
    SingleInstanceGuard* m_guard;
};

} // namespace Corvane::Utilities
