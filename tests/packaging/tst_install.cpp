#include "dialogs/SkinPreview.h"
#include "theme/ThemeProvider.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

// Installs the build into a temporary prefix, as a packager would, and checks
// the result: the private libraries in a folder of their own, valid desktop
// entries with their icons, AppStream metainfo, the project file type, the
// second built-in theme as a skin the program accepts, and the three programs
// starting from the prefix. Checks that need desktop-file-validate,
// appstreamcli, update-mime-database or readelf are skipped where the tool is
// not installed.
class tst_Install : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();

    void privateLibrariesAreInTheirOwnFolder();
    void privateLibrariesCarryOneVersion();
    void desktopEntriesAreValid_data();
    void desktopEntriesAreValid();
    void projectsOpenInTheConfigurator();
    void metainfoIsValid_data();
    void metainfoIsValid();
    void mimePackageIsValid();
    void otherThemeIsOfferedAsSkin();
    void programsStartFromThePrefix_data();
    void programsStartFromThePrefix();

private:
    QString prefixPath(const QString& relative) const { return m_prefix.filePath(relative); }
    QString privateLibDir() const { return prefixPath(QStringLiteral(LIBDIR) + QStringLiteral("/corvane")); }
    QStringList filesUnder(const QString& relative) const;
    QProcessEnvironment freshEnvironment(const QString& home) const;

    QTemporaryDir m_prefix;
};

namespace {

const QString VERSION = QStringLiteral(PROJECT_VERSION);
const QString SONAME_VERSION = VERSION.section(u'.', 0, 0);
// Long enough for a loaded machine running the whole suite at once.
constexpr int START_TIMEOUT_MS = 30000;
constexpr int SETTLE_MS = 2000;
constexpr int QUIT_TIMEOUT_MS = 10000;

QString toolPath(const QString& name)
{
    return QStandardPaths::findExecutable(name);
}

struct ToolRun
{
    int exitCode = -1;
    QByteArray output;
};

ToolRun runTool(const QString& tool, const QStringList& arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(tool, arguments);
    ToolRun run;
    if (!process.waitForFinished(120000)) {
        process.kill();
        process.waitForFinished();
        run.output = "timed out";
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.output = process.readAll();
    return run;
}

// The value of a key of a desktop entry (whose files have one group).
QString desktopValue(const QString& path, const QString& key)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    const QRegularExpression line(QStringLiteral("^%1=(.*)$").arg(QRegularExpression::escape(key)),
                                  QRegularExpression::MultilineOption);
    return line.match(QString::fromUtf8(file.readAll())).captured(1);
}

int initialPreference(const QString& path)
{
    // Entries without one rank at the desktops' default.
    const QString value = desktopValue(path, QStringLiteral("InitialPreference"));
    return value.isEmpty() ? 1 : value.toInt();
}

bool writeFile(const QString& path, const QString& contents)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(contents.toUtf8()) == contents.toUtf8().size();
}

} // namespace

void tst_Install::initTestCase()
{
    QVERIFY(m_prefix.isValid());
    QProcess install;
    install.setProcessChannelMode(QProcess::MergedChannels);
    install.start(QStringLiteral(CMAKE_COMMAND), {"--install", QStringLiteral(BUILD_DIR), "--prefix", m_prefix.path()});
    QVERIFY(install.waitForFinished(240000));
    QVERIFY2(install.exitCode() == 0, install.readAll().constData());
}

