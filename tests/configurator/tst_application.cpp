#include "Application.h"
#include "MainWindow.h"
#include "ProjectFixture.h"
#include "ScriptedDialogService.h"
#include "devices/serialization/XmlSerializer.h"
#include "utilities/Globals.h"

#include <QDir>
#include <QFileOpenEvent>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using Corvane::Configurator::Application;
using Corvane::Configurator::MainWindow;

namespace {

QString testKey()
{
    return Corvane::Utilities::Globals::appKey(QStringLiteral("ConfiguratorHandOverTest%1").arg(QCoreApplication::applicationPid()),
                                               QStringLiteral("Talvera"));
}

} // namespace

// A second start of the program hands its arguments to the first: two real
// processes, the second started in another folder with a relative name.
class tst_Application : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void fileOpenEvent();
    void secondStartHandsOverTheFile();

private:
    QTemporaryDir m_dir;
};

void tst_Application::initTestCase()
{
    QVERIFY(m_dir.isValid());
    qputenv("CORVANE_CONFIG_DIR", QFile::encodeName(m_dir.filePath("config")));
    ConfiguratorTest::initResources();
}

void tst_Application::fileOpenEvent()
{
    auto* application = qobject_cast<Application*>(qApp);
    QSignalSpy spy(application, &Application::fileNameArgument);
    QFileOpenEvent event(QStringLiteral("/tmp/opened.vtprj"));
    QVERIFY(QCoreApplication::sendEvent(application, &event));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toString(), QString("/tmp/opened.vtprj"));
    QCOMPARE(application->fileName(), QString("/tmp/opened.vtprj"));
}

void tst_Application::secondStartHandsOverTheFile()
{
    auto* application = qobject_cast<Application*>(qApp);
    QVERIFY(!application->isRunning());
    QVERIFY(QDir().mkpath(m_dir.filePath("second start")));
    const QString project = m_dir.filePath("second start/handed over.vtprj");
    QVERIFY(Corvane::Devices::Serialization::XmlSerializer::write(*ConfiguratorTest::makeProject(1, 1), project));

    ConfiguratorTest::ScriptedDialogService dialogs;
    MainWindow window;
    connect(application, &Corvane::Utilities::SingleInstanceApplication::appStartRequested, &window,
            &MainWindow::onAppStartRequest);
    QSignalSpy requests(application, &Corvane::Utilities::SingleInstanceApplication::appStartRequested);

    QProcess second;
    second.setWorkingDirectory(m_dir.filePath("second start"));
    second.start(QCoreApplication::applicationFilePath(), {"--second-start", "/VERBOSE", "handed over.vtprj"});
    QVERIFY(second.waitForStarted());
    QTRY_COMPARE_WITH_TIMEOUT(requests.count(), 1, 10000);
    // The event loop of the wait above may already have seen it finish.
    QVERIFY(second.state() == QProcess::NotRunning || second.waitForFinished(10000));
    QCOMPARE(second.exitCode(), 0);
    QCOMPARE(window.currentFilePath(), project);
    QVERIFY(window.isVisible());
}

int main(int argc, char** argv)
{
    const bool second = argc > 1 && qstrcmp(argv[1], "--second-start") == 0;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (second) {
        // The key of the parent test process.
        const QByteArray parent = QByteArray::number(getppid());
        Application application(argc, argv,
                                Corvane::Utilities::Globals::appKey(QStringLiteral("ConfiguratorHandOverTest") + QString::fromLatin1(parent),
                                                                    QStringLiteral("Talvera")));
        return application.isRunning() ? 0 : 1;
    }
    Application application(argc, argv, testKey());
    tst_Application test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_application.moc"
