// Renders device labels and drop-downs into PNG pictures for a visual check:
//     gadgets_label_gallery [output folder]
// Each built-in theme gives <theme>_labels.png (one- and two-row labels,
// buttons, edit look) and <theme>_dropdowns.png (drop-downs open below and
// above).

#include "GalleryHelpers.h"
#include "dropdown/SvgDropDown.h"
#include "dropdown/SvgDropDownItem.h"
#include "dropdown/SvgDropDownPanel.h"
#include "label/Label.h"
#include "models/DropDownItemModel.h"
#include "models/DropDownModel.h"
#include "text/TextLabel.h"
#include "theme/ThemeProvider.h"

#include <QApplication>
#include <QGraphicsScene>

#include <memory>
#include <vector>

using namespace Corvane::Gadgets;
using Corvane::Gadgets::Models::DropDownItemModel;

namespace {

struct LabelKind
{
    QString renderer;
    QString dropDownRenderer;
    QString dropDownItemRenderer;
    QString controlId;
    int tail;
};

const LabelKind NAVIGATION{ThemeProvider::TOOLTIP, ThemeProvider::DROPDOWN, ThemeProvider::DROPDOWN_ON,
                           QStringLiteral("label_navigation"), 1};
const LabelKind FAVORITE{ThemeProvider::FAVORITE_LABEL, ThemeProvider::DROPDOWN_FAVORITE,
                         ThemeProvider::DROPDOWN_ON_FAVORITE, QStringLiteral("label_favorite"), -1};

const qreal SCALE = 2.0;

Label* addLabel(QGraphicsScene& scene, const LabelKind& kind, const QPointF& position, const QString& text)
{
    auto* label = new Label(ThemeProvider::getRendererFor(kind.renderer),
                            ThemeProvider::getRendererFor(kind.dropDownRenderer),
                            ThemeProvider::getRendererFor(kind.dropDownItemRenderer), nullptr, kind.tail);
    scene.addItem(label);
    label->setControlId(kind.controlId);
    label->setText(text);
    label->setPos(position);
    return label;
}

void renderLabels(const QString& path, const QColor& background)
{
    QGraphicsScene scene;
    const QString longName = QStringLiteral("Living room ceiling lights along the east wall");
    addLabel(scene, NAVIGATION, {0, 0}, QStringLiteral("Kitchen"));
    addLabel(scene, NAVIGATION, {0, 50}, longName)->setButtonConfig(Label::RefreshButton);
    Label* centred = addLabel(scene, NAVIGATION, {0, 100}, QStringLiteral("Hall"));
    centred->setTextAlignment(Qt::AlignHCenter);
    centred->setButtonConfig(Label::CloseButton);
    Label* editing = addLabel(scene, NAVIGATION, {0, 150}, QStringLiteral("Porch"));
    editing->setIsInEditMode(true);
    Label* twoRows = addLabel(scene, NAVIGATION, {0, 200}, QStringLiteral("Sound system"));
    twoRows->setIsDoubleRowLabel(true);
    twoRows->setRow2DropDownText(QStringLiteral("Radio"));

    addLabel(scene, FAVORITE, {200, 0}, QStringLiteral("Kitchen"));
    addLabel(scene, FAVORITE, {200, 50}, longName)->setButtonConfig(Label::CloseButton);
    Label* favoriteTwoRows = addLabel(scene, FAVORITE, {200, 100}, QStringLiteral("Amplifier"));
    favoriteTwoRows->setIsDoubleRowLabel(true);
    favoriteTwoRows->setRow2DropDownText(QStringLiteral("Line in"));
    GalleryHelpers::saveScene(scene, path, background, SCALE);
}

void renderDropDowns(const QString& path, const QColor& background)
{
    QGraphicsScene scene;
    // Little room under the bottom label: its panel opens above it.
    scene.setSceneRect(-100, -100, 1000, 570);
    std::vector<std::unique_ptr<DropDownItemModel>> sources;
    QList<DropDownItemModel*> entries;
    for (const QString& name : {QStringLiteral("Radio"), QStringLiteral("Line in"), QStringLiteral("Streaming"),
                                QStringLiteral("A very long source name that scrolls"), QStringLiteral("CD")}) {
        sources.push_back(std::make_unique<DropDownItemModel>(int(sources.size()) + 1, name));
        entries << sources.back().get();
    }
    const Models::DropDownModel model(entries, QStringLiteral("Radio"));

    Label* navigation = addLabel(scene, NAVIGATION, {0, 0}, QStringLiteral("Sound system"));
    navigation->setIsDoubleRowLabel(true);
    navigation->setRow2DropDownModel(model);
    navigation->row2DropDown()->setItemIconElement(1, QStringLiteral("active"));
    navigation->row2DropDown()->setExpanded(true);

    Label* favorite = addLabel(scene, FAVORITE, {200, 0}, QStringLiteral("Amplifier"));
    favorite->setIsDoubleRowLabel(true);
    favorite->setRow2DropDownModel(model);
    favorite->row2DropDown()->setExpanded(true);
    SvgDropDownItem* editing = favorite->row2DropDown()->panel()->items().at(2);
    editing->textLabel()->onStartEditing();

    Label* nearBottom = addLabel(scene, NAVIGATION, {0, 400}, QStringLiteral("Terrace speakers"));
    nearBottom->setIsDoubleRowLabel(true);
    nearBottom->setRow2DropDownModel(model);
    nearBottom->row2DropDown()->setExpanded(true);
    GalleryHelpers::saveScene(scene, path, background, SCALE);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    GalleryHelpers::renderEachBuiltInTheme(argc, argv, [](const QString& prefix, const QColor& background) {
        renderLabels(prefix + QStringLiteral("_labels.png"), background);
        renderDropDowns(prefix + QStringLiteral("_dropdowns.png"), background);
    });
    return 0;
}
