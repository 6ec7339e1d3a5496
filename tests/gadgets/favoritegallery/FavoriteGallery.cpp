// Renders the favourite control into PNG pictures for a visual check:
//     gadgets_favorite_gallery [output folder]
// Each built-in theme gives <theme>_favorite.png with the control closed,
// with its first ring open and with its second ring open.

#include "GalleryHelpers.h"
#include "favorite/FavoriteControl.h"
#include "theme/ThemeProvider.h"

#include <QApplication>
#include <QGraphicsScene>

using namespace Corvane::Gadgets;
using ButtonData = CommandControl::ButtonData;
using Models::NavigationIcon;

namespace {

FavoriteControl* addFavorite(QGraphicsScene& scene, qreal x)
{
    auto* favorite = new FavoriteControl(ThemeProvider::getRendererFor(ThemeProvider::FAVORITE), nullptr);
    scene.addItem(favorite);
    favorite->setOffset(QPointF(x, 0));
    favorite->updateContent(NavigationIcon(ThemeProvider::LIGHTS, NavigationIcon::Active, QStringLiteral("Kitchen")));
    favorite->setLabelText(QStringLiteral("Kitchen ceiling"));
    favorite->setSliderVisible(true);
    favorite->setSliderValue(60);
    // As Sentrel shows a dimmer: the slider appears as the first ring opens.
    favorite->setHideSliderOnCollapse(true);
    favorite->setShowIconsProgress(1.0);
    return favorite;
}

QList<ButtonData> commands(const QStringList& ids)
{
    QList<ButtonData> buttons;
    for (const QString& id : ids)
        buttons << ButtonData(NavigationIcon(ThemeProvider::LIGHTS, QString()), id);
    return buttons;
}

// Jumps every layout animation to its end.
void settle(FavoriteControl* favorite, FavoriteControl::ExpandedState state)
{
    favorite->setControl1ExpandProgress(state >= FavoriteControl::Expanded ? 1.0 : 0.0);
    favorite->setControl2ExpandProgress(state == FavoriteControl::Expanded2 ? 1.0 : 0.0);
    favorite->setButtonsExpandProgress(1.0);
}

void render(const QString& path)
{
    QGraphicsScene scene;
    const qreal step = 360;
    settle(addFavorite(scene, 0), FavoriteControl::Collapsed);

    FavoriteControl* ring1 = addFavorite(scene, step);
    ring1->setCommand1Buttons(commands({"ON", "OFF", "TOGGLE"}));
    ring1->showCommandControl1();
    settle(ring1, FavoriteControl::Expanded);

    FavoriteControl* ring2 = addFavorite(scene, 2 * step);
    ring2->setCommand1Buttons(commands({"ON", "OFF", "MODE"}));
    ring2->showCommandControl1();
    ring2->setCommand1SelectedButton("MODE");
    ring2->setCommand2Buttons(commands({"A", "B", "C", "D"}));
    ring2->showCommandControl2();
    settle(ring2, FavoriteControl::Expanded2);
    GalleryHelpers::saveScene(scene, path, QColor(90, 110, 130), 2.0);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    GalleryHelpers::renderEachBuiltInTheme(argc, argv, [](const QString& prefix, const QColor&) {
        render(prefix + QStringLiteral("_favorite.png"));
    });
    return 0;
}
