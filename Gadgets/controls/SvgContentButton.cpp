#include "controls/SvgContentButton.h"

#include "controls/ElementBoundsCache.h"
#include "controls/PictureSize.h"
#include "theme/LegacyFontWeight.h"
#include "theme/RendererContainer.h"
#include "theme/ThemeProvider.h"

#include "utilities/MathTools.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QSvgRenderer>

#include <cmath>

namespace Corvane::Gadgets {

using Corvane::Utilities::MathTools;
using Models::TextPaintData;
using Utilities::IconRenderer;

const QString SvgContentButton::GLOW_ID = QStringLiteral("effect");
const QString SvgContentButton::BOUNDING_BOX_ID = QStringLiteral("bounding_box");
const QString SvgContentButton::INDICATOR_ID = QStringLiteral("default");

namespace {

constexpr qreal TEXT_ICON_GAP = 4.0;
constexpr qreal PRESSED_OFFSET = 2.0;

QSvgRenderer* rendererOf(const Utilities::RendererContainer* container)
{
    return container ? container->renderer() : nullptr;
}

bool hasUsableArea(const QRectF& rect)
{
    return rect.width() > 0 && rect.height() > 0;
}

QRectF elementBounds(QSvgRenderer* renderer, const QString& id)
{
    return SvgControl::boundsOnElement(id, renderer);
}

// Factor that fits a bounding box into rect; nothing usable for a missing or
// degenerate bounding box (skins are user input).
std::optional<double> fitFactor(QSvgRenderer* renderer, const QRectF& rect)
{
    const QRectF box = elementBounds(renderer, SvgContentButton::BOUNDING_BOX_ID);
    if (!hasUsableArea(box))
        return std::nullopt;
    return std::min(rect.width() / box.width(), rect.height() / box.height());
}

QFont fontOf(const TextPaintData& data)
{
    QFont font;
    if (!data.fontName().isEmpty())
        font.setFamily(data.fontName());
    if (data.fontSize() > 0)
        font.setPixelSize(data.fontSize());
    font.setWeight(QFont::Weight(qBound(1, data.fontWeight(), 1000)));
    return font;
}

QPointF alignedPosition(const QRectF& rect, const QSizeF& size, Qt::Alignment alignment)
{
    const qreal fx = alignment & Qt::AlignLeft ? 0.0
        : alignment & Qt::AlignHCenter         ? 0.5
        : alignment & Qt::AlignRight           ? 1.0
                                               : 0.0;
    const qreal fy = alignment & Qt::AlignTop ? 0.0
        : alignment & Qt::AlignVCenter        ? 0.5
        : alignment & Qt::AlignBottom         ? 1.0
                                              : 0.0;
    return QPointF(rect.x() + (rect.width() - size.width()) * fx, rect.y() + (rect.height() - size.height()) * fy);
}

QPointF shiftedBesideIcon(QPointF position, const QRectF& rect, const QRectF& iconBounds,
                          Qt::Orientation orientation)
{
    if (orientation == Qt::Horizontal && iconBounds.width() > 0)
        position.rx() += iconBounds.width() * 0.5 + TEXT_ICON_GAP;
    else if (orientation == Qt::Vertical && iconBounds.height() > 0)
        position.ry() = std::max(rect.y(), position.y() + TEXT_ICON_GAP - iconBounds.height() * 0.5);
    return position;
}

// Where the text of textPaintData goes within rect, aligned by alignment and
// moved off the icon.
QRectF textRectBesideIcon(const QRectF& rect, const TextPaintData& textPaintData, Qt::Alignment alignment,
                          const QRectF& iconBounds, Qt::Orientation orientation)
{
    const QFontMetricsF metrics(fontOf(textPaintData));
    const QSizeF size = metrics.boundingRect(QRectF(), alignment, textPaintData.text()).size();
    return QRectF(shiftedBesideIcon(alignedPosition(rect, size, alignment), rect, iconBounds, orientation), size);
}

QRectF centredIn(const QRectF& rect, const QSizeF& size, const QPointF& shift)
{
    return QRectF(rect.x() + (rect.width() - size.width()) / 2 + shift.x(),
                  rect.y() + (rect.height() - size.height()) / 2 + shift.y(), size.width(), size.height());
}

QPen textPen(const QColor& first, const QColor& second, qreal top, qreal bottom, qreal x)
{
    if (first == second)
        return QPen(first);
    QLinearGradient gradient(QPointF(x, top), QPointF(x, bottom));
    gradient.setColorAt(0, first);
    gradient.setColorAt(1, second);
    return QPen(QBrush(gradient), 0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
}

// The place of an overlay's indicator within rect; empty for an overlay
// without usable bounding box.
QRectF overlayTarget(QSvgRenderer* overlay, const QRectF& rect, bool scaled)
{
    if (!overlay || !ElementBoundsCache::exists(overlay, SvgContentButton::INDICATOR_ID))
        return QRectF();
    const QRectF box = elementBounds(overlay, SvgContentButton::BOUNDING_BOX_ID);
    if (!hasUsableArea(box))
        return QRectF();
    const QRectF indicator = elementBounds(overlay, SvgContentButton::INDICATOR_ID);
    QRectF target(indicator.x() - box.x(), indicator.y() - box.y(), indicator.width(), indicator.height());
    if (scaled)
        target = MathTools::resizeRect(target, std::min(rect.width() / box.width(), rect.height() / box.height()));
    return target.translated(rect.topLeft());
}

} // namespace

SvgContentButton::SvgContentButton(Utilities::RendererContainer* renderer, const QString& id,
                                   SvgControlObject* parent)
    : SvgButton(renderer, id, parent)
{
    calculateAutomaticMask();
}

SvgContentButton::~SvgContentButton() = default;

void SvgContentButton::contentChanged()
{
    prepareGeometryChange();
    m_contentAreaCache.reset();
    m_lookPixmaps.clear();
}

void SvgContentButton::setText(const QString& text)
{
    m_text = text;
    readThemeSettings(false);
    updateTextPixmap();
    contentChanged();
    calculateAutomaticMask();
    update();
}

void SvgContentButton::setIconElement(const QString& elementId)
{
    m_iconElementId = elementId;
    contentChanged();
    calculateAutomaticMask();
    update();
}

void SvgContentButton::setIconRenderer(const IconRenderer& iconRenderer)
{
    m_iconRenderer = iconRenderer;
    contentChanged();
    calculateAutomaticMask();
    update();
}

void SvgContentButton::clearIcon()
{
    m_iconRenderer = IconRenderer();
    contentChanged();
    calculateAutomaticMask();
}

void SvgContentButton::setShowIcon(bool show)
{
    m_showIcon = show;
    updateExpanded();
}

void SvgContentButton::setContentBounds(const QRectF& bounds)
{
    m_contentBounds = bounds.translated(-pos());
    contentChanged();
    calculateAutomaticMask();
}

void SvgContentButton::setFitTextInPlaceholderBounds(bool fit)
{
    if (fit == m_fitTextInPlaceholderBounds)
        return;
    m_fitTextInPlaceholderBounds = fit;
    updateTextPixmap();
}

void SvgContentButton::setAllowGlow(bool allow)
{
    m_allowGlow = allow;
    contentChanged();
}

void SvgContentButton::setIconOpacity(double normal, double hover, double pressed)
{
    m_iconOpacityNormal = normal;
    m_iconOpacityHover = hover;
    m_iconOpacityPressed = pressed;
    m_lookPixmaps.clear();
}

void SvgContentButton::setTextOpacity(double normal, double disabled)
{
    m_textOpacityNormal = normal;
    m_textOpacityDisabled = disabled;
    m_lookPixmaps.clear();
}

void SvgContentButton::setSimulatesContentPress(bool simulates)
{
    if (simulates == m_simulatesContentPress)
        return;
    prepareGeometryChange();
    m_simulatesContentPress = simulates;
    update();
}

bool SvgContentButton::shouldSimulateContentPress() const
{
    return m_simulatesContentPress && state() == Pressed;
}

void SvgContentButton::setTextIconOrientation(Qt::Orientation orientation)
{
    m_orientation = orientation;
    contentChanged();
    update();
}

bool SvgContentButton::hasIconGlow() const
{
    QSvgRenderer* main = rendererOf(m_iconRenderer.main());
    if (!main)
        return false;
    const QString suffix = elementsSuffix();
    return ElementBoundsCache::exists(main, GLOW_ID)
        || (!suffix.isEmpty() && ElementBoundsCache::exists(main, GLOW_ID + SUFFIX_SEPARATOR + suffix));
}

void SvgContentButton::calculateAutomaticMask()
{
    if (!hasMaskElement())
        setMaskBounds(automaticMask());
}

QRectF SvgContentButton::automaticMask() const
{
    if (hasMaskElement())
        return QRectF();
    qreal width = -1.0;
    qreal height = -1.0;
    QSvgRenderer* main = rendererOf(m_iconRenderer.main());
    if (main && ElementBoundsCache::exists(main, m_iconElementId)) {
        const QSizeF size = elementBounds(main, m_iconElementId).size();
        width = size.width();
        height = size.height();
    }
    if (!m_text.isEmpty()) {
        QFont font;
        if (m_fontSize > 0)
            font.setPixelSize(m_fontSize);
        font.setWeight(Utilities::LegacyFontWeight::toQt(m_fontWeight));
        const qreal textWidth = QFontMetricsF(font).horizontalAdvance(m_text);
        height = std::max(m_contentBounds.height(), height);
        width = width + (width > 0 ? TEXT_ICON_GAP : 0.0) + textWidth;
    }
    return QRectF(m_contentBounds.x() + (m_contentBounds.width() - width) * 0.5 - TEXT_ICON_GAP,
                  m_contentBounds.y() + (m_contentBounds.height() - height) * 0.5, width + 2 * TEXT_ICON_GAP,
                  height);
}

TextPaintData SvgContentButton::textPaintData(double opacity) const
{
    return TextPaintData(m_text, m_fontName, m_fontSize, Utilities::LegacyFontWeight::toQt(m_fontWeight), m_fontColor,
                         m_secondFontColor, Qt::AlignCenter, opacity);
}

QRectF SvgContentButton::actualTotalContentBounds(bool withGlow) const
{
    return actualContentBounds(m_iconRenderer, m_iconElementId, m_contentBounds, 1.0, textPaintData(1.0),
                               m_allowGlow && withGlow, m_orientation);
}

QRectF SvgContentButton::scaledIconBounds() const
{
    QSvgRenderer* main = rendererOf(m_iconRenderer.main());
    if (!main)
        return QRectF();
    const std::optional<double> factor = fitFactor(main, m_contentBounds);
    if (!factor)
        return QRectF();
    const QRectF box = elementBounds(main, BOUNDING_BOX_ID);
    return QRectF(m_contentBounds.topLeft(), box.size() * *factor);
}

QPointF SvgContentButton::textBeginPoint() const
{
    const QRectF icon = scaledIconBounds();
    return shiftedBesideIcon(QPointF(m_contentBounds.x() + icon.width(), m_contentBounds.y()), m_contentBounds, icon,
                             m_orientation);
}

QRectF SvgContentButton::scaledTextPlaceholderBounds() const
{
    QRectF bounds = m_contentBounds;
    const QPointF begin = textBeginPoint();
    bounds.setLeft(begin.x());
    bounds.setTop(begin.y());
    return bounds;
}

void SvgContentButton::updateTextPixmap()
{
    const QSizeF maxSize = m_fitTextInPlaceholderBounds ? scaledTextPlaceholderBounds().size() * customScale()
                                                        : QSizeF(-1, -1);
    m_textPixmap = createTextPixmap(m_text, m_fontName, m_fontSize, m_fontColor, m_secondFontColor,
                                    Utilities::LegacyFontWeight::toQt(m_fontWeight), customScale(), maxSize);
}

QRectF SvgContentButton::boundsWithPressedOffset(const QRectF& rect) const
{
    if (!m_simulatesContentPress)
        return rect;
    return rect.adjusted(0, 0, PRESSED_OFFSET, PRESSED_OFFSET);
}

QRectF SvgContentButton::contentArea() const
{
    if (!m_contentAreaCache)
        m_contentAreaCache = actualTotalContentBounds(true);
    return m_contentAreaCache->united(SvgButton::boundingRect());
}

QRectF SvgContentButton::boundingRect() const
{
    return boundsWithPressedOffset(contentArea());
}

void SvgContentButton::beginSimulateContentPress(QPainter* painter) const
{
    if (!shouldSimulateContentPress())
        return;
    painter->save();
    painter->translate(PRESSED_OFFSET, PRESSED_OFFSET);
}

void SvgContentButton::endSimulateContentPress(QPainter* painter) const
{
    if (shouldSimulateContentPress())
        painter->restore();
}

double SvgContentButton::iconOpacityForState() const
{
    switch (state()) {
    case Hover:
        return m_iconOpacityHover;
    case Pressed:
        return m_iconOpacityPressed;
    default:
        return m_iconOpacityNormal;
    }
}

double SvgContentButton::textOpacityForState() const
{
    return state() == Disabled ? m_textOpacityDisabled : m_textOpacityNormal;
}

int SvgContentButton::lookKey() const
{
    return int(state()) | (paintable() ? 4 : 0) | (m_showIcon ? 8 : 0);
}

void SvgContentButton::paintLook(QPainter* painter)
{
    if (paintable() && hasElement(currentElementId()))
        rendererContainer()->renderer()->render(painter, currentElementId(), elementTarget(currentElementId()));
    if (!m_showIcon)
        return;
    beginSimulateContentPress(painter);
    paintContent(painter, m_iconRenderer, m_iconElementId, m_contentBounds, 1.0, textPaintData(textOpacityForState()),
                 state(), iconOpacityForState(), m_allowGlow, m_orientation, elementsSuffix());
    endSimulateContentPress(painter);
}

QSize SvgContentButton::lookPixmapSize(qreal deviceScale) const
{
    const QRectF area = boundingRect();
    return QSize(std::max(1, int(std::ceil(area.width() * deviceScale))),
                 std::max(1, int(std::ceil(area.height() * deviceScale))));
}

const QPixmap& SvgContentButton::lookPixmap(qreal deviceScale)
{
    if (!qFuzzyCompare(deviceScale, m_lookPixmapScale)) {
        m_lookPixmaps.clear();
        m_lookPixmapScale = deviceScale;
    }
    const int key = lookKey();
    auto it = m_lookPixmaps.constFind(key);
    if (it != m_lookPixmaps.constEnd())
        return *it;

    const QRectF area = boundingRect();
    const QPixmap pixmap = Utilities::PictureSize::render(
        lookPixmapSize(deviceScale), lookSource(), Qt::transparent, [&](QPainter& painter) {
            painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform
                                   | QPainter::TextAntialiasing);
            painter.scale(deviceScale, deviceScale);
            painter.translate(-area.topLeft());
            paintLook(&painter);
        });
    return *m_lookPixmaps.insert(key, pixmap);
}

QString SvgContentButton::lookSource() const
{
    return Utilities::PictureSize::sourceOf(rendererContainer() ? rendererContainer()->renderer() : nullptr);
}

void SvgContentButton::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    const qreal deviceScale = Utilities::ElementPixmapCache::deviceScale(painter);
    const bool clipped = !paintClipRegion().isEmpty();
    if (clipped) {
        painter->save();
        painter->setClipRegion(paintClipRegion());
    }
    if (Utilities::PictureSize::fits(lookPixmapSize(deviceScale))) {
        const QPixmap& pixmap = lookPixmap(deviceScale);
        Utilities::ElementPixmapCache::drawDevicePixmap(
            painter, QRectF(boundingRect().topLeft(), QSizeF(pixmap.width(), pixmap.height()) / deviceScale),
            pixmap);
    } else {
        Utilities::PictureSize::drawVisiblePart(painter, boundingRect(), lookSource(), [this](QPainter& part) {
            part.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform
                                | QPainter::TextAntialiasing);
            paintLook(&part);
        });
    }
    if (clipped)
        painter->restore();
}

