#pragma once

#include "updatechecker/KitInfo.h"

#include <QList>

#include <optional>

namespace Corvane::UpdateChecker {

// The list of kits that the update server publishes in "check.xml"; the
// format is described in README.md beside this file.
class CheckFile
{
public:
    static const QString FILE_NAME; // "check.xml"

    // Reads a check file. False when the bytes are not a check file at all,
    // and errorString() then says why; kit entries that are incomplete or
    // invalid are skipped.
    bool parse(const QByteArray& bytes);
    QString errorString() const;

    QList<KitInfo> kits() const;

    // The kit of the highest version that suits this system, if any.
    std::optional<KitInfo> newestKit(OSType os, ArchitectureType architecture, PackageType package,
                                     ProductStage installedStage) const;
    std::optional<KitInfo> kitByLink(const QString& link) const;

private:
    QList<KitInfo> m_kits;
    QString m_errorString;
};

} // namespace Corvane::UpdateChecker
