#include "dropdown/SvgDropDownPanel.h"

#include "dropdown/SvgDropDown.h"
#include "dropdown/SvgDropDownItem.h"
#include "scroll/ScrollArea.h"
#include "scroll/Scroller.h"
#include "text/TextLabel.h"
#include "theme/ThemeProvider.h"

#include <QGraphicsSceneHoverEvent>
#include <QGraphicsSceneMouseEvent>
#include <QGraphicsSceneWheelEvent>
#include <QLinearGradient>
#include <QPainter>

namespace Corvane::Gadgets {

const QString SvgDropDownPanel::ITEM_SUFFIX = QStringLiteral("_item");
const QString SvgDropDownPanel::BACK_SUFFIX = QStringLiteral("_panel_back_color");
const double SvgDropDownPanel::ITEM_PADDING = 2.0;

namespace {

constexpr qreal CORNER_RADIUS = 3.0;
constexpr qreal SCROLLER_GAP = 5.0;

} // namespace

SvgDropDownPanel::SvgDropDownPanel(SvgDropDown* owner)
    : SvgControlObject(nullptr, nullptr)
    , m_owner(owner)
    , m_scrollArea(new ScrollArea(this))
{
    addToChildrensList(m_scrollArea);
}

SvgDropDownPanel::~SvgDropDownPanel()
{
    clearItems();
}

void SvgDropDownPanel::clearItems()
{
    for (SvgDropDownItem* item : std::as_const(m_items)) {
        item->disconnect(this);
        m_scrollArea->childrenContainer()->removeFromChildren(item);
        delete item;
    }
    m_items.clear();
}

void SvgDropDownPanel::setItems(const QList<Models::DropDownItemModel*>& itemsModels)
{
    clearItems();
    SvgControlObject* container = m_scrollArea->childrenContainer();
    for (Models::DropDownItemModel* model : itemsModels) {
        auto* item = new SvgDropDownItem(model, m_owner->rendererContainer(), m_owner->buttonRendererContainer(),
                                         container, this);
        container->addToChildrensList(item);
        item->setControlId(controlId() + ITEM_SUFFIX);
        m_items.append(item);
        connect(item, &SvgDropDownItem::textIsScrolling, this, &SvgDropDownPanel::textScrolling);
        connect(item, &SvgDropDownItem::isInEditModeChanged, this, &SvgDropDownPanel::isInEditModeChanged);
    }
    updateItemsBounds();
}

int SvgDropDownPanel::liveItemCount() const
{
    return int(std::count_if(m_items.cbegin(), m_items.cend(), [](const SvgDropDownItem* item) {
        return item->hasModel();
    }));
}

bool SvgDropDownPanel::hasDeadItems() const
{
    return liveItemCount() != m_items.size();
}

void SvgDropDownPanel::setItemIconElement(int itemId, const QString& elementId)
{
    for (SvgDropDownItem* item : std::as_const(m_items)) {
        if (item->hasModel() && item->model()->id() == itemId) {
            item->setIconElement(elementId);
            return;
        }
    }
}

double SvgDropDownPanel::itemHeight() const
{
    for (const SvgDropDownItem* item : m_items) {
        if (item->hasModel())
            return item->boundingRect().height();
    }
    return 0.0;
}

void SvgDropDownPanel::updateItemsBounds()
{
    const QRectF area = m_scrollArea->scaledBounds();
    const qreal rowsHeight = itemHeight() * liveItemCount();
    const qreal width = area.height() < rowsHeight
        ? area.width() - m_scrollArea->horizontalScroller()->barMaskRect().width() - SCROLLER_GAP
        : area.width();
    // The entries live in the scroll area's content, whose origin is the
    // viewport's top-left.
    qreal y = 0.0;
    for (SvgDropDownItem* item : std::as_const(m_items)) {
        if (!item->hasModel()) {
            item->setBounds(QRectF(0.0, y, 0.0, 0.0));
            continue;
        }
        const qreal height = item->boundingRect().height();
        item->setBounds(QRectF(0.0, y, width, height));
        y += height;
    }
    m_scrollArea->updateChildren();
}

void SvgDropDownPanel::moveToBegining()
{
    m_scrollArea->scrollToValues(0.0, 0.0);
}

void SvgDropDownPanel::endEdit()
{
    for (SvgDropDownItem* item : std::as_const(m_items)) {
        if (item->textLabel()->isInEditState())
            item->endEdit();
    }
}

void SvgDropDownPanel::onItemIconClick(SvgDropDownItem* item)
{
    m_owner->onItemIconClick(int(m_items.indexOf(item)), item->model());
}

void SvgDropDownPanel::onItemTextChanged(SvgDropDownItem* item, const QString& text)
{
    m_owner->onItemTextChanged(int(m_items.indexOf(item)), item->model(), text);
}

void SvgDropDownPanel::onItemModelDestroyed()
{
    updateItemsBounds();
}

void SvgDropDownPanel::setBounds(const QRectF& rect)
{
    SvgControlObject::setBounds(rect);
    m_scrollArea->setBounds(QRectF(ITEM_PADDING, ITEM_PADDING, rect.width() - 2 * ITEM_PADDING,
                                   rect.height() - 2 * ITEM_PADDING));
    updateItemsBounds();
}

void SvgDropDownPanel::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget)
{
    QLinearGradient gradient(0, 0, 0, 1);
    gradient.setCoordinateMode(QGradient::ObjectBoundingMode);
    gradient.setStops(m_backgroundStops);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(Qt::NoPen);
    painter->setBrush(gradient);
    painter->drawRoundedRect(boundingRect(), CORNER_RADIUS, CORNER_RADIUS);
    painter->restore();
    SvgControlObject::paint(painter, option, widget);
}

