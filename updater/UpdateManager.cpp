#include "UpdateManager.h"

#include "InfoSwSettings.h"
#include "NetworkWorkerObject.h"
#include "QuestionDialog.h"
#include "UpdaterIniSettings.h"

#include "updatechecker/KitInfo.h"
#include "updatechecker/VersionUpdater.h"
#include "utilities/CustomApplicationIniSettings.h"
#include "utilities/InitSettings.h"
#include "utilities/WidgetUtilities.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHash>
#include <QProgressDialog>
#include <QPushButton>
#include <QStandardPaths>
#include <QStyle>
#include <QThread>
#include <QUrl>

#include <algorithm>

namespace Corvane::Updater {

using UpdateChecker::UpdaterResult;
using Utilities::InitSettings;

const QString UpdateManager::CHECK_XML_FILE_NAME = QStringLiteral("check.xml");
const QString UpdateManager::DOWNLOADS_DIR_NAME = QStringLiteral("Downloads");
const int UpdateManager::UPDATER_RESULT_META_TYPE_ID =
    qRegisterMetaType<UpdaterResult>("Corvane::UpdateChecker::UpdaterResult");

namespace {

constexpr double DownloadWeight = 0.9;

const Qt::WindowFlags BoxFlags = Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint;

QString friendlyName()
{
    return InfoSwSettings::instance()->softwareFriendlyName();
}

} // namespace

UpdateManager::UpdateManager(QObject* parent)
    : QObject(parent)
    , m_transferTimeoutMs(UpdateChecker::VersionUpdater::DefaultTransferTimeoutMs)
{
}

UpdateManager::~UpdateManager()
{
    clearAll();
    // A thread destroyed while it runs would end the program. The worker's
    // last notification, posted meanwhile, is dropped with this object.
    if (m_thread)
        m_thread->wait();
}

void UpdateManager::setTransferTimeout(int milliseconds)
{
    m_transferTimeoutMs = milliseconds;
}

QProgressDialog* UpdateManager::currentProgressDialog() const
{
    return m_progressDialog;
}

// ---- Jobs ------------------------------------------------------------------

void UpdateManager::check(bool automatic, const QString& iniPath)
{
    if (hasActionInProgress())
        return;
    m_automatic = automatic;
    m_iniPath = iniPath;
    if (!automatic)
        showProgressDialog(progressDialog(tr("Check for update..."), tr("Cancel"), this,
                                          SLOT(onCheckForUpdateCanceled())));

    const InfoSwSettings* info = InfoSwSettings::instance();
    auto* worker = new NetworkWorkerObject;
    worker->checkForNewVersion(checkXmlUrl(InitSettings::softwareUpdateLink(), info->softwareFriendlyName()),
                               info->softwareFriendlyName(), info->fullVersionString(), info->stage(),
                               InfoSwSettings::os(), InfoSwSettings::architecture(),
                               InfoSwSettings::installationPackageType());
    if (!performRequestedAction(worker))
        delete worker;
}

bool UpdateManager::performRequestedAction(NetworkWorkerObject* worker)
{
    if (hasActionInProgress())
        return false;
    m_worker = worker;
    m_stopping = false;
    worker->setTransferTimeout(m_transferTimeoutMs);
    connect(worker, &NetworkWorkerObject::checkProgress, this, qOverload<qint64, qint64>(&UpdateManager::setProgress));
    connect(worker, &NetworkWorkerObject::checkForNewVersionFinished, this,
            &UpdateManager::onCheckForNewVersionFinished);
    connect(worker, &NetworkWorkerObject::downloadProgress, this, &UpdateManager::onDownloadProgress);
    connect(worker, &NetworkWorkerObject::updateDownloadFinished, this, &UpdateManager::onUpdateDownloadFinished);
    connect(worker, &NetworkWorkerObject::savingDownloadedUpdateProgress, this,
            &UpdateManager::onSavingDownloadedUpdateProgress);

    if (!m_thread)
        m_thread = new QThread(this);
    connect(m_thread, &QThread::started, worker, &NetworkWorkerObject::performRequestedAction);
    connect(m_thread, &QThread::finished, worker, &QObject::deleteLater);
    connect(worker, &QObject::destroyed, this, &UpdateManager::onNetworkWorkerObjectDestroyed);
    worker->moveToThread(m_thread);
    m_thread->start(QThread::InheritPriority);
    return true;
}

bool UpdateManager::hasActionInProgress() const
{
    return (m_thread && m_thread->isRunning() && !m_thread->isFinished()) || m_worker;
}

void UpdateManager::requestQuit()
{
    if (!hasActionInProgress()) {
        quit();
        return;
    }
    if (m_pendingAction != NoPendingAction)
        return;
    m_pendingAction = QuitApplication;
    clearLastAction();
}

void UpdateManager::quit()
{
    clearAll();
    handleQuit();
}

void UpdateManager::clearAll()
{
    if (m_progressDialog)
        m_progressDialog->deleteLater();
    m_progressDialog = nullptr;
    clearLastAction();
}

void UpdateManager::clearLastAction()
{
    if (!hasActionInProgress())
        return;
    m_stopping = true;
    m_thread->quit();
}

void UpdateManager::onNetworkWorkerObjectDestroyed()
{
    m_worker = nullptr;
    m_stopping = false;
    // The worker is deleted while its thread finishes: let the thread end
    // before the next job reuses it.
    m_thread->wait();

    const int action = m_pendingAction;
    switch (action) {
    case StartDownload:
        m_pendingAction = NoPendingAction;
        startDownload();
        break;
    case QuitApplication:
        quit();
        break;
    default:
        break;
    }
}

void UpdateManager::startDownload()
{
    showProgressDialog(progressDialog(tr("Downloading..."), tr("Cancel"), this, SLOT(onDownloadCanceled())));
    auto* worker = new NetworkWorkerObject;
    worker->downloadNewVersion(m_downloadLink, m_targetFile);
    if (!performRequestedAction(worker))
        delete worker;
}

void UpdateManager::handleQuit()
{
    QCoreApplication::quit();
}

// ---- Results ---------------------------------------------------------------

void UpdateManager::onCheckForNewVersionFinished(UpdaterResult result, const QString& newVersionLink)
{
    const QString message = resultMessage(result, friendlyName(), newVersionLink);
    switch (result) {
    case UpdateChecker::NetworkUnavailable:
    case UpdateChecker::ServerUnreachable:
        if (!m_automatic)
            askUser(QMessageBox::Critical, message, nullptr);
        break;
    case UpdateChecker::NoKitsAvailable:
        if (!m_automatic)
            askUser(QMessageBox::Warning, message, nullptr);
        break;
    case UpdateChecker::UpToDate:
        if (!m_automatic)
            askUser(QMessageBox::Information, message, nullptr);
        break;
    case UpdateChecker::NewVersionAvailable:
    case UpdateChecker::NewVersionWithFirmwareAvailable:
        offerNewVersion(result, newVersionLink);
        return;
    default:
        break;
    }
    requestQuit();
}

void UpdateManager::offerNewVersion(UpdaterResult result, const QString& newVersionLink)
{
    const QString message = resultMessage(result, friendlyName(), newVersionLink);
    QMessageBox::StandardButton answer = QMessageBox::NoButton;
    if (m_automatic && !m_iniPath.isEmpty()) {
        bool dontShowAgain = false;
        answer = askUser(QMessageBox::Question, message, &dontShowAgain);
        Utilities::CustomApplicationIniSettings* settings = Utilities::CustomApplicationIniSettings::instance();
        settings->setIniSettingsPath(m_iniPath);
        settings->setShowUpdatesOnStartup(!dontShowAgain);
        settings->writeSettings();
    } else {
        answer = askUser(QMessageBox::Question, message, nullptr);
    }
    if (answer != QMessageBox::Yes)
        return requestQuit();

    const QString folder = chooseDirectory(tr("Select a folder"));
    if (folder.isEmpty())
        return requestQuit();
    const QString target = targetFilePath(folder, newVersionLink);
    if (target.isEmpty()) {
        askUser(QMessageBox::Critical, resultMessage(UpdateChecker::DownloadFailed, friendlyName(), QString()),
                nullptr);
        return requestQuit();
    }
    if (QFileInfo::exists(target)
        && askUser(QMessageBox::Question,
                   tr("The file %1 already exists. Do you want to replace it?").arg(target.toHtmlEscaped()), nullptr)
               != QMessageBox::Yes)
        return requestQuit();

    m_downloadLink = installPackageServerUrl(InitSettings::softwareUpdateLink(), friendlyName(), newVersionLink);
    m_targetFile = target;
    m_downloadPercentage = 0;
    m_savingPercentage = 0;
    m_pendingAction = StartDownload;
    clearLastAction();
}

void UpdateManager::onUpdateDownloadFinished(UpdaterResult result, const QString&, const QString& fullFileName)
{
    switch (result) {
    case UpdateChecker::DownloadCompleted:
        if (m_progressDialog)
            m_progressDialog->setLabelText(tr("Saving in progress..."));
        return;
    case UpdateChecker::DownloadSaved:
        askUser(QMessageBox::Information, resultMessage(result, friendlyName(), fullFileName), nullptr);
        break;
    case UpdateChecker::NetworkUnavailable:
    case UpdateChecker::DownloadFailed:
    case UpdateChecker::SavingFailed:
        askUser(QMessageBox::Critical, resultMessage(result, friendlyName(), QString()), nullptr);
        break;
    default:
        break;
    }
    requestQuit();
}

void UpdateManager::onAppStartRequested(const QStringList&)
{
    const QWidgetList widgets = QApplication::topLevelWidgets();
    for (QWidget* widget : widgets) {
        if (widget->isVisible())
            Utilities::WidgetUtilities::moveToTop(widget, true, false);
    }
}

// ---- Cancel and progress ---------------------------------------------------

void UpdateManager::onCheckForUpdateCanceled()
{
    cancelJob(&NetworkWorkerObject::abortCheckForNewVersion);
}

void UpdateManager::onDownloadCanceled()
{
    cancelJob(&NetworkWorkerObject::abortDownloadNewVersion);
}

void UpdateManager::cancelJob(void (NetworkWorkerObject::*abort)())
{
    if (!hasActionInProgress())
        return requestQuit();
    if (m_worker && !m_stopping)
        QMetaObject::invokeMethod(m_worker, abort, Qt::QueuedConnection);
}

void UpdateManager::setProgress(qint64 bytes, qint64 total)
{
    if (total > 0)
        setProgress(toProgress(bytes, total));
}

void UpdateManager::setProgress(int progress)
{
    if (!m_progressDialog)
        return;
    if (m_progressDialog->maximum() == 0) {
        m_progressDialog->setRange(0, 100);
        m_progressDialog->setValue(0);
    }
    m_progressDialog->setValue(progress);
}

void UpdateManager::onDownloadProgress(qint64 bytes, qint64 total)
{
    if (total <= 0)
        return;
    m_downloadPercentage = toRealProgress(bytes, total);
    showDownloadProgress();
}

void UpdateManager::onSavingDownloadedUpdateProgress(qint64 bytes, qint64 total)
{
    if (total <= 0)
        return;
    m_savingPercentage = toRealProgress(bytes, total);
    showDownloadProgress();
}

void UpdateManager::showDownloadProgress()
{
    setProgress(toIntegerProgress(DownloadWeight * m_downloadPercentage + (1 - DownloadWeight) * m_savingPercentage));
}

int UpdateManager::toIntegerProgress(double progress)
{
    return std::clamp(qRound(progress), 0, 100);
}

int UpdateManager::toProgress(qint64 bytes, qint64 total)
{
    return toIntegerProgress(toRealProgress(bytes, total));
}

double UpdateManager::toRealProgress(qint64 bytes, qint64 total)
{
    return total > 0 ? double(bytes) / double(total) * 100.0 : 0.0;
}

// ---- Texts and paths -------------------------------------------------------

QString UpdateManager::url(const QString& base, const QString& name, const QString& fileName)
{
    QUrl url(base);
    const QFileInfo local(base);
    if (!base.isEmpty() && local.exists())
        url = QUrl::fromLocalFile(local.absoluteFilePath());
    url.setPath(url.path() + u'/' + name + u'/' + fileName);
    return url.toString();
}

QString UpdateManager::checkXmlUrl(const QString& link, const QString& name)
{
    return url(link, name, CHECK_XML_FILE_NAME);
}

QString UpdateManager::installPackageServerUrl(const QString& link, const QString& name, const QString& fileName)
{
    return url(link, name, fileName);
}

QString UpdateManager::targetFilePath(const QString& folder, const QString& kitName)
{
    if (folder.isEmpty() || !UpdateChecker::KitInfo::isSafeFileName(kitName))
        return QString();
    return QDir::toNativeSeparators(QDir(folder).absoluteFilePath(kitName));
}

QString UpdateManager::resultMessage(UpdaterResult result, const QString& name, const QString& fileName)
{
    switch (result) {
    case UpdateChecker::NewVersionAvailable:
        return tr("A new update of the software is available for download. Do you want to download it?");
    case UpdateChecker::NewVersionWithFirmwareAvailable:
        return tr("A new version of the software is available for download. This version has new functions "
                  "available with last version of firmware of devices installed in the systems.%1Do you want to "
                  "download it?")
            .arg(QChar(QChar::LineSeparator));
    case UpdateChecker::DownloadCompleted:
    case UpdateChecker::DownloadSaved: {
        const QString href = QUrl::fromLocalFile(fileName).toString(QUrl::FullyEncoded).toHtmlEscaped();
        const QString link = QStringLiteral("<a href=\"%1\">%2</a>").arg(href, fileName.toHtmlEscaped());
        return tr("The download of the new update of the software has been completed.%1Your new installation kit "
                  "is in:%1%2")
            .arg(QStringLiteral("<br />"))
            .arg(link);
    }
    case UpdateChecker::UpToDate:
        return tr("The software %1 is up to date. No updates available.").arg(name);
    case UpdateChecker::NoKitsAvailable:
        return tr("There are no installation kits of the %1 software on the remote server for automatic update.")
            .arg(name);
    case UpdateChecker::NetworkUnavailable:
        return tr("The network is not available. Please check your internet connection");
    case UpdateChecker::ServerUnreachable:
        return tr("Unable to contact the remote server for automatic update.");
    case UpdateChecker::DownloadFailed:
        return tr("Error downloading file from the remote server for automatic update.");
    case UpdateChecker::SavingFailed:
        return tr("Error saving update file.");
    default:
        return QString();
    }
}

// ---- Dialogs ---------------------------------------------------------------

QMessageBox::StandardButton UpdateManager::askUser(QMessageBox::Icon icon, const QString& text, bool* checked)
{
    return showMessageBox(icon, text, checked);
}

QString UpdateManager::chooseDirectory(const QString& caption)
{
    return existingDirectory(QApplication::activeWindow(), caption);
}

QMessageBox::StandardButton UpdateManager::showMessageBox(QMessageBox::Icon icon, const QString& text, bool* checked)
{
    QWidget* parent = QApplication::activeWindow();
    const QString title = QCoreApplication::applicationName();
    const QPixmap pixmap = UpdateManager::icon(icon);

    QDialog* box = nullptr;
    QHash<int, QMessageBox::StandardButton> results;
    QuestionDialog* question = nullptr;
    if (icon == QMessageBox::Question && checked) {
        question = new QuestionDialog(title, text, tr("Don't show this message again"), false, pixmap, parent,
                                      BoxFlags);
        box = question;
        results = {{QMessageBox::Yes, QMessageBox::Yes}, {QMessageBox::No, QMessageBox::No}};
    } else {
        auto* messageBox = new QMessageBox(QMessageBox::NoIcon, title, text, QMessageBox::NoButton, parent, BoxFlags);
        messageBox->setIconPixmap(pixmap);
        if (icon == QMessageBox::Question) {
            QPushButton* yes = messageBox->addButton(tr("Yes"), QMessageBox::YesRole);
            QPushButton* no = messageBox->addButton(tr("No"), QMessageBox::NoRole);
            messageBox->setDefaultButton(yes);
            messageBox->setEscapeButton(no);
            results = {{0, QMessageBox::Yes}, {1, QMessageBox::No}};
        } else {
            messageBox->addButton(tr("OK"), QMessageBox::AcceptRole);
            results = {{0, QMessageBox::Ok}};
        }
        box = messageBox;
    }
    removeQuestionMarkFromTitleBar(box);
    const int result = box->exec();
    if (question && checked)
        *checked = question->isCheckBoxChecked();
    box->deleteLater();
    return results.value(result, QMessageBox::NoButton);
}

QString UpdateManager::existingDirectory(QWidget* parent, const QString& caption)
{
    UpdaterIniSettings* settings = UpdaterIniSettings::instance();
    settings->readSettings();
    const std::optional<QString> lastFolder = settings->lastOpenedDirPath();
    QString startFolder;
    if (lastFolder && QFileInfo(*lastFolder).isDir()) {
        startFolder = QFileInfo(*lastFolder).canonicalFilePath();
    } else {
        const QDir home = QDir::home();
        startFolder = home.exists(DOWNLOADS_DIR_NAME) ? QFileInfo(home.filePath(DOWNLOADS_DIR_NAME)).canonicalFilePath()
                                                      : home.canonicalPath();
    }

    QFileDialog dialog(parent, caption, startFolder);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setViewMode(QFileDialog::Detail);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setOption(QFileDialog::ReadOnly);
    removeQuestionMarkFromTitleBar(&dialog);

    QList<QUrl> sidebar = dialog.sidebarUrls();
    for (const QStandardPaths::StandardLocation location :
         {QStandardPaths::DesktopLocation, QStandardPaths::HomeLocation, QStandardPaths::DocumentsLocation,
          QStandardPaths::MusicLocation, QStandardPaths::MoviesLocation, QStandardPaths::PicturesLocation}) {
        const QString folder = QStandardPaths::writableLocation(location);
        const QUrl url = QUrl::fromLocalFile(folder);
        if (QFileInfo(folder).isDir() && !sidebar.contains(url))
            sidebar.append(url);
    }
    dialog.setSidebarUrls(sidebar);

    QString chosen;
    QString shownFolder;
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
        chosen = dialog.selectedFiles().constFirst();
        shownFolder = chosen;
    } else {
        shownFolder = dialog.directory().canonicalPath();
    }

