#include "ActionManager.h"
#include "AdminConfigurator.h"
#include "CellEditing.h"
#include "DeviceTableView.h"
#include "DevicesTree.h"
#include "FullDisk.h"
#include "LaterStart.h"
#include "LogCapture.h"
#include "MainWindow.h"
#include "ProjectActivator.h"
#include "ProjectFixture.h"
#include "ScriptedDialogService.h"
#include "Unprivileged.h"
#include "devices/WebServerDeviceProperties.h"
#include "devices/serialization/XmlSerializer.h"
#include "utilities/InitSettings.h"
#include "utilities/Localization/LanguageSettings.h"
#include "utilities/PathProvider.h"
#include "windows/SplashScreen.h"

#include <QAction>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QHeaderView>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QMenu>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTextLayout>
#include <QProcess>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QTranslator>

#include <csignal>
#include <memory>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace Corvane::Configurator;
using namespace Corvane::Devices;
using Corvane::Devices::Serialization::XmlSerializer;
using Corvane::Utilities::InitSettings;
using Corvane::Utilities::PathProvider;
using Corvane::Utilities::SingleInstanceGuard;
using ConfiguratorTest::ScriptedDialogService;

namespace {

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct stat statOf(const QString& path)
{
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        info.st_ino = 0;
    return info;
}

// The status label's text in Arabic.
class ArabicProjectLabel : public QTranslator
{
public:
    QString translate(const char*, const char* source, const char*, int) const override
    {
        return qstrcmp(source, "Project: %1") == 0 ? QString::fromUtf8("\u0627\u0644\u0645\u0634\u0631\u0648\u0639: %1")
                                                   : QString();
    }
    bool isEmpty() const override { return false; }
};

enum class Command { New, Open, FileOpenEvent, HandOver, Load, Close };
enum class SaveResult { Succeeds, Fails, Cancelled };

} // namespace

Q_DECLARE_METATYPE(Command)
Q_DECLARE_METATYPE(SaveResult)

class tst_MainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void askToSaveMatrix_data();
    void askToSaveMatrix();
    void versionAndIdTransitions();
    void saveAsGivesDefaultSuffix();
    void saveAsHasItsKey();
    void openFailures_data();
    void openFailures();
    void failedFileOpenEventKeepsProject();
    void handOverOpensAbsolutePathsAndSkipsSwitches();
    void handOverOpensTheLastProjectThatReads_data();
    void handOverOpensTheLastProjectThatReads();
    void handOverRefusesRelativeNames();
    void saveFailureKeepsOldFileAndChangeMark();
    void writeFailingPartWayKeepsOldFile();
    void saveOnFullDiskKeepsFileAndChangeMark();
    void saveOnReadOnlyProjectKeepsFile();
    void loadFailures();
    void activation();
    void activationBlockedByErrors();
    void activationOverwriteRefused();
    void failedActivationKeepsChangeMark();
    void activationOverReadOnlyActiveProjectFails();
    void copiesWithPasswordsAreTheUsers_data();
    void copiesWithPasswordsAreTheUsers();
    void enableRulesInWindow();
    void statusLabel();
    void arabicTurnsWindowRightToLeft();
    void projectPathReadsLeftToRightInRightToLeftText();
    void brandSiteAndAbout();
    void aboutBoxClosesWithKeys_data();
    void aboutBoxClosesWithKeys();
    void deviceCommandsInMenuAndKeys_data();
    void deviceCommandsInMenuAndKeys();
    void columnWidthsReachTheSettingsFile();
    void languageSwitchKeepsTypedText();
    void typedTextReachesEveryCommand_data();
    void typedTextReachesEveryCommand();
    void handOverWaitsForTheRunningCommand_data();
    void handOverWaitsForTheRunningCommand();
    void fileDialogsStartInAFolderThatExists();
    void secondWindowAfterFirstClosed();
    void languageButtonKeepsItsGroundWhenHovered();
    void flagButtonSwitchesLanguageAtOnce();

private:
    QString writeProjectFile(const QString& name, int lights = 1);
    QStringList handOverArgumentsFrom(const QStringList& tokens);
    void makeChange();

    QTemporaryDir m_dir;
    std::unique_ptr<MainWindow> m_window;
    std::unique_ptr<ScriptedDialogService> m_dialogs;
};

void tst_MainWindow::initTestCase()
{
    QVERIFY(m_dir.isValid());
    qputenv("CORVANE_CONFIG_DIR", QFile::encodeName(m_dir.filePath("config")));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(m_dir.filePath("cache")));
    QCoreApplication::setApplicationName("VantrelConfig");
    ConfiguratorTest::initResources();
}

void tst_MainWindow::init()
{
    QDir(m_dir.filePath("config")).removeRecursively();
    QDir(m_dir.filePath("projects")).removeRecursively();
    QDir().mkpath(m_dir.filePath("projects"));
    QDir().mkpath(m_dir.filePath("config"));
    InitSettings::readSettings();
    m_dialogs = std::make_unique<ScriptedDialogService>();
    m_window = std::make_unique<MainWindow>();
}

void tst_MainWindow::cleanup()
{
    if (m_window && m_window->config())
        m_window->config()->clearChanges();
    m_window.reset();
    m_dialogs.reset();
}

QString tst_MainWindow::writeProjectFile(const QString& name, int lights)
{
    auto project = ConfiguratorTest::makeProject(1, lights);
    const QString path = m_dir.filePath("projects/" + name);
    return XmlSerializer::write(*project, path) ? path : QString();
}

void tst_MainWindow::makeChange()
{
    m_window->config()->webServers().constFirst()->setDescription("Changed");
    QVERIFY(m_window->config()->hasChanges());
}

void tst_MainWindow::askToSaveMatrix_data()
{
    QTest::addColumn<Command>("command");
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::addColumn<SaveResult>("saveResult");
    QTest::addColumn<bool>("proceeds");

    const QList<QPair<const char*, Command>> commands{{"new", Command::New},           {"open", Command::Open},
                                                      {"file-open event", Command::FileOpenEvent},
                                                      {"hand-over", Command::HandOver}, {"load", Command::Load},
                                                      {"close", Command::Close}};
    for (const auto& [name, command] : commands) {
        QTest::addRow("%s, save succeeds", name) << command << QMessageBox::Save << SaveResult::Succeeds << true;
        QTest::addRow("%s, save fails", name) << command << QMessageBox::Save << SaveResult::Fails << false;
        QTest::addRow("%s, save as cancelled", name) << command << QMessageBox::Save << SaveResult::Cancelled << false;
        QTest::addRow("%s, discard", name) << command << QMessageBox::Discard << SaveResult::Succeeds << true;
        QTest::addRow("%s, cancel", name) << command << QMessageBox::Cancel << SaveResult::Succeeds << false;
    }
}

