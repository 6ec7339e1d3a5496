#include "MainWindow.h"

#include "ActionManager.h"
#include "AdminConfigurator.h"
#include "DialogService.h"
#include "HandOverQueue.h"
#include "ProjectActivator.h"
#include "devices/Configuration.h"
#include "devices/serialization/XmlSerializer.h"
#include "devices/validation/ConfigurationValidator.h"
#include "log/Logger.h"
#include "utilities/GeneralUtilities.h"
#include "utilities/HandOverChoice.h"
#include "utilities/InitSettings.h"
#include "utilities/Localization/LanguageSettings.h"
#include "utilities/Localization/TranslatorsManager.h"
#include "utilities/PathProvider.h"
#include "windows/SplashScreen.h"
#include "windows/ToolBar.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolButton>

#include <memory>
#include <optional>

namespace Corvane::Configurator {

using Devices::Configuration;
using Devices::Serialization::XmlSerializer;
using Log::Logger;
using Utilities::InitSettings;
using Utilities::PathProvider;
using Utilities::Localization::LanguageSettings;
using Utilities::Localization::LocaleData;

const QString MainWindow::STATUS_LABEL_INDENT = QStringLiteral("   ");
const QString MainWindow::STATUS_NEW_PROJECT = QStringLiteral("NEW_PROJECT");
const QString MainWindow::STATUS_DEFAULT_PROJECT = QStringLiteral("DEFAULT_PROJECT");

namespace {

void trace(const QString& text)
{
    Logger(Logger::Trace) << text;
}

QMessageBox::StandardButton showBox(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text)
{
    return DialogService::instance()->message(parent, icon, title, text, QMessageBox::Ok, QMessageBox::Ok);
}

} // namespace

const QList<LocaleData>& MainWindow::locales()
{
    static const QList<LocaleData> offered = LanguageSettings::locales(staticMetaObject.className());
    return offered;
}

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent)
    , m_activator(new ProjectActivator)
    , m_urlOpener([](const QUrl& url) { return QDesktopServices::openUrl(url); })
    , m_handOvers(new HandOverQueue([this] { return isCommandRunning(); }, this))
{
    m_activator->setRunner([this](const QString& program, const QStringList& arguments) {
        return ProjectActivator::runWaiting(program, arguments, this);
    });
    m_aboutBox = new Gadgets::SplashScreen(this);
    tr("LanguageName");
    locales();
    m_aboutBox->setWindowModality(Qt::ApplicationModal);
    m_aboutBox->installEventFilter(this);
    createActions();
    createToolBars();
    createMenus();
    setContextMenuPolicy(Qt::NoContextMenu);

    m_configurator = new AdminConfigurator(this);
    m_configurator->setObjectName(QStringLiteral("configurator"));
    m_currentFilePath.clear();
    setCentralWidget(m_configurator);
    connect(m_configurator, &AdminConfigurator::contextChanged, this, &MainWindow::contextChanged);
    createDevicesMenu();

    setStyleSheet(styleSheetText());
    m_statusLabel = new QLabel(this);
    statusBar()->addPermanentWidget(m_statusLabel, 1);
    updateTranslators(InitSettings::locale());
    updateActionStates();
    trace(QStringLiteral("Main Window was initialized"));
}

MainWindow::~MainWindow()
{
    delete m_activator;
}

bool MainWindow::hasOpenedConfig() const
{
    return m_configurator->configuration();
}

Configuration* MainWindow::config() const
{
    return m_configurator->configuration();
}

QString MainWindow::statusText() const
{
    return m_statusLabel->text();
}

