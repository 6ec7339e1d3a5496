#include "updatechecker/VersionUpdater.h"

#include "updatechecker/UpdaterTimer.h"

#include "log/Logger.h"

#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkInformation>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QStorageInfo>
#include <QTimer>

#include <cerrno>
#include <cstdio>

namespace Corvane::UpdateChecker {

namespace {

// Part files tried beside the target before giving up: "<target>.part",
// then "<target>.1.part" and so on.
constexpr int MaxPartFileNames = 100;
// A server's redirect target quoted in the log is cut to this length.
constexpr int MaxLoggedUrlLength = 200;

bool defaultNetworkAvailability()
{
    const QNetworkInformation* information = QNetworkInformation::instance();
    return !information || information->reachability() != QNetworkInformation::Reachability::Disconnected;
}

// rename(2) replaces an existing target in one step, unlike QFile::rename.
bool systemRename(const QString& from, const QString& to, QString& error)
{
    if (std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0)
        return true;
    error = qt_error_string(errno);
    return false;
}

qint64 systemFreeSpace(const QString& folder)
{
    const QStorageInfo storage(folder);
    return storage.isValid() ? storage.bytesAvailable() : -1;
}

QString partFileName(const QString& target, int attempt)
{
    return attempt == 0 ? target + QStringLiteral(".part") : QStringLiteral("%1.%2.part").arg(target).arg(attempt);
}

QString shown(const QUrl& url)
{
    return url.toString(QUrl::RemoveUserInfo);
}

class SystemUpdaterTimer : public UpdaterTimer
{
public:
    explicit SystemUpdaterTimer(QObject* parent)
        : UpdaterTimer(parent)
    {
        connect(&m_timer, &QTimer::timeout, this, &UpdaterTimer::timeout);
    }

    void start(int msec) override
    {
        m_timer.setSingleShot(isSingleShot());
        m_timer.start(msec);
    }
    void stop() override { m_timer.stop(); }

private:
    QTimer m_timer;
};

UpdaterTimer* createTimer(const VersionUpdater::TimerFactory& timers, QObject* parent)
{
    return timers ? timers(parent) : new SystemUpdaterTimer(parent);
}

QString oversizedCheckFile()
{
    return QStringLiteral("the check file is larger than %1 bytes").arg(VersionUpdater::MaxCheckFileSize);
}

} // namespace

VersionUpdater::VersionUpdater(QObject* parent, const TimerFactory& timers)
    : QObject(parent)
    , m_network(new QNetworkAccessManager(this))
    , m_checkDeadline(createTimer(timers, this))
    , m_rateWindow(createTimer(timers, this))
    , m_networkAvailable(defaultNetworkAvailability)
    , m_renameFile(systemRename)
    , m_freeSpace(systemFreeSpace)
{
    m_checkDeadline->setSingleShot(true);
    connect(m_checkDeadline, &UpdaterTimer::timeout, this, [this] {
        failRunningTransfer(checkFileFailure(),
                            QStringLiteral("no complete check file within %1 ms").arg(m_checkDeadlineMs));
    });
    connect(m_rateWindow, &UpdaterTimer::timeout, this, &VersionUpdater::onRateWindowEnded);
}

VersionUpdater::~VersionUpdater()
{
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
    }
    removePartFile();
}

void VersionUpdater::setTransferTimeout(int milliseconds)
{
    m_transferTimeoutMs = milliseconds;
}

void VersionUpdater::setCheckDeadline(int milliseconds)
{
    m_checkDeadlineMs = milliseconds;
}

void VersionUpdater::setMinimumDownloadRate(qint64 bytesPerSecond, int windowMilliseconds)
{
    m_minimumRate = bytesPerSecond;
    m_rateWindowMs = windowMilliseconds;
}

void VersionUpdater::setNetworkAvailabilityProbe(std::function<bool()> probe)
{
    m_networkAvailable = std::move(probe);
}

void VersionUpdater::setFileRenamer(FileRenamer renamer)
{
    m_renameFile = std::move(renamer);
}

void VersionUpdater::setFreeSpaceProbe(FreeSpaceProbe probe)
{
    m_freeSpace = std::move(probe);
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
    m_reply->setReadBufferSize(ReadBufferSize);
    return m_reply;
}

bool VersionUpdater::isNetworkAvailable() const
{
    return !m_networkAvailable || m_networkAvailable();
}

