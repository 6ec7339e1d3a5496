#pragma once

#include <QObject>
#include <QSize>

class QWidget;

namespace Corvane::Sentrel {

// Makes a compositing manager forget a drop shadow that it worked out for a
// window before it knew the window was translucent. xcompmgr works out the
// shadow of a window manager's frame when the frame is first placed, which
// happens before the frame maps; until it maps, xcompmgr has not looked at
// its pixel format and may take it for an opaque window. The shadow it keeps
// then, of a desktop-sized window, darkens the whole desktop, and stays until
// the frame unmaps or changes its size. So once the window shows, its width
// grows by a pixel and shrinks back: the frame's new size drops the shadow,
// and the one worked out anew knows the frame is translucent. The extra
// column is transparent and takes no clicks.
class CompositorShadowReset : public QObject
{
    Q_OBJECT

public:
    explicit CompositorShadowReset(QWidget* window);

    // The window is about to show on a desktop that a compositing manager
    // draws: its next exposure starts the change of size.
    void arm();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Step { Idle, WaitingForExposure, Widened };

    void widen();
    void narrowBack();

    QWidget* m_window;
    Step m_step = Step::Idle;
    QSize m_size;
};

} // namespace Corvane::Sentrel
