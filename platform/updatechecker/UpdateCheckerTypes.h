#pragma once

#include <QMetaType>

namespace Corvane::UpdateChecker {

// Outcome of a version check or a download, as reported by VersionUpdater.
enum UpdaterResult {
    NewVersionAvailable = 0,
    NewVersionWithFirmwareAvailable = 1, // the kit goes with newer device firmware
    DownloadCompleted = 2,               // transfer done and verified; saving begins
    CheckCanceled = 3,
    DownloadSaved = 4,
    DownloadCanceled = 5,
    UpToDate = 6,
    NoKitsAvailable = 7,
    NetworkUnavailable = 8,
    ServerUnreachable = 9,
    DownloadFailed = 10,
    SavingFailed = 11,
};

// Maturity of a release, from the least to the most mature.
enum ProductStage {
    Development = 0,
    Alpha = 1,
    Beta = 2,
    ReleaseCandidate = 3,
    Release = 4,
};

enum OSType {
    Linux = 3,
};

enum ArchitectureType {
    X86 = 1,
    X64 = 2,
};

enum PackageType {
    DebianPackage = 3,
    Archive = 4,
};

} // namespace Corvane::UpdateChecker

Q_DECLARE_METATYPE(Corvane::UpdateChecker::UpdaterResult)
