#include "updatechecker/KitInfo.h"

namespace Corvane::UpdateChecker {

bool KitInfo::suits(OSType osType, ArchitectureType architectureType, PackageType packageType,
                    ProductStage installedStage) const
{
    return os == osType && architecture == architectureType && package == packageType && stage >= installedStage;
}

bool KitInfo::isSafeFileName(const QString& name)
{
    if (name.isEmpty() || name == u"." || name == u"..")
        return false;
    for (const QChar c : name) {
        if (c == u'/' || c == u'\\' || c.category() == QChar::Other_Control)
            return false;
    }
    return true;
}

} // namespace Corvane::UpdateChecker