void tst_MainWindow::askToSaveMatrix()
{
    QFETCH(Command, command);
    QFETCH(QMessageBox::StandardButton, answer);
    QFETCH(SaveResult, saveResult);
    QFETCH(bool, proceeds);

    const QString other = writeProjectFile("other.vtprj", 3);
    QVERIFY(XmlSerializer::write(*ConfiguratorTest::makeProject(1, 2), PathProvider::configPrjFullName()));
    QString mine;
    if (saveResult == SaveResult::Cancelled) {
        m_window->newFile();
        m_window->config()->addDevice(new WebServerDeviceProperties(-1));
    } else {
        mine = writeProjectFile("mine.vtprj");
        QVERIFY(m_window->openConfig(mine));
        if (saveResult == SaveResult::Fails)
            QVERIFY(QDir(m_dir.filePath("projects")).rename("mine.vtprj", "moved"));
        if (saveResult == SaveResult::Fails)
            QVERIFY(QDir().mkpath(mine)); // a folder in the file's place: the write fails
    }
    makeChange();
    Configuration* before = m_window->config();
    m_dialogs->saveAnswers = {answer};
    m_dialogs->openNames = {other};

    bool closed = false;
    switch (command) {
    case Command::New: m_window->newFile(); break;
    case Command::Open: m_window->openAction(); break;
    case Command::FileOpenEvent: m_window->openConfigAskSaveCurrentChanges(other); break;
    case Command::HandOver: m_window->onAppStartRequest({"corvane-configurator", other}); break;
    case Command::Load: m_window->loadConfiguration(); break;
    case Command::Close: closed = m_window->close(); break;
    }
    QCOMPARE(m_dialogs->askToSaveCount, 1);
    const bool replaced = m_window->config() != before;
    QCOMPARE(command == Command::Close ? closed : replaced, proceeds);
    if (!proceeds)
        QVERIFY(m_window->config()->hasChanges());
    if (answer == QMessageBox::Save && saveResult == SaveResult::Succeeds)
        QCOMPARE(std::unique_ptr<Configuration>(XmlSerializer::read(mine))->webServers().constFirst()->description(),
                 QString("Changed"));
}

void tst_MainWindow::versionAndIdTransitions()
{
    const QString path = writeProjectFile("versions.vtprj");
    QVERIFY(m_window->openConfig(path));
    Configuration* project = m_window->config();
    const QUuid id = project->id();
    const int version = project->version();

    makeChange();
    QVERIFY(m_window->saveAction());
    QCOMPARE(project->version(), version + 1);
    QCOMPARE(project->id(), id);
    QVERIFY(!project->hasChanges());
    QUuid fileId;
    int fileVersion = -1;
    QVERIFY(XmlSerializer::readIdVersion(path, fileId, fileVersion));
    QCOMPARE(fileVersion, version + 1);

    const QString copy = m_dir.filePath("projects/copy.vtprj");
    m_dialogs->saveNames = {copy};
    QVERIFY(m_window->saveAs());
    QVERIFY(project->id() != id);
    QCOMPARE(project->version(), 0);
    QCOMPARE(m_window->currentFilePath(), copy);
    QCOMPARE(InitSettings::lastOpenedPath(), m_dir.filePath("projects"));

    // A new project: Save raises the version, then asks for a name; a
    // cancelled dialog leaves no file and the project changed.
    m_window->newFile();
    Configuration* fresh = m_window->config();
    fresh->addDevice(new WebServerDeviceProperties(-1));
    QVERIFY(!m_window->saveAction());
    QCOMPARE(fresh->version(), 1);
    QVERIFY(fresh->hasChanges());
    QVERIFY(m_window->currentFilePath().isEmpty());
}

void tst_MainWindow::saveAsGivesDefaultSuffix()
{
    m_window->newFile();
    m_dialogs->saveNames = {m_dir.filePath("projects/named.vtprj")};
    QVERIFY(m_window->saveAs());
    QCOMPARE(m_dialogs->saveSuffixes, QStringList{"vtprj"});
    QVERIFY(QFileInfo::exists(m_dir.filePath("projects/named.vtprj")));
}

