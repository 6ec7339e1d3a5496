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

// Asks an update server whether a newer installation kit exists, and
// downloads a kit. Both jobs are asynchronous and end with exactly one
// finished signal, also when they fail, time out or are aborted. One job
// runs at a time; a job asked for while another runs is ignored.
//
// A check fetches the check file (see README.md) and reports the newest
// kit that suits the installation. A download fetches the check file beside
// the kit to learn its size and SHA-256 digest, streams the kit into
// "<target>.part", verifies it, reports DownloadCompleted, then renames it
// to the target (replacing a file of that name) and reports DownloadSaved.
// A failed or aborted download leaves no file behind.
class VersionUpdater : public QObject
{
    Q_OBJECT

public:
    static constexpr int DefaultTransferTimeoutMs = 30000;
    static constexpr qint64 MaxCheckFileSize = 1024 * 1024;

    explicit VersionUpdater(QObject* parent = nullptr);
    ~VersionUpdater() override;

    // Time without any byte received after which a transfer fails.
    void setTransferTimeout(int milliseconds);
    // Answers whether the machine has a network at all; consulted when a
    // transfer fails, to tell "no network" from "server unreachable". By
    // default it asks QNetworkInformation, if a backend is loaded.
    void setNetworkAvailabilityProbe(std::function<bool()> probe);

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

    QNetworkReply* get(const QUrl& url);
    QString partFileName() const;
    bool isNetworkAvailable() const;
    UpdaterResult transferFailure(UpdaterResult serverFailure) const;

    void onCheckFileReadyRead();
    void onCheckFinished();
    UpdaterResult checkResult(const QByteArray& bytes, QString& kitFileName) const;
    void finishCheck(UpdaterResult result, const QString& kitFileName = QString());

    void onDownloadCheckFileFinished();
    bool startKitTransfer(const QByteArray& checkFileBytes);
    void onKitReadyRead();
    void onKitFinished();
    void saveDownloadedKit();
    void finishDownload(UpdaterResult result);

    void failRunningTransfer(UpdaterResult result);
    void releaseReply();

    QNetworkAccessManager* m_network = nullptr;
    QPointer<QNetworkReply> m_reply;
    int m_transferTimeoutMs = DefaultTransferTimeoutMs;
    std::function<bool()> m_networkAvailable;

    Job m_job = Job::None;
    // Set when the running job must end with this result (an abort, or a
    // failure found while data arrives).
    std::optional<UpdaterResult> m_endResult;
    CheckRequest m_check;
    QString m_link;
    QString m_fullFileName;
    KitInfo m_kit;
    QFile m_partFile;
    QCryptographicHash m_hash{QCryptographicHash::Sha256};
    qint64 m_received = 0;
};

} // namespace Corvane::UpdateChecker
