// Renders the carousel's labels and sliders into PNG pictures for a visual
// check:
//     gadgets_navlabels_gallery [output folder]
// Each built-in theme gives <theme>_navigation_labels.png: the carousel face
// with its labels collapsed, with ring 1 open and with ring 2 open.

#include "navigation/NavigationLabels.h"
#include "theme/RendererContainer.h"
#include "theme/ThemeProvider.h"

#include <QApplication>
#include <QDir>
#include <QGraphicsPixmapItem>
#include <QGraphicsScene>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

#include <cstdio>

using namespace Corvane::Gadgets;

namespace {

void save(QGraphicsScene& scene, const QString& path, const QColor& background)
{
    const qreal scale = 1.5;
    const QRectF source = scene.itemsBoundingRect().adjusted(-10, -10, 10, 10);
    QImage image((source.size() * scale).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(background);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    scene.render(&painter, QRectF(image.rect()), source);
    painter.end();
    std::printf("%s %s\n", image.save(path) ? "wrote" : "failed to write", qPrintable(path));
}

void fillLabels(NavigationLabels* labels)
{
    const QStringList names{QStringLiteral("Kitchen"), QStringLiteral("Living room ceiling lights along the east wall"),
                            QStringLiteral("Sound system"), QStringLiteral("Bedroom"), QStringLiteral("Hall")};
    for (int i = 0; i < labels->count(); ++i)
        labels->setText(i, names.value(i % names.size()));
    labels->setSliderValueBounds(0, 0, 100, 5);
    labels->setSliderValue(0, 40);
    labels->setSliderVisible(0, true);
    labels->setSliderImageVisible(0, true);
    labels->setSupportsExtendedMode(2, true);
    labels->setExtendedModeDropDownText(2, QStringLiteral("Radio"));
    // A value without a bar: the room temperature under its label.
    labels->setSliderValueBounds(3, 5, 35, 0.5);
    labels->setSliderValueFormat(3, QStringLiteral("%1 °C"));
    labels->setSliderValuePrecision(3, 1);
    labels->setSliderValue(3, 21.5);
    labels->setSliderVisible(3, true);
}

void renderStates(const QString& path, const QColor& background)
{
    QGraphicsScene scene;
    Utilities::RendererContainer* navigation = ThemeProvider::getRendererFor(ThemeProvider::NAVIGATION);
    const QSize faceSize = navigation->renderer()->defaultSize();
    QPixmap face(faceSize);
    face.fill(Qt::transparent);
    QPainter painter(&face);
    navigation->renderer()->render(&painter);
    painter.end();

    const QList<NavigationLabels::ExpandedState> states{NavigationLabels::Collapsed, NavigationLabels::Expanded,
                                                         NavigationLabels::Expanded2};
    for (int column = 0; column < states.size(); ++column) {
        // The labels reach well beyond the face, so the columns leave room for them.
        const QPointF origin(column * faceSize.width() * 3.0, 0);
        scene.addPixmap(face)->setPos(origin);
        auto* labels = new NavigationLabels(navigation);
        scene.addItem(labels);
        labels->setPos(origin);
        fillLabels(labels);
        labels->setExpandedState(states.at(column));
        labels->expandAnimation()->setCurrentTime(labels->expandAnimation()->duration());
    }
    save(scene, path, background);
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
        renderStates(output + QStringLiteral("/") + theme + QStringLiteral("_navigation_labels.png"), background);
    }
    ThemeProvider::clear();
    return 0;
}