void tst_MainWindow::saveAsHasItsKey()
{
    m_window->newFile();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    m_dialogs->saveNames = {m_dir.filePath("projects/keyed.vtprj")};
    QTest::keyClick(m_window->adminConfigurator()->devicesTree(), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(m_dialogs->saveNames.isEmpty());
    QVERIFY(QFileInfo::exists(m_dir.filePath("projects/keyed.vtprj")));
}

void tst_MainWindow::openFailures_data()
{
    QTest::addColumn<QString>("path");
    const QString fixtures = QStringLiteral(DEVICES_FIXTURES);
    for (const QString& name : QDir(fixtures).entryList({"*.vtprj"}, QDir::Files)) {
        if (std::unique_ptr<Configuration>(XmlSerializer::read(fixtures + "/" + name)))
            continue; // a damaged file the reader still takes
        QTest::newRow(qPrintable(name)) << fixtures + "/" + name;
    }
    QTest::newRow("folder") << "FOLDER";
    QTest::newRow("missing") << "MISSING";
    QTest::newRow("50 MB") << "BIG";
    QTest::newRow("unreadable") << "UNREADABLE";
}

void tst_MainWindow::openFailures()
{
    QFETCH(QString, path);
    if (path == "FOLDER") {
        path = m_dir.filePath("projects/folder.vtprj");
        QDir().mkpath(path);
    } else if (path == "MISSING") {
        path = m_dir.filePath("projects/missing.vtprj");
    } else if (path == "BIG") {
        path = m_dir.filePath("projects/big.vtprj");
        QFile big(path);
        QVERIFY(big.open(QIODevice::WriteOnly));
        big.write("<?xml version=\"1.0\"?><project>");
        big.write(QByteArray(50 * 1024 * 1024, ' '));
        big.close();
    } else if (path == "UNREADABLE") {
        path = writeProjectFile("unreadable.vtprj");
        QFile::setPermissions(path, QFileDevice::WriteOwner);
        if (QFile(path).open(QIODevice::ReadOnly))
            QSKIP("the file stays readable (running as root)");
    }
    const QString good = writeProjectFile("good.vtprj");
    QVERIFY(m_window->openConfig(good));
    makeChange();
    Configuration* before = m_window->config();
    const QString label = m_window->statusText();

    m_dialogs->openNames = {path};
    m_dialogs->saveAnswers = {QMessageBox::Discard};
    m_window->openAction();
    QCOMPARE(m_dialogs->boxes.size(), 1);
    QCOMPARE(m_dialogs->boxes.at(0).title, QString("Error"));
    QCOMPARE(m_dialogs->boxes.at(0).icon, QMessageBox::Critical);
    QVERIFY(!m_dialogs->boxes.at(0).text.isEmpty());
    QCOMPARE(m_window->config(), before);
    QVERIFY(before->hasChanges());
    QCOMPARE(m_window->statusText(), label);
    QCOMPARE(m_window->currentFilePath(), good);
}

void tst_MainWindow::failedFileOpenEventKeepsProject()
{
    const QString good = writeProjectFile("good.vtprj");
    QVERIFY(m_window->openConfig(good));
    Configuration* before = m_window->config();
    const QString broken = m_dir.filePath("projects/broken.vtprj");
    QFile file(broken);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("<not a project");
    file.close();
    m_window->openConfigAskSaveCurrentChanges(broken);
    QCOMPARE(m_window->config(), before);
    QVERIFY(m_window->hasOpenedConfig());
    QCOMPARE(m_dialogs->boxes.size(), 1);
}

void tst_MainWindow::handOverOpensAbsolutePathsAndSkipsSwitches()
{
    const QString path = writeProjectFile("handed.vtprj");
    QVERIFY(QDir::isAbsolutePath(path));
    m_window->onAppStartRequest({"corvane-configurator", "/VERBOSE", "/s", m_dir.filePath("missing.vtprj"), path});
    QVERIFY(m_window->isVisible());
    QCOMPARE(m_window->currentFilePath(), path);
    QCOMPARE(m_dialogs->boxes.size(), 0);
}

// Arguments of a later start in the test's projects folder: "house 3" names
// the project house.vtprj three times, "broken 3" three distinct broken
// projects; a switch is itself.
QStringList tst_MainWindow::handOverArgumentsFrom(const QStringList& tokens)
{
    QStringList arguments{"corvane-configurator"};
    int broken = 0;
    for (const QString& token : tokens) {
        const QStringList parts = token.split(' ');
        const QString& name = parts.first();
        const QString file = name.startsWith('/') || name == "broken" ? QString() : writeProjectFile(name + ".vtprj");
        const int count = parts.size() > 1 ? parts.at(1).toInt() : 1;
        for (int i = 0; i < count; ++i) {
            if (name == "broken") {
                QFile damaged(m_dir.filePath(QStringLiteral("projects/broken-%1.vtprj").arg(broken++)));
                if (damaged.open(QIODevice::WriteOnly))
                    damaged.write("<?xml version=\"1.0\"?><project");
                arguments.append(damaged.fileName());
            } else {
                arguments.append(file.isEmpty() ? name : file);
            }
        }
    }
    return arguments;
}

void tst_MainWindow::handOverOpensTheLastProjectThatReads_data()
{
    QTest::addColumn<QStringList>("tokens");
    QTest::addColumn<QString>("opened");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QStringList>("passedOver");

    QTest::newRow("2,000 copies") << QStringList{"house 2000"} << "house" << QString()
                                  << QStringList{"repeats 1999, refused 0, left unread 0"};
    QTest::newRow("a project, then broken ones") << QStringList{"good", "broken 2"} << "good" << QString()
                                                 << QStringList{"refused 2 (", "left unread 0"};
    // Only the last three are read; the box tells why the last one failed.
    QTest::newRow("1,000 broken") << QStringList{"broken 1000"} << QString() << "broken-999.vtprj"
                                  << QStringList{"refused 3 (", "left unread 997"};
    QTest::newRow("a project before 1,000 broken") << QStringList{"good", "broken 1000"} << QString()
                                                    << "broken-999.vtprj" << QStringList{"left unread 998"};
}

// A later start's hand-over opens its last project that reads, once, and
// reads three of its files at most; the rest comes in one log line.
void tst_MainWindow::handOverOpensTheLastProjectThatReads()
{
    QFETCH(QStringList, tokens);
    QFETCH(QString, opened);
    QFETCH(QString, box);
    QFETCH(QStringList, passedOver);

    const QStringList arguments = handOverArgumentsFrom(tokens);
    LaterStart later;
    connect(&later.runningInstance(), &SingleInstanceGuard::argumentsReceived, m_window.get(),
            &MainWindow::onAppStartRequest);
    LogCapture log;
    QVERIFY(later.handOver(arguments));
    QCOMPARE(m_window->currentFilePath(), opened.isEmpty() ? QString() : m_dir.filePath("projects/" + opened + ".vtprj"));
    QCOMPARE(log.lines().filter("Open config successful").size(), opened.isEmpty() ? 0 : 1);
    QCOMPARE(m_dialogs->boxes.size(), box.isEmpty() ? 0 : 1);
    if (!box.isEmpty())
        QVERIFY2(m_dialogs->boxes.at(0).text.contains(box), qPrintable(m_dialogs->boxes.at(0).text));
    const QStringList lines = log.lines().filter("A later start handed over");
    QCOMPARE(lines.size(), 1);
    for (const QString& part : passedOver)
        QVERIFY2(lines.first().contains(part), qPrintable(lines.first()));
}

// A name relative to the later start's folder, which the running editor
// does not know, is not looked up in a folder of its own.
void tst_MainWindow::handOverRefusesRelativeNames()
{
    writeProjectFile("relative.vtprj");
    const QString folder = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_dir.filePath("projects")));
    LaterStart later;
    connect(&later.runningInstance(), &SingleInstanceGuard::argumentsReceived, m_window.get(),
            &MainWindow::onAppStartRequest);
    const bool handedOver = later.handOver({"corvane-configurator", "relative.vtprj"});
    QDir::setCurrent(folder);
    QVERIFY(handedOver);
    QVERIFY(!m_window->hasOpenedConfig());
    QCOMPARE(m_dialogs->boxes.size(), 0);
}

void tst_MainWindow::saveFailureKeepsOldFileAndChangeMark()
{
    const QString path = writeProjectFile("kept.vtprj");
    const QByteArray old = readAll(path);
    QVERIFY(m_window->openConfig(path));
    makeChange();
    // The file replaced by a folder cannot be written over.
    QVERIFY(QFile::rename(path, path + ".old"));
    QVERIFY(QDir().mkpath(path));
    QVERIFY(!m_window->saveAction());
    QCOMPARE(m_dialogs->boxes.size(), 1);
    QCOMPARE(m_dialogs->boxes.at(0).title, QString("Error"));
    QVERIFY(m_dialogs->boxes.at(0).text.startsWith("Could not write in the specified file!"));
    QVERIFY(m_window->config()->hasChanges());
    QCOMPARE(readAll(path + ".old"), old);
}

void tst_MainWindow::writeFailingPartWayKeepsOldFile()
{
    // A child limited in file size (as on a full disk) saves a grown project.
    const QString path = writeProjectFile("limited.vtprj");
    const QByteArray old = readAll(path);
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), {"--save-under-limit", path});
    QVERIFY(child.waitForFinished(60000));
    QCOMPARE(child.exitCode(), 0);
    // saved, error boxes, still changed
    QCOMPARE(child.readAllStandardOutput().trimmed(), QByteArray("0 1 1"));
    QCOMPARE(readAll(path), old);
    QCOMPARE(QDir(m_dir.filePath("projects")).entryList(QDir::Files), QStringList{"limited.vtprj"});
}

