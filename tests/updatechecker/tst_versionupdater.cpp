#include "updatechecker/UpdaterTimer.h"
#include "updatechecker/VersionUpdater.h"

#include "HttpTestServer.h"
#include "LogCapture.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QNetworkProxy>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <algorithm>

using namespace Corvane::UpdateChecker;

namespace {

constexpr int TimeoutMs = 1000;
const QString CheckPath = QStringLiteral("/updates/Vantrel/check.xml");
const QString KitPath = QStringLiteral("/updates/Vantrel/vantrel_2.1.0_amd64.deb");

QByteArray kitBytes()
{
    QByteArray bytes;
    for (int i = 0; i < 200000; ++i)
        bytes.append(char(i * 7));
    return bytes;
}

QByteArray checkXml(const QByteArray& version, const QByteArray& kit, const QByteArray& extra = QByteArray())
{
    return "<?xml version=\"1.0\"?>\n<UPDATES>\n  <KIT version=\"" + version
        + "\" stage=\"4\" os=\"3\" architecture=\"2\" package=\"3\" link=\"vantrel_2.1.0_amd64.deb\" size=\""
        + QByteArray::number(kit.size()) + "\" sha256=\""
        + QCryptographicHash::hash(kit, QCryptographicHash::Sha256).toHex() + "\"" + extra + "/>\n</UPDATES>\n";
}

// A timer of the updater that times out only when the test fires it.
class HandTimer : public UpdaterTimer
{
public:
    explicit HandTimer(QObject* parent)
        : UpdaterTimer(parent)
    {
    }

    void start(int msec) override
    {
        m_interval = msec;
        m_active = true;
    }
    void stop() override { m_active = false; }

    bool isActive() const { return m_active; }
    int interval() const { return m_interval; }
    void fire()
    {
        m_active = !isSingleShot();
        Q_EMIT timeout();
    }

private:
    int m_interval = 0;
    bool m_active = false;
};

QList<int> results(const QSignalSpy& spy)
{
    QList<int> codes;
    for (const QList<QVariant>& arguments : spy)
        codes << arguments.at(0).value<UpdaterResult>();
    return codes;
}

} // namespace

class tst_VersionUpdater : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void check_data();
    void check();
    void checkFailsWhenServerNeverAnswers();
    void checkWithoutListeningServer_data();
    void checkWithoutListeningServer();
    void checkAbortEndsOnce();
    void checkFailureLogsCause_data();
    void checkFailureLogsCause();
    void checkFileDeadline_data();
    void checkFileDeadline();

    void downloadSavesVerifiedKit();
    void downloadReplacesExistingFile();
    void downloadLeavesUsersPartFileAlone();
    void failedRenameKeepsOldFile();
    void downloadRefusesDeclaredSize_data();
    void downloadRefusesDeclaredSize();
    void downloadHoldsBoundedBuffer();
    void downloadMinimumRate_data();
    void downloadMinimumRate();
    void downloadFailure_data();
    void downloadFailure();
    void downloadIntoMissingFolderFailsSaving();
    void downloadRefusesUnsafeLink_data();
    void downloadRefusesUnsafeLink();
    void downloadAbortDuringSlowTransferEndsOnce();
    void downloadAbortDuringSavingEndsOnce();

private:
    void check(const QString& installedVersion);
    // Serves the check file announcing kit, and kit itself: in chunks of
    // chunkSize bytes every chunkIntervalMs when chunkSize > 0.
    void serveKit(const QByteArray& kit, int chunkSize = 0, int chunkIntervalMs = 0);
    QString kitLink() const;
    bool waitForFinalDownloadResult(QSignalSpy& spy);
    // Times out the updater's running timer that was started with interval;
    // false when none runs.
    bool fireTimer(int interval);
    QString target() const;
    QStringList leftFiles() const;
    void writeFile(const QString& path, const QByteArray& bytes);
    QByteArray readFile(const QString& path);

    HttpTestServer* m_server = nullptr;
    VersionUpdater* m_updater = nullptr;
    QList<QPointer<HandTimer>> m_timers;
    QTemporaryDir* m_dir = nullptr;
    bool m_online = true;
};

void tst_VersionUpdater::initTestCase()
{
    // Proxy variables of the machine must not reroute loopback requests.
    QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
}

