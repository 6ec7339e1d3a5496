#include "CompositorShadowReset.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace Corvane::Sentrel {

CompositorShadowReset::CompositorShadowReset(QWidget* window)
    : QObject(window)
    , m_window(window)
{
    m_window->installEventFilter(this);
}

void CompositorShadowReset::arm()
{
    m_window->winId();
    m_window->windowHandle()->installEventFilter(this);
    m_step = Step::WaitingForExposure;
}

bool CompositorShadowReset::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Expose && m_step == Step::WaitingForExposure && watched == m_window->windowHandle()
        && m_window->windowHandle()->isExposed()) {
        widen();
    } else if (event->type() == QEvent::Resize && m_step == Step::Widened && watched == m_window
               && m_window->size() != m_size) {
        narrowBack();
    }
    return false;
}

// The window manager has mapped the frame by now: the size it changes next
// reaches the compositing manager after the mapping.
void CompositorShadowReset::widen()
{
    m_step = Step::Widened;
    m_size = m_window->size();
    m_window->resize(m_size.width() + 1, m_size.height());
}

// Back once the wider size took effect, in a request of its own: a window
// manager may merge requests that wait together, and with them the change.
void CompositorShadowReset::narrowBack()
{
    m_step = Step::Idle;
    m_window->resize(m_size);
}

} // namespace Corvane::Sentrel