void tst_MainWindow::saveOnFullDiskKeepsFileAndChangeMark()
{
    // A project on a 128 KiB file system of its own, which fills up before
    // Save.
    const QString folder = FullDisk::smallFileSystemFolder(128 * 1024);
    if (folder.isEmpty())
        return; // ran in a child, or skipped
    const QString path = folder + "/house.vtprj";
    QVERIFY(XmlSerializer::write(*ConfiguratorTest::makeProject(1, 30), path));
    const QByteArray old = readAll(path);
    QVERIFY(m_window->openConfig(path));
    makeChange();
    QVERIFY(FullDisk::fill(folder));
    QAction* save = ActionManager::getActionByKey(ActionManager::CONFIG_SAVE_ACTION);
    QVERIFY(save);
    save->trigger();
    qInfo("project of %lld bytes saved on a full disk: %lld bytes after, unchanged: %s, %lld message(s)",
          qint64(old.size()), QFileInfo(path).size(), readAll(path) == old ? "yes" : "no",
          qint64(m_dialogs->boxes.size()));
    QCOMPARE(m_dialogs->boxes.size(), 1);
    QCOMPARE(m_dialogs->boxes.at(0).title, QString("Error"));
    QVERIFY(m_dialogs->boxes.at(0).text.startsWith("Could not write in the specified file!"));
    QVERIFY(m_window->config()->hasChanges());
    QCOMPARE(readAll(path), old);
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), (QStringList{"filler", "house.vtprj"}));
}

void tst_MainWindow::saveOnReadOnlyProjectKeepsFile()
{
    // Root may write any file; a user may not write a read-only project,
    // though its folder is the user's.
    if (!Unprivileged::here())
        return;
    const QString path = writeProjectFile("read-only.vtprj");
    QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther));
    const QByteArray old = readAll(path);
    const ino_t inode = statOf(path).st_ino;
    QVERIFY(m_window->openConfig(path));
    makeChange();
    ActionManager::getActionByKey(ActionManager::CONFIG_SAVE_ACTION)->trigger();
    QCOMPARE(m_dialogs->boxes.size(), 1);
    QCOMPARE(m_dialogs->boxes.at(0).title, QString("Error"));
    QVERIFY(m_dialogs->boxes.at(0).text.startsWith("Could not write in the specified file!"));
    QVERIFY(m_window->config()->hasChanges());
    QCOMPARE(readAll(path), old);
    QCOMPARE(statOf(path).st_ino, inode);
    QCOMPARE(statOf(path).st_mode & 07777, mode_t(0444));
    QCOMPARE(QDir(m_dir.filePath("projects")).entryList(QDir::Files | QDir::Hidden), QStringList{"read-only.vtprj"});
}

// The child of writeFailingPartWayKeepsOldFile.
static int saveUnderLimit(int argc, char** argv)
{
    QApplication application(argc, argv);
    ConfiguratorTest::initResources();
    std::signal(SIGXFSZ, SIG_IGN);
    const QString path = QString::fromLocal8Bit(argv[2]);
    const rlimit limit{rlim_t(QFileInfo(path).size() + 4096), rlim_t(QFileInfo(path).size() + 4096)};
    setrlimit(RLIMIT_FSIZE, &limit);
    ScriptedDialogService dialogs;
    MainWindow window;
    if (!window.openConfig(path))
        return 2;
    const int server = window.config()->webServers().constFirst()->id();
    for (int i = 0; i < 300; ++i)
        ConfiguratorTest::addLight(*window.config(), server, QStringLiteral("A light with a long description %1").arg(i));
    const bool saved = window.saveAction();
    std::printf("%d %d %d\n", int(saved), int(dialogs.boxes.size()), int(window.config()->hasChanges()));
    window.config()->clearChanges();
    return 0;
}

void tst_MainWindow::loadFailures()
{
    m_window->loadConfiguration();
    QCOMPARE(m_dialogs->boxes.size(), 1);
    QCOMPARE(m_dialogs->boxes.at(0).text, QString("Could not find active configuration!"));
    QVERIFY(!m_window->hasOpenedConfig());

    QVERIFY(XmlSerializer::write(*ConfiguratorTest::makeProject(2, 1), PathProvider::configPrjFullName()));
    m_window->loadConfiguration();
    QVERIFY(m_window->hasOpenedConfig());
    QCOMPARE(m_window->config()->webServers().size(), 2);
    QVERIFY(m_window->currentFilePath().isEmpty());
    QVERIFY(m_window->statusText().endsWith("Project: Default project"));
    // The working copy does not become the last opened folder.
    QVERIFY(InitSettings::lastOpenedPath() != QFileInfo(PathProvider::configTempFullName()).absolutePath());

    // A damaged active project: the error box, the loaded project stays.
    Configuration* before = m_window->config();
    QFile active(PathProvider::configPrjFullName());
    QVERIFY(active.open(QIODevice::WriteOnly | QIODevice::Truncate));
    active.write("<project");
    active.close();
    m_window->loadConfiguration();
    QCOMPARE(m_window->config(), before);
    QCOMPARE(m_dialogs->boxes.constLast().title, QString("Error"));
}

