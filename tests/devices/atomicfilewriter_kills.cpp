// Kills a process that saves the user settings over and over (SIGKILL, at a
// random moment of its save loop) and counts what the kills leave beside the
// file. Prints one line:
//   "kills=<n> kills_leaving_a_copy=<k> files_beside_at_end=<m>"
// Usage: atomicfilewriter_kills [--named] [kills] [folder]
// --named: as on a file system without unnamed files (O_TMPFILE).

#include "devices/UserConfigurationProperties.h"
#include "devices/serialization/AtomicFileWriter.h"
#include "devices/serialization/UserConfigurationXmlSerializer.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QSet>
#include <QTemporaryDir>
#include <QThread>
#include <QUuid>

#include <cerrno>
#include <cstdio>

#include <fcntl.h>

using namespace Corvane::Devices;

namespace {

const QString NAMED = QStringLiteral("--named");
const QString FILE_NAME = QStringLiteral("UserConfiguration.xml");
constexpr int DEFAULT_KILLS = 100;
// The longest wait before a kill; a save of the settings takes about as long.
constexpr unsigned long MAX_WAIT_MICROSECONDS = 20000;

int openWithoutUnnamedFiles(const char* path, int flags, mode_t mode)
{
    if ((flags & O_TMPFILE) == O_TMPFILE) {
        errno = EOPNOTSUPP;
        return -1;
    }
    return ::open(path, flags, mode);
}

// The child: saves the settings until it is killed.
int saveLoop(const QString& path, bool named)
{
    if (named)
        Serialization::AtomicFileWriter::setOpenCall(&openWithoutUnnamedFiles);
    UserConfigurationProperties properties;
    const QString id = QUuid::createUuid().toString();
    std::printf("saving\n");
    std::fflush(stdout);
    for (;;) {
        if (!Serialization::UserConfigurationXmlSerializer::write(path, id, &properties))
            return 1;
    }
}

QSet<QString> besideTheFile(const QDir& folder)
{
    QStringList names = folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    names.removeAll(FILE_NAME);
    return QSet<QString>(names.cbegin(), names.cend());
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    QStringList arguments = application.arguments();
    const bool named = arguments.removeAll(NAMED) > 0;
    if (arguments.size() == 3 && arguments.at(1) == QLatin1String("--save-loop"))
        return saveLoop(arguments.at(2), named);

    const int kills = arguments.size() > 1 ? arguments.at(1).toInt() : DEFAULT_KILLS;
    QTemporaryDir temporary(arguments.size() > 2 ? arguments.at(2) + QStringLiteral("/kills-XXXXXX")
                                                 : QDir::tempPath() + QStringLiteral("/kills-XXXXXX"));
    if (kills <= 0 || !temporary.isValid()) {
        std::fprintf(stderr, "usage: atomicfilewriter_kills [--named] [kills] [folder]\n");
        return 2;
    }
    const QDir folder(temporary.path());
    int leavingACopy = 0;
    for (int kill = 0; kill < kills; ++kill) {
        const QSet<QString> before = besideTheFile(folder);
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        QStringList childArguments{QStringLiteral("--save-loop"), folder.filePath(FILE_NAME)};
        if (named)
            childArguments << NAMED;
        child.start(application.applicationFilePath(), childArguments);
        if (!child.waitForReadyRead(30000)) {
            std::fprintf(stderr, "the saving child did not start\n");
            return 1;
        }
        QThread::usleep(QRandomGenerator::global()->bounded(quint32(MAX_WAIT_MICROSECONDS)));
        child.kill();
        child.waitForFinished();
        if (!(besideTheFile(folder) - before).isEmpty())
            ++leavingACopy;
    }
    std::printf("kills=%d kills_leaving_a_copy=%d files_beside_at_end=%lld\n", kills, leavingACopy,
                qint64(besideTheFile(folder).size()));
    return 0;
}