void MainWindow::createActions()
{
    struct Entry
    {
        const QString& key;
        const char* icon;
        QKeySequence::StandardKey shortcut;
        std::function<void()> slot;
    };
    const Entry entries[] = {
        {ActionManager::CONFIG_NEW_ACTION, ":/Images/new_document.png", QKeySequence::New, [this] { newFile(); }},
        {ActionManager::CONFIG_OPEN_ACTION, ":/Images/file_open.png", QKeySequence::Open, [this] { openAction(); }},
        {ActionManager::CONFIG_SAVE_ACTION, ":/Images/save.png", QKeySequence::Save, [this] { saveAction(); }},
        {ActionManager::CONFIG_SAVE_AS_ACTION, ":/Images/saveAs.png", QKeySequence::SaveAs, [this] { saveAs(); }},
        {ActionManager::IMPORT_DATA_ACTION, ":/Images/import.png", QKeySequence::UnknownKey, [this] { import(); }},
        {ActionManager::EXIT_ACTION, ":/Images/exit.png", QKeySequence::Quit, [this] { close(); }},
        {ActionManager::CONFIG_LOAD_ACTION, ":/Images/load.png", QKeySequence::UnknownKey, [this] { loadConfiguration(); }},
        {ActionManager::CONFIG_ACTIVATE_ACTION, ":/Images/activate.png", QKeySequence::UnknownKey,
         [this] { activateConfiguration(); }},
        {ActionManager::ABOUT_ACTION, ":/Images/information.png", QKeySequence::UnknownKey, [this] { about(); }},
        {ActionManager::CHECK_FOR_UPDATE_ACTION, ":/Images/checkForUpdate.png", QKeySequence::UnknownKey,
         [this] { checkForUpdate(); }},
    };
    for (const Entry& entry : entries) {
        QAction* action = ActionManager::createAction(entry.key, QIcon(QString::fromLatin1(entry.icon)), this);
        if (!action)
            continue;
        if (entry.shortcut != QKeySequence::UnknownKey)
            action->setShortcut(entry.shortcut);
        connect(action, &QAction::triggered, this, entry.slot);
    }
    // A plain window manager's platform theme binds no key to Save As.
    if (QAction* saveAs = ActionManager::getActionByKey(ActionManager::CONFIG_SAVE_AS_ACTION)) {
        QList<QKeySequence> keys = saveAs->shortcuts();
        const QKeySequence usual(Qt::CTRL | Qt::SHIFT | Qt::Key_S);
        if (!keys.contains(usual))
            saveAs->setShortcuts(keys << usual);
    }
    if (QAction* brand = ActionManager::createAction(ActionManager::BRAND_SITE_ACTION,
                                                     QIcon(InitSettings::brandImageFileName()), this))
        connect(brand, &QAction::triggered, this, &MainWindow::openBrandSite);
}

void MainWindow::createToolBars()
{
    m_toolBar = new Gadgets::ToolBar(QImage(InitSettings::logoFileName()), layout()->contentsMargins().right() + 8, this);
    m_toolBar->setObjectName(QStringLiteral("mainToolbar"));
    m_toolBar->setMovable(false);
    m_toolBar->setIconSize(QSize(32, 32));
    addToolBar(m_toolBar);
    auto add = [this](const QString& key) {
        if (QAction* action = ActionManager::getActionByKey(key))
            m_toolBar->addAction(action);
    };
    add(ActionManager::CONFIG_NEW_ACTION);
    add(ActionManager::CONFIG_OPEN_ACTION);
    add(ActionManager::CONFIG_SAVE_ACTION);
    m_toolBar->addSeparator();
    add(ActionManager::CONFIG_LOAD_ACTION);
    add(ActionManager::CONFIG_ACTIVATE_ACTION);
    m_toolBar->addSeparator();
    createLanguageMenu();
    if (m_languageMenu) {
        auto* button = new QToolButton(m_toolBar);
        button->setPopupMode(QToolButton::InstantPopup);
        button->setMenu(m_languageMenu);
        button->setIcon(QIcon(QStringLiteral(":/Images/flags.png")));
        button->setAutoFillBackground(true);
        button->setObjectName(QStringLiteral("languageButton"));
        m_toolBar->addWidget(button);
        m_toolBar->addSeparator();
    }
    add(ActionManager::BRAND_SITE_ACTION);
}

