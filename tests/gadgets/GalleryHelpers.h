#pragma once

#include "SceneTestHelpers.h"

#include <QColor>
#include <QDir>
#include <QGraphicsScene>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QRectF>
#include <QString>

#include <cstdio>
#include <functional>

// Helpers shared by the hand-run programs that render controls into PNG pictures.
namespace GalleryHelpers {

// A built-in theme by its folder name, and the background its pictures are drawn on.
struct BuiltInTheme
{
    QString name;
    QColor background;
};

// Both built-in themes: Corvane on a dark background, Talvera on a light one.
inline QList<BuiltInTheme> builtInThemes()
{
    return {{QStringLiteral("CorvaneTheme"), QColor(40, 48, 64)},
            {QStringLiteral("TalveraTheme"), QColor(236, 234, 242)}};
}

// The folder named by the first argument, else the current folder.
inline QString outputFolder(int argc, char** argv)
{
    return argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
}

// Makes the output folder named by the arguments, then puts each built-in
// theme in use in turn and calls render with the path "<folder>/<theme>",
// which the pictures' names continue, and the theme's background.
inline void renderEachBuiltInTheme(int argc, char** argv,
                                   const std::function<void(const QString& prefix, const QColor& background)>& render)
{
    const QDir output(outputFolder(argc, argv));
    QDir().mkpath(output.path());
    for (const auto& [theme, background] : builtInThemes()) {
        SceneTestHelpers::useTheme(QStringLiteral(":/") + theme);
        render(output.filePath(theme), background);
    }
    Corvane::Gadgets::ThemeProvider::clear();
}

// The hints every picture is painted with.
inline constexpr QPainter::RenderHints RENDER_HINTS =
    QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform;

// The bounds of every item of the scene, margin wider on each side.
inline QRectF itemsArea(const QGraphicsScene& scene, qreal margin = 10.0)
{
    return scene.itemsBoundingRect().adjusted(-margin, -margin, margin, margin);
}

// Renders source of the scene on background into an image scale times its size.
inline QImage renderScene(QGraphicsScene& scene, const QRectF& source, const QColor& background, qreal scale = 1.0)
{
    QImage image((source.size() * scale).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(background);
    QPainter painter(&image);
    painter.setRenderHints(RENDER_HINTS);
    scene.render(&painter, QRectF(image.rect()), source);
    painter.end();
    return image;
}

// Saves the image and says so on standard output; true when it was written.
inline bool saveImage(const QImage& image, const QString& path)
{
    const bool saved = image.save(path);
    std::printf("%s %s\n", saved ? "wrote" : "failed to write", qPrintable(path));
    return saved;
}

// Renders every item of the scene with a margin of ten and saves the picture.
inline bool saveScene(QGraphicsScene& scene, const QString& path, const QColor& background, qreal scale = 1.0)
{
    return saveImage(renderScene(scene, itemsArea(scene), background, scale), path);
}

} // namespace GalleryHelpers