void tst_VersionUpdater::init()
{
    m_server = new HttpTestServer(this);
    QVERIFY(m_server->listen());
    m_timers.clear();
    m_updater = new VersionUpdater(this, [this](QObject* parent) {
        auto* timer = new HandTimer(parent);
        m_timers.append(timer);
        return timer;
    });
    m_updater->setTransferTimeout(TimeoutMs);
    m_online = true;
    m_updater->setNetworkAvailabilityProbe([this] { return m_online; });
    m_dir = new QTemporaryDir;
    QVERIFY(m_dir->isValid());
}

void tst_VersionUpdater::cleanup()
{
    delete m_updater;
    delete m_server;
    delete m_dir;
}

bool tst_VersionUpdater::fireTimer(int interval)
{
    for (HandTimer* timer : std::as_const(m_timers)) {
        if (timer && timer->isActive() && timer->interval() == interval) {
            timer->fire();
            return true;
        }
    }
    return false;
}

QString tst_VersionUpdater::target() const
{
    return m_dir->filePath("vantrel_2.1.0_amd64.deb");
}

QStringList tst_VersionUpdater::leftFiles() const
{
    return QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden);
}

void tst_VersionUpdater::writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray tst_VersionUpdater::readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void tst_VersionUpdater::check(const QString& installedVersion)
{
    m_updater->checkForNewVersion(m_server->url(CheckPath).toString(), installedVersion, Release, Linux, X64,
                                  DebianPackage, "Vantrel");
}

void tst_VersionUpdater::serveKit(const QByteArray& kit, int chunkSize, int chunkIntervalMs)
{
    m_server->setResponse(CheckPath, 200, checkXml("2.1.0", kit));
    HttpTestServer::Response response;
    response.body = kit;
    response.chunkSize = chunkSize;
    response.chunkIntervalMs = chunkIntervalMs;
    m_server->setResponse(KitPath, response);
}

QString tst_VersionUpdater::kitLink() const
{
    return m_server->url(KitPath).toString();
}

void tst_VersionUpdater::check_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("installed");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("fileName");

    const QByteArray kit = kitBytes();
    const QString kitName = "vantrel_2.1.0_amd64.deb";
    QTest::newRow("newer kit") << 200 << checkXml("2.1.0", kit) << "2.0.93" << int(NewVersionAvailable) << kitName;
    QTest::newRow("newer kit with firmware")
        << 200 << checkXml("2.1.0", kit, " firmware=\"1\"") << "2.0.93" << int(NewVersionWithFirmwareAvailable)
        << kitName;
    QTest::newRow("no software information")
        << 200 << checkXml("2.1.0", kit) << "-1.-1.-1" << int(NewVersionAvailable) << kitName;
    QTest::newRow("same version") << 200 << checkXml("2.1.0", kit) << "2.1.0" << int(UpToDate) << "";
    QTest::newRow("older kit") << 200 << checkXml("2.0.9", kit) << "2.0.10" << int(UpToDate) << "";
    QTest::newRow("kit of other package")
        << 200 << checkXml("2.1.0", kit).replace("package=\"3\"", "package=\"4\"") << "2.0.0"
        << int(NoKitsAvailable) << "";
    QTest::newRow("hostile kit names")
        << 200
        << checkXml("2.1.0", kit).replace("vantrel_2.1.0_amd64.deb", "../x")
               + checkXml("2.1.0", kit).replace("vantrel_2.1.0_amd64.deb", "/etc/x")
        << "2.0.0" << int(NoKitsAvailable) << "";
    QTest::newRow("empty kit name")
        << 200 << checkXml("2.1.0", kit).replace("vantrel_2.1.0_amd64.deb", "") << "2.0.0" << int(NoKitsAvailable)
        << "";
    QTest::newRow("no check file") << 404 << QByteArray("not here") << "2.0.0" << int(NoKitsAvailable) << "";
    QTest::newRow("server error") << 500 << QByteArray("oops") << "2.0.0" << int(ServerUnreachable) << "";
    QTest::newRow("not a check file") << 200 << QByteArray("<html/>") << "2.0.0" << int(ServerUnreachable) << "";
}

