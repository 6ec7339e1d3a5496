#pragma once

#include <QList>
#include <QString>

class QTranslator;

namespace Corvane::Utilities::Localization {

// Loads the translations of the running program for one locale: the
// program's own file "<application name>_<locale>.qm" from
// PathProvider::translationsPath() and Qt's "qtbase_<locale>.qm".
class TranslatorsManager
{
public:
    static TranslatorsManager* instance();

    TranslatorsManager(const TranslatorsManager&) = delete;
    TranslatorsManager& operator=(const TranslatorsManager&) = delete;

    // Replaces the installed translations by those of locale; files that do
    // not exist are skipped.
    void updateTranslators(const QString& locale);

private:
    TranslatorsManager() = default;
    ~TranslatorsManager();

    void removeTranslators();
    void installTranslator(const QString& fileName, const QString& folder);

    QList<QTranslator*> m_translators;
};

} // namespace Corvane::Utilities::Localization
