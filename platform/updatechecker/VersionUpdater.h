#pragma once

#include "updatechecker/CheckFile.h"
#include "updatechecker/UpdateCheckerTypes.h"

#include <QCryptographicHash>
#include <QFile>
#include <QObject>
#include <QPointer>
#include <QUrl>

#include <functional>
#include <optional>

class QNetworkAccessManager;
class QNetworkReply;

namespace Corvane::UpdateChecker {

class UpdaterTimer;

// Asks an update server whether a newer installation kit exists, and
// downloads a kit. Both jobs are asynchronous and end with exactly one
// finished signal, also when they fail, time out or are aborted. One job
// runs at a time; a job asked for while another runs is ignored. The cause
// of every failure is written to the log; the result codes stay coarse.
//
// A check fetches the check file (see README.md) and reports the newest
// kit that suits the installation; it has an overall deadline. A download
// fetches the check file beside the kit to learn its size and SHA-256
// digest, refuses a kit larger than MaxKitSize or than the free space of
// the target's folder, streams the kit into a part file beside the target
// that did not exist before, verifies it, reports DownloadCompleted, then
// renames it over the target in one step (a file of that name stays as it
// was until then) and reports DownloadSaved. A transfer slower on average
// than the minimum rate fails. A failed or aborted download leaves no file
// behind and never touches a file it did not create.
class VersionUpdater : public QObject
{
    Q_OBJECT

public:
    static constexpr int DefaultTransferTimeoutMs = 30000;
    static constexpr int DefaultCheckDeadlineMs = 60000;
    static constexpr qint64 DefaultMinimumDownloadRate = 1024; // bytes per second
    static constexpr int DefaultDownloadRateWindowMs = 60000;
    // The largest check file read.
    static constexpr qint64 MaxCheckFileSize = 1024 * 1024;
    // The largest kit downloaded: far above any real installation kit, it
    // stops a wrong or hostile check file from filling the disk.
    static constexpr qint64 MaxKitSize = qint64(2) * 1024 * 1024 * 1024;
    // Bytes a transfer may hold in memory before they are written out: the
    // network stops reading while the buffer is full.
    static constexpr qint64 ReadBufferSize = 256 * 1024;

    // Renames from over to in one step, replacing to; on failure false with
    // the reason in error.
    using FileRenamer = std::function<bool(const QString& from, const QString& to, QString& error)>;
    // The bytes free to this user in folder, or a negative number when unknown.
    using FreeSpaceProbe = std::function<qint64(const QString& folder)>;

    // Makes a stopped timer owned by parent.
    using TimerFactory = std::function<UpdaterTimer*(QObject* parent)>;

    // timers makes the timers of the check deadline and of the download
    // rate window; without it they run on QTimers.
    explicit VersionUpdater(QObject* parent = nullptr, const TimerFactory& timers = TimerFactory());
    ~VersionUpdater() override;

    // Time without any byte received after which a transfer fails.
    void setTransferTimeout(int milliseconds);
    // Time after which a check, or the fetch of the check file before a
    // download, fails however the server trickles its answer.
    void setCheckDeadline(int milliseconds);
    // A kit transfer fails when it receives fewer than bytesPerSecond on
    // average over any window of windowMilliseconds.
    void setMinimumDownloadRate(qint64 bytesPerSecond, int windowMilliseconds);
    // Answers whether the machine has a network at all; consulted when a
    // transfer fails, to tell "no network" from "server unreachable". By
    // default it asks QNetworkInformation, if a backend is loaded.
    void setNetworkAvailabilityProbe(std::function<bool()> probe);
    // By default the system's rename() and QStorageInfo.
    void setFileRenamer(FileRenamer renamer);
    void setFreeSpaceProbe(FreeSpaceProbe probe);

    bool isBusy() const;

