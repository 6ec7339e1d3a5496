#pragma once

#include <QString>
#include <QStringList>

namespace Corvane::Sentrel {

// What the program's command line asks for. Every argument, the program
// path included, is compared lower-cased with "/noserver" and the log
// switches; any other argument after the program path that names an
// existing regular file is the project, the last one winning. Anything else
// that exists (a folder, a pipe, a device) is refused: reading it could
// block or never end.
class CommandLine
{
public:
    static const QString NO_SERVER_SWITCH;

    static CommandLine read(const QStringList& arguments);

    bool noServer() const { return m_noServer; }
    // 0 silent, 1 errors (the default), 2 errors and warnings, 3 verbose.
    int logMode() const { return m_logMode; }
    // Absolute path of the project named, empty when none.
    QString projectPath() const { return m_projectPath; }
    // The project's folder, to become the last folder the user opened a
    // project from; empty for the demo project or without a project.
    QString projectFolder() const { return m_projectFolder; }
    // Arguments naming something other than a regular file, each with the
    // reason, for the log.
    QStringList refusals() const { return m_refusals; }

    // Whether path is an existing regular file (or a link to one).
    static bool isRegularFile(const QString& path);

private:
    bool m_noServer = false;
    int m_logMode = 1;
    QString m_projectPath;
    QString m_projectFolder;
    QStringList m_refusals;
};

} // namespace Corvane::Sentrel
