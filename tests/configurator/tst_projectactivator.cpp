#include "ProjectActivator.h"
#include "ProjectFixture.h"
#include "devices/serialization/XmlSerializer.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using Corvane::Configurator::ProjectActivator;
using Corvane::Devices::Serialization::XmlSerializer;

namespace {

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(content);
}

// The user "nobody" of Debian.
constexpr uid_t NOBODY = 65534;

constexpr QFileDevice::Permissions OPEN_FOLDER = QFileDevice::ReadOwner | QFileDevice::WriteOwner
    | QFileDevice::ExeOwner | QFileDevice::ReadOther | QFileDevice::ExeOther;

const QString HELPER = QStringLiteral(ACTIVATE_HELPER);

// Runs the helper directly (as the user), as pkexec would as root.
int runHelperDirectly(const QString&, const QStringList& arguments)
{
    return QProcess::execute(arguments.at(0), arguments.mid(1));
}

} // namespace

class tst_ProjectActivator : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void directCopyCreatesFolders();
    void pkexecArguments_data();
    void pkexecArguments();
    void helperGetsTheFolderWithoutLinks_data();
    void helperGetsTheFolderWithoutLinks();
    void readOnlyFolderGoesThroughPkexec();
    void pkexecOutcomes_data();
    void pkexecOutcomes();
    void helperThatReplacesNothingIsNotSuccess();
    void helperRunUnprivileged();
    void helperRemovesLeftTemporaries();
    void helperRefuses_data();
    void helperRefuses();
    void helperReadsAsInvokingUser();
    void failingCopyKeepsOldFile();
    void noShellInTheProgram();

private:
    QString writeProject(int version);

    QTemporaryDir m_dir;
    QUuid m_id;
};

void tst_ProjectActivator::init()
{
    QVERIFY(m_dir.isValid());
}

void tst_ProjectActivator::cleanup()
{
    QProcess::execute("chmod", {"-R", "u+w", m_dir.path()});
}

QString tst_ProjectActivator::writeProject(int version)
{
    auto project = ConfiguratorTest::makeProject(1, 2);
    project->setVersion(version);
    m_id = project->id();
    const QString path = m_dir.filePath(QStringLiteral("working-%1.vtprj").arg(version));
    if (!XmlSerializer::write(*project, path))
        return {};
    return path;
}

void tst_ProjectActivator::directCopyCreatesFolders()
{
    QVERIFY(ProjectActivator::isFolderWritable(m_dir.filePath("config/nested/ActiveProject.vtprj")));
    const QString source = writeProject(3);
    const QString destination = m_dir.filePath("config/nested/ActiveProject.vtprj");
    ProjectActivator activator;
    int runs = 0;
    activator.setRunner([&runs](const QString&, const QStringList&) { return ++runs, 0; });
    QCOMPARE(activator.activate(source, destination, m_id, 3), ProjectActivator::Result::Activated);
    QCOMPARE(runs, 0);
    QCOMPARE(readAll(destination), readAll(source));
    // A different version in place is not the activated project.
    QCOMPARE(activator.activate(source, destination, m_id, 4), ProjectActivator::Result::NotVerified);
}

void tst_ProjectActivator::pkexecArguments_data()
{
    QTest::addColumn<QString>("folder");
    QTest::newRow("spaces") << "my projects/active one";
    QTest::newRow("quotes") << "it's \"here\"";
    QTest::newRow("dollar") << "$HOME $(rm -rf x) `id`";
    QTest::newRow("non-ascii") << QString::fromUtf8("Progetti/città ü 日本");
    QTest::newRow("dash folder") << "-rf";
}

void tst_ProjectActivator::pkexecArguments()
{
    QFETCH(QString, folder);
    const QString source = m_dir.filePath(folder + "/src.vtprj");
    const QString destination = m_dir.filePath(folder + "/dst.vtprj");
    QCOMPARE(ProjectActivator::pkexecArguments("/usr/libexec/corvane/helper", source, destination),
             (QStringList{"/usr/libexec/corvane/helper", "--", source, destination}));

    // The helper itself copies between such paths (run directly here).
    QVERIFY(QDir().mkpath(m_dir.filePath(folder)));
    const QString project = writeProject(1);
    QVERIFY(QFile::copy(project, source));
    QCOMPARE(runHelperDirectly({}, ProjectActivator::pkexecArguments(HELPER, source, destination)), 0);
    QCOMPARE(readAll(destination), readAll(project));
}

