#include "dropdown/SvgDropDownItem.h"

#include "controls/IconRenderer.h"
#include "controls/SvgContentButton.h"
#include "controls/SvgElement.h"
#include "dropdown/SvgDropDownPanel.h"
#include "models/DropDownItemModel.h"
#include "models/NavigationIcon.h"
#include "text/TextLabel.h"
#include "theme/ThemeProvider.h"

#include <QGraphicsSceneMouseEvent>

namespace Corvane::Gadgets {

const QString SvgDropDownItem::MASK_ID = QStringLiteral("item_mask");
const QString SvgDropDownItem::BACKGROUND_EDIT_ID = QStringLiteral("item_background_edit");
const QString SvgDropDownItem::TEXT_PLACEHOLDER_ID = QStringLiteral("item_text_placeholder");
const QString SvgDropDownItem::BUTTON_PLACEHOLDER_ID = QStringLiteral("item_button_placeholder");

namespace {

const QString EDIT_COLOR_SUFFIX = QStringLiteral("_edit_color");
const QString EDIT_SELECTION_COLOR_SUFFIX = QStringLiteral("_edit_selection_color");
const QString EDIT_SELECTION_BACKGROUND_COLOR_SUFFIX = QStringLiteral("_edit_selection_background_color");

QGradientStops plainStops(const QColor& colour)
{
    return {{0.0, colour}, {1.0, colour}};
}

} // namespace

SvgDropDownItem::SvgDropDownItem(Models::DropDownItemModel* model, Utilities::RendererContainer* renderer,
                                 Utilities::RendererContainer* buttonRenderer, SvgControlObject* parent,
                                 SvgDropDownPanel* panel)
    : SvgControlObject(renderer, parent)
    , m_panel(panel)
    , m_model(model)
{
    m_editBackground = initElement(BACKGROUND_EDIT_ID);
    m_editBackground->setStretch(true);
    m_editBackground->hide();

    m_text = new TextLabel(QString(), this);
    addToChildren(m_text);
    m_text->setIsEditable(true);
    m_text->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    m_iconButton = new SvgContentButton(renderer, QString(), this);
    addToChildren(m_iconButton);
    m_iconButton->setIconRenderer(Utilities::IconRenderer(buttonRenderer, {}));
    m_iconButton->setIconElement(Models::NavigationIcon::NORMAL_ELEMENT_ID);

    setBounds(boundsOnElement(MASK_ID));

    connect(m_text, &TextLabel::textChanged, this, &SvgDropDownItem::onTextChanged);
    connect(m_text, &TextLabel::editStarted, this, &SvgDropDownItem::onEditStarted);
    connect(m_text, &TextLabel::editEnded, this, &SvgDropDownItem::onEditEnded);
    connect(m_text, &TextLabel::textIsScrolling, this, &SvgDropDownItem::textIsScrolling);
    connect(m_text, &TextLabel::isInEditModeChanged, this, &SvgDropDownItem::isInEditModeChanged);

    if (!m_model) {
        onModelDestroyed();
        return;
    }
    m_text->setText(m_model->text());
    connect(m_model, &Models::DropDownItemModel::textChanged, m_text, &TextLabel::setText);
    connect(m_model, &QObject::destroyed, this, &SvgDropDownItem::onModelDestroyed);
}

SvgDropDownItem::~SvgDropDownItem() = default;

void SvgDropDownItem::endEdit()
{
    m_text->onEditingFinished();
}

void SvgDropDownItem::setIconElement(const QString& elementId)
{
    m_iconButton->setIconElement(elementId);
    fitIconHitAreaToPlaceholder();
}

void SvgDropDownItem::fitIconHitAreaToPlaceholder()
{
    // Without a mask element the button would take hits on the icon
    // drawing's own size plus a margin, centred on the placeholder. The icon
    // is drawn fitted into the placeholder, and a large icon drawing would
    // reach over the entry's text and the neighbouring entries. A mask
    // element still wins: the button ignores this rectangle then.
    m_iconButton->setMaskBounds(m_iconButton->contentBounds());
}

void SvgDropDownItem::setBounds(const QRectF& rect)
{
    SvgControlObject::setBounds(rect);
    // Children are laid out in the entry's own coordinates: the drawing's
    // entry rectangle moved to the origin and widened to the entry's width.
    const QRectF mask = boundsOnElement(MASK_ID);
    const qreal extraWidth = rect.width() - mask.width();
    const QPointF toOrigin = -mask.topLeft();

    m_editBackground->setBounds(boundsOnElement(BACKGROUND_EDIT_ID).translated(toOrigin).adjusted(0, 0, extraWidth, 0));
    m_text->setTextBounds(boundsOnElement(TEXT_PLACEHOLDER_ID).translated(toOrigin).adjusted(0, 0, extraWidth, 0));
    m_iconButton->setContentBounds(boundsOnElement(BUTTON_PLACEHOLDER_ID).translated(toOrigin + QPointF(extraWidth, 0)));
    fitIconHitAreaToPlaceholder();
}

void SvgDropDownItem::updateCachedData()
{
    SvgControlObject::updateCachedData();
    setBounds(scaledBounds());
}

void SvgDropDownItem::onTextChanged(const QString& text)
{
    // The text label reports every commit; only a real rename of a living
    // entry is passed on, once.
    if (!m_model || text == m_model->text())
        return;
    m_model->setText(text);
    if (m_panel)
        m_panel->onItemTextChanged(this, text);
}

void SvgDropDownItem::onEditStarted()
{
    m_editBackground->show();
    setIconElement(Models::NavigationIcon::ACTIVE_ELEMENT_ID);
}

void SvgDropDownItem::onEditEnded()
{
    m_editBackground->hide();
    setIconElement(Models::NavigationIcon::NORMAL_ELEMENT_ID);
}

void SvgDropDownItem::onModelDestroyed()
{
    m_text->onEditingCanceled();
    hide();
    if (m_panel)
        m_panel->onItemModelDestroyed();
}

void SvgDropDownItem::onElementClick(SvgElement* element)
{
    if (element == m_iconButton && m_model && m_panel)
        m_panel->onItemIconClick(this);
    SvgControlObject::onElementClick(element);
}

bool SvgDropDownItem::containsScenePos(const QPointF& scenePos) const
{
    return boundingRect().contains(mapFromScene(scenePos));
}

void SvgDropDownItem::mouseClickEvent(QGraphicsSceneMouseEvent* event)
{
    // A click belongs to the row it lands in only, whatever a child's hit
    // area (a skin's icon mask) may cover.
    if (!m_model || !containsScenePos(event->scenePos())) {
        event->ignore();
        return;
    }
    SvgControlObject::mouseClickEvent(event);
}

void SvgDropDownItem::mouseDoubleClickEvent(QGraphicsSceneMouseEvent* event)
{
    if (!m_model) {
        event->ignore();
        return;
    }
    SvgControlObject::mouseDoubleClickEvent(event);
}

void SvgDropDownItem::setControlId(const QString& id)
{
    SvgControlObject::setControlId(id);
    m_text->setControlId(id);
}

void SvgDropDownItem::readThemeSettings(bool)
{
    if (controlId().isEmpty())
        return;
    m_text->setEditFontColor(ThemeProvider::getColor(controlId() + EDIT_COLOR_SUFFIX, Qt::black));
    m_text->setEditHighlightedTextGradientStops(
        plainStops(ThemeProvider::getColor(controlId() + EDIT_SELECTION_COLOR_SUFFIX, Qt::white)));
    m_text->setEditHighlightGradientStops(
        plainStops(ThemeProvider::getColor(controlId() + EDIT_SELECTION_BACKGROUND_COLOR_SUFFIX, Qt::black)));
}

} // namespace Corvane::Gadgets
