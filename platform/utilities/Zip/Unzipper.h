#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

struct zip;

namespace Corvane::Utilities::Zip {

// Reads single members of a zip archive. Archives are untrusted user files:
// members are looked up by exact name, names that could point outside the
// archive are refused, and no member larger than MaxMemberSize is read.
class Unzipper : public QObject
{
    Q_OBJECT

public:
    static constexpr qint64 MaxMemberSize = 32 * 1024 * 1024;

    // Opens zipPath for gotoFile(); an empty path opens nothing.
    explicit Unzipper(const QString& zipPath = QString(), QObject* parent = nullptr);
    ~Unzipper() override;

    bool isOpen() const;

    // Reads the member fileName of the archive zipPath into bytes; bytes is
    // left untouched when this fails.
    bool loadBytes(const QString& zipPath, const QString& fileName, QByteArray& bytes);

    // Whether the archive opened at construction holds a member of exactly
    // this name.
    bool gotoFile(const QString& fileName);

private:
    zip* m_archive = nullptr;
};

} // namespace Corvane::Utilities::Zip