QStringList tst_Install::filesUnder(const QString& relative) const
{
    QStringList files;
    QDirIterator it(prefixPath(relative), QDir::Files | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(it.next());
    return files;
}

void tst_Install::privateLibrariesAreInTheirOwnFolder()
{
    const QStringList libraries = filesUnder(QStringLiteral("."))
                                      .filter(QRegularExpression(QStringLiteral("/lib[^/]*\\.so(\\.[0-9.]+)?$")));
    QVERIFY(!libraries.isEmpty());
    for (const QString& library : libraries) {
        QCOMPARE(QFileInfo(library).absolutePath(), privateLibDir());
        QVERIFY2(!library.endsWith(QStringLiteral(".so")), qPrintable(library + " is a development symlink"));
    }
    QVERIFY2(!QFileInfo::exists(prefixPath(QStringLiteral("include"))), "headers are installed");
}

void tst_Install::privateLibrariesCarryOneVersion()
{
    const QString readelf = toolPath(QStringLiteral("readelf"));
    if (readelf.isEmpty())
        QSKIP("readelf is not installed");
    const QDir folder(privateLibDir());
    const QStringList files = folder.entryList({QStringLiteral("lib*.so.*")}, QDir::Files | QDir::NoSymLinks);
    QVERIFY(!files.isEmpty());
    for (const QString& file : files) {
        const QString base = file.section(QStringLiteral(".so."), 0, 0);
        QCOMPARE(file, base + QStringLiteral(".so.") + VERSION);
        const QString soname = base + QStringLiteral(".so.") + SONAME_VERSION;
        const ToolRun run = runTool(readelf, {QStringLiteral("-d"), folder.filePath(file)});
        QVERIFY2(run.output.contains(QStringLiteral("Library soname: [%1]").arg(soname).toUtf8()),
                 qPrintable(file + ": " + run.output));
        QVERIFY2(QFileInfo(folder.filePath(soname)).isSymLink(), qPrintable(soname));
    }
}

void tst_Install::desktopEntriesAreValid_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("program");
    QTest::newRow("sentrel") << "sentrel.desktop" << "sentrel";
    QTest::newRow("configurator") << "corvane-configurator.desktop" << "corvane-configurator";
    QTest::newRow("updater") << "corvane-updater.desktop" << "corvane-updater";
}

void tst_Install::desktopEntriesAreValid()
{
    QFETCH(QString, entry);
    QFETCH(QString, program);
    const QString path = prefixPath(QStringLiteral("share/applications/") + entry);
    QVERIFY(QFileInfo::exists(path));
    QVERIFY(QFileInfo(prefixPath(QStringLiteral("bin/") + program)).isExecutable());

    QCOMPARE(desktopValue(path, QStringLiteral("Exec")).section(u' ', 0, 0), program);
    const QString icon = desktopValue(path, QStringLiteral("Icon"));
    QVERIFY(!icon.isEmpty());
    const QString hicolor = prefixPath(QStringLiteral("share/icons/hicolor/"));
    QVERIFY2(QFileInfo::exists(hicolor + QStringLiteral("scalable/apps/") + icon + QStringLiteral(".svg")),
             qPrintable(icon));
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const QString png = hicolor + QStringLiteral("%1x%1/apps/").arg(size) + icon + QStringLiteral(".png");
        QVERIFY2(QImage(png).size() == QSize(size, size), qPrintable(png));
    }

    const QString validator = toolPath(QStringLiteral("desktop-file-validate"));
    if (validator.isEmpty())
        QSKIP("desktop-file-validate is not installed");
    const ToolRun run = runTool(validator, {path});
    QCOMPARE(run.exitCode, 0);
    // Hints (a second main category, say) count too.
    QVERIFY2(run.output.trimmed().isEmpty(), run.output.constData());
}

void tst_Install::projectsOpenInTheConfigurator()
{
    const QString configurator = prefixPath(QStringLiteral("share/applications/corvane-configurator.desktop"));
    const QString sentrel = prefixPath(QStringLiteral("share/applications/sentrel.desktop"));
    for (const QString& path : {configurator, sentrel}) {
        QVERIFY2(desktopValue(path, QStringLiteral("MimeType")).split(u';').contains(QStringLiteral("text/x-vtprj")),
                 qPrintable(path));
        QVERIFY2(desktopValue(path, QStringLiteral("Exec")).endsWith(QStringLiteral(" %f")), qPrintable(path));
    }
    QVERIFY(initialPreference(configurator) > initialPreference(sentrel));
}

