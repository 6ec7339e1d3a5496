#include "InfoSwSettings.h"
#include "QuestionDialog.h"
#include "UpdateManager.h"

#include "HttpTestServer.h"

#include "utilities/InitSettings.h"
#include "utilities/PathProvider.h"

#include <QApplication>
#include <QCheckBox>
#include <QCryptographicHash>
#include <QDir>
#include <QMessageBox>
#include <QNetworkProxy>
#include <QProgressDialog>
#include <QStyle>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace Corvane::Updater;
using namespace Corvane::UpdateChecker;
using Corvane::Utilities::InitSettings;
using Corvane::Utilities::PathProvider;

namespace {

const QString CheckPath = QStringLiteral("/updates/Vantrel/check.xml");
const QString KitName = QStringLiteral("vantrel_2.1.0_amd64.deb");
const QString KitPath = QStringLiteral("/updates/Vantrel/") + KitName;

QByteArray kitBytes()
{
    QByteArray bytes;
    for (int i = 0; i < 300000; ++i)
        bytes.append(char(i % 251));
    return bytes;
}

QByteArray checkXml(const QByteArray& version, const QByteArray& digestOf, const QString& kitName = KitName)
{
    return "<UPDATES><KIT version=\"" + version + "\" stage=\"4\" os=\"3\" architecture=\""
        + QByteArray::number(InfoSwSettings::architecture()) + "\" package=\""
        + QByteArray::number(InfoSwSettings::installationPackageType()) + "\" link=\""
        + kitName.toHtmlEscaped().toUtf8() + "\" size=\"" + QByteArray::number(kitBytes().size()) + "\" sha256=\""
        + QCryptographicHash::hash(digestOf, QCryptographicHash::Sha256).toHex() + "\"/></UPDATES>";
}

struct Box
{
    QMessageBox::Icon icon;
    QString text;
    bool offersCheckBox;
    QString progressLabel;
};

// The manager with scripted answers in place of the dialogs.
class ScriptedManager : public UpdateManager
{
public:
    QList<QMessageBox::StandardButton> answers;
    bool tickCheckBox = false;
    QString folder;
    QList<Box> boxes;
    int quits = 0;
    bool windowShownAtQuit = false;

protected:
    QMessageBox::StandardButton askUser(QMessageBox::Icon icon, const QString& text, bool* checked) override
    {
        const QString label = currentProgressDialog() ? currentProgressDialog()->labelText() : QString();
        boxes.append({icon, text, checked != nullptr, label});
        if (checked)
            *checked = tickCheckBox;
        if (icon != QMessageBox::Question)
            return QMessageBox::Ok;
        return answers.isEmpty() ? QMessageBox::No : answers.takeFirst();
    }

    QString chooseDirectory(const QString&) override { return folder; }

    void handleQuit() override
    {
        ++quits;
        for (const QWidget* widget : QApplication::topLevelWidgets())
            windowShownAtQuit |= widget->isVisible();
    }
};

} // namespace

class tst_UpdateManager : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void automaticModeEndsSilently_data();
    void automaticModeEndsSilently();
    void interactiveCheckResults_data();
    void interactiveCheckResults();
    void declinedOfferEnds_data();
    void declinedOfferEnds();
    void automaticOfferWritesCallerIni_data();
    void automaticOfferWritesCallerIni();
    void downloadIsOfferedAndSaved_data();
    void downloadIsOfferedAndSaved();
    void existingFileIsNotReplacedWithoutConsent();
    void existingFileIsReplacedWithConsent();
    void corruptKitIsReportedAsFailure();
    void cancelDuringDownloadEndsOnce();
    void progressKeepsBusyIndicatorWithoutTotal();
    void destroyedWhileCheckRuns();
    void progressTitleShownWhole();

    void toIntegerProgress_data();
    void toIntegerProgress();
    void resultMessage_data();
    void resultMessage();
    void url_data();
    void url();
    void targetFilePath_data();
    void targetFilePath();
    void showMessageBox_data();
    void showMessageBox();

