// The drop-down on the built-in themes: panel placement within the screen,
// closing on outside presses, entry clicks and edits, the entries' icon hit
// area, and entries whose models the caller has destroyed.

#include "controls/SvgButton.h"
#include "controls/SvgContentButton.h"
#include "dropdown/SvgDropDown.h"
#include "dropdown/SvgDropDownItem.h"
#include "models/NavigationIcon.h"
#include "dropdown/SvgDropDownPanel.h"
#include "gestures/EventConsumer.h"
#include "models/DropDownItemModel.h"
#include "models/DropDownModel.h"
#include "text/LineTextEditor.h"
#include "text/TextLabel.h"
#include "theme/ThemeProvider.h"

#include "SceneTestHelpers.h"

#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QGraphicsSceneMouseEvent>
#include <QGraphicsView>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace Corvane::Gadgets;
using Corvane::Gadgets::Models::DropDownItemModel;

namespace {

using SceneTestHelpers::useTheme;
using SceneTestHelpers::mouseEvent;

constexpr qreal BAR_WIDTH = 138.0;
constexpr qreal BAR_HEIGHT = 20.0;

void click(SvgControl* control, const QPointF& scenePos)
{
    control->handleMouseClick(mouseEvent(QEvent::GraphicsSceneMouseRelease, scenePos).get());
}

// Remembers whether the scene delivered a press to it.
class PressRecorder : public QGraphicsRectItem
{
public:
    using QGraphicsRectItem::QGraphicsRectItem;
    int presses = 0;

protected:
    void mousePressEvent(QGraphicsSceneMouseEvent* event) override
    {
        ++presses;
        event->accept();
    }
};

// A drop-down on a parent control in a scene of its own, with entries.
struct Fixture
{
    explicit Fixture(int entries, const QString& drawing = ThemeProvider::DROPDOWN,
                     const QString& iconDrawing = ThemeProvider::DROPDOWN_ON)
    {
        scene.addItem(&owner);
        dropDown = new SvgDropDown(ThemeProvider::getRendererFor(drawing), ThemeProvider::getRendererFor(iconDrawing),
                                   &owner);
        owner.addToChildren(dropDown);
        dropDown->setControlId(QStringLiteral("label_navigation_drop_down"));
        for (int i = 0; i < entries; ++i)
            models.push_back(std::make_unique<DropDownItemModel>(100 + i, QStringLiteral("Source %1").arg(i + 1)));
        dropDown->setModel(Models::DropDownModel(modelPointers(), QStringLiteral("Radio")));
        dropDown->setBounds(QRectF(0, 0, BAR_WIDTH, BAR_HEIGHT));
    }

    QList<DropDownItemModel*> modelPointers() const
    {
        QList<DropDownItemModel*> pointers;
        for (const auto& model : models)
            pointers << model.get();
        return pointers;
    }

    SvgDropDownItem* item(int index) const { return dropDown->panel()->items().at(index); }

    QPointF itemScenePos(int index, qreal x) const
    {
        SvgDropDownItem* entry = item(index);
        return entry->mapToScene(QPointF(x, entry->boundingRect().height() / 2));
    }

    // The models outlive the scene and its items.
    std::vector<std::unique_ptr<DropDownItemModel>> models;
    QGraphicsScene scene;
    SvgControlObject owner{nullptr};
    SvgDropDown* dropDown = nullptr;
};

// Places around the icon of an entry, in the entry's coordinates.
enum class IconSpot {
    Centre,
    InnerTopLeft,
    InnerBottomRight,
    TextBesideIcon,
    JustLeft,
    JustRight,
    JustAbove,
    JustBelow,
    EntryBorderBelow,
};

QPointF spotInEntry(IconSpot spot, const QRectF& placeholder, qreal entryHeight)
{
    const QPointF centre = placeholder.center();
    switch (spot) {
    case IconSpot::Centre:
        return centre;
    case IconSpot::InnerTopLeft:
        return placeholder.topLeft() + QPointF(1, 1);
    case IconSpot::InnerBottomRight:
        return placeholder.bottomRight() - QPointF(1, 1);
    case IconSpot::TextBesideIcon:
        return QPointF(placeholder.left() - 12, centre.y());
    case IconSpot::JustLeft:
        return QPointF(placeholder.left() - 2, centre.y());
    case IconSpot::JustRight:
        return QPointF(placeholder.right() + 2, centre.y());
    case IconSpot::JustAbove:
        return QPointF(centre.x(), placeholder.top() - 1.5);
    case IconSpot::JustBelow:
        return QPointF(centre.x(), placeholder.bottom() + 1.5);
    case IconSpot::EntryBorderBelow:
        return QPointF(centre.x(), entryHeight);
    }
    return centre;
}

} // namespace