void tst_ProjectActivator::helperGetsTheFolderWithoutLinks_data()
{
    QTest::addColumn<QString>("destination"); // in the test folder, where "link" names "real"
    QTest::addColumn<QString>("expected");

    QTest::newRow("no link") << "real/ActiveProject.vtprj" << "real/ActiveProject.vtprj";
    QTest::newRow("folder through a link") << "link/ActiveProject.vtprj" << "real/ActiveProject.vtprj";
    QTest::newRow("folder to make, parent through a link") << "link/new/ActiveProject.vtprj"
                                                           << "real/new/ActiveProject.vtprj";
}

void tst_ProjectActivator::helperGetsTheFolderWithoutLinks()
{
    QFETCH(QString, destination);
    QFETCH(QString, expected);
    // A home folder may lie behind a link, which the helper refuses: the
    // Configurator resolves it first.
    QVERIFY(QDir().mkpath(m_dir.filePath("real")));
    QFile::link(m_dir.filePath("real"), m_dir.filePath("link"));
    const QString folder = QFileInfo(m_dir.path()).canonicalFilePath();
    const QStringList arguments = ProjectActivator::pkexecArguments(HELPER, writeProject(4), m_dir.filePath(destination));
    QCOMPARE(arguments.at(3), QDir(folder).filePath(expected));
    QCOMPARE(runHelperDirectly({}, arguments), 0);
    QCOMPARE(readAll(m_dir.filePath(destination)), readAll(m_dir.filePath("working-4.vtprj")));
}

void tst_ProjectActivator::readOnlyFolderGoesThroughPkexec()
{
    const QString source = writeProject(2);
    const QString folder = m_dir.filePath("locked");
    QVERIFY(QDir().mkpath(folder));
    const QString destination = folder + "/ActiveProject.vtprj";
    QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    if (::geteuid() != 0)
        QVERIFY(!ProjectActivator::isFolderWritable(destination));

    ProjectActivator activator;
    activator.setFolderWritableCheck([](const QString&) { return false; });
    activator.setPkexecPath(QCoreApplication::applicationFilePath()); // any executable file
    activator.setHelperPath(HELPER);
    QString program;
    QStringList arguments;
    activator.setRunner([&](const QString& p, const QStringList& a) {
        program = p;
        arguments = a;
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        return runHelperDirectly(p, a);
    });
    QCOMPARE(activator.activate(source, destination, m_id, 2), ProjectActivator::Result::Activated);
    QCOMPARE(program, activator.pkexecPath());
    QCOMPARE(arguments, (QStringList{HELPER, "--", source, destination}));
    QCOMPARE(readAll(destination), readAll(source));
}

void tst_ProjectActivator::pkexecOutcomes_data()
{
    QTest::addColumn<bool>("pkexecPresent");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<int>("result");

    QTest::newRow("no pkexec") << false << 0 << int(ProjectActivator::Result::NoPkexec);
    QTest::newRow("dismissed") << true << 126 << int(ProjectActivator::Result::NotAuthorized);
    QTest::newRow("no agent") << true << 127 << int(ProjectActivator::Result::NotAuthorized);
    QTest::newRow("helper failed") << true << 4 << int(ProjectActivator::Result::CopyFailed);
    QTest::newRow("crashed") << true << -1 << int(ProjectActivator::Result::CopyFailed);
}