std::optional<VersionUpdater::Failure> VersionUpdater::transferError(QNetworkReply* reply,
                                                                    UpdaterResult serverFailure) const
{
    if (reply->error() == QNetworkReply::NoError)
        return std::nullopt;
    QString cause;
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (status.isValid() && status.toInt() >= 400) {
        cause = QStringLiteral("HTTP %1 %2")
                    .arg(status.toInt())
                    .arg(reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString());
    } else if (reply->error() == QNetworkReply::OperationCanceledError) {
        cause = QStringLiteral("no data received for %1 ms").arg(m_transferTimeoutMs);
    } else {
        cause = reply->errorString();
    }
    const QByteArray location = reply->rawHeader("Location");
    if (status.toInt() / 100 == 3 && !location.isEmpty()) {
        const QUrl redirect = reply->url().resolved(QUrl::fromEncoded(location));
        cause += QStringLiteral(" (redirect to %1)").arg(shown(redirect).left(MaxLoggedUrlLength));
    }
    if (!isNetworkAvailable())
        return Failure{NetworkUnavailable, QStringLiteral("no network (%1)").arg(cause)};
    return Failure{serverFailure, cause};
}

// ---- Check file ------------------------------------------------------------

QNetworkReply* VersionUpdater::fetchCheckFile(const QUrl& url)
{
    m_checkFileUrl = url;
    m_checkFileBytes.clear();
    QNetworkReply* reply = get(url);
    connect(reply, &QNetworkReply::metaDataChanged, this, &VersionUpdater::onCheckFileMetaDataChanged);
    connect(reply, &QNetworkReply::readyRead, this, &VersionUpdater::onCheckFileReadyRead);
    m_checkDeadline->start(m_checkDeadlineMs);
    return reply;
}

UpdaterResult VersionUpdater::checkFileFailure() const
{
    return m_job == Job::Check ? ServerUnreachable : DownloadFailed;
}

void VersionUpdater::onCheckFileMetaDataChanged()
{
    if (!m_reply)
        return;
    // The length of a redirect's or an error's own body does not matter.
    const QVariant status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (status.isValid() && status.toInt() / 100 != 2)
        return;
    const QVariant length = m_reply->header(QNetworkRequest::ContentLengthHeader);
    if (length.isValid() && length.toLongLong() > MaxCheckFileSize)
        failRunningTransfer(checkFileFailure(), oversizedCheckFile());
}

void VersionUpdater::onCheckFileReadyRead()
{
    if (!m_reply || m_endResult)
        return;
    takeCheckFileBytes(m_reply);
    if (m_checkFileBytes.size() > MaxCheckFileSize)
        failRunningTransfer(checkFileFailure(), oversizedCheckFile());
}

void VersionUpdater::takeCheckFileBytes(QNetworkReply* reply)
{
    // One byte beyond the limit tells an oversized file.
    m_checkFileBytes += reply->read(MaxCheckFileSize + 1 - m_checkFileBytes.size());
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
    QNetworkReply* reply = fetchCheckFile(QUrl(url));
    connect(reply, &QNetworkReply::downloadProgress, this, &VersionUpdater::checkProgress);
    connect(reply, &QNetworkReply::finished, this, &VersionUpdater::onCheckFinished);
}

void VersionUpdater::abortCheckForNewVersion()
{
    if (m_job != Job::Check)
        return;
    failRunningTransfer(CheckCanceled);
}

void VersionUpdater::onCheckFinished()
{
    QNetworkReply* reply = m_reply;
    if (!reply || sender() != reply)
        return;
    const bool notFound = reply->error() == QNetworkReply::ContentNotFoundError;
    const std::optional<Failure> transfer = transferError(reply, ServerUnreachable);
    if (!m_endResult && !transfer)
        takeCheckFileBytes(reply);
    releaseReply();

    if (m_endResult)
        return finishCheck(*m_endResult);
    if (notFound)
        return finishCheck({NoKitsAvailable, QString()});
    if (transfer)
        return finishCheck(*transfer);
    if (m_checkFileBytes.size() > MaxCheckFileSize)
        return finishCheck({ServerUnreachable, oversizedCheckFile()});
    QString kitFileName;
    const Failure outcome = checkResult(m_checkFileBytes, kitFileName);
    finishCheck(outcome, kitFileName);
}

VersionUpdater::Failure VersionUpdater::checkResult(const QByteArray& bytes, QString& kitFileName) const
{
    CheckFile checkFile;
    if (!checkFile.parse(bytes))
        return {ServerUnreachable, QStringLiteral("not a check file: %1").arg(checkFile.errorString())};
    const std::optional<KitInfo> kit =
        checkFile.newestKit(m_check.os, m_check.architecture, m_check.package, m_check.stage);
    if (!kit)
        return {NoKitsAvailable, QString()};
    // An unreadable installed version (no software information) is older
    // than any kit.
    if (kit->version <= QVersionNumber::fromString(m_check.version))
        return {UpToDate, QString()};
    kitFileName = kit->link;
    return {kit->needsNewFirmware ? NewVersionWithFirmwareAvailable : NewVersionAvailable, QString()};
}

