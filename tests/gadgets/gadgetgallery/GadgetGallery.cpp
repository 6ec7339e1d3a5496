// Renders the whole navigation gadget into one PNG sheet per built-in theme
// for a visual check:
//     gadgets_gadget_gallery [output folder]
// <theme>_gadget.png shows the home page with ten page icons, the lighting
// page with a command ring open, the information face, a favourite control
// and the carousel of six data panels beside the gadget.

#include "GalleryHelpers.h"
#include "animation/FlipAnimator.h"
#include "carousel/CarouselView.h"
#include "commandcontrol/CommandControl.h"
#include "favorite/FavoriteControl.h"
#include "hosting/CarouselModelItem.h"
#include "hosting/NavigationQMLWrapper.h"
#include "models/NavigationIcon.h"
#include "navigation/InfoControl.h"
#include "navigation/NavigationContainer.h"
#include "navigation/NavigationControl.h"
#include "navigation/NavigationLabels.h"
#include "theme/RendererContainer.h"
#include "theme/ThemeProvider.h"

#include <QApplication>
#include <QGraphicsScene>
#include <QImage>
#include <QPainter>
#include <QParallelAnimationGroup>
#include <QPropertyAnimation>
#include <QSvgRenderer>

#include <memory>

using namespace Corvane::Gadgets;
using Models::NavigationIcon;
using Utilities::CarouselModelItem;
using Utilities::NavigationQMLWrapper;

