#include "controls/SvgContentBackButton.h"

namespace Corvane::Gadgets {

const QString SvgContentBackButton::BACKGROUND_ELEMENTS_SUFFIX = QStringLiteral("default");
const QString SvgContentBackButton::HOVER_ELEMENTS_SUFFIX = QStringLiteral("hover");

namespace {

bool isUsable(const QRectF& rect)
{
    return rect.width() > 0 && rect.height() > 0;
}

} // namespace

SvgContentBackButton::SvgContentBackButton(Utilities::RendererContainer* renderer, const QString& id,
                                           Utilities::RendererContainer* backgroundRenderer,
                                           const QString& backgroundId, SvgControlObject* parent)
    : SvgContentButton(renderer, id, parent)
    , m_defaultScaler(backgroundRenderer, suffixedElementId(backgroundId, BACKGROUND_ELEMENTS_SUFFIX))
    , m_hoverScaler(backgroundRenderer, suffixedElementId(backgroundId, HOVER_ELEMENTS_SUFFIX))
{
}

SvgContentBackButton::~SvgContentBackButton() = default;

void SvgContentBackButton::setContentPaddings(const QMargins& paddings)
{
    if (paddings == m_contentPaddings)
        return;
    m_contentPaddings = paddings;
    recalculate();
}

void SvgContentBackButton::setContentPadding(int padding)
{
    setContentPaddings(QMargins(padding, padding, padding, padding));
}

void SvgContentBackButton::setBackgroundUsesActualContentBounds(bool uses)
{
    if (uses == m_backgroundUsesActualContentBounds)
        return;
    m_backgroundUsesActualContentBounds = uses;
    recalculate();
}

QRectF SvgContentBackButton::contentBounds() const
{
    const QRectF base =
        m_backgroundUsesActualContentBounds ? actualTotalContentBounds(false) : SvgContentButton::contentBounds();
    return base.adjusted(-m_contentPaddings.left(), -m_contentPaddings.top(), m_contentPaddings.right(),
                         m_contentPaddings.bottom());
}

void SvgContentBackButton::recalculate(Utilities::BackgroundScaler& scaler, QPointF& position, QRectF& bounds)
{
    if (!scaler.isValid())
        return;
    const QRectF content = contentBounds();
    scaler.scaleCentralContentBoundsTo(content.size(), true);
    position = content.topLeft() - scaler.scaledCentralContentBounds().topLeft();
    bounds = scaler.totalScaledBounds().translated(position);
}

void SvgContentBackButton::recalculate()
{
    QPointF defaultPosition;
    QRectF defaultBounds;
    QPointF hoverPosition;
    QRectF hoverBounds;
    recalculate(m_defaultScaler, defaultPosition, defaultBounds);
    recalculate(m_hoverScaler, hoverPosition, hoverBounds);
    prepareGeometryChange();
    m_defaultPlatePosition = defaultPosition;
    m_defaultPlateBounds = defaultBounds;
    m_hoverPlatePosition = hoverPosition;
    m_hoverPlateBounds = hoverBounds;
    contentChanged();
    calculateAutomaticMask();
}

void SvgContentBackButton::readThemeSettings(bool force)
{
    SvgContentButton::readThemeSettings(force);
    m_defaultScaler.updateCachedData();
    m_hoverScaler.updateCachedData();
    recalculate();
}

QRectF SvgContentBackButton::backgroundHoverMaskBounds() const
{
    if (!isUsable(m_defaultPlateBounds))
        return isUsable(m_hoverPlateBounds) ? m_hoverPlateBounds : m_defaultPlateBounds;
    if (isUsable(m_hoverPlateBounds))
        return m_defaultPlateBounds.united(m_hoverPlateBounds);
    return m_defaultPlateBounds;
}

QRectF SvgContentBackButton::automaticMask() const
{
    const QRectF content = SvgContentButton::automaticMask();
    const QRectF plates = backgroundHoverMaskBounds();
    if (isUsable(content) && isUsable(plates))
        return content.united(plates);
    if (isUsable(plates))
        return plates;
    return content;
}

QRectF SvgContentBackButton::boundingRect() const
{
    QRectF rect = boundsWithPressedOffset(SvgContentButton::boundingRect().united(contentBounds()));
    if (isUsable(m_defaultPlateBounds))
        rect = rect.united(boundsWithPressedOffset(m_defaultPlateBounds));
    if (isUsable(m_hoverPlateBounds))
        rect = rect.united(boundsWithPressedOffset(m_hoverPlateBounds));
    return rect;
}

void SvgContentBackButton::paint(QPainter* painter, const Utilities::BackgroundScaler& scaler,
                                 const QPointF& position)
{
    beginSimulateContentPress(painter);
    scaler.paint(painter, position);
    endSimulateContentPress(painter);
}

void SvgContentBackButton::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget)
{
    if ((!isUsable(m_defaultPlateBounds) && m_defaultScaler.isValid())
        || (!isUsable(m_hoverPlateBounds) && m_hoverScaler.isValid()))
        recalculate();
    paint(painter, m_defaultScaler, m_defaultPlatePosition);
    if (state() == Hover && !hasIconGlow())
        paint(painter, m_hoverScaler, m_hoverPlatePosition);
    SvgContentButton::paint(painter, option, widget);
}

} // namespace Corvane::Gadgets