void tst_ProjectActivator::pkexecOutcomes()
{
    QFETCH(bool, pkexecPresent);
    QFETCH(int, exitCode);
    QFETCH(int, result);

    const QString source = writeProject(5);
    const QString folder = m_dir.filePath("locked");
    QVERIFY(QDir().mkpath(folder));
    const QString destination = folder + "/ActiveProject.vtprj";
    QFile old(destination);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("old content");
    old.close();
    QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));

    ProjectActivator activator;
    activator.setFolderWritableCheck([](const QString&) { return false; });
    activator.setPkexecPath(pkexecPresent ? QCoreApplication::applicationFilePath() : m_dir.filePath("no-pkexec"));
    activator.setRunner([exitCode](const QString&, const QStringList&) { return exitCode; });
    QCOMPARE(int(activator.activate(source, destination, m_id, 5)), result);
    QCOMPARE(readAll(destination), QByteArray("old content"));
}

void tst_ProjectActivator::helperThatReplacesNothingIsNotSuccess()
{
    const QString source = writeProject(6);
    const QString folder = m_dir.filePath("locked");
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    ProjectActivator activator;
    activator.setFolderWritableCheck([](const QString&) { return false; });
    activator.setPkexecPath(QCoreApplication::applicationFilePath());
    activator.setRunner([](const QString&, const QStringList&) { return 0; });
    QCOMPARE(activator.activate(source, folder + "/ActiveProject.vtprj", m_id, 6), ProjectActivator::Result::NotVerified);
}

void tst_ProjectActivator::helperRunUnprivileged()
{
    // The active project's own folder is made; the file, which holds the
    // gateways' passwords, is the user's alone.
    const QString source = writeProject(7);
    const QString destination = m_dir.filePath("made/ActiveProject.vtprj");
    QCOMPARE(runHelperDirectly({}, {HELPER, "--", source, destination}), 0);
    QCOMPARE(readAll(destination), readAll(source));
    struct stat info {};
    QCOMPARE(::stat(QFile::encodeName(destination).constData(), &info), 0);
    QCOMPARE(info.st_mode & 0777, mode_t(0600));
    QCOMPARE(::stat(QFile::encodeName(m_dir.filePath("made")).constData(), &info), 0);
    QCOMPARE(info.st_mode & 0777, mode_t(0755) & ~mode_t(::umask(022) & 0777));

    // A replaced file keeps its mode.
    QVERIFY(QFile::setPermissions(destination, QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                   | QFileDevice::ReadGroup | QFileDevice::ReadOther));
    QCOMPARE(runHelperDirectly({}, {HELPER, "--", writeProject(8), destination}), 0);
    QCOMPARE(readAll(destination), readAll(m_dir.filePath("working-8.vtprj")));
    QCOMPARE(::stat(QFile::encodeName(destination).constData(), &info), 0);
    QCOMPARE(info.st_mode & 0777, mode_t(0644));
    QCOMPARE(QDir(m_dir.filePath("made")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList{"ActiveProject.vtprj"});
}

void tst_ProjectActivator::helperRemovesLeftTemporaries()
{
    // What a killed copy left beside the active project goes with the next
    // one; nothing else does.
    const QString folder = m_dir.filePath("active");
    QVERIFY(QDir().mkpath(folder));
    const QStringList left{"ActiveProject.vtprj.0a9f3c", "ActiveProject.vtprj.123456"};
    const QStringList kept{"ActiveProject.vtprj.0A9F3C", "ActiveProject.vtprj.12345g", "ActiveProject.vtprj.backup",
                           "ActiveProject.vtprj.1234567", "Other.vtprj.0a9f3c"};
    for (const QString& name : left + kept)
        writeFile(QDir(folder).filePath(name), "left");
    QVERIFY(QDir().mkpath(QDir(folder).filePath("ActiveProject.vtprj.abcdef")));
    QCOMPARE(runHelperDirectly({}, {HELPER, "--", writeProject(1), folder + "/ActiveProject.vtprj"}), 0);
    QStringList expected = kept + QStringList{"ActiveProject.vtprj", "ActiveProject.vtprj.abcdef"};
    expected.sort();
    QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name), expected);
    for (const QString& name : kept)
        QCOMPARE(readAll(QDir(folder).filePath(name)), QByteArray("left"));
}

