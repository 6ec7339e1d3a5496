#include "theme/ThemeFileEngine.h"

#include "theme/ThemeProvider.h"

#include <QDateTime>

#include <cstring>

namespace Corvane::Gadgets {

const QString ThemeFileEngine::THEME_FILE_PREFIX = QStringLiteral("__theme_");

ThemeFileEngine::ThemeFileEngine(const QString& fileName)
    : m_fileName(fileName)
{
    ThemeProvider::fileContentsToByteArray(fileName.mid(THEME_FILE_PREFIX.size()), m_contents);
}

bool ThemeFileEngine::open(QIODevice::OpenMode, std::optional<QFile::Permissions>)
{
    m_position = 0;
    return true;
}

bool ThemeFileEngine::close()
{
    return true;
}

qint64 ThemeFileEngine::size() const
{
    return m_contents.size();
}

qint64 ThemeFileEngine::pos() const
{
    return m_position;
}

bool ThemeFileEngine::seek(qint64 pos)
{
    if (pos < 0)
        return false;
    m_position = pos;
    return true;
}

bool ThemeFileEngine::remove()
{
    return false;
}

bool ThemeFileEngine::rename(const QString&)
{
    return false;
}

bool ThemeFileEngine::mkdir(const QString&, bool, std::optional<QFile::Permissions>) const
{
    return false;
}

bool ThemeFileEngine::rmdir(const QString&, bool) const
{
    return false;
}

bool ThemeFileEngine::setSize(qint64 size)
{
    if (size < 0)
        return false;
    m_contents.resize(size);
    return true;
}

bool ThemeFileEngine::caseSensitive() const
{
    return false;
}

bool ThemeFileEngine::isRelativePath() const
{
    return false;
}

QStringList ThemeFileEngine::entryList(QDir::Filters, const QStringList&) const
{
    return {};
}

QAbstractFileEngine::FileFlags ThemeFileEngine::fileFlags(FileFlags) const
{
    return ExistsFlag | FileType | ReadOtherPerm | WriteOtherPerm | ExeOtherPerm;
}

bool ThemeFileEngine::setPermissions(uint)
{
    return false;
}

QString ThemeFileEngine::fileName(FileName) const
{
    return m_fileName;
}

uint ThemeFileEngine::ownerId(FileOwner) const
{
    return uint(-2);
}

QString ThemeFileEngine::owner(FileOwner) const
{
    return QString();
}

QDateTime ThemeFileEngine::fileTime(FileTime) const
{
    return QDateTime::currentDateTime();
}

void ThemeFileEngine::setFileName(const QString& file)
{
    m_fileName = file;
}

qint64 ThemeFileEngine::read(char* data, qint64 maxlen)
{
    const qint64 available = m_contents.size() - m_position;
    const qint64 count = qMin(maxlen, available);
    if (count <= 0)
        return 0;
    std::memcpy(data, m_contents.constData() + m_position, size_t(count));
    m_position += count;
    return count;
}

qint64 ThemeFileEngine::write(const char*, qint64)
{
    return 0;
}

} // namespace Corvane::Gadgets
