#include "text/SizableLabel.h"

#include "controls/PictureSize.h"
#include "text/SvgScaledElement.h"
#include "theme/RendererContainer.h"

#include <QBitmap>
#include <QFontMetrics>
#include <QGraphicsSceneHoverEvent>
#include <QPainter>
#include <QSvgRenderer>

#include <cmath>

namespace Corvane::Gadgets {

const QString SizableLabel::DEFAULT_SUFFIX = QStringLiteral("_default");
const QString SizableLabel::MASK_SUFFIX = QStringLiteral("_mask");
const int SizableLabel::BUFFER_PIXELS_COUNT = 4;
const int SizableLabel::TEXT_SCROLLING_SPEED = 10;

SizableLabel::SizableLabel(Utilities::RendererContainer* renderer, const QString& elementId, const QString& text,
                           const QFont& font, const QColor& colour, bool singleLine, int maximumWidth,
                           SvgControlObject* parent)
    : SvgControlObject(renderer, parent)
    , m_elementId(elementId)
    , m_text(text)
    , m_font(font)
    , m_colour(colour)
    , m_singleLine(singleLine)
    , m_maximumWidth(maximumWidth)
    , m_defaultId(elementId + DEFAULT_SUFFIX)
    , m_maskId(elementId + MASK_SUFFIX)
    , m_scrollAnimation(this, "textPositionPercentage")
{
    m_scrollAnimation.setLoopCount(-1);
    m_scrollAnimation.setEasingCurve(QEasingCurve::Linear);
    m_scrollAnimation.setStartValue(0.0);
    m_scrollAnimation.setEndValue(1.0);
    m_scrollAnimation.setDuration(0);
    reload();
}

SizableLabel::~SizableLabel() = default;

void SizableLabel::reload()
{
    load(m_defaultId, m_elementId, m_maskId, m_elementId, m_text, m_font, m_colour, m_singleLine, m_maximumWidth);
}

void SizableLabel::setText(const QString& text, const QFont& font, const QColor& colour, bool singleLine,
                           int maximumWidth)
{
    if (text == m_text && font == m_font && colour == m_colour && singleLine == m_singleLine
        && maximumWidth == m_maximumWidth)
        return;
    m_text = text;
    m_font = font;
    m_colour = colour;
    m_singleLine = singleLine;
    m_maximumWidth = maximumWidth;
    reload();
}

void SizableLabel::load(const QString& defaultId, const QString& cutPrefix, const QString& maskId,
                        const QString& maskCutPrefix, const QString& text, const QFont& font, const QColor& colour,
                        bool singleLine, int maximumWidth)
{
    m_textFlags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic | (singleLine ? Qt::TextSingleLine : 0);
    const QFontMetrics metrics(font);
    m_fullTextSize = metrics.boundingRect(QRect(), m_textFlags, text).size();
    m_visibleTextSize = m_fullTextSize;
    m_needsScrolling = maximumWidth >= 0 && maximumWidth < m_fullTextSize.width();
    if (m_needsScrolling) {
        m_visibleTextSize.setWidth(maximumWidth);
        m_displayedText = metrics.elidedText(text, Qt::ElideRight, maximumWidth, m_textFlags);
        m_scrollDuration = m_fullTextSize.width() * TEXT_SCROLLING_SPEED;
        m_scrollAnimation.setDuration(m_scrollDuration);
    } else {
        m_displayedText = text;
    }

    QSvgRenderer* renderer = svgRenderer();
    if (!renderer)
        return;
    const Utilities::SvgScaledElement background(*renderer, defaultId, cutPrefix, m_visibleTextSize.width(),
                                                 m_fullTextSize.height());
    const Utilities::SvgScaledElement mask(*renderer, maskId, maskCutPrefix, m_visibleTextSize.width(),
                                           m_fullTextSize.height());
    m_backgroundPixmap = background.pixmap();
    m_hoverRegion = mask.pixmap().isNull() ? QRegion()
                                           : QRegion(mask.pixmap().createMaskFromColor(Qt::black, Qt::MaskOutColor));

    setBounds(QRectF(pos(), QSizeF(m_backgroundPixmap.size())));
    m_composedPixmap = m_backgroundPixmap;
    const QPointF centre = background.boundsAtPart(Utilities::SvgScaledElement::MiddleMiddle).topLeft();
    m_textOffset = QPoint(qRound(centre.x()), qRound(centre.y()));

    rasterizeText(m_displayedText, 0, 0, m_visibleTextSize.width(), m_fullTextSize.height(), 1, 1, 0, 0, font,
                  colour, m_textFlags, m_textPixmap);
    if (!m_composedPixmap.isNull()) {
        QPainter painter(&m_composedPixmap);
        painter.drawPixmap(m_textOffset, m_textPixmap);
    }
    if (m_needsScrolling) {
        rasterizeText(text, 0, 0, m_fullTextSize.width(), m_fullTextSize.height(), 2, 1,
                      int(BUFFER_PIXELS_COUNT * background.scaleX()), 0, font, colour, m_textFlags, m_scrollPixmap);
    }
    update();
}

void SizableLabel::rasterizeText(const QString& text, int x, int y, int cellWidth, int cellHeight, int columns,
                                 int rows, int horizontalGap, int verticalGap, const QFont& font,
                                 const QColor& colour, int flags, QPixmap& result)
{
    const QSize size(columns * (cellWidth + horizontalGap), rows * (cellHeight + verticalGap));
    if (size.isEmpty()) {
        result = QPixmap();
        return;
    }
    // The font size comes from the theme.ini of the skin.
    result = Utilities::PictureSize::render(size, Utilities::PictureSize::themeSettingsSource(), Qt::transparent,
                                            [&](QPainter& painter) {
        painter.setPen(colour);
        painter.setFont(font);
        painter.setRenderHints(QPainter::TextAntialiasing | QPainter::Antialiasing);
        for (int row = 0; row < rows; ++row) {
            for (int column = 0; column < columns; ++column) {
                painter.drawText(QRect(x + column * (cellWidth + horizontalGap),
                                       y + row * (cellHeight + verticalGap), cellWidth + horizontalGap,
                                       cellHeight + verticalGap),
                                 flags, text);
            }
        }
    });
}

void SizableLabel::setTextPositionPercentage(double percentage)
{
    if (std::abs(percentage - m_textPositionPercentage) <= 1e-5)
        return;
    m_textPositionPercentage = std::clamp(percentage, 0.0, 1.0);
    update();
}

void SizableLabel::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    if (!m_isScrolling) {
        painter->drawPixmap(QPointF(0, 0), m_composedPixmap);
        return;
    }
    painter->drawPixmap(QPointF(0, 0), m_backgroundPixmap);
    const int sourceX = int(m_fullTextSize.width() * m_textPositionPercentage);
    painter->drawPixmap(QRect(m_textOffset, m_visibleTextSize), m_scrollPixmap,
                        QRect(QPoint(sourceX, 0), m_visibleTextSize));
}

void SizableLabel::hoverEnterEvent(QGraphicsSceneHoverEvent* event)
{
    const QPoint point(qRound(event->pos().x()), qRound(event->pos().y()));
    if (m_needsScrolling && m_hoverRegion.contains(point)) {
        m_scrollAnimation.start();
        m_isScrolling = true;
    }
}

void SizableLabel::hoverLeaveEvent(QGraphicsSceneHoverEvent*)
{
    if (m_needsScrolling && m_isScrolling) {
        m_scrollAnimation.stop();
        m_isScrolling = false;
        update();
    }
}

} // namespace Corvane::Gadgets