void SvgContentButton::setBounds(const QRectF& rect)
{
    SvgButton::setBounds(rect);
    m_lookPixmaps.clear();
}

void SvgContentButton::setCustomScale(qreal scale)
{
    SvgButton::setCustomScale(scale);
    m_lookPixmaps.clear();
    updateTextPixmap();
}

void SvgContentButton::updateCachedData()
{
    SvgButton::updateCachedData();
    contentChanged();
    calculateAutomaticMask();
    updateTextPixmap();
}

void SvgContentButton::setElementsSuffix(const QString& suffix)
{
    SvgButton::setElementsSuffix(suffix);
    readThemeSettings(true);
    contentChanged();
}

void SvgContentButton::readThemeSettings(bool force)
{
    if (!force && m_fontSize != 0)
        return;
    const QString id = controlId();
    m_fontName = ThemeProvider::getFontName();
    m_fontColor = ThemeProvider::getColor(id + FONT_COLOR_SUFFIX_ID, Qt::black);
    m_secondFontColor = ThemeProvider::getColor(id + SECOND_FONT_COLOR_SUFFIX_ID, m_fontColor);
    m_fontSize = ThemeProvider::getInt(id + FONT_SIZE_SUFFIX_ID, 10);
    m_fontWeight = ThemeProvider::getInt(id + FONT_WEIGHT_SUFFIX_ID, 50);

    const QString suffix = elementsSuffix();
    if (!suffix.isEmpty()) {
        const auto key = [&](const QString& keySuffix) { return id + keySuffix + SUFFIX_SEPARATOR + suffix; };
        if (ThemeProvider::hasValue(key(FONT_COLOR_SUFFIX_ID)))
            m_fontColor = ThemeProvider::getColor(key(FONT_COLOR_SUFFIX_ID), Qt::black);
        if (ThemeProvider::hasValue(key(SECOND_FONT_COLOR_SUFFIX_ID)))
            m_secondFontColor = ThemeProvider::getColor(key(SECOND_FONT_COLOR_SUFFIX_ID), m_fontColor);
        if (ThemeProvider::hasValue(key(FONT_SIZE_SUFFIX_ID)))
            m_fontSize = ThemeProvider::getInt(key(FONT_SIZE_SUFFIX_ID), 10);
        if (ThemeProvider::hasValue(key(FONT_WEIGHT_SUFFIX_ID)))
            m_fontWeight = ThemeProvider::getInt(key(FONT_WEIGHT_SUFFIX_ID), 50);
    }
    contentChanged();
}