void tst_MainWindow::activation()
{
    const QString path = writeProjectFile("activate.vtprj");
    QVERIFY(m_window->openConfig(path));
    // A description left empty is a warning: it does not block.
    m_window->config()->devices().constFirst()->setDescription("");
    const QByteArray userFile = readAll(path);
    const int version = m_window->config()->version();
    m_window->activateConfiguration();
    QCOMPARE(m_dialogs->boxes.size(), 1);
    QCOMPARE(m_dialogs->boxes.at(0).text, QString("Configuration activated successfully!"));
    QUuid id;
    int activeVersion = -1;
    QVERIFY(XmlSerializer::readIdVersion(PathProvider::configPrjFullName(), id, activeVersion));
    QCOMPARE(id, m_window->config()->id());
    QCOMPARE(activeVersion, version + 1);
    // The user's own file was not written: the change mark stays.
    QVERIFY(m_window->config()->hasChanges());
    QCOMPARE(readAll(path), userFile);
    QVERIFY(ActionManager::getActionByKey(ActionManager::CONFIG_SAVE_ACTION)->isEnabled());

    // Again: the overwrite question comes first.
    m_dialogs->answers = {QMessageBox::Yes};
    m_window->activateConfiguration();
    QCOMPARE(m_dialogs->boxes.size(), 3);
    QCOMPARE(m_dialogs->boxes.at(1).buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(m_dialogs->boxes.at(2).text, QString("Configuration activated successfully!"));
}

void tst_MainWindow::activationBlockedByErrors()
{
    m_window->newFile();
    m_window->config()->addDevice(new WebServerDeviceProperties(-1)); // IP 0.0.0.0
    m_window->activateConfiguration();
    QCOMPARE(m_dialogs->boxes.size(), 1);
    QCOMPARE(m_dialogs->boxes.at(0).text, QString("Activation operation is not allowed when there are errors"));
    QCOMPARE(m_window->config()->version(), 0);
    QVERIFY(!QFileInfo::exists(PathProvider::configPrjFullName()));
}

void tst_MainWindow::activationOverwriteRefused()
{
    QVERIFY(XmlSerializer::write(*ConfiguratorTest::makeProject(1, 0), PathProvider::configPrjFullName()));
    const QByteArray active = readAll(PathProvider::configPrjFullName());
    QVERIFY(m_window->openConfig(writeProjectFile("refused.vtprj")));
    const int version = m_window->config()->version();
    m_dialogs->answers = {QMessageBox::No};
    m_window->activateConfiguration();
    QCOMPARE(m_dialogs->boxes.size(), 1);
    QCOMPARE(m_window->config()->version(), version);
    QCOMPARE(readAll(PathProvider::configPrjFullName()), active);
}

void tst_MainWindow::failedActivationKeepsChangeMark()
{
    QVERIFY(XmlSerializer::write(*ConfiguratorTest::makeProject(1, 0), PathProvider::configPrjFullName()));
    const QByteArray active = readAll(PathProvider::configPrjFullName());
    QVERIFY(m_window->openConfig(writeProjectFile("nopkexec.vtprj")));
    makeChange();
    ProjectActivator* activator = m_window->activator();
    activator->setFolderWritableCheck([](const QString&) { return false; });
    activator->setPkexecPath(m_dir.filePath("no-pkexec"));
    m_dialogs->answers = {QMessageBox::Yes};
    m_window->activateConfiguration();
    QCOMPARE(m_dialogs->boxes.size(), 2);
    QCOMPARE(m_dialogs->boxes.at(1).title, QString("Error"));
    QVERIFY(m_dialogs->boxes.at(1).text.contains(QDir::toNativeSeparators(PathProvider::configPath())));
    QVERIFY(m_window->config()->hasChanges());
    QCOMPARE(readAll(PathProvider::configPrjFullName()), active);
}

void tst_MainWindow::activationOverReadOnlyActiveProjectFails()
{
    // A user may not replace a read-only active project, though its folder
    // is the user's (root may).
    if (!Unprivileged::here())
        return;
    const QString active = PathProvider::configPrjFullName();
    QVERIFY(XmlSerializer::write(*ConfiguratorTest::makeProject(1, 0), active));
    QVERIFY(QFile::setPermissions(active, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther));
    const QByteArray old = readAll(active);
    const ino_t inode = statOf(active).st_ino;
    QVERIFY(m_window->openConfig(writeProjectFile("read-only-active.vtprj")));
    m_dialogs->answers = {QMessageBox::Yes};
    ActionManager::getActionByKey(ActionManager::CONFIG_ACTIVATE_ACTION)->trigger();
    QCOMPARE(m_dialogs->boxes.size(), 2);
    QCOMPARE(m_dialogs->boxes.at(1).title, QString("Error"));
    QVERIFY(m_dialogs->boxes.at(1).text.startsWith("Could not overwrite previous configuration!"));
    QCOMPARE(readAll(active), old);
    QCOMPARE(statOf(active).st_ino, inode);
}

void tst_MainWindow::copiesWithPasswordsAreTheUsers_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("copiesExist"); // of mode 0644
    QTest::addColumn<mode_t>("expected");  // of both copies

    QTest::newRow("activation makes them") << ActionManager::CONFIG_ACTIVATE_ACTION << false << mode_t(0600);
    QTest::newRow("load makes the working copy") << ActionManager::CONFIG_LOAD_ACTION << false << mode_t(0600);
    QTest::newRow("activation replaces them") << ActionManager::CONFIG_ACTIVATE_ACTION << true << mode_t(0644);
}

void tst_MainWindow::copiesWithPasswordsAreTheUsers()
{
    QFETCH(QString, action);
    QFETCH(bool, copiesExist);
    QFETCH(mode_t, expected);
    const mode_t umask = ::umask(022);
    const QString active = PathProvider::configPrjFullName();
    const QString working = PathProvider::configTempFullName();
    QFile::remove(working);
    const bool loading = action == ActionManager::CONFIG_LOAD_ACTION;
    if (copiesExist || loading) {
        QVERIFY(XmlSerializer::write(*ConfiguratorTest::makeProject(1, 0), active));
        QVERIFY(QDir().mkpath(QFileInfo(working).absolutePath()));
    }
    if (copiesExist)
        QVERIFY(XmlSerializer::write(*ConfiguratorTest::makeProject(1, 0), working));
    QVERIFY(m_window->openConfig(writeProjectFile("passwords.vtprj")));
    m_dialogs->answers = {QMessageBox::Yes};
    ActionManager::getActionByKey(action)->trigger();
    ::umask(umask);
    for (const auto& box : std::as_const(m_dialogs->boxes))
        QVERIFY2(box.icon != QMessageBox::Critical, qPrintable(box.text));
    QCOMPARE(statOf(working).st_mode & 07777, expected);
    QCOMPARE(statOf(active).st_mode & 07777, loading ? mode_t(0644) : expected);
}

void tst_MainWindow::enableRulesInWindow()
{
    auto action = [](const QString& key) { return ActionManager::getActionByKey(key)->isEnabled(); };
    QVERIFY(!action(ActionManager::CONFIG_SAVE_AS_ACTION));
    QVERIFY(action(ActionManager::CONFIG_NEW_ACTION));
    QVERIFY(m_window->openConfig(writeProjectFile("rules.vtprj", 0)));
    DevicesTree* tree = m_window->adminConfigurator()->devicesTree();
    const int server = m_window->config()->webServers().constFirst()->id();
    tree->setCurrentIndex(tree->findIndex(DevicesTreeModel::NodePlant, server));
    QVERIFY(action(ActionManager::DEVICES_REMOVE_ACTION));
    QVERIFY(!action(ActionManager::DEVICES_ADD_ACTION));
    QVERIFY(!action(ActionManager::CONFIG_SAVE_ACTION));
    tree->setCurrentIndex(tree->findIndex(DevicesTreeModel::NodeLights, server));
    QVERIFY(action(ActionManager::DEVICES_ADD_ACTION));
    ActionManager::getActionByKey(ActionManager::DEVICES_ADD_ACTION)->trigger();
    QVERIFY(action(ActionManager::CONFIG_SAVE_ACTION));
    QVERIFY(action(ActionManager::DEVICES_REMOVE_ALL_ACTION));
}

