#include "utilities/Zip/Unzipper.h"

#include "log/Logger.h"

#include <QFile>
#include <QFileInfo>

#include <zip.h>

namespace Corvane::Utilities::Zip {

namespace {

using Log::Logger;

zip* openArchive(const QString& zipPath)
{
    if (!QFileInfo(zipPath).isFile()) {
        Logger(Logger::Error) << Q_FUNC_INFO << " no such zip file: \"" << zipPath << "\"";
        return nullptr;
    }
    int error = 0;
    zip* archive = zip_open(QFile::encodeName(zipPath).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &error);
    if (!archive) {
        zip_error_t zipError;
        zip_error_init_with_code(&zipError, error);
        Logger(Logger::Error) << Q_FUNC_INFO << " cannot open zip file \"" << zipPath
                              << "\": " << zip_error_strerror(&zipError);
        zip_error_fini(&zipError);
    }
    return archive;
}

// A member name must be a plain relative name inside the archive.
bool isSafeMemberName(const QString& name)
{
    if (name.isEmpty() || name.startsWith(u'/') || name.contains(u'\\'))
        return false;
    for (QChar c : name) {
        if (c.unicode() < 0x20)
            return false;
    }
    const auto parts = QStringView(name).split(u'/');
    for (QStringView part : parts) {
        if (part == u"..")
            return false;
    }
    return true;
}

zip_int64_t locate(zip* archive, const QString& fileName)
{
    if (!isSafeMemberName(fileName)) {
        Logger(Logger::Error) << Q_FUNC_INFO << " refused zip member name \"" << fileName << "\"";
        return -1;
    }
    return zip_name_locate(archive, fileName.toUtf8().constData(), 0);
}

bool readMember(zip* archive, zip_int64_t index, const QString& fileName, QByteArray& bytes)
{
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(archive, zip_uint64_t(index), 0, &stat) != 0 || !(stat.valid & ZIP_STAT_SIZE)) {
        Logger(Logger::Error) << Q_FUNC_INFO << " cannot read the size of \"" << fileName << "\"";
        return false;
    }
    if (stat.size > zip_uint64_t(Unzipper::MaxMemberSize)) {
        Logger(Logger::Error) << Q_FUNC_INFO << " member \"" << fileName << "\" is too large ("
                              << qint64(stat.size) << " bytes)";
        return false;
    }

    zip_file_t* file = zip_fopen_index(archive, zip_uint64_t(index), 0);
    if (!file) {
        Logger(Logger::Error) << Q_FUNC_INFO << " cannot open member \"" << fileName
                              << "\": " << zip_strerror(archive);
        return false;
    }
    // One byte more than announced tells a member whose data outgrows its
    // recorded size apart from an honest one.
    QByteArray data(qsizetype(stat.size) + 1, Qt::Uninitialized);
    qint64 total = 0;
    zip_int64_t count = 0;
    while (total < data.size() && (count = zip_fread(file, data.data() + total, zip_uint64_t(data.size() - total))) > 0)
        total += count;
    zip_fclose(file);

    if (count < 0 || total != qint64(stat.size)) {
        Logger(Logger::Error) << Q_FUNC_INFO << " member \"" << fileName << "\" is damaged";
        return false;
    }
    data.truncate(total);
    bytes = data;
    return true;
}

} // namespace

Unzipper::Unzipper(const QString& zipPath, QObject* parent)
    : QObject(parent)
{
    if (!zipPath.isEmpty())
        m_archive = openArchive(zipPath);
}

Unzipper::~Unzipper()
{
    if (m_archive)
        zip_discard(m_archive);
}

bool Unzipper::isOpen() const
{
    return m_archive != nullptr;
}

bool Unzipper::loadBytes(const QString& zipPath, const QString& fileName, QByteArray& bytes)
{
    zip* archive = openArchive(zipPath);
    if (!archive)
        return false;
    const zip_int64_t index = locate(archive, fileName);
    const bool loaded = index >= 0 && readMember(archive, index, fileName, bytes);
    zip_discard(archive);
    return loaded;
}

bool Unzipper::gotoFile(const QString& fileName)
{
    return m_archive && locate(m_archive, fileName) >= 0;
}

} // namespace Corvane::Utilities::Zip
