#include "theme/ThemeResourceValidator.h"

#include "theme/SkinFileCheck.h"

#include "utilities/Zip/Unzipper.h"

#include <QCoreApplication>
#include <QDir>
#include <QSvgRenderer>

namespace Corvane::Gadgets {

namespace {

// Qt's SVG renderer refuses some documents that pass the checks of their
// contents, one nested deeper than it follows for instance; a skin holding
// one would be taken and draw nothing. SkinFileCheck bounds the size of the
// documents that get this far.
QString rendererProblem(const QString& name, const QByteArray& bytes)
{
    if (!name.endsWith(u".svg", Qt::CaseInsensitive) || QSvgRenderer().load(bytes))
        return QString();
    return ThemeResourceValidator::tr("is a document the SVG renderer refuses");
}

// Presence of every file first, so that an incomplete skin is told apart
// quickly; then each file is read within the archive reader's limits,
// checked for what it holds and, for a document, loaded by the renderer.
QString firstProblem(const QStringList& required, const QString& zipPath)
{
    Corvane::Utilities::Zip::Unzipper zip(zipPath);
    if (!zip.isOpen())
        return ThemeResourceValidator::tr("Cannot open the skin %1: %2").arg(zipPath, zip.errorString());
    for (const QString& name : required) {
        if (!zip.gotoFile(name))
            return ThemeResourceValidator::tr("Required file %1 missing in %2").arg(name, zipPath);
    }
    for (const QString& name : required) {
        QByteArray bytes;
        if (!zip.readFile(name, bytes))
            return ThemeResourceValidator::tr("Required file %1 in %2 cannot be read: %3")
                .arg(name, zipPath, zip.errorString());
        QString problem = SkinFileCheck::problemOf(name, bytes, required);
        if (problem.isEmpty())
            problem = rendererProblem(name, bytes);
        if (!problem.isEmpty())
            return ThemeResourceValidator::tr("Required file %1 in %2 %3").arg(name, zipPath, problem);
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
