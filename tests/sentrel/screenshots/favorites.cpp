// Renders lighting favourite windows of the demo project, in no-server mode,
// into PNG pictures for a visual check:
//     sentrel_favorite_screenshots [output folder]
// Each built-in theme gives <theme>_favorites.png: a light that is on with
// its icons shown, a light that is off, a dimmer with its ring open and a
// light whose gateway is lost, each over a dark and a light backdrop.

#include "FavoriteWindow.h"
#include "NavigationWindow.h"
#include "SentrelFixture.h"
#include "Controllers/lighting/ActuatorsController.h"
#include "Controllers/navigation/NavigationController.h"

#include "controls/SvgContentButton.h"
#include "favorite/FavoriteControl.h"
#include "models/NavigationIcon.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QPainter>
#include <QTimer>

using namespace Corvane::Sentrel;
using Controllers::ActuatorsController;
using Corvane::Gadgets::FavoriteControl;

namespace {

const int HALL = 3;
const int LIVING_DIMMER = 4;
const int KITCHEN = 2;
const int DINING = 6;

void wait(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

QImage gadgetImage(FavoriteWindow* window)
{
    QPoint offset;
    return window->createWindowImage(&offset);
}

void render(const QString& theme, const QString& path)
{
    SentrelFixture fixture;
    SentrelFixture::useProgramTheme(theme);
    Settings::s_instance->setSupportTransparency(true);
    Settings::s_instance->setNoServer(true);
    Settings::guiProperties().setTempConfigFileName(QStringLiteral(DEMO_PROJECT));
    NavigationWindow main;
    auto* lighting = qobject_cast<ActuatorsController*>(main.navigationController()->controllers().value(0));

    FavoriteWindow* on = lighting->addFavorite(HALL, 0, QPoint(100, 100), false, false, 50);
    lighting->handleButtonIdClicked(ActuatorsController::ON_BUTTON_ID, HALL);
    on->favoriteControl()->showIcons();

    FavoriteWindow* off = lighting->addFavorite(KITCHEN, 0, QPoint(100, 100), false, false, 50);
    lighting->handleButtonIdClicked(ActuatorsController::OFF_BUTTON_ID, KITCHEN);

    FavoriteWindow* dimmer = lighting->addFavorite(LIVING_DIMMER, 0, QPoint(100, 100), false, false, 50);
    lighting->handleButtonIdClicked(ActuatorsController::ON_BUTTON_ID, LIVING_DIMMER);
    lighting->setDeviceLevel(LIVING_DIMMER, 60);
    Q_EMIT dimmer->favoriteControl()->elementClick(dimmer->favoriteControl()->centerButton());

    FavoriteWindow* lost = lighting->addFavorite(DINING, 0, QPoint(100, 100), false, false, 50);
    lighting->setIconState(DINING, Corvane::Gadgets::Models::NavigationIcon::Uninitialized);
    wait(1200);

    const QList<QImage> images {gadgetImage(on), gadgetImage(off), gadgetImage(dimmer), gadgetImage(lost)};
    int width = 0;
    int height = 0;
    for (const QImage& image : images) {
        width += image.width() + 20;
        height = std::max(height, image.height());
    }
    QImage sheet(width + 20, 2 * height + 60, QImage::Format_ARGB32);
    QPainter painter(&sheet);
    painter.fillRect(QRect(0, 0, sheet.width(), sheet.height() / 2), QColor(40, 44, 52));
    painter.fillRect(QRect(0, sheet.height() / 2, sheet.width(), sheet.height() / 2), QColor(225, 228, 232));
    int x = 20;
    for (const QImage& image : images) {
        painter.drawImage(x, 20, image);
        painter.drawImage(x, height + 40, image);
        x += image.width() + 20;
    }
    painter.end();
    sheet.save(path);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    QDir().mkpath(folder);
    render(QStringLiteral(":/CorvaneTheme"), folder + QStringLiteral("/corvane_favorites.png"));
    render(QStringLiteral(":/TalveraTheme"), folder + QStringLiteral("/talvera_favorites.png"));
    return 0;
}