void tst_VersionUpdater::check()
{
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    QFETCH(QString, installed);
    QFETCH(int, result);
    QFETCH(QString, fileName);

    m_server->setResponse(CheckPath, status, body);
    QSignalSpy finished(m_updater, &VersionUpdater::checkForNewVersionFinished);
    check(installed);
    QVERIFY(finished.wait());
    QCOMPARE(results(finished), QList<int>{result});
    QCOMPARE(finished.at(0).at(1).toString(), fileName);
    QVERIFY(!m_updater->isBusy());
}

void tst_VersionUpdater::checkFailsWhenServerNeverAnswers()
{
    HttpTestServer::Response silent;
    silent.neverAnswer = true;
    m_server->setResponse(CheckPath, silent);
    QSignalSpy finished(m_updater, &VersionUpdater::checkForNewVersionFinished);
    check("2.0.0");
    QVERIFY(finished.wait(TimeoutMs * 10));
    QCOMPARE(results(finished), QList<int>{ServerUnreachable});
}

void tst_VersionUpdater::checkWithoutListeningServer_data()
{
    QTest::addColumn<bool>("online");
    QTest::addColumn<int>("result");

    QTest::newRow("network up") << true << int(ServerUnreachable);
    QTest::newRow("network down") << false << int(NetworkUnavailable);
}

void tst_VersionUpdater::checkWithoutListeningServer()
{
    QFETCH(bool, online);
    QFETCH(int, result);

    m_online = online;
    QSignalSpy finished(m_updater, &VersionUpdater::checkForNewVersionFinished);
    m_updater->checkForNewVersion(QString("http://127.0.0.1:%1/check.xml").arg(HttpTestServer::closedPort()),
                                  "2.0.0", Release, Linux, X64, DebianPackage, "Vantrel");
    QVERIFY(finished.wait());
    QCOMPARE(results(finished), QList<int>{result});
}

void tst_VersionUpdater::checkAbortEndsOnce()
{
    HttpTestServer::Response slow;
    slow.delayMs = 2000;
    slow.body = checkXml("2.1.0", kitBytes());
    m_server->setResponse(CheckPath, slow);
    QSignalSpy finished(m_updater, &VersionUpdater::checkForNewVersionFinished);
    check("2.0.0");
    QTest::qWait(50);
    m_updater->abortCheckForNewVersion();
    m_updater->abortCheckForNewVersion();
    m_updater->abortDownloadNewVersion();
    QTRY_COMPARE(finished.count(), 1);
    QTest::qWait(100);
    QCOMPARE(results(finished), QList<int>{CheckCanceled});
}

void tst_VersionUpdater::checkFailureLogsCause_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("headers");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("cause");

    const QByteArray kits = checkXml("2.1.0", kitBytes());
    QTest::newRow("server error") << 500 << QByteArray() << QByteArray("oops") << "HTTP 500 Internal Server Error";
    QTest::newRow("malformed") << 200 << QByteArray() << kits.left(kits.size() / 2)
                               << "not a check file: not well-formed";
    QTest::newRow("other document") << 200 << QByteArray() << QByteArray("<html/>")
                                    << "not a check file: the document element is \"html\"";
    QByteArray oversized = kits;
    oversized.insert(oversized.indexOf("</UPDATES>"), QByteArray(VersionUpdater::MaxCheckFileSize, ' '));
    QTest::newRow("oversized") << 200 << QByteArray() << oversized << "the check file is larger than 1048576 bytes";
    QTest::newRow("redirect loop") << 302 << QByteArray("Location: " + CheckPath.toLatin1() + "\r\n")
                                   << QByteArray() << "Too many redirects (redirect to @server" + CheckPath + ")";
    QTest::newRow("redirect to a local file")
        << 302 << QByteArray("Location: file:///etc/hostname\r\n") << QByteArray()
        << "(redirect to file:///etc/hostname)";
}

