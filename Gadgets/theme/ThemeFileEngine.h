#pragma once

// Qt's file-engine interface is private API; this header and
// ThemeEngineHandler.h are the only places that use it.
#include <QtCore/private/qabstractfileengine_p.h>

#include <QByteArray>
#include <QString>

namespace Corvane::Gadgets {

// Serves a file of the active theme under a virtual name: any file name
// beginning with THEME_FILE_PREFIX ("__theme_") reads as the theme file named
// by the rest of it, e.g. "__theme_slider_thumb.png". The file is read-only;
// a missing theme file reads as an existing, empty file.
class ThemeFileEngine : public QAbstractFileEngine
{
public:
    static const QString THEME_FILE_PREFIX;

    explicit ThemeFileEngine(const QString& fileName);

    bool open(QIODevice::OpenMode openMode, std::optional<QFile::Permissions> permissions = std::nullopt) override;
    bool close() override;
    qint64 size() const override;
    qint64 pos() const override;
    bool seek(qint64 pos) override;
    bool remove() override;
    bool rename(const QString& newName) override;
    bool mkdir(const QString& dirName, bool createParentDirectories,
               std::optional<QFile::Permissions> permissions = std::nullopt) const override;
    bool rmdir(const QString& dirName, bool recurseParentDirectories) const override;
    bool setSize(qint64 size) override;
    bool caseSensitive() const override;
    bool isRelativePath() const override;
    QStringList entryList(QDir::Filters filters, const QStringList& filterNames) const override;
    FileFlags fileFlags(FileFlags type = FileInfoAll) const override;
    bool setPermissions(uint perms) override;
    QString fileName(FileName file = DefaultName) const override;
    uint ownerId(FileOwner owner) const override;
    QString owner(FileOwner owner) const override;
    QDateTime fileTime(FileTime time) const override;
    void setFileName(const QString& file) override;
    qint64 read(char* data, qint64 maxlen) override;
    qint64 write(const char* data, qint64 len) override;

private:
    QByteArray m_contents;
    QString m_fileName;
    qint64 m_position = 0;
};

} // namespace Corvane::Gadgets
