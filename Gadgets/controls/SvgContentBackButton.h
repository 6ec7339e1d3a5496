#pragma once

#include "controls/BackgroundScaler.h"
#include "controls/SvgContentButton.h"

#include <QMargins>

namespace Corvane::Gadgets {

// A content button on a back plate stretched around its content: a normal
// plate ("default") and a hover plate ("hover"), each a three-slice element
// set of a second SVG, scaled so that the plate's central content rectangle
// matches the padded content.
class SvgContentBackButton : public SvgContentButton
{
public:
    static const QString BACKGROUND_ELEMENTS_SUFFIX;
    static const QString HOVER_ELEMENTS_SUFFIX;

    SvgContentBackButton(Utilities::RendererContainer* renderer, const QString& id,
                         Utilities::RendererContainer* backgroundRenderer, const QString& backgroundId,
                         SvgControlObject* parent);
    ~SvgContentBackButton() override;

    QMargins contentPaddings() const { return m_contentPaddings; }
    void setContentPaddings(const QMargins& paddings);
    void setContentPadding(int padding);
    bool backgroundUsesActualContentBounds() const { return m_backgroundUsesActualContentBounds; }
    void setBackgroundUsesActualContentBounds(bool uses);
    QRectF defaultPlateBounds() const { return m_defaultPlateBounds; }
    QRectF hoverPlateBounds() const { return m_hoverPlateBounds; }

    QRectF contentBounds() const;
    QRectF backgroundHoverMaskBounds() const;
    void recalculate();

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;
    void readThemeSettings(bool force) override;
    QRectF automaticMask() const override;

private:
    void recalculate(Utilities::BackgroundScaler& scaler, QPointF& position, QRectF& bounds);
    void paint(QPainter* painter, const Utilities::BackgroundScaler& scaler, const QPointF& position);

    Utilities::BackgroundScaler m_defaultScaler;
    QPointF m_defaultPlatePosition;
    QRectF m_defaultPlateBounds;
    Utilities::BackgroundScaler m_hoverScaler;
    QPointF m_hoverPlatePosition;
    QRectF m_hoverPlateBounds;
    QMargins m_contentPaddings;
    bool m_backgroundUsesActualContentBounds = true;
};

} // namespace Corvane::Gadgets