void tst_VersionUpdater::checkFailureLogsCause()
{
    QFETCH(int, status);
    QFETCH(QByteArray, headers);
    QFETCH(QByteArray, body);
    QFETCH(QString, cause);

    cause.replace("@server", m_server->url().toString());
    HttpTestServer::Response response;
    response.status = status;
    response.headers = headers;
    response.body = body;
    m_server->setResponse(CheckPath, response);
    LogCapture log;
    QSignalSpy finished(m_updater, &VersionUpdater::checkForNewVersionFinished);
    check("2.0.0");
    QVERIFY(finished.wait());
    QCOMPARE(results(finished), QList<int>{ServerUnreachable});
    const QString prefix = "Update check of " + m_server->url(CheckPath).toString() + " failed: ";
    QVERIFY2(log.errors().size() == 1 && log.errors().constFirst().startsWith(prefix)
                 && log.errors().constFirst().contains(cause, Qt::CaseInsensitive),
             qPrintable(log.errors().join('\n')));
}

void tst_VersionUpdater::checkFileDeadline_data()
{
    QTest::addColumn<bool>("download");
    QTest::newRow("check") << false;
    QTest::newRow("check file before a download") << true;
}

void tst_VersionUpdater::checkFileDeadline()
{
    QFETCH(bool, download);

    // One byte every 5 ms: never silent long enough for the transfer
    // time-out, but the whole file would take seconds.
    HttpTestServer::Response trickle;
    trickle.body = checkXml("2.1.0", kitBytes());
    trickle.chunkSize = 1;
    trickle.chunkIntervalMs = 5;
    m_server->setResponse(CheckPath, trickle);
    m_updater->setCheckDeadline(200);
    LogCapture log;
    QSignalSpy checked(m_updater, &VersionUpdater::checkForNewVersionFinished);
    QSignalSpy downloaded(m_updater, &VersionUpdater::updateDownloadFinished);
    if (download)
        m_updater->downloadNewVersion(kitLink(), target());
    else
        check("2.0.0");
    QSignalSpy& finished = download ? downloaded : checked;
    QTRY_VERIFY(m_server->sentBodyBytes(CheckPath) > 0);
    QVERIFY(finished.isEmpty());

    QVERIFY(fireTimer(200));
    QTRY_COMPARE(finished.size(), 1);
    QCOMPARE(results(finished), QList<int>{download ? DownloadFailed : ServerUnreachable});
    QVERIFY2(log.contains("failed: no complete check file within 200 ms"), qPrintable(log.lines().join('\n')));
    QCOMPARE(leftFiles(), QStringList());
    QTRY_COMPARE(m_server->abandonedAnswers(CheckPath), 1);
}

bool tst_VersionUpdater::waitForFinalDownloadResult(QSignalSpy& spy)
{
    auto finalCount = [&spy] {
        int count = 0;
        for (const QList<QVariant>& arguments : spy)
            count += arguments.at(0).value<UpdaterResult>() != DownloadCompleted;
        return count;
    };
    if (!QTest::qWaitFor([&finalCount] { return finalCount() >= 1; }, 10000))
        return false;
    QTest::qWait(100); // a second final result would show up now
    return finalCount() == 1;
}

void tst_VersionUpdater::downloadSavesVerifiedKit()
{
    const QByteArray kit = kitBytes();
    serveKit(kit, 40000, 10);

    QSignalSpy finished(m_updater, &VersionUpdater::updateDownloadFinished);
    QSignalSpy progress(m_updater, &VersionUpdater::downloadProgress);
    QSignalSpy saving(m_updater, &VersionUpdater::savingDownloadedUpdateProgress);
    const QString link = kitLink();
    m_updater->downloadNewVersion(link, target());
    QVERIFY(waitForFinalDownloadResult(finished));

    QCOMPARE(results(finished), (QList<int>{DownloadCompleted, DownloadSaved}));
    QCOMPARE(finished.at(1).at(1).toString(), link);
    QCOMPARE(finished.at(1).at(2).toString(), target());
    QVERIFY(progress.count() >= 2);
    qint64 previous = 0;
    for (const QList<QVariant>& step : progress) {
        QVERIFY(step.at(0).toLongLong() > previous);
        QCOMPARE(step.at(1).toLongLong(), qint64(kit.size()));
        previous = step.at(0).toLongLong();
    }
    QCOMPARE(previous, qint64(kit.size()));
    QVERIFY(!saving.isEmpty());
    QCOMPARE(saving.last().at(0).toLongLong(), qint64(kit.size()));

    QFile saved(target());
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), kit);
    QCOMPARE(leftFiles(), QStringList{"vantrel_2.1.0_amd64.deb"});
}

