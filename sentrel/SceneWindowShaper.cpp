#include "SceneWindowShaper.h"

#include "BaseSceneWindow.h"
#include "CompositorShadowReset.h"
#include "CompositorWatch.h"
#include "SceneView.h"
#include "WindowShape.h"

#include "utilities/InputMaskUpdater.h"

namespace Corvane::Sentrel {

SceneWindowShaper::SceneWindowShaper(BaseSceneWindow* window, SceneView* view,
                                     std::function<bool()> coversWholeWindow)
    : QObject(window)
    , m_window(window)
    , m_view(view)
    , m_coversWholeWindow(std::move(coversWholeWindow))
    , m_shape(std::make_unique<WindowShape>(window))
    , m_shadowReset(new CompositorShadowReset(window))
{
    connect(CompositorWatch::instance(), &CompositorWatch::changed, this, &SceneWindowShaper::followCompositing);
    connect(m_view, &SceneView::drawnOpaque, this, &SceneWindowShaper::followOpaqueDrawing);
}

SceneWindowShaper::~SceneWindowShaper() = default;

bool SceneWindowShaper::desktopBlends() const
{
    return m_shape->desktopBlends();
}

QRegion SceneWindowShaper::region() const
{
    return m_shape->region();
}

WId SceneWindowShaper::appliedTo() const
{
    return m_shape->appliedTo();
}

// A window is shown with the shape of what it draws, also when the window
// system window was just made anew (a change of its flags): until the next
// change of the scene nothing else would set it. Only a first showing on a
// desktop that blends takes the gadget's rectangle: there the shape only
// decides where clicks go, and the worker started by the first frame sets
// the drawn shape, so the start need not draw the scene twice.
void SceneWindowShaper::prepareToShow()
{
    m_view->setDrawsOpaqueOnly(!m_shape->desktopBlends());
    // A compositing manager may have a stale drop shadow ready for the frame.
    if (m_shape->kind() == WindowShape::Kind::Input)
        m_shadowReset->arm();
    applyForShowing();
}

// Showing a window whose "stay on top" hint changed makes its window system
// window anew. The new one gets its shape now: the request follows the map
// request, before the window manager maps the window.
void SceneWindowShaper::shown()
{
    if (m_shape->nativeWindow() != m_shape->appliedTo())
        applyForShowing();
}

void SceneWindowShaper::applyForShowing()
{
    if (m_workerStarted || !m_shape->desktopBlends())
        applyDrawnNow();
    else
        applyGadgetRect();
}

// A compositing manager that starts or stops changes how the desktop shows
// translucent pixels: a shown window draws and takes its shape the new way
// at once, or the desktop around the gadget would turn black (no compositing
// manager left to blend) or the gadget stay cut to its opaque pixels.
void SceneWindowShaper::followCompositing()
{
    if (!m_window->isVisible())
        return;
    m_view->setDrawsOpaqueOnly(!m_shape->desktopBlends());
    applyDrawnNow();
}

// Where the desktop cannot blend, a pixel inside the shape but no longer
// drawn shows black: the shape follows each drawing at once.
void SceneWindowShaper::followOpaqueDrawing(const QRect& area, const QRegion& drawn)
{
    if (m_workerStarted && !m_coversWholeWindow() && m_shape->kind() == WindowShape::Kind::Bounding)
        m_shape->apply((m_shape->region() - area) + drawn);
}

void SceneWindowShaper::applyDrawnNow()
{
    if (m_coversWholeWindow()) {
        m_shape->apply(QRegion(m_window->rect()));
        return;
    }
    QPoint offset;
    const QImage image = m_window->createWindowImage(&offset);
    if (image.isNull()) {
        applyGadgetRect();
        return;
    }
    // An answer on its way from the worker is older than this shape.
    ++m_serial;
    m_shape->apply(Utilities::InputMaskUpdater::visibleRegion(image, offset));
}

void SceneWindowShaper::applyGadgetRect()
{
    if (m_coversWholeWindow()) {
        m_shape->apply(QRegion(m_window->rect()));
        return;
    }
    const QRect gadget =
        m_window->customRect().translated(-m_window->mapToGlobal(QPoint(0, 0))).intersected(m_window->rect());
    m_shape->apply(QRegion(gadget));
}

void SceneWindowShaper::applyAnswer(const QRegion& region, quint64 serial)
{
    if (serial == m_serial)
        m_shape->apply(region);
}

void SceneWindowShaper::applyWholeWindow()
{
    ++m_serial;
    m_shape->apply(QRegion(m_window->rect()));
}

bool SceneWindowShaper::widen(const QRect& oldRect, const QRect& newRect)
{
    if (!m_workerStarted || m_shape->kind() != WindowShape::Kind::Bounding || oldRect == newRect)
        return false;
    const QPoint origin = m_window->mapToGlobal(QPoint(0, 0));
    m_shape->apply(m_shape->region() + oldRect.translated(-origin) + newRect.translated(-origin));
    return true;
}

} // namespace Corvane::Sentrel
