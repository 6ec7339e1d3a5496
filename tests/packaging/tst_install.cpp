#include "dialogs/SkinPreview.h"
#include "theme/ThemeProvider.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

// Installs the build into a temporary prefix, as a packager would, and checks
// the result: the private libraries in a folder of their own, valid desktop
// entries with their icons, AppStream metainfo with this release, the project
// file type opened by the Configurator alone, manual pages, the activation
// helper's PolicyKit action and its hardening, the second built-in theme as a
// skin the program accepts, and the three programs starting from the prefix.
// Checks that need desktop-file-validate, appstreamcli, update-mime-database,
// update-desktop-database, gio, man, xmllint or readelf are skipped where the
// tool is not installed.
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
    void desktopDatabaseOpensProjectsInTheConfigurator();
    void metainfoIsValid_data();
    void metainfoIsValid();
    void newsNamesThisRelease();
    void manualPagesAreValid_data();
    void manualPagesAreValid();
    void policyNamesTheInstalledHelper();
    void helperIsHardened();
    void mimePackageIsValid();
    void otherThemeIsOfferedAsSkin();
    void everyProgramOffersTheLanguages_data();
    void everyProgramOffersTheLanguages();
    void programsStartFromThePrefix_data();
    void programsStartFromThePrefix();

private:
    QString prefixPath(const QString& relative) const { return m_prefix.filePath(relative); }
    QString privateLibDir() const { return prefixPath(QStringLiteral(LIBDIR) + QStringLiteral("/corvane")); }
    QString helperPath() const { return prefixPath(QStringLiteral("libexec/corvane/corvane-activate-project")); }
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

// The text of a file, empty when it cannot be read.
QByteArray fileContents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The value of a key of a desktop entry (whose files have one group).
QString desktopValue(const QString& path, const QString& key)
{
    const QRegularExpression line(QStringLiteral("^%1=(.*)$").arg(QRegularExpression::escape(key)),
                                  QRegularExpression::MultilineOption);
    return line.match(QString::fromUtf8(fileContents(path))).captured(1);
}

// The heading of the latest release in NEWS: "<name> <version> (<date>)".
QString newsFirstLine()
{
    return QString::fromUtf8(fileContents(QStringLiteral(SOURCE_DIR "/NEWS"))).section(u'\n', 0, 0);
}

QString newsReleaseDate()
{
    return QRegularExpression(QStringLiteral("\\((\\d{4}-\\d{2}-\\d{2})\\)$")).match(newsFirstLine()).captured(1);
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
    // The class of the program's windows: its application name.
    QTest::addColumn<QString>("windowClass");
    QTest::newRow("sentrel") << "sentrel.desktop" << "sentrel" << "TalveraVantrel";
    QTest::newRow("configurator") << "corvane-configurator.desktop" << "corvane-configurator" << "VantrelConfig";
    QTest::newRow("updater") << "corvane-updater.desktop" << "corvane-updater" << "TalveraVantrelUpdater";
}