namespace {

constexpr int MARGIN = 16;
constexpr int CAPTION_HEIGHT = 28;

struct Panel
{
    QString caption;
    QImage image;
};

struct Look
{
    QColor background;
    QColor caption;
};

// Light captions on a dark background, dark ones on a light background.
QColor captionColour(const QColor& background)
{
    return background.lightness() < 128 ? QColor(220, 228, 240) : QColor(60, 50, 90);
}

QImage renderAll(QGraphicsScene& scene, const QColor& background)
{
    return GalleryHelpers::renderScene(scene, GalleryHelpers::itemsArea(scene, MARGIN), background);
}

// Runs every property animation of the object and its children to its end.
void settleAnimations(QObject* object)
{
    for (QPropertyAnimation* animation : object->findChildren<QPropertyAnimation*>())
        animation->setCurrentTime(animation->duration());
}

NavigationIcon pageIcon(const QString& file, const QString& tooltip)
{
    return NavigationIcon(file, tooltip);
}

QList<NavigationIcon> homeIcons()
{
    return {pageIcon(ThemeProvider::LIGHTS_SYSTEM, QStringLiteral("Lighting")),
            pageIcon(ThemeProvider::SHUTTER, QStringLiteral("Shutters")),
            pageIcon(ThemeProvider::SCENARIO_SYSTEM, QStringLiteral("Scenarios")),
            pageIcon(ThemeProvider::THERMOREGULATION_SYSTEM, QStringLiteral("Temperature")),
            pageIcon(ThemeProvider::LIGHT_SENSOR_SYSTEM, QStringLiteral("Sensors")),
            pageIcon(ThemeProvider::SOUND_SYSTEM, QStringLiteral("Sound")),
            pageIcon(ThemeProvider::ENERGY_SYSTEM, QStringLiteral("Energy")),
            pageIcon(ThemeProvider::LOAD_MANAGEMENT_SYSTEM, QStringLiteral("Loads")),
            pageIcon(ThemeProvider::WEBSERVER_SYSTEM, QStringLiteral("Gateways")),
            pageIcon(ThemeProvider::PRESENCE_SYSTEM, QStringLiteral("Presence"))};
}

NavigationIcon light(const QString& name, NavigationIcon::State state, double level)
{
    NavigationIcon icon(ThemeProvider::LIGHTS, state, name);
    icon.setWillExpand(true);
    if (level >= 0) {
        icon.setSupportsValue(true);
        icon.setValue(level);
    }
    return icon;
}

QList<NavigationIcon> lightIcons()
{
    return {light(QStringLiteral("Kitchen"), NavigationIcon::Active, 60),
            light(QStringLiteral("Hall"), NavigationIcon::Inactive, -1),
            light(QStringLiteral("Living room"), NavigationIcon::Active, 35),
            light(QStringLiteral("Porch"), NavigationIcon::Uninitialized, -1),
            light(QStringLiteral("Bedroom"), NavigationIcon::Inactive, 0),
            light(QStringLiteral("Garden"), NavigationIcon::Active, -1)};
}

QList<CommandControl::ButtonData> onOffCommands()
{
    QList<CommandControl::ButtonData> buttons;
    for (const QString& file : {ThemeProvider::ON, ThemeProvider::OFF})
        buttons << CommandControl::ButtonData(NavigationIcon(file, QString()), file);
    return buttons;
}

Panel homePage(const Look& look)
{
    QGraphicsScene scene;
    auto* gadget = new NavigationContainer;
    scene.addItem(gadget);
    gadget->navigationControl()->setIcons(homeIcons(), true);
    // As while the pointer rests on the gadget.
    gadget->navigationControl()->setFloatingIconsOpacity(1.0);
    return {QStringLiteral("Home page"), renderAll(scene, look.background)};
}

Panel lightingPageWithRing(const Look& look)
{
    QGraphicsScene scene;
    auto* gadget = new NavigationContainer;
    scene.addItem(gadget);
    NavigationControl* carousel = gadget->navigationControl();
    carousel->setIcons(lightIcons(), true);
    carousel->setCentralContent(ThemeProvider::getRendererFor(ThemeProvider::LIGHTS_SYSTEM), QString());
    carousel->setShowBackButton(true);
    gadget->setElementsSuffix(ThemeProvider::LIGHTS);

    const int segment = 2;
    carousel->setSelectedIcon(carousel->icons().at(segment), false);
    const QPointF origin = carousel->boundsOnElement(NavigationControl::EDITOR_PLACEHOLDER_ID).topLeft();
    const auto ring = std::make_unique<CommandControl>(ThemeProvider::getRendererFor(ThemeProvider::COMMAND_CONTROL),
                                                       origin, nullptr);
    ring->setActiveButtons(onOffCommands(), carousel->getSegmentCenter(segment));
    carousel->setCommandControl1(ring.get(), segment);
    settleAnimations(carousel);
    QPropertyAnimation* labels = carousel->labels()->expandAnimation();
    labels->setCurrentTime(labels->duration());
    Panel panel{QStringLiteral("Lighting page, command ring open"), renderAll(scene, look.background)};
    delete gadget;
    return panel;
}

Panel informationFace(const Look& look)
{
    QGraphicsScene scene;
    auto* gadget = new NavigationContainer;
    scene.addItem(gadget);
    emit gadget->infoPressed();
    auto* animator = gadget->findChild<Utilities::FlipAnimator*>();
    auto* turn = animator->findChild<QParallelAnimationGroup*>(QString(), Qt::FindDirectChildrenOnly);
    turn->setCurrentTime(turn->duration());
    gadget->infoControl()->setFloatingIconsOpacity(1.0);
    return {QStringLiteral("Information face"), renderAll(scene, look.background)};
}

Panel favourite(const Look& look)
{
    QGraphicsScene scene;
    auto* favorite = new FavoriteControl(ThemeProvider::getRendererFor(ThemeProvider::FAVORITE), nullptr);
    scene.addItem(favorite);
    favorite->updateContent(NavigationIcon(ThemeProvider::LIGHTS, NavigationIcon::Active, QStringLiteral("Kitchen")));
    favorite->setLabelText(QStringLiteral("Kitchen ceiling"));
    favorite->setSliderVisible(true);
    favorite->setSliderValue(60);
    favorite->setCommand1Buttons(onOffCommands());
    favorite->showCommandControl1();
    favorite->setShowIconsProgress(1.0);
    favorite->setControl1ExpandProgress(1.0);
    favorite->setButtonsExpandProgress(1.0);
    return {QStringLiteral("Favourite"), renderAll(scene, look.background)};
}

// A stand-in for a data view of the carousel: a 260 x 180 panel with a
// title and a week of bars, in the theme's solid background.
class DataPanel : public SvgControlObject
{
public:
    DataPanel(const QString& title, int seed)
        : SvgControlObject(ThemeProvider::getRendererFor(ThemeProvider::SOLID_BACKGROUND_ID))
        , m_title(title)
        , m_seed(seed)
    {
        setBounds(QRectF(0, 0, 260, 180));
    }

    void paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) override
    {
        const QRectF plate = boundingRect().adjusted(1, 1, -1, -1);
        QPainterPath outline;
        outline.addRoundedRect(plate, 14, 14);
        painter->save();
        painter->setClipPath(outline);
        rendererContainer()->renderer()->render(painter, plate);
        painter->restore();
        const QColor ink = inkColour();
        painter->setPen(QPen(ink, 1.5));
        painter->setBrush(Qt::NoBrush);
        painter->drawPath(outline);
        QFont font;
        font.setPixelSize(20);
        painter->setFont(font);
        painter->drawText(plate.adjusted(16, 10, -16, 0), Qt::AlignLeft | Qt::AlignTop, m_title);
        paintBars(painter, plate.adjusted(16, 48, -16, -16), ink);
    }

private:
    // Light ink on a dark plate, dark ink on a light one.
    QColor inkColour() const
    {
        QImage pixel(1, 1, QImage::Format_ARGB32_Premultiplied);
        pixel.fill(Qt::transparent);
        QPainter painter(&pixel);
        rendererContainer()->renderer()->render(&painter, QRectF(0, 0, 1, 1));
        painter.end();
        return QColor(pixel.pixel(0, 0)).lightness() < 128 ? QColor(230, 238, 255) : QColor(60, 50, 90);
    }

