#pragma once

#include "animation/OpacityAlternator.h"
#include "animation/OpacityAnimation.h"
#include "controls/SvgControlObject.h"

namespace Corvane::Gadgets {

class SvgButton;

// Three floating icons of a movable, resizable, closable gadget: "move",
// "resize" and "close" buttons drawn from the renderer it is given. They
// fade in while the pointer is over the box and fade out when it leaves.
class ControlBox : public SvgControlObject
{
    Q_OBJECT
    Q_PROPERTY(qreal floatingIconsOpacity READ floatingIconsOpacity WRITE setFloatingIconsOpacity)

public:
    static const QString MOVE_ID;
    static const QString RESIZE_ID;
    static const QString CLOSE_ID;

    explicit ControlBox(Utilities::RendererContainer* renderer, SvgControlObject* parent = nullptr);

    SvgButton* moveButton() const { return m_moveButton; }
    SvgButton* resizeButton() const { return m_resizeButton; }
    SvgButton* closeButton() const { return m_closeButton; }

    qreal floatingIconsOpacity() const { return m_opacityAlternator.itemsOpacity(); }
    void setFloatingIconsOpacity(qreal opacity);

protected:
    void hoverEnterEvent(QGraphicsSceneHoverEvent* event) override;
    void hoverLeaveEvent(QGraphicsSceneHoverEvent* event) override;

private slots:
    void onHoverEntered(bool hasEntered);

private:
    SvgButton* createButton(const QString& id);

    SvgButton* m_moveButton = nullptr;
    SvgButton* m_resizeButton = nullptr;
    SvgButton* m_closeButton = nullptr;
    // Before the animation: building it reads floatingIconsOpacity().
    Utilities::OpacityAlternator m_opacityAlternator;
    Utilities::OpacityAnimation m_opacityAnimation;
};

} // namespace Corvane::Gadgets
