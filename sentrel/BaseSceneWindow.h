#pragma once

#include "gestures/CursorPositionProvider.h"
#include "gestures/GestureRecognizer.h"
#include "SceneView.h"
#include "scenes/Scene.h"

#include <QImage>
#include <QList>
#include <QPixmap>
#include <QPointer>
#include <QRegion>
#include <QTimer>
#include <QWidget>

#include <memory>

class QGraphicsScene;
class QGraphicsSceneMouseEvent;
class QGraphicsSceneWheelEvent;
class QGraphicsView;
class QThread;

namespace Corvane::Gadgets {
class SvgControlObject;
class SvgElement;
namespace Gestures {
class EventConsumer;
}
namespace Utilities {
class BaseQMLWrapper;
}
} // namespace Corvane::Gadgets

namespace Corvane::Utilities {
class InputMaskUpdater;
}

namespace Corvane::Sentrel {

class SceneWindowShaper;

// Base of the program's top-level windows: a frameless translucent window
// holding a graphics view of one scene, whose root wrapper hosts the main
// control. The window turns the scene's raw input into gestures, forwards
// them to the main control and to further root controls, moves and resizes
// the gadget as the user drags it, keeps its hot spot on screen and applies
// the transparency.
//
// In whole-desktop mode (whenever the desktop shows translucent windows) the
// window covers the desktop, one pixel short each way, and the gadget moves
// inside it. A worker thread turns the window image into the click-through
// shape: after the scene changes, the GUI thread renders the gadget's
// rectangle and hands it over; the region of visible pixels comes back and
// is applied (SceneWindowShaper). Both hand-overs are queued; nothing waits.
class BaseSceneWindow : public QWidget
{
    Q_OBJECT
    Q_MOC_INCLUDE("utilities/InputMaskUpdater.h")
    Q_PROPERTY(int scalePercent READ scalePercent WRITE setScalePercent)
    Q_PROPERTY(QPointF wrapperPos READ wrapperPos WRITE setWrapperPos)

public:
    // cursor: where the pointer is, globally; the system cursor by default.
    explicit BaseSceneWindow(std::unique_ptr<Scene> scene, QWidget* parent = nullptr,
                             std::unique_ptr<Gadgets::Gestures::CursorPositionProvider> cursor = {});
    ~BaseSceneWindow() override;

    Scene* sceneDefinition() const { return m_sceneDefinition.get(); }
    Gadgets::Utilities::BaseQMLWrapper* wrapper() const { return m_wrapper; }
    Gadgets::SvgControlObject* mainControl() const { return m_mainControl; }
    QGraphicsView* view() const { return m_view; }
    QGraphicsScene* graphicsScene() const { return m_scene; }
    Gadgets::Gestures::GestureRecognizer& gestureRecognizer() { return m_gestureRecognizer; }

    QPointF wrapperPos() const;
    void setWrapperPos(const QPointF& position);
    int scalePercent() const { return m_scalePercent; }
    // The raw scale, as animations drive it (full-screen mode included).
    void setScalePercent(int percent) { BaseSceneWindow::setScale(percent, false); }
    double currentScale() const { return m_currentScale; }
    double minScale() const { return m_minScale; }
    double maxScale() const { return m_maxScale; }
    void setMinScale(double scale) { m_minScale = scale; }
    void setMaxScale(double scale) { m_maxScale = scale; }
    bool isInResizeMode() const { return m_resizeMode; }
    void setIsInResizeMode(bool on);

    void addRootControl(Gadgets::SvgControlObject* control);
    void removeRootControl(Gadgets::SvgControlObject* control);
    int rootControlCount() const { return int(m_rootControls.size()); }

    void setDefaultSize(const QSize& size);
    QSize defaultSize() const;
    void setDefaultScale();

    bool supportsTransparency() const { return m_supportsTransparency; }
    void setSupportsTransparency(bool supports);
    void updateNonTransparentBackground();
    bool shouldDrawNonTransparentBackground() const;

    void showTo();
    void setVisible(bool visible) override;
    // Whether the desktop shows translucent windows (a compositing manager
    // runs on X11): else the window draws nothing partly transparent and
    // its opacity has no effect.
    bool isTranslucencyAvailable() const;
    void useWholeDesktopArea(bool available);
    void setArea(const QRectF& area);

    QPointF mapSceneToGlobal(const QPointF& point) const;
    QRectF mapSceneToGlobal(const QRectF& rect) const;
    QPointF mapGlobalToScene(const QPoint& point) const;
    QPoint customPosition() const;
    QRect customRect() const;
    void moveTo(const QPoint& position);
    void moveTo();
    void moveOnScreen(const QPoint& position);
    QPoint globalHotSpot() const;
    bool isTransparent(const QPoint& point) const;

    // The click-through shape last applied, in window coordinates, and the
    // window system window it was applied to.
    QRegion inputMask() const;
    WId inputMaskWindow() const;
    // Renders the gadget's rectangle; offset receives where it lies in the
    // window.
    QImage createWindowImage(QPoint* offset) const;
    bool isInputMaskRunning() const { return m_inputMaskRunning; }
    void startInputMaskUpdate(bool start);
    // Stops the worker; readyToDestroy follows once it is gone, or at once
    // (queued) when it never ran. Reported once.
    void prepareToDestroy();
    // Deletes the window once its worker is gone (at once when there is
    // none, or when the window already reported that it may go).
    void destroyLater();

    // Follow the user's drag of the gadget's move and resize elements.
    virtual void handleResizing(QGraphicsSceneMouseEvent* event);
    virtual void handleMoving();