void VersionUpdater::finishCheck(const Failure& outcome, const QString& kitFileName)
{
    m_job = Job::None;
    m_endResult.reset();
    if (!outcome.cause.isEmpty())
        Log::Logger(Log::Logger::Error) << "Update check of " << shown(m_checkFileUrl) << " failed: " << outcome.cause;
    Q_EMIT checkForNewVersionFinished(outcome.result, kitFileName);
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
        m_endResult = Failure{DownloadFailed, QStringLiteral("the link does not name a kit file")};
        QMetaObject::invokeMethod(this, [this] { finishDownload(*m_endResult); }, Qt::QueuedConnection);
        return;
    }
    QNetworkReply* reply = fetchCheckFile(kitUrl.resolved(QUrl(CheckFile::FILE_NAME)));
    connect(reply, &QNetworkReply::finished, this, &VersionUpdater::onDownloadCheckFileFinished);
}

void VersionUpdater::abortDownloadNewVersion()
{
    if (m_job == Job::None || m_job == Job::Check || m_endResult)
        return;
    if (m_reply)
        failRunningTransfer(DownloadCanceled);
    else
        m_endResult = Failure{DownloadCanceled, QString()}; // taken up by the pending saving step
}

void VersionUpdater::onDownloadCheckFileFinished()
{
    QNetworkReply* reply = m_reply;
    if (!reply || sender() != reply)
        return;
    const std::optional<Failure> transfer = transferError(reply, DownloadFailed);
    if (!m_endResult && !transfer)
        takeCheckFileBytes(reply);
    releaseReply();

    if (m_endResult)
        return finishDownload(*m_endResult);
    if (transfer)
        return finishDownload({transfer->result, QStringLiteral("check file: %1").arg(transfer->cause)});
    if (m_checkFileBytes.size() > MaxCheckFileSize)
        return finishDownload({DownloadFailed, oversizedCheckFile()});
    if (const std::optional<Failure> failure = startKitTransfer(m_checkFileBytes))
        return finishDownload(*failure);
}

std::optional<VersionUpdater::Failure> VersionUpdater::startKitTransfer(const QByteArray& checkFileBytes)
{
    CheckFile checkFile;
    if (!checkFile.parse(checkFileBytes))
        return Failure{DownloadFailed, QStringLiteral("not a check file: %1").arg(checkFile.errorString())};
    const QString kitName = QUrl(m_link).fileName();
    const std::optional<KitInfo> kit = checkFile.kitByLink(kitName);
    if (!kit)
        return Failure{DownloadFailed, QStringLiteral("the check file does not list the kit \"%1\"").arg(kitName)};
    m_kit = *kit;
    if (const std::optional<Failure> refused = refusedKitSize())
        return refused;
    QString error;
    if (!createPartFile(error)) {
        return Failure{SavingFailed,
                       QStringLiteral("cannot create a part file beside %1: %2").arg(m_fullFileName, error)};
    }

    m_job = Job::DownloadKit;
    m_receivedAtWindowStart = 0;
    QNetworkReply* reply = get(QUrl(m_link));
    connect(reply, &QNetworkReply::readyRead, this, &VersionUpdater::onKitReadyRead);
    connect(reply, &QNetworkReply::finished, this, &VersionUpdater::onKitFinished);
    m_rateWindow->start(m_rateWindowMs);
    return std::nullopt;
}

std::optional<VersionUpdater::Failure> VersionUpdater::refusedKitSize() const
{
    if (m_kit.size > MaxKitSize) {
        return Failure{DownloadFailed, QStringLiteral("the check file declares %1 bytes, more than the limit of %2")
                                           .arg(m_kit.size)
                                           .arg(MaxKitSize)};
    }
    const QString folder = QFileInfo(m_fullFileName).absolutePath();
    const qint64 free = m_freeSpace ? m_freeSpace(folder) : -1;
    if (free >= 0 && free < m_kit.size) {
        return Failure{SavingFailed,
                       QStringLiteral("the kit needs %1 bytes, %2 has %3 free").arg(m_kit.size).arg(folder).arg(free)};
    }
    return std::nullopt;
}

