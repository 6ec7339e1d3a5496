#pragma once

#include "models/NavigationIcon.h"

#include <QList>
#include <QSet>
#include <QString>

#include <functional>

namespace Corvane::Gadgets {
class CommandControl;
class FavoriteControl;
class NavigationLabels;
namespace Models {
class DropDownItemModel;
class DropDownModel;
} // namespace Models
namespace Utilities {
class IconRenderer;
class RendererContainer;
} // namespace Utilities
} // namespace Corvane::Gadgets

namespace Corvane::Sentrel::Controllers {

class BaseController;

// A page controller's device icons: a change to a device's icon is drawn on
// the carousel while the page is shown and on the device's favourites, and
// slider changes also reach the device's label. Keeps the icons' order and
// the favourite indicator, and opens the page on the carousel.
class DeviceIcons
{
public:
    explicit DeviceIcons(BaseController& controller);

    // Opens the controller's page: its icons, the page's picture in the
    // centre, labels that may be renamed and the page's element suffix.
    void showPage(const QString& systemRenderer, bool refreshButtons);
    // Moves the icons with the given ids to the positions of the list.
    void reorder(const QList<int>& ids);
    // The icons take the order shown on the carousel, which is saved. False
    // off the page.
    bool takeShownOrder();

    void setIconState(int id, Gadgets::Models::NavigationIcon::State state);
    void setIconText(int id, const QString& text);
    // The name under the icon, on the carousel too; favourites take names
    // of their own (FavoriteWindows::setName).
    void setIconName(int id, const QString& name);
    void setIconMinValue(int id, double value);
    void setIconMaxValue(int id, double value);
    void setIcon(int id, Gadgets::Utilities::RendererContainer* renderer);
    void setIconRenderer(int id, const Gadgets::Utilities::IconRenderer& renderer);
    void setIconSupportsValue(int id, bool supports);
    void setSupportsDeviceInfo(int id, bool supports);
    void setDeviceInfo(int id, const QString& info);
    void setDeviceDropDownItemsModels(int id, const QList<Gadgets::Models::DropDownItemModel*>& models);
    void setDeviceDropDownModel(int id, const Gadgets::Models::DropDownModel& model);
    void setSliderValueBounds(int id, double minimum, double maximum, double step);
    void setSliderTextFormat(int id, const QString& format);
    void setSliderValuePrecision(int id, int precision);
    void setSliderValueStep(int id, double step);
    void setSliderInvalidValueSteps(int id, const QSet<int>& steps);
    void setSliderValue(int id, double value);
    void addRemoveIconIndicator(int iconId, const QString& indicatorName, bool present);

    void updateUI(const Gadgets::Models::NavigationIcon& icon);
    void updateSliders(int selectedSegment);
    QList<Gadgets::Models::NavigationIcon> withFavoriteIndicators(
        const QList<Gadgets::Models::NavigationIcon>& icons) const;

    static Gadgets::Utilities::IconRenderer addRemoveIndicator(const Gadgets::Utilities::IconRenderer& renderer,
                                                               Gadgets::Utilities::RendererContainer* indicator,
                                                               bool present);
    static Gadgets::Utilities::IconRenderer addRemoveIndicator(const Gadgets::Utilities::IconRenderer& renderer,
                                                               const QString& indicatorName, bool present);
    static void updateButtonIcon(const QString& buttonId, const QList<Gadgets::CommandControl*>& commandControls,
                                 const QList<Gadgets::FavoriteControl*>& favoriteControls,
                                 const Gadgets::Models::NavigationIcon& icon);

private:
    template<typename Change>
    void changeIcon(int id, Change change);
    template<typename Change>
    void changeFavorites(int id, Change change);
    // Calls change with the labels and the segment of the icon's label while
    // the page is shown.
    void changeLabel(int id, const std::function<void(Gadgets::NavigationLabels*, int segment)>& change);

    BaseController& m_controller;
};

} // namespace Corvane::Sentrel::Controllers