    // The hot spot in the main control's coordinates.
    virtual QPointF hotSpot() const = 0;

    // The window opacity that a transparency of 0..100 gives.
    static double opacityForTransparency(int transparency);

Q_SIGNALS:
    // Once, when the window and its scene have been painted for the first
    // time.
    void firstFramePainted();
    void readyToDestroy();
    void closing();
    void moved(const QPointF& center);
    void resized();
    void inputMaskRequested(const QImage& image, const QPoint& offset, quint64 serial);

public Q_SLOTS:
    virtual void setTransparency(int transparency);
    virtual void setScale(int percent, bool force);
    virtual void onElementClick(Corvane::Gadgets::SvgElement* element);
    virtual void onElementPress(Corvane::Gadgets::SvgElement* element);
    virtual void onElementRelease(Corvane::Gadgets::SvgElement* element);
    virtual void onElementDrag(Corvane::Gadgets::SvgElement* element, QGraphicsSceneMouseEvent* event);
    virtual void handleClick(void* pressConsumer, const QPoint& position);
    virtual void handleDoubleClick(const QPoint& position);
    virtual void handlePress(Corvane::Gadgets::Gestures::EventConsumer& consumer);
    virtual void handlePressAndHold();
    virtual void handlePressAndMove(void* pressConsumer);
    virtual void handlePressMoveAndHover();
    virtual void handleEndPressAndMove();
    virtual void handleRelease(void* pressConsumer);
    virtual void handleSwipe(qreal angle, qreal speed);
    virtual void handleKeyPress(QKeyEvent* event);
    virtual void handleKeyRelease(QKeyEvent* event);
    virtual void handleMouseWheelEvent(QGraphicsSceneWheelEvent* event);
    virtual void themeChanged() = 0;
    virtual void setControlsCustomScale(qreal scale);
    void ensureWindowIsOnScreen();

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

    // Sets the shape to the gadget's rectangle (all of the window when it
    // covers it), as before the window is shown.
    void setFirstInputMask();
    // Whether the window is opaque all over, so that all of it takes input.
    virtual bool coversWholeWindow() const { return false; }
    virtual void updateScaleRange();
    virtual void forwardMousePress(QGraphicsSceneMouseEvent* event, Gadgets::Gestures::EventConsumer& consumer);
    virtual void forwardMouseRelease(QGraphicsSceneMouseEvent* event, void* pressConsumer);
    virtual void forwardMouseClick(QGraphicsSceneMouseEvent* event);
    virtual void forwardMouseDoubleClick(QGraphicsSceneMouseEvent* event);
    virtual void forwardMousePressAndHold(QGraphicsSceneMouseEvent* event);
    virtual void forwardMousePressAndMove(const QPointF& pressScenePos, QGraphicsSceneMouseEvent* event,
                                          void* pressConsumer);
    virtual void forwardMouseEndPressAndMove(QGraphicsSceneMouseEvent* event);
    virtual void forwardKeyPress(QKeyEvent* event);

    // A synthetic event at a global position, its scene position mapped.
    void prepareEvent(QGraphicsSceneMouseEvent& event, const QPoint& globalPosition) const;
    QPoint cursorPosition() const;
    bool isWholeDesktopMode() const { return m_wholeDesktopMode; }
    // Calls handle on the further root controls in order until one accepts
    // the event; dead entries are dropped on the way.
    template<typename Handler>
    void forwardToRootControls(QEvent* event, Handler handle);

private:
    void configureView();
    void connectSignals();
    void recordPress();
    void scheduleInputMaskUpdate();
    void requestInputMask();
    void onMaskReady(const QRegion& region, quint64 serial);
    void widenShape(const QRect& oldRect, const QRect& newRect);
    void reportReadyToDestroy();
    void reportFirstFrame();
    QPointF hotSpotInWrapper() const;
    QRect paintedRectInWindow() const;

    std::unique_ptr<Gadgets::Gestures::CursorPositionProvider> m_cursor;
    double m_scaleAtPress = 1.0;
    QPoint m_hotSpotAtPress;
    QPointF m_wrapperAtPress;
    QPoint m_pressPoint;
    int m_scalePercent = 100;
    QPixmap m_nonTransparentBackground;
    QGraphicsScene* m_scene = nullptr;
    SceneView* m_view = nullptr;
    double m_minScale = 0.5;
    double m_maxScale = 1.5;
    Gadgets::SvgControlObject* m_mainControl = nullptr;
    Gadgets::Gestures::GestureRecognizer m_gestureRecognizer;
    Gadgets::Utilities::BaseQMLWrapper* m_wrapper = nullptr;
    QList<QPointer<Gadgets::SvgControlObject>> m_rootControls;
    bool m_resizeMode = false;
    double m_currentScale = 1.0;
    bool m_supportsTransparency = true;
    bool m_wholeDesktopMode = false;
    QPointer<Utilities::InputMaskUpdater> m_inputMaskUpdater;
    QThread* m_inputMaskThread = nullptr;
    bool m_inputMaskRunning = false;
    bool m_readyToDestroyReported = false;
    bool m_firstFrameReported = false;
    // Set while the window is drawn into a picture (for its shape): no frame
    // of the screen.
    bool m_drawingPicture = false;
    QTimer m_inputMaskTimer;
    SceneWindowShaper* m_shaper = nullptr;
    std::unique_ptr<Scene> m_sceneDefinition;
};

} // namespace Corvane::Sentrel
