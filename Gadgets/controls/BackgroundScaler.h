#pragma once

#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <array>

class QPainter;
class QTransform;

namespace Corvane::Gadgets::Utilities {

class RendererContainer;

// A three-slice plate (left cap, stretchable middle, right cap) scaled so
// that its central content rectangle takes a requested size. The elements
// are base id + "_left", "_middle", "_right" and "_central_content_bounds".
class BackgroundScaler
{
public:
    static const QString LEFT_PART_SUFFIX_ID;
    static const QString MIDDLE_PART_SUFFIX_ID;
    static const QString RIGHT_PART_SUFFIX_ID;
    static const QString CENTRAL_CONTENT_BOUNDS_SUFFIX_ID;

    BackgroundScaler(RendererContainer* renderer, const QString& baseId);

    // Re-reads the element bounds (after a theme change too).
    void updateCachedData();
    bool isValid() const;
    void scaleCentralContentBoundsTo(const QSizeF& size, bool adjustWidth);
    QRectF scaledCentralContentBounds() const { return m_scaledCentral; }
    QRectF totalScaledBounds() const;
    void paint(QPainter* painter, const QPointF& offset) const;

private:
    // The left edges of the three slices and the right edge of the plate,
    // its top and the bottom of each slice, in painter coordinates.
    struct Edges
    {
        std::array<qreal, 4> x;
        qreal top;
        std::array<qreal, 3> bottoms;
    };

    Edges edgesOnDevicePixels(const QPointF& offset, const QTransform& transform) const;
    QString partId(const QString& suffix) const;

    RendererContainer* m_renderer;
    QString m_baseId;
    QString m_leftId;
    QString m_middleId;
    QString m_rightId;
    QRectF m_left;
    QRectF m_middle;
    QRectF m_right;
    QString m_centralId;
    QRectF m_central;
    QRectF m_scaledCentral;
    QRectF m_scaledLeft;
    QRectF m_scaledMiddle;
    QRectF m_scaledRight;
};

} // namespace Corvane::Gadgets::Utilities
