// libFuzzer target over the check file reader. Built only with
// -DCORVANE_FUZZ=ON and clang; the ordinary test run replays its seeds and
// every input that once failed it. Besides crashes it traps when a reading
// breaks the reader's promises: a refused file says why, every kit read is
// complete and safe to save, and the newest kit is found among them.

#include "updatechecker/CheckFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace Corvane::UpdateChecker;

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

bool isValidKit(const KitInfo& kit)
{
    return !kit.version.isNull() && kit.stage >= Development && kit.stage <= Release && kit.size > 0
        && KitInfo::isSafeFileName(kit.link) && kit.sha256.size() == 64;
}

void checkNewestKit(const CheckFile& file, OSType os, ArchitectureType architecture, PackageType package,
                    ProductStage stage)
{
    const std::optional<KitInfo> newest = file.newestKit(os, architecture, package, stage);
    for (const KitInfo& kit : file.kits()) {
        if (!kit.suits(os, architecture, package, stage))
            continue;
        require(newest.has_value() && newest->version >= kit.version);
    }
    require(!newest || newest->suits(os, architecture, package, stage));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    CheckFile file;
    if (!file.parse(bytes)) {
        require(!file.errorString().isEmpty() && file.kits().isEmpty());
        return 0;
    }
    require(file.errorString().isEmpty());
    for (const KitInfo& kit : file.kits()) {
        require(isValidKit(kit));
        const std::optional<KitInfo> found = file.kitByLink(kit.link);
        require(found.has_value() && found->link == kit.link);
    }
    for (const ProductStage stage : {Development, Beta, Release}) {
        for (const PackageType package : {DebianPackage, Archive}) {
            checkNewestKit(file, Linux, X64, package, stage);
            checkNewestKit(file, Linux, X86, package, stage);
        }
    }
    CheckFile again;
    require(again.parse(bytes) && again.kits().size() == file.kits().size());
    return 0;
}