void MainWindow::createLanguageMenu()
{
    if (locales().isEmpty())
        return;
    m_languageMenu = new QMenu(this);
    m_languageMenu->setIcon(QIcon(QStringLiteral(":/Images/flags.png")));
    m_languageGroup = new QActionGroup(this);
    m_languageGroup->setExclusive(true);
    connect(m_languageGroup, &QActionGroup::triggered, this, &MainWindow::switchLanguage);
    for (const LocaleData& language : locales()) {
        auto* action = new QAction(QStringLiteral("%1").arg(language.displayName()), m_languageGroup);
        action->setCheckable(true);
        action->setData(language.locale());
        action->setChecked(language.locale() == InitSettings::locale());
        m_languageMenu->addAction(action);
    }
}

void MainWindow::createMenus()
{
    auto add = [](QMenu* menu, const QString& key) {
        if (QAction* action = ActionManager::getActionByKey(key))
            menu->addAction(action);
    };
    m_fileMenu = menuBar()->addMenu(QString());
    add(m_fileMenu, ActionManager::CONFIG_NEW_ACTION);
    add(m_fileMenu, ActionManager::CONFIG_OPEN_ACTION);
    m_fileMenu->addSeparator();
    add(m_fileMenu, ActionManager::CONFIG_SAVE_ACTION);
    add(m_fileMenu, ActionManager::CONFIG_SAVE_AS_ACTION);
    m_fileMenu->addSeparator();
    add(m_fileMenu, ActionManager::EXIT_ACTION);

    m_toolsMenu = menuBar()->addMenu(QString());
    m_toolsMenu->setObjectName(QStringLiteral("toolsMenu"));
    if (m_languageMenu)
        m_toolsMenu->addMenu(m_languageMenu);
    add(m_toolsMenu, ActionManager::CONFIG_LOAD_ACTION);
    add(m_toolsMenu, ActionManager::CONFIG_ACTIVATE_ACTION);

    m_infoMenu = menuBar()->addMenu(QString());
    add(m_infoMenu, ActionManager::ABOUT_ACTION);
    add(m_infoMenu, ActionManager::BRAND_SITE_ACTION);
    add(m_infoMenu, ActionManager::CHECK_FOR_UPDATE_ACTION);
}

void MainWindow::createDevicesMenu()
{
    m_devicesMenu = new QMenu(this);
    menuBar()->insertMenu(m_toolsMenu->menuAction(), m_devicesMenu);
    for (const QString& key : {ActionManager::DEVICES_ADD_ACTION, ActionManager::DEVICES_REMOVE_ACTION,
                               ActionManager::DEVICES_REMOVE_ALL_ACTION, QString(), ActionManager::DEVICES_MOVE_UP_ACTION,
                               ActionManager::DEVICES_MOVE_DOWN_ACTION}) {
        if (key.isEmpty())
            m_devicesMenu->addSeparator();
        else if (QAction* action = ActionManager::getActionByKey(key))
            m_devicesMenu->addAction(action);
    }
}

void MainWindow::retranslateUi()
{
    m_fileMenu->setTitle(tr("&File"));
    m_devicesMenu->setTitle(tr("&Devices"));
    m_toolsMenu->setTitle(tr("&Tools"));
    m_infoMenu->setTitle(tr("&Info"));
    if (m_languageMenu)
        m_languageMenu->setTitle(tr("Language"));
    m_configurator->retranslateUi();
    const QList<std::tuple<QString, QString, QString>> texts{
        {ActionManager::CONFIG_NEW_ACTION, tr("&New"), tr("Create a new file")},
        {ActionManager::CONFIG_OPEN_ACTION, tr("&Open..."), tr("Open an existing file")},
        {ActionManager::CONFIG_SAVE_ACTION, tr("&Save"), tr("Save the document to disk")},
        {ActionManager::CONFIG_SAVE_AS_ACTION, tr("Save &As..."), tr("Save the document with a new name")},
        {ActionManager::IMPORT_DATA_ACTION, tr("&Import data..."), tr("Import from .qrx file")},
        {ActionManager::EXIT_ACTION, tr("E&xit"), tr("Exit the application")},
        {ActionManager::CONFIG_LOAD_ACTION, tr("Load configuration"), tr("Load existing configuration")},
        {ActionManager::CONFIG_ACTIVATE_ACTION, tr("Activate"), tr("Activate current configuration")},
        {ActionManager::ABOUT_ACTION, tr("About"), tr("About")},
        {ActionManager::BRAND_SITE_ACTION, tr("Brand site"), tr("Open brand site")},
        {ActionManager::CHECK_FOR_UPDATE_ACTION, tr("Check for update..."), tr("Check for update")},
    };
    for (const auto& [key, text, tip] : texts) {
        if (QAction* action = ActionManager::getActionByKey(key)) {
            action->setText(text);
            action->setStatusTip(tip);
        }
    }
    updateStatusLabel(m_statusText);
}

