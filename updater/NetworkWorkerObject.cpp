#include "NetworkWorkerObject.h"

#include "updatechecker/VersionUpdater.h"

namespace Corvane::Updater {

using UpdateChecker::UpdaterResult;
using UpdateChecker::VersionUpdater;

NetworkWorkerObject::NetworkWorkerObject(QObject* parent)
    : QObject(parent)
    , m_transferTimeoutMs(VersionUpdater::DefaultTransferTimeoutMs)
{
}

NetworkWorkerObject::~NetworkWorkerObject() = default;

void NetworkWorkerObject::checkForNewVersion(const QString& url, const QString& name, const QString& version,
                                             UpdateChecker::ProductStage stage, UpdateChecker::OSType os,
                                             UpdateChecker::ArchitectureType architecture,
                                             UpdateChecker::PackageType package)
{
    if (m_operation != NoOperation)
        return;
    m_operation = CheckOperation;
    m_checkInfo = CheckInfo{url, name, version, stage, os, architecture, package};
}

void NetworkWorkerObject::downloadNewVersion(const QString& link, const QString& fullFileName)
{
    if (m_operation != NoOperation)
        return;
    m_operation = DownloadOperation;
    m_downloadInfo = DownloadInfo{link, fullFileName};
}

int NetworkWorkerObject::requestedOperation() const
{
    return m_operation;
}

void NetworkWorkerObject::setTransferTimeout(int milliseconds)
{
    m_transferTimeoutMs = milliseconds;
}

void NetworkWorkerObject::performRequestedAction()
{
    m_updater = std::make_unique<VersionUpdater>();
    m_updater->setTransferTimeout(m_transferTimeoutMs);
    VersionUpdater* updater = m_updater.get();
    connect(updater, &VersionUpdater::checkProgress, this, &NetworkWorkerObject::checkProgress);
    connect(updater, &VersionUpdater::checkForNewVersionFinished, this,
            &NetworkWorkerObject::onCheckForNewVersionFinished);
    connect(updater, &VersionUpdater::downloadProgress, this, &NetworkWorkerObject::downloadProgress);
    connect(updater, &VersionUpdater::updateDownloadFinished, this, &NetworkWorkerObject::onUpdateDownloadFinished);
    connect(updater, &VersionUpdater::savingDownloadedUpdateProgress, this,
            &NetworkWorkerObject::savingDownloadedUpdateProgress);

    if (m_operation == CheckOperation) {
        updater->checkForNewVersion(m_checkInfo->url, m_checkInfo->version, m_checkInfo->stage, m_checkInfo->os,
                                    m_checkInfo->architecture, m_checkInfo->package, m_checkInfo->name);
    } else if (m_operation == DownloadOperation) {
        updater->downloadNewVersion(m_downloadInfo->link, m_downloadInfo->fullFileName);
    }
}

void NetworkWorkerObject::abortCheckForNewVersion()
{
    if (m_operation != CheckOperation)
        return;
    m_operation = NoOperation;
    m_checkInfo.reset();
    if (m_updater)
        m_updater->abortCheckForNewVersion();
}

void NetworkWorkerObject::abortDownloadNewVersion()
{
    if (m_operation != DownloadOperation)
        return;
    m_operation = NoOperation;
    m_downloadInfo.reset();
    if (m_updater)
        m_updater->abortDownloadNewVersion();
}

void NetworkWorkerObject::onCheckForNewVersionFinished(UpdaterResult result, const QString& newVersionFileName)
{
    m_operation = NoOperation;
    Q_EMIT checkForNewVersionFinished(result, newVersionFileName);
}

void NetworkWorkerObject::onUpdateDownloadFinished(UpdaterResult result, const QString& link,
                                                   const QString& fullFileName)
{
    if (result != UpdateChecker::DownloadCompleted)
        m_operation = NoOperation;
    Q_EMIT updateDownloadFinished(result, link, fullFileName);
}

} // namespace Corvane::Updater