void tst_Install::metainfoIsValid_data()
{
    QTest::addColumn<QString>("metainfo");
    QTest::addColumn<QString>("entry");
    QTest::newRow("sentrel") << "org.corvane.Sentrel.metainfo.xml" << "sentrel.desktop";
    QTest::newRow("configurator") << "org.corvane.Configurator.metainfo.xml" << "corvane-configurator.desktop";
    QTest::newRow("updater") << "org.corvane.Updater.metainfo.xml" << "corvane-updater.desktop";
}

void tst_Install::metainfoIsValid()
{
    QFETCH(QString, metainfo);
    QFETCH(QString, entry);
    const QString path = prefixPath(QStringLiteral("share/metainfo/") + metainfo);
    QFile file(path);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
    const QByteArray contents = file.readAll();
    QVERIFY(contents.contains("<launchable type=\"desktop-id\">" + entry.toUtf8() + "</launchable>"));
    QVERIFY(QFileInfo::exists(prefixPath(QStringLiteral("share/applications/") + entry)));

    const QString appstream = toolPath(QStringLiteral("appstreamcli"));
    if (appstream.isEmpty())
        QSKIP("appstreamcli is not installed");
    const ToolRun run = runTool(appstream, {QStringLiteral("validate"), QStringLiteral("--no-net"), path});
    QVERIFY2(run.exitCode == 0, run.output.constData());
}

void tst_Install::mimePackageIsValid()
{
    const QString package = prefixPath(QStringLiteral("share/mime/packages/talvera-vtprj.xml"));
    QVERIFY(QFileInfo::exists(package));
    const QString updater = toolPath(QStringLiteral("update-mime-database"));
    if (updater.isEmpty())
        QSKIP("update-mime-database is not installed");
    // On a copy: the prefix stays as a package would leave it.
    QTemporaryDir mime;
    QVERIFY(QDir().mkpath(mime.filePath(QStringLiteral("packages"))));
    QVERIFY(QFile::copy(package, mime.filePath(QStringLiteral("packages/talvera-vtprj.xml"))));
    // It also notes that the copy is outside the desktop's search path.
    const ToolRun run = runTool(updater, {mime.path()});
    QVERIFY2(run.exitCode == 0, run.output.constData());
    QFile globs(mime.filePath(QStringLiteral("globs2")));
    QVERIFY(globs.open(QIODevice::ReadOnly));
    QVERIFY(globs.readAll().contains(":text/x-vtprj:*.vtprj"));
}

void tst_Install::otherThemeIsOfferedAsSkin()
{
    const QString skins = prefixPath(QStringLiteral("share/corvane/skins"));
    QCOMPARE(QDir(skins).entryList(QDir::Files), QStringList{QStringLiteral("CorvaneTheme.zip")});

    // Sentrel's built-in theme, and the skin browser's own check of the zip.
    Corvane::Gadgets::ThemeProvider::DefaultThemeFolder = QStringLiteral(":/TalveraTheme");
    Corvane::Gadgets::SkinPreview preview;
    preview.addSkins(skins);
    QVERIFY2(preview.rejectedSkins().isEmpty(), qPrintable(preview.rejectedSkins().join(u'\n')));
    QCOMPARE(preview.skinCount(), 2);
    QCOMPARE(preview.findSkin(QDir(skins).filePath(QStringLiteral("CorvaneTheme.zip"))), 1);
}

