#include "ThermoregulationDeviceIcons.h"

#include "Controllers/base/BaseController.h"
#include "ThermoregulationUnits.h"

#include "controls/IconRenderer.h"
#include "devices/ThermoregulationDevice.h"
#include "theme/ThemeProvider.h"

#include <QLocale>

#include <cmath>

namespace Corvane::Sentrel::Controllers {

using Gadgets::ThemeProvider;
using Gadgets::Utilities::IconRenderer;
using Units = ThermoregulationUnits;

namespace {

const int ZONE_99 = 8003;
const int ZONE_4 = 8004;
const int ADVANCED_AIR_CONDITIONER = 4003;
const double TENTHS = 10.0;
const int SIGNIFICANT_DIGITS = 6;

IconRenderer devicePicture(const Devices::ThermoregulationDevice* device)
{
    return IconRenderer(ThemeProvider::getRendererFor(device->isAirconditioner() ? ThemeProvider::AIRCONDITIONER
                                                                                  : ThemeProvider::THERMOREGULATOR),
                        {});
}

} // namespace

ThermoregulationDeviceIcons::ThermoregulationDeviceIcons(BaseController& controller)
    : m_controller(controller)
{
}

ThermoregulationDeviceIcons::Icon ThermoregulationDeviceIcons::initialIcon(const Device* device)
{
    Icon icon(devicePicture(device), device->name(), device->id());
    icon.setState(Icon::Uninitialized);
    icon.setWillExpand(willIconExpand(device));
    if (device->hasSliderValue()) {
        icon.setSupportsValue(true);
        icon.setValueFormat(QString());
        icon.setMinValue(Units::celsiusToActualTemperature(device->valueMinimum()));
        icon.setMaxValue(Units::celsiusToActualTemperature(device->valueMaximum()));
        icon.setValueStep(Units::celsiusToActualStep(device->valueStep()));
    }
    return icon;
}

bool ThermoregulationDeviceIcons::willIconExpand(const Device* device)
{
    switch (device->deviceType()) {
    case ADVANCED_AIR_CONDITIONER:
    case ZONE_99:
        return true;
    case ZONE_4:
        return device->supportsFancoil();
    default:
        return false;
    }
}

void ThermoregulationDeviceIcons::drawState(const Device* device)
{
    const int id = device->id();
    if (!device->isStatusKnown()) {
        m_controller.setIconState(id, Icon::Uninitialized);
        m_controller.setIconRenderer(id, devicePicture(device));
        m_controller.setIconText(id, QString());
        return;
    }
    m_controller.setIconState(id, Icon::Normal);
    if (device->isAirconditioner()) {
        m_controller.setIconRenderer(id, devicePicture(device));
        m_controller.setIconText(id, QString());
    } else {
        m_controller.setIconRenderer(id, IconRenderer());
        // Tenths at most in either unit, as the devices measure: a Fahrenheit
        // value is a converted one.
        const double shown = std::round(Units::celsiusToActualTemperature(device->temperature()) * TENTHS) / TENTHS;
        m_controller.setIconText(id, QLocale().toString(shown, 'g', SIGNIFICANT_DIGITS));
    }
}

void ThermoregulationDeviceIcons::drawSlider(const Device* device)
{
    const int id = device->id();
    m_controller.setSliderTextFormat(id, Units::valueFormat(device));
    if (device->valuePrecision() != Device::PRECISION_UNSPECIFIED)
        m_controller.setSliderValuePrecision(id, device->valuePrecision());
    m_controller.setSliderValueBounds(id, Units::celsiusToActualTemperature(device->valueMinimum()),
                                      Units::celsiusToActualTemperature(device->valueMaximum()),
                                      Units::celsiusToActualStep(device->valueStep()));
    m_controller.setSliderValue(id, Units::celsiusToActualTemperature(device->setpointTemperature()));
}

} // namespace Corvane::Sentrel::Controllers
