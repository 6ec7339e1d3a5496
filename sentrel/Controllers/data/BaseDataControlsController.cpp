#include "BaseDataControlsController.h"

#include "BaseSceneWindow.h"
#include "DataWindowPlacement.h"
#include "FavoriteWindow.h"
#include "NavigationWindow.h"
#include "Settings.h"
#include "Controllers/base/CarouselController.h"

#include "controls/SvgControlObject.h"
#include "devices/BaseDevice.h"
#include "devices/GuiProperties.h"
#include "frame/SvgWindowFrame.h"
#include "hosting/BaseQMLWrapper.h"
#include "navigation/NavigationControl.h"
#include "utilities/WidgetUtilities.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace Corvane::Sentrel::Controllers {

using Gadgets::SvgControlObject;

namespace {

const double DEFAULT_DATA_CONTROL_SCALE = 1.0;

// A stored data-control scale as the control may take it: a number that is
// no scale at all (not finite, zero or negative) is no scale stored, others
// keep to the range a data window can be resized in.
double storedDataControlScale(double scale)
{
    if (!std::isfinite(scale) || scale <= 0.0)
        return DEFAULT_DATA_CONTROL_SCALE;
    return std::clamp(scale, Gadgets::SvgWindowFrame::MINIMUM_SCALE, Gadgets::SvgWindowFrame::MAXIMUM_SCALE);
}

int deviceIdOf(const BaseDataControlsController::DataControlMap& map, const SvgControlObject* control)
{
    // The map is ordered by id, so the first match is the smallest id.
    for (auto it = map.cbegin(); it != map.cend(); ++it)
        if (it.value() == control)
            return it.key();
    return -1;
}

void deleteAll(BaseDataControlsController::DataControlMap& map)
{
    const BaseDataControlsController::DataControlMap controls = std::exchange(map, {});
    for (SvgControlObject* control : controls)
        delete control;
}

} // namespace

BaseDataControlsController::BaseDataControlsController(NavigationWindow* window)
    : BaseController(window)
{
}

BaseDataControlsController::~BaseDataControlsController()
{
    clearControls();
}

SvgControlObject* BaseDataControlsController::favoriteDataControl(int deviceId) const
{
    return m_favoriteDataControls.value(deviceId, nullptr);
}

SvgControlObject* BaseDataControlsController::dataControl(int deviceId) const
{
    return m_dataControls.value(deviceId, nullptr);
}

QList<SvgControlObject*> BaseDataControlsController::controls(int deviceId) const
{
    QList<SvgControlObject*> found;
    if (SvgControlObject* control = dataControl(deviceId))
        found.append(control);
    if (SvgControlObject* control = favoriteDataControl(deviceId))
        found.append(control);
    return found;
}

int BaseDataControlsController::getDeviceIdFromDataControl(const SvgControlObject* control) const
{
    const int id = deviceIdOf(m_dataControls, control);
    return id >= 0 ? id : deviceIdOf(m_favoriteDataControls, control);
}

void BaseDataControlsController::showCarousel()
{
    CarouselController* carousel = navigationWindow() ? navigationWindow()->carouselController() : nullptr;
    if (!carousel || carousel->isCarouselVisible())
        return;
    createDataControls();
    QList<SvgControlObject*> list;
    collectCarouselControls(list);
    if (navigationControl())
        navigationControl()->setPreserveSelection(true);
    carousel->showCarousel(list, carouselScale());
    handleCarouselMovementEnded();
}

void BaseDataControlsController::collectCarouselControls(QList<SvgControlObject*>& controls) const
{
    controls.clear();
    for (const Devices::BaseDevice* device : orderedDevices())
        if (SvgControlObject* control = m_dataControls.value(device->id(), nullptr))
            controls.append(control);
}