void tst_Install::desktopEntriesAreValid()
{
    QFETCH(QString, entry);
    QFETCH(QString, program);
    QFETCH(QString, windowClass);
    const QString path = prefixPath(QStringLiteral("share/applications/") + entry);
    QVERIFY(QFileInfo::exists(path));
    QVERIFY(QFileInfo(prefixPath(QStringLiteral("bin/") + program)).isExecutable());

    QCOMPARE(desktopValue(path, QStringLiteral("Exec")).section(u' ', 0, 0), program);
    QCOMPARE(desktopValue(path, QStringLiteral("StartupWMClass")), windowClass);
    QVERIFY(!desktopValue(path, QStringLiteral("Keywords")).isEmpty());
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

// The desktops (GLib's for GNOME and Xfce, KDE's) open a file with a
// program that declares its type: only the Configurator does, so none has
// to choose by preference or by the order of names. Sentrel takes a file
// chosen through "Open with".
void tst_Install::projectsOpenInTheConfigurator()
{
    QStringList declaring;
    for (const QString& path : filesUnder(QStringLiteral("share/applications"))) {
        if (desktopValue(path, QStringLiteral("MimeType")).split(u';').contains(QStringLiteral("text/x-vtprj")))
            declaring.append(QFileInfo(path).fileName());
    }
    QCOMPARE(declaring, QStringList{QStringLiteral("corvane-configurator.desktop")});
    for (const QString& entry : {QStringLiteral("corvane-configurator.desktop"), QStringLiteral("sentrel.desktop")}) {
        const QString path = prefixPath(QStringLiteral("share/applications/") + entry);
        QVERIFY2(desktopValue(path, QStringLiteral("Exec")).endsWith(QStringLiteral(" %f")), qPrintable(path));
    }
}

// What a double-click does on GNOME and Xfce once the README's
// update-desktop-database has run: GLib's default for the type.
void tst_Install::desktopDatabaseOpensProjectsInTheConfigurator()
{
    const QString database = toolPath(QStringLiteral("update-desktop-database"));
    if (database.isEmpty())
        QSKIP("update-desktop-database is not installed");
    // On a copy: the prefix stays as a package would leave it.
    QTemporaryDir data;
    const QString applications = data.filePath(QStringLiteral("applications"));
    QVERIFY(QDir().mkpath(applications));
    for (const QString& path : filesUnder(QStringLiteral("share/applications")))
        QVERIFY(QFile::copy(path, QDir(applications).filePath(QFileInfo(path).fileName())));
    const ToolRun run = runTool(database, {applications});
    QVERIFY2(run.exitCode == 0, run.output.constData());
    const QByteArray cache = fileContents(QDir(applications).filePath(QStringLiteral("mimeinfo.cache")));
    QVERIFY2(cache.contains("\ntext/x-vtprj=corvane-configurator.desktop;\n"), cache.constData());

    const QString gio = toolPath(QStringLiteral("gio"));
    if (gio.isEmpty())
        QSKIP("gio is not installed");
    QTemporaryDir empty;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_DIRS"), data.path());
    for (const QString& name : {QStringLiteral("XDG_DATA_HOME"), QStringLiteral("XDG_CONFIG_HOME"),
                                QStringLiteral("XDG_CONFIG_DIRS")})
        environment.insert(name, empty.path());
    environment.remove(QStringLiteral("XDG_CURRENT_DESKTOP"));
    // GLib offers only programs that it finds in the PATH.
    environment.insert(QStringLiteral("PATH"),
                       prefixPath(QStringLiteral("bin")) + u':' + environment.value(QStringLiteral("PATH")));
    QProcess query;
    query.setProcessEnvironment(environment);
    query.setProcessChannelMode(QProcess::MergedChannels);
    query.start(gio, {QStringLiteral("mime"), QStringLiteral("text/x-vtprj")});
    QVERIFY(query.waitForFinished(60000));
    const QByteArray answer = query.readAll();
    QVERIFY2(answer.split('\n').value(0).endsWith("corvane-configurator.desktop"), answer.constData());
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
    const QString release = QStringLiteral("<release version=\"%1\" date=\"%2\">").arg(VERSION, newsReleaseDate());
    QVERIFY2(contents.contains(release.toUtf8()), qPrintable(release));
    // No home page yet, and no pictures on a server of our own.
    QVERIFY(!contents.contains("<url type=\"homepage\">"));
    QVERIFY(!contents.contains("<screenshot"));

    const QString appstream = toolPath(QStringLiteral("appstreamcli"));
    if (appstream.isEmpty())
        QSKIP("appstreamcli is not installed");
    const ToolRun run = runTool(appstream, {QStringLiteral("validate"), QStringLiteral("--no-net"), path});
    QVERIFY2(run.exitCode == 0, run.output.constData());
}

void tst_Install::newsNamesThisRelease()
{
    const QString first = newsFirstLine();
    QVERIFY2(first.startsWith(QStringLiteral("Corvane %1 (").arg(VERSION)), qPrintable(first));
    QVERIFY2(!newsReleaseDate().isEmpty(), qPrintable(first));
}

void tst_Install::manualPagesAreValid_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("switches");
    QTest::newRow("sentrel") << "sentrel" << QStringList{"/noserver", "/logsilent", "/logverbose"};
    QTest::newRow("configurator") << "corvane-configurator" << QStringList{"/logsilent", "/logverbose"};
    QTest::newRow("updater") << "corvane-updater" << QStringList{"/inifile", "/locale", "/automaticupdate"};
}

void tst_Install::manualPagesAreValid()
{
    QFETCH(QString, program);
    QFETCH(QStringList, switches);
    const QString page = prefixPath(QStringLiteral("share/man/man1/%1.1").arg(program));
    const QByteArray source = fileContents(page);
    QVERIFY2(source.startsWith(".TH " + program.toUpper().toUtf8() + " 1 "), qPrintable(page));
    QVERIFY(source.contains("\"Corvane " + VERSION.toUtf8() + "\""));
    for (const char* section : {"NAME", "SYNOPSIS", "OPTIONS", "FILES", "ENVIRONMENT", "NETWORK"})
        QVERIFY2(source.contains(QByteArray("\n.SH ") + section + '\n'), section);
    for (const QString& text : switches + QStringList{"CORVANE_CONFIG_DIR", "XDG_CONFIG_HOME", "XDG_STATE_HOME"})
        QVERIFY2(source.contains(text.toUtf8()), qPrintable(text));

    // As lintian reads it: any warning of man or groff counts.
    const QString man = toolPath(QStringLiteral("man"));
    if (man.isEmpty())
        QSKIP("man is not installed");
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    environment.insert(QStringLiteral("MANROFFSEQ"), QString());
    environment.insert(QStringLiteral("MANWIDTH"), QStringLiteral("80"));
    process.setProcessEnvironment(environment);
    process.start(man, {"--warnings", "-E", "UTF-8", "-l", "-Tutf8", "-Z", page});
    QVERIFY(process.waitForFinished(60000));
    const QByteArray warnings = process.readAllStandardError();
    QCOMPARE(process.exitCode(), 0);
    QVERIFY2(warnings.isEmpty(), warnings.constData());
    QVERIFY(!process.readAllStandardOutput().isEmpty());
}

