// Renders the navigation carousel into PNG pictures for a visual check:
//     gadgets_navigation_gallery [output folder]
// Each built-in theme gives, at scale 1.0, <theme>_carousel_home.png (ten
// icons on the home page, with their labels), <theme>_carousel_turning.png
// (a frame of a turn, 0.4 of the way), <theme>_carousel_dragging.png (the
// icon of segment 2 lifted onto segment 4, its neighbours sliding back) and
// <theme>_carousel_ring.png (a command ring open round the selected icon).

#include "commandcontrol/CommandControl.h"
#include "models/NavigationIcon.h"
#include "navigation/NavigationControl.h"
#include "navigation/NavigationControlAnimation.h"
#include "navigation/NavigationLabels.h"
#include "theme/ThemeProvider.h"

#include <QApplication>
#include <QDir>
#include <QGraphicsScene>
#include <QGraphicsSceneMouseEvent>
#include <QImage>
#include <QPainter>
#include <QPropertyAnimation>

#include <cstdio>
#include <memory>

using namespace Corvane::Gadgets;
using Models::NavigationIcon;

namespace {

QList<NavigationIcon> homeIcons()
{
    const QList<QPair<QString, QString>> devices{
        {QStringLiteral("light_system"), QStringLiteral("Lights")},
        {QStringLiteral("shutter"), QStringLiteral("Shutters")},
        {QStringLiteral("scenario_system"), QStringLiteral("Scenarios")},
        {QStringLiteral("temperature_system"), QStringLiteral("Temperature")},
        {QStringLiteral("sound_system"), QStringLiteral("Sound")},
        {QStringLiteral("energy_system"), QStringLiteral("Energy")},
        {QStringLiteral("load_management_system"), QStringLiteral("Load management")},
        {QStringLiteral("webserver_system"), QStringLiteral("Web server")},
        {QStringLiteral("light_sensor_system"), QStringLiteral("Light sensors")},
        {QStringLiteral("presence_sensor_system"), QStringLiteral("Presence")}};
    QList<NavigationIcon> icons;
    for (const auto& [file, tooltip] : devices) {
        NavigationIcon icon(file, tooltip);
        icon.setWillExpand(file == QStringLiteral("light_system"));
        icons << icon;
    }
    return icons;
}

QList<CommandControl::ButtonData> ringCommands()
{
    const QList<QPair<QString, NavigationIcon::State>> commands{{ThemeProvider::ON, NavigationIcon::Normal},
                                                                 {ThemeProvider::OFF, NavigationIcon::Normal},
                                                                 {ThemeProvider::DECREASE, NavigationIcon::Normal},
                                                                 {ThemeProvider::INCREASE, NavigationIcon::Normal}};
    QList<CommandControl::ButtonData> buttons;
    for (const auto& [file, state] : commands)
        buttons << CommandControl::ButtonData(NavigationIcon(file, state, QString()), file);
    return buttons;
}

void save(QGraphicsScene& scene, const QString& path, const QColor& background)
{
    const QRectF source = scene.itemsBoundingRect().adjusted(-10, -10, 10, 10);
    QImage image(source.size().toSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(background);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    scene.render(&painter, QRectF(image.rect()), source);
    painter.end();
    std::printf("%s %s\n", image.save(path) ? "wrote" : "failed to write", qPrintable(path));
}

NavigationControl* addCarousel(QGraphicsScene& scene)
{
    auto* carousel = new NavigationControl(ThemeProvider::getRendererFor(ThemeProvider::NAVIGATION));
    scene.addItem(carousel);
    carousel->setIcons(homeIcons(), true);
    carousel->setFloatingIconsOpacity(1.0);
    return carousel;
}

void renderHome(const QString& path, const QColor& background)
{
    QGraphicsScene scene;
    addCarousel(scene);
    save(scene, path, background);
}

void renderTurning(const QString& path, const QColor& background)
{
    QGraphicsScene scene;
    NavigationControl* carousel = addCarousel(scene);
    carousel->startIconsAnimation(0, 1, 500, QEasingCurve::OutSine);
    carousel->setFirstIconCustomIndex(0.4);
    save(scene, path, background);
}

void renderDragging(const QString& path, const QColor& background)
{
    QGraphicsScene scene;
    NavigationControl* carousel = addCarousel(scene);
    QGraphicsSceneMouseEvent hold(QEvent::GraphicsSceneMousePress);
    hold.setScenePos(carousel->getSegmentCenter(1));
    carousel->handleMousePressAndHold(&hold);
    QGraphicsSceneMouseEvent move(QEvent::GraphicsSceneMouseMove);
    move.setScenePos(carousel->getSegmentCenter(3));
    carousel->handleMousePressAndMove(carousel->getSegmentCenter(1), &move, nullptr);
    for (int tick = 0; tick < 4; ++tick)
        QMetaObject::invokeMethod(carousel->dragAnimation(), "onTimerTick");
    save(scene, path, background);
    delete carousel;
}

void renderRing(const QString& path, const QColor& background)
{
    QGraphicsScene scene;
    NavigationControl* carousel = addCarousel(scene);
    const int segment = 2;
    carousel->setSelectedIcon(carousel->icons().at(segment), false);
    const QPointF origin = carousel->boundsOnElement(NavigationControl::EDITOR_PLACEHOLDER_ID).topLeft();
    const auto ring = std::make_unique<CommandControl>(ThemeProvider::getRendererFor(ThemeProvider::COMMAND_CONTROL),
                                                       origin, nullptr);
    ring->setActiveButtons(ringCommands(), carousel->getSegmentCenter(segment));
    carousel->setCommandControl1(ring.get(), segment);
    QList<QPropertyAnimation*> animations = carousel->findChildren<QPropertyAnimation*>();
    animations << carousel->labels()->expandAnimation();
    for (QPropertyAnimation* animation : animations)
        animation->setCurrentTime(animation->duration());
    save(scene, path, background);
    delete carousel;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const QString output = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    QDir().mkpath(output);
    const QList<QPair<QString, QColor>> themes{{QStringLiteral("CorvaneTheme"), QColor(40, 48, 64)},
                                               {QStringLiteral("TalveraTheme"), QColor(236, 234, 242)}};
    for (const auto& [theme, background] : themes) {
        ThemeProvider::clear();
        ThemeProvider::DefaultThemeFolder = QStringLiteral(":/") + theme;
        ThemeProvider::setThemeFile(QString());
        const QString prefix = output + QStringLiteral("/") + theme + QStringLiteral("_carousel_");
        renderHome(prefix + QStringLiteral("home.png"), background);
        renderTurning(prefix + QStringLiteral("turning.png"), background);
        renderDragging(prefix + QStringLiteral("dragging.png"), background);
        renderRing(prefix + QStringLiteral("ring.png"), background);
    }
    ThemeProvider::clear();
    return 0;
}
