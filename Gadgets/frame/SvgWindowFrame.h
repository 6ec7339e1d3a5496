#pragma once

#include "controls/SvgControlObject.h"

namespace Corvane::Gadgets {

class SvgButton;
class TextLabel;

// The skinned frame around the content of a floating gadget: a title bar
// with a title and a close button, four borders and a resize handle in the
// content's bottom-right corner, drawn from the theme's "window_frame" SVG.
// Dragging the title bar moves the frame and dragging the handle scales it,
// either by itself or, when the owner disables that, by reporting the drag.
class SvgWindowFrame : public SvgControlObject
{
    Q_OBJECT

public:
    static const QString TITLEBAR_ID;
    static const QString TITLE_PLACEHOLDER_ID;
    static const QString CLOSE_BUTTON_ID;
    static const QString RESIZE_HANDLE;
    static const QString BORDER_LEFT;
    static const QString BORDER_TOP;
    static const QString BORDER_RIGHT;
    static const QString BORDER_BOTTOM;

    // The point of the frame about which a resize drag is measured.
    enum ResizeOrigin {
        TopLeft = 0,
        LeftCenter = 1,
        Center = 2,
    };

    static constexpr qreal MINIMUM_SCALE = 0.5;
    static constexpr qreal MAXIMUM_SCALE = 2.0;

    SvgWindowFrame(SvgControlObject* mainControl, Utilities::RendererContainer* renderer, SvgControlObject* parent);
    ~SvgWindowFrame() override;

    TextLabel* title() const { return m_title; }
    SvgElement* titleBar() const { return m_titleBar; }
    SvgButton* closeButton() const { return m_closeButton; }
    SvgElement* resizeHandle() const { return m_resizeHandle; }
    SvgElement* border(const QString& id) const;
    SvgControlObject* mainControl() const { return m_mainControl; }
    void setMainControl(SvgControlObject* control);

    bool resizeEnabled() const { return m_resizeEnabled; }
    void setIsResizeEnabled(bool enabled) { m_resizeEnabled = enabled; }
    bool moveEnabled() const { return m_moveEnabled; }
    void setIsMoveEnabled(bool enabled);
    void setTitleBarAcceptsMouse(bool accepts);
    ResizeOrigin resizeOrigin() const { return m_resizeOrigin; }
    void setResizeOrigin(ResizeOrigin origin) { m_resizeOrigin = origin; }
    QPointF getOriginPoint() const;
    void setIsResizeHandleVisible(bool visible);
    bool isResizeHandleVisible() const;

    void handleMoving(const QPointF& startPos, const QPointF& currentPos);
    void handleResizing(const QPointF& startPos, const QPointF& currentPos);
    void recalculateBounds();

    void handleMousePress(QGraphicsSceneMouseEvent* event, Gestures::EventConsumer& consumer) override;
    void updateCachedData() override;
    void retranslateUi() override;
    void onElementClick(SvgElement* element) override;

public slots:
    void setTitleText(const QString& text);

signals:
    void closeClicked();
    void resizeRequested(qreal newScaleFactor);
    void resizeFinished();
    void moveRequested(QPointF newPos);

protected:
    void mouseReleaseEvent(QGraphicsSceneMouseEvent* event, void* pressConsumer) override;
    void mousePressAndMoveEvent(const QPointF& startPos, QGraphicsSceneMouseEvent* event,
                                void* pressConsumer) override;

private:
    void layOutTitle(const QRectF& titleBar, qreal frameWidth);

    SvgElement* m_titleBar;
    TextLabel* m_title;
    SvgButton* m_closeButton;
    SvgElement* m_borderLeft;
    SvgElement* m_borderTop;
    SvgElement* m_borderRight;
    SvgElement* m_borderBottom;
    SvgElement* m_resizeHandle;
    SvgControlObject* m_mainControl = nullptr;
    QPointF m_pressScenePos;
    qreal m_pressScale = 1.0;
    // The resize origin in scene coordinates, taken at the press.
    QPointF m_pressOriginScenePos;
    bool m_resizeEnabled = true;
    bool m_moveEnabled = true;
    ResizeOrigin m_resizeOrigin = TopLeft;
};

} // namespace Corvane::Gadgets
