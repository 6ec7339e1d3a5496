#pragma once

#include "updatechecker/UpdateCheckerTypes.h"

#include <QMessageBox>
#include <QObject>
#include <QPointer>

class QProgressDialog;
class QThread;

namespace Corvane::Updater {

class NetworkWorkerObject;

// Drives one version check and at most one download: shows the progress
// dialog, the message boxes and the folder dialog, and ends the program
// when done. Each job runs in a NetworkWorkerObject on one worker thread,
// created on the first job and reused. A job ends only when the manager
// stops the thread; the next job (or the quit) waits until the thread has
// finished and the worker is gone.
class UpdateManager : public QObject
{
    Q_OBJECT

public:
    enum PendingAction {
        NoPendingAction = 0,
        StartDownload = 1,
        QuitApplication = 2,
    };

    static const QString CHECK_XML_FILE_NAME;
    static const QString DOWNLOADS_DIR_NAME;
    // Meta-type id of UpdaterResult, registered when the program loads so
    // that the worker's signals can carry it between threads.
    static const int UPDATER_RESULT_META_TYPE_ID;

    explicit UpdateManager(QObject* parent = nullptr);
    ~UpdateManager() override;

    // Starts the version check; nothing happens while a job is in progress.
    void check(bool automatic, const QString& iniPath);
    // Runs the prepared worker on the worker thread; false, and nothing
    // done, while a job is in progress (the caller then deletes the worker).
    bool performRequestedAction(NetworkWorkerObject* worker);
    bool hasActionInProgress() const;
    void requestQuit();
    void quit();
    void clearAll();
    void clearLastAction();

    // Transfer time-out given to every job's worker (milliseconds).
    void setTransferTimeout(int milliseconds);
    QProgressDialog* currentProgressDialog() const;

    // base + "/" + name + "/" + fileName; a base naming a local file or
    // folder becomes its file URL first.
    static QString url(const QString& base, const QString& name, const QString& fileName);
    static QString checkXmlUrl(const QString& link, const QString& name);
    static QString installPackageServerUrl(const QString& link, const QString& name, const QString& fileName);
    // The full path (native separators) under which a kit of this name, as
    // the server gave it, is saved in folder; empty when the name is not a
    // plain file name.
    static QString targetFilePath(const QString& folder, const QString& kitName);
    static QString resultMessage(UpdateChecker::UpdaterResult result, const QString& name, const QString& fileName);

    static QMessageBox::StandardButton showMessageBox(QMessageBox::Icon icon, const QString& text,
                                                      bool* checked = nullptr);
    static QString existingDirectory(QWidget* parent, const QString& caption);
    static QString iconPath(QMessageBox::Icon icon);
    static QPixmap icon(QMessageBox::Icon icon);
    static QProgressDialog* progressDialog(const QString& label, const QString& cancelText, QObject* receiver,
                                           const char* slot);
    static void removeQuestionMarkFromTitleBar(QWidget* widget);
    // The width a window's title bar needs to show its title whole, beside
    // the window icon and the buttons the window manager puts there.
    static int titleBarWidth(const QWidget* window);
    static int toIntegerProgress(double progress);
    static int toProgress(qint64 bytes, qint64 total);
    // Percentage of bytes in total; 0 when the total is not known (0 or less).
    static double toRealProgress(qint64 bytes, qint64 total);

public Q_SLOTS:
    void onAppStartRequested(const QStringList& arguments);
    void onCheckForNewVersionFinished(Corvane::UpdateChecker::UpdaterResult result, const QString& newVersionLink);
    void onUpdateDownloadFinished(Corvane::UpdateChecker::UpdaterResult result, const QString& link,
                                  const QString& fullFileName);
    void onCheckForUpdateCanceled();
    void onDownloadCanceled();
    void setProgress(qint64 bytes, qint64 total);
    void setProgress(int progress);
    void onDownloadProgress(qint64 bytes, qint64 total);
    void onSavingDownloadedUpdateProgress(qint64 bytes, qint64 total);
    void onNetworkWorkerObjectDestroyed();

protected:
    // The user's answers; by default the real dialogs.
    virtual QMessageBox::StandardButton askUser(QMessageBox::Icon icon, const QString& text, bool* checked);
    virtual QString chooseDirectory(const QString& caption);
    // Ends the program; by default QCoreApplication::quit().
    virtual void handleQuit();

private:
    void showProgressDialog(QProgressDialog* dialog);
    void offerNewVersion(UpdateChecker::UpdaterResult result, const QString& newVersionLink);
    void startDownload();
    // Ends the program when no job runs; otherwise asks the worker, in its
    // thread, to abort.
    void cancelJob(void (NetworkWorkerObject::*abort)());
    void showDownloadProgress();

    NetworkWorkerObject* m_worker = nullptr;
    QThread* m_thread = nullptr;
    QPointer<QProgressDialog> m_progressDialog;
    bool m_automatic = false;
    QString m_iniPath;
    QString m_downloadLink;
    QString m_targetFile;
    double m_downloadPercentage = 0;
    double m_savingPercentage = 0;
    int m_pendingAction = NoPendingAction;
    // Set once the running job's thread was asked to stop: the worker may
    // then be deleted at any moment and takes no more calls.
    bool m_stopping = false;
    int m_transferTimeoutMs;
};

} // namespace Corvane::Updater
