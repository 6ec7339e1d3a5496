#include "utilities/Localization/TranslatorsManager.h"

#include <QCoreApplication>
#include <QTest>

using Corvane::Utilities::Localization::TranslatorsManager;

// The fixture folder holds Italian files of the program "Probe" and of the
// two libraries, and a French file of the program alone.
class tst_TranslatorsManager : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void additionalTargetsAreLoaded_data();
    void additionalTargetsAreLoaded();
    void missingTargetFilesAreSkipped();
};

void tst_TranslatorsManager::initTestCase()
{
    qputenv("CORVANE_DATA_DIR", TEST_TRANSLATIONS_PARENT);
    QCoreApplication::setApplicationName(QStringLiteral("Probe"));
}

void tst_TranslatorsManager::cleanup()
{
    TranslatorsManager::instance()->setAdditionalTranslatableTargets({});
    TranslatorsManager::instance()->updateTranslators(QStringLiteral("en_US"));
}

void tst_TranslatorsManager::additionalTargetsAreLoaded_data()
{
    QTest::addColumn<QStringList>("targets");
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("gadgets");
    QTest::addColumn<QString>("devices");

    QTest::newRow("program only") << QStringList() << "Ciao" << "Skin" << "Light";
    QTest::newRow("both libraries") << QStringList{"Gadgets", "Devices"} << "Ciao" << "Tema" << "Luce";
    QTest::newRow("one library") << QStringList{"Devices"} << "Ciao" << "Skin" << "Luce";
}

void tst_TranslatorsManager::additionalTargetsAreLoaded()
{
    QFETCH(QStringList, targets);
    QFETCH(QString, program);
    QFETCH(QString, gadgets);
    QFETCH(QString, devices);
    TranslatorsManager* manager = TranslatorsManager::instance();
    manager->setAdditionalTranslatableTargets(targets);
    QCOMPARE(manager->additionalTranslatableTargets(), targets);

    manager->updateTranslators(QStringLiteral("it_IT"));
    QCOMPARE(QCoreApplication::translate("ProbeWindow", "Hello"), program);
    QCOMPARE(QCoreApplication::translate("Gadgets", "Skin"), gadgets);
    QCOMPARE(QCoreApplication::translate("Devices", "Light"), devices);

    // A language switch drops every file of the previous language.
    manager->updateTranslators(QStringLiteral("fr_FR"));
    QCOMPARE(QCoreApplication::translate("ProbeWindow", "Hello"), QStringLiteral("Bonjour"));
    QCOMPARE(QCoreApplication::translate("Gadgets", "Skin"), QStringLiteral("Skin"));
}

void tst_TranslatorsManager::missingTargetFilesAreSkipped()
{
    TranslatorsManager* manager = TranslatorsManager::instance();
    manager->setAdditionalTranslatableTargets({QStringLiteral("Nowhere"), QStringLiteral("Gadgets")});
    manager->updateTranslators(QStringLiteral("it_IT"));
    QCOMPARE(QCoreApplication::translate("Gadgets", "Skin"), QStringLiteral("Tema"));
}

QTEST_GUILESS_MAIN(tst_TranslatorsManager)
#include "tst_translatorsmanager.moc"