void tst_VersionUpdater::downloadReplacesExistingFile()
{
    const QByteArray kit = kitBytes();
    serveKit(kit);
    QFile old(target());
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("old kit");
    old.close();

    QSignalSpy finished(m_updater, &VersionUpdater::updateDownloadFinished);
    m_updater->downloadNewVersion(kitLink(), target());
    QVERIFY(waitForFinalDownloadResult(finished));
    QCOMPARE(results(finished).last(), int(DownloadSaved));
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), kit);
}

void tst_VersionUpdater::downloadLeavesUsersPartFileAlone()
{
    const QByteArray kit = kitBytes();
    serveKit(kit, 40000, 10);
    writeFile(target() + ".part", "the user's own file");
    writeFile(target() + ".1.part", "another file of the user's");

    QSignalSpy finished(m_updater, &VersionUpdater::updateDownloadFinished);
    bool partFileSeen = false;
    connect(m_updater, &VersionUpdater::downloadProgress, this,
            [&] { partFileSeen = partFileSeen || QFile::exists(target() + ".2.part"); });
    m_updater->downloadNewVersion(kitLink(), target());
    QVERIFY(waitForFinalDownloadResult(finished));
    QVERIFY(partFileSeen);
    QCOMPARE(results(finished), (QList<int>{DownloadCompleted, DownloadSaved}));
    QCOMPARE(readFile(target()), kit);
    QCOMPARE(readFile(target() + ".part"), QByteArray("the user's own file"));
    QCOMPARE(readFile(target() + ".1.part"), QByteArray("another file of the user's"));
    QCOMPARE(leftFiles(), (QStringList{"vantrel_2.1.0_amd64.deb", "vantrel_2.1.0_amd64.deb.1.part",
                                       "vantrel_2.1.0_amd64.deb.part"}));
}

void tst_VersionUpdater::failedRenameKeepsOldFile()
{
    serveKit(kitBytes());
    QByteArray old;
    for (int i = 0; i < 5000; ++i)
        old.append(char(255 - i % 256));
    writeFile(target(), old);
    QString renamedFrom;
    m_updater->setFileRenamer([&renamedFrom](const QString& from, const QString&, QString& error) {
        renamedFrom = from;
        error = "No space left on device";
        return false;
    });

    LogCapture log;
    QSignalSpy finished(m_updater, &VersionUpdater::updateDownloadFinished);
    m_updater->downloadNewVersion(kitLink(), target());
    QVERIFY(waitForFinalDownloadResult(finished));
    QCOMPARE(results(finished), (QList<int>{DownloadCompleted, SavingFailed}));
    QCOMPARE(renamedFrom, target() + ".part");
    QCOMPARE(readFile(target()), old);
    QCOMPARE(leftFiles(), QStringList{"vantrel_2.1.0_amd64.deb"});
    QVERIFY2(log.contains("cannot rename " + target() + ".part to " + target() + ": No space left on device"),
             qPrintable(log.lines().join('\n')));
}

void tst_VersionUpdater::downloadRefusesDeclaredSize_data()
{
    QTest::addColumn<qint64>("declaredSize");
    QTest::addColumn<qint64>("freeSpace");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("cause");

    const qint64 size = kitBytes().size();
    QTest::newRow("above the limit") << VersionUpdater::MaxKitSize + 1 << qint64(-1) << int(DownloadFailed)
                                     << "declares 2147483649 bytes, more than the limit of 2147483648";
    QTest::newRow("above the free space") << size << size - 1 << int(SavingFailed)
                                          << QString("the kit needs %1 bytes, %2 has %3 free")
                                                 .arg(size)
                                                 .arg("@folder")
                                                 .arg(size - 1);
}

