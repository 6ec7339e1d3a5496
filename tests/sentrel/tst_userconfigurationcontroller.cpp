#include "Controllers/navigation/NavigationController.h"
#include "Controllers/navigation/NavigationMenus.h"
#include "Controllers/navigation/UserConfigurationController.h"

#include "NavigationWindow.h"
#include "SentrelFixture.h"

#include "carousel/CarouselView.h"
#include "devices/GuiProperties.h"
#include "dialogs/UserConfigurationAreaDialog.h"
#include "utilities/Globals.h"
#include "utilities/Localization/LanguageSettings.h"
#include "widgets/ComboBox.h"
#include "widgets/PushButton.h"

#include <QApplication>
#include <QMenu>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>
#include <QTranslator>

using namespace Corvane::Sentrel;
using Controllers::UserConfigurationController;
using Corvane::Devices::GuiProperties;
using Corvane::Utilities::PathProvider;
using Corvane::Utilities::Localization::LanguageSettings;

class tst_UserConfigurationController : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void opensOnceAndPreviews();
    void cancelKeepsEverythingButTheDialogSize();
    void unchangedAcceptSendsNothing();
    void acceptKeepsWhatTheDialogDoesNotShow();
    void chosenProject_data();
    void chosenProject();
    void demoModeNeverChangesTheProject();
    void chosenLanguageIsShownAtOnce();

private:
    void close(bool accepted);
    void chooseLanguage(const QString& locale);

    std::unique_ptr<SentrelFixture> m_fixture;
    std::unique_ptr<NavigationWindow> m_window;
    UserConfigurationController* m_controller = nullptr;
    QString m_chosenFile;
};

void tst_UserConfigurationController::initTestCase()
{
    SentrelFixture::useProgramTheme();
}

void tst_UserConfigurationController::init()
{
    m_fixture = std::make_unique<SentrelFixture>();
    Settings::s_instance->setSupportTransparency(true);
    Settings::setNoConfigurationModeOn();
    m_window = std::make_unique<NavigationWindow>();
    m_controller = m_window->userConfigurationController();
    m_chosenFile.clear();
    m_controller->setFileChooser([this](QWidget*, const QString&, const QString&, const QString& filter) {
        return filter == QStringLiteral("VT Project (*.vtprj)") ? m_chosenFile : QString();
    });
}

void tst_UserConfigurationController::cleanup()
{
    m_window.reset();
    m_fixture.reset();
}

void tst_UserConfigurationController::close(bool accepted)
{
    QPointer<Corvane::Gadgets::UserConfigurationAreaDialog> dialog = m_controller->dialog();
    QVERIFY(dialog);
    dialog->cancelled = !accepted;
    dialog->close();
    QVERIFY(!m_controller->dialog());
    QVERIFY(!m_window->isInResizeMode());
    QTRY_VERIFY(dialog.isNull());
}

void tst_UserConfigurationController::opensOnceAndPreviews()
{
    m_controller->showUserConfiguration();
    QPointer<Corvane::Gadgets::UserConfigurationAreaDialog> dialog = m_controller->dialog();
    QVERIFY(dialog && dialog->isVisible());
    QVERIFY(m_window->isInResizeMode());
    m_controller->showUserConfiguration();
    QCOMPARE(m_controller->dialog(), dialog.data());

    dialog->setDimension(80);
    m_controller->dimensionChanged(80);
    QCOMPARE(m_window->scalePercent(), 80);
    m_controller->transparencyChanged(100);
    QVERIFY(m_window->windowOpacity() < 1.0);
    close(false);
}