QProcessEnvironment tst_Install::freshEnvironment(const QString& home) const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString& name : {QStringLiteral("LD_LIBRARY_PATH"), QStringLiteral("CORVANE_CONFIG_DIR"),
                                QStringLiteral("CORVANE_DATA_DIR"), QStringLiteral("CORVANE_UPDATER"),
                                QStringLiteral("CORVANE_ACTIVATE_HELPER"), QStringLiteral("DISPLAY"),
                                QStringLiteral("WAYLAND_DISPLAY")})
        environment.remove(name);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("HOME"), home);
    for (const QString& name : {QStringLiteral("XDG_CONFIG_HOME"), QStringLiteral("XDG_CACHE_HOME"),
                                QStringLiteral("XDG_DATA_HOME"), QStringLiteral("XDG_STATE_HOME"),
                                QStringLiteral("XDG_RUNTIME_DIR")})
        environment.insert(name, QDir(home).filePath(name.toLower()));
    return environment;
}

void tst_Install::programsStartFromThePrefix_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("instance");
    QTest::newRow("sentrel") << "sentrel" << QStringList{"/noserver", prefixPath("share/corvane/demo.vtprj")}
                             << "Talvera.TalveraVantrel.instance";
    QTest::newRow("configurator") << "corvane-configurator" << QStringList{prefixPath("share/corvane/demo.vtprj")}
                                  << "Talvera.VantrelConfig.instance";
    QTest::newRow("updater") << "corvane-updater" << QStringList{} << "Talvera.TalveraVantrelUpdater.instance";
}

// Each program starts from the prefix with the environment of a first start
// (fresh XDG folders, no library path): it is up once it listens for later
// starts and is still running a moment later; then it is ended. Nothing
// leaves the machine: the start-up update checks are switched off, and the
// Updater asks a port on 127.0.0.1 where nobody listens.
void tst_Install::programsStartFromThePrefix()
{
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    QFETCH(QString, instance);

    QTemporaryDir home;
    QVERIFY(home.isValid());
    const QProcessEnvironment environment = freshEnvironment(home.path());
    const QString runtime = environment.value(QStringLiteral("XDG_RUNTIME_DIR"));
    QVERIFY(QDir().mkpath(runtime));
    QVERIFY(QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    quint16 closedPort = 0;
    {
        QTcpServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost));
        closedPort = server.serverPort();
    }
    const QString config = QDir(environment.value(QStringLiteral("XDG_CONFIG_HOME"))).filePath(QStringLiteral("corvane/"));
    const QString noStartupCheck = QStringLiteral("[General]\nshow_updates_on_startup=false\n");
    QVERIFY(writeFile(config + QStringLiteral("TalveraVantrel.ini"), noStartupCheck));
    QVERIFY(writeFile(config + QStringLiteral("VantrelConfig.ini"), noStartupCheck));
    QVERIFY(writeFile(config + QStringLiteral("TalveraVantrelUpdater.ini"),
                      QStringLiteral("[General]\nsoftware_update_link=http://127.0.0.1:%1/updates\n").arg(closedPort)));

    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(prefixPath(QStringLiteral("bin/") + program), arguments);
    QVERIFY2(process.waitForStarted(), qPrintable(process.errorString()));
    const QString socket = QDir(runtime).filePath(instance);
    const bool listening = QTest::qWaitFor(
        [&] { return QFileInfo::exists(socket) || process.state() != QProcess::Running; }, START_TIMEOUT_MS);
    // Looked at while it runs: a program that ends cleanly takes its socket
    // away.
    const bool socketMade = QFileInfo::exists(socket);
    QTest::qWait(SETTLE_MS);
    const bool running = process.state() == QProcess::Running;
    if (running) {
        process.terminate();
        if (!process.waitForFinished(QUIT_TIMEOUT_MS)) {
            process.kill();
            process.waitForFinished();
        }
    }
    const QByteArray output = process.readAll();
    QVERIFY2(listening && socketMade, output.constData());
    QVERIFY2(running, output.constData());
    QVERIFY2(!output.contains("error while loading shared libraries"), output.constData());
}

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    Corvane::Gadgets::ThemeProvider::initResources();
    tst_Install test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_install.moc"