private:
    bool runUntilQuit(ScriptedManager& manager, bool automatic, const QString& iniPath = QString());
    void serveKit(const QByteArray& version, const QByteArray& digestOf);

    QTemporaryDir m_config;
    QTemporaryDir m_data;
    QTemporaryDir* m_downloads = nullptr;
    HttpTestServer m_server;
};

void tst_UpdateManager::initTestCase()
{
    QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
    QVERIFY(m_config.isValid() && m_data.isValid());
    qputenv("CORVANE_CONFIG_DIR", m_config.path().toLocal8Bit());
    qputenv("CORVANE_DATA_DIR", m_data.path().toLocal8Bit());
    QCoreApplication::setApplicationName("TalveraVantrelUpdater");

    QFile infoSw(PathProvider::configInfoSwFullName());
    QVERIFY(infoSw.open(QIODevice::WriteOnly));
    infoSw.write("<INFOSW><SW_INIT><SOFTWARE_FRIENDLY_NAME>Vantrel</SOFTWARE_FRIENDLY_NAME><BRAND>Talvera</BRAND>"
                 "<BRANDCODE>TL</BRANDCODE><SPLASH_MESSAGE>Hello</SPLASH_MESSAGE><STAGE>4</STAGE>"
                 "<VERSION><V>2</V><R>0</R><B>93</B></VERSION></SW_INIT></INFOSW>");
    infoSw.close();
    QCOMPARE(InfoSwSettings::instance()->fullVersionString(), QString("2.0.93"));

    QVERIFY(m_server.listen());
    QSettings ini(PathProvider::iniFilePath(), QSettings::IniFormat);
    ini.setValue(InitSettings::SOFTWARE_UPDATE_LINK_KEY, m_server.url("/updates").toString());
    ini.sync();
    InitSettings::readSettings();
}

void tst_UpdateManager::init()
{
    m_downloads = new QTemporaryDir;
    QVERIFY(m_downloads->isValid());
}

void tst_UpdateManager::cleanup()
{
    delete m_downloads;
    for (QWidget* widget : QApplication::topLevelWidgets())
        widget->deleteLater();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

bool tst_UpdateManager::runUntilQuit(ScriptedManager& manager, bool automatic, const QString& iniPath)
{
    manager.setTransferTimeout(3000);
    manager.check(automatic, iniPath);
    return QTest::qWaitFor([&manager] { return manager.quits > 0; }, 10000);
}

void tst_UpdateManager::serveKit(const QByteArray& version, const QByteArray& digestOf)
{
    m_server.setResponse(CheckPath, 200, checkXml(version, digestOf));
    m_server.setResponse(KitPath, 200, kitBytes());
}

void tst_UpdateManager::automaticModeEndsSilently_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");

    QTest::newRow("up to date") << 200 << checkXml("2.0.93", kitBytes());
    QTest::newRow("older kit") << 200 << checkXml("2.0.9", kitBytes());
    QTest::newRow("no kits") << 404 << QByteArray();
    QTest::newRow("server error") << 500 << QByteArray();
}

void tst_UpdateManager::automaticModeEndsSilently()
{
    QFETCH(int, status);
    QFETCH(QByteArray, body);

    m_server.setResponse(CheckPath, status, body);
    ScriptedManager manager;
    manager.setTransferTimeout(3000);
    manager.check(true, m_config.filePath("caller.ini"));
    QVERIFY(!manager.currentProgressDialog());
    QTRY_COMPARE(manager.quits, 1);
    QTest::qWait(50);
    QCOMPARE(manager.quits, 1);
    QCOMPARE(manager.boxes.size(), 0);
    QVERIFY(!manager.windowShownAtQuit);
    QVERIFY(!manager.hasActionInProgress());
}