bool VersionUpdater::createPartFile(QString& error)
{
    for (int attempt = 0; attempt < MaxPartFileNames; ++attempt) {
        const QString name = partFileName(m_fullFileName, attempt);
        m_partFile.setFileName(name);
        // NewOnly fails on an existing file: a file of the user's is never
        // opened, truncated or removed.
        if (m_partFile.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return true;
        error = m_partFile.errorString();
        m_partFile.setFileName(QString());
        if (!QFileInfo::exists(name))
            return false;
    }
    error = QStringLiteral("every part file name is taken");
    return false;
}

void VersionUpdater::onKitReadyRead()
{
    if (!m_reply || m_endResult)
        return;
    const QByteArray bytes = m_reply->readAll();
    m_received += bytes.size();
    if (m_received > m_kit.size) {
        return failRunningTransfer(
            DownloadFailed, QStringLiteral("the server sent more than the %1 bytes announced").arg(m_kit.size));
    }
    m_hash.addData(bytes);
    if (m_partFile.write(bytes) != bytes.size()) {
        return failRunningTransfer(
            SavingFailed, QStringLiteral("cannot write %1: %2").arg(m_partFile.fileName(), m_partFile.errorString()));
    }
    Q_EMIT downloadProgress(m_received, m_kit.size);
}

void VersionUpdater::onRateWindowEnded()
{
    if (m_job != Job::DownloadKit || m_endResult)
        return;
    const qint64 windowBytes = m_received - m_receivedAtWindowStart;
    const qint64 windowMs = m_rateWindowMs;
    if (windowBytes * 1000 < m_minimumRate * windowMs) {
        return failRunningTransfer(DownloadFailed,
                                   QStringLiteral("%1 bytes received in %2 ms, below the minimum of %3 bytes per "
                                                  "second")
                                       .arg(windowBytes)
                                       .arg(windowMs)
                                       .arg(m_minimumRate));
    }
    m_receivedAtWindowStart = m_received;
}

void VersionUpdater::onKitFinished()
{
    QNetworkReply* reply = m_reply;
    if (!reply || sender() != reply)
        return;
    if (!m_endResult && reply->bytesAvailable() > 0)
        onKitReadyRead();
    const std::optional<Failure> transfer = transferError(reply, DownloadFailed);
    releaseReply();

    const bool flushed = m_partFile.flush();
    m_partFile.close();
    if (m_endResult)
        return finishDownload(*m_endResult);
    if (transfer)
        return finishDownload(*transfer);
    if (!flushed) {
        return finishDownload(
            {SavingFailed, QStringLiteral("cannot write %1: %2").arg(m_partFile.fileName(), m_partFile.errorString())});
    }
    if (m_received != m_kit.size) {
        return finishDownload({DownloadFailed, QStringLiteral("%1 of the %2 bytes announced were received")
                                                   .arg(m_received)
                                                   .arg(m_kit.size)});
    }
    if (m_hash.result().toHex() != m_kit.sha256) {
        return finishDownload(
            {DownloadFailed, QStringLiteral("the kit's SHA-256 digest differs from the check file's")});
    }

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
    QString error;
    if (!m_renameFile(m_partFile.fileName(), m_fullFileName, error)) {
        return finishDownload({SavingFailed, QStringLiteral("cannot rename %1 to %2: %3")
                                                 .arg(m_partFile.fileName(), m_fullFileName, error)});
    }
    m_partFile.setFileName(QString()); // it is the target now
    Q_EMIT savingDownloadedUpdateProgress(m_kit.size, m_kit.size);
    finishDownload({DownloadSaved, QString()});
}

void VersionUpdater::finishDownload(const Failure& outcome)
{
    if (outcome.result != DownloadSaved)
        removePartFile();
    m_job = Job::None;
    m_endResult.reset();
    if (!outcome.cause.isEmpty())
        Log::Logger(Log::Logger::Error) << "Download of " << shown(QUrl(m_link)) << " failed: " << outcome.cause;
    Q_EMIT updateDownloadFinished(outcome.result, m_link, m_fullFileName);
}

void VersionUpdater::removePartFile()
{
    if (m_partFile.fileName().isEmpty())
        return;
    m_partFile.remove();
    m_partFile.setFileName(QString());
}

// ---- Transfers -------------------------------------------------------------

void VersionUpdater::failRunningTransfer(UpdaterResult result, const QString& cause)
{
    if (m_endResult)
        return;
    m_endResult = Failure{result, cause};
    if (m_reply)
        m_reply->abort(); // ends in the reply's finished signal
}

void VersionUpdater::releaseReply()
{
    m_checkDeadline->stop();
    m_rateWindow->stop();
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->deleteLater();
    }
    m_reply = nullptr;
}

} // namespace Corvane::UpdateChecker
