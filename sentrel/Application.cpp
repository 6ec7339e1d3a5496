#include "Application.h"

#include "devices/serialization/AtomicFileWriter.h"
#include "log/Logger.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFileOpenEvent>
#include <QSessionManager>
#include <QStandardPaths>

namespace Corvane::Sentrel {

using Corvane::Log::Logger;

bool Application::s_isShuttingDown = false;

Application::Application(int& argc, char** argv, const QString& key)
    : Utilities::SingleInstanceApplication(argc, argv, key)
{
    connect(this, &QGuiApplication::commitDataRequest, this, &Application::onCommitDataRequest, Qt::DirectConnection);
}

void Application::setShuttingDown()
{
    s_isShuttingDown = true;
}

void Application::onCommitDataRequest()
{
    setShuttingDown();
}

bool Application::event(QEvent* event)
{
    if (event->type() == QEvent::FileOpen) {
        m_lastFileOpenPath = static_cast<QFileOpenEvent*>(event)->file();
        Q_EMIT fileNameArgument(m_lastFileOpenPath);
        return true;
    }
    return Utilities::SingleInstanceApplication::event(event);
}

QString Application::autostartFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/autostart/")
           + QCoreApplication::applicationName() + QStringLiteral(".desktop");
}

// The Desktop Entry rules: an argument holding a reserved character goes in
// double quotes, inside which ", `, $ and \ take a backslash; the key's
// value then escapes each backslash once more.
QString Application::quotedExecProgram(const QString& program)
{
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    const bool needsQuotes = std::any_of(program.begin(), program.end(),
                                         [](QChar c) { return reserved.contains(c); });
    if (!needsQuotes)
        return program;
    QString quoted;
    for (QChar c : program) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            quoted += u'\\';
        quoted += c;
    }
    quoted.replace(u'\\', QStringLiteral("\\\\"));
    return u'"' + quoted + u'"';
}

QByteArray Application::createDesktopEntryData()
{
    const QString name = QCoreApplication::applicationName();
    const QString program = QDir::cleanPath(QCoreApplication::applicationFilePath());
    const QStringList lines{
        QStringLiteral("[Desktop Entry]"),
        QStringLiteral("Encoding=UTF-8"),
        QStringLiteral("Name=%1").arg(name),
        QStringLiteral("Comment=Configuration and control of Corvane devices"),
        QStringLiteral("Exec=%1 %f").arg(quotedExecProgram(program)),
        QStringLiteral("Icon=%1").arg(name),
        QStringLiteral("MimeType=text/x-vtprj"),
        QStringLiteral("Terminal=false"),
        QStringLiteral("Type=Application"),
    };
    return (lines.join(u'\n') + u'\n').toUtf8();
}

bool Application::runAtStartup()
{
    return QFileInfo::exists(autostartFilePath());
}

bool Application::setRunAtStartup(bool on)
{
    const QString path = autostartFilePath();
    if (!on) {
        if (QFileInfo::exists(path) && !QFile::remove(path)) {
            Logger(Logger::Error) << Q_FUNC_INFO << " cannot remove " << path;
            return false;
        }
        return true;
    }
    if (QFileInfo::exists(path))
        return true;
    QString reason;
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        reason = QStringLiteral("the folder cannot be created");
    else if (Devices::Serialization::AtomicFileWriter::write(path, createDesktopEntryData(), reason))
        return true;
    Logger(Logger::Error) << Q_FUNC_INFO << " cannot write " << path << ": " << reason;
    return false;
}

} // namespace Corvane::Sentrel
