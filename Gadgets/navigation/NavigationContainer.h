#pragma once

#include "controls/SvgControlObject.h"

#include <QList>
#include <QTimer>

#include <memory>

class QGraphicsView;

namespace Corvane::Gadgets {

class InfoControl;
class NavigationControl;
class SvgButton;

namespace Utilities {
class FlipAnimator;
}

// The main gadget: the carousel in front, the info face behind, turned over
// by a flip animator. The info face is made when first turned to or asked
// for: most sessions never show it. In full-screen mode four free-standing
// buttons sit at the corners of the scene (refresh top left, close top right,
// info or flip bottom right). Hover, mouse, wheel and key activity is
// reported through plain signals so that the host can show labels and
// restart its timers.
//
// The full-screen buttons have no parent item: they are top-level items of
// the container's scene, owned and deleted by the container. They leave the
// scene together with the container and are added again when next placed.
class NavigationContainer : public SvgControlObject
{
    Q_OBJECT

public:
    static const QString FULLSCREEN_INFO_ID;
    static const QString FULLSCREEN_CLOSE_ID;
    static const QString FULLSCREEN_REFRESH_ID;
    static const QString FULLSCREEN_FLIP_ID;

    explicit NavigationContainer(SvgControlObject* parent = nullptr);
    ~NavigationContainer() override;

    NavigationControl* navigationControl() const { return m_navigationControl; }
    // The info face, made now if it is not yet.
    InfoControl* infoControl();
    bool isInfoControlCreated() const { return m_infoControl != nullptr; }
    SvgButton* fullScreenRefreshButton() const { return m_fullScreenRefreshButton; }
    SvgButton* fullScreenCloseButton() const { return m_fullScreenCloseButton; }
    // Delays the report of the pointer leaving the gadget.
    const QTimer* hoverTimer() const { return m_hoverTimer.get(); }

    bool handlesKeyboardInput() const { return m_handlesKeyboardInput; }
    void setHandlesKeyboardInput(bool handles);

    bool isInFullScreenMode() const;
    void setIsInFullScreenMode(bool fullScreen);
    // Places the full-screen buttons at the corners of the scene rectangle.
    void setButtonsOffset();

    SvgButton* createAndAddButton(Utilities::RendererContainer* renderer, const QString& elementId);

    void setCustomScale(qreal scale) override;
    void setOffset(const QPointF& offset) override;
    void parentOffsetChanged() override;
    void handleMousePress(QGraphicsSceneMouseEvent* event, Gestures::EventConsumer& consumer) override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;
    void updateCachedData() override;
    void onElementClick(SvgElement* element) override;
    void totalOffsetChanged() override;

signals:
    void hoverEntered(bool hasEntered);
    void mousePress();
    void mouseRelease();
    void hoverMove();
    void keyPressed(const QKeyEvent* event);
    void keyReleased(const QKeyEvent* event);
    void wheel();
    void infoPressed();
    void escapePressed();
    // The info face was made: its signals can be connected.
    void infoControlCreated(Corvane::Gadgets::InfoControl* info);

protected:
    using SvgControlObject::mouseReleaseEvent;

    void hoverMoveEvent(QGraphicsSceneHoverEvent* event) override;
    void hoverEnterEvent(QGraphicsSceneHoverEvent* event) override;
    void hoverLeaveEvent(QGraphicsSceneHoverEvent* event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent* event, void* pressConsumer) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void wheelEvent(QGraphicsSceneWheelEvent* event) override;
    QVariant itemChange(GraphicsItemChange change, const QVariant& value) override;

private slots:
    void onTimerTimedOut();
    void onHoverEntered(bool hasEntered);
    void onFrontToBack();
    void onBackToFront();
    void onTurnFinished();
    void turnToInfo();

private:
    void createFaces();
    void createInfoFace();
    void createFullScreenButtons();
    SvgButton* createFullScreenButton(const QString& elementId);
    void connectHover();
    void createFlipAnimator();
    void setFullScreenInfoButtonShown(bool shown);
    void setLabelsShown(bool shown);
    // Whether the pointer lies over a pixel the scene draws, wherever the
    // window system last reported it.
    bool pointerIsOver() const;
    bool drawsAt(const QGraphicsView* view, const QPoint& inView) const;
    void removeFullScreenButtonsFromScene();
    QSizeF navigationDefaultSize() const;

    NavigationControl* m_navigationControl = nullptr;
    InfoControl* m_infoControl = nullptr;
    SvgButton* m_fullScreenInfoButton = nullptr;
    SvgButton* m_fullScreenCloseButton = nullptr;
    SvgButton* m_fullScreenRefreshButton = nullptr;
    SvgButton* m_fullScreenFlipButton = nullptr;
    Utilities::FlipAnimator* m_flipAnimator = nullptr;
    std::unique_ptr<QTimer> m_hoverTimer;
    bool m_handlesKeyboardInput = true;
    // Whether the pointer is over the gadget, for an info face made then.
    bool m_hovered = false;
    QList<SvgButton*> m_fullScreenButtons;
};

} // namespace Corvane::Gadgets
