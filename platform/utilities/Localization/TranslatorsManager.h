#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QTranslator;

namespace Corvane::Utilities::Localization {

// Loads the translations of the running program for one locale: the
// program's own file "<application name>_<locale>.qm" and those of the
// additional targets (the shared libraries it uses), "<target>_<locale>.qm",
// from PathProvider::translationsPath(), and Qt's "qtbase_<locale>.qm".
class TranslatorsManager
{
public:
    static TranslatorsManager* instance();

    TranslatorsManager(const TranslatorsManager&) = delete;
    TranslatorsManager& operator=(const TranslatorsManager&) = delete;

    // Replaces the installed translations by those of locale; files that do
    // not exist are skipped.
    void updateTranslators(const QString& locale);
    // The locale of the last updateTranslators(); empty before.
    QString currentLocale() const;

    // Names whose translation files are loaded after the program's own, in
    // this order; the next updateTranslators() applies them.
    void setAdditionalTranslatableTargets(const QStringList& targets);
    QStringList additionalTranslatableTargets() const;

private:
    TranslatorsManager() = default;
    ~TranslatorsManager();

    void removeTranslators();
    void installTranslator(const QString& fileName, const QString& folder);

    QList<QTranslator*> m_translators;
    QString m_currentLocale;
    QStringList m_additionalTargets;
};

} // namespace Corvane::Utilities::Localization
