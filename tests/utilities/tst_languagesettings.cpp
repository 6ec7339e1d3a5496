#include "utilities/Localization/LanguageSettings.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTest>

using Corvane::Utilities::Localization::LanguageSettings;
using Corvane::Utilities::Localization::LocaleData;

class tst_LanguageSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void offersDefaultThenEveryProgramFile();
    void emptyFolderArgumentMeansInstalledTranslations();
    void noTranslationsOffersTheDefaultAlone();
};

void tst_LanguageSettings::initTestCase()
{
    QCoreApplication::setApplicationName(QStringLiteral("Probe"));
}

void tst_LanguageSettings::offersDefaultThenEveryProgramFile()
{
    // Italian names itself in the context asked for; French has no such
    // text and falls back to its native name; another program's German
    // file is not offered.
    const QList<LocaleData> locales = LanguageSettings::locales("ProbeWindow", nullptr, TEST_TRANSLATIONS_DIR);
    const QList<LocaleData> expected{
        LocaleData(LanguageSettings::DEFAULT_LOCALE, QStringLiteral("American English")),
        LocaleData(QStringLiteral("fr_FR"), QString::fromUtf8("Français")),
        LocaleData(QStringLiteral("it_IT"), QStringLiteral("Italiano")),
    };
    QCOMPARE(locales, expected);

    // In a context the file does not translate, the native name is shown.
    QCOMPARE(LanguageSettings::locales("Elsewhere", nullptr, TEST_TRANSLATIONS_DIR).at(2).displayName(),
             QStringLiteral("Italiano"));
}

void tst_LanguageSettings::emptyFolderArgumentMeansInstalledTranslations()
{
    qputenv("CORVANE_DATA_DIR", TEST_TRANSLATIONS_PARENT);
    QCOMPARE(LanguageSettings::locales("ProbeWindow").size(), 3);
    QCOMPARE(LanguageSettings::locales("ProbeWindow", nullptr, QString()).size(), 3);
    qunsetenv("CORVANE_DATA_DIR");
}

void tst_LanguageSettings::noTranslationsOffersTheDefaultAlone()
{
    QTemporaryDir empty;
    const QList<LocaleData> locales = LanguageSettings::locales("ProbeWindow", nullptr, empty.path());
    QCOMPARE(locales.size(), 1);
    QCOMPARE(locales.at(0).locale(), LanguageSettings::DEFAULT_LOCALE);
}

QTEST_GUILESS_MAIN(tst_LanguageSettings)
#include "tst_languagesettings.moc"
