// The device name plate on the built-in themes: text layout and marquee,
// buttons, rows, theme values and in-place renaming with the listener's veto.

#include "controls/SvgButton.h"
#include "controls/SvgContentButton.h"
#include "controls/SvgElement.h"
#include "dropdown/SvgDropDown.h"
#include "dropdown/SvgDropDownItem.h"
#include "dropdown/SvgDropDownPanel.h"
#include "label/Label.h"
#include "models/DropDownItemModel.h"
#include "models/DropDownModel.h"
#include "text/LineTextEditor.h"
#include "text/TextLabel.h"
#include "theme/RendererContainer.h"
#include "theme/ThemeProvider.h"

#include "SceneTestHelpers.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QGraphicsRectItem>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsSceneHoverEvent>
#include <QGraphicsSceneMouseEvent>
#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QStyleOptionGraphicsItem>
#include <QSvgRenderer>
#include <QTest>

#include <memory>
#include <tuple>

using namespace Corvane::Gadgets;
using Corvane::Gadgets::Models::DropDownItemModel;

namespace {

using SceneTestHelpers::useTheme;
using SceneTestHelpers::mouseEvent;
using SceneTestHelpers::hoverEvent;

const QString LONG_NAME = QStringLiteral("Living room ceiling lights along the east wall");
const QString SHORT_NAME = QStringLiteral("Hall");

QImage paintLabel(Label* label)
{
    QImage image(label->boundingRect().size().toSize() + QSize(2, 2), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    QStyleOptionGraphicsItem option;
    label->paint(&painter, &option, nullptr);
    return image;
}

bool hasOpaquePixel(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) > 0)
                return true;
        }
    }
    return false;
}

// A carousel-style label with tail 1 in a scene, positioned away from the origin.
struct Fixture
{
    explicit Fixture(const QString& controlId = QStringLiteral("label_navigation"), int tail = 1,
                     const QString& renderer = ThemeProvider::TOOLTIP)
    {
        label = new Label(ThemeProvider::getRendererFor(renderer), ThemeProvider::getRendererFor(ThemeProvider::DROPDOWN),
                          ThemeProvider::getRendererFor(ThemeProvider::DROPDOWN_ON), nullptr, tail);
        scene.addItem(label);
        label->setControlId(controlId);
        label->setPos(40, 30);
    }

    QPointF textScenePos(qreal fractionX) const
    {
        const QRectF box = label->textBox();
        return label->mapToScene(QPointF(box.x() + box.width() * fractionX, box.center().y()));
    }

    QGraphicsScene scene;
    Label* label = nullptr;
};

// Answers textChanged with a fixed verdict, over a direct connection, and
// counts the questions.
struct Listener
{
    Listener(Label* label, bool accept)
        : verdict(accept)
    {
        QObject::connect(
            label, &Label::textChanged, label, [this](bool& accepted) {
                ++asked;
                accepted = verdict;
            },
            Qt::DirectConnection);
    }

    bool verdict;
    int asked = 0;
};

void doubleClick(Label* label, const QPointF& scenePos)
{
    label->handleMouseDoubleClick(mouseEvent(QEvent::GraphicsSceneMouseDoubleClick, scenePos).get());
}

void sendPress(QGraphicsScene* scene, const QPointF& scenePos)
{
    QCoreApplication::sendEvent(scene, mouseEvent(QEvent::GraphicsSceneMousePress, scenePos).get());
}

} // namespace

