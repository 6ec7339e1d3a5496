#include "ZipBuilder.h"

#include <QDir>
#include <QFile>

#include <zip.h>

ZipBuilder& ZipBuilder::add(const QString& name, const QByteArray& contents)
{
    m_members.append({name, contents});
    return *this;
}

ZipBuilder& ZipBuilder::addFolder(const QString& folder, const QStringList& except)
{
    const QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::Files, QDir::Name)) {
        if (except.contains(name))
            continue;
        QFile file(dir.filePath(name));
        if (file.open(QIODevice::ReadOnly))
            add(name, file.readAll());
    }
    return *this;
}

bool ZipBuilder::write(const QString& zipPath) const
{
    QFile::remove(zipPath);
    int error = 0;
    zip_t* archive = zip_open(QFile::encodeName(zipPath).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!archive)
        return false;
    for (const auto& [name, contents] : m_members) {
        // libzip reads the buffer when the archive is closed, so it gets a copy it frees itself
        // (an empty one it would never free: it gets none).
        void* copy = nullptr;
        if (!contents.isEmpty()) {
            copy = malloc(size_t(contents.size()));
            memcpy(copy, contents.constData(), size_t(contents.size()));
        }
        zip_source_t* source = zip_source_buffer(archive, copy, zip_uint64_t(contents.size()), copy ? 1 : 0);
        if (!source || zip_file_add(archive, name.toUtf8().constData(), source, ZIP_FL_ENC_UTF_8) < 0) {
            zip_source_free(source);
            zip_discard(archive);
            return false;
        }
    }
    if (zip_close(archive) == 0)
        return true;
    zip_discard(archive);
    return false;
}
