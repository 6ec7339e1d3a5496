#include "dropdown/SvgDropDown.h"

#include "controls/SvgButton.h"
#include "controls/SvgElement.h"
#include "dropdown/SvgDropDownItem.h"
#include "dropdown/SvgDropDownPanel.h"
#include "text/TextLabel.h"

#include <QGraphicsScene>
#include <QGraphicsSceneMouseEvent>
#include <QGraphicsView>
#include <QGuiApplication>
#include <QScreen>

namespace Corvane::Gadgets {

const QString SvgDropDown::BACKGROUND_LEFT_ID = QStringLiteral("background_left");
const QString SvgDropDown::BACKGROUND_MIDDLE_ID = QStringLiteral("background_middle");
const QString SvgDropDown::BACKGROUND_RIGHT_ID = QStringLiteral("background_right");
const QString SvgDropDown::EXPAND_ID = QStringLiteral("expand");
const QString SvgDropDown::COLLAPSE_ID = QStringLiteral("collapse");
const QString SvgDropDown::TEXT_PLACEHOLDER_ID = QStringLiteral("text_placeholder");
const QString SvgDropDown::BUTTON_PLACEHOLDER_ID = QStringLiteral("button_placeholder");
const int SvgDropDown::MAX_VISIBLE_ROWS = 10;
const int SvgDropDown::MIN_VISIBLE_ROWS = 5;
const qreal SvgDropDown::FALLBACK_PANEL_HEIGHT = 50.0;

namespace {

QRect desktopScreenGeometry(const QPoint& globalPoint)
{
    QScreen* screen = QGuiApplication::screenAt(globalPoint);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect();
}

QGraphicsView* onlyView(const QGraphicsScene* scene)
{
    if (!scene || scene->views().size() != 1)
        return nullptr;
    return scene->views().constFirst();
}

} // namespace

SvgDropDown::SvgDropDown(Utilities::RendererContainer* renderer, Utilities::RendererContainer* buttonRenderer,
                         SvgControlObject* parent)
    : SvgControlObject(renderer, parent)
    , m_buttonRenderer(buttonRenderer)
{
    m_left = initElement(BACKGROUND_LEFT_ID);
    m_middle = initElement(BACKGROUND_MIDDLE_ID);
    m_middle->setStretch(true);
    m_right = initElement(BACKGROUND_RIGHT_ID);

    const QRectF buttonBounds = boundsOnElement(BUTTON_PLACEHOLDER_ID);
    m_expand = initButton(EXPAND_ID);
    m_expand->setButtonBounds(buttonBounds);
    m_collapse = initButton(COLLAPSE_ID);
    m_collapse->setButtonBounds(buttonBounds);

    m_text = new TextLabel(QString(), this);
    addToChildren(m_text);
    m_text->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_text->setTextBounds(boundsOnElement(TEXT_PLACEHOLDER_ID));

    m_panel = new SvgDropDownPanel(this);

    connect(m_text, &TextLabel::textIsScrolling, this, &SvgDropDown::textIsScrolling);
    connect(m_panel, &SvgDropDownPanel::textScrolling, this, &SvgDropDown::textIsScrolling);
    connect(m_panel, &SvgDropDownPanel::isInEditModeChanged, this, &SvgDropDown::isInEditModeChanged);

    setExpanded(false);
}

// Entries are dropped without committing an edit: the owner may be going
// away as well and must not hear from the drop-down any more.
SvgDropDown::~SvgDropDown()
{
    if (m_filteredScene)
        m_filteredScene->removeEventFilter(this);
    if (isExpanded())
        removeFromChildren(m_panel);
    delete m_panel;
}

void SvgDropDown::setModel(const Models::DropDownModel& model)
{
    setItemsModels(model.itemsModels());
    setText(model.text());
}

void SvgDropDown::setText(const QString& text)
{
    if (text == m_model.text())
        return;
    m_model.setText(text);
    m_text->setText(text);
}

void SvgDropDown::setItemsModels(const QList<Models::DropDownItemModel*>& itemsModels)
{
    // A list naming the same entries keeps the entries (and an edit in
    // progress) unless one of them has lost its model meanwhile.
    if (itemsModels == m_model.itemsModels() && !m_panel->hasDeadItems())
        return;
    m_model.setItemsModels(itemsModels);
    m_panel->setItems(itemsModels);
    if (isExpanded())
        updateDropDownPanelBounds();
}

void SvgDropDown::setItemIconElement(int itemId, const QString& elementId)
{
    m_panel->setItemIconElement(itemId, elementId);
}

bool SvgDropDown::isExpanded() const
{
    return m_panel->parentItem() == this;
}

void SvgDropDown::setExpanded(bool expanded)
{
    m_expand->setVisible(!expanded);
    m_collapse->setVisible(expanded);
    if (expanded)
        openPanel();
    else
        closePanel();
}

void SvgDropDown::openPanel()
{
    if (!isExpanded()) {
        addToChildren(m_panel);
        m_panel->setFlag(ItemStacksBehindParent, false);
        // An open drop-down draws above its owner, whose own painting (a
        // label's text) would otherwise cover a panel opened over it.
        m_stackedBehindWhenClosed = flags() & ItemStacksBehindParent;
        setFlag(ItemStacksBehindParent, false);
    }
    updateDropDownPanelBounds();
    m_panel->parentOffsetChanged();
    m_panel->updateItemsBounds();
    m_panel->moveToBegining();
    if (parentItem() && !m_raised) {
        parentItem()->setZValue(parentItem()->zValue() + 1.0);
        m_raised = true;
    }
    m_panel->show();
    if (scene() && m_filteredScene != scene()) {
        if (m_filteredScene)
            m_filteredScene->removeEventFilter(this);
        scene()->installEventFilter(this);
        m_filteredScene = scene();
    }
}

void SvgDropDown::closePanel()
{
    if (m_filteredScene) {
        m_filteredScene->removeEventFilter(this);
        m_filteredScene = nullptr;
    }
    m_panel->endEdit();
    if (m_raised) {
        if (parentItem())
            parentItem()->setZValue(parentItem()->zValue() - 1.0);
        m_raised = false;
    }
    m_panel->hide();
    if (!isExpanded())
        return;
    removeFromChildren(m_panel);
    if (m_panel->scene())
        m_panel->scene()->removeItem(m_panel);
    setFlag(ItemStacksBehindParent, m_stackedBehindWhenClosed);
}

void SvgDropDown::setScreenGeometryLookup(ScreenGeometryLookup lookup)
{
    m_screenLookup = std::move(lookup);
}

QRectF SvgDropDown::currentScreenGeometry() const
{
    QGraphicsView* view = onlyView(scene());
    if (!view)
        return scene() ? scene()->sceneRect() : QRectF();
    const QPointF centre = mapToScene(boundingRect().center());
    const QPoint global = view->mapToGlobal(view->mapFromScene(QPointF(qRound(centre.x()), qRound(centre.y()))));
    return QRectF(m_screenLookup ? m_screenLookup(global) : desktopScreenGeometry(global));
}

QPoint SvgDropDown::mapSceneToGlobal(const QPointF& scenePos) const
{
    QGraphicsView* view = onlyView(scene());
    if (!view)
        return scenePos.toPoint();
    return view->mapToGlobal(view->mapFromScene(scenePos));
}

qreal SvgDropDown::panelHeight(int rows) const
{
    return m_panel->itemHeight() * rows + 2 * SvgDropDownPanel::ITEM_PADDING;
}

bool SvgDropDown::placePanel(int rows, const QRectF& screen, PanelSide side)
{
    const QRectF left = m_left->scaledBounds();
    const qreal height = panelHeight(rows);
    const qreal top = side == PanelSide::Below ? left.bottom() : left.y() - height;
    const qreal farEdge = side == PanelSide::Below ? top + height : top;
    const int end = mapSceneToGlobal(mapToScene(QPointF(left.x(), farEdge))).y();
    if (side == PanelSide::Below ? end > screen.y() + screen.height() : end < screen.y())
        return false;
    m_panel->setBounds(QRectF(0.0, top, boundingRect().width(), height));
    return true;
}

// Tries rows, then one row fewer at a time down to MIN_VISIBLE_ROWS.
bool SvgDropDown::placePanelShrinking(int rows, const QRectF& screen, PanelSide side)
{
    for (int n = rows;; --n) {
        if (placePanel(n, screen, side))
            return true;
        if (n <= MIN_VISIBLE_ROWS)
            return false;
    }
}

void SvgDropDown::updateDropDownPanelBounds()
{
    if (scene()) {
        const QRectF screen = currentScreenGeometry();
        const int rows = std::min(m_panel->liveItemCount(), MAX_VISIBLE_ROWS);
        if (placePanelShrinking(rows, screen, PanelSide::Below) || placePanelShrinking(rows, screen, PanelSide::Above))
            return;
    }
    m_panel->setBounds(QRectF(0.0, m_left->scaledBounds().bottom(), boundingRect().width(), FALLBACK_PANEL_HEIGHT));
}

void SvgDropDown::updateElementsBounds()
{
    const qreal width = boundingRect().width();
    const QRectF left = boundsOnElement(BACKGROUND_LEFT_ID);
    const QRectF right = boundsOnElement(BACKGROUND_RIGHT_ID);
    const QRectF middle = boundsOnElement(BACKGROUND_MIDDLE_ID);
    m_left->setBounds(QRectF(0.0, 0.0, left.width(), left.height()));
    m_right->setBounds(QRectF(width - right.width(), 0.0, right.width(), right.height()));
    m_middle->setBounds(QRectF(left.width(), 0.0, width - left.width() - right.width(), middle.height()));

    const qreal extraWidth = width - right.right();
    m_text->setTextBounds(boundsOnElement(TEXT_PLACEHOLDER_ID).adjusted(0, 0, extraWidth, 0));
    const QRectF button = boundsOnElement(BUTTON_PLACEHOLDER_ID).translated(extraWidth, 0);
    const QSizeF buttonSize = m_expand->totalBounds().size();
    for (SvgButton* each : {m_expand, m_collapse})
        each->setButtonBounds(QRectF(button.topLeft(), buttonSize));
}

void SvgDropDown::onItemIconClick(int itemIndex, const Models::DropDownItemModel* model)
{
    emit itemIconClick(itemIndex, model);
}

void SvgDropDown::onItemTextChanged(int itemIndex, const Models::DropDownItemModel* model, const QString& text)
{
    emit itemTextChanged(itemIndex, model, text);
}

bool SvgDropDown::eventFilter(QObject* watched, QEvent* event)
{
    const bool press =
        event->type() == QEvent::GraphicsSceneMousePress || event->type() == QEvent::GraphicsSceneMouseDoubleClick;
    if (!press || watched != m_filteredScene || !m_panel->isVisible())
        return SvgControlObject::eventFilter(watched, event);
    const QPointF scenePos = static_cast<QGraphicsSceneMouseEvent*>(event)->scenePos();
    if (m_panel->boundingRect().contains(m_panel->mapFromScene(scenePos)) || m_collapse->hitTest(scenePos))
        return false;
    setExpanded(false);
    return true;
}

void SvgDropDown::setBounds(const QRectF& rect)
{
    SvgControlObject::setBounds(rect);
    updateElementsBounds();
}

void SvgDropDown::updateCachedData()
{
    SvgControlObject::updateCachedData();
    m_panel->updateCachedData();
    updateElementsBounds();
}

void SvgDropDown::activatedChanged(bool activated)
{
    SvgControlObject::activatedChanged(activated);
    if (!activated && m_panel->isVisible())
        setExpanded(false);
}

// A list hidden with its drop-down (a label that leaves its page, turns
// single-row or hides) closes: shown again, it would take the next press
// anywhere in the scene to close it.
QVariant SvgDropDown::itemChange(GraphicsItemChange change, const QVariant& value)
{
    if (change == ItemVisibleHasChanged && !value.toBool() && isExpanded())
        setExpanded(false);
    return SvgControlObject::itemChange(change, value);
}

void SvgDropDown::mouseDoubleClickEvent(QGraphicsSceneMouseEvent* event)
{
    SvgControlObject::mouseDoubleClickEvent(event);
    if (boundingRect().contains(mapFromScene(event->scenePos())))
        event->accept();
}

void SvgDropDown::onElementClick(SvgElement* element)
{
    if (element == m_expand)
        setExpanded(true);
    else if (element == m_collapse)
        setExpanded(false);
    SvgControlObject::onElementClick(element);
}

void SvgDropDown::setControlId(const QString& id)
{
    SvgControlObject::setControlId(id);
    m_text->setControlId(id);
    m_panel->setControlId(id);
}

void SvgDropDown::readThemeSettings(bool force)
{
    SvgControlObject::readThemeSettings(force);
    m_panel->updateCachedData();
}

} // namespace Corvane::Gadgets