    // The friendly name is part of url already and is not sent again.
    void checkForNewVersion(const QString& url, const QString& version, ProductStage stage, OSType os,
                            ArchitectureType architecture, PackageType package, const QString& name);
    void downloadNewVersion(const QString& link, const QString& fullFileName);

    void abortCheckForNewVersion();
    void abortDownloadNewVersion();

Q_SIGNALS:
    void checkProgress(qint64 bytes, qint64 total);
    // newVersionFileName: the kit's file name beside the check file, for
    // NewVersionAvailable and NewVersionWithFirmwareAvailable.
    void checkForNewVersionFinished(Corvane::UpdateChecker::UpdaterResult result, const QString& newVersionFileName);
    void downloadProgress(qint64 bytes, qint64 total);
    void updateDownloadFinished(Corvane::UpdateChecker::UpdaterResult result, const QString& link,
                                const QString& fullFileName);
    void savingDownloadedUpdateProgress(qint64 bytes, qint64 total);

private:
    enum class Job { None, Check, DownloadCheckFile, DownloadKit, Saving };

    struct CheckRequest
    {
        QString version;
        ProductStage stage = Development;
        OSType os = Linux;
        ArchitectureType architecture = X64;
        PackageType package = DebianPackage;
    };

    // Why a job failed: its result and the cause written to the log.
    struct Failure
    {
        UpdaterResult result;
        QString cause;
    };

    QNetworkReply* get(const QUrl& url);
    bool isNetworkAvailable() const;
    // The failure that the reply's error means, if it has one.
    std::optional<Failure> transferError(QNetworkReply* reply, UpdaterResult serverFailure) const;

    QNetworkReply* fetchCheckFile(const QUrl& url);
    // The result of a check file that cannot be had: for a check or a download.
    UpdaterResult checkFileFailure() const;
    void onCheckFileMetaDataChanged();
    void onCheckFileReadyRead();
    void takeCheckFileBytes(QNetworkReply* reply);
    void onCheckFinished();
    Failure checkResult(const QByteArray& bytes, QString& kitFileName) const;
    void finishCheck(const Failure& outcome, const QString& kitFileName = QString());

    void onDownloadCheckFileFinished();
    std::optional<Failure> startKitTransfer(const QByteArray& checkFileBytes);
    std::optional<Failure> refusedKitSize() const;
    bool createPartFile(QString& error);
    void onKitMetaDataChanged();
    void onKitReadyRead();
    void onRateWindowEnded();
    void onKitFinished();
    void saveDownloadedKit();
    void finishDownload(const Failure& outcome);
    void removePartFile();

    void failRunningTransfer(UpdaterResult result, const QString& cause = QString());
    void releaseReply();

    QNetworkAccessManager* m_network = nullptr;
    QPointer<QNetworkReply> m_reply;
    int m_transferTimeoutMs = DefaultTransferTimeoutMs;
    qint64 m_minimumRate = DefaultMinimumDownloadRate;
    UpdaterTimer* m_checkDeadline;
    int m_checkDeadlineMs = DefaultCheckDeadlineMs;
    UpdaterTimer* m_rateWindow;
    int m_rateWindowMs = DefaultDownloadRateWindowMs;
    std::function<bool()> m_networkAvailable;
    FileRenamer m_renameFile;
    FreeSpaceProbe m_freeSpace;

    Job m_job = Job::None;
    // Set when the running job must end with this result (an abort, or a
    // failure found while data arrives).
    std::optional<Failure> m_endResult;
    CheckRequest m_check;
    QUrl m_checkFileUrl;
    QByteArray m_checkFileBytes;
    QString m_link;
    QString m_fullFileName;
    KitInfo m_kit;
    // Opened only once created by this object: never a file of the user's.
    QFile m_partFile;
    QCryptographicHash m_hash{QCryptographicHash::Sha256};
    qint64 m_received = 0;
    qint64 m_receivedAtWindowStart = 0;
};

} // namespace Corvane::UpdateChecker
