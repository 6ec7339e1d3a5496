#include "theme/ThemeResourceValidator.h"

#include "utilities/Zip/Unzipper.h"

#include <QCoreApplication>
#include <QDir>

namespace Corvane::Gadgets {

bool ThemeResourceValidator::containsAllResources(const QString& referenceFolder, const QString& zipPath,
                                                  QString* error)
{
    const QStringList required = QDir(referenceFolder).entryList(QDir::Files, QDir::Name);
    Corvane::Utilities::Zip::Unzipper zip(zipPath);
    for (const QString& name : required) {
        if (!zip.gotoFile(name)) {
            if (error)
                error->append(QCoreApplication::translate("Corvane::Gadgets::ThemeResourceValidator",
                                                          "Required file %1 missing in %2")
                                  .arg(name, zipPath));
            return false;
        }
    }
    return true;
}

} // namespace Corvane::Gadgets
