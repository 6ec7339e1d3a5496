#include "updatechecker/VersionUpdater.h"

#include <QNetworkAccessManager>
#include <QNetworkInformation>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace Corvane::UpdateChecker {

namespace {

bool defaultNetworkAvailability()
{
    const QNetworkInformation* information = QNetworkInformation::instance();
    return !information || information->reachability() != QNetworkInformation::Reachability::Disconnected;
}

} // namespace

VersionUpdater::VersionUpdater(QObject* parent)
    : QObject(parent)
    , m_network(new QNetworkAccessManager(this))
    , m_networkAvailable(defaultNetworkAvailability)
{
}

VersionUpdater::~VersionUpdater()
{
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
    }
    if (m_partFile.isOpen() || m_job == Job::Saving)
        m_partFile.remove();
}

void VersionUpdater::setTransferTimeout(int milliseconds)
{
    m_transferTimeoutMs = milliseconds;
}

void VersionUpdater::setNetworkAvailabilityProbe(std::function<bool()> probe)
{
    m_networkAvailable = std::move(probe);
}

bool VersionUpdater::isBusy() const
{
    return m_job != Job::None;
}

QNetworkReply* VersionUpdater::get(const QUrl& url)
{
    QNetworkRequest request(url);
    request.setTransferTimeout(m_transferTimeoutMs);
    m_reply = m_network->get(request);
    return m_reply;
}

QString VersionUpdater::partFileName() const
{
    return m_fullFileName + QStringLiteral(".part");
}

bool VersionUpdater::isNetworkAvailable() const
{
    return !m_networkAvailable || m_networkAvailable();
}

UpdaterResult VersionUpdater::transferFailure(UpdaterResult serverFailure) const
{
    return isNetworkAvailable() ? serverFailure : NetworkUnavailable;
}

// ---- Version check ---------------------------------------------------------

void VersionUpdater::checkForNewVersion(const QString& url, const QString& version, ProductStage stage, OSType os,
                                        ArchitectureType architecture, PackageType package, const QString&)
{
    if (isBusy())
        return;
    m_job = Job::Check;
    m_endResult.reset();
    m_check = {version, stage, os, architecture, package};
    QNetworkReply* reply = get(QUrl(url));
    connect(reply, &QNetworkReply::downloadProgress, this, &VersionUpdater::checkProgress);
    connect(reply, &QNetworkReply::readyRead, this, &VersionUpdater::onCheckFileReadyRead);
    connect(reply, &QNetworkReply::finished, this, &VersionUpdater::onCheckFinished);
}

void VersionUpdater::abortCheckForNewVersion()
{
    if (m_job != Job::Check)
        return;
    failRunningTransfer(CheckCanceled);
}

void VersionUpdater::onCheckFileReadyRead()
{
    if (m_reply && m_reply->bytesAvailable() > MaxCheckFileSize)
        failRunningTransfer(ServerUnreachable);
}

void VersionUpdater::onCheckFinished()
{
    QNetworkReply* reply = m_reply;
    if (!reply || sender() != reply)
        return;
    const QNetworkReply::NetworkError error = reply->error();
    const QByteArray bytes = !m_endResult && error == QNetworkReply::NoError ? reply->readAll() : QByteArray();
    releaseReply();

    if (m_endResult)
        return finishCheck(*m_endResult);
    if (error == QNetworkReply::ContentNotFoundError)
        return finishCheck(NoKitsAvailable);
    if (error != QNetworkReply::NoError)
        return finishCheck(transferFailure(ServerUnreachable));
    QString kitFileName;
    const UpdaterResult result = checkResult(bytes, kitFileName);
    finishCheck(result, kitFileName);
}

UpdaterResult VersionUpdater::checkResult(const QByteArray& bytes, QString& kitFileName) const
{
    CheckFile checkFile;
    if (!checkFile.parse(bytes))
        return ServerUnreachable;
    const std::optional<KitInfo> kit =
        checkFile.newestKit(m_check.os, m_check.architecture, m_check.package, m_check.stage);
    if (!kit)
        return NoKitsAvailable;
    // An unreadable installed version (no software information) is older
    // than any kit.
    if (kit->version <= QVersionNumber::fromString(m_check.version))
        return UpToDate;
    kitFileName = kit->link;
    return kit->needsNewFirmware ? NewVersionWithFirmwareAvailable : NewVersionAvailable;
}

void VersionUpdater::finishCheck(UpdaterResult result, const QString& kitFileName)
{
    m_job = Job::None;
    m_endResult.reset();
    Q_EMIT checkForNewVersionFinished(result, kitFileName);
}

// ---- Download --------------------------------------------------------------

void VersionUpdater::downloadNewVersion(const QString& link, const QString& fullFileName)
{
    if (isBusy())
        return;
    m_job = Job::DownloadCheckFile;
    m_endResult.reset();
    m_link = link;
    m_fullFileName = fullFileName;
    m_received = 0;
    m_hash.reset();

    const QUrl kitUrl(link);
    if (!kitUrl.isValid() || !KitInfo::isSafeFileName(kitUrl.fileName()) || fullFileName.isEmpty()) {
        // Reported from the event loop, like every other result.
        m_endResult = DownloadFailed;
        QMetaObject::invokeMethod(this, [this] { finishDownload(*m_endResult); }, Qt::QueuedConnection);
        return;
    }
    QNetworkReply* reply = get(kitUrl.resolved(QUrl(CheckFile::FILE_NAME)));
    connect(reply, &QNetworkReply::readyRead, this, &VersionUpdater::onCheckFileReadyRead);
    connect(reply, &QNetworkReply::finished, this, &VersionUpdater::onDownloadCheckFileFinished);
}

