#pragma once

#include "controls/SvgControlObject.h"

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QPropertyAnimation>
#include <QRegion>

namespace Corvane::Gadgets {

// A label whose nine-part SVG plate (element id + "_default") stretches with
// its text; the pure-black pixels of the stretched element id + "_mask" form
// its hover region. A text wider than the maximum width is shown elided and
// scrolls while the mouse is over the label.
class SizableLabel : public SvgControlObject
{
    Q_OBJECT
    Q_PROPERTY(qreal textPositionPercentage READ textPositionPercentage WRITE setTextPositionPercentage)

public:
    static const QString DEFAULT_SUFFIX;
    static const QString MASK_SUFFIX;
    static const int BUFFER_PIXELS_COUNT;
    static const int TEXT_SCROLLING_SPEED;

    SizableLabel(Utilities::RendererContainer* renderer, const QString& elementId, const QString& text,
                 const QFont& font, const QColor& colour, bool singleLine, int maximumWidth,
                 SvgControlObject* parent);
    ~SizableLabel() override;

    void setText(const QString& text, const QFont& font, const QColor& colour, bool singleLine, int maximumWidth);
    void load(const QString& defaultId, const QString& cutPrefix, const QString& maskId, const QString& maskCutPrefix,
              const QString& text, const QFont& font, const QColor& colour, bool singleLine, int maximumWidth);
    static void rasterizeText(const QString& text, int x, int y, int cellWidth, int cellHeight, int columns, int rows,
                              int horizontalGap, int verticalGap, const QFont& font, const QColor& colour, int flags,
                              QPixmap& result);

    QString text() const { return m_text; }
    QString displayedText() const { return m_displayedText; }
    bool needsScrolling() const { return m_needsScrolling; }
    bool isScrolling() const { return m_isScrolling; }
    int scrollDuration() const { return m_scrollDuration; }
    QPixmap composedPixmap() const { return m_composedPixmap; }
    QRegion hoverRegion() const { return m_hoverRegion; }
    QPoint textOffset() const { return m_textOffset; }
    qreal textPositionPercentage() const { return m_textPositionPercentage; }
    void setTextPositionPercentage(double percentage);

    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

protected:
    void hoverEnterEvent(QGraphicsSceneHoverEvent* event) override;
    void hoverLeaveEvent(QGraphicsSceneHoverEvent* event) override;

private:
    void reload();

    QString m_elementId;
    QString m_text;
    QFont m_font;
    QColor m_colour;
    bool m_singleLine;
    int m_textFlags = 0;
    int m_maximumWidth;
    bool m_needsScrolling = false;
    QString m_displayedText;
    QSize m_fullTextSize;
    QSize m_visibleTextSize;
    QPoint m_textOffset;
    int m_scrollDuration = 0;
    QString m_defaultId;
    QString m_maskId;
    QPixmap m_backgroundPixmap;
    QPixmap m_textPixmap;
    QPixmap m_composedPixmap;
    QPixmap m_scrollPixmap;
    QRegion m_hoverRegion;
    bool m_isScrolling = false;
    qreal m_textPositionPercentage = 0.0;
    QPropertyAnimation m_scrollAnimation;
};

} // namespace Corvane::Gadgets