void tst_VersionUpdater::downloadRefusesDeclaredSize()
{
    QFETCH(qint64, declaredSize);
    QFETCH(qint64, freeSpace);
    QFETCH(int, result);
    QFETCH(QString, cause);

    const QByteArray kit = kitBytes();
    serveKit(kit);
    m_server->setResponse(CheckPath, 200,
                          checkXml("2.1.0", kit).replace("size=\"" + QByteArray::number(kit.size()),
                                                         "size=\"" + QByteArray::number(declaredSize)));
    QString askedFolder;
    m_updater->setFreeSpaceProbe([&](const QString& folder) {
        askedFolder = folder;
        return freeSpace;
    });

    LogCapture log;
    QSignalSpy finished(m_updater, &VersionUpdater::updateDownloadFinished);
    m_updater->downloadNewVersion(kitLink(), target());
    QVERIFY(waitForFinalDownloadResult(finished));
    QCOMPARE(results(finished), QList<int>{result});
    QVERIFY(!m_server->requestedPaths().contains(KitPath));
    QCOMPARE(leftFiles(), QStringList());
    cause.replace("@folder", m_dir->path());
    QVERIFY2(log.contains(cause), qPrintable(log.lines().join('\n')));
    if (freeSpace >= 0)
        QCOMPARE(askedFolder, m_dir->path());
}

void tst_VersionUpdater::downloadHoldsBoundedBuffer()
{
    // The kit arrives at loopback speed while each write stalls: the bytes
    // waiting in memory stay within the read buffer.
    QByteArray kit(16 * 1024 * 1024, 'k');
    serveKit(kit);
    qint64 largestStep = 0;
    qint64 previous = 0;
    connect(m_updater, &VersionUpdater::downloadProgress, this, [&](qint64 bytes) {
        largestStep = std::max(largestStep, bytes - previous);
        previous = bytes;
        QThread::msleep(5);
    });
    QSignalSpy finished(m_updater, &VersionUpdater::updateDownloadFinished);
    m_updater->setTransferTimeout(5000);
    m_updater->downloadNewVersion(kitLink(), target());
    QVERIFY(waitForFinalDownloadResult(finished));
    QCOMPARE(results(finished).last(), int(DownloadSaved));
    QCOMPARE(previous, qint64(kit.size()));
    QVERIFY2(largestStep <= 2 * VersionUpdater::ReadBufferSize, qPrintable(QString::number(largestStep)));
}

void tst_VersionUpdater::downloadMinimumRate_data()
{
    QTest::addColumn<int>("chunkSize");
    QTest::addColumn<int>("result");

    // The rate window ends once the first chunk is in: 20000 bytes per
    // second over 150 ms asks for 3000 bytes.
    QTest::newRow("too slow") << 100 << int(DownloadFailed);
    QTest::newRow("fast enough") << 20000 << int(DownloadSaved);
}

void tst_VersionUpdater::downloadMinimumRate()
{
    QFETCH(int, chunkSize);
    QFETCH(int, result);

    serveKit(kitBytes(), chunkSize, 10);
    m_updater->setMinimumDownloadRate(20000, 150);
    bool windowEnded = false;
    const QObject context;
    connect(m_updater, &VersionUpdater::downloadProgress, &context, [&](qint64 bytes) {
        if (!windowEnded && bytes >= chunkSize)
            windowEnded = fireTimer(150);
    });
    LogCapture log;
    QSignalSpy finished(m_updater, &VersionUpdater::updateDownloadFinished);
    m_updater->downloadNewVersion(kitLink(), target());
    QVERIFY(waitForFinalDownloadResult(finished));
    QVERIFY(windowEnded);
    QCOMPARE(results(finished).last(), result);
    if (result == DownloadFailed) {
        QCOMPARE(leftFiles(), QStringList());
        QVERIFY2(log.contains("ms, below the minimum of 20000 bytes per second"), qPrintable(log.lines().join('\n')));
        QTRY_COMPARE(m_server->abandonedAnswers(KitPath), 1);
    }
}

void tst_VersionUpdater::downloadFailure_data()
{
    QTest::addColumn<QByteArray>("checkFile");
    QTest::addColumn<int>("kitStatus");
    QTest::addColumn<QByteArray>("kitBody");
    QTest::addColumn<qint64>("sendBytes");

    const QByteArray kit = kitBytes();
    QByteArray tampered = kit;
    tampered[1000] = tampered[1000] + 1;
    QTest::newRow("kit missing (404)") << checkXml("2.1.0", kit) << 404 << QByteArray("gone") << qint64(-1);
    QTest::newRow("body cut halfway") << checkXml("2.1.0", kit) << 200 << kit << qint64(kit.size() / 2);
    QTest::newRow("wrong digest") << checkXml("2.1.0", kit) << 200 << tampered << qint64(-1);
    QTest::newRow("longer than announced") << checkXml("2.1.0", kit) << 200 << kit + kit << qint64(-1);
    QTest::newRow("kit not in check file")
        << checkXml("2.1.0", kit).replace("vantrel_2.1.0_amd64.deb", "other.deb") << 200 << kit << qint64(-1);
    QTest::newRow("no check file") << QByteArray() << 200 << kit << qint64(-1);
}

