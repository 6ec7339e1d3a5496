#include "windows/TransparencyTester.h"

#include "log/Logger.h"

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

namespace Corvane::Gadgets::Utilities {

using Corvane::Log::Logger;

namespace {

constexpr int SEARCH_BORDER = 100;
constexpr int GRAB_DELAY = 200;
const QRgb BLACK = qRgb(0, 0, 0);

} // namespace

TransparencyTester::TransparencyTester()
    : QDialog(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setStyleSheet(QStringLiteral("border: none;"));
    setWindowModality(Qt::ApplicationModal);
    resize(1, 1);
}

bool TransparencyTester::isGrabSupported()
{
    return QGuiApplication::platformName() == QStringLiteral("xcb") && QGuiApplication::primaryScreen();
}

QImage TransparencyTester::grabScreen()
{
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->grabWindow(0).toImage() : QImage();
}

bool TransparencyTester::checkTransparency()
{
    if (!isGrabSupported()) {
        Logger(Logger::Trace) << "Transparency test not supported on the \"" << QGuiApplication::platformName()
                              << "\" platform";
        return true;
    }
    const QImage screen = grabScreen();
    if (screen.isNull()) {
        Logger(Logger::Error) << Q_FUNC_INFO << " The screen could not be grabbed";
        return true;
    }
    const QPoint probe = findNonBlackPixel(screen);
    if (probe == QPoint(-1, -1))
        return true;

    setPalette(QPalette(Qt::black));
    setAutoFillBackground(true);
    move(probe);
    exec();
    return !m_grabbedColor.isValid() || m_grabbedColor.rgb() != BLACK;
}

QPoint TransparencyTester::findNonBlackPixel(const QImage& image)
{
    for (int x = SEARCH_BORDER; x < image.width() - SEARCH_BORDER; ++x) {
        for (int y = SEARCH_BORDER; y < image.height() - SEARCH_BORDER; ++y) {
            if (image.pixel(x, y) != BLACK)
                return QPoint(x, y);
        }
    }
    return QPoint(-1, -1);
}

void TransparencyTester::paintEvent(QPaintEvent*)
{
    QTimer::singleShot(GRAB_DELAY, this, &TransparencyTester::grabAndClose);
}

void TransparencyTester::grabAndClose()
{
    const QImage screen = grabScreen();
    const QPoint position = pos();
    if (screen.rect().contains(position))
        m_grabbedColor = screen.pixelColor(position);
    close();
}

} // namespace Corvane::Gadgets::Utilities
