// Renders the info face into PNG pictures for a visual check:
//     gadgets_info_gallery [output folder]
// Each built-in theme gives <theme>_info.png: the face as it rests, with the
// pointer over it (flip button shown) and while it is being moved.

#include "navigation/InfoControl.h"
#include "theme/ThemeProvider.h"

#include <QApplication>
#include <QDir>
#include <QGraphicsScene>
#include <QGraphicsSceneMouseEvent>
#include <QImage>
#include <QPainter>

#include <cstdio>

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

    const qreal scale = 2.0;
    const QRectF source = scene.itemsBoundingRect().adjusted(-10, -10, 10, 10);
    QImage image((source.size() * scale).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(background);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    scene.render(&painter, QRectF(image.rect()), source);
    painter.end();
    std::printf("%s %s\n", image.save(path) ? "wrote" : "failed to write", qPrintable(path));
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationVersion(QStringLiteral("2.7.1"));
    const QString output = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    QDir().mkpath(output);
    const QList<QPair<QString, QColor>> themes{{QStringLiteral("CorvaneTheme"), QColor(40, 48, 64)},
                                               {QStringLiteral("TalveraTheme"), QColor(236, 234, 242)}};
    for (const auto& [theme, background] : themes) {
        ThemeProvider::clear();
        ThemeProvider::DefaultThemeFolder = QStringLiteral(":/") + theme;
        ThemeProvider::setThemeFile(QString());
        renderFaces(output + QStringLiteral("/") + theme + QStringLiteral("_info.png"), background);
    }
    ThemeProvider::clear();
    return 0;
}