void tst_UserConfigurationController::cancelKeepsEverythingButTheDialogSize()
{
    GuiProperties& gui = Settings::guiProperties();
    gui.setDimension(40);
    const GuiProperties before = gui;
    QSignalSpy changed(m_controller, &UserConfigurationController::settingsChanged);

    m_controller->showUserConfiguration();
    m_controller->dialog()->setDimension(90);
    m_controller->dialog()->resize(800, 600);
    close(false);

    QCOMPARE(changed.size(), 0);
    QCOMPARE(gui.dimension(), 40);
    QCOMPARE(gui.userConfDialogSize(), QSize(800, 600));
    GuiProperties expected = before;
    expected.setUserConfDialogSize(QSize(800, 600));
    expected.setIsUserConfDialogMaximized(false);
    QVERIFY(gui == expected);
}

void tst_UserConfigurationController::unchangedAcceptSendsNothing()
{
    QSignalSpy changed(m_controller, &UserConfigurationController::settingsChanged);
    m_controller->showUserConfiguration();
    close(true);
    QCOMPARE(changed.size(), 0);
}

void tst_UserConfigurationController::acceptKeepsWhatTheDialogDoesNotShow()
{
    GuiProperties& gui = Settings::guiProperties();
    const auto energy = Corvane::Devices::ConfigPage::PageType(7000);
    gui.setCarouselScale(energy, 0.8);
    gui.setPosition(QPoint(120, 90));
    gui.setLastConfigFolderPath(QStringLiteral("/projects"));
    QSignalSpy changed(m_controller, &UserConfigurationController::settingsChanged);

    m_controller->showUserConfiguration();
    m_controller->dialog()->setDimension(64);
    close(true);

    QCOMPARE(changed.size(), 1);
    QCOMPARE(changed.at(0).at(0).value<GuiProperties>().dimension(), 50);
    QCOMPARE(gui.dimension(), 64);
    QCOMPARE(gui.carouselScale(energy), 0.8);
    // Saving stores where the window is.
    QCOMPARE(gui.position(), m_window->userPosition());
    QCOMPARE(gui.lastConfigFolderPath(), QStringLiteral("/projects"));
    // Applied by the window: saved and scaled.
    QCOMPARE(m_window->scalePercent(), 64);
    QVERIFY(QFileInfo::exists(PathProvider::currentUserConfigFileName()));
}

void tst_UserConfigurationController::chosenProject_data()
{
    QTest::addColumn<bool>("valid");
    QTest::newRow("valid project") << true;
    QTest::newRow("invalid project") << false;
}

void tst_UserConfigurationController::chosenProject()
{
    QFETCH(bool, valid);
    m_chosenFile = m_fixture->configPath() + "/chosen/house.vtprj";
    if (valid)
        SentrelFixture::writeProject(m_chosenFile);
    else
        SentrelFixture::writeFile(m_chosenFile, "<not a project");
    GuiProperties& gui = Settings::guiProperties();
    gui.setTempConfigFileName(m_fixture->configPath() + "/temporary.vtprj");
    QSignalSpy changed(m_controller, &UserConfigurationController::settingsChanged);

    m_controller->showUserConfiguration();
    m_controller->chooseInstallationConfigurationFile();
    QCOMPARE(m_controller->projectChosen(), valid);
    QCOMPARE(m_fixture->boxes.shown.size(), valid ? 0 : 1);
    // The dialog started in the current project's folder; a valid choice
    // moves the last folder to its own.
    QCOMPARE(gui.lastConfigFolderPath(), valid ? m_fixture->configPath() + "/chosen" : m_fixture->configPath());
    close(true);

    QCOMPARE(gui.installConfigFileName(), valid ? m_chosenFile : QString());
    QCOMPARE(gui.tempConfigFileName().isEmpty(), valid);
    QCOMPARE(changed.size(), valid ? 1 : 0);
}

void tst_UserConfigurationController::demoModeNeverChangesTheProject()
{
    Settings::s_instance->setNoServer(true);
    GuiProperties& gui = Settings::guiProperties();
    gui.setTempConfigFileName(PathProvider::demoProjectFullName());
    QVERIFY(Settings::s_instance->isRunningDemoMode());
    m_chosenFile = SentrelFixture::writeProject(m_fixture->configPath() + "/other.vtprj");

    m_controller->showUserConfiguration();
    m_controller->chooseInstallationConfigurationFile();
    close(true);
    QCOMPARE(gui.tempConfigFileName(), PathProvider::demoProjectFullName());
    QVERIFY(gui.installConfigFileName().isEmpty());
}

