// Paints a scene of 60 content buttons with icons and labels, once from the
// controls' cached pixmaps and once by rendering every SVG element straight
// through QSvgRenderer, and prints the frame times:
//     <case> mean_ms=<x> worst_ms=<y>
// Run by hand; the theme is the fixture theme unless a built-in theme folder
// is given as the first argument (":/CorvaneTheme" or ":/TalveraTheme"), whose
// command ring segments then serve as the buttons.
//
// It then turns a carousel of twelve icons in the whole navigation gadget by
// one icon, painting the scene at every step of the turn's time line, and
// prints each frame time in the same format (built-in theme of the first
// argument, the Corvane theme without one).
//
// energy_table_scroll: the consumption table of 1000 rows in the Corvane
// "energy_data_view" at scale 1.0, scrolled one step and its visible area
// repainted through a view, 200 times after 10 unmeasured frames; the last
// frame is saved as energy_table_scroll.png.
// Last it times redraws of the energy bar chart (see ChartBench.h) in the
// same theme.
//
// skin_check, first of all: the check of a skin zip of the Corvane theme's
// files against the Talvera theme, as Sentrel runs it at each start with
// that skin chosen (the built-in theme is never checked), 20 times after 2
// unmeasured runs.

#include "ChartBench.h"
#include "SceneTestHelpers.h"
#include "controls/SvgContentButton.h"
#include "controls/SvgControlObject.h"
#include "energy/EnergyConsumptionTableDisplay.h"
#include "scroll/ScrollArea.h"
#include "scroll/Scroller.h"
#include "navigation/NavigationContainer.h"
#include "navigation/NavigationControl.h"
#include "theme/LegacyFontWeight.h"
#include "theme/RendererContainer.h"
#include "theme/ThemeProvider.h"
#include "theme/ThemeResourceValidator.h"

#include "ZipBuilder.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QImage>
#include <QPainter>
#include <QStyleOptionGraphicsItem>
#include <QSvgRenderer>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>
#include <vector>

using namespace Corvane::Gadgets;

namespace {

constexpr int BUTTON_COUNT = 60;
constexpr int COLUMNS = 10;
constexpr int WARM_UP_FRAMES = 5;
constexpr int MEASURED_FRAMES = 200;
constexpr int CAROUSEL_ICON_COUNT = 12;
constexpr int TURN_DURATION_MS = 500;
constexpr int WARM_UP_TURNS = 2;
constexpr int MEASURED_TURNS = 20;
constexpr int WARM_UP_SKIN_CHECKS = 2;
constexpr int MEASURED_SKIN_CHECKS = 20;

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

void report(const char* name, const std::vector<double>& frames)
{
    double total = 0.0;
    double worst = 0.0;
    for (double milliseconds : frames) {
        total += milliseconds;
        worst = std::max(worst, milliseconds);
    }
    std::printf("%s mean_ms=%.3f worst_ms=%.3f\n", name, total / double(frames.size()), worst);
}

QList<Models::NavigationIcon> carouselIcons()
{
    static const QStringList files = {
        ThemeProvider::LIGHTS, ThemeProvider::SHUTTER, ThemeProvider::SCENARIO, ThemeProvider::THERMOREGULATOR,
    };
    QList<Models::NavigationIcon> icons;
    for (int i = 0; i < CAROUSEL_ICON_COUNT; ++i)
        icons << Models::NavigationIcon(files.at(i % files.size()), QStringLiteral("Device %1").arg(i + 1));
    return icons;
}

void paintScene(QGraphicsScene& scene, QImage& image)
{
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform | QPainter::TextAntialiasing);
    scene.render(&painter, QRectF(image.rect()), scene.sceneRect());
}

// Turns the carousel by one icon, stepping its time line as its timer would
// (one step every update interval), and paints every step.
std::vector<double> measureTurn(QGraphicsScene& scene, NavigationControl* carousel, QImage& image)
{
    const int steps = TURN_DURATION_MS / NavigationControlAnimation::UPDATE_INTERVAL_MS;
    std::vector<double> frames;
    const int first = carousel->firstIconIndex();
    carousel->startIconsAnimation(first, first + 1, TURN_DURATION_MS, QEasingCurve::OutSine);
    carousel->iconsAnimation()->timeLine()->stop();
    for (int step = 1; step <= steps; ++step) {
        QElapsedTimer timer;
        timer.start();
        carousel->iconsAnimation()->onValueChanged(qreal(step) / steps);
        paintScene(scene, image);
        frames.push_back(timer.nsecsElapsed() / 1e6);
    }
    return frames;
}