void tst_ProjectActivator::helperRefuses_data()
{
    QTest::addColumn<QStringList>("arguments"); // %1: the test folder
    QTest::addColumn<QString>("pkexecUid");     // "nobody": a user other than this one; empty: unset
    QTest::addColumn<int>("exitCode");

    const QString none;
    QTest::newRow("no separator") << QStringList{"%1/src.vtprj", "%1/dst.vtprj"} << none << 2;
    QTest::newRow("extra argument") << QStringList{"--", "%1/src.vtprj", "%1/dst.vtprj", "%1/more"} << none << 2;
    QTest::newRow("relative source") << QStringList{"--", "src.vtprj", "%1/dst.vtprj"} << none << 3;
    QTest::newRow("relative destination") << QStringList{"--", "%1/src.vtprj", "dst.vtprj"} << none << 3;
    QTest::newRow("folder destination") << QStringList{"--", "%1/src.vtprj", "%1/folder.vtprj"} << none << 3;
    QTest::newRow("trailing slash") << QStringList{"--", "%1/src.vtprj", "%1/new.vtprj/"} << none << 3;
    QTest::newRow("symlink destination") << QStringList{"--", "%1/src.vtprj", "%1/link.vtprj"} << none << 3;
    // Only the destination's own folder is made, and no symbolic link is
    // followed on the way to it.
    QTest::newRow("folder's parent missing") << QStringList{"--", "%1/src.vtprj", "%1/no/such/dst.vtprj"} << none
                                             << 3;
    QTest::newRow("symlinked folder") << QStringList{"--", "%1/src.vtprj", "%1/linked/dst.vtprj"} << none << 3;
    QTest::newRow("symlink further up") << QStringList{"--", "%1/src.vtprj", "%1/linked/inner/dst.vtprj"} << none
                                        << 3;
    QTest::newRow("symlink to a folder to make") << QStringList{"--", "%1/src.vtprj", "%1/dangling/dst.vtprj"}
                                                 << none << 3;
    QTest::newRow("file on the way") << QStringList{"--", "%1/src.vtprj", "%1/text.vtprj/dst.vtprj"} << none << 3;
    QTest::newRow("missing source") << QStringList{"--", "%1/absent.vtprj", "%1/dst.vtprj"} << none << 4;
    // Only project files are written.
    QTest::newRow("destination not a project") << QStringList{"--", "%1/src.vtprj", "%1/dst.txt"} << none << 3;
    QTest::newRow("destination .vtprj.bak") << QStringList{"--", "%1/src.vtprj", "%1/dst.vtprj.bak"} << none << 3;
    QTest::newRow("destination only .vtprj") << QStringList{"--", "%1/src.vtprj", "%1/.vtprj"} << none << 3;
    QTest::newRow("destination .VTPRJ") << QStringList{"--", "%1/src.vtprj", "%1/dst.VTPRJ"} << none << 3;
    // Only a source that reads as a project is copied.
    QTest::newRow("plain text source") << QStringList{"--", "%1/text.vtprj", "%1/dst.vtprj"} << none << 3;
    QTest::newRow("empty source") << QStringList{"--", "%1/empty.vtprj", "%1/dst.vtprj"} << none << 3;
    QTest::newRow("user settings source") << QStringList{"--", "%1/settings.xml", "%1/dst.vtprj"} << none << 3;
    QTest::newRow("project without id") << QStringList{"--", "%1/noid.vtprj", "%1/dst.vtprj"} << none << 3;
    QTest::newRow("truncated project") << QStringList{"--", "%1/truncated.vtprj", "%1/dst.vtprj"} << none << 3;
    QTest::newRow("folder source") << QStringList{"--", "%1/folder.vtprj", "%1/dst.vtprj"} << none << 3;
    QTest::newRow("fifo source") << QStringList{"--", "%1/fifo.vtprj", "%1/dst.vtprj"} << none << 3;
    QTest::newRow("system file") << QStringList{"--", "/etc/passwd", "%1/dst.vtprj"} << none << 3;
    // The source is read with the rights of pkexec's caller.
    QTest::newRow("secret of another user") << QStringList{"--", "%1/secret.vtprj", "%1/dst.vtprj"} << "nobody" << 3;
    QTest::newRow("shadow passwords") << QStringList{"--", "/etc/shadow", "%1/dst.vtprj"} << "nobody" << 3;
    QTest::newRow("PKEXEC_UID not a number") << QStringList{"--", "%1/src.vtprj", "%1/dst.vtprj"} << "root" << 3;
    QTest::newRow("PKEXEC_UID negative") << QStringList{"--", "%1/src.vtprj", "%1/dst.vtprj"} << "-1" << 3;
    QTest::newRow("PKEXEC_UID too large") << QStringList{"--", "%1/src.vtprj", "%1/dst.vtprj"} << "99999999999" << 3;
    QTest::newRow("PKEXEC_UID empty") << QStringList{"--", "%1/src.vtprj", "%1/dst.vtprj"} << "empty" << 3;
}

