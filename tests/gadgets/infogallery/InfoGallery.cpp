// Renders the info face into PNG pictures for a visual check:
//     gadgets_info_gallery [output folder]
// Each built-in theme gives <theme>_info.png: the face as it rests, with the
// pointer over it (flip button shown) and while it is being moved.

#include "GalleryHelpers.h"
#include "navigation/InfoControl.h"
#include "theme/ThemeProvider.h"

#include <QApplication>
#include <QGraphicsScene>
#include <QGraphicsSceneMouseEvent>

using namespace Corvane::Gadgets;

namespace {

const qreal FACE_GAP = 20.0;

InfoControl* addFace(QGraphicsScene& scene, int column)
{
    auto* info = new InfoControl(ThemeProvider::getRendererFor(ThemeProvider::INFO));
    scene.addItem(info);
    info->setPos(column * (info->boundingRect().width() + FACE_GAP), 0);
    return info;
}

void renderFaces(const QString& path, const QColor& background)
{
    QGraphicsScene scene;
    addFace(scene, 0);
    addFace(scene, 1)->setFloatingIconsOpacity(1.0);
    InfoControl* moving = addFace(scene, 2);
    moving->setFloatingIconsOpacity(1.0);
    QGraphicsSceneMouseEvent hold(QEvent::GraphicsSceneMousePress);
    hold.setScenePos(moving->mapToScene(QPointF(40, 160)));
    moving->handleMousePressAndHold(&hold);
    GalleryHelpers::saveScene(scene, path, background, 2.0);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationVersion(QStringLiteral("2.7.1"));
    GalleryHelpers::renderEachBuiltInTheme(argc, argv, [](const QString& prefix, const QColor& background) {
        renderFaces(prefix + QStringLiteral("_info.png"), background);
    });
    return 0;
}
