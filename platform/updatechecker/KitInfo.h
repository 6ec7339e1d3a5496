#pragma once

#include "updatechecker/UpdateCheckerTypes.h"

#include <QByteArray>
#include <QString>
#include <QVersionNumber>

namespace Corvane::UpdateChecker {

// One installation kit offered by the update server: an entry of its check
// file (see README.md beside this file).
struct KitInfo
{
    QVersionNumber version;
    ProductStage stage = Development;
    int os = 0;
    int architecture = 0;
    int package = 0;
    bool needsNewFirmware = false;
    // File name of the kit, in the folder of the check file.
    QString link;
    qint64 size = 0;
    // SHA-256 digest of the kit's bytes, lower-case hexadecimal.
    QByteArray sha256;

    // Whether the kit installs on this system at this stage or a more mature one.
    bool suits(OSType osType, ArchitectureType architectureType, PackageType packageType,
               ProductStage installedStage) const;

    // Whether name is a plain file name: not empty, not "." or "..", without
    // separators or control characters.
    static bool isSafeFileName(const QString& name);
};

} // namespace Corvane::UpdateChecker
