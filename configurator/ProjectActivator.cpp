#include "ProjectActivator.h"

#include "devices/serialization/AtomicFileWriter.h"
#include "devices/serialization/XmlSerializer.h"
#include "log/Logger.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QWidget>

#include <unistd.h>

namespace Corvane::Configurator {

using Devices::Serialization::AtomicFileWriter;
using Log::Logger;

namespace {

constexpr int PKEXEC_DISMISSED = 126;
constexpr int PKEXEC_NOT_AUTHORIZED = 127;

} // namespace

ProjectActivator::ProjectActivator()
    : m_runner([](const QString& program, const QStringList& arguments) { return runWaiting(program, arguments, nullptr); })
    , m_pkexecPath(QStringLiteral("/usr/bin/pkexec"))
    , m_helperPath(defaultHelperPath())
    , m_folderWritable(isFolderWritable)
{
}

QString ProjectActivator::defaultHelperPath()
{
    if (qEnvironmentVariableIsSet("CORVANE_ACTIVATE_HELPER"))
        return QDir::cleanPath(qEnvironmentVariable("CORVANE_ACTIVATE_HELPER"));
    return QDir::cleanPath(QCoreApplication::applicationDirPath()
                           + QStringLiteral("/../libexec/corvane/corvane-activate-project"));
}

QStringList ProjectActivator::pkexecArguments(const QString& helper, const QString& source, const QString& destination)
{
    return {QFileInfo(helper).absoluteFilePath(), QStringLiteral("--"), QFileInfo(source).absoluteFilePath(),
            withoutLinks(destination)};
}

QString ProjectActivator::withoutLinks(const QString& destination)
{
    const QFileInfo file(destination);
    const QFileInfo folder(file.absolutePath());
    const QString resolvedFolder = folder.canonicalFilePath();
    if (!resolvedFolder.isEmpty())
        return QDir(resolvedFolder).filePath(file.fileName());
    const QString resolvedParent = QFileInfo(folder.absolutePath()).canonicalFilePath();
    if (!resolvedParent.isEmpty())
        return QDir(resolvedParent).filePath(folder.fileName() + QLatin1Char('/') + file.fileName());
    return file.absoluteFilePath();
}

bool ProjectActivator::isFolderWritable(const QString& path)
{
    // The nearest existing folder decides whether the missing ones can be made.
    QString folder = QFileInfo(path).absolutePath();
    while (!QFileInfo(folder).isDir()) {
        if (QFileInfo::exists(folder) || folder == QDir::rootPath())
            return false;
        folder = QFileInfo(folder).absolutePath();
    }
    return ::access(QFile::encodeName(folder).constData(), W_OK | X_OK) == 0;
}

bool ProjectActivator::copyDirectly(const QString& source, const QString& destination)
{
    QFile input(source);
    if (!input.open(QIODevice::ReadOnly)) {
        Logger(Logger::Error) << Q_FUNC_INFO << ": cannot read " << source << ": " << input.errorString();
        return false;
    }
    const QByteArray content = input.readAll();
    if (input.error() != QFileDevice::NoError) {
        Logger(Logger::Error) << Q_FUNC_INFO << ": cannot read " << source << ": " << input.errorString();
        return false;
    }
    if (!QDir().mkpath(QFileInfo(destination).absolutePath()))
        return false;
    // The copies hold the gateways' passwords: a new one is the user's alone.
    QString reason;
    if (!AtomicFileWriter::write(destination, content, reason, AtomicFileWriter::PRIVATE_MODE)) {
        Logger(Logger::Error) << Q_FUNC_INFO << ": cannot write " << destination << ": " << reason;
        return false;
    }
    return true;
}

ProjectActivator::Result ProjectActivator::copyPrivileged(const QString& source, const QString& destination)
{
    if (!QFileInfo(m_pkexecPath).isExecutable()) {
        Logger(Logger::Error) << Q_FUNC_INFO << ": pkexec is not available at " << m_pkexecPath;
        return Result::NoPkexec;
    }
    const int code = m_runner(m_pkexecPath, pkexecArguments(m_helperPath, source, destination));
    if (code == PKEXEC_DISMISSED || code == PKEXEC_NOT_AUTHORIZED) {
        Logger(Logger::Error) << Q_FUNC_INFO << ": the privileged copy was not authorized (" << qint64(code) << ")";
        return Result::NotAuthorized;
    }
    if (code != 0) {
        Logger(Logger::Error) << Q_FUNC_INFO << ": the privileged copy failed (" << qint64(code) << ")";
        return Result::CopyFailed;
    }
    return Result::Activated;
}

ProjectActivator::Result ProjectActivator::activate(const QString& source, const QString& destination, const QUuid& id,
                                                    int version)
{
    Result result = Result::Activated;
    if (m_folderWritable(destination)) {
        if (!copyDirectly(source, destination))
            result = Result::CopyFailed;
    } else {
        result = copyPrivileged(source, destination);
    }
    if (result != Result::Activated)
        return result;
    QUuid activeId;
    int activeVersion = -1;
    if (!Devices::Serialization::XmlSerializer::readIdVersion(destination, activeId, activeVersion) || activeId != id
        || activeVersion != version) {
        Logger(Logger::Error) << Q_FUNC_INFO << ": the active project does not read back as the activated one";
        return Result::NotVerified;
    }
    return Result::Activated;
}

int ProjectActivator::runWaiting(const QString& program, const QStringList& arguments, QWidget* window)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    QEventLoop loop;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&process, &QProcess::errorOccurred, &loop, [&loop](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            loop.quit();
    });
    if (window)
        window->setEnabled(false);
    process.start(program, arguments);
    if (process.state() != QProcess::NotRunning || process.error() != QProcess::FailedToStart)
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (window)
        window->setEnabled(true);
    if (process.error() == QProcess::FailedToStart || process.exitStatus() != QProcess::NormalExit)
        return -1;
    return process.exitCode();
}

} // namespace Corvane::Configurator
