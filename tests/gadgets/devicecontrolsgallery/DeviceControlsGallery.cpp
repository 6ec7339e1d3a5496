// Renders the device controls into PNG pictures for a visual check:
//     device_controls_gallery [output folder] [theme folder ...]
// Without theme folders both built-in themes are used. Each theme gives
// <theme>_command_rings.png (odd and even sets of every ring, icons in the
// segments, one segment pressed and one expand indicator), <theme>_slider.png
// and <theme>_dimmer.png (the dimmer on a small face of its own, since no
// built-in theme has one).

#include "GalleryHelpers.h"
#include "SceneTestHelpers.h"
#include "commandcontrol/CommandControl.h"
#include "dimmer/DimmerControl.h"
#include "models/NavigationIcon.h"
#include "slider/SvgSliderControl.h"
#include "theme/RendererContainer.h"
#include "theme/ThemeProvider.h"

#include <QApplication>
#include <QDir>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QSvgRenderer>

using namespace Corvane::Gadgets;
using Models::NavigationIcon;

namespace {

void addCaption(QGraphicsScene& scene, const QString& text, const QPointF& position)
{
    auto* caption = scene.addSimpleText(text);
    caption->setBrush(Qt::white);
    caption->setPos(position);
}

QList<CommandControl::ButtonData> ringCommands(int count)
{
    const QList<QPair<QString, NavigationIcon::State>> icons{
        {ThemeProvider::ON, NavigationIcon::Normal},       {ThemeProvider::OFF, NavigationIcon::Normal},
        {ThemeProvider::LIGHTS, NavigationIcon::Active},   {ThemeProvider::SHUTTER_UP, NavigationIcon::Normal},
        {ThemeProvider::STOP, NavigationIcon::Inactive},   {ThemeProvider::SHUTTER_DOWN, NavigationIcon::Normal},
        {ThemeProvider::DECREASE, NavigationIcon::Normal}, {ThemeProvider::INCREASE, NavigationIcon::Normal},
        {ThemeProvider::THERMO_FANCOIL_LOW, NavigationIcon::Normal},
        {ThemeProvider::THERMO_FANCOIL_MEDIUM, NavigationIcon::Normal},
        {ThemeProvider::THERMO_FANCOIL_HIGH, NavigationIcon::Normal},
        {ThemeProvider::THERMO_HEATING, NavigationIcon::Normal},
        {ThemeProvider::THERMO_COOLING, NavigationIcon::Normal}};
    QList<CommandControl::ButtonData> buttons;
    for (int i = 0; i < count; ++i) {
        const auto& [file, state] = icons.at(i % icons.size());
        NavigationIcon icon(file, state, QString());
        icon.setWillExpand(i == 2);
        buttons << CommandControl::ButtonData(icon, QStringLiteral("CMD%1").arg(i));
    }
    return buttons;
}

void renderRings(const QString& path)
{
    QGraphicsScene scene;
    const QStringList rings{ThemeProvider::COMMAND_CONTROL, ThemeProvider::COMMAND_CONTROL_2,
                            ThemeProvider::FAVORITE_COMMAND_CONTROL, ThemeProvider::FAVORITE_COMMAND_CONTROL_2};
    qreal y = 0;
    for (const QString& name : rings) {
        qreal x = 0;
        qreal rowHeight = 0;
        for (bool even : {false, true}) {
            auto* ring = new CommandControl(ThemeProvider::getRendererFor(name), QPointF(), nullptr);
            scene.addItem(ring);
            const QList<SvgContentButton*>& set = even ? ring->evenSegments() : ring->oddSegments();
            ring->setActiveButtons(ringCommands(set.size()), even, CommandControl::POINT_EMPTY);
            ring->setSelectedButton(QStringLiteral("CMD1"));
            ring->selectNext();
            ring->setPos(x, y + 20);
            addCaption(scene, QStringLiteral("%1, %2 set").arg(name, even ? "even" : "odd"), QPointF(x, y));
            x += ring->boundingRect().width() + 30;
            rowHeight = std::max(rowHeight, ring->boundingRect().height());
        }
        y += rowHeight + 50;
    }
    GalleryHelpers::saveScene(scene, path, QColor(40, 44, 52));
}

void renderSliders(const QString& path)
{
    QGraphicsScene scene;
    const QList<std::tuple<double, QString, int>> values{
        {0, QStringLiteral("%1%"), -1}, {35, QStringLiteral("%1%"), -1}, {100, QStringLiteral("%1%"), -1},
        {21.5, QStringLiteral("%1 \u00B0C"), 1}};
    qreal y = 0;
    for (const auto& [value, format, precision] : values) {
        auto* slider = new SvgSliderControl(ThemeProvider::getRendererFor(ThemeProvider::SLIDER), nullptr);
        scene.addItem(slider);
        if (format != QLatin1String("%1%"))
            slider->setValueBounds(5, 35, 0.5);
        slider->setValueFormat(format);
        slider->setValuePrecision(precision);
        slider->setValue(value);
        const QRectF only = slider->totalSliderOnlyBounds();
        slider->setTextOffset(QPointF(only.center().x(), only.bottom() + 2));
        slider->setPos(0, y);
        y += slider->boundingRect().height() + 30;
    }
    GalleryHelpers::saveScene(scene, path, QColor(40, 44, 52), 3.0);
}

// The dimmer face: ten level bars of growing height, "on" and "off" buttons.
QByteArray dimmerSvg()
{
    QString svg = QStringLiteral("<svg xmlns='http://www.w3.org/2000/svg' width='150' height='90'>"
                                 "<rect id='background' x='0' y='0' width='150' height='90' rx='10' fill='#2b2f38'/>");
    for (int n = 1; n <= 10; ++n) {
        const int height = 6 + 4 * n;
        const int x = 12 + 12 * (n - 1);
        const QString bar = QStringLiteral("<rect id='%1' x='%2' y='%3' width='9' height='%4' rx='2' fill='%5'/>");
        svg += bar.arg(QStringLiteral("value_%1_mask").arg(n)).arg(x).arg(50 - height).arg(height).arg("#000000");
        svg += bar.arg(QStringLiteral("value_%1").arg(n)).arg(x).arg(50 - height).arg(height).arg("#ffc640");
    }
    for (const auto& [id, x, colour] : {std::tuple{QStringLiteral("on"), 20, QStringLiteral("#4caf50")},
                                        std::tuple{QStringLiteral("off"), 90, QStringLiteral("#9e9e9e")}}) {
        svg += QStringLiteral("<rect id='%1_default' x='%2' y='60' width='40' height='22' rx='6' fill='%3'/>"
                              "<rect id='%1_mask' x='%2' y='60' width='40' height='22' fill='#000000'/>")
                   .arg(id)
                   .arg(x)
                   .arg(colour);
    }
    return (svg + "</svg>").toUtf8();
}

void renderDimmer(const QString& path)
{
    QSvgRenderer renderer(dimmerSvg());
    Utilities::RendererContainer container(&renderer, QStringLiteral("dimmer"));
    QGraphicsScene scene;
    qreal x = 0;
    for (int percentage : {10, 60, 100}) {
        auto* dimmer = new DimmerControl(&container, nullptr, nullptr);
        scene.addItem(dimmer);
        dimmer->setPercentage(percentage);
        dimmer->setPos(x, 0);
        x += 170;
    }
    GalleryHelpers::saveScene(scene, path, QColor(236, 238, 242), 2.0);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    const QString output = arguments.size() > 1 ? arguments.at(1) : QStringLiteral("gallery");
    QDir().mkpath(output);
    QStringList themes = arguments.mid(2);
    if (themes.isEmpty())
        themes << QStringLiteral(":/CorvaneTheme") << QStringLiteral(":/TalveraTheme");

    for (const QString& theme : themes) {
        SceneTestHelpers::useTheme(theme);
        const QString prefix = output + QLatin1Char('/') + QString(theme).remove(QLatin1Char(':')).remove(QLatin1Char('/'));
        renderRings(prefix + QStringLiteral("_command_rings.png"));
        renderSliders(prefix + QStringLiteral("_slider.png"));
        renderDimmer(prefix + QStringLiteral("_dimmer.png"));
    }
    ThemeProvider::clear();
    return 0;
}
