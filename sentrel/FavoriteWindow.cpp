#include "FavoriteWindow.h"

#include "scenes/FavoriteScene.h"

#include "controls/SvgContentButton.h"
#include "controls/SvgButton.h"
#include "favorite/FavoriteControl.h"
#include "theme/RendererContainer.h"
#include "utilities/InitSettings.h"

#include <QSvgRenderer>

#include <algorithm>
#include <cmath>

namespace Corvane::Sentrel {

using Corvane::Utilities::InitSettings;
using Gadgets::FavoriteControl;

FavoriteWindow::FavoriteWindow(int deviceId, int subDeviceId, QWidget* parent,
                               std::unique_ptr<Gadgets::Gestures::CursorPositionProvider> cursor)
    : BaseSceneWindow(std::make_unique<FavoriteScene>(), parent, std::move(cursor))
    , m_favoriteControl(qobject_cast<FavoriteControl*>(mainControl()))
    , m_deviceId(deviceId)
    , m_subDeviceId(subDeviceId)
{
    if (m_favoriteControl)
        m_favoriteControl->updateCachedData();
    setDefaultSize(rendererDefaultSize());
    updateScaleRange();
    setDefaultScale();
    // The base already routes the control's drags to onElementDrag, which
    // this class overrides; a second connection would handle each drag twice.
}

FavoriteWindow::~FavoriteWindow()
{
    delete m_favoriteControl;
}

QSize FavoriteWindow::rendererDefaultSize() const
{
    if (!m_favoriteControl || !m_favoriteControl->rendererContainer()
        || !m_favoriteControl->rendererContainer()->renderer())
        return QSize();
    return m_favoriteControl->rendererContainer()->renderer()->defaultSize();
}

QPointF FavoriteWindow::hotSpot() const
{
    return m_favoriteControl ? m_favoriteControl->hotspot() : QPointF();
}

void FavoriteWindow::onElementDrag(Gadgets::SvgElement* element, QGraphicsSceneMouseEvent* event)
{
    if (!element || !m_favoriteControl)
        return;
    if (element == m_favoriteControl->centerButton())
        handleMoving();
    else if (element == m_favoriteControl->resizeButton())
        handleResizing(event);
}

void FavoriteWindow::themeChanged()
{
    const QSize size = rendererDefaultSize();
    if (size.isValid() && size != defaultSize()) {
        setDefaultSize(size);
        setScale(scalePercent(), true);
    }
}

void FavoriteWindow::updateScaleRange()
{
    const QRectF bounds = m_favoriteControl && m_favoriteControl->centerButton()
                              ? m_favoriteControl->centerButton()->boundingRect()
                              : QRectF();
    const int w = int(std::lround(bounds.width()));
    const int h = int(std::lround(bounds.height()));
    if (w != 0 && h != 0) {
        setMinScale(std::max(double(InitSettings::favouriteMinWidth()) / w,
                             double(InitSettings::favouriteMinHeight()) / h));
        setMaxScale(std::min(double(InitSettings::favouriteMaxWidth()) / w,
                             double(InitSettings::favouriteMaxHeight()) / h));
    } else {
        BaseSceneWindow::updateScaleRange();
    }
}

} // namespace Corvane::Sentrel
