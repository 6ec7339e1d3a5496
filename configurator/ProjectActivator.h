#pragma once

#include <QString>
#include <QStringList>
#include <QUuid>

#include <functional>

class QWidget;

namespace Corvane::Configurator {

// Puts a written project file in place as the active project. The file is
// replaced atomically: directly (AtomicFileWriter) when the user may write the
// folder, else by the root-owned helper run through pkexec with the paths
// as separate arguments ("pkexec <helper> -- <source> <destination>"). Success
// only once the active file reads back with the project's id and version.
class ProjectActivator
{
public:
    enum class Result {
        Activated,
        CopyFailed,   // the direct or the privileged copy failed
        NoPkexec,     // the folder needs privileges and pkexec is missing
        NotAuthorized, // pkexec was dismissed or found no agent (126/127)
        NotVerified,  // the file in place is not the project
    };

    // Runs program with arguments and returns its exit code, or -1 when it
    // could not be started or crashed.
    using Runner = std::function<int(const QString& program, const QStringList& arguments)>;

    ProjectActivator();

    Result activate(const QString& source, const QString& destination, const QUuid& id, int version);

    // "<helper> -- <source> <destination>", the paths made absolute and the
    // destination's folder without symbolic links (see withoutLinks()).
    static QStringList pkexecArguments(const QString& helper, const QString& source, const QString& destination);
    // The absolute destination with the symbolic links of its folder (or,
    // while that is to be made, of its parent) resolved: the helper refuses
    // a path through a link, which a home folder may well hold.
    static QString withoutLinks(const QString& destination);
    // Whether the user may create or replace a file in path's folder.
    static bool isFolderWritable(const QString& path);
    // Replaces destination with source's content; a new file is the user's
    // alone (0600), a replaced one keeps its mode.
    static bool copyDirectly(const QString& source, const QString& destination);

    void setRunner(Runner runner) { m_runner = std::move(runner); }
    void setPkexecPath(const QString& path) { m_pkexecPath = path; }
    void setHelperPath(const QString& path) { m_helperPath = path; }
    // How activate() decides whether the folder needs privileges.
    void setFolderWritableCheck(std::function<bool(const QString&)> check) { m_folderWritable = std::move(check); }
    QString pkexecPath() const { return m_pkexecPath; }
    QString helperPath() const { return m_helperPath; }
    // The helper installed with the program: CORVANE_ACTIVATE_HELPER when
    // set, else "<prefix>/libexec/corvane/corvane-activate-project".
    static QString defaultHelperPath();
    // Runs program and waits, keeping the window disabled meanwhile.
    static int runWaiting(const QString& program, const QStringList& arguments, QWidget* window);

private:
    Result copyPrivileged(const QString& source, const QString& destination);

    Runner m_runner;
    QString m_pkexecPath;
    QString m_helperPath;
    std::function<bool(const QString&)> m_folderWritable;
};

} // namespace Corvane::Configurator
