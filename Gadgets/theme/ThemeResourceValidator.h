#pragma once

#include <QCoreApplication>
#include <QString>

namespace Corvane::Gadgets {

// Decides whether a skin zip can be used: it must open, hold at its root
// every file of the built-in theme folder, and each of those files must be
// readable within the archive reader's limits and pass SkinFileCheck; each
// SVG document among them must load in Qt's SVG renderer.
class ThemeResourceValidator
{
    Q_DECLARE_TR_FUNCTIONS(Corvane::Gadgets::ThemeResourceValidator)

public:
    ThemeResourceValidator() = delete;

    // On the first problem, appends its description, naming the file and
    // the zip ("Required file <name> missing in <zipPath>", "Cannot open the
    // skin <zipPath>: <reason>", ...), to error (when given) and returns
    // false.
    static bool containsAllResources(const QString& referenceFolder, const QString& zipPath, QString* error);
};

} // namespace Corvane::Gadgets