    const QFileInfo shown(shownFolder);
    if (shown.isDir() && shown.canonicalFilePath() != startFolder) {
        settings->setLastOpenedDirPath(QDir::toNativeSeparators(shown.canonicalFilePath()));
        settings->writeSettings();
    }
    return chosen;
}

QString UpdateManager::iconPath(QMessageBox::Icon icon)
{
    switch (icon) {
    case QMessageBox::Information:
    case QMessageBox::Question:
        return QStringLiteral(":/Images/information2.png");
    case QMessageBox::Warning:
        return QStringLiteral(":/Images/sign_warning.png");
    case QMessageBox::Critical:
        return QStringLiteral(":/Images/error.png");
    default:
        return QString();
    }
}

QPixmap UpdateManager::icon(QMessageBox::Icon icon)
{
    const QString path = iconPath(icon);
    if (path.isEmpty())
        return QPixmap();
    const QStyle* style = QApplication::style();
    const int size = style->pixelMetric(QStyle::PM_MessageBoxIconSize);
    return QPixmap(path).scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

QProgressDialog* UpdateManager::progressDialog(const QString& label, const QString& cancelText, QObject* receiver,
                                               const char* slot)
{
    auto* dialog = new QProgressDialog(label, cancelText, 0, 0);
    dialog->setWindowTitle(QCoreApplication::applicationName());
    dialog->setMinimumWidth(titleBarWidth(dialog));
    QObject::connect(dialog, SIGNAL(canceled()), receiver, slot);
    return dialog;
}

int UpdateManager::titleBarWidth(const QWidget* window)
{
    // Window managers write titles in bold; the icon and three buttons each
    // take about a title bar's height, and a fifth keeps a margin.
    QFont font = window->font();
    font.setBold(true);
    const int bar = window->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, window);
    return QFontMetrics(font).horizontalAdvance(window->windowTitle()) + 5 * bar;
}

void UpdateManager::showProgressDialog(QProgressDialog* dialog)
{
    removeQuestionMarkFromTitleBar(dialog);
    if (m_progressDialog)
        m_progressDialog->deleteLater();
    m_progressDialog = dialog;
    dialog->show();
}

void UpdateManager::removeQuestionMarkFromTitleBar(QWidget* widget)
{
    widget->setWindowFlags(widget->windowFlags() & ~Qt::WindowContextHelpButtonHint);
}

} // namespace Corvane::Updater
