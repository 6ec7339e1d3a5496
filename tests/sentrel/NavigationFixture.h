#pragma once

#include "Controllers/navigation/NavigationController.h"
#include "NavigationWindow.h"
#include "SentrelFixture.h"
#include "simulation/ManualClock.h"
#include "simulation/PseudoDriver.h"

#include "pravikdriver/OpenDriver.h"
#include "ssdp/SsdpTransport.h"
#include "ssdp/UdpSsdpTransport.h"

#include <QFile>
#include <QPointer>
#include <QRegularExpression>

#include <memory>

// Counts the searches of a discovery and sends nothing anywhere.
class RecordingSsdpTransport : public Corvane::SSDP::SsdpTransport
{
public:
    void sendSearch(const QByteArray& datagram) override { searches.append(datagram); }
    QList<QByteArray> searches;
};

// The main window on a project of the test's choice, on a manual clock, with
// every driver made through the controller's seam (and kept track of), the
// end of the event loop counted instead of done, and the Updater never
// started.
class NavigationFixture
{
public:
    using NavigationController = Corvane::Sentrel::Controllers::NavigationController;
    using OpenDriver = Corvane::PravikDriver::OpenDriver;

    // Short enough that reconnection and closing take a fraction of a second.
    static OpenDriver::Timing shortTiming()
    {
        OpenDriver::Timing timing;
        timing.connectTimeout = 1000;
        timing.responseTimeout = 1000;
        timing.heartbeatInterval = 300;
        timing.silenceLimit = 2000;
        timing.reconnectMinimumDelay = 50;
        timing.reconnectMaximumDelay = 200;
        timing.closeTimeout = 300;
        return timing;
    }

    explicit NavigationFixture(bool noServer = true)
    {
        Corvane::Sentrel::Clock::setProgramClock(&clock);
        Corvane::Sentrel::Settings::s_instance->setSupportTransparency(true);
        Corvane::Sentrel::Settings::s_instance->setNoServer(noServer);
        NavigationController::Seams seams;
        seams.driverFactory = [this](bool simulated) {
            OpenDriver* driver = simulated ? new Corvane::Sentrel::PseudoDriver() : new OpenDriver();
            driver->setTiming(shortTiming());
            driver->blockSignals(silentDrivers);
            made.append(driver);
            return driver;
        };
        seams.updaterStarter = [this](const QStringList& arguments) {
            updaterStarts.append(arguments);
            return true;
        };
        seams.quitApplication = [this] { ++quits; };
        // Searches go to a recorder, or to a responder the test started on
        // 127.0.0.1: never to the network.
        seams.discoveryTransportFactory = [this]() -> Corvane::SSDP::SsdpTransport* {
            if (loopbackResponderPort != 0)
                return new Corvane::SSDP::UdpSsdpTransport(QHostAddress::LocalHost, loopbackResponderPort);
            transport = new RecordingSsdpTransport;
            return transport;
        };
        NavigationController::setSeams(seams);
    }
    ~NavigationFixture()
    {
        window.reset();
        NavigationController::setSeams({});
        Corvane::Sentrel::Clock::setProgramClock(nullptr);
    }

    void open(const QString& project)
    {
        Corvane::Sentrel::Settings::guiProperties().setTempConfigFileName(project);
        Corvane::Sentrel::Settings::clearConfiguration();
        window = std::make_unique<Corvane::Sentrel::NavigationWindow>();
    }
    NavigationController* navigation() const { return window->navigationController(); }

    // The demo project with its gateway's address element replaced, and
    // further gateways (address elements) without devices before it.
    QString writeProject(const QString& name, const QString& gatewayNet,
                         const QStringList& furtherGatewayNets = {}) const
    {
        QFile demo(QStringLiteral(DEMO_PROJECT));
        if (!demo.open(QIODevice::ReadOnly))
            return QString();
        QString text = QString::fromUtf8(demo.readAll());
        static const QRegularExpression net(QStringLiteral("<net [^>]*/>"));
        text.replace(net, gatewayNet);
        QString further;
        for (int i = 0; i < furtherGatewayNets.size(); ++i)
            further += QStringLiteral("<webserver id=\"%1\" type=\"22001\" description=\"Gateway %1\" viewer=\"1\" "
                                      "soundSystemType=\"0\">%2</webserver>\n")
                           .arg(900 + i)
                           .arg(furtherGatewayNets.at(i));
        text.replace(QStringLiteral("  <webserver id=\"1\""), further + QStringLiteral("  <webserver id=\"1\""));
        const QString path = settings.dataPath() + QLatin1Char('/') + name;
        SentrelFixture::writeFile(path, text.toUtf8());
        return path;
    }
    static QString net(int type, const QString& ip, int port, const QString& password, int fc = 0, int uc = 0)
    {
        return QStringLiteral("<net type=\"%1\" ip=\"%2\" uc=\"%3\" password=\"%4\" port=\"%5\" fc=\"%6\"/>")
            .arg(type)
            .arg(ip)
            .arg(uc)
            .arg(password)
            .arg(port)
            .arg(fc);
    }

    // The drivers made so far that still exist.
    QList<OpenDriver*> liveDrivers() const
    {
        QList<OpenDriver*> live;
        for (const QPointer<OpenDriver>& driver : made)
            if (driver)
                live.append(driver.data());
        return live;
    }
    // Lets every driver that was told to close report it.
    void releaseDrivers()
    {
        silentDrivers = false;
        for (OpenDriver* driver : liveDrivers()) {
            driver->blockSignals(false);
            if (driver->isClosing())
                Q_EMIT driver->readyToClose();
        }
    }

    SentrelFixture settings;
    Corvane::Sentrel::ManualClock clock;
    quint16 loopbackResponderPort = 0;
    // The recorder of the window's discovery, when it has one.
    QPointer<RecordingSsdpTransport> transport;
    // Drivers made while set never report that they may close.
    bool silentDrivers = false;
    QList<QPointer<OpenDriver>> made;
    QList<QStringList> updaterStarts;
    int quits = 0;
    std::unique_ptr<Corvane::Sentrel::NavigationWindow> window;
};
