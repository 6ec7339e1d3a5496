#pragma once

#include "controls/IconRenderer.h"
#include "controls/SvgButton.h"
#include "models/TextPaintData.h"

#include <QColor>
#include <QHash>
#include <QPixmap>

#include <optional>

class QFont;
class QFontMetricsF;

namespace Corvane::Gadgets {

// A button that carries content inside its placeholder rectangle: an icon
// (with overlays) from a second SVG and a one-line text in the theme's font
// and colours, side by side or one above the other. Without mask element its
// hit area follows the content (automatic mask). It can shift its content
// while pressed (simulated press).
//
// The button is drawn from one pixmap per state (state element and content),
// rendered again only when the content, the scale, the suffix or the theme
// changes.
class SvgContentButton : public SvgButton
{
public:
    static const QString GLOW_ID;
    static const QString BOUNDING_BOX_ID;
    static const QString INDICATOR_ID;

    SvgContentButton(Utilities::RendererContainer* renderer, const QString& id, SvgControlObject* parent);
    ~SvgContentButton() override;

    QString text() const { return m_text; }
    void setText(const QString& text);
    QString iconElement() const { return m_iconElementId; }
    void setIconElement(const QString& elementId);
    Utilities::IconRenderer iconRenderer() const { return m_iconRenderer; }
    void setIconRenderer(const Utilities::IconRenderer& iconRenderer);
    void clearIcon();
    bool showIcon() const { return m_showIcon; }
    void setShowIcon(bool show);
    QRectF contentBounds() const { return m_contentBounds; }
    // r in the parent's coordinates.
    void setContentBounds(const QRectF& bounds);
    void setFitTextInPlaceholderBounds(bool fit);
    void setAllowGlow(bool allow);
    void setIconOpacity(double normal, double hover, double pressed);
    void setTextOpacity(double normal, double disabled);
    bool simulatesContentPress() const { return m_simulatesContentPress; }
    void setSimulatesContentPress(bool simulates);
    bool shouldSimulateContentPress() const;
    Qt::Orientation textIconOrientation() const { return m_orientation; }
    void setTextIconOrientation(Qt::Orientation orientation);

    QString fontName() const { return m_fontName; }
    QColor fontColor() const { return m_fontColor; }
    QColor secondFontColor() const { return m_secondFontColor; }
    int fontSize() const { return m_fontSize; }
    int fontWeight() const { return m_fontWeight; }
    QPixmap textPixmap() const { return m_textPixmap; }

    bool hasIconGlow() const;
    void calculateAutomaticMask();
    virtual QRectF automaticMask() const;
    QRectF actualTotalContentBounds(bool withGlow) const;
    QRectF scaledIconBounds() const;
    QPointF textBeginPoint() const;
    QRectF scaledTextPlaceholderBounds() const;
    void updateTextPixmap();

    QRectF boundingRect() const override;
    void setBounds(const QRectF& rect) override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;
    void setCustomScale(qreal scale) override;
    void updateCachedData() override;
    void setElementsSuffix(const QString& suffix) override;
    void readThemeSettings(bool force) override;

    static void paintContent(QPainter* painter, const Utilities::IconRenderer& iconRenderer, const QString& iconId,
                             const QRectF& rect, double scale);
    static void paintContent(QPainter* painter, const Utilities::IconRenderer& iconRenderer, const QString& iconId,
                             const QRectF& rect, double scale, const Models::TextPaintData& textPaintData,
                             ButtonState state, double opacity, bool allowGlow, Qt::Orientation orientation,
                             const QString& suffix);
    static QRectF paintText(QPainter* painter, const QRectF& rect, const Models::TextPaintData& textPaintData,
                            const QRectF& iconBounds, Qt::Orientation orientation);
    static QRectF actualContentBounds(const Utilities::IconRenderer& iconRenderer, const QString& iconId,
                                      const QRectF& rect, double scale, const Models::TextPaintData& textPaintData,
                                      bool withGlow, Qt::Orientation orientation);
    static QRectF actualTextBounds(const QRectF& rect, const Models::TextPaintData& textPaintData,
                                   const QRectF& iconBounds, Qt::Orientation orientation);
    static QPixmap createTextPixmap(const QString& text, const QString& fontName, double fontSize,
                                    const QColor& fontColor, const QColor& secondFontColor, int weight,
                                    double scale, QSizeF maxSize);
    static void manageTextDimensions(const QString& text, double pixelSize, QFont& font, qreal& width,
                                     qreal& height);

protected:
    // Drops what was derived from the content (pixmaps, bounds).
    void contentChanged();
    QRectF boundsWithPressedOffset(const QRectF& rect) const;
    void beginSimulateContentPress(QPainter* painter) const;
    void endSimulateContentPress(QPainter* painter) const;
    Models::TextPaintData textPaintData(double opacity) const;

private:
    double iconOpacityForState() const;
    double textOpacityForState() const;
    QRectF contentArea() const;
    int lookKey() const;
    QSize lookPixmapSize(qreal deviceScale) const;
    const QPixmap& lookPixmap(qreal deviceScale);
    QString lookSource() const;
    void paintLook(QPainter* painter);

    QRectF m_contentBounds;
    Utilities::IconRenderer m_iconRenderer;
    QString m_iconElementId;
    bool m_showIcon = true;
    bool m_allowGlow = true;
    QString m_text;
    QString m_fontName;
    QColor m_fontColor;
    QColor m_secondFontColor;
    int m_fontSize = 0;
    int m_fontWeight = 0;
    QPixmap m_textPixmap;
    double m_iconOpacityNormal = 1.0;
    double m_iconOpacityHover = 1.0;
    double m_iconOpacityPressed = 1.0;
    double m_textOpacityNormal = 1.0;
    double m_textOpacityDisabled = 1.0;
    Qt::Orientation m_orientation = Qt::Horizontal;
    bool m_fitTextInPlaceholderBounds = false;
    bool m_simulatesContentPress = false;

    mutable std::optional<QRectF> m_contentAreaCache;
    // The button's look (state element and content) per state and flags.
    QHash<int, QPixmap> m_lookPixmaps;
    qreal m_lookPixmapScale = 0.0;
};

} // namespace Corvane::Gadgets