    void paintBars(QPainter* painter, const QRectF& area, const QColor& ink) const
    {
        const int bars = 7;
        const qreal step = area.width() / bars;
        QColor fill = ink;
        fill.setAlphaF(0.75);
        painter->setPen(Qt::NoPen);
        painter->setBrush(fill);
        for (int i = 0; i < bars; ++i) {
            const qreal share = 0.25 + 0.7 * (((m_seed * 7 + i * 5) % 10) / 10.0);
            const qreal height = area.height() * share;
            painter->drawRoundedRect(QRectF(area.left() + i * step + step * 0.2, area.bottom() - height, step * 0.6,
                                            height),
                                     3, 3);
        }
    }

    QString m_title;
    int m_seed;
};

Panel carouselBesideGadget(const Look& look)
{
    QGraphicsScene scene;
    QObject owner;
    auto* wrapper = new NavigationQMLWrapper;
    scene.addItem(wrapper);
    // The gadget in the middle of a root item half as large again, so that
    // the carousel's arcs end beyond the disc.
    NavigationContainer* gadget = wrapper->navigationContainer();
    const QSizeF gadgetSize = gadget->boundingRect().size();
    wrapper->setSize(gadgetSize * 1.5);
    gadget->setOffset(QPointF(gadgetSize.width() / 4, gadgetSize.height() / 4));
    NavigationControl* carousel = gadget->navigationControl();
    carousel->setIcons(homeIcons(), true);
    // The labels have faded out, as after a while without the pointer.
    carousel->hideLabels();
    settleAnimations(carousel);

    auto* view = new CarouselView;
    wrapper->setCurrentView(view);
    QList<CarouselModelItem*> items;
    const QStringList titles{QStringLiteral("Electricity"), QStringLiteral("Gas"),       QStringLiteral("Water"),
                             QStringLiteral("Heating"),     QStringLiteral("Hot water"), QStringLiteral("Tariff")};
    for (int i = 0; i < titles.size(); ++i) {
        auto* panel = new DataPanel(titles.at(i), i);
        panel->setParent(&owner);
        items << new CarouselModelItem(panel, &owner);
    }
    view->setModel(items);
    wrapper->setGadgetRadius(carousel->background()->boundingRect().width() / 2);
    wrapper->setIsCarouselVisible(true);

    Panel panel{QStringLiteral("Carousel of six data panels"), renderAll(scene, look.background)};
    delete wrapper;
    return panel;
}

// Lays the panels out in rows of three, each under its caption.
QImage sheet(const QList<Panel>& panels, const Look& look)
{
    const int columns = 3;
    QList<int> columnWidths(columns, 0);
    QList<int> rowHeights((panels.size() + columns - 1) / columns, 0);
    for (int i = 0; i < panels.size(); ++i) {
        columnWidths[i % columns] = std::max(columnWidths[i % columns], panels.at(i).image.width());
        rowHeights[i / columns] = std::max(rowHeights[i / columns], panels.at(i).image.height() + CAPTION_HEIGHT);
    }
    int width = MARGIN;
    for (int columnWidth : columnWidths)
        width += columnWidth + MARGIN;
    int height = MARGIN;
    for (int rowHeight : rowHeights)
        height += rowHeight + MARGIN;

    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(look.background);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    QFont font;
    font.setPixelSize(16);
    painter.setFont(font);
    painter.setPen(look.caption);
    int y = MARGIN;
    for (int row = 0; row < rowHeights.size(); ++row) {
        int x = MARGIN;
        for (int column = 0; column < columns && row * columns + column < panels.size(); ++column) {
            const Panel& panel = panels.at(row * columns + column);
            const int left = x + (columnWidths.at(column) - panel.image.width()) / 2;
            painter.drawText(QRect(left, y, panel.image.width(), CAPTION_HEIGHT), Qt::AlignCenter, panel.caption);
            painter.drawImage(left, y + CAPTION_HEIGHT, panel.image);
            x += columnWidths.at(column) + MARGIN;
        }
        y += rowHeights.at(row) + MARGIN;
    }
    return image;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    application.setApplicationVersion(QStringLiteral("2.7.1"));
    GalleryHelpers::renderEachBuiltInTheme(argc, argv, [](const QString& prefix, const QColor& background) {
        const Look look{background, captionColour(background)};
        const QList<Panel> panels{homePage(look), lightingPageWithRing(look), informationFace(look), favourite(look),
                                  carouselBesideGadget(look)};
        GalleryHelpers::saveImage(sheet(panels, look), prefix + QStringLiteral("_gadget.png"));
    });
    return 0;
}