void tst_UpdateManager::interactiveCheckResults_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("icon");
    QTest::addColumn<QString>("text");

    QTest::newRow("up to date") << 200 << checkXml("2.0.93", kitBytes()) << int(QMessageBox::Information)
                                << "The software Vantrel is up to date. No updates available.";
    QTest::newRow("no kits") << 404 << QByteArray() << int(QMessageBox::Warning)
                             << "There are no installation kits of the Vantrel software on the remote server for "
                                "automatic update.";
    QTest::newRow("server error") << 500 << QByteArray() << int(QMessageBox::Critical)
                                  << "Unable to contact the remote server for automatic update.";
}

void tst_UpdateManager::interactiveCheckResults()
{
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    QFETCH(int, icon);
    QFETCH(QString, text);

    m_server.setResponse(CheckPath, status, body);
    ScriptedManager manager;
    QVERIFY(runUntilQuit(manager, false));
    QCOMPARE(manager.boxes.size(), 1);
    QCOMPARE(int(manager.boxes.at(0).icon), icon);
    QCOMPARE(manager.boxes.at(0).text, text);
    QCOMPARE(manager.boxes.at(0).progressLabel, QString("Check for update..."));
}

void tst_UpdateManager::declinedOfferEnds_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("folder");

    QTest::newRow("answered no") << int(QMessageBox::No) << "";
    QTest::newRow("box closed") << int(QMessageBox::NoButton) << "";
    QTest::newRow("folder dialog cancelled") << int(QMessageBox::Yes) << "";
}

void tst_UpdateManager::declinedOfferEnds()
{
    QFETCH(int, answer);
    QFETCH(QString, folder);

    serveKit("2.1.0", kitBytes());
    const int requestsBefore = m_server.requestedPaths().size();
    ScriptedManager manager;
    manager.answers = {QMessageBox::StandardButton(answer)};
    manager.folder = folder;
    QVERIFY(runUntilQuit(manager, false));
    QCOMPARE(manager.boxes.size(), 1);
    QCOMPARE(manager.boxes.at(0).icon, QMessageBox::Question);
    QCOMPARE(manager.boxes.at(0).text,
             QString("A new update of the software is available for download. Do you want to download it?"));
    QVERIFY(!manager.boxes.at(0).offersCheckBox);
    QCOMPARE(m_server.requestedPaths().mid(requestsBefore), QStringList{CheckPath});
}

void tst_UpdateManager::automaticOfferWritesCallerIni_data()
{
    QTest::addColumn<bool>("ticked");
    QTest::addColumn<bool>("showUpdates");

    QTest::newRow("ticked") << true << false;
    QTest::newRow("not ticked") << false << true;
}

void tst_UpdateManager::automaticOfferWritesCallerIni()
{
    QFETCH(bool, ticked);
    QFETCH(bool, showUpdates);

    serveKit("2.1.0", kitBytes());
    const QString callerIni = m_downloads->filePath("Caller.ini");
    {
        QSettings ini(callerIni, QSettings::IniFormat);
        ini.setValue("locale", "it_IT");
    }
    ScriptedManager manager;
    manager.answers = {QMessageBox::No};
    manager.tickCheckBox = ticked;
    QVERIFY(runUntilQuit(manager, true, callerIni));
    QCOMPARE(manager.boxes.size(), 1);
    QVERIFY(manager.boxes.at(0).offersCheckBox);
    const QSettings ini(callerIni, QSettings::IniFormat);
    QCOMPARE(ini.value("show_updates_on_startup").toBool(), showUpdates);
    QCOMPARE(ini.value("locale").toString(), QString("it_IT"));
}

void tst_UpdateManager::downloadIsOfferedAndSaved_data()
{
    QTest::addColumn<QString>("kitName");

    QTest::newRow("plain") << KitName;
    // Each name is requested encoded once: the server finds the file
    // under the very name the check file gave.
    QTest::newRow("percent sign") << "vantrel 100%.deb";
    QTest::newRow("percent and hex digits") << "vantrel%41%2F.deb";
    QTest::newRow("hash and question mark") << "vantrel#1?.deb";
}