void tst_ProjectActivator::helperRefuses()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, pkexecUid);
    QFETCH(int, exitCode);

    // Others may pass through the folders, as through a home folder.
    QTemporaryDir dir(m_dir.filePath("refusal-XXXXXX"));
    for (const QString& folder : {m_dir.path(), dir.path()})
        QVERIFY(QFile::setPermissions(folder, OPEN_FOLDER));
    QVERIFY(QFile::copy(writeProject(1), dir.filePath("src.vtprj")));
    QVERIFY(QFile::copy(writeProject(2), dir.filePath("secret.vtprj")));
    QVERIFY(QFile::setPermissions(dir.filePath("secret.vtprj"), QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    const QByteArray project = readAll(dir.filePath("src.vtprj"));
    writeFile(dir.filePath("text.vtprj"), "project\n");
    writeFile(dir.filePath("empty.vtprj"), "");
    writeFile(dir.filePath("settings.xml"),
              "<?xml version=\"1.0\"?>\n<userSettings id=\"{6f1c2a4e-3b7d-4e52-9a0c-5d8e7f601234}\"/>\n");
    writeFile(dir.filePath("noid.vtprj"), QByteArray(project).replace(" id=\"", " uid=\""));
    writeFile(dir.filePath("truncated.vtprj"), project.left(project.size() / 2));
    QVERIFY(QDir().mkpath(dir.filePath("folder.vtprj")));
    QCOMPARE(::mkfifo(QFile::encodeName(dir.filePath("fifo.vtprj")).constData(), 0644), 0);
    writeFile(dir.filePath("target"), "linked");
    QVERIFY(QFile::link(dir.filePath("target"), dir.filePath("link.vtprj")));
    QTemporaryDir outside(m_dir.filePath("outside-XXXXXX"));
    QVERIFY(QDir().mkpath(outside.filePath("elsewhere/inner")));
    QVERIFY(QFile::link(outside.filePath("elsewhere"), dir.filePath("linked")));
    QVERIFY(QFile::link(outside.filePath("nowhere"), dir.filePath("dangling")));
    for (QString& argument : arguments)
        argument = argument.arg(dir.path());
    if (pkexecUid == "nobody") {
        if (::geteuid() != 0)
            QSKIP("Running as another user needs root");
        pkexecUid = QString::number(NOBODY);
    }
    const QStringList before = QDir(dir.path()).entryList(QDir::AllEntries | QDir::System | QDir::Hidden);

    QProcess helper;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("PKEXEC_UID");
    if (!pkexecUid.isEmpty())
        environment.insert("PKEXEC_UID", pkexecUid == "empty" ? QString() : pkexecUid);
    helper.setProcessEnvironment(environment);
    helper.setProcessChannelMode(QProcess::ForwardedChannels);
    helper.start(HELPER, arguments);
    QVERIFY(helper.waitForFinished(10000));
    QCOMPARE(helper.exitStatus(), QProcess::NormalExit);
    QCOMPARE(helper.exitCode(), exitCode);
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::System | QDir::Hidden), before);
    QCOMPARE(readAll(dir.filePath("target")), QByteArray("linked"));
    QCOMPARE(QDir(outside.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"elsewhere"});
    QCOMPARE(QDir(outside.filePath("elsewhere")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList{"inner"});
    QVERIFY(QDir(outside.filePath("elsewhere/inner")).isEmpty());
}