// pkexec takes the action whose exec.path is the program it runs: the
// installed helper, which the Configurator runs from beside its bin folder.
void tst_Install::policyNamesTheInstalledHelper()
{
    const QString policy =
        prefixPath(QStringLiteral("share/polkit-1/actions/org.corvane.configurator.activate-project.policy"));
    QFile file(policy);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(policy));
    QXmlStreamReader xml(&file);
    QStringList actions;
    QMap<QString, QString> values; // element name or annotation key -> text
    const QStringList parents{QStringLiteral("policyconfig"), QStringLiteral("action"), QStringLiteral("defaults")};
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QString name = xml.name().toString();
        if (name == QLatin1String("action"))
            actions.append(xml.attributes().value(QLatin1String("id")).toString());
        if (name == QLatin1String("annotate")) {
            const QString key = xml.attributes().value(QLatin1String("key")).toString();
            values.insert(key, xml.readElementText());
        }
        else if (!parents.contains(name))
            values.insert(name, xml.readElementText());
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QCOMPARE(actions, QStringList{QStringLiteral("org.corvane.configurator.activate-project")});
    QCOMPARE(values.value(QStringLiteral("org.freedesktop.policykit.exec.path")), helperPath());
    QVERIFY(QFileInfo(helperPath()).isExecutable());
    for (const char* defaults : {"allow_any", "allow_inactive", "allow_active"})
        QCOMPARE(values.value(QLatin1String(defaults)), QStringLiteral("auth_admin_keep"));
    // The agent shows the command, and with it the project and its place.
    QVERIFY(values.value(QStringLiteral("message")).contains(QStringLiteral("$(command_line)")));

    const QString xmllint = toolPath(QStringLiteral("xmllint"));
    const QString dtd = QStringLiteral("/usr/share/polkit-1/policyconfig-1.dtd");
    if (xmllint.isEmpty() || !QFileInfo::exists(dtd))
        QSKIP("xmllint or PolicyKit's document type is not installed");
    const ToolRun run = runTool(xmllint, {QStringLiteral("--noout"), QStringLiteral("--dtdvalid"), dtd, policy});
    QVERIFY2(run.exitCode == 0 && run.output.isEmpty(), run.output.constData());
}

// The helper runs as root: its relocations are read-only, all of them bound
// before it starts.
void tst_Install::helperIsHardened()
{
    const QString readelf = toolPath(QStringLiteral("readelf"));
    if (readelf.isEmpty())
        QSKIP("readelf is not installed");
    const ToolRun segments = runTool(readelf, {QStringLiteral("-lW"), helperPath()});
    QVERIFY2(segments.output.contains("GNU_RELRO"), segments.output.constData());
    const ToolRun dynamic = runTool(readelf, {QStringLiteral("-dW"), helperPath()});
    QVERIFY2(dynamic.output.contains("BIND_NOW") || QRegularExpression(QStringLiteral("FLAGS_1\\)\\s+Flags:.* NOW"))
                                                    .match(QString::fromUtf8(dynamic.output)).hasMatch(),
             dynamic.output.constData());
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

void tst_Install::everyProgramOffersTheLanguages_data()
{
    QTest::addColumn<QString>("application");
    QTest::addColumn<QStringList>("libraries");
    QTest::newRow("sentrel") << "TalveraVantrel" << QStringList{"Gadgets", "Devices", "Platform"};
    QTest::newRow("configurator") << "VantrelConfig" << QStringList{"Gadgets", "Devices", "Platform"};
    QTest::newRow("updater") << "TalveraVantrelUpdater" << QStringList{"Platform"};
}

// Where the installed programs look, each language has the program's
// catalogue and those of the libraries it loads.
void tst_Install::everyProgramOffersTheLanguages()
{
    QFETCH(QString, application);
    QFETCH(QStringList, libraries);
    const QDir translations(prefixPath(QStringLiteral("share/corvane/translations")));
    const QStringList languages = QStringLiteral(CORVANE_OFFERED_LOCALES).split(u' ').mid(1);
    QVERIFY(!languages.isEmpty());
    for (const QString& language : languages) {
        for (const QString& catalogue : QStringList{application} + libraries) {
            const QString file = catalogue + u'_' + language + QStringLiteral(".qm");
            QVERIFY2(translations.exists(file), qPrintable(file));
        }
    }
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