void tst_UpdateManager::downloadIsOfferedAndSaved()
{
    QFETCH(QString, kitName);

    m_server.setResponse(CheckPath, 200, checkXml("2.1.0", kitBytes(), kitName));
    m_server.setResponse("/updates/Vantrel/" + kitName, 200, kitBytes());
    ScriptedManager manager;
    manager.answers = {QMessageBox::Yes};
    manager.folder = m_downloads->path();
    QVERIFY(runUntilQuit(manager, false));

    const QString target = QDir::toNativeSeparators(m_downloads->filePath(kitName));
    QCOMPARE(manager.boxes.size(), 2);
    const Box done = manager.boxes.at(1);
    QCOMPARE(done.icon, QMessageBox::Information);
    QCOMPARE(done.progressLabel, QString("Saving in progress..."));
    QVERIFY2(done.text.contains(QString("<a href=\"%1\">%2</a>")
                                    .arg(QUrl::fromLocalFile(target).toString(QUrl::FullyEncoded), target)),
             qPrintable(done.text));
    QFile saved(target);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), kitBytes());
    QCOMPARE(QDir(m_downloads->path()).entryList(QDir::Files | QDir::Hidden), QStringList{kitName});
}

void tst_UpdateManager::existingFileIsNotReplacedWithoutConsent()
{
    serveKit("2.1.0", kitBytes());
    QFile existing(m_downloads->filePath(KitName));
    QVERIFY(existing.open(QIODevice::WriteOnly));
    existing.write("mine");
    existing.close();

    const int requestsBefore = m_server.requestedPaths().size();
    ScriptedManager manager;
    manager.answers = {QMessageBox::Yes, QMessageBox::No};
    manager.folder = m_downloads->path();
    QVERIFY(runUntilQuit(manager, false));
    QCOMPARE(manager.boxes.size(), 2);
    QVERIFY(manager.boxes.at(1).text.contains("already exists"));
    QCOMPARE(m_server.requestedPaths().mid(requestsBefore), QStringList{CheckPath});
    QVERIFY(existing.open(QIODevice::ReadOnly));
    QCOMPARE(existing.readAll(), QByteArray("mine"));
}

void tst_UpdateManager::existingFileIsReplacedWithConsent()
{
    serveKit("2.1.0", kitBytes());
    const QString target = m_downloads->filePath(KitName);
    for (const QString& path : {target, target + ".part"}) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("mine: " + path.toUtf8());
    }

    ScriptedManager manager;
    manager.answers = {QMessageBox::Yes, QMessageBox::Yes};
    manager.folder = m_downloads->path();
    QVERIFY(runUntilQuit(manager, false));
    QCOMPARE(manager.boxes.size(), 3);
    QVERIFY(manager.boxes.at(1).text.contains("already exists"));
    QCOMPARE(manager.boxes.at(2).icon, QMessageBox::Information);
    QFile saved(target);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), kitBytes());
    // A file of the user's that happens to carry the part file's name is
    // neither truncated nor taken.
    QFile usersPart(target + ".part");
    QVERIFY(usersPart.open(QIODevice::ReadOnly));
    QCOMPARE(usersPart.readAll(), "mine: " + usersPart.fileName().toUtf8());
    QCOMPARE(QDir(m_downloads->path()).entryList(QDir::Files | QDir::Hidden),
             (QStringList{KitName, KitName + ".part"}));
}