void MainWindow::switchLanguage(QAction* action)
{
    trace(QStringLiteral("Language switch requested"));
    updateTranslators(action->data().toString());
    trace(QStringLiteral("Language switch successful"));
}

void MainWindow::updateTranslators(const QString& locale)
{
    Utilities::Localization::TranslatorsManager::instance()->updateTranslators(locale);
    trace(QStringLiteral("MainWindow: translations loaded"));
    retranslateUi();
    switchLayoutDirection(locale);
}

void MainWindow::switchLayoutDirection(const QString& locale)
{
    const Qt::LayoutDirection direction =
        locale == LanguageSettings::ARABIC_LOCALE ? Qt::RightToLeft : Qt::LeftToRight;
    // The program turns as a whole: the main window and every dialog and
    // message box it opens.
    if (QApplication::layoutDirection() != direction)
        QApplication::setLayoutDirection(direction);
}

void MainWindow::updateStatusLabel(const QString& status)
{
    m_statusText = status;
    setStatusLabelText();
}

void MainWindow::setStatusLabelText()
{
    QString shown;
    if (m_statusText == STATUS_NEW_PROJECT)
        shown = tr("New project");
    else if (m_statusText == STATUS_DEFAULT_PROJECT)
        shown = tr("Default project");
    // A path starts left to right in a right-to-left text too (its first
    // slash would otherwise show at its end): a left-to-right mark.
    else if (!m_statusText.isEmpty())
        shown = QChar(0x200E) + QDir::toNativeSeparators(m_statusText);
    m_statusLabel->setText(STATUS_LABEL_INDENT + tr("Project: %1").arg(shown));
}

QString MainWindow::styleSheetText() const
{
    return QStringLiteral(" QMainWindow, QSplitter::handle { background: rgba( ") + InitSettings::backgroundColor()
        + QStringLiteral(" ); } QToolBar { background:qlineargradient(x1: 0.5, y1: 0, x2: 0.5, y2: 1, stop: 0 rgba( ")
        + InitSettings::lightGradientColor() + QStringLiteral(" ), stop: 1 rgba( ") + InitSettings::darkGradientColor()
        + QStringLiteral(" )); border: 1px solid rgba( ") + InitSettings::borderColor()
        + QStringLiteral("); }  #languageButton { background: transparent; }  #languageButton:hover, "
                         "#languageButton:pressed { background: rgba( ")
        + InitSettings::menuItemSelectedColor() + QStringLiteral(" ); border: 1px solid rgba( ")
        + InitSettings::borderColor() + QStringLiteral(" ); border-radius: 3px; }  QMenuBar { background: rgba( ")
        + InitSettings::backgroundColor()
        + QStringLiteral(" ); color: black; }  QMenuBar::item { background: transparent;  }  QMenuBar::item:selected, "
                         "QMenuBar::item:pressed { background: rgba( ")
        + InitSettings::menuItemSelectedColor() + QStringLiteral(" ); border: 1px solid rgba( ")
        + InitSettings::borderColor() + QStringLiteral(" ); border-radius: 3px; } ");
}