Q_DECLARE_METATYPE(IconSpot)

class tst_SvgDropDown : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qRegisterMetaType<const DropDownItemModel*>(); }
    void init() { useTheme(QStringLiteral(":/TalveraTheme")); }
    void cleanupTestCase() { ThemeProvider::clear(); }

    void panelPlacement_data()
    {
        QTest::addColumn<int>("entries");
        QTest::addColumn<int>("rowsRoomBelow");
        QTest::addColumn<int>("rowsRoomAbove");
        QTest::addColumn<int>("expectedRows");
        QTest::addColumn<bool>("expectedAbove");
        QTest::addColumn<bool>("expectedFallback");

        QTest::newRow("12 entries, room for 10 below") << 12 << 10 << 0 << 10 << false << false;
        QTest::newRow("12 entries, room for 6 below") << 12 << 6 << 0 << 6 << false << false;
        QTest::newRow("12 entries, room for 5 below") << 12 << 5 << 12 << 5 << false << false;
        QTest::newRow("12 entries, 4 below, 10 above") << 12 << 4 << 10 << 10 << true << false;
        QTest::newRow("12 entries, 4 below, 7 above") << 12 << 4 << 7 << 7 << true << false;
        QTest::newRow("12 entries, 4 below, 4 above") << 12 << 4 << 4 << 0 << false << true;
        QTest::newRow("3 entries below") << 3 << 3 << 0 << 3 << false << false;
        QTest::newRow("3 entries above") << 3 << 2 << 3 << 3 << true << false;
        QTest::newRow("3 entries nowhere") << 3 << 2 << 2 << 0 << false << true;
        QTest::newRow("no entries") << 0 << 0 << 0 << 0 << false << false;
    }

    // Without a view the scene rectangle stands for the screen.
    void panelPlacement()
    {
        QFETCH(int, entries);
        QFETCH(int, rowsRoomBelow);
        QFETCH(int, rowsRoomAbove);
        QFETCH(int, expectedRows);
        QFETCH(bool, expectedAbove);
        QFETCH(bool, expectedFallback);

        Fixture fixture(entries);
        SvgDropDownPanel* panel = fixture.dropDown->panel();
        const qreal itemHeight = entries > 0 ? panel->itemHeight() : 22.0;
        QVERIFY(itemHeight > 0);
        const auto room = [itemHeight](int rows) { return rows * itemHeight + 2 * SvgDropDownPanel::ITEM_PADDING + 0.25; };
        const qreal top = room(rowsRoomAbove);
        fixture.owner.setPos(0, top);
        fixture.scene.setSceneRect(0, 0, 400, top + BAR_HEIGHT + room(rowsRoomBelow));

        fixture.dropDown->setExpanded(true);
        QVERIFY(panel->isVisible());
        const QRectF bounds = panel->scaledBounds();
        const qreal height = expectedFallback ? SvgDropDown::FALLBACK_PANEL_HEIGHT
                                              : expectedRows * itemHeight + 2 * SvgDropDownPanel::ITEM_PADDING;
        QCOMPARE(bounds.height(), height);
        QCOMPARE(bounds.width(), BAR_WIDTH);
        QCOMPARE(bounds.y(), expectedAbove ? -height : BAR_HEIGHT);
    }

    // With one view the screen under the drop-down decides.
    void panelOpensAboveNearTheScreensBottom()
    {
        Fixture fixture(12);
        QGraphicsView view(&fixture.scene);
        view.setGeometry(0, 0, 400, 400);
        fixture.owner.setPos(0, 300);
        const int barBottom = fixture.dropDown->mapSceneToGlobal(fixture.dropDown->mapToScene(0, BAR_HEIGHT)).y();
        QList<QPoint> asked;
        fixture.dropDown->setScreenGeometryLookup([&asked, barBottom](const QPoint& global) {
            asked << global;
            return QRect(-5000, barBottom - 1000, 10000, 1000 + 40);
        });

        fixture.dropDown->setExpanded(true);
        QCOMPARE(asked.size(), 1);
        const QRectF bounds = fixture.dropDown->panel()->scaledBounds();
        QVERIFY(bounds.bottom() <= 0.0);
        QCOMPARE(bounds.height(), 10 * fixture.dropDown->panel()->itemHeight() + 4.0);
    }

    void expandAndCollapseButtons()
    {
        Fixture fixture(3);
        QVERIFY(fixture.dropDown->expandButton()->isVisible());
        QVERIFY(!fixture.dropDown->collapseButton()->isVisible());
        click(fixture.dropDown, fixture.dropDown->expandButton()->mapToScene(
                                    fixture.dropDown->expandButton()->boundingRect().center()));
        QVERIFY(fixture.dropDown->isExpanded());
        QVERIFY(fixture.dropDown->collapseButton()->isVisible());
        QCOMPARE(fixture.owner.zValue(), 1.0);

        click(fixture.dropDown, fixture.dropDown->collapseButton()->mapToScene(
                                    fixture.dropDown->collapseButton()->boundingRect().center()));
        QVERIFY(!fixture.dropDown->isExpanded());
        QVERIFY(!fixture.dropDown->panel()->isVisible());
        QVERIFY(!fixture.dropDown->panel()->scene());
        QCOMPARE(fixture.owner.zValue(), 0.0);
    }

    void pressOutsideClosesAndIsNotDelivered()
    {
        Fixture fixture(3);
        auto* recorder = new PressRecorder(300, 300, 50, 50);
        fixture.scene.addItem(recorder);
        fixture.dropDown->setExpanded(true);

        auto outside = mouseEvent(QEvent::GraphicsSceneMousePress, QPointF(320, 320));
        QCoreApplication::sendEvent(&fixture.scene, outside.get());
        QVERIFY(!fixture.dropDown->isExpanded());
        QCOMPARE(recorder->presses, 0);

        QCoreApplication::sendEvent(&fixture.scene, mouseEvent(QEvent::GraphicsSceneMousePress, QPointF(320, 320)).get());
        QCOMPARE(recorder->presses, 1);
    }

    void pressInsideOrOnCollapsePasses_data()
    {
        QTest::addColumn<bool>("onCollapse");
        QTest::newRow("inside the panel") << false;
        QTest::newRow("on the collapse button") << true;
    }

    void pressInsideOrOnCollapsePasses()
    {
        QFETCH(bool, onCollapse);
        Fixture fixture(3);
        fixture.dropDown->setExpanded(true);
        SvgButton* collapse = fixture.dropDown->collapseButton();
        const QPointF scenePos = onCollapse ? collapse->mapToScene(collapse->boundingRect().center())
                                            : fixture.itemScenePos(1, 20);
        auto* recorder = new PressRecorder(scenePos.x() - 1, scenePos.y() - 1, 2, 2);
        recorder->setZValue(100);
        fixture.scene.addItem(recorder);

        QCoreApplication::sendEvent(&fixture.scene, mouseEvent(QEvent::GraphicsSceneMousePress, scenePos).get());
        QVERIFY(fixture.dropDown->isExpanded());
        QCOMPARE(recorder->presses, 1);
    }

    void sameItemsKeepTheEntriesAndTheEdit()
    {
        Fixture fixture(3);
        fixture.dropDown->setExpanded(true);
        const QList<SvgDropDownItem*> before = fixture.dropDown->panel()->items();
        before.at(1)->textLabel()->onStartEditing();

        fixture.dropDown->setItemsModels(fixture.modelPointers());
        QCOMPARE(fixture.dropDown->panel()->items(), before);
        QVERIFY(before.at(1)->textLabel()->isInEditState());

        DropDownItemModel other(7, QStringLiteral("Other"));
        fixture.dropDown->setItemsModels({&other});
        QCOMPARE(fixture.dropDown->panel()->items().size(), 1);
    }

    void editReportsTheRenamedEntryOnce()
    {
        Fixture fixture(3);
        fixture.dropDown->setExpanded(true);
        QSignalSpy changed(fixture.dropDown, &SvgDropDown::itemTextChanged);
        QSignalSpy editMode(fixture.dropDown, &SvgDropDown::isInEditModeChanged);
        TextLabel* text = fixture.item(2)->textLabel();

        text->onStartEditing();
        QVERIFY(fixture.item(2)->editBackground()->isVisible());
        QCOMPARE(fixture.item(2)->iconButton()->iconElement(), Corvane::Gadgets::Models::NavigationIcon::ACTIVE_ELEMENT_ID);
        text->editor()->setText(QStringLiteral("Kitchen radio"));
        text->onEditingFinished();

        QCOMPARE(changed.size(), 1);
        QCOMPARE(changed.at(0).at(0).toInt(), 2);
        QCOMPARE(changed.at(0).at(1).value<const DropDownItemModel*>(), fixture.models[2].get());
        QCOMPARE(changed.at(0).at(2).toString(), QStringLiteral("Kitchen radio"));
        QCOMPARE(fixture.models[2]->text(), QStringLiteral("Kitchen radio"));
        QVERIFY(!fixture.item(2)->editBackground()->isVisible());
        QCOMPARE(fixture.item(2)->iconButton()->iconElement(), Corvane::Gadgets::Models::NavigationIcon::NORMAL_ELEMENT_ID);
        QCOMPARE(editMode.size(), 2);

        text->onStartEditing();
        text->onEditingFinished();
        QCOMPARE(changed.size(), 1);
    }

    void closingEndsTheEdit()
    {
        Fixture fixture(2);
        fixture.dropDown->setExpanded(true);
        TextLabel* text = fixture.item(0)->textLabel();
        text->onStartEditing();
        text->editor()->setText(QStringLiteral("Garden"));
        fixture.dropDown->setExpanded(false);
        QVERIFY(!text->isInEditState());
        QCOMPARE(fixture.models[0]->text(), QStringLiteral("Garden"));
    }

    void iconClickReportsTheEntry()
    {
        Fixture fixture(3);
        fixture.dropDown->setExpanded(true);
        QSignalSpy iconClicks(fixture.dropDown, &SvgDropDown::itemIconClick);
        SvgContentButton* icon = fixture.item(1)->iconButton();
        const QPointF iconCentre = fixture.item(1)->mapToScene(icon->contentBounds().center());

        click(fixture.dropDown, iconCentre);
        QCOMPARE(iconClicks.size(), 1);
        QCOMPARE(iconClicks.at(0).at(0).toInt(), 1);
        QCOMPARE(iconClicks.at(0).at(1).value<const DropDownItemModel*>(), fixture.models[1].get());

        click(fixture.dropDown, fixture.itemScenePos(1, 10));
        QCOMPARE(iconClicks.size(), 1);
        QVERIFY(fixture.dropDown->isExpanded());
    }

    void iconTakesHitsOnItsPlaceholderOnly_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<bool>("favorite");
        QTest::addColumn<qreal>("scale");
        QTest::addColumn<IconSpot>("spot");
        QTest::addColumn<bool>("iconHit");

        const QList<std::pair<const char*, IconSpot>> inside{{"icon centre", IconSpot::Centre},
                                                             {"inner top-left corner", IconSpot::InnerTopLeft},
                                                             {"inner bottom-right corner", IconSpot::InnerBottomRight}};
        const QList<std::pair<const char*, IconSpot>> outside{{"text beside the icon", IconSpot::TextBesideIcon},
                                                              {"just left of the icon", IconSpot::JustLeft},
                                                              {"just right of the icon", IconSpot::JustRight},
                                                              {"just above the icon", IconSpot::JustAbove},
                                                              {"just below the icon", IconSpot::JustBelow},
                                                              {"border to the next entry", IconSpot::EntryBorderBelow}};
        for (const char* folder : {":/CorvaneTheme", ":/TalveraTheme"}) {
            for (const bool favorite : {false, true}) {
                for (const qreal scale : {1.0, 2.0}) {
                    const auto addRows = [&](const QList<std::pair<const char*, IconSpot>>& spots, bool hit) {
                        for (const auto& [name, spot] : spots) {
                            QTest::addRow("%s%s, scale %.0f, %s", folder + 2, favorite ? " favorite" : "", scale, name)
                                << folder << favorite << scale << spot << hit;
                        }
                    };
                    addRows(inside, true);
                    addRows(outside, false);
                }
            }
        }
    }

    // The icon is drawn into the drawing's button placeholder, and only
    // there a press takes the icon button; around it the press belongs to
    // the entry's text or to nothing, in this entry and in its neighbours.
    void iconTakesHitsOnItsPlaceholderOnly()
    {
        QFETCH(QString, folder);
        QFETCH(bool, favorite);
        QFETCH(qreal, scale);
        QFETCH(IconSpot, spot);
        QFETCH(bool, iconHit);
        useTheme(folder);
        Fixture fixture(3, favorite ? ThemeProvider::DROPDOWN_FAVORITE : ThemeProvider::DROPDOWN,
                        favorite ? ThemeProvider::DROPDOWN_ON_FAVORITE : ThemeProvider::DROPDOWN_ON);
        fixture.owner.setScale(scale);
        fixture.dropDown->setExpanded(true);
        fixture.owner.setCustomScale(scale);
        SvgDropDownItem* entry = fixture.item(1);
        QCOMPARE(entry->iconButton()->customScale(), scale);

        SvgContentButton* icon = entry->iconButton();
        const QRectF placeholder = icon->mapRectToItem(entry, icon->contentBounds());
        QCOMPARE(placeholder.size(), entry->boundsOnElement(SvgDropDownItem::BUTTON_PLACEHOLDER_ID).size());
        const QPointF scenePos = entry->mapToScene(spotInEntry(spot, placeholder, entry->boundingRect().height()));

        Gestures::EventConsumer consumer;
        fixture.dropDown->handleMousePress(mouseEvent(QEvent::GraphicsSceneMousePress, scenePos).get(), consumer);
        QList<int> pressedIcons;
        for (int i = 0; i < 3; ++i) {
            if (fixture.item(i)->iconButton()->state() == SvgButton::Pressed)
                pressedIcons << i;
        }
        QCOMPARE(pressedIcons, iconHit ? QList<int>{1} : QList<int>{});

        QSignalSpy iconClicks(fixture.dropDown, &SvgDropDown::itemIconClick);
        click(fixture.dropDown, scenePos);
        QCOMPARE(iconClicks.size(), iconHit ? 1 : 0);
        if (iconHit)
            QCOMPARE(iconClicks.at(0).at(0).toInt(), 1);
        QVERIFY(fixture.dropDown->isExpanded());

        // Neither the edit's icon nor a theme refresh widens the hit area.
        entry->textLabel()->onStartEditing();
        QCOMPARE(icon->iconElement(), Corvane::Gadgets::Models::NavigationIcon::ACTIVE_ELEMENT_ID);
        QCOMPARE(icon->hitTest(scenePos), iconHit);
        entry->endEdit();
        fixture.owner.updateCachedData();
        QCOMPARE(icon->hitTest(scenePos), iconHit);
    }

    void modelTextChangeShowsInTheEntry()
    {
        Fixture fixture(2);
        fixture.models[1]->setText(QStringLiteral("Bathroom"));
        QCOMPARE(fixture.item(1)->textLabel()->text(), QStringLiteral("Bathroom"));
    }

    // Entries only watch the caller's models: a destroyed model leaves an
    // entry that draws nothing, takes no room and reports nothing.
    void destroyedModelLeavesAnInertEntry()
    {
        Fixture fixture(3);
        fixture.dropDown->setExpanded(true);
        SvgDropDownItem* dying = fixture.item(1);
        const QPointF dyingIcon = dying->mapToScene(dying->iconButton()->contentBounds().center());
        dying->textLabel()->onStartEditing();
        QSignalSpy iconClicks(fixture.dropDown, &SvgDropDown::itemIconClick);
        QSignalSpy changed(fixture.dropDown, &SvgDropDown::itemTextChanged);

        fixture.models[1].reset();
        QVERIFY(!dying->hasModel());
        QVERIFY(!dying->isVisible());
        QVERIFY(!dying->textLabel()->isInEditState());
        QCOMPARE(fixture.dropDown->panel()->liveItemCount(), 2);
        QCOMPARE(fixture.item(2)->scaledBounds().y(), fixture.item(0)->scaledBounds().bottom());

        dying->textLabel()->editor()->setText(QStringLiteral("Ghost"));
        dying->textLabel()->onEditingFinished();
        dying->onElementClick(dying->iconButton());
        click(dying, dyingIcon);
        QCOMPARE(changed.size(), 0);
        QCOMPARE(iconClicks.size(), 0);

        // The same list again rebuilds the entries for the living models.
        QList<DropDownItemModel*> living{fixture.models[0].get(), fixture.models[2].get()};
        fixture.dropDown->setItemsModels(living);
        fixture.dropDown->setItemsModels(living);
        QCOMPARE(fixture.dropDown->panel()->items().size(), 2);
        QVERIFY(!fixture.dropDown->panel()->hasDeadItems());
    }

    void hiddenListCloses_data()
    {
        QTest::addColumn<bool>("ownerHidden");
        QTest::newRow("the drop-down hidden") << false;
        QTest::newRow("its owner hidden") << true;
    }

    // An open list hidden with its drop-down closes: shown again, it takes
    // no press away from the scene.
    void hiddenListCloses()
    {
        QFETCH(bool, ownerHidden);
        Fixture fixture(3);
        auto* recorder = new PressRecorder(300, 300, 50, 50);
        fixture.scene.addItem(recorder);
        fixture.dropDown->setExpanded(true);
        QGraphicsItem* hidden = ownerHidden ? static_cast<QGraphicsItem*>(&fixture.owner) : fixture.dropDown;
        hidden->hide();
        QVERIFY(!fixture.dropDown->isExpanded());
        QCOMPARE(fixture.owner.zValue(), 0.0);
        hidden->show();
        QVERIFY(!fixture.dropDown->isExpanded());
        QCoreApplication::sendEvent(&fixture.scene, mouseEvent(QEvent::GraphicsSceneMousePress, QPointF(320, 320)).get());
        QCOMPARE(recorder->presses, 1);
    }

    void closingAfterLeavingTheSceneUndoesTheRaise()
    {
        Fixture fixture(2);
        fixture.dropDown->setExpanded(true);
        QCOMPARE(fixture.owner.zValue(), 1.0);
        fixture.scene.removeItem(&fixture.owner);
        fixture.dropDown->setExpanded(false);
        QCOMPARE(fixture.owner.zValue(), 0.0);
        // The old scene no longer feeds the drop-down.
        auto* recorder = new PressRecorder(300, 300, 50, 50);
        fixture.scene.addItem(recorder);
        QCoreApplication::sendEvent(&fixture.scene, mouseEvent(QEvent::GraphicsSceneMousePress, QPointF(320, 320)).get());
        QCOMPARE(recorder->presses, 1);
    }

    void destroyingAnOpenDropDownReportsNothing()
    {
        auto fixture = std::make_unique<Fixture>(2);
        fixture->dropDown->setExpanded(true);
        TextLabel* text = fixture->item(0)->textLabel();
        text->onStartEditing();
        text->editor()->setText(QStringLiteral("Garden"));
        QSignalSpy changed(fixture->dropDown, &SvgDropDown::itemTextChanged);
        delete fixture->dropDown;
        QCOMPARE(changed.size(), 0);
        QCOMPARE(fixture->models[0]->text(), QStringLiteral("Source 1"));
        QCoreApplication::sendEvent(&fixture->scene,
                                    mouseEvent(QEvent::GraphicsSceneMousePress, QPointF(320, 320)).get());
    }

    void themeValues_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("firstStop");
        QTest::newRow("Corvane") << ":/CorvaneTheme" << "#ffd6d6d6";
        QTest::newRow("Talvera") << ":/TalveraTheme" << "#fffbfafd";
    }

    void themeValues()
    {
        QFETCH(QString, folder);
        QFETCH(QString, firstStop);
        useTheme(folder);
        Fixture fixture(2);
        const QGradientStops stops = fixture.dropDown->panel()->backgroundStops();
        QVERIFY(!stops.isEmpty());
        QCOMPARE(stops.first().second.name(QColor::HexArgb), firstStop);
        QCOMPARE(fixture.item(0)->controlId(), QStringLiteral("label_navigation_drop_down_item"));
        QCOMPARE(fixture.item(0)->textLabel()->fontColor(),
                 ThemeProvider::getColor(QStringLiteral("label_navigation_drop_down_item_font_color"), Qt::red));
        QCOMPARE(fixture.dropDown->textLabel()->fontColor(),
                 ThemeProvider::getColor(QStringLiteral("label_navigation_drop_down_font_color"), Qt::red));
        // The bar stretches: the button keeps its distance from the right edge.
        fixture.dropDown->setBounds(QRectF(0, 0, BAR_WIDTH + 40, BAR_HEIGHT));
        const QRectF placeholder = fixture.dropDown->boundsOnElement(SvgDropDown::BUTTON_PLACEHOLDER_ID);
        QCOMPARE(fixture.dropDown->expandButton()->scaledBounds().x(), placeholder.x() + 40);
        QCOMPARE(fixture.dropDown->textLabel()->textBounds().width(),
                 fixture.dropDown->boundsOnElement(SvgDropDown::TEXT_PLACEHOLDER_ID).width() + 40);
    }
};

QTEST_MAIN(tst_SvgDropDown)
#include "tst_svgdropdown.moc"