void SvgDropDownPanel::setControlId(const QString& id)
{
    SvgControlObject::setControlId(id);
    for (SvgDropDownItem* item : std::as_const(m_items))
        item->setControlId(id + ITEM_SUFFIX);
}

void SvgDropDownPanel::readThemeSettings(bool force)
{
    SvgControlObject::readThemeSettings(force);
    m_backgroundStops.clear();
    ThemeProvider::getGradientColorStops(controlId() + BACK_SUFFIX, m_backgroundStops);
    update();
}

bool SvgDropDownPanel::containsScenePos(const QPointF& scenePos) const
{
    return boundingRect().contains(mapFromScene(scenePos));
}

void SvgDropDownPanel::acceptWhileVisible(QEvent* event) const
{
    if (isVisible())
        event->accept();
}

void SvgDropDownPanel::hoverEnterEvent(QGraphicsSceneHoverEvent* event)
{
    SvgControlObject::hoverEnterEvent(event);
    acceptWhileVisible(event);
}

void SvgDropDownPanel::mouseClickEvent(QGraphicsSceneMouseEvent* event)
{
    SvgControlObject::mouseClickEvent(event);
    if (containsScenePos(event->scenePos()))
        event->accept();
}

void SvgDropDownPanel::mouseDoubleClickEvent(QGraphicsSceneMouseEvent* event)
{
    SvgControlObject::mouseDoubleClickEvent(event);
    if (containsScenePos(event->scenePos()))
        acceptWhileVisible(event);
}

void SvgDropDownPanel::mousePressAndHoldEvent(QGraphicsSceneMouseEvent* event)
{
    SvgControlObject::mousePressAndHoldEvent(event);
    acceptWhileVisible(event);
}

void SvgDropDownPanel::mousePressAndMoveEvent(const QPointF& pressScenePos, QGraphicsSceneMouseEvent* event,
                                              void* pressConsumer)
{
    SvgControlObject::mousePressAndMoveEvent(pressScenePos, event, pressConsumer);
    acceptWhileVisible(event);
}

void SvgDropDownPanel::swipeEvent(qreal angle, qreal speed, QPoint position, QGraphicsSceneMouseEvent* event)
{
    SvgControlObject::swipeEvent(angle, speed, position, event);
    acceptWhileVisible(event);
}

void SvgDropDownPanel::mouseWheelEvent(QGraphicsSceneWheelEvent* event)
{
    SvgControlObject::mouseWheelEvent(event);
    acceptWhileVisible(event);
}

void SvgDropDownPanel::mousePressEvent(QGraphicsSceneMouseEvent* event)
{
    SvgControlObject::mousePressEvent(event);
    if (containsScenePos(event->scenePos()))
        acceptWhileVisible(event);
}

} // namespace Corvane::Gadgets
