#pragma once

#include <QApplication>
#include <QDir>
#include <QStringList>

namespace Corvane::Utilities {

class SingleInstanceGuard;

// A QApplication that runs once per key and user. A later start hands its
// arguments to the running instance, which emits appStartRequested(); the
// later start sees isRunning() and should end.
// Arguments naming files or folders relative to the later start's working
// folder arrive as absolute paths, since the running instance works in a
// folder of its own.
class SingleInstanceApplication : public QApplication
{
    Q_OBJECT

public:
    SingleInstanceApplication(int& argc, char** argv, const QString& key);
    ~SingleInstanceApplication() override;

    // Whether another instance already ran with this key (and got this
    // start's arguments).
    bool isRunning() const;

    // Writes the warnings of the single-instance start, which runs before
    // the program sets up its log (see SingleInstanceGuard::warnings()). The
    // running instance calls it once its log is set up; a later start calls
    // it before it ends, and the log of the program named applicationName()
    // is opened for them in the mode of the log switches among the arguments.
    void logStartWarnings() const;

    // arguments with every one after the program path that is a relative
    // path of an existing file or folder in workingFolder made absolute;
    // the others (switches, values, missing names) are kept as they are.
    static QStringList withAbsoluteFileArguments(const QStringList& arguments, const QDir& workingFolder);

Q_SIGNALS:
    void appStartRequested(const QStringList& arguments);

private:
    SingleInstanceGuard* m_guard;
};

} // namespace Corvane::Utilities