void MainWindow::about()
{
    const QPoint centre = geometry().center();
    m_aboutBox->move(centre.x() - (m_aboutBox->width() - 1) / 2, centre.y() - (m_aboutBox->height() - 1) / 2);
    m_aboutBox->show();
    m_aboutBox->raise();
    m_aboutBox->activateWindow();
    m_aboutBox->setFocus();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_aboutBox && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter) {
            m_aboutBox->close();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::openBrandSite()
{
    m_urlOpener(QUrl(QStringLiteral("http://") + InitSettings::domainName()));
}

void MainWindow::checkForUpdate()
{
    Utilities::GeneralUtilities::startUpdater({});
}

void MainWindow::import()
{
}

void MainWindow::writeSettings()
{
    if (m_languageGroup && m_languageGroup->checkedAction())
        InitSettings::setLocale(m_languageGroup->checkedAction()->data().toString());
    InitSettings::writeSettings();
}

void MainWindow::contextChanged()
{
    updateActionStates();
}

void MainWindow::updateActionStates()
{
    ActionManager::updateActionStates(m_configurator);
}

void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    emit shown();
}

// ---- Project file life cycle ----

QScopedValueRollback<int> MainWindow::startCommand()
{
    m_configurator->commitOpenEditors();
    return QScopedValueRollback<int>(m_runningCommands, m_runningCommands + 1);
}

bool MainWindow::isCommandRunning() const
{
    // A cell's own dialog is modal as well; the project must not change
    // under it.
    return m_runningCommands > 0 || DialogService::isAsking() || QApplication::activeModalWidget();
}

bool MainWindow::askToSaveChanges()
{
    const Configuration* project = config();
    if (!project || !project->hasChanges())
        return true;
    const QMessageBox::StandardButton answer = DialogService::instance()->askToSave(
        this, QApplication::applicationName(), tr("Current configuration has been changed. Do you want to save it?"));
    if (answer == QMessageBox::Save)
        return saveAction();
    return answer == QMessageBox::Discard;
}

QString MainWindow::lastOpenedConfigFolderPath() const
{
    const QString& last = InitSettings::lastOpenedPath();
    QString folder = QFileInfo(last.isEmpty() ? PathProvider::userDocumentsPath() : last).absoluteFilePath();
    // A file dialog takes the last part of a missing folder for a file
    // name ("Documents" on an account without one): start in the nearest
    // folder that exists.
    while (!QFileInfo(folder).isDir() && folder != QDir::rootPath())
        folder = QFileInfo(folder).absolutePath();
    return folder;
}

void MainWindow::newFile()
{
    trace(QStringLiteral("MainWindow: new config requested"));
    const auto command = startCommand();
    if (!askToSaveChanges()) {
        trace(QStringLiteral("New config request cancelled"));
        return;
    }
    m_currentFilePath.clear();
    m_configurator->setConfiguration(new Configuration(true, {}));
    updateStatusLabel(STATUS_NEW_PROJECT);
    updateActionStates();
    trace(QStringLiteral("New config request successful"));
}

void MainWindow::openAction()
{
    trace(QStringLiteral("Open config requested"));
    const auto command = startCommand();
    if (!askToSaveChanges())
        return;
    const QString name = DialogService::instance()->getOpenFileName(
        this, tr("Open configuration"), lastOpenedConfigFolderPath(), QStringLiteral("*") + PathProvider::CONFIG_PROJECT_EXTENSION);
    if (name.isEmpty())
        return;
    openConfig(name);
    updateActionStates();
    trace(QStringLiteral("Open config request successful"));
}

bool MainWindow::openConfig(const QString& path)
{
    trace(QStringLiteral("Open config was requested"));
    QString error;
    Configuration* project = QFileInfo(path).isDir() ? nullptr : XmlSerializer::read(path, &error);
    if (!project) {
        reportOpenFailure(error);
        return false;
    }
    setOpenedProject(project, path);
    return true;
}

void MainWindow::reportOpenFailure(const QString& error)
{
    showBox(this, QMessageBox::Critical, tr("Error"), error.isEmpty() ? tr("Could not open the specified file!") : error);
}

void MainWindow::setOpenedProject(Configuration* project, const QString& path)
{
    m_configurator->setConfiguration(project);
    if (QFileInfo(path).absoluteFilePath() != QFileInfo(PathProvider::configTempFullName()).absoluteFilePath())
        InitSettings::lastOpenedPath() = QFileInfo(path).absolutePath();
    m_currentFilePath = path;
    trace(QStringLiteral("Open config successful"));
    updateStatusLabel(path);
    updateActionStates();
}

