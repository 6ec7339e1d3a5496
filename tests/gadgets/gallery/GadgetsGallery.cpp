// Renders the controls into PNG pictures for a visual check:
//     gadgets_gallery [output folder] [theme folder ...]
// Without theme folders the fixture theme is used. Each theme gives
// <theme>_buttons.png, <theme>_labels.png, <theme>_scroll_area.png and
// <theme>_window_frame.png.

#include "GalleryHelpers.h"
#include "SceneTestHelpers.h"
#include "controls/SvgButton.h"
#include "controls/SvgContentBackButton.h"
#include "controls/SvgContentButton.h"
#include "controls/SvgControlObject.h"
#include "frame/SvgWindowFrame.h"
#include "scroll/ScrollArea.h"
#include "scroll/Scroller.h"
#include "text/SizableLabel.h"
#include "text/TextLabel.h"
#include "theme/ThemeProvider.h"

#include <QApplication>
#include <QDir>
#include <QGraphicsRectItem>
#include <QGraphicsScene>

using namespace Corvane::Gadgets;

namespace {

struct ThemeIds
{
    QString buttonRenderer;
    QString button;
    QString contentRenderer;
    QString contentButton;
    QString icon;
    QString overlay;
    QString fontControl;
    QString titleControl;
};

const QColor BACKGROUND(236, 238, 242);
const qreal SCALE = 2.0;

void renderButtons(const ThemeIds& ids, const QString& path)
{
    QGraphicsScene scene;
    auto* root = new SvgControlObject(ThemeProvider::getRendererFor(ids.buttonRenderer));
    scene.addItem(root);
    auto* contentRoot = new SvgControlObject(ThemeProvider::getRendererFor(ids.contentRenderer), root);
    root->addToChildren(contentRoot);
    const QList<SvgButton::ButtonState> states{SvgButton::Normal, SvgButton::Hover, SvgButton::Pressed,
                                               SvgButton::Disabled};
    for (int column = 0; column < states.size(); ++column) {
        SvgButton* plain = root->initButton(ids.button);
        plain->setState(states[column]);
        const QRectF plainBounds = plain->scaledBounds();
        plain->setBounds(QRectF(column * 170, 0, plainBounds.width(), plainBounds.height()));

        SvgContentButton* content = contentRoot->initContentButton(ids.contentButton);
        const QRectF placeholder = content->boundsOnElement(ids.contentButton + SvgButton::CONTENT_SUFFIX);
        content->setControlId(ids.fontControl);
        content->setIconRenderer(Utilities::IconRenderer(ThemeProvider::getRendererFor(ids.icon),
                                                         {ThemeProvider::getRendererFor(ids.overlay)}));
        content->setIconElement(QStringLiteral("default"));
        content->setContentBounds(placeholder);
        content->setText(QStringLiteral("Kitchen"));
        content->setSimulatesContentPress(true);
        content->setState(states[column]);
        const QRectF contentBounds = content->scaledBounds();
        content->setBounds(QRectF(column * 170, 60, contentBounds.width(), contentBounds.height()));
        content->setContentBounds(placeholder.translated(content->scaledBounds().topLeft() - contentBounds.topLeft()));

        auto* back = new SvgContentBackButton(ThemeProvider::getRendererFor(ThemeProvider::BUTTON), QStringLiteral("text"),
                                              ThemeProvider::getRendererFor(ThemeProvider::BUTTON), QString(), root);
        root->addToChildren(back);
        back->setControlId(ids.fontControl);
        back->setContentBounds(QRectF(column * 170, 180, 120, 24));
        back->setText(QStringLiteral("Monthly"));
        back->setContentPadding(2);
        back->setState(states[column]);
    }
    GalleryHelpers::saveScene(scene, path, BACKGROUND, SCALE);
}

void renderLabels(const ThemeIds& ids, const QString& path)
{
    QGraphicsScene scene;
    const QString longText = QStringLiteral("Living room ceiling lights, east wall");
    const QList<QPair<int, QString>> modes{{TextLabel::SingleLineClipped, longText},
                                           {TextLabel::SingleLineElided, longText},
                                           {TextLabel::SingleLineElidedHoverScroll, longText},
                                           {TextLabel::MultiLineAligned, QStringLiteral("Two lines\nof text")}};
    for (int row = 0; row < modes.size(); ++row) {
        auto* frame = new QGraphicsRectItem(0, row * 50, 160, 40);
        frame->setPen(QPen(Qt::gray, 0, Qt::DashLine));
        scene.addItem(frame);
        auto* label = new TextLabel(modes[row].second, nullptr);
        scene.addItem(label);
        label->setControlId(ids.fontControl);
        label->setMode(modes[row].first);
        label->setTextBounds(QRectF(0, row * 50, 160, 40));
    }
    auto* gradient = new TextLabel(QStringLiteral("Gradient with shadow"), nullptr);
    scene.addItem(gradient);
    gradient->setControlId(ids.fontControl);
    gradient->setForeGradientStops({{0.0, QColor(200, 40, 40)}, {1.0, QColor(40, 40, 200)}});
    gradient->setHasDropShadow(true);
    gradient->setTextBounds(QRectF(0, 200, 200, 40));
    gradient->setTextHeightFitsToBoundsHeight(true);

    QFont font;
    font.setPixelSize(12);
    auto* sizable = new SizableLabel(ThemeProvider::getRendererFor(ThemeProvider::BUTTON), QStringLiteral("tag"),
                                     QStringLiteral("Sizable label"), font, Qt::black, true, -1, nullptr);
    scene.addItem(sizable);
    sizable->setPos(0, 250);
    GalleryHelpers::saveScene(scene, path, BACKGROUND, SCALE);
}

void renderScrollArea(const QString& path)
{
    QGraphicsScene scene;
    auto* area = new ScrollArea(nullptr);
    scene.addItem(area);
    for (int i = 0; i < 12; ++i) {
        auto* row = new QGraphicsRectItem(0, i * 30, 260, 26, area->childrenContainer());
        row->setBrush(QColor::fromHsv(i * 30, 90, 230));
        row->setPen(Qt::NoPen);
        auto* text = new QGraphicsSimpleTextItem(QStringLiteral("Row %1 of the scrolled content").arg(i + 1), row);
        text->setPos(8, i * 30 + 5);
    }
    area->setBounds(QRectF(0, 0, 180, 160));
    area->scrollToValues(30, 40);
    const QRectF source = area->sceneBoundingRect().adjusted(-10, -10, 10, 10);
    GalleryHelpers::saveImage(GalleryHelpers::renderScene(scene, source, BACKGROUND, SCALE), path);
}

void renderWindowFrame(const ThemeIds& ids, const QString& path)
{
    QGraphicsScene scene;
    auto* content = new SvgControlObject(nullptr);
    content->setBounds(QRectF(0, 0, 260, 140));
    auto* frame = new SvgWindowFrame(content, ThemeProvider::getRendererFor(ThemeProvider::WINDOW_FRAME), nullptr);
    scene.addItem(frame);
    auto* background = new QGraphicsRectItem(content->boundingRect(), content);
    background->setBrush(QColor(250, 250, 250));
    background->setPen(Qt::NoPen);
    background->setFlag(QGraphicsItem::ItemStacksBehindParent);
    frame->title()->setControlId(ids.titleControl);
    frame->setTitleText(QStringLiteral("Energy data"));
    GalleryHelpers::saveScene(scene, path, BACKGROUND, SCALE);
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
        themes << QStringLiteral(":/ControlsTheme");

    for (const QString& theme : themes) {
        const bool fixture = theme == QLatin1String(":/ControlsTheme");
        SceneTestHelpers::useTheme(theme);
        const ThemeIds ids{fixture ? ThemeProvider::BUTTON : ThemeProvider::WINDOW_FRAME,
                           fixture ? QStringLiteral("ok") : QStringLiteral("close_button"),
                           fixture ? ThemeProvider::BUTTON : ThemeProvider::COMMAND_CONTROL,
                           fixture ? QStringLiteral("cb") : QStringLiteral("odd_1"),
                           fixture ? QStringLiteral("icon") : ThemeProvider::LIGHTS,
                           fixture ? QStringLiteral("overlay") : ThemeProvider::FAVORITE_INDICATOR,
                           fixture ? QStringLiteral("label") : QStringLiteral("label_favorite_drop_down"),
                           fixture ? QStringLiteral("title") : QStringLiteral("label_favorite")};
        const QString prefix = output + QLatin1Char('/') + QString(theme).remove(QLatin1Char(':')).remove(QLatin1Char('/'));
        renderButtons(ids, prefix + QStringLiteral("_buttons.png"));
        renderLabels(ids, prefix + QStringLiteral("_labels.png"));
        renderScrollArea(prefix + QStringLiteral("_scroll_area.png"));
        renderWindowFrame(ids, prefix + QStringLiteral("_window_frame.png"));
    }
    ThemeProvider::clear();
    return 0;
}
