#pragma once

#include <QPixmap>
#include <QRectF>
#include <QString>

#include <array>

class QSvgRenderer;

namespace Corvane::Gadgets::Utilities {

// One SVG element rendered as a nine-part picture: nine cut rectangles
// (cut prefix + "_cut_top_left" ... "_cut_bottom_right") split it into a
// 3 x 3 grid; the corners keep their size, the middle column stretches
// horizontally and the middle row vertically, so that the centre cell takes
// the requested size. Without a usable centre cut nothing is stretched.
class SvgScaledElement
{
public:
    enum LabelPartId {
        TopLeft = 0,
        MiddleLeft,
        BottomLeft,
        TopMiddle,
        MiddleMiddle,
        BottomMiddle,
        TopRight,
        MiddleRight,
        BottomRight,
    };

    static constexpr int NUM_LABEL_PARTS = 9;
    static constexpr int ROWS_LABEL_PARTS = 3;
    static constexpr int COLS_LABEL_PARTS = 3;
    static const std::array<QString, NUM_LABEL_PARTS> CUT_MASKS;

    SvgScaledElement(QSvgRenderer& renderer, const QString& elementId, const QString& cutPrefix, int width,
                     int height);

    void rescaleElement(int width, int height);
    QPixmap pixmap() const { return m_pixmap; }
    QRectF bounds() const { return m_bounds; }
    qreal scaleX() const { return m_scaleX; }
    qreal scaleY() const { return m_scaleY; }
    QRectF boundsAtPart(const LabelPartId& part) const;

    // Fills pixmap with the share of elementId inside area, stretched by sx and sy.
    static void readArea(QSvgRenderer& renderer, const QString& elementId, const QRectF& elementRect,
                         const QRectF& area, qreal sx, qreal sy, QPixmap& pixmap);
    static void readArea(QSvgRenderer& renderer, const QString& elementId, const QRectF& area, qreal sx, qreal sy,
                         QPixmap& pixmap);
    static void readArea(QSvgRenderer& renderer, const QString& elementId, const QRectF& area, const QSize& size,
                         QPixmap& pixmap);
    static void readArea(QSvgRenderer& renderer, const QString& elementId, const QRectF& elementRect,
                         const QRectF& area, const QSize& size, QPixmap& pixmap);

private:
    struct LabelPart
    {
        QString id;
        QRectF svgRect;
        QRectF targetRect;
        qreal scaleX = 1.0;
        qreal scaleY = 1.0;
        QPixmap pixmap;
    };

    void scaleElement();

    QSvgRenderer& m_renderer;
    QString m_elementId;
    QString m_cutPrefix;
    int m_width;
    int m_height;
    QRectF m_bounds;
    qreal m_scaleX = 1.0;
    qreal m_scaleY = 1.0;
    std::array<LabelPart, NUM_LABEL_PARTS> m_parts;
    QPixmap m_pixmap;
};

} // namespace Corvane::Gadgets::Utilities
