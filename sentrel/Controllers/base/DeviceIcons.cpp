#include "DeviceIcons.h"

#include "BaseController.h"
#include "FavoriteWindow.h"
#include "NavigationWindow.h"

#include "commandcontrol/CommandControl.h"
#include "controls/IconRenderer.h"
#include "devices/BaseDevice.h"
#include "favorite/FavoriteControl.h"
#include "navigation/NavigationContainer.h"
#include "navigation/NavigationControl.h"
#include "navigation/NavigationLabels.h"
#include "theme/ThemeProvider.h"

namespace Corvane::Sentrel::Controllers {

using Gadgets::FavoriteControl;
using Gadgets::NavigationLabels;
using Gadgets::Models::NavigationIcon;
using Gadgets::Utilities::IconRenderer;
using Gadgets::Utilities::RendererContainer;

DeviceIcons::DeviceIcons(BaseController& controller)
    : m_controller(controller)
{
}

void DeviceIcons::showPage(const QString& systemRenderer, bool refreshButtons)
{
    Gadgets::NavigationControl* navigation = m_controller.m_navigationControl;
    if (!navigation)
        return;
    navigation->setIcons(withFavoriteIndicators(m_controller.m_icons), false);
    navigation->setCentralContent(Gadgets::ThemeProvider::getRendererFor(systemRenderer), QString());
    navigation->setCurrentPageId(m_controller.controlledPageId());
    if (NavigationLabels* labels = navigation->labels()) {
        labels->setLabelsRefreshButtonsVisible(refreshButtons);
        labels->setCanEditLabels(true);
    }
    NavigationWindow* window = m_controller.m_window;
    if (window && window->navigationContainer())
        window->navigationContainer()->setElementsSuffix(m_controller.elementsSuffix());
}

void DeviceIcons::reorder(const QList<int>& ids)
{
    QList<NavigationIcon>& icons = m_controller.m_icons;
    for (int i = 0; i < ids.size() && i < icons.size(); ++i) {
        const int from = m_controller.indexOfIcon(ids.at(i));
        if (from >= 0)
            icons.move(from, i);
    }
}

bool DeviceIcons::takeShownOrder()
{
    if (!m_controller.isCurrentPage())
        return false;
    int target = 0;
    for (const NavigationIcon& shown : m_controller.m_navigationControl->icons()) {
        const int from = m_controller.indexOfIcon(shown.id());
        if (from >= 0)
            m_controller.m_icons.move(from, target++);
    }
    m_controller.saveSettings();
    return true;
}

template<typename Change>
void DeviceIcons::changeIcon(int id, Change change)
{
    const int position = m_controller.indexOfIcon(id);
    if (position < 0)
        return;
    change(m_controller.m_icons[position]);
    updateUI(m_controller.m_icons.at(position));
}

template<typename Change>
void DeviceIcons::changeFavorites(int id, Change change)
{
    m_controller.m_favorites.changeControls(id, change);
}

void DeviceIcons::changeLabel(int id, const std::function<void(NavigationLabels*, int segment)>& change)
{
    const int position = m_controller.indexOfIcon(id);
    Gadgets::NavigationControl* navigation = m_controller.m_navigationControl;
    if (!m_controller.isCurrentPage() || position < 0 || !navigation->labels())
        return;
    const int segment = navigation->getSegmentIndexByIcon(position);
    if (segment >= 0 && segment < navigation->labels()->count())
        change(navigation->labels(), segment);
}

void DeviceIcons::setIconState(int id, NavigationIcon::State state)
{
    changeIcon(id, [state](NavigationIcon& icon) { icon.setState(state); });
}

void DeviceIcons::setIconText(int id, const QString& text)
{
    changeIcon(id, [&text](NavigationIcon& icon) { icon.setText(text); });
}

void DeviceIcons::setIconName(int id, const QString& name)
{
    const int position = m_controller.indexOfIcon(id);
    if (position < 0)
        return;
    NavigationIcon& icon = m_controller.m_icons[position];
    icon.setTooltip(name);
    if (m_controller.isCurrentPage())
        m_controller.m_navigationControl->updateIcon(withFavoriteIndicators({icon}).constFirst());
}

void DeviceIcons::setIconMinValue(int id, double value)
{
    changeIcon(id, [value](NavigationIcon& icon) { icon.setMinValue(value); });
}

void DeviceIcons::setIconMaxValue(int id, double value)
{
    changeIcon(id, [value](NavigationIcon& icon) { icon.setMaxValue(value); });
}

void DeviceIcons::setIcon(int id, RendererContainer* renderer)
{
    changeIcon(id, [renderer](NavigationIcon& icon) { icon.setRenderer(IconRenderer(renderer, {})); });
}

void DeviceIcons::setIconRenderer(int id, const IconRenderer& renderer)
{
    changeIcon(id, [&renderer](NavigationIcon& icon) { icon.setRenderer(renderer); });
}

void DeviceIcons::setIconSupportsValue(int id, bool supports)
{
    changeIcon(id, [supports](NavigationIcon& icon) { icon.setSupportsValue(supports); });
}

void DeviceIcons::setSupportsDeviceInfo(int id, bool supports)
{
    changeIcon(id, [supports](NavigationIcon& icon) { icon.setSupportsExtendedInfo(supports); });
    changeFavorites(id, [supports](FavoriteControl* f) { f->setLabelSupportsExtendedInfo(supports); });
}

void DeviceIcons::setDeviceInfo(int id, const QString& info)
{
    changeIcon(id, [&info](NavigationIcon& icon) { icon.setDropDownText(info); });
    changeFavorites(id, [&info](FavoriteControl* f) { f->setLabelExtendedInfo(info); });
}

void DeviceIcons::setDeviceDropDownModel(int id, const Gadgets::Models::DropDownModel& model)
{
    changeIcon(id, [&model](NavigationIcon& icon) { icon.setDropDownModel(model); });
    changeFavorites(id, [&model](FavoriteControl* f) { f->setLabelDropDownModel(model); });
}

void DeviceIcons::setDeviceDropDownItemsModels(int id, const QList<Gadgets::Models::DropDownItemModel*>& models)
{
    changeIcon(id, [&models](NavigationIcon& icon) { icon.setDropDownItemsModels(models); });
    changeFavorites(id, [&models](FavoriteControl* f) { f->setLabelDropDownItemsModels(models); });
}

void DeviceIcons::setSliderValueBounds(int id, double minimum, double maximum, double step)
{
    changeIcon(id, [=](NavigationIcon& icon) {
        icon.setMinValue(minimum);
        icon.setMaxValue(maximum);
        icon.setValueStep(step);
    });
    changeFavorites(id, [=](FavoriteControl* f) { f->setSliderValueBounds(minimum, maximum, step); });
    changeLabel(id, [=](NavigationLabels* labels, int segment) {
        labels->setSliderValueBounds(segment, minimum, maximum, step);
    });
}

void DeviceIcons::setSliderTextFormat(int id, const QString& format)
{
    changeIcon(id, [&format](NavigationIcon& icon) { icon.setValueFormat(format); });
    changeFavorites(id, [&format](FavoriteControl* f) { f->setSliderValueFormat(format); });
    changeLabel(id, [&](NavigationLabels* labels, int segment) { labels->setSliderValueFormat(segment, format); });
}

void DeviceIcons::setSliderValuePrecision(int id, int precision)
{
    changeIcon(id, [precision](NavigationIcon& icon) { icon.setValuePrecision(precision); });
    changeFavorites(id, [precision](FavoriteControl* f) { f->setSliderValuePrecision(precision); });
    changeLabel(id, [=](NavigationLabels* labels, int segment) {
        labels->setSliderValuePrecision(segment, precision);
    });
}

void DeviceIcons::setSliderValueStep(int id, double step)
{
    changeIcon(id, [step](NavigationIcon& icon) { icon.setValueStep(step); });
    changeFavorites(id, [step](FavoriteControl* f) { f->setSliderValueStep(step); });
    changeLabel(id, [=](NavigationLabels* labels, int segment) { labels->setSliderValueStep(segment, step); });
}

void DeviceIcons::setSliderInvalidValueSteps(int id, const QSet<int>& steps)
{
    changeIcon(id, [&steps](NavigationIcon& icon) { icon.setInvalidValueSteps(steps); });
    changeFavorites(id, [&steps](FavoriteControl* f) { f->setSliderInvalidValueSteps(steps); });
    changeLabel(id, [&](NavigationLabels* labels, int segment) { labels->setSliderInvalidValueSteps(segment, steps); });
}

void DeviceIcons::setSliderValue(int id, double value)
{
    changeIcon(id, [value](NavigationIcon& icon) { icon.setValue(value); });
    changeLabel(id, [=](NavigationLabels* labels, int segment) { labels->setSliderValue(segment, value); });
    changeFavorites(id, [value](FavoriteControl* f) { f->setSliderValue(value); });
}

void DeviceIcons::addRemoveIconIndicator(int iconId, const QString& indicatorName, bool present)
{
    changeIcon(iconId, [&](NavigationIcon& icon) {
        icon.setRenderer(addRemoveIndicator(icon.renderer(), indicatorName, present));
    });
    changeFavorites(iconId, [&](FavoriteControl* f) {
        f->setIconRenderer(addRemoveIndicator(f->iconRenderer(), indicatorName, present));
    });
}

void DeviceIcons::updateUI(const NavigationIcon& icon)
{
    const QString& indicator = Gadgets::ThemeProvider::FAVORITE_INDICATOR;
    if (m_controller.isCurrentPage()) {
        NavigationIcon shown = icon;
        shown.setRenderer(addRemoveIndicator(icon.renderer(), indicator, m_controller.hasFavoriteFor(icon.id())));
        m_controller.m_navigationControl->updateIcon(shown);
    }
    for (FavoriteWindow* window : m_controller.m_favorites.of(icon.id())) {
        NavigationIcon content = icon;
        if (icon.renderer().main())
            content.setRenderer(addRemoveIndicator(icon.renderer(), indicator, false));
        else
            content.setRenderer(IconRenderer(m_controller.favoriteIconRenderer(), {}));
        window->favoriteControl()->updateContent(content);
    }
}

void DeviceIcons::updateSliders(int selectedSegment)
{
    Gadgets::NavigationControl* navigation = m_controller.m_navigationControl;
    NavigationLabels* labels = navigation ? navigation->labels() : nullptr;
    if (!labels)
        return;
    labels->showAllSliders();
    for (int segment = 0; segment < labels->count(); ++segment) {
        const int position = navigation->getIconIndexBySegment(segment);
        if (position < 0 || position >= m_controller.m_icons.size()) {
            labels->setSliderImageVisible(segment, false);
            continue;
        }
        const Devices::BaseDevice* device = m_controller.getDeviceById(m_controller.m_icons.at(position).id());
        if (!device)
            continue;
        if (!device->hasSliderValue()) {
            labels->setSliderImageVisible(segment, false);
            continue;
        }
        labels->setSliderImageVisible(segment, segment == selectedSegment && navigation->commandControl1()
                                                   && device->showsSliderImage());
        labels->setSliderValue(segment, device->currentValue());
    }
}

QList<NavigationIcon> DeviceIcons::withFavoriteIndicators(const QList<NavigationIcon>& icons) const
{
    QList<NavigationIcon> marked = icons;
    for (NavigationIcon& icon : marked)
        if (m_controller.hasFavoriteFor(icon.id()))
            icon.setRenderer(addRemoveIndicator(icon.renderer(), Gadgets::ThemeProvider::FAVORITE_INDICATOR, true));
    return marked;
}

IconRenderer DeviceIcons::addRemoveIndicator(const IconRenderer& renderer, RendererContainer* indicator, bool present)
{
    QList<RendererContainer*> overlays = renderer.overlays();
    if (present && !overlays.contains(indicator))
        overlays.append(indicator);
    else if (!present)
        overlays.removeAll(indicator);
    return IconRenderer(renderer.main(), overlays);
}

IconRenderer DeviceIcons::addRemoveIndicator(const IconRenderer& renderer, const QString& indicatorName, bool present)
{
    return addRemoveIndicator(renderer, Gadgets::ThemeProvider::getRendererFor(indicatorName), present);
}

void DeviceIcons::updateButtonIcon(const QString& buttonId, const QList<Gadgets::CommandControl*>& commandControls,
                                   const QList<FavoriteControl*>& favoriteControls, const NavigationIcon& icon)
{
    for (Gadgets::CommandControl* control : commandControls)
        control->setButtonIcon(buttonId, icon);
    for (FavoriteControl* control : favoriteControls)
        control->setCommandControlButtonIcon(buttonId, icon);
}

} // namespace Corvane::Sentrel::Controllers