void SvgContentButton::paintContent(QPainter* painter, const IconRenderer& iconRenderer, const QString& iconId,
                                    const QRectF& rect, double scale)
{
    paintContent(painter, iconRenderer, iconId, rect, scale,
                 TextPaintData(QString(), QString(), 0, QFont::Normal, Qt::black, Qt::black, Qt::AlignCenter, 1.0),
                 Normal, 1.0, false, Qt::Horizontal, QString());
}

void SvgContentButton::paintContent(QPainter* painter, const IconRenderer& iconRenderer, const QString& iconId,
                                    const QRectF& rect, double scale, const TextPaintData& textPaintData,
                                    ButtonState state, double opacity, bool allowGlow, Qt::Orientation orientation,
                                    const QString& suffix)
{
    QSvgRenderer* main = rendererOf(iconRenderer.main());
    QString id = iconId;
    QString glow = GLOW_ID;
    if (main && !suffix.isEmpty()) {
        if (ElementBoundsCache::exists(main, iconId + SUFFIX_SEPARATOR + suffix))
            id = iconId + SUFFIX_SEPARATOR + suffix;
        if (ElementBoundsCache::exists(main, GLOW_ID + SUFFIX_SEPARATOR + suffix))
            glow = GLOW_ID + SUFFIX_SEPARATOR + suffix;
    }

    painter->save();
    painter->setOpacity(painter->opacity() * opacity);

    // Icon and glow take the same factor as the text layout beside them, so
    // that the text never overlaps the icon.
    const double factor = fitFactor(main, rect).value_or(scale);
    QRectF scaled;
    if (main && ElementBoundsCache::exists(main, id))
        scaled = MathTools::resizeRect(elementBounds(main, id), factor);

    QPointF shift;
    if (!textPaintData.text().isNull()) {
        const QRectF text = paintText(painter, rect, textPaintData, scaled, orientation);
        shift = orientation == Qt::Horizontal ? QPointF(-0.5 * text.width(), 0) : QPointF(0, text.height());
    }

    if (main) {
        if (allowGlow && state == Hover && ElementBoundsCache::exists(main, glow))
            main->render(painter, glow, centredIn(rect, elementBounds(main, glow).size() * factor, shift));
        if (ElementBoundsCache::exists(main, id))
            main->render(painter, id, centredIn(rect, scaled.size(), shift));
    }

    for (Utilities::RendererContainer* container : iconRenderer.overlays()) {
        QSvgRenderer* overlay = rendererOf(container);
        const QRectF target = overlayTarget(overlay, rect, true);
        if (!target.isEmpty())
            overlay->render(painter, INDICATOR_ID, target);
    }
    painter->restore();
}