void MainWindow::openConfigAskSaveCurrentChanges(const QString& fileName)
{
    m_handOvers->post([this, fileName] {
        const auto command = startCommand();
        if (!askToSaveChanges()) {
            trace(QStringLiteral("Action canceled."));
            return;
        }
        openConfig(fileName);
    });
}

void MainWindow::onAppStartRequest(const QStringList& arguments)
{
    show();
    raise();
    activateWindow();
    m_handOvers->post([this, arguments] { openHandedOver(arguments); });
}

void MainWindow::openHandedOver(const QStringList& arguments)
{
    const auto command = startCommand();
    Utilities::HandOverChoice choice(arguments, {Logger::SILENT_ARG, Logger::ERRORS_ARG, Logger::ERRORS_WARNINGS_ARG,
                                                 Logger::VERBOSE_ARG});
    // The files are read after the question: a save may write one of them.
    if (choice.hasCandidates() && !askToSaveChanges())
        return;
    std::unique_ptr<Configuration> project;
    // Why the first file read, the last one named, did not read.
    std::optional<QString> failure;
    const QString path = choice.choose([&project, &failure](const QString& file, QString* error) {
        project.reset(XmlSerializer::read(file, error));
        if (!project && !failure)
            failure = *error;
        return project != nullptr;
    });
    if (!path.isEmpty())
        setOpenedProject(project.release(), path);
    else if (failure)
        reportOpenFailure(*failure);
}

bool MainWindow::saveAction()
{
    const auto command = startCommand();
    if (!config())
        return false;
    config()->incrementVersion();
    return saveConfig(m_currentFilePath);
}

bool MainWindow::saveConfig(const QString& path)
{
    trace(QStringLiteral("Save configuration was requested"));
    if (!config()) {
        Logger(Logger::Warning) << Q_FUNC_INFO << ": no configuration to save";
        return false;
    }
    if (m_currentFilePath.isEmpty())
        return saveAs();
    if (!writeConfig(path))
        return false;
    config()->clearChanges();
    updateActionStates();
    updateStatusLabel(path);
    trace(QStringLiteral("Save configuration successful"));
    return true;
}

bool MainWindow::saveAs()
{
    trace(QStringLiteral("Save as requested"));
    const auto command = startCommand();
    if (!config()) {
        Logger(Logger::Warning) << Q_FUNC_INFO << ": no current configuration!";
        return false;
    }
    const QString extension = PathProvider::CONFIG_PROJECT_EXTENSION;
    const QString name = DialogService::instance()->getSaveFileName(
        this, tr("Save Configuration"), lastOpenedConfigFolderPath(), QStringLiteral("*") + extension, extension.mid(1));
    if (name.isEmpty()) {
        trace(QStringLiteral("Save As was cancelled!"));
        return false;
    }
    config()->generateNewId();
    config()->resetVersion();
    if (!writeConfig(name))
        return false;
    InitSettings::lastOpenedPath() = QFileInfo(name).absolutePath();
    m_currentFilePath = name;
    config()->clearChanges();
    updateActionStates();
    updateStatusLabel(name);
    trace(QStringLiteral("Save As was successful"));
    return true;
}

bool MainWindow::writeConfig(const QString& path, mode_t newFileMode)
{
    config()->sanitize(InitSettings::maxDescriptionChars());
    QString error;
    if (XmlSerializer::write(*config(), path, &error, newFileMode))
        return true;
    Logger(Logger::Trace) << "Could not write in file " << path << ": " << error;
    showBox(this, QMessageBox::Critical, tr("Error"),
            tr("Could not write in the specified file! Running application with administrator privileges might solve "
               "the problem."));
    return false;
}

