#include "utilities/Localization/TranslatorsManager.h"

#include "utilities/PathProvider.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace Corvane::Utilities::Localization {

TranslatorsManager* TranslatorsManager::instance()
{
    static TranslatorsManager manager;
    return &manager;
}

TranslatorsManager::~TranslatorsManager()
{
    qDeleteAll(m_translators);
}

void TranslatorsManager::updateTranslators(const QString& locale)
{
    removeTranslators();
    m_currentLocale = locale;
    const QString folder = PathProvider::translationsPath();
    installTranslator(QCoreApplication::applicationName() + u'_' + locale, folder);
    for (const QString& target : std::as_const(m_additionalTargets))
        installTranslator(target + u'_' + locale, folder);
    installTranslator(QStringLiteral("qtbase_") + locale, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

QString TranslatorsManager::currentLocale() const
{
    return m_currentLocale;
}

void TranslatorsManager::setAdditionalTranslatableTargets(const QStringList& targets)
{
    m_additionalTargets = targets;
}

QStringList TranslatorsManager::additionalTranslatableTargets() const
{
    return m_additionalTargets;
}

void TranslatorsManager::removeTranslators()
{
    for (QTranslator* translator : std::as_const(m_translators)) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    m_translators.clear();
}

void TranslatorsManager::installTranslator(const QString& fileName, const QString& folder)
{
    auto* translator = new QTranslator;
    if (translator->load(fileName, folder) && QCoreApplication::installTranslator(translator))
        m_translators.append(translator);
    else
        delete translator;
}

} // namespace Corvane::Utilities::Localization