QRectF SvgContentButton::paintText(QPainter* painter, const QRectF& rect, const TextPaintData& textPaintData,
                                   const QRectF& iconBounds, Qt::Orientation orientation)
{
    painter->save();
    painter->setFont(fontOf(textPaintData));
    painter->setRenderHints(QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    const QRectF textRect = textRectBesideIcon(rect, textPaintData, textPaintData.alignment(), iconBounds, orientation);

    painter->setPen(textPen(textPaintData.fontColor(), textPaintData.secondFontColor(), textRect.top(),
                            textRect.bottom(), textRect.x()));
    painter->setOpacity(painter->opacity() * textPaintData.opacity());
    painter->drawText(textRect, textPaintData.text(), QTextOption(textPaintData.alignment()));
    painter->restore();
    return textRect;
}

QRectF SvgContentButton::actualTextBounds(const QRectF& rect, const TextPaintData& textPaintData,
                                          const QRectF& iconBounds, Qt::Orientation orientation)
{
    return textRectBesideIcon(rect, textPaintData, Qt::AlignCenter, iconBounds, orientation);
}

QRectF SvgContentButton::actualContentBounds(const IconRenderer& iconRenderer, const QString& iconId,
                                             const QRectF& rect, double scale, const TextPaintData& textPaintData,
                                             bool withGlow, Qt::Orientation orientation)
{
    QRectF result;
    bool hasResult = false;
    const auto include = [&](const QRectF& r) {
        result = hasResult ? result.united(r) : r;
        hasResult = true;
    };

    QSvgRenderer* main = rendererOf(iconRenderer.main());
    const double factor = fitFactor(main, rect).value_or(scale);
    QRectF scaled;
    if (ElementBoundsCache::exists(main, iconId))
        scaled = MathTools::resizeRect(elementBounds(main, iconId), factor);

    QPointF shift;
    if (!textPaintData.text().isNull()) {
        const QRectF text = actualTextBounds(rect, textPaintData, scaled, orientation);
        include(text);
        shift = orientation == Qt::Horizontal ? QPointF(-0.5 * text.width(), 0) : QPointF(0, text.height());
    }

    if (main) {
        if (withGlow && ElementBoundsCache::exists(main, GLOW_ID))
            include(centredIn(rect, elementBounds(main, GLOW_ID).size() * factor, shift));
        if (ElementBoundsCache::exists(main, iconId))
            include(centredIn(rect, scaled.size(), shift));
    }

    for (Utilities::RendererContainer* container : iconRenderer.overlays()) {
        const QRectF target = overlayTarget(rendererOf(container), rect, false);
        if (!target.isEmpty())
            include(target);
    }
    return result;
}

void SvgContentButton::manageTextDimensions(const QString& text, double pixelSize, QFont& font, qreal& width,
                                            qreal& height)
{
    font.setPixelSize(std::max(1, int(pixelSize)));
    const QRectF bounds = QFontMetricsF(font).boundingRect(QRectF(), Qt::TextSingleLine | Qt::AlignCenter, text);
    width = bounds.width();
    height = bounds.height();
}

QPixmap SvgContentButton::createTextPixmap(const QString& text, const QString& fontName, double fontSize,
                                           const QColor& fontColor, const QColor& secondFontColor, int weight,
                                           double scale, QSizeF maxSize)
{
    if (text.isEmpty())
        return QPixmap();
    QFont font;
    if (!fontName.isEmpty())
        font.setFamily(fontName);
    font.setWeight(QFont::Weight(qBound(1, weight, 1000)));

    double size = int(fontSize * scale);
    qreal width = 0;
    qreal height = 0;
    manageTextDimensions(text, size, font, width, height);

    const int maxWidth = int(maxSize.width());
    if (maxSize.width() > 0 && maxSize.height() > 0 && width > maxWidth && maxWidth > 0) {
        size = (maxWidth / width) * height;
        manageTextDimensions(text, size, font, width, height);
        while (width > maxWidth && size >= 1.0) {
            size *= maxWidth / width;
            manageTextDimensions(text, size, font, width, height);
        }
    }

    // The font size comes from the theme.ini of the skin.
    const QSize pixmapSize(std::max(1, int(width)), std::max(1, int(height)));
    const QString source = Utilities::PictureSize::themeSettingsSource();
    return Utilities::PictureSize::render(pixmapSize, source, Qt::transparent, [&](QPainter& painter) {
        painter.setRenderHints(QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
        painter.setFont(font);
        painter.setPen(textPen(fontColor, secondFontColor, 0, pixmapSize.height(), 0));
        painter.drawText(QRectF(QPointF(0, 0), pixmapSize), Qt::AlignCenter | Qt::TextSingleLine, text);
    });
}

} // namespace Corvane::Gadgets