void tst_MainWindow::statusLabel()
{
    QVERIFY(m_window->statusText().endsWith("Project: "));
    m_window->newFile();
    QCOMPARE(m_window->statusText(), QString("   Project: New project"));
    m_window->updateStatusLabel(MainWindow::STATUS_DEFAULT_PROJECT);
    QCOMPARE(m_window->statusText(), QString("   Project: Default project"));
}

void tst_MainWindow::arabicTurnsWindowRightToLeft()
{
    m_window->switchLayoutDirection(Corvane::Utilities::Localization::LanguageSettings::ARABIC_LOCALE);
    QCOMPARE(m_window->layoutDirection(), Qt::RightToLeft);
    m_window->switchLayoutDirection("it_IT");
    QCOMPARE(m_window->layoutDirection(), Qt::LeftToRight);
}

// In a right-to-left status text (Arabic), the path's first slash stays
// before its first folder instead of moving to the path's end.
void tst_MainWindow::projectPathReadsLeftToRightInRightToLeftText()
{
    ArabicProjectLabel arabic;
    QCoreApplication::installTranslator(&arabic);
    m_window->updateStatusLabel(QStringLiteral("/home/user/demo.vtprj"));
    QCoreApplication::removeTranslator(&arabic);
    const QString text = m_window->statusText();
    QTextLayout layout(text, m_window->font());
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(2000);
    layout.endLayout();
    const int slash = text.indexOf(u'/');
    QVERIFY(slash > 0);
    QVERIFY2(line.cursorToX(slash) < line.cursorToX(slash + 1), qPrintable(text));
}

void tst_MainWindow::brandSiteAndAbout()
{
    QUrl opened;
    m_window->setUrlOpener([&opened](const QUrl& url) { return opened = url, true; });
    ActionManager::getActionByKey(ActionManager::BRAND_SITE_ACTION)->trigger();
    QCOMPARE(opened, QUrl("http://" + InitSettings::domainName()));
    // Import exists, with its texts, but is offered in no menu and on no tool bar.
    QAction* import = ActionManager::getActionByKey(ActionManager::IMPORT_DATA_ACTION);
    QVERIFY(import);
    QCOMPARE(import->text(), QString("&Import data..."));
    QCOMPARE(import->associatedObjects(), QList<QObject*>{});

    // About shows the about box centred on the window.
    m_window->setGeometry(100, 80, 950, 600);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    ActionManager::getActionByKey(ActionManager::ABOUT_ACTION)->trigger();
    auto* box = m_window->findChild<Corvane::Gadgets::SplashScreen*>();
    QVERIFY(box);
    QTRY_VERIFY(box->isVisible());
    const QPoint centre = m_window->geometry().center();
    QCOMPARE(box->pos(), centre - QPoint((box->width() - 1) / 2, (box->height() - 1) / 2));
}

void tst_MainWindow::aboutBoxClosesWithKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("escape") << int(Qt::Key_Escape);
    QTest::newRow("return") << int(Qt::Key_Return);
    QTest::newRow("enter") << int(Qt::Key_Enter);
}

void tst_MainWindow::aboutBoxClosesWithKeys()
{
    QFETCH(int, key);

    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    ActionManager::getActionByKey(ActionManager::ABOUT_ACTION)->trigger();
    auto* box = m_window->findChild<Corvane::Gadgets::SplashScreen*>();
    QVERIFY(box);
    QTRY_VERIFY(box->isVisible());
    QTRY_COMPARE(QApplication::activeWindow(), box);
    QTest::keyClick(QApplication::activeWindow(), Qt::Key(key));
    QTRY_VERIFY(!box->isVisible());
}

void tst_MainWindow::deviceCommandsInMenuAndKeys_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("selectedRow");
    QTest::addColumn<QKeySequence>("key");
    QTest::addColumn<QStringList>("rows");

    const QStringList lights{"Light 1", "Light 2", "Light 3"};
    QTest::newRow("Insert in the tree") << "devicesTree" << -1 << QKeySequence(Qt::Key_Insert)
                                        << (lights + QStringList{"Actuator"});
    QTest::newRow("Insert in the table") << "devicesTable" << 0 << QKeySequence(Qt::Key_Insert)
                                         << (lights + QStringList{"Actuator"});
    QTest::newRow("Delete in the table") << "devicesTable" << 0 << QKeySequence(Qt::Key_Delete)
                                         << QStringList{"Light 2", "Light 3"};
    QTest::newRow("Ctrl+Down in the table") << "devicesTable" << 0 << QKeySequence(Qt::CTRL | Qt::Key_Down)
                                            << QStringList{"Light 2", "Light 1", "Light 3"};
    QTest::newRow("Ctrl+Up in the table") << "devicesTable" << 2 << QKeySequence(Qt::CTRL | Qt::Key_Up)
                                          << QStringList{"Light 1", "Light 3", "Light 2"};
    QTest::newRow("Delete in the validation list") << "validationList" << 0 << QKeySequence(Qt::Key_Delete) << lights;
}

void tst_MainWindow::deviceCommandsInMenuAndKeys()
{
    QFETCH(QString, focus);
    QFETCH(int, selectedRow);
    QFETCH(QKeySequence, key);
    QFETCH(QStringList, rows);

    // The device commands are entries of a menu of the menu bar.
    QStringList entries;
    for (const QAction* menu : m_window->menuBar()->actions()) {
        if (menu->menu() && menu->menu()->actions().contains(ActionManager::getActionByKey(ActionManager::DEVICES_ADD_ACTION))) {
            for (const QAction* entry : menu->menu()->actions())
                entries << entry->objectName();
        }
    }
    QCOMPARE(entries, (QStringList{ActionManager::DEVICES_ADD_ACTION, ActionManager::DEVICES_REMOVE_ACTION,
                                   ActionManager::DEVICES_REMOVE_ALL_ACTION, QString(),
                                   ActionManager::DEVICES_MOVE_UP_ACTION, ActionManager::DEVICES_MOVE_DOWN_ACTION}));

    QVERIFY(m_window->openConfig(writeProjectFile("keys.vtprj", 3)));
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    AdminConfigurator* admin = m_window->adminConfigurator();
    admin->devicesTree()->setCurrentIndex(
        admin->devicesTree()->findIndex(DevicesTreeModel::NodeLights, m_window->config()->webServers().constFirst()->id()));
    DeviceTableView* table = admin->devicesTable();
    if (selectedRow >= 0)
        table->selectRow(selectedRow);
    auto* target = admin->findChild<QWidget*>(focus);
    QVERIFY(target);
    target->setFocus();
    m_dialogs->answers = {QMessageBox::Yes};
    QTest::keySequence(target, key);
    QStringList shown;
    for (const BaseDeviceProperties* device : table->devices())
        shown << device->description();
    QCOMPARE(shown, rows);
}