class tst_Label : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qRegisterMetaType<const DropDownItemModel*>(); }
    void init() { useTheme(QStringLiteral(":/TalveraTheme")); }
    void cleanupTestCase() { ThemeProvider::clear(); }

    void textLayout_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("scrollNeeded");
        QTest::newRow("narrow") << SHORT_NAME << false;
        QTest::newRow("wide") << LONG_NAME << true;
    }

    void textLayout()
    {
        QFETCH(QString, text);
        QFETCH(bool, scrollNeeded);
        Fixture fixture;
        fixture.label->setText(text);
        const QRectF box = fixture.label->textBox();
        const qreal width =
            QFontMetricsF(fixture.label->effectiveFont()).boundingRect(box, Qt::TextSingleLine | Qt::TextShowMnemonic, text).width();

        QCOMPARE(fixture.label->effectiveFont().pixelSize(), 10);
        QCOMPARE(fixture.label->isScrollNeeded(), scrollNeeded);
        if (scrollNeeded) {
            QVERIFY(fixture.label->shownText().endsWith(QChar(0x2026)));
            QCOMPARE(fixture.label->scrollWidth(), width + 16.0);
            QCOMPARE(fixture.label->scrollDuration(), int(16.0 * (width + 16.0)));
        } else {
            QCOMPARE(fixture.label->shownText(), text);
            QCOMPARE(fixture.label->scrollDuration(), 0);
        }
        QCOMPARE(fixture.label->textEditor()->proxy()->geometry(), QRectF(box.toRect()));
    }

    void hoverScrollsAWideText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("scrolls");
        QTest::newRow("narrow") << SHORT_NAME << false;
        QTest::newRow("wide") << LONG_NAME << true;
    }

    void hoverScrollsAWideText()
    {
        QFETCH(QString, text);
        QFETCH(bool, scrolls);
        Fixture fixture;
        fixture.label->setText(text);
        fixture.label->handleHoverEnterEvent(hoverEvent(QEvent::GraphicsSceneHoverEnter, fixture.textScenePos(0.5)).get());
        QCOMPARE(fixture.label->isTextScrolling(), scrolls);

        fixture.label->handleHoverLeaveEvent(
            hoverEvent(QEvent::GraphicsSceneHoverLeave, fixture.label->mapToScene(QPointF(-50, -50))).get());
        QVERIFY(!fixture.label->isTextScrolling());
    }

    void textPositionPercentageIsClamped_data()
    {
        QTest::addColumn<qreal>("value");
        QTest::addColumn<qreal>("stored");
        QTest::newRow("above the range") << 0.5 << 0.0;
        QTest::newRow("below the range") << -2.0 << -1.0;
        QTest::newRow("inside") << -0.25 << -0.25;
    }

    void textPositionPercentageIsClamped()
    {
        QFETCH(qreal, value);
        QFETCH(qreal, stored);
        Fixture fixture;
        fixture.label->setTextPositionPercentage(-0.5);
        fixture.label->setTextPositionPercentage(value);
        QCOMPARE(fixture.label->textPositionPercentage(), stored);
    }

    // The marquee mirrors with the layout direction: at a quarter of the
    // cycle the 16-pixel gap between the two copies trails the leading copy,
    // so right to left it shows where left to right there is text.
    void marqueeFollowsTheLayoutDirection()
    {
        Fixture fixture;
        fixture.label->setPos(0, 0);
        fixture.label->setText(QString(40, QChar('W')));
        fixture.label->handleHoverEnterEvent(hoverEvent(QEvent::GraphicsSceneHoverEnter, fixture.textScenePos(0.5)).get());
        QVERIFY(fixture.label->isTextScrolling());
        fixture.label->setTextPositionPercentage(-0.25);

        const QRectF box = fixture.label->textBox();
        const qreal gapStart = box.x() + 0.25 * fixture.label->scrollWidth();
        QVERIFY(gapStart + 16 < box.right());
        const auto inkInGap = [&](Qt::LayoutDirection direction) {
            QApplication::setLayoutDirection(direction);
            const QImage image = paintLabel(fixture.label);
            QApplication::setLayoutDirection(Qt::LeftToRight);
            for (int x = int(gapStart) + 4; x < int(gapStart) + 12; ++x) {
                for (int y = int(box.top()); y < int(box.bottom()); ++y) {
                    if (qAlpha(image.pixel(x, y)) > 0)
                        return true;
                }
            }
            return false;
        };
        QVERIFY(inkInGap(Qt::LeftToRight));
        QVERIFY(!inkInGap(Qt::RightToLeft));
    }

    void buttonConfig_data()
    {
        QTest::addColumn<int>("config");
        QTest::addColumn<int>("expectedConfig");
        QTest::addColumn<QString>("visibleButton");
        QTest::addColumn<QString>("textBoxId");
        QTest::newRow("refresh") << 0 << 0 << "refresh" << "text_placeholder";
        QTest::newRow("close") << 1 << 1 << "close" << "text_placeholder";
        QTest::newRow("none") << 2 << 2 << "" << "text_placeholder_full";
        QTest::newRow("out of range") << 3 << 0 << "refresh" << "text_placeholder";
    }

    void buttonConfig()
    {
        QFETCH(int, config);
        QFETCH(int, expectedConfig);
        QFETCH(QString, visibleButton);
        QFETCH(QString, textBoxId);
        Fixture fixture;
        fixture.label->setButtonConfig(Label::RefreshButton);
        fixture.label->setButtonConfig(config);

        QCOMPARE(int(fixture.label->buttonConfig()), expectedConfig);
        QCOMPARE(fixture.label->textBox(), fixture.label->boundsOnElement(textBoxId));
        QStringList visible;
        for (QGraphicsItem* child : fixture.label->childItems()) {
            auto* button = dynamic_cast<SvgButton*>(child);
            if (button && button->isVisible())
                visible << button->baseId();
        }
        QCOMPARE(visible, visibleButton.isEmpty() ? QStringList() : QStringList{visibleButton});
    }

    void buttonsReportClicks_data()
    {
        QTest::addColumn<int>("config");
        QTest::newRow("refresh") << int(Label::RefreshButton);
        QTest::newRow("close") << int(Label::CloseButton);
    }

    void buttonsReportClicks()
    {
        QFETCH(int, config);
        Fixture fixture;
        fixture.label->setButtonConfig(config);
        QSignalSpy refresh(fixture.label, &Label::refreshButtonClicked);
        QSignalSpy close(fixture.label, &Label::closeButtonClicked);
        SvgButton* button = fixture.label->button(Label::ButtonConfig(config), false);
        fixture.label->handleMouseClick(
            mouseEvent(QEvent::GraphicsSceneMouseRelease, button->mapToScene(button->boundingRect().center())).get());
        QCOMPARE(refresh.size(), config == Label::RefreshButton ? 1 : 0);
        QCOMPARE(close.size(), config == Label::CloseButton ? 1 : 0);
    }

    void labelWithoutTailLaysOutAndPaints()
    {
        Fixture fixture(QStringLiteral("label_favorite"), -1, ThemeProvider::FAVORITE_LABEL);
        fixture.label->setText(SHORT_NAME);
        QCOMPARE(fixture.label->totalBounds(), fixture.label->backgroundBounds());
        QCOMPARE(fixture.label->boundingRect().size(), fixture.label->backgroundBounds().size());
        QCOMPARE(fixture.label->effectiveFont().pixelSize(), 12);
        fixture.label->updateCachedData();
        QCOMPARE(fixture.label->pos(), QPointF(40, 30));
        QVERIFY(hasOpaquePixel(paintLabel(fixture.label)));
    }

    void doubleRowShowsTheDropDown()
    {
        Fixture fixture;
        const QSizeF singleSize = fixture.label->boundingRect().size();
        QVERIFY(!fixture.label->row2DropDown()->isVisible());

        fixture.label->setIsDoubleRowLabel(true);
        QVERIFY(fixture.label->row2DropDown()->isVisible());
        QCOMPARE(fixture.label->rows().rowCount(), 2);
        QVERIFY(fixture.label->rows().background()->isVisible());
        QCOMPARE(fixture.label->rows().background()->elementId(), QStringLiteral("row_2_background"));
        const QRectF row2 = fixture.label->boundsOnElement(QStringLiteral("row_2_background"))
                                .united(fixture.label->boundsOnElement(QStringLiteral("row_2_tail_1")));
        QCOMPARE(fixture.label->boundingRect().size(), row2.size());
        QVERIFY(fixture.label->boundingRect().height() > singleSize.height());
        QCOMPARE(fixture.label->row2DropDown()->scaledBounds(),
                 fixture.label->boundsOnElement(QStringLiteral("row_2_text_placeholder")));
        QCOMPARE(fixture.label->row2DropDown()->controlId(), QStringLiteral("label_navigation_drop_down"));

        fixture.label->setIsDoubleRowLabel(false);
        QCOMPARE(fixture.label->boundingRect().size(), singleSize);
        QVERIFY(!fixture.label->row2DropDown()->isVisible());
    }

    void dropDownIsMadeWithTheSecondRow_data()
    {
        QTest::addColumn<bool>("madeFirst");
        QTest::newRow("made with the label") << true;
        QTest::newRow("made with the second row") << false;
    }

    // A label makes its drop-down when it first shows two rows; what it was
    // told before reaches the drop-down as it reaches one made with it.
    void dropDownIsMadeWithTheSecondRow()
    {
        QFETCH(bool, madeFirst);
        Fixture fixture;
        QVERIFY(!fixture.label->isRow2DropDownCreated());
        if (madeFirst)
            fixture.label->row2DropDown();
        DropDownItemModel radio(3, QStringLiteral("Radio"));
        auto* gone = new DropDownItemModel(4, QStringLiteral("Player"));
        fixture.label->setRow2DropDownModel(Models::DropDownModel({&radio, gone}, QStringLiteral("Source")));
        delete gone;
        fixture.label->setTextOpacity(0.5);
        fixture.label->setCustomScale(1.5);
        fixture.label->setElementsSuffix(QStringLiteral("lights"));
        QCOMPARE(fixture.label->isRow2DropDownCreated(), madeFirst);

        fixture.label->setIsDoubleRowLabel(true);
        QVERIFY(fixture.label->isRow2DropDownCreated());
        SvgDropDown* dropDown = fixture.label->row2DropDown();
        QVERIFY(dropDown->isVisible());
        QCOMPARE(dropDown->textLabel()->text(), QStringLiteral("Source"));
        QCOMPARE(dropDown->panel()->liveItemCount(), 1);
        QCOMPARE(dropDown->opacity(), 0.5);
        QCOMPARE(dropDown->customScale(), 1.5);
        QCOMPARE(dropDown->elementsSuffix(), QStringLiteral("lights"));
        QCOMPARE(dropDown->controlId(), QStringLiteral("label_navigation_drop_down"));
        QCOMPARE(dropDown->scaledBounds(),
                 fixture.label->boundsOnElement(QStringLiteral("row_2_text_placeholder")));
    }

    void dropDownEventsAreRelayed()
    {
        Fixture fixture;
        fixture.label->setIsDoubleRowLabel(true);
        DropDownItemModel radio(3, QStringLiteral("Radio"));
        fixture.label->setRow2DropDownModel(Models::DropDownModel({&radio}, QStringLiteral("Source")));
        SvgDropDown* dropDown = fixture.label->row2DropDown();
        QSignalSpy icon(fixture.label, &Label::row2DropDownItemIconClick);
        QSignalSpy renamed(fixture.label, &Label::row2DropDownItemTextChanged);

        dropDown->setExpanded(true);
        SvgDropDownItem* item = dropDown->panel()->items().constFirst();
        item->onElementClick(item->iconButton());
        item->textLabel()->onStartEditing();
        item->textLabel()->editor()->setText(QStringLiteral("Web radio"));
        item->textLabel()->onEditingFinished();
        QCOMPARE(icon.size(), 1);
        QCOMPARE(icon.at(0).at(1).value<const DropDownItemModel*>(), &radio);
        QCOMPARE(renamed.size(), 1);
        QCOMPARE(renamed.at(0).at(2).toString(), QStringLiteral("Web radio"));
    }

    void themeValues_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("controlId");
        QTest::addColumn<QString>("renderer");
        QTest::addColumn<int>("tail");
        QTest::addColumn<int>("pixelSize");
        QTest::newRow("Corvane navigation") << ":/CorvaneTheme" << "label_navigation" << ThemeProvider::TOOLTIP << 3 << 10;
        QTest::newRow("Corvane favourite") << ":/CorvaneTheme" << "label_favorite" << ThemeProvider::FAVORITE_LABEL << -1 << 12;
        QTest::newRow("Talvera navigation") << ":/TalveraTheme" << "label_navigation" << ThemeProvider::TOOLTIP << 5 << 10;
        QTest::newRow("Talvera favourite") << ":/TalveraTheme" << "label_favorite" << ThemeProvider::FAVORITE_LABEL << -1 << 12;
    }

    void themeValues()
    {
        QFETCH(QString, folder);
        QFETCH(QString, controlId);
        QFETCH(QString, renderer);
        QFETCH(int, tail);
        QFETCH(int, pixelSize);
        useTheme(folder);
        Fixture fixture(controlId, tail, renderer);
        QCOMPARE(fixture.label->effectiveFont().pixelSize(), pixelSize);
        QCOMPARE(fixture.label->textColor(), ThemeProvider::getColor(controlId + "_color", Qt::red));
        const QPalette palette = fixture.label->textEditor()->palette();
        QCOMPARE(palette.color(QPalette::Active, QPalette::Text), ThemeProvider::getColor(controlId + "_edit_color", Qt::red));
        QCOMPARE(palette.color(QPalette::Inactive, QPalette::Highlight),
                 ThemeProvider::getColor(controlId + "_edit_selection_background_color", Qt::red));
        if (tail > 0)
            QVERIFY(fixture.label->rows().tail()->scaledBounds().width() > 0);
    }
    // Every element id and key the labels and drop-downs ask for, in both
    // built-in themes.
    void builtInThemesHoldTheElements_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::newRow("Corvane") << ":/CorvaneTheme";
        QTest::newRow("Talvera") << ":/TalveraTheme";
    }

    void builtInThemesHoldTheElements()
    {
        QFETCH(QString, folder);
        useTheme(folder);
        QStringList plate{"background", "background_edit", "row_2_background", "row_2_background_edit",
                          "text_placeholder", "text_placeholder_full", "row_2_text_placeholder", "button_placeholder"};
        for (const char* button : {"refresh", "close", "refresh_edit", "close_edit"})
            plate << QString(button) + "_default" << QString(button) + "_mask";
        QStringList tails;
        for (int tail = 1; tail <= 5; ++tail) {
            for (const QString& id : {Label::TAIL_ID.arg(tail), Label::TAIL_EDIT_ID.arg(tail)})
                tails << id << "row_2_" + id;
        }
        const QStringList dropDown{"background_left", "background_middle", "background_right", "expand_default",
                                   "expand_mask", "collapse_default", "collapse_mask", "text_placeholder",
                                   "button_placeholder", "item_mask", "item_background_edit",
                                   "item_text_placeholder", "item_button_placeholder"};
        const QList<QPair<QString, QStringList>> wanted{{ThemeProvider::TOOLTIP, plate + tails},
                                                        {ThemeProvider::FAVORITE_LABEL, plate},
                                                        {ThemeProvider::DROPDOWN, dropDown},
                                                        {ThemeProvider::DROPDOWN_FAVORITE, dropDown},
                                                        {ThemeProvider::DROPDOWN_ON, {"default", "active", "bounding_box"}},
                                                        {ThemeProvider::DROPDOWN_ON_FAVORITE, {"default", "active", "bounding_box"}}};
        for (const auto& [renderer, ids] : wanted) {
            QSvgRenderer* svg = ThemeProvider::getRendererFor(renderer)->renderer();
            for (const QString& id : ids)
                QVERIFY2(svg->elementExists(id), qPrintable(renderer + ": " + id));
        }
        // The entry's icon button has an empty id: a plate of its own would show.
        for (const QString& renderer : {ThemeProvider::DROPDOWN, ThemeProvider::DROPDOWN_FAVORITE}) {
            QSvgRenderer* svg = ThemeProvider::getRendererFor(renderer)->renderer();
            QVERIFY(!svg->elementExists("_default"));
            QVERIFY(!svg->elementExists("_mask"));
        }
        QVERIFY(!ThemeProvider::getRendererFor(ThemeProvider::FAVORITE_LABEL)->renderer()->elementExists("tail_-1"));
        for (const QString id : {"label_navigation", "label_favorite"}) {
            for (const char* key : {"_font_size", "_color", "_edit_color", "_edit_background_color",
                                       "_edit_selection_color", "_edit_selection_background_color",
                                       "_drop_down_font_size", "_drop_down_font_color", "_drop_down_panel_back_color",
                                       "_drop_down_item_font_size", "_drop_down_item_font_color",
                                       "_drop_down_item_edit_color", "_drop_down_item_edit_selection_color",
                                       "_drop_down_item_edit_selection_background_color"})
                QVERIFY2(ThemeProvider::hasValue(id + QString(key)), qPrintable(id + QString(key)));
        }
    }

    void editFlow_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("accept");
        QTest::addColumn<QString>("expectedText");
        QTest::addColumn<bool>("stillEditing");
        QTest::addColumn<int>("questions");

        QTest::newRow("Enter, accepted") << "enter" << "Hall lamp" << true << "Hall lamp" << false << 1;
        QTest::newRow("Enter, refused") << "enter" << "Hall lamp" << false << SHORT_NAME << true << 1;
        QTest::newRow("Enter, unchanged") << "enter" << SHORT_NAME << false << SHORT_NAME << false << 0;
        QTest::newRow("Escape") << "escape" << "Hall lamp" << true << SHORT_NAME << false << 0;
        QTest::newRow("close-edit press") << "close" << "Hall lamp" << true << SHORT_NAME << false << 0;
        QTest::newRow("press outside") << "outside" << "Hall lamp" << true << "Hall lamp" << false << 1;
        QTest::newRow("press outside, refused") << "outside" << "Hall lamp" << false << SHORT_NAME << true << 1;
        QTest::newRow("press outside, empty") << "outside" << "" << true << SHORT_NAME << true << 0;
    }

    void editFlow()
    {
        QFETCH(QString, action);
        QFETCH(QString, typed);
        QFETCH(bool, accept);
        QFETCH(QString, expectedText);
        QFETCH(bool, stillEditing);
        QFETCH(int, questions);
        Fixture fixture;
        Label* label = fixture.label;
        label->setText(SHORT_NAME);
        Listener listener(label, accept);
        QSignalSpy editMode(label, &Label::isInEditModeChanged);

        doubleClick(label, fixture.textScenePos(0.2));
        QVERIFY(label->isInEditMode());
        QCOMPARE(Label::isThereLabelInEditMode(), label);
        QCOMPARE(label->buttonConfig(), Label::CloseButton);
        QVERIFY(label->button(Label::CloseButton, true)->isVisible());
        QVERIFY(label->rows().backgroundEdit()->isVisible());
        QVERIFY(!label->rows().background()->isVisible());
        LineTextEditor* editor = label->textEditor();
        QVERIFY(editor->isVisible());
        editor->setText(typed);

        if (action == "enter") {
            QTest::keyClick(editor, Qt::Key_Return);
        } else if (action == "escape") {
            QTest::keyClick(editor, Qt::Key_Escape);
        } else if (action == "close") {
            SvgButton* close = label->button(Label::CloseButton, true);
            sendPress(&fixture.scene, close->mapToScene(close->boundingRect().center()));
        } else {
            sendPress(&fixture.scene, label->mapToScene(QPointF(-30, -30)));
        }

        QCOMPARE(listener.asked, questions);
        QCOMPARE(label->text(), expectedText);
        QCOMPARE(label->isInEditMode(), stillEditing);
        QCOMPARE(editor->isVisible(), stillEditing);
        if (stillEditing) {
            QCOMPARE(editor->text(), typed);
            return;
        }
        QCOMPARE(editor->text(), expectedText);
        QCOMPARE(label->buttonConfig(), Label::NoButton);
        QVERIFY(label->rows().background()->isVisible());
        QVERIFY(!label->rows().backgroundEdit()->isVisible());
        QCOMPARE(editMode.size(), 2);
        QVERIFY(!Label::isThereLabelInEditMode());
    }

    // The verdict of one name does not stick to the next one.
    void refusalDoesNotTrapTheEdit()
    {
        Fixture fixture;
        Label* label = fixture.label;
        label->setText(SHORT_NAME);
        Listener listener(label, false);
        doubleClick(label, fixture.textScenePos(0.2));
        label->textEditor()->setText(QString(" "));
        QTest::keyClick(label->textEditor(), Qt::Key_Return);
        QVERIFY(label->isInEditMode());

        label->textEditor()->setText(SHORT_NAME);
        QTest::keyClick(label->textEditor(), Qt::Key_Return);
        QVERIFY(!label->isInEditMode());
        QCOMPARE(listener.asked, 1);

        // A later accepted rename goes through even after a refusal.
        listener.verdict = true;
        doubleClick(label, fixture.textScenePos(0.2));
        label->textEditor()->setText(QStringLiteral("Porch"));
        QTest::keyClick(label->textEditor(), Qt::Key_Return);
        QCOMPARE(label->text(), QStringLiteral("Porch"));
        QVERIFY(!label->isInEditMode());
    }

    void pressesWhileEditingAreNotPassedOn()
    {
        Fixture fixture;
        auto* other = new QGraphicsRectItem(300, 300, 40, 40);
        other->setFlag(QGraphicsItem::ItemIsSelectable);
        fixture.scene.addItem(other);
        fixture.label->setText(SHORT_NAME);
        doubleClick(fixture.label, fixture.textScenePos(0.2));
        fixture.label->textEditor()->clear();

        sendPress(&fixture.scene, QPointF(310, 310));
        QVERIFY(!other->isSelected());
        QVERIFY(fixture.label->isInEditMode());

        QTest::keyClick(fixture.label->textEditor(), Qt::Key_Escape);
        sendPress(&fixture.scene, QPointF(310, 310));
        QVERIFY(other->isSelected());
    }

    void doubleClickOnAnotherLabelActsOnTheEditingOne()
    {
        Fixture fixture;
        auto* second = new Label(ThemeProvider::getRendererFor(ThemeProvider::TOOLTIP),
                                 ThemeProvider::getRendererFor(ThemeProvider::DROPDOWN),
                                 ThemeProvider::getRendererFor(ThemeProvider::DROPDOWN_ON), nullptr, 2);
        fixture.scene.addItem(second);
        second->setControlId(QStringLiteral("label_navigation"));
        second->setPos(40, 200);
        second->setText(QStringLiteral("Garage"));
        fixture.label->setText(SHORT_NAME);
        Listener listener(fixture.label, true);

        doubleClick(fixture.label, fixture.textScenePos(0.2));
        fixture.label->textEditor()->setText(QStringLiteral("Stairs"));
        doubleClick(second, second->mapToScene(second->textBox().center()));
        QVERIFY(!second->isInEditMode());
        QCOMPARE(Label::isThereLabelInEditMode(), fixture.label);
        QCOMPARE(listener.asked, 0);
    }

    void anEditInAnotherSceneEndsFirst()
    {
        Fixture first;
        Fixture second;
        first.label->setText(SHORT_NAME);
        second.label->setText(QStringLiteral("Garage"));
        Listener listener(first.label, true);
        doubleClick(first.label, first.textScenePos(0.2));
        first.label->textEditor()->setText(QStringLiteral("Stairs"));

        doubleClick(second.label, second.textScenePos(0.2));
        QCOMPARE(first.label->text(), QStringLiteral("Stairs"));
        QVERIFY(!first.label->isInEditMode());
        QCOMPARE(Label::isThereLabelInEditMode(), second.label);
    }

    void caretLandsOnTheClickedCharacter_data()
    {
        QTest::addColumn<int>("alignment");
        QTest::newRow("left") << int(Qt::AlignLeft);
        QTest::newRow("centred") << int(Qt::AlignHCenter);
        QTest::newRow("right") << int(Qt::AlignRight);
    }

    void caretLandsOnTheClickedCharacter()
    {
        QFETCH(int, alignment);
        Fixture fixture;
        Label* label = fixture.label;
        const QString name = QStringLiteral("WWWWWWWW");
        label->setText(name);
        label->setTextAlignment(Qt::Alignment(alignment));
        QCOMPARE(label->buttonConfig(), Label::NoButton);

        // Where the label draws the boundary after the sixth character.
        const QFontMetricsF metrics(label->effectiveFont());
        const QRectF box = label->textBox();
        const qreal textWidth = metrics.horizontalAdvance(name);
        qreal left = box.x();
        if (alignment == Qt::AlignHCenter)
            left += (box.width() - textWidth) / 2;
        else if (alignment == Qt::AlignRight)
            left += box.width() - textWidth;
        const qreal boundary = left + metrics.horizontalAdvance(name.left(6));
        doubleClick(label, label->mapToScene(QPointF(boundary, box.center().y())));

        QVERIFY(label->isInEditMode());
        QCOMPARE(label->textEditor()->cursorPosition(), 6);
    }

    void readOnlyIgnoresDoubleClicks()
    {
        Fixture fixture;
        fixture.label->setText(SHORT_NAME);
        fixture.label->setIsReadOnly(true);
        doubleClick(fixture.label, fixture.textScenePos(0.2));
        QVERIFY(!fixture.label->isInEditMode());

        fixture.label->setIsReadOnly(false);
        doubleClick(fixture.label, fixture.textScenePos(0.2));
        QVERIFY(fixture.label->isInEditMode());
        fixture.label->setIsReadOnly(true);
        QVERIFY(!fixture.label->isInEditMode());
    }

    void setTextEndsTheEdit()
    {
        Fixture fixture;
        fixture.label->setText(SHORT_NAME);
        doubleClick(fixture.label, fixture.textScenePos(0.2));
        fixture.label->setText(QStringLiteral("Cellar"));
        QVERIFY(!fixture.label->isInEditMode());
        QVERIFY(!fixture.label->textEditor()->isVisible());
        QCOMPARE(fixture.label->textEditor()->text(), QStringLiteral("Cellar"));
    }

    // A label makes its line edit when it is first edited: one made then
    // shows what one made with the label shows, and takes what is typed.
    void editorIsMadeOnTheFirstEdit()
    {
        Fixture made;
        Fixture late;
        made.label->textEditor();
        QVERIFY(!late.label->isTextEditorCreated());
        for (Label* label : {made.label, late.label}) {
            label->setText(QStringLiteral("Kitchen"));
            label->setMaxChars(12);
            label->setTextFont(QFont(ThemeProvider::getFontName(), 9));
            label->setTextAlignment(Qt::AlignRight);
            label->setTextEditorContentsMargins(QMargins(2, 1, 2, 1));
        }
        QVERIFY(!late.label->isTextEditorCreated());
        QVERIFY(!late.label->isInEditMode());

        // Editing one label ends the edit of another: each is looked at in turn.
        const auto shown = [](Fixture& fixture) {
            doubleClick(fixture.label, fixture.textScenePos(0.5));
            const LineTextEditor* editor = fixture.label->textEditor();
            return std::make_tuple(fixture.label->isInEditMode(), editor->proxy()->isVisible(), editor->text(),
                                   editor->maxLength(), editor->font(), int(editor->alignment()),
                                   editor->contentsMargins(), editor->palette().color(QPalette::Base),
                                   editor->palette().color(QPalette::Highlight), editor->proxy()->geometry());
        };
        const auto expected = shown(made);
        QVERIFY(std::get<0>(expected));
        QCOMPARE(std::get<3>(expected), 12);
        QCOMPARE(std::get<6>(expected), QMargins(2, 1, 2, 1));
        QVERIFY(shown(late) == expected);
        LineTextEditor* editor = late.label->textEditor();

        Listener listener(late.label, true);
        editor->selectAll();
        QTest::keyClicks(editor, QStringLiteral("Pantry"));
        QTest::keyClick(editor, Qt::Key_Return);
        QCOMPARE(listener.asked, 1);
        QCOMPARE(late.label->text(), QStringLiteral("Pantry"));
        QVERIFY(!late.label->isInEditMode());
    }

    void maxChars_data()
    {
        QTest::addColumn<int>("maxChars");
        QTest::addColumn<int>("expectedLength");
        QTest::newRow("cut to 32") << 32 << 32;
        QTest::newRow("zero ignored") << 0 << 40;
        QTest::newRow("negative ignored") << -3 << 40;
    }

    void maxChars()
    {
        QFETCH(int, maxChars);
        QFETCH(int, expectedLength);
        Fixture fixture;
        const QString name = QString("0123456789").repeated(4);
        fixture.label->setText(name);
        fixture.label->setMaxChars(maxChars);
        QCOMPARE(fixture.label->text(), name.left(expectedLength));
        if (maxChars < 1)
            return;
        QCOMPARE(fixture.label->textEditor()->maxLength(), maxChars);
        doubleClick(fixture.label, fixture.textScenePos(0.2));
        fixture.label->textEditor()->end(false);
        QTest::keyClicks(fixture.label->textEditor(), "abc");
        QCOMPARE(fixture.label->editedText().length(), maxChars);
    }
};

QTEST_MAIN(tst_Label)
#include "tst_label.moc"
