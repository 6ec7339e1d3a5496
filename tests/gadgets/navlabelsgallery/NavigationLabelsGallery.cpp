// Renders the carousel's labels and sliders into PNG pictures for a visual
// check:
//     gadgets_navlabels_gallery [output folder]
// Each built-in theme gives <theme>_navigation_labels.png: the carousel face
// with its labels collapsed, with ring 1 open and with ring 2 open.

#include "GalleryHelpers.h"
#include "navigation/NavigationLabels.h"
#include "theme/RendererContainer.h"
#include "theme/ThemeProvider.h"

#include <QApplication>
#include <QGraphicsPixmapItem>
#include <QGraphicsScene>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

using namespace Corvane::Gadgets;

namespace {

const qreal SCALE = 1.5;

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
    GalleryHelpers::saveScene(scene, path, background, SCALE);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    GalleryHelpers::renderEachBuiltInTheme(argc, argv, [](const QString& prefix, const QColor& background) {
        renderStates(prefix + QStringLiteral("_navigation_labels.png"), background);
    });
    return 0;
}