void tst_MainWindow::columnWidthsReachTheSettingsFile()
{
    QVERIFY(m_window->openConfig(writeProjectFile("widths.vtprj", 3)));
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    AdminConfigurator* admin = m_window->adminConfigurator();
    admin->devicesTree()->setCurrentIndex(
        admin->devicesTree()->findIndex(DevicesTreeModel::NodeLights, m_window->config()->webServers().constFirst()->id()));
    admin->devicesTable()->selectRow(1);
    admin->devicesTable()->horizontalHeader()->resizeSection(0, 111);
    admin->devicesTable()->horizontalHeader()->resizeSection(1, 122);
    QTest::mouseClick(admin->findChild<QToolBar*>()->widgetForAction(
                          ActionManager::getActionByKey(ActionManager::DEVICES_ADD_ACTION)),
                      Qt::LeftButton);
    m_dialogs->saveAnswers = {QMessageBox::Discard};
    QVERIFY(m_window->close());
    InitSettings::configuratorColumnWidths().clear();
    InitSettings::readSettings();
    const QList<int> saved = InitSettings::configuratorColumnWidths().values(DevicesTreeModel::NodeLights);
    QVERIFY(!saved.isEmpty());
    QCOMPARE(saved.constLast(), 111);
    QCOMPARE(saved.at(saved.size() - 2), 122);
}

void tst_MainWindow::languageSwitchKeepsTypedText()
{
    QVERIFY(m_window->openConfig(writeProjectFile("language.vtprj")));
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    AdminConfigurator* admin = m_window->adminConfigurator();
    admin->devicesTree()->setCurrentIndex(
        admin->devicesTree()->findIndex(DevicesTreeModel::NodeLights, m_window->config()->webServers().constFirst()->id()));
    DeviceTableView* table = admin->devicesTable();
    auto* editor = ConfiguratorTest::openEditor<QLineEdit>(table, table->model()->index(0, 0));
    QVERIFY(editor);
    editor->selectAll();
    QTest::keyClicks(editor, "Typed");
    auto* language = m_window->findChild<QToolButton*>(QStringLiteral("languageButton"));
    QVERIFY(language && !language->menu()->actions().isEmpty());
    language->menu()->actions().constFirst()->trigger();
    QCOMPARE(m_window->config()->devices().constFirst()->description(), QString("Typed"));
}

void tst_MainWindow::typedTextReachesEveryCommand_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("written");

    // Where the typed text must arrive: the user's file (directly, or
    // through the ask-to-save question), the file saved as, the active one.
    QTest::newRow("save") << ActionManager::CONFIG_SAVE_ACTION << "mine";
    QTest::newRow("save as") << ActionManager::CONFIG_SAVE_AS_ACTION << "saved as";
    QTest::newRow("activate") << ActionManager::CONFIG_ACTIVATE_ACTION << "active";
    QTest::newRow("new") << ActionManager::CONFIG_NEW_ACTION << "mine";
    QTest::newRow("open") << ActionManager::CONFIG_OPEN_ACTION << "mine";
    QTest::newRow("load configuration") << ActionManager::CONFIG_LOAD_ACTION << "mine";
    QTest::newRow("hand-over") << QString() << "mine";
    QTest::newRow("exit") << ActionManager::EXIT_ACTION << "mine";
}

void tst_MainWindow::typedTextReachesEveryCommand()
{
    QFETCH(QString, action);
    QFETCH(QString, written);

    const QString mine = writeProjectFile("typed.vtprj");
    const QString other = writeProjectFile("other.vtprj", 3);
    const QString savedAs = m_dir.filePath("projects/saved-as.vtprj");
    QVERIFY(XmlSerializer::write(*ConfiguratorTest::makeProject(1, 2), PathProvider::configPrjFullName()));
    QVERIFY(m_window->openConfig(mine));
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    DevicesTree* tree = m_window->adminConfigurator()->devicesTree();
    tree->setCurrentIndex(tree->findIndex(DevicesTreeModel::NodeLights, m_window->config()->webServers().constFirst()->id()));
    DeviceTableView* table = m_window->adminConfigurator()->devicesTable();
    auto* editor = ConfiguratorTest::openEditor<QLineEdit>(table, table->model()->index(0, 0));
    QVERIFY(editor);
    editor->selectAll();
    QTest::keyClicks(editor, "Typed");
    QVERIFY(!m_window->config()->hasChanges());
    // The typed text counts as a change: Save is offered.
    QVERIFY(ActionManager::getActionByKey(ActionManager::CONFIG_SAVE_ACTION)->isEnabled());

    m_dialogs->saveAnswers = {QMessageBox::Save};
    m_dialogs->answers = {QMessageBox::Yes};
    m_dialogs->saveNames = {savedAs};
    m_dialogs->openNames = {other};
    if (action.isEmpty())
        m_window->onAppStartRequest({"corvane-configurator", other});
    else
        ActionManager::getActionByKey(action)->trigger();

    const QString file = written == "mine" ? mine : written == "saved as" ? savedAs : PathProvider::configPrjFullName();
    std::unique_ptr<Configuration> saved(XmlSerializer::read(file));
    QVERIFY(saved);
    QCOMPARE(saved->devices().constFirst()->description(), QString("Typed"));
}

void tst_MainWindow::handOverWaitsForTheRunningCommand_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QMessageBox::StandardButton>("saveAnswer");

    QTest::newRow("overwrite question of Activate") << ActionManager::CONFIG_ACTIVATE_ACTION << QMessageBox::Save;
    QTest::newRow("remove question") << ActionManager::DEVICES_REMOVE_ACTION << QMessageBox::Discard;
}

void tst_MainWindow::handOverWaitsForTheRunningCommand()
{
    QFETCH(QString, action);
    QFETCH(QMessageBox::StandardButton, saveAnswer);

    QVERIFY(XmlSerializer::write(*ConfiguratorTest::makeProject(1, 0), PathProvider::configPrjFullName()));
    const QString mine = writeProjectFile("mine.vtprj", 2);
    // The same ids, and a gateway without address: an error.
    auto handedProject = ConfiguratorTest::makeProject(1, 2);
    handedProject->webServers().constFirst()->setNetAddress(DeviceNetworkAddress());
    const QString handed = m_dir.filePath("projects/handed.vtprj");
    QVERIFY(XmlSerializer::write(*handedProject, handed));

    QVERIFY(m_window->openConfig(mine));
    const QUuid mineId = m_window->config()->id();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    DevicesTree* tree = m_window->adminConfigurator()->devicesTree();
    tree->setCurrentIndex(tree->findIndex(DevicesTreeModel::NodeLights, m_window->config()->webServers().constFirst()->id()));
    DeviceTableView* table = m_window->adminConfigurator()->devicesTable();
    table->selectRow(0);
    const int removed = table->selectedDeviceId();

    // A double-click on a file while the command's question is open.
    m_dialogs->whileNextBoxIsOpen = [this, handed] { m_window->onAppStartRequest({"corvane-configurator", handed}); };
    m_dialogs->answers = {QMessageBox::Yes};
    m_dialogs->saveAnswers = {saveAnswer};
    ActionManager::getActionByKey(action)->trigger();

    // The command finished on the project it started with, then the
    // handed-over file was opened, untouched.
    if (action == ActionManager::CONFIG_ACTIVATE_ACTION) {
        QCOMPARE(m_dialogs->boxes.constLast().text, QString("Configuration activated successfully!"));
        QUuid activeId;
        int version = -1;
        QVERIFY(XmlSerializer::readIdVersion(PathProvider::configPrjFullName(), activeId, version));
        QCOMPARE(activeId, mineId);
    }
    QTRY_COMPARE(m_window->currentFilePath(), handed);
    QVERIFY(m_window->config()->getDeviceById(removed));
    QCOMPARE(m_window->config()->devices().size(), 2);
}

