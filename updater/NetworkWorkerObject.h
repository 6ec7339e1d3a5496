#pragma once

#include "updatechecker/UpdateCheckerTypes.h"

#include <QObject>

#include <memory>
#include <optional>

namespace Corvane::UpdateChecker {
class VersionUpdater;
}

namespace Corvane::Updater {

// One job of the Updater, a version check or a download, carried onto the
// worker thread. The job is prepared in the GUI thread; once the object is
// moved to the worker thread, performRequestedAction() makes the
// VersionUpdater there and passes its progress and results on. Aborts must
// be invoked in the worker thread (a queued call).
class NetworkWorkerObject : public QObject
{
    Q_OBJECT

public:
    enum Operation {
        NoOperation = 0,
        CheckOperation = 1,
        DownloadOperation = 2,
    };

    struct CheckInfo
    {
        QString url;
        QString name;
        QString version;
        UpdateChecker::ProductStage stage;
        UpdateChecker::OSType os;
        UpdateChecker::ArchitectureType architecture;
        UpdateChecker::PackageType package;
    };

    struct DownloadInfo
    {
        QString link;
        QString fullFileName;
    };

    explicit NetworkWorkerObject(QObject* parent = nullptr);
    ~NetworkWorkerObject() override;

    // Each prepares the job when none is set; otherwise the call is ignored.
    void checkForNewVersion(const QString& url, const QString& name, const QString& version,
                            UpdateChecker::ProductStage stage, UpdateChecker::OSType os,
                            UpdateChecker::ArchitectureType architecture, UpdateChecker::PackageType package);
    void downloadNewVersion(const QString& link, const QString& fullFileName);

    int requestedOperation() const;

    // Time without data after which a transfer fails (milliseconds).
    void setTransferTimeout(int milliseconds);

public Q_SLOTS:
    void performRequestedAction();
    void abortCheckForNewVersion();
    void abortDownloadNewVersion();

Q_SIGNALS:
    void checkProgress(qint64 bytes, qint64 total);
    void checkForNewVersionFinished(Corvane::UpdateChecker::UpdaterResult result, const QString& newVersionFileName);
    void downloadProgress(qint64 bytes, qint64 total);
    void updateDownloadFinished(Corvane::UpdateChecker::UpdaterResult result, const QString& link,
                                const QString& fullFileName);
    void savingDownloadedUpdateProgress(qint64 bytes, qint64 total);

private Q_SLOTS:
    void onCheckForNewVersionFinished(Corvane::UpdateChecker::UpdaterResult result, const QString& newVersionFileName);
    void onUpdateDownloadFinished(Corvane::UpdateChecker::UpdaterResult result, const QString& link,
                                  const QString& fullFileName);

private:
    std::unique_ptr<UpdateChecker::VersionUpdater> m_updater;
    std::optional<CheckInfo> m_checkInfo;
    std::optional<DownloadInfo> m_downloadInfo;
    int m_operation = NoOperation;
    int m_transferTimeoutMs;
};

} // namespace Corvane::Updater
