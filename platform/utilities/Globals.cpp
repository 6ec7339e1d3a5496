#include "utilities/Globals.h"

#include <QCoreApplication>

namespace Corvane::Utilities {

QString Globals::defaultSkinName()
{
    return QCoreApplication::translate("Corvane::Utilities::Globals", "Default");
}

} // namespace Corvane::Utilities