void tst_MainWindow::fileDialogsStartInAFolderThatExists()
{
    // An account without a documents folder.
    const QByteArray home = qgetenv("HOME");
    const QByteArray xdgConfig = qgetenv("XDG_CONFIG_HOME");
    QVERIFY(QDir().mkpath(m_dir.filePath("home")));
    qputenv("HOME", QFile::encodeName(m_dir.filePath("home")));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_dir.filePath("home/.config")));
    InitSettings::lastOpenedPath().clear();
    const QString folder = m_window->lastOpenedConfigFolderPath();
    qputenv("HOME", home);
    qputenv("XDG_CONFIG_HOME", xdgConfig);
    QCOMPARE(folder, m_dir.filePath("home"));
}

void tst_MainWindow::secondWindowAfterFirstClosed()
{
    m_window->close();
    m_window.reset();
    QVERIFY(!ActionManager::getActionByKey(ActionManager::CONFIG_NEW_ACTION));
    m_window = std::make_unique<MainWindow>();
    QAction* newAction = ActionManager::getActionByKey(ActionManager::CONFIG_NEW_ACTION);
    QVERIFY(newAction);
    QCOMPARE(newAction->parent(), m_window.get());
    newAction->trigger();
    QVERIFY(m_window->hasOpenedConfig());
    // The second window offers each language once, as the first did.
    const auto offered = [this] {
        QStringList codes;
        auto* button = m_window->findChild<QToolButton*>(QStringLiteral("languageButton"));
        for (const QAction* action : button ? button->menu()->actions() : QList<QAction*>())
            codes << action->data().toString();
        return codes;
    };
    QStringList expected;
    for (const auto& language : MainWindow::locales())
        expected << language.locale();
    QVERIFY(!expected.isEmpty());
    QCOMPARE(offered(), expected);
    m_window.reset();
    m_window = std::make_unique<MainWindow>();
    QCOMPARE(offered(), expected);
    QVERIFY(!ActionManager::createAction(ActionManager::CONFIG_NEW_ACTION, QIcon()));
}

void tst_MainWindow::languageButtonKeepsItsGroundWhenHovered()
{
    m_window->resize(900, 600);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    auto* button = m_window->findChild<QToolButton*>(QStringLiteral("languageButton"));
    QVERIFY(button);
    // The window is grabbed, not the button alone: the button must show the
    // tool bar's ground through it.
    const auto cornerOf = [this, button] {
        const QRect area(button->mapTo(m_window.get(), QPoint(0, 0)), button->size());
        return m_window->grab(area).toImage().pixelColor(1, 1);
    };
    const QColor resting = cornerOf();

    QTest::mouseMove(button, button->rect().center());
    button->setAttribute(Qt::WA_UnderMouse, true);
    const QColor hovered = cornerOf();
    QVERIFY2(hovered.lightness() > 96 && resting.lightness() > 96,
             qPrintable(QStringLiteral("resting %1, hovered %2").arg(resting.name(), hovered.name())));
}

// The languages of the build's catalogues are offered; the one chosen with
// the flag button is shown at once, Arabic right to left.
void tst_MainWindow::flagButtonSwitchesLanguageAtOnce()
{
    using Corvane::Utilities::Localization::LanguageSettings;
    QStringList offered;
    for (const auto& locale : MainWindow::locales())
        offered.append(locale.locale());
    QCOMPARE(offered, QStringLiteral(CORVANE_OFFERED_LOCALES).split(u' '));

    auto* button = m_window->findChild<QToolButton*>(QStringLiteral("languageButton"));
    QVERIFY(button && button->menu());
    const auto choose = [button](const QString& locale) {
        const QList<QAction*> actions = button->menu()->actions();
        const auto found = std::find_if(actions.begin(), actions.end(),
                                        [&locale](const QAction* action) { return action->data() == locale; });
        if (found != actions.end())
            (*found)->trigger();
        return found != actions.end();
    };
    const auto fileMenuTitle = [this] { return m_window->menuBar()->actions().constFirst()->text(); };
    // The help text and the dialogs the window opens turn with it.
    const auto helpDirection = [this] {
        const QTextEdit* help = m_window->findChild<QTextEdit*>(QStringLiteral("helpEdit"));
        return help->document()->defaultTextOption().textDirection();
    };
    QCOMPARE(fileMenuTitle(), QStringLiteral("&File"));
    for (const QString& locale : {QStringLiteral("de_DE"), LanguageSettings::ARABIC_LOCALE}) {
        QTranslator catalogue;
        QVERIFY(catalogue.load(QStringLiteral("VantrelConfig_") + locale, PathProvider::translationsPath()));
        const QString translated = catalogue.translate("Corvane::Configurator::MainWindow", "&File");
        QVERIFY2(!translated.isEmpty() && translated != u"&File", qPrintable(locale));
        QVERIFY(choose(locale));
        QCOMPARE(fileMenuTitle(), translated);
        const Qt::LayoutDirection direction =
            locale == LanguageSettings::ARABIC_LOCALE ? Qt::RightToLeft : Qt::LeftToRight;
        QCOMPARE(m_window->layoutDirection(), direction);
        QCOMPARE(helpDirection(), direction);
        QCOMPARE(QDialog(m_window.get()).layoutDirection(), direction);
    }
    QVERIFY(choose(LanguageSettings::DEFAULT_LOCALE));
    QCOMPARE(fileMenuTitle(), QStringLiteral("&File"));
    QCOMPARE(m_window->layoutDirection(), Qt::LeftToRight);
    QCOMPARE(helpDirection(), Qt::LeftToRight);
    QCOMPARE(QDialog(m_window.get()).layoutDirection(), Qt::LeftToRight);
}

int main(int argc, char** argv)
{
    if (argc == 3 && qstrcmp(argv[1], "--save-under-limit") == 0)
        return saveUnderLimit(argc, argv);
    QApplication application(argc, argv);
    tst_MainWindow test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_mainwindow.moc"
