#pragma once

#include <QString>

namespace Corvane::Gadgets {

// Decides whether a skin zip is complete: it must hold, at its root, every
// file of the built-in theme folder.
class ThemeResourceValidator
{
public:
    ThemeResourceValidator() = delete;

    // On the first missing file, appends "Required file <name> missing in
    // <zipPath>" to error (when given) and returns false.
    static bool containsAllResources(const QString& referenceFolder, const QString& zipPath, QString* error);
};

} // namespace Corvane::Gadgets