void MainWindow::loadConfiguration()
{
    trace(QStringLiteral("Load Configuration was requested"));
    const auto command = startCommand();
    if (!askToSaveChanges()) {
        trace(QStringLiteral("Load Configuration was cancelled from user"));
        return;
    }
    const QString active = PathProvider::configPrjFullName();
    if (!QFileInfo::exists(active)) {
        showBox(this, QMessageBox::Critical, QApplication::applicationName(), tr("Could not find active configuration!"));
        trace(QStringLiteral("Load Configuration - no active configuration"));
        return;
    }
    const QString working = PathProvider::configTempFullName();
    if (!ProjectActivator::copyDirectly(active, working)) {
        Logger(Logger::Warning) << Q_FUNC_INFO << ": could not copy from config to temp folder";
        showBox(this, QMessageBox::Critical, QApplication::applicationName(),
                tr("Could not replace current temporary configuration! Running application with administrator "
                   "privileges might solve the problem."));
        return;
    }
    if (!openConfig(working))
        return;
    m_currentFilePath.clear();
    updateStatusLabel(STATUS_DEFAULT_PROJECT);
    updateActionStates();
    trace(QStringLiteral("Load Configuration was successful from ") + active);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    trace(QStringLiteral("MainWindow: close was requested"));
    const auto command = startCommand();
    if (!askToSaveChanges()) {
        event->ignore();
        return;
    }
    writeSettings();
    event->accept();
}

// ---- Activation ----

void MainWindow::activateConfiguration()
{
    trace(QStringLiteral("Activate configuration requested"));
    const auto command = startCommand();
    Configuration* project = config();
    const QString title = QApplication::applicationName();
    if (!project) {
        Logger(Logger::Warning) << Q_FUNC_INFO << ": no current configuration";
        showBox(this, QMessageBox::Critical, title, tr("No configuration to activate!"));
        return;
    }
    QList<Devices::Validation::ValidationItem> items;
    Devices::Validation::ConfigurationValidator::validate(project, items, InitSettings::maxDevicesPerType());
    for (const auto& item : std::as_const(items)) {
        if (item.itemType() == Devices::Validation::ValidationItem::Error) {
            showBox(this, QMessageBox::Warning, title, tr("Activation operation is not allowed when there are errors"));
            trace(QStringLiteral("Activate was not possible due to errors in configuration"));
            return;
        }
    }
    const QString active = PathProvider::configPrjFullName();
    if (QFileInfo::exists(active)
        && DialogService::instance()->message(
               this, QMessageBox::Warning, title,
               tr("You are going to overwrite the current active configuration. Do you want to continue?"),
               QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes)
            != QMessageBox::Yes) {
        trace(QStringLiteral("Activate config was cancelled from user"));
        return;
    }
    // The user's own file is not written here, so the change mark stays.
    const bool hadChanges = project->hasChanges();
    project->incrementVersion();
    const QString working = PathProvider::configTempFullName();
    QDir().mkpath(QFileInfo(working).absolutePath());
    // The working copy holds the gateways' passwords: the user's alone.
    if (!writeConfig(working, Devices::Serialization::AtomicFileWriter::PRIVATE_MODE))
        return;
    const ProjectActivator::Result result = m_activator->activate(working, active, project->id(), project->version());
    if (!hadChanges)
        project->clearChanges();
    if (result != ProjectActivator::Result::Activated) {
        Logger(Logger::Warning) << Q_FUNC_INFO << ": could not copy from temp to config folder";
        QString text = tr("Could not overwrite previous configuration! Running application with administrator "
                          "privileges might solve the problem.");
        if (result == ProjectActivator::Result::NoPkexec || result == ProjectActivator::Result::NotAuthorized)
            text = tr("Could not write the active configuration into %1: the folder needs administrator privileges, "
                      "and they could not be obtained (pkexec and a PolicyKit agent are needed).")
                       .arg(QDir::toNativeSeparators(QFileInfo(active).absolutePath()));
        showBox(this, QMessageBox::Critical, tr("Error"), text);
        updateActionStates();
        return;
    }
    showBox(this, QMessageBox::Information, title, tr("Configuration activated successfully!"));
    updateActionStates();
    trace(QStringLiteral("Activate config successful"));
}

} // namespace Corvane::Configurator
