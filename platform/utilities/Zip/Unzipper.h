#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

struct zip;

namespace Corvane::Utilities::Zip {

// Reads single members of a zip archive. Archives are untrusted user files:
// members are looked up by exact name, names that could point outside the
// archive are refused, and no member larger than MaxMemberSize is read.
// After a failure, errorString() says why in words for the user.
class Unzipper : public QObject
{
    Q_OBJECT

public:
    static constexpr qint64 MaxMemberSize = 32 * 1024 * 1024;

    // Opens zipPath for gotoFile() and readFile(); an empty path opens
    // nothing.
    explicit Unzipper(const QString& zipPath = QString(), QObject* parent = nullptr);
    ~Unzipper() override;

    bool isOpen() const;

    // Reads the member fileName of the archive zipPath into bytes; bytes is
    // left untouched when this fails.
    bool loadBytes(const QString& zipPath, const QString& fileName, QByteArray& bytes);

    // Whether the archive opened at construction holds a member of exactly
    // this name.
    bool gotoFile(const QString& fileName);

    // Reads the member fileName of the archive opened at construction into
    // bytes; bytes is left untouched when this fails.
    bool readFile(const QString& fileName, QByteArray& bytes);

    // Why the last operation failed: the archive could not be opened, the
    // member is missing, too large or damaged.
    QString errorString() const { return m_errorString; }

private:
    zip* openArchive(const QString& zipPath);
    qint64 locate(zip* archive, const QString& fileName);
    bool readMember(zip* archive, qint64 index, const QString& fileName, QByteArray& bytes);
    bool fail(const QString& reason);
    // Why the archive given at construction did not open.
    bool failNotOpen();

    zip* m_archive = nullptr;
    QString m_errorString;
    QString m_openError;
};

} // namespace Corvane::Utilities::Zip