void VersionUpdater::abortDownloadNewVersion()
{
    if (m_job == Job::None || m_job == Job::Check || m_endResult)
        return;
    if (m_reply)
        failRunningTransfer(DownloadCanceled);
    else
        m_endResult = DownloadCanceled; // taken up by the pending saving step
}

void VersionUpdater::onDownloadCheckFileFinished()
{
    QNetworkReply* reply = m_reply;
    if (!reply || sender() != reply)
        return;
    const QNetworkReply::NetworkError error = reply->error();
    const QByteArray bytes = !m_endResult && error == QNetworkReply::NoError ? reply->readAll() : QByteArray();
    releaseReply();

    if (m_endResult)
        return finishDownload(*m_endResult == ServerUnreachable ? DownloadFailed : *m_endResult);
    if (error != QNetworkReply::NoError)
        return finishDownload(transferFailure(DownloadFailed));
    if (!startKitTransfer(bytes))
        return finishDownload(m_endResult.value_or(DownloadFailed));
}

bool VersionUpdater::startKitTransfer(const QByteArray& checkFileBytes)
{
    CheckFile checkFile;
    const QString kitName = QUrl(m_link).fileName();
    const std::optional<KitInfo> kit = checkFile.parse(checkFileBytes) ? checkFile.kitByLink(kitName) : std::nullopt;
    if (!kit)
        return false;
    m_kit = *kit;
    m_partFile.setFileName(partFileName());
    if (!m_partFile.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        m_endResult = SavingFailed;
        return false;
    }
    m_job = Job::DownloadKit;
    QNetworkReply* reply = get(QUrl(m_link));
    connect(reply, &QNetworkReply::readyRead, this, &VersionUpdater::onKitReadyRead);
    connect(reply, &QNetworkReply::finished, this, &VersionUpdater::onKitFinished);
    return true;
}

void VersionUpdater::onKitReadyRead()
{
    if (!m_reply || m_endResult)
        return;
    const QByteArray bytes = m_reply->readAll();
    m_received += bytes.size();
    if (m_received > m_kit.size)
        return failRunningTransfer(DownloadFailed);
    m_hash.addData(bytes);
    if (m_partFile.write(bytes) != bytes.size())
        return failRunningTransfer(SavingFailed);
    Q_EMIT downloadProgress(m_received, m_kit.size);
}

void VersionUpdater::onKitFinished()
{
    QNetworkReply* reply = m_reply;
    if (!reply || sender() != reply)
        return;
    if (!m_endResult && reply->bytesAvailable() > 0)
        onKitReadyRead();
    const QNetworkReply::NetworkError error = reply->error();
    releaseReply();

    const bool flushed = m_partFile.flush();
    m_partFile.close();
    if (m_endResult)
        return finishDownload(*m_endResult);
    if (error != QNetworkReply::NoError)
        return finishDownload(transferFailure(DownloadFailed));
    if (!flushed)
        return finishDownload(SavingFailed);
    if (m_received != m_kit.size || m_hash.result().toHex() != m_kit.sha256)
        return finishDownload(DownloadFailed);

    m_job = Job::Saving;
    Q_EMIT updateDownloadFinished(DownloadCompleted, m_link, m_fullFileName);
    // Saving runs from the event loop, so an abort sent meanwhile is seen.
    QMetaObject::invokeMethod(this, &VersionUpdater::saveDownloadedKit, Qt::QueuedConnection);
}

void VersionUpdater::saveDownloadedKit()
{
    if (m_job != Job::Saving)
        return;
    if (m_endResult)
        return finishDownload(*m_endResult);
    Q_EMIT savingDownloadedUpdateProgress(0, m_kit.size);
    if (QFile::exists(m_fullFileName) && !QFile::remove(m_fullFileName))
        return finishDownload(SavingFailed);
    if (!m_partFile.rename(m_fullFileName))
        return finishDownload(SavingFailed);
    Q_EMIT savingDownloadedUpdateProgress(m_kit.size, m_kit.size);
    finishDownload(DownloadSaved);
}

void VersionUpdater::finishDownload(UpdaterResult result)
{
    if (result != DownloadSaved && m_job != Job::DownloadCheckFile)
        m_partFile.remove();
    m_job = Job::None;
    m_endResult.reset();
    Q_EMIT updateDownloadFinished(result, m_link, m_fullFileName);
}

// ---- Transfers -------------------------------------------------------------

void VersionUpdater::failRunningTransfer(UpdaterResult result)
{
    if (m_endResult)
        return;
    m_endResult = result;
    if (m_reply)
        m_reply->abort(); // ends in the reply's finished signal
}

void VersionUpdater::releaseReply()
{
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->deleteLater();
    }
    m_reply = nullptr;
}

} // namespace Corvane::UpdateChecker