bool BaseDataControlsController::handleIconsReordered()
{
    if (!isCurrentPage())
        return false;
    QList<int> ids;
    for (const Gadgets::Models::NavigationIcon& icon : navigationControl()->icons())
        ids.append(icon.id());
    reorderIcons(ids);
    saveSettings();
    CarouselController* carousel = navigationWindow() ? navigationWindow()->carouselController() : nullptr;
    if (carousel && carousel->isCarouselVisible()) {
        carousel->hideCarousel();
        showCarousel();
    }
    return true;
}

void BaseDataControlsController::updateControlsCache()
{
    BaseController::updateControlsCache();
    for (SvgControlObject* control : std::as_const(m_dataControls))
        control->updateCachedData();
    for (SvgControlObject* control : std::as_const(m_favoriteDataControls))
        control->updateCachedData();
}

void BaseDataControlsController::handleFullScreenExit()
{
    if (!isCurrentPage() || !navigationWindow() || !navigationWindow()->carouselController())
        return;
    navigationWindow()->carouselController()->setCarouselDelegateScaleFactor(carouselScale());
}

void BaseDataControlsController::pageChanged()
{
    if (navigationControl() && navigationControl()->currentPageId() != controlledPageId()) {
        navigationControl()->setPreserveSelection(false);
        if (CarouselController* carousel = navigationWindow() ? navigationWindow()->carouselController() : nullptr) {
            carousel->hideCarousel();
            carousel->setCarouselCurrentIndex(0);
        }
    }
    BaseController::pageChanged();
}

void BaseDataControlsController::retranslateUi()
{
    BaseController::retranslateUi();
    for (SvgControlObject* control : std::as_const(m_dataControls))
        control->retranslateUi();
    for (SvgControlObject* control : std::as_const(m_favoriteDataControls))
        control->retranslateUi();
}

void BaseDataControlsController::handleCarouselIndexChanged(int index)
{
    CarouselController* carousel = navigationWindow() ? navigationWindow()->carouselController() : nullptr;
    if (carousel && !carousel->moving())
        selectIconAtCarouselIndex(index);
    BaseController::handleCarouselIndexChanged(index);
}

void BaseDataControlsController::handleCarouselMovementEnded()
{
    if (CarouselController* carousel = navigationWindow() ? navigationWindow()->carouselController() : nullptr)
        selectIconAtCarouselIndex(carousel->currentIndex());
    BaseController::handleCarouselMovementEnded();
}

void BaseDataControlsController::selectIconAtCarouselIndex(int index)
{
    if (index >= 0 && index < m_icons.size() && navigationControl())
        navigationControl()->setSelectedIcon(m_icons.at(index), true);
}

double BaseDataControlsController::carouselScale() const
{
    return Settings::guiProperties().carouselScale(controlledPageType());
}

Devices::UserDeviceSettings::Favorite BaseDataControlsController::getFavoriteSettings(FavoriteWindow* window) const
{
    Devices::UserDeviceSettings::Favorite favorite = BaseController::getFavoriteSettings(window);
    // The last value of a stored favourite is the scale of its data control.
    const SvgControlObject* control = m_favoriteDataControls.value(window->deviceId(), nullptr);
    favorite.opacity = control ? control->scale()
                               : m_storedDataControlScales.value(window->deviceId(), DEFAULT_DATA_CONTROL_SCALE);
    return favorite;
}

void BaseDataControlsController::loadSettingsForFavorite(const Devices::UserDeviceSettings::Favorite& favorite)
{
    const double scale = storedDataControlScale(favorite.opacity);
    if (SvgControlObject* control = m_favoriteDataControls.value(favorite.deviceId, nullptr))
        control->setScale(scale);
    else
        m_storedDataControlScales.insert(favorite.deviceId, scale);
}

void BaseDataControlsController::restoreDataControlScale(int deviceId)
{
    SvgControlObject* control = m_favoriteDataControls.value(deviceId, nullptr);
    if (control && m_storedDataControlScales.contains(deviceId))
        control->setScale(m_storedDataControlScales.take(deviceId));
}

