#include "theme/ThemeResourceValidator.h"

#include "theme/SkinFileCheck.h"

#include "utilities/Zip/Unzipper.h"

#include <QCoreApplication>
#include <QDir>

namespace Corvane::Gadgets {

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("Corvane::Gadgets::ThemeResourceValidator", text);
}

// Presence of every file first, so that an incomplete skin is told apart
// quickly; then each file is read within the archive reader's limits and
// checked for what it holds.
QString firstProblem(const QStringList& required, const QString& zipPath)
{
    Corvane::Utilities::Zip::Unzipper zip(zipPath);
    if (!zip.isOpen())
        return tr("Cannot open the skin %1: %2").arg(zipPath, zip.errorString());
    for (const QString& name : required) {
        if (!zip.gotoFile(name))
            return tr("Required file %1 missing in %2").arg(name, zipPath);
    }
    for (const QString& name : required) {
        QByteArray bytes;
        if (!zip.readFile(name, bytes))
            return tr("Required file %1 in %2 cannot be read: %3").arg(name, zipPath, zip.errorString());
        const QString problem = SkinFileCheck::problemOf(name, bytes, required);
        if (!problem.isEmpty())
            return tr("Required file %1 in %2 %3").arg(name, zipPath, problem);
    }
    return QString();
}

} // namespace

bool ThemeResourceValidator::containsAllResources(const QString& referenceFolder, const QString& zipPath,
                                                  QString* error)
{
    const QString problem = firstProblem(QDir(referenceFolder).entryList(QDir::Files, QDir::Name), zipPath);
    if (problem.isEmpty())
        return true;
    if (error)
        error->append(problem);
    return false;
}

} // namespace Corvane::Gadgets