void measureCarouselTurn(const char* name, qreal scale)
{
    QGraphicsScene scene;
    auto* gadget = new NavigationContainer();
    scene.addItem(gadget);
    gadget->setScale(scale);
    gadget->setCustomScale(scale);
    NavigationControl* carousel = gadget->navigationControl();
    carousel->setIcons(carouselIcons(), true);
    scene.setSceneRect(scene.itemsBoundingRect());
    QImage image(scene.sceneRect().toAlignedRect().size(), QImage::Format_ARGB32_Premultiplied);
    for (int turn = 0; turn < WARM_UP_TURNS; ++turn)
        measureTurn(scene, carousel, image);
    std::vector<double> frames;
    for (int turn = 0; turn < MEASURED_TURNS; ++turn) {
        const std::vector<double> turnFrames = measureTurn(scene, carousel, image);
        frames.insert(frames.end(), turnFrames.begin(), turnFrames.end());
    }
    report(name, frames);
}


constexpr int TABLE_ROWS = 1000;
constexpr int TABLE_WARM_UP_FRAMES = 10;

void measureEnergyTableScroll(const char* name)
{
    QGraphicsScene scene;
    auto* display = new EnergyConsumptionTableDisplay(ThemeProvider::getRendererFor(ThemeProvider::ENERGY_DATA_VIEW),
                                                      nullptr);
    scene.addItem(display);
    AbstractEnergyConsumptionDisplay::Series rows;
    for (int i = 0; i < TABLE_ROWS; ++i)
        rows.append({QStringLiteral("%1").arg(i + 1), {0.5 + (i % 17) * 0.25}});
    display->setData(rows);
    ScrollArea* area = display->scrollArea();
    Scroller* scroller = area->verticalScroller();
    const QRectF visible = area->mapRectToScene(area->boundingRect());
    // Painted as the program paints it: by a view over the table's visible
    // area, which culls the rows scrolled out (QGraphicsScene::render would
    // paint every row of the table).
    QGraphicsView view(&scene);
    view.setFrameShape(QFrame::NoFrame);
    view.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform | QPainter::TextAntialiasing);
    view.setSceneRect(visible);
    view.resize(visible.toAlignedRect().size());
    QImage image(visible.toAlignedRect().size(), QImage::Format_ARGB32_Premultiplied);
    std::vector<double> frames;
    bool down = true;
    for (int frame = 0; frame < TABLE_WARM_UP_FRAMES + MEASURED_FRAMES; ++frame) {
        QElapsedTimer timer;
        timer.start();
        const qreal before = scroller->value();
        scroller->handleNextPrevious(down);
        if (scroller->value() == before) {
            down = !down;
            scroller->handleNextPrevious(down);
        }
        image.fill(Qt::transparent);
        view.viewport()->render(&image);
        if (frame >= TABLE_WARM_UP_FRAMES)
            frames.push_back(timer.nsecsElapsed() / 1e6);
    }
    image.save(QStringLiteral("energy_table_scroll.png"));
    report(name, frames);
}

} // namespace

bool measureSkinCheck(const char* name)
{
    const QTemporaryDir folder;
    const QString zipPath = folder.filePath(QStringLiteral("CorvaneTheme.zip"));
    if (!ZipBuilder().addFolder(QStringLiteral(":/CorvaneTheme")).write(zipPath))
        return false;
    std::vector<double> checks;
    for (int run = 0; run < WARM_UP_SKIN_CHECKS + MEASURED_SKIN_CHECKS; ++run) {
        QElapsedTimer timer;
        timer.start();
        if (!ThemeResourceValidator::containsAllResources(QStringLiteral(":/TalveraTheme/"), zipPath, nullptr))
            return false;
        if (run >= WARM_UP_SKIN_CHECKS)
            checks.push_back(timer.nsecsElapsed() / 1e6);
    }
    report(name, checks);
    return true;
}

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    if (!measureSkinCheck("skin_check")) {
        std::printf("gadgets_bench: the built-in Corvane theme fails the skin check\n");
        return 1;
    }
    const bool fixture = argc < 2;
    ThemeProvider::DefaultThemeFolder = fixture ? QStringLiteral(":/ControlsTheme") : QString::fromLocal8Bit(argv[1]);
    const Scene scene = buildScene(fixture ? ThemeProvider::BUTTON : ThemeProvider::COMMAND_CONTROL,
                                   fixture ? QStringLiteral("cb") : QStringLiteral("odd_1"),
                                   fixture ? QStringLiteral("icon") : ThemeProvider::LIGHTS);

    measure("buttons_cached_1.0", scene, 1.0, paintCached);
    measure("buttons_direct_1.0", scene, 1.0, paintDirect);
    measure("buttons_cached_1.7", scene, 1.7, paintCached);
    measure("buttons_direct_1.7", scene, 1.7, paintDirect);

    SceneTestHelpers::useTheme(fixture ? QStringLiteral(":/CorvaneTheme") : QString::fromLocal8Bit(argv[1]));
    measureCarouselTurn("carousel_turn_1.0", 1.0);
    measureCarouselTurn("carousel_turn_2.0", 2.0);
    SceneTestHelpers::useTheme(QStringLiteral(":/CorvaneTheme"));
    measureEnergyTableScroll("energy_table_scroll");
    ChartBench::measureEnergyCharts();
    std::fflush(stdout);
    ThemeProvider::clear();
    return 0;
}