void tst_UpdateManager::corruptKitIsReportedAsFailure()
{
    serveKit("2.1.0", "other bytes");
    ScriptedManager manager;
    manager.answers = {QMessageBox::Yes};
    manager.folder = m_downloads->path();
    QVERIFY(runUntilQuit(manager, false));
    QCOMPARE(manager.boxes.size(), 2);
    QCOMPARE(manager.boxes.at(1).icon, QMessageBox::Critical);
    QCOMPARE(manager.boxes.at(1).text, QString("Error downloading file from the remote server for automatic update."));
    QCOMPARE(QDir(m_downloads->path()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

void tst_UpdateManager::cancelDuringDownloadEndsOnce()
{
    m_server.setResponse(CheckPath, 200, checkXml("2.1.0", kitBytes()));
    HttpTestServer::Response trickle;
    trickle.body = kitBytes();
    trickle.chunkSize = 1000;
    trickle.chunkIntervalMs = 20;
    m_server.setResponse(KitPath, trickle);

    ScriptedManager manager;
    manager.answers = {QMessageBox::Yes};
    manager.folder = m_downloads->path();
    manager.setTransferTimeout(3000);
    manager.check(false, QString());
    QTRY_VERIFY(manager.currentProgressDialog()
                && manager.currentProgressDialog()->labelText() == "Downloading..."
                && manager.currentProgressDialog()->value() > 0);
    manager.onDownloadCanceled();
    manager.onDownloadCanceled();
    QTRY_COMPARE(manager.quits, 1);
    QTest::qWait(100);
    QCOMPARE(manager.quits, 1);
    QCOMPARE(manager.boxes.size(), 1); // only the offer
    QCOMPARE(QDir(m_downloads->path()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

void tst_UpdateManager::progressKeepsBusyIndicatorWithoutTotal()
{
    HttpTestServer::Response silent;
    silent.neverAnswer = true;
    m_server.setResponse(CheckPath, silent);
    ScriptedManager manager;
    manager.check(false, QString());
    QProgressDialog* dialog = manager.currentProgressDialog();
    QVERIFY(dialog);
    QCOMPARE(dialog->maximum(), 0);

    manager.setProgress(10, 0);
    manager.onDownloadProgress(10, -1);
    manager.onSavingDownloadedUpdateProgress(0, 0);
    QCOMPARE(dialog->maximum(), 0);

    manager.onDownloadProgress(50, 100);
    QCOMPARE(dialog->maximum(), 100);
    QCOMPARE(dialog->value(), 45);
    manager.onDownloadProgress(100, 100);
    manager.onSavingDownloadedUpdateProgress(50, 100);
    QCOMPARE(dialog->value(), 95);

    manager.onCheckForUpdateCanceled();
    QTRY_COMPARE(manager.quits, 1);
    QCOMPARE(manager.boxes.size(), 0);
}

// The progress window is wide enough for its title ("TalveraVantrelUpdater"
// and the like) in the title bar's bold font, beside the bar's icon and buttons.
void tst_UpdateManager::progressTitleShownWhole()
{
    HttpTestServer::Response silent;
    silent.neverAnswer = true;
    m_server.setResponse(CheckPath, silent);
    ScriptedManager manager;
    manager.check(false, QString());
    QProgressDialog* dialog = manager.currentProgressDialog();
    QVERIFY(dialog);
    QTRY_VERIFY(dialog->isVisible());
    QCOMPARE(dialog->windowTitle(), QCoreApplication::applicationName());
    QFont bold = dialog->font();
    bold.setBold(true);
    const int buttons = 4 * dialog->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, dialog);
    QVERIFY2(dialog->width() >= QFontMetrics(bold).horizontalAdvance(dialog->windowTitle()) + buttons,
             qPrintable(QString::number(dialog->width())));
    manager.onCheckForUpdateCanceled();
    QTRY_COMPARE(manager.quits, 1);
}

void tst_UpdateManager::destroyedWhileCheckRuns()
{
    HttpTestServer::Response silent;
    silent.neverAnswer = true;
    m_server.setResponse(CheckPath, silent);
    auto* manager = new ScriptedManager;
    manager->check(true, QString());
    QTRY_VERIFY(m_server.requestedPaths().size() > 0 && m_server.requestedPaths().last() == CheckPath);
    QVERIFY(manager->hasActionInProgress());
    delete manager; // must stop and wait for the worker thread
    QTest::qWait(50);
}

void tst_UpdateManager::toIntegerProgress_data()
{
    QTest::addColumn<double>("progress");
    QTest::addColumn<int>("shown");

    QTest::newRow("download half, saving none") << 0.9 * 50 + (1 - 0.9) * 0 << 45;
    QTest::newRow("both complete") << 0.9 * 100 + (1 - 0.9) * 100 << 100;
    QTest::newRow("half rounds up") << 44.5 << 45;
    QTest::newRow("below range") << -3.0 << 0;
    QTest::newRow("above range") << 270.0 << 100;
}

void tst_UpdateManager::toIntegerProgress()
{
    QFETCH(double, progress);
    QFETCH(int, shown);
    QCOMPARE(UpdateManager::toIntegerProgress(progress), shown);
}

void tst_UpdateManager::resultMessage_data()
{
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("text");

    QTest::newRow("0") << 0 << ""
                       << "A new update of the software is available for download. Do you want to download it?";
    QTest::newRow("1") << 1 << ""
                       << QString("A new version of the software is available for download. This version has new "
                                  "functions available with last version of firmware of devices installed in the "
                                  "systems.")
            + QChar(0x2028) + "Do you want to download it?";
    const QString saved = "The download of the new update of the software has been completed.<br />Your new "
                          "installation kit is in:<br /><a href=\"file:///home/u/My%20Kits/a&amp;b.deb\">"
                          "/home/u/My Kits/a&amp;b.deb</a>";
    QTest::newRow("2") << 2 << "/home/u/My Kits/a&b.deb" << saved;
    QTest::newRow("3") << 3 << "" << "";
    QTest::newRow("4") << 4 << "/home/u/My Kits/a&b.deb" << saved;
    QTest::newRow("4 html in path")
        << 4 << "/tmp/<b>x\".deb"
        << "The download of the new update of the software has been completed.<br />Your new installation kit is "
           "in:<br /><a href=\"file:///tmp/%3Cb%3Ex%22.deb\">/tmp/&lt;b&gt;x&quot;.deb</a>";
    QTest::newRow("5") << 5 << "" << "";
    QTest::newRow("6") << 6 << "" << "The software Vantrel is up to date. No updates available.";
    QTest::newRow("7") << 7 << ""
                       << "There are no installation kits of the Vantrel software on the remote server for "
                          "automatic update.";
    QTest::newRow("8") << 8 << "" << "The network is not available. Please check your internet connection";
    QTest::newRow("9") << 9 << "" << "Unable to contact the remote server for automatic update.";
    QTest::newRow("10") << 10 << "" << "Error downloading file from the remote server for automatic update.";
    QTest::newRow("11") << 11 << "" << "Error saving update file.";
    QTest::newRow("12") << 12 << "" << "";
    QTest::newRow("-1") << -1 << "" << "";
}

void tst_UpdateManager::resultMessage()
{
    QFETCH(int, result);
    QFETCH(QString, fileName);
    QFETCH(QString, text);
    QCOMPARE(UpdateManager::resultMessage(static_cast<UpdaterResult>(result), "Vantrel", fileName), text);
}

void tst_UpdateManager::url_data()
{
    QTest::addColumn<QString>("base");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");

    QTest::newRow("http") << "http://updates.example/linux" << "Vantrel"
                          << "http://updates.example/linux/Vantrel/check.xml";
    QTest::newRow("trailing slash kept") << "http://updates.example/linux/" << "Vantrel"
                                         << "http://updates.example/linux//Vantrel/check.xml";
    QTest::newRow("space in name") << "https://u.example" << "My Soft"
                                   << "https://u.example/My Soft/check.xml";
    QTest::newRow("empty name") << "http://u.example/updates" << ""
                                << "http://u.example/updates//check.xml";
    QTest::newRow("local folder") << "@local" << "Vantrel" << "@local/Vantrel/check.xml";
}

void tst_UpdateManager::url()
{
    QFETCH(QString, base);
    QFETCH(QString, name);
    QFETCH(QString, expected);

    if (base == "@local") {
        base = m_data.path();
        expected.replace("@local", QUrl::fromLocalFile(m_data.path()).toString());
    }
    QCOMPARE(QUrl(UpdateManager::checkXmlUrl(base, name)), QUrl(expected));
}

void tst_UpdateManager::targetFilePath_data()
{
    QTest::addColumn<QString>("kitName");
    QTest::addColumn<QString>("expected");

    QTest::newRow("plain") << KitName << "/downloads/" + KitName;
    QTest::newRow("parent") << "../x" << "";
    QTest::newRow("absolute") << "/etc/x" << "";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("dot") << "." << "";
    QTest::newRow("dot dot") << ".." << "";
    QTest::newRow("control character") << "kit\r.deb" << "";
}

void tst_UpdateManager::targetFilePath()
{
    QFETCH(QString, kitName);
    QFETCH(QString, expected);
    QCOMPARE(UpdateManager::targetFilePath("/downloads", kitName), expected);
}

void tst_UpdateManager::showMessageBox_data()
{
    QTest::addColumn<int>("icon");
    QTest::addColumn<bool>("withCheckBox");
    QTest::addColumn<QString>("click");
    QTest::addColumn<int>("result");
    QTest::addColumn<bool>("checked");

    QTest::newRow("information") << int(QMessageBox::Information) << false << "OK" << int(QMessageBox::Ok) << false;
    QTest::newRow("question yes") << int(QMessageBox::Question) << false << "Yes" << int(QMessageBox::Yes) << false;
    QTest::newRow("question no") << int(QMessageBox::Question) << false << "No" << int(QMessageBox::No) << false;
    QTest::newRow("question with box, ticked no")
        << int(QMessageBox::Question) << true << "tick+No" << int(QMessageBox::No) << true;
    QTest::newRow("question with box, escape")
        << int(QMessageBox::Question) << true << "Escape" << int(QMessageBox::NoButton) << false;
}

void tst_UpdateManager::showMessageBox()
{
    QFETCH(int, icon);
    QFETCH(bool, withCheckBox);
    QFETCH(QString, click);
    QFETCH(int, result);
    QFETCH(bool, checked);

    bool seenImage = false;
    QTimer::singleShot(0, this, [&] {
        QWidget* box = QApplication::activeModalWidget();
        QVERIFY(box);
        QCOMPARE(box->windowTitle(), QCoreApplication::applicationName());
        QVERIFY(!(box->windowFlags() & Qt::WindowContextHelpButtonHint));
        if (auto* messageBox = qobject_cast<QMessageBox*>(box))
            seenImage = !messageBox->iconPixmap().isNull();
        else
            seenImage = true;
        if (click == "Escape") {
            QTest::keyClick(box, Qt::Key_Escape);
            return;
        }
        if (click.startsWith("tick+")) {
            box->findChild<QCheckBox*>()->click();
            click = click.mid(5);
        }
        for (QPushButton* button : box->findChildren<QPushButton*>()) {
            if (button->text() == click)
                return button->click();
        }
        QFAIL("button not found");
    });
    bool ticked = false;
    const QMessageBox::StandardButton answer = UpdateManager::showMessageBox(
        QMessageBox::Icon(icon), "Text", withCheckBox ? &ticked : nullptr);
    QCOMPARE(int(answer), result);
    QCOMPARE(ticked, checked);
    QVERIFY(seenImage);
}

QTEST_MAIN(tst_UpdateManager)
#include "tst_updatemanager.moc"
