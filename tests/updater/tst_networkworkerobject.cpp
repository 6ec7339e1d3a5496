#include "NetworkWorkerObject.h"

#include "HttpTestServer.h"

#include <QCryptographicHash>
#include <QDir>
#include <QNetworkProxy>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

using namespace Corvane::Updater;
using namespace Corvane::UpdateChecker;

namespace {

const QString CheckPath = QStringLiteral("/u/Vantrel/check.xml");
const QString KitPath = QStringLiteral("/u/Vantrel/kit.deb");

QByteArray kitBytes()
{
    return QByteArray(100000, 'k');
}

QByteArray checkXml(const QByteArray& kit)
{
    return "<UPDATES><KIT version=\"2.1.0\" stage=\"4\" os=\"3\" architecture=\"2\" package=\"3\" link=\"kit.deb\" "
           "size=\""
        + QByteArray::number(kit.size()) + "\" sha256=\""
        + QCryptographicHash::hash(kit, QCryptographicHash::Sha256).toHex() + "\"/></UPDATES>";
}

} // namespace

class tst_NetworkWorkerObject : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void jobState_data();
    void jobState();
    void checkRelaysResult();
    void downloadKeepsOperationWhileSaving();
    void abortFromOtherThreadEndsOnce();

private:
    HttpTestServer m_server;
    QTemporaryDir m_dir;
};

void tst_NetworkWorkerObject::initTestCase()
{
    QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
    QVERIFY(m_server.listen());
    QVERIFY(m_dir.isValid());
    const QByteArray kit = kitBytes();
    m_server.setResponse(CheckPath, 200, checkXml(kit));
    m_server.setResponse(KitPath, 200, kit);
}

void tst_NetworkWorkerObject::jobState_data()
{
    QTest::addColumn<QStringList>("calls");
    QTest::addColumn<int>("operation");

    QTest::newRow("none") << QStringList{} << 0;
    QTest::newRow("check") << QStringList{"check"} << 1;
    QTest::newRow("download") << QStringList{"download"} << 2;
    QTest::newRow("second job ignored") << QStringList{"check", "download"} << 1;
    QTest::newRow("check after download ignored") << QStringList{"download", "check"} << 2;
    QTest::newRow("abort of other kind") << QStringList{"check", "abortDownload"} << 1;
    QTest::newRow("abort before start") << QStringList{"download", "abortDownload"} << 0;
    QTest::newRow("new job after abort") << QStringList{"check", "abortCheck", "download"} << 2;
}

void tst_NetworkWorkerObject::jobState()
{
    QFETCH(QStringList, calls);
    QFETCH(int, operation);

    NetworkWorkerObject worker;
    for (const QString& call : calls) {
        if (call == "check")
            worker.checkForNewVersion("http://127.0.0.1:1/c.xml", "Vantrel", "2.0.0", Release, Linux, X64,
                                      DebianPackage);
        else if (call == "download")
            worker.downloadNewVersion("http://127.0.0.1:1/kit.deb", m_dir.filePath("kit.deb"));
        else if (call == "abortCheck")
            worker.abortCheckForNewVersion();
        else if (call == "abortDownload")
            worker.abortDownloadNewVersion();
    }
    QCOMPARE(worker.requestedOperation(), operation);
}

void tst_NetworkWorkerObject::checkRelaysResult()
{
    NetworkWorkerObject worker;
    worker.checkForNewVersion(m_server.url(CheckPath).toString(), "Vantrel", "2.0.0", Release, Linux, X64,
                              DebianPackage);
    QSignalSpy finished(&worker, &NetworkWorkerObject::checkForNewVersionFinished);
    worker.performRequestedAction();
    QVERIFY(finished.wait());
    QCOMPARE(finished.at(0).at(0).value<UpdaterResult>(), NewVersionAvailable);
    QCOMPARE(finished.at(0).at(1).toString(), QString("kit.deb"));
    QCOMPARE(worker.requestedOperation(), 0);
}

void tst_NetworkWorkerObject::downloadKeepsOperationWhileSaving()
{
    const QString target = m_dir.filePath("saved.deb");
    NetworkWorkerObject worker;
    worker.downloadNewVersion(m_server.url(KitPath).toString(), target);
    QList<QPair<int, int>> resultAndOperation;
    connect(&worker, &NetworkWorkerObject::updateDownloadFinished, this, [&](UpdaterResult result) {
        resultAndOperation.append({result, worker.requestedOperation()});
    });
    worker.performRequestedAction();
    QTRY_COMPARE(resultAndOperation.size(), 2);
    QCOMPARE(resultAndOperation.at(0), qMakePair(int(DownloadCompleted), 2));
    QCOMPARE(resultAndOperation.at(1), qMakePair(int(DownloadSaved), 0));
    QVERIFY(QFile::exists(target));
}

void tst_NetworkWorkerObject::abortFromOtherThreadEndsOnce()
{
    HttpTestServer::Response trickle;
    trickle.body = kitBytes();
    trickle.chunkSize = 500;
    trickle.chunkIntervalMs = 20;
    m_server.setResponse("/slow/Vantrel/kit.deb", trickle);
    m_server.setResponse("/slow/Vantrel/check.xml", 200, checkXml(trickle.body));
    const QString target = m_dir.filePath("slow.deb");

    QThread thread;
    auto* worker = new NetworkWorkerObject;
    worker->downloadNewVersion(m_server.url("/slow/Vantrel/kit.deb").toString(), target);
    QSignalSpy finished(worker, &NetworkWorkerObject::updateDownloadFinished);
    QSignalSpy progress(worker, &NetworkWorkerObject::downloadProgress);
    connect(&thread, &QThread::started, worker, &NetworkWorkerObject::performRequestedAction);
    connect(&thread, &QThread::finished, worker, &QObject::deleteLater);
    worker->moveToThread(&thread);
    thread.start();

    QTRY_VERIFY(progress.count() >= 2);
    QMetaObject::invokeMethod(worker, &NetworkWorkerObject::abortDownloadNewVersion, Qt::QueuedConnection);
    QMetaObject::invokeMethod(worker, &NetworkWorkerObject::abortDownloadNewVersion, Qt::QueuedConnection);
    QTRY_COMPARE(finished.count(), 1);
    QTest::qWait(150);
    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.at(0).at(0).value<UpdaterResult>(), DownloadCanceled);
    QVERIFY(!QFile::exists(target));
    QVERIFY(!QFile::exists(target + ".part"));

    thread.quit();
    QVERIFY(thread.wait(5000));
}

QTEST_GUILESS_MAIN(tst_NetworkWorkerObject)
#include "tst_networkworkerobject.moc"