void tst_UserConfigurationController::chooseLanguage(const QString& locale)
{
    m_controller->showUserConfiguration();
    Corvane::Gadgets::UserConfigurationAreaDialog* dialog = m_controller->dialog();
    QVERIFY(dialog);
    auto* choice = dialog->findChild<Corvane::Gadgets::ComboBox*>(QStringLiteral("changeLanguageChoice"));
    QVERIFY(choice);
    const int index = choice->findData(locale);
    QVERIFY2(index >= 0, qPrintable(locale));
    choice->setCurrentIndex(index);
    QTest::mouseClick(dialog->findChild<Corvane::Gadgets::PushButton*>(QStringLiteral("ok")), Qt::LeftButton);
    QTRY_VERIFY(!m_controller->dialog());
    QCOMPARE(Settings::guiProperties().language(), locale);
}

// The languages of the build's catalogues are offered; the one chosen in the
// dialog and accepted with OK is shown at once, Arabic right to left.
void tst_UserConfigurationController::chosenLanguageIsShownAtOnce()
{
    // The program's catalogue is found by the program's name.
    const QString testName = QCoreApplication::applicationName();
    const auto restoreName = qScopeGuard([&testName] { QCoreApplication::setApplicationName(testName); });
    QCoreApplication::setApplicationName(Corvane::Utilities::Globals::sentrelAppName());
    const QDir built(QStringLiteral(CORVANE_QM_DIR));
    const QDir translations(PathProvider::translationsPath());
    QVERIFY(translations.mkpath(QStringLiteral(".")));
    for (const QString& file : built.entryList({QStringLiteral("*.qm")}, QDir::Files))
        QVERIFY(QFile::copy(built.filePath(file), translations.filePath(file)));
    m_window.reset();
    m_window = std::make_unique<NavigationWindow>();
    m_controller = m_window->userConfigurationController();

    QStringList offered;
    for (const auto& locale : std::as_const(NavigationWindow::s_locales))
        offered.append(locale.locale());
    offered.removeDuplicates();
    QCOMPARE(offered, QStringLiteral(CORVANE_OFFERED_LOCALES).split(u' '));

    const auto menuTexts = [this] {
        QStringList texts;
        for (const QAction* action : m_window->navigationController()->menus()->contextMenu()->actions())
            texts.append(action->text());
        return texts;
    };
    const char* const context = "Corvane::Sentrel::Controllers::NavigationController";
    const QString english = QStringLiteral("Always on top");
    QVERIFY(menuTexts().contains(english));
    for (const QString& locale : {QStringLiteral("de_DE"), LanguageSettings::ARABIC_LOCALE}) {
        QTranslator catalogue;
        QVERIFY(catalogue.load(QStringLiteral("TalveraVantrel_") + locale, translations.path()));
        const QString translated = catalogue.translate(context, "Always on top");
        QVERIFY2(!translated.isEmpty() && translated != english, qPrintable(locale));
        chooseLanguage(locale);
        QVERIFY2(menuTexts().contains(translated), qPrintable(menuTexts().join(u'|')));
        QCOMPARE(QApplication::layoutDirection(),
                 locale == LanguageSettings::ARABIC_LOCALE ? Qt::RightToLeft : Qt::LeftToRight);
    }
    chooseLanguage(LanguageSettings::DEFAULT_LOCALE);
    QVERIFY(menuTexts().contains(english));
    QCOMPARE(QApplication::layoutDirection(), Qt::LeftToRight);
}

QTEST_MAIN(tst_UserConfigurationController)
#include "tst_userconfigurationcontroller.moc"