void BaseDataControlsController::handleFavoriteClose(FavoriteWindow* window)
{
    // Only the window whose scene holds the data control takes it along.
    SvgControlObject* control = m_favoriteDataControls.value(window->deviceId(), nullptr);
    if (control && control->scene() == window->graphicsScene()) {
        m_favoriteDataControls.remove(window->deviceId());
        window->removeRootControl(control);
        delete control;
    }
    m_storedDataControlScales.remove(window->deviceId());
    BaseController::handleFavoriteClose(window);
}

void BaseDataControlsController::positionDataWindow(BaseSceneWindow* window, int deviceId)
{
    SvgControlObject* data = m_favoriteDataControls.value(deviceId, nullptr);
    SvgControlObject* favorite = window ? window->mainControl() : nullptr;
    if (!data || !favorite)
        return;
    const QRect screenArea = screenAreaOf(window);
    // The placement works on screen coordinates: the scene's origin on
    // screen takes positions back and forth.
    const QPointF origin = window->mapSceneToGlobal(QPointF(0, 0));
    const QRectF favoriteRect = favorite->totalSceneBounds(true).translated(origin);
    const QRectF dataRect = data->mapRectToParent(data->boundingRect()).translated(-data->pos());
    const DataWindowPlacement::Result result = DataWindowPlacement::place(screenArea, favoriteRect, dataRect);
    data->setPos(result.position - origin);
}

void BaseDataControlsController::keepDataWindowOnScreen(BaseSceneWindow* window, int deviceId)
{
    SvgControlObject* data = m_favoriteDataControls.value(deviceId, nullptr);
    if (!data || !window || !window->mainControl())
        return;
    const QPointF origin = window->mapSceneToGlobal(QPointF(0, 0));
    const QRectF dataRect = data->mapRectToParent(data->boundingRect()).translated(-data->pos());
    data->setPos(DataWindowPlacement::movedInside(screenAreaOf(window), dataRect, data->pos() + origin) - origin);
}

QRect BaseDataControlsController::screenAreaOf(const BaseSceneWindow* window)
{
    const QPointF hotSpot = window->mapSceneToGlobal(window->mainControl()->mapToScene(window->hotSpot()));
    return DataWindowPlacement::screenAreaAt(QPoint(int(std::lround(hotSpot.x())), int(std::lround(hotSpot.y()))));
}

void BaseDataControlsController::clearControls()
{
    // The carousel only borrows the controls: it lets go of them first.
    CarouselController* carousel = navigationWindow() ? navigationWindow()->carouselController() : nullptr;
    if (carousel) {
        const QList<SvgControlObject*> shown = carousel->carouselControls();
        const bool showsOurs = std::any_of(shown.cbegin(), shown.cend(), [this](const SvgControlObject* control) {
            return deviceIdOf(m_dataControls, control) >= 0;
        });
        if (showsOurs)
            carousel->hideCarousel();
    }
    deleteAll(m_dataControls);
    // A favourite outlives its data control: a new one comes back at its size.
    for (auto it = m_favoriteDataControls.cbegin(); it != m_favoriteDataControls.cend(); ++it)
        m_storedDataControlScales.insert(it.key(), it.value()->scale());
    deleteAll(m_favoriteDataControls);
}

void BaseDataControlsController::createDataControls()
{
    for (Devices::BaseDevice* device : std::as_const(m_devices))
        if (!m_dataControls.contains(device->id()))
            if (SvgControlObject* control = createDataControl(device))
                m_dataControls.insert(device->id(), control);
}

SvgControlObject* BaseDataControlsController::createDataControl(Devices::BaseDevice*)
{
    return nullptr;
}

void BaseDataControlsController::hideFavoriteDataControl()
{
    if (auto* control = qobject_cast<SvgControlObject*>(sender()))
        control->setVisible(false);
}

void BaseDataControlsController::onCarouselControlResizeRequest(qreal scale)
{
    if (navigationWindow())
        navigationWindow()->onCarouselControlResizeRequest(scale, controlledPageType());
}

} // namespace Corvane::Sentrel::Controllers