void tst_ProjectActivator::helperReadsAsInvokingUser()
{
    if (::geteuid() != 0)
        QSKIP("Running as another user needs root");
    // A project that the invoking user may read is copied; root's rights
    // write it into a folder only root may write.
    QVERIFY(QFile::setPermissions(m_dir.path(), OPEN_FOLDER));
    const QString source = writeProject(9);
    QVERIFY(QFile::setPermissions(source, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadOther));
    const QString destination = m_dir.filePath("root-only/ActiveProject.vtprj");
    QProcess helper;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("PKEXEC_UID", QString::number(NOBODY));
    helper.setProcessEnvironment(environment);
    helper.setProcessChannelMode(QProcess::ForwardedChannels);
    helper.start(HELPER, {"--", source, destination});
    QVERIFY(helper.waitForFinished(10000));
    QCOMPARE(helper.exitCode(), 0);
    QCOMPARE(readAll(destination), readAll(source));
    // The new file, with the gateways' passwords, is the invoking user's
    // alone: the control program runs as that user and reads it.
    struct stat info {};
    QCOMPARE(::stat(QFile::encodeName(destination).constData(), &info), 0);
    QCOMPARE(info.st_uid, NOBODY);
    QCOMPARE(info.st_mode & 07777, mode_t(0600));
    QCOMPARE(::stat(QFile::encodeName(m_dir.filePath("root-only")).constData(), &info), 0);
    QCOMPARE(info.st_uid, uid_t(0));

    // A replaced file keeps its owner and mode.
    QCOMPARE(::chown(QFile::encodeName(destination).constData(), 0, 0), 0);
    QCOMPARE(::chmod(QFile::encodeName(destination).constData(), 0644), 0);
    const QString next = writeProject(10);
    QVERIFY(QFile::setPermissions(next, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadOther));
    helper.start(HELPER, {"--", next, destination});
    QVERIFY(helper.waitForFinished(10000));
    QCOMPARE(helper.exitCode(), 0);
    QCOMPARE(readAll(destination), readAll(next));
    QCOMPARE(::stat(QFile::encodeName(destination).constData(), &info), 0);
    QCOMPARE(info.st_uid, uid_t(0));
    QCOMPARE(info.st_mode & 07777, mode_t(0644));
}

void tst_ProjectActivator::failingCopyKeepsOldFile()
{
    // A write failing part-way (as on a full disk): a child limited in file
    // size replaces nothing.
    const QString destination = m_dir.filePath("ActiveProject.vtprj");
    QFile old(destination);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("old content");
    old.close();
    QFile big(m_dir.filePath("big.vtprj"));
    QVERIFY(big.open(QIODevice::WriteOnly));
    big.write(readAll(writeProject(10)) + "<!--" + QByteArray(256 * 1024, 'x') + "-->\n");
    big.close();
    const QString script = QStringLiteral("trap '' XFSZ; ulimit -f 64; exec \"$0\" -- \"$1\" \"$2\"");
    const int code = QProcess::execute("/bin/sh", {"-c", script, HELPER, big.fileName(), destination});
    QVERIFY(code != 0);
    QCOMPARE(readAll(destination), QByteArray("old content"));
    QCOMPARE(QDir(m_dir.path()).entryList({"ActiveProject.vtprj.*"}, QDir::Files), QStringList());
}

void tst_ProjectActivator::noShellInTheProgram()
{
    // Nothing of a project may reach a shell: no system(), popen() or "sh -c".
    const QStringList forbidden{"system(", "popen(", "\"sh\"", "/bin/sh", "\"-c\""};
    QDirIterator sources(QStringLiteral(CONFIGURATOR_SOURCE_DIR), {"*.cpp", "*.h"}, QDir::Files,
                         QDirIterator::Subdirectories);
    int files = 0;
    while (sources.hasNext()) {
        const QString path = sources.next();
        const QByteArray text = readAll(path);
        ++files;
        for (const QString& word : forbidden)
            QVERIFY2(!text.contains(word.toUtf8()), qPrintable(path + ": " + word));
    }
    QVERIFY(files > 20);
}

QTEST_GUILESS_MAIN(tst_ProjectActivator)
#include "tst_projectactivator.moc"
