// Paints a scene of 60 content buttons with icons and labels, once from the
// controls' cached pixmaps and once by rendering every SVG element straight
// through QSvgRenderer, and prints the frame times:
//     <case> mean_ms=<x> worst_ms=<y>
// Run by hand; the theme is the fixture theme unless a built-in theme folder
// is given as the first argument (":/CorvaneTheme" or ":/TalveraTheme"), whose
// command ring segments then serve as the buttons.

#include "controls/SvgContentButton.h"
#include "controls/SvgControlObject.h"
#include "theme/LegacyFontWeight.h"
#include "theme/RendererContainer.h"
#include "theme/ThemeProvider.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QStyleOptionGraphicsItem>
#include <QSvgRenderer>

#include <cstdio>
#include <memory>
#include <vector>

using namespace Corvane::Gadgets;

namespace {

constexpr int BUTTON_COUNT = 60;
constexpr int COLUMNS = 10;
constexpr int WARM_UP_FRAMES = 5;
constexpr int MEASURED_FRAMES = 200;

struct Scene
{
    std::unique_ptr<SvgControlObject> root;
    std::vector<SvgContentButton*> buttons;
    QSize size;
};

Scene buildScene(const QString& rendererName, const QString& buttonId, const QString& iconFile)
{
    Scene scene;
    scene.root = std::make_unique<SvgControlObject>(ThemeProvider::getRendererFor(rendererName));
    const Utilities::IconRenderer icon(ThemeProvider::getRendererFor(iconFile), {});
    for (int i = 0; i < BUTTON_COUNT; ++i) {
        SvgContentButton* button = scene.root->initContentButton(buttonId);
        const QRectF placeholder = button->boundsOnElement(buttonId + SvgButton::CONTENT_SUFFIX);
        button->setControlId(QStringLiteral("content"));
        button->setIconRenderer(icon);
        button->setIconElement(QStringLiteral("default"));
        button->setContentBounds(placeholder);
        button->setText(QStringLiteral("Light %1").arg(i + 1));
        const QRectF bounds = button->scaledBounds();
        button->setBounds(QRectF((i % COLUMNS) * (bounds.width() + 8), (i / COLUMNS) * (bounds.height() + 8),
                                 bounds.width(), bounds.height()));
        if (i % 7 == 0)
            button->setState(SvgButton::Hover);
        scene.buttons.push_back(button);
    }
    const QRectF first = scene.buttons.front()->scaledBounds();
    scene.size = QSize(COLUMNS * int(first.width() + 8), (BUTTON_COUNT / COLUMNS) * int(first.height() + 8));
    return scene;
}

void paintCached(QPainter& painter, const Scene& scene)
{
    QStyleOptionGraphicsItem option;
    for (SvgContentButton* button : scene.buttons) {
        painter.save();
        painter.translate(button->pos());
        button->paint(&painter, &option, nullptr);
        painter.restore();
    }
}

void paintDirect(QPainter& painter, const Scene& scene)
{
    for (SvgContentButton* button : scene.buttons) {
        painter.save();
        painter.translate(button->pos());
        const QString elementId = button->currentElementId();
        const QRectF element = button->boundsOnElement(elementId);
        const QRectF target(element.topLeft() - button->scaledBounds().topLeft(), element.size());
        button->rendererContainer()->renderer()->render(&painter, elementId, target);
        const Models::TextPaintData text(button->text(), button->fontName(), button->fontSize(),
                                         Utilities::LegacyFontWeight::toQt(button->fontWeight()), button->fontColor(),
                                         button->secondFontColor(), Qt::AlignCenter, 1.0);
        SvgContentButton::paintContent(&painter, button->iconRenderer(), button->iconElement(), button->contentBounds(),
                                       1.0, text, button->state(), 1.0, true, Qt::Horizontal, QString());
        painter.restore();
    }
}

template<typename Paint>
void measure(const char* name, const Scene& scene, qreal scale, Paint paint)
{
    QImage image((QSizeF(scene.size) * scale).toSize(), QImage::Format_ARGB32_Premultiplied);
    double total = 0.0;
    double worst = 0.0;
    for (int frame = 0; frame < WARM_UP_FRAMES + MEASURED_FRAMES; ++frame) {
        QElapsedTimer timer;
        timer.start();
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform | QPainter::TextAntialiasing);
        painter.scale(scale, scale);
        paint(painter, scene);
        painter.end();
        const double milliseconds = timer.nsecsElapsed() / 1e6;
        if (frame < WARM_UP_FRAMES)
            continue;
        total += milliseconds;
        worst = std::max(worst, milliseconds);
    }
    std::printf("%s mean_ms=%.3f worst_ms=%.3f\n", name, total / MEASURED_FRAMES, worst);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    const bool fixture = argc < 2;
    ThemeProvider::DefaultThemeFolder = fixture ? QStringLiteral(":/ControlsTheme") : QString::fromLocal8Bit(argv[1]);
    const Scene scene = buildScene(fixture ? ThemeProvider::BUTTON : ThemeProvider::COMMAND_CONTROL,
                                   fixture ? QStringLiteral("cb") : QStringLiteral("odd_1"),
                                   fixture ? QStringLiteral("icon") : ThemeProvider::LIGHTS);

    measure("buttons_cached_1.0", scene, 1.0, paintCached);
    measure("buttons_direct_1.0", scene, 1.0, paintDirect);
    measure("buttons_cached_1.7", scene, 1.7, paintCached);
    measure("buttons_direct_1.7", scene, 1.7, paintDirect);
    std::fflush(stdout);
    ThemeProvider::clear();
    return 0;
}
