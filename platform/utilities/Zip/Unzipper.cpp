#include "utilities/Zip/Unzipper.h"

#include "log/Logger.h"

#include <QFile>
#include <QFileInfo>

#include <zip.h>

namespace Corvane::Utilities::Zip {

namespace {

using Log::Logger;

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

QString zipErrorText(int code)
{
    zip_error_t zipError;
    zip_error_init_with_code(&zipError, code);
    const QString text = QString::fromLocal8Bit(zip_error_strerror(&zipError));
    zip_error_fini(&zipError);
    return text;
}

} // namespace

bool Unzipper::fail(const QString& reason)
{
    m_errorString = reason;
    return false;
}

zip* Unzipper::openArchive(const QString& zipPath)
{
    const QFileInfo info(zipPath);
    if (!info.exists()) {
        fail(tr("no such file"));
    } else if (!info.isFile()) {
        fail(tr("not a regular file"));
    } else {
        int error = 0;
        zip* archive = zip_open(QFile::encodeName(zipPath).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &error);
        if (archive)
            return archive;
        fail(tr("not a readable zip archive (%1)").arg(zipErrorText(error)));
    }
    Logger(Logger::Error) << Q_FUNC_INFO << " cannot open zip file \"" << zipPath << "\": " << m_errorString;
    return nullptr;
}

qint64 Unzipper::locate(zip* archive, const QString& fileName)
{
    if (!isSafeMemberName(fileName)) {
        fail(tr("refused member name \"%1\"").arg(fileName));
        Logger(Logger::Error) << Q_FUNC_INFO << " refused zip member name \"" << fileName << "\"";
        return -1;
    }
    const zip_int64_t index = zip_name_locate(archive, fileName.toUtf8().constData(), 0);
    if (index < 0)
        fail(tr("no member \"%1\"").arg(fileName));
    return index;
}

bool Unzipper::readMember(zip* archive, qint64 index, const QString& fileName, QByteArray& bytes)
{
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(archive, zip_uint64_t(index), 0, &stat) != 0 || !(stat.valid & ZIP_STAT_SIZE)) {
        Logger(Logger::Error) << Q_FUNC_INFO << " cannot read the size of \"" << fileName << "\"";
        return fail(tr("the size of \"%1\" cannot be read").arg(fileName));
    }
    if (stat.size > zip_uint64_t(MaxMemberSize)) {
        Logger(Logger::Error) << Q_FUNC_INFO << " member \"" << fileName << "\" is too large ("
                              << qint64(stat.size) << " bytes)";
        return fail(tr("\"%1\" is too large (%2 bytes, at most %3 are read)")
                        .arg(fileName)
                        .arg(quint64(stat.size))
                        .arg(MaxMemberSize));
    }

    zip_file_t* file = zip_fopen_index(archive, zip_uint64_t(index), 0);
    if (!file) {
        const QString reason = QString::fromLocal8Bit(zip_strerror(archive));
        Logger(Logger::Error) << Q_FUNC_INFO << " cannot open member \"" << fileName << "\": " << reason;
        return fail(tr("\"%1\" cannot be unpacked (%2)").arg(fileName, reason));
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
        return fail(tr("\"%1\" is damaged").arg(fileName));
    }
    data.truncate(total);
    bytes = data;
    m_errorString.clear();
    return true;
}

Unzipper::Unzipper(const QString& zipPath, QObject* parent)
    : QObject(parent)
{
    if (!zipPath.isEmpty())
        m_archive = openArchive(zipPath);
    m_openError = m_errorString;
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
    const qint64 index = locate(archive, fileName);
    const bool loaded = index >= 0 && readMember(archive, index, fileName, bytes);
    zip_discard(archive);
    return loaded;
}

bool Unzipper::failNotOpen()
{
    return fail(m_openError.isEmpty() ? tr("no archive is open") : m_openError);
}

bool Unzipper::gotoFile(const QString& fileName)
{
    if (!m_archive)
        return failNotOpen();
    return locate(m_archive, fileName) >= 0;
}

bool Unzipper::readFile(const QString& fileName, QByteArray& bytes)
{
    if (!m_archive)
        return failNotOpen();
    const qint64 index = locate(m_archive, fileName);
    return index >= 0 && readMember(m_archive, index, fileName, bytes);
}

} // namespace Corvane::Utilities::Zip
