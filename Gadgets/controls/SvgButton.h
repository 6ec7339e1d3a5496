#pragma once

#include "controls/SvgElement.h"

#include <QRegion>

namespace Corvane::Gadgets {

// The themed push button: paints one of four element ids according to its
// state (X + "_default", "_hover", "_pressed", "_disabled"; a missing state
// element falls back to the normal one), takes hits on the pure-black pixels
// of X + "_mask" (or on a rectangle without mask element), and reports press,
// release and click to its owning composite's on* hooks.
class SvgButton : public SvgElement
{
public:
    enum ButtonState {
        Normal = 0,
        Hover = 1,
        Pressed = 2,
        Disabled = 3,
    };

    static const QString DEFAULT_SUFFIX;
    static const QString MASK_SUFFIX;
    static const QString HOVER_SUFFIX;
    static const QString PRESSED_SUFFIX;
    static const QString DISABLED_SUFFIX;
    static const QString CONTENT_SUFFIX;

    SvgButton(Utilities::RendererContainer* renderer, const QString& id, SvgControlObject* parent);
    SvgButton(Utilities::RendererContainer* renderer, const QString& id, const QString& maskId,
              SvgControlObject* parent);
    SvgButton(Utilities::RendererContainer* renderer, const QString& id, const QString& maskId,
              const QString& hoverId, const QString& pressedId, const QString& disabledId,
              SvgControlObject* parent);
    ~SvgButton() override;

    ButtonState state() const { return m_state; }
    void setState(const ButtonState& state);
    bool stayPressed() const { return m_stayPressed; }
    void setStayPressed(bool stayPressed) { m_stayPressed = stayPressed; }
    bool paintable() const { return m_paintable; }
    void setPaintable(bool paintable);
    QString baseId() const { return m_baseId; }
    QString maskId() const { return m_maskId; }
    QString hoverId() const { return m_hoverId; }
    QString pressedId() const { return m_pressedId; }
    QString disabledId() const { return m_disabledId; }
    QString contentId() const { return m_contentId; }
    bool hasMaskElement() const { return m_hasMaskElement; }
    QRectF totalBounds() const { return m_totalBounds; }

    virtual QString currentElementId() const { return m_currentId; }
    virtual QRectF glowBounds() const { return QRectF(); }

    void setButtonIds(const QString& hoverId, const QString& pressedId, const QString& disabledId);
    void setCurrentElementId();
    // A rectangular hit area in item coordinates; used only without mask element.
    void setMaskBounds(const QRectF& bounds);
    void setButtonBounds(const QRectF& bounds);
    void setCustomBoundsElementId(const QString& elementId);
    void updateTotalBounds();
    QRegion getMaskRegion();

    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;
    void setBounds(const QRectF& rect) override;
    void setCustomScale(qreal scale) override;
    void setOffset(const QPointF& offset) override;
    void parentOffsetChanged() override;
    void updateCachedData() override;
    void setElementsSuffix(const QString& suffix) override;
    bool hitTest(const QPointF& scenePos) override;

protected:
    using SvgElement::mouseReleaseEvent;

    void hoverEnterEvent(QGraphicsSceneHoverEvent* event) override;
    void hoverMoveEvent(QGraphicsSceneHoverEvent* event) override;
    void hoverLeaveEvent(QGraphicsSceneHoverEvent* event) override;
    void mousePressEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent* event, void* pressConsumer) override;
    void mouseClickEvent(QGraphicsSceneMouseEvent* event) override;

    // Drops the hit region; it is rebuilt at the next hit test.
    void dropMaskRegion();

private:
    QString stateElementId(const QString& candidate) const;
    bool reactsToPointer() const;

    ButtonState m_state = Normal;
    bool m_stayPressed = false;
    bool m_paintable = true;
    QString m_baseId;
    QString m_maskId;
    QString m_hoverId;
    QString m_pressedId;
    QString m_disabledId;
    QString m_currentId;
    QString m_contentId;
    QString m_customBoundsId;
    QRegion m_maskRegion;
    QRectF m_totalBounds;
    QRectF m_maskReferenceBounds;
    // Mask rectangle in parent coordinates, like the total bounds.
    QRectF m_maskBounds;
    bool m_hasMaskElement = false;
    QRectF m_buttonBounds;
};

} // namespace Corvane::Gadgets
