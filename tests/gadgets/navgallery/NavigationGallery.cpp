// Renders the navigation carousel into PNG pictures for a visual check:
//     gadgets_navigation_gallery [output folder]
// Each built-in theme gives, at scale 1.0, <theme>_carousel_home.png (ten
// icons on the home page, with their labels), <theme>_carousel_turning.png
// (a frame of a turn, 0.4 of the way), <theme>_carousel_dragging.png (the
// icon of segment 2 lifted onto segment 4, its neighbours sliding back),
// <theme>_carousel_ring.png (a command ring open round the selected icon) and
// <theme>_carousel_end.png (turned to the end of the list: the empty gap's
// segment, which takes no click, between the last and the first icon, and
// the icon after it selected by the keys).

#include "GalleryHelpers.h"
#include "commandcontrol/CommandControl.h"
#include "models/NavigationIcon.h"
#include "navigation/NavigationControl.h"
#include "navigation/NavigationControlAnimation.h"
#include "navigation/NavigationLabels.h"
#include "theme/ThemeProvider.h"

#include <QApplication>
#include <QGraphicsScene>
#include <QGraphicsSceneMouseEvent>
#include <QPropertyAnimation>

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
    GalleryHelpers::saveScene(scene, path, background);
}

void renderTurning(const QString& path, const QColor& background)
{
    QGraphicsScene scene;
    NavigationControl* carousel = addCarousel(scene);
    carousel->startIconsAnimation(0, 1, 500, QEasingCurve::OutSine);
    carousel->setFirstIconCustomIndex(0.4);
    GalleryHelpers::saveScene(scene, path, background);
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
    GalleryHelpers::saveScene(scene, path, background);
    delete carousel;
}

void renderEnd(const QString& path, const QColor& background)
{
    QGraphicsScene scene;
    NavigationControl* carousel = addCarousel(scene);
    carousel->setFirstIconIndex(carousel->icons().size() - 3);
    // From the last icon the next key passes over the gap to the first.
    for (int step = 0; step < 3; ++step)
        carousel->goAndRotateNext();
    GalleryHelpers::saveScene(scene, path, background);
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
    GalleryHelpers::saveScene(scene, path, background);
    delete carousel;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    GalleryHelpers::renderEachBuiltInTheme(argc, argv, [](const QString& prefix, const QColor& background) {
        renderHome(prefix + QStringLiteral("_carousel_home.png"), background);
        renderTurning(prefix + QStringLiteral("_carousel_turning.png"), background);
        renderDragging(prefix + QStringLiteral("_carousel_dragging.png"), background);
        renderRing(prefix + QStringLiteral("_carousel_ring.png"), background);
        renderEnd(prefix + QStringLiteral("_carousel_end.png"), background);
    });
    return 0;
}