void tst_VersionUpdater::downloadFailure()
{
    QFETCH(QByteArray, checkFile);
    QFETCH(int, kitStatus);
    QFETCH(QByteArray, kitBody);
    QFETCH(qint64, sendBytes);

    if (!checkFile.isEmpty())
        m_server->setResponse(CheckPath, 200, checkFile);
    HttpTestServer::Response kit;
    kit.status = kitStatus;
    kit.body = kitBody;
    kit.sendBytes = sendBytes;
    m_server->setResponse(KitPath, kit);

    QSignalSpy finished(m_updater, &VersionUpdater::updateDownloadFinished);
    m_updater->downloadNewVersion(kitLink(), target());
    QVERIFY(waitForFinalDownloadResult(finished));
    QCOMPARE(results(finished), QList<int>{DownloadFailed});
    QCOMPARE(leftFiles(), QStringList());
}

void tst_VersionUpdater::downloadIntoMissingFolderFailsSaving()
{
    serveKit(kitBytes());
    QSignalSpy finished(m_updater, &VersionUpdater::updateDownloadFinished);
    m_updater->downloadNewVersion(kitLink(), m_dir->filePath("missing/kit.deb"));
    QVERIFY(waitForFinalDownloadResult(finished));
    QCOMPARE(results(finished), QList<int>{SavingFailed});
}

void tst_VersionUpdater::downloadRefusesUnsafeLink_data()
{
    QTest::addColumn<QString>("path");

    QTest::newRow("no file name") << "/updates/Vantrel/";
    QTest::newRow("parent folder") << "/updates/Vantrel/..";
}

void tst_VersionUpdater::downloadRefusesUnsafeLink()
{
    QFETCH(QString, path);

    const int requestsBefore = m_server->requestedPaths().size();
    QSignalSpy finished(m_updater, &VersionUpdater::updateDownloadFinished);
    m_updater->downloadNewVersion(m_server->url().toString() + path, target());
    QVERIFY(waitForFinalDownloadResult(finished));
    QCOMPARE(results(finished), QList<int>{DownloadFailed});
    QCOMPARE(m_server->requestedPaths().size(), requestsBefore);
    QCOMPARE(leftFiles(), QStringList());
}

void tst_VersionUpdater::downloadAbortDuringSlowTransferEndsOnce()
{
    serveKit(kitBytes(), 1000, 20);

    QSignalSpy finished(m_updater, &VersionUpdater::updateDownloadFinished);
    QSignalSpy progress(m_updater, &VersionUpdater::downloadProgress);
    m_updater->downloadNewVersion(kitLink(), target());
    QTRY_VERIFY(progress.count() >= 2);
    QVERIFY(QFile::exists(target() + ".part"));
    m_updater->abortCheckForNewVersion(); // the other kind: ignored
    m_updater->abortDownloadNewVersion();
    m_updater->abortDownloadNewVersion();
    QVERIFY(waitForFinalDownloadResult(finished));
    QCOMPARE(results(finished), QList<int>{DownloadCanceled});
    QCOMPARE(leftFiles(), QStringList());
}

void tst_VersionUpdater::downloadAbortDuringSavingEndsOnce()
{
    serveKit(kitBytes());

    QSignalSpy finished(m_updater, &VersionUpdater::updateDownloadFinished);
    connect(m_updater, &VersionUpdater::updateDownloadFinished, this, [this](UpdaterResult result) {
        if (result == DownloadCompleted)
            m_updater->abortDownloadNewVersion();
    });
    m_updater->downloadNewVersion(kitLink(), target());
    QVERIFY(waitForFinalDownloadResult(finished));
    QCOMPARE(results(finished), (QList<int>{DownloadCompleted, DownloadCanceled}));
    QCOMPARE(leftFiles(), QStringList());
}

QTEST_GUILESS_MAIN(tst_VersionUpdater)
#include "tst_versionupdater.moc"
