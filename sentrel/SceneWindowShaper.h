#pragma once

#include <QObject>
#include <QRegion>
#include <qwindowdefs.h>

#include <functional>
#include <memory>

namespace Corvane::Sentrel {

class BaseSceneWindow;
class CompositorShadowReset;
class SceneView;
class WindowShape;

// Shapes a scene window and sets how its view draws, for the desktop it
// shows on. Under a compositing manager the view draws translucent and the
// shape only cuts the clicks; without one the view draws each pixel opaque
// or not at all and the shape cuts the drawing too (WindowShape). The
// window keeps its shape when Qt makes its window system window anew while
// showing it, and follows a compositing manager that starts or stops while
// it shows.
//
// The shape is the gadget's rectangle until the window's mask worker has
// worked out the drawn shape once; then it is always what the window draws.
class SceneWindowShaper : public QObject
{
    Q_OBJECT

public:
    // coversWholeWindow: whether the window is opaque all over just now.
    SceneWindowShaper(BaseSceneWindow* window, SceneView* view, std::function<bool()> coversWholeWindow);
    ~SceneWindowShaper() override;

    // Whether the desktop blends translucent pixels with what lies behind.
    bool desktopBlends() const;
    // The shape last applied, in window coordinates, and the window system
    // window it went to.
    QRegion region() const;
    WId appliedTo() const;

    // Around QWidget::setVisible(true): the drawing mode and the shape go to
    // the window before it maps, and to a window system window made anew
    // while it was shown.
    void prepareToShow();
    void shown();
    // The mask worker started: from now on the shape is what is drawn.
    void workerStarted() { m_workerStarted = true; }

    // The gadget's rectangle (all of the window when it covers it).
    void applyGadgetRect();
    // A request to the worker; its answer is applied only while no newer
    // shape went to the window.
    quint64 nextRequest() { return ++m_serial; }
    void applyAnswer(const QRegion& region, quint64 serial);
    // All of the window, for a window that covers it.
    void applyWholeWindow();
    // Without a compositing manager the gadget moved or grew from oldRect
    // to newRect (global): both join the shape until the worker's next
    // answer, so that nothing of the gadget is cut. False when nothing
    // changed.
    bool widen(const QRect& oldRect, const QRect& newRect);

private:
    void applyForShowing();
    void applyDrawnNow();
    void followCompositing();
    void followOpaqueDrawing(const QRect& area, const QRegion& drawn);

    BaseSceneWindow* m_window;
    SceneView* m_view;
    std::function<bool()> m_coversWholeWindow;
    std::unique_ptr<WindowShape> m_shape;
    CompositorShadowReset* m_shadowReset;
    bool m_workerStarted = false;
    quint64 m_serial = 0;
};

} // namespace Corvane::Sentrel
