#include "PravikListener.h"

namespace Corvane::PravikDriver {

PravikListener::~PravikListener() = default;

void PravikListener::connected(const Driver*, bool) { }
void PravikListener::authenticated(const Driver*, bool) { }
void PravikListener::disconnected(const Driver*, bool) { }
void PravikListener::messageReceived(const Driver*, const Message&, const Message&, bool) { }
void PravikListener::communicationError(const Driver*, bool, const Error&) { }
void PravikListener::connectionError(const Driver*, bool, const Error&) { }
void PravikListener::lightMessageReceived(const OpenDriver*, const UserMessages::LightsMessage&, const Message&, bool) { }
void PravikListener::interfaceDeviceMessageReceived(const OpenDriver*, const UserMessages::InterfaceDeviceMessage&,
                                                    const Message&, bool)
{
}
void PravikListener::automationMessageReceived(const OpenDriver*, const UserMessages::AutomationMessage&,
                                               const Message&, bool)
{
}
void PravikListener::lightSensorMessageReceived(const OpenDriver*, const UserMessages::LightSensorMessage&,
                                                const Message&, bool)
{
}
void PravikListener::presenceMessageReceived(const OpenDriver*, const UserMessages::PresenceSensorMessage&,
                                             const Message&, bool)
{
}
void PravikListener::temperatureMessageReceived(const OpenDriver*, const UserMessages::TemperatureMessage&,
                                                const Message&, bool)
{
}
void PravikListener::scenarioMessageReceived(const OpenDriver*, const UserMessages::ScenarioMessage&, const Message&,
                                             bool)
{
}
void PravikListener::scenarioPlusMessageReceived(const OpenDriver*, const UserMessages::ScenarioPlusMessage&,
                                                 const Message&, bool)
{
}
void PravikListener::cenMessageReceived(const OpenDriver*, const UserMessages::CenMessage&, const Message&, bool) { }
void PravikListener::cenPlusMessageReceived(const OpenDriver*, const UserMessages::CenPlusMessage&, const Message&,
                                            bool)
{
}
void PravikListener::soundMessageReceived(const OpenDriver*, const UserMessages::SoundMessage&, const Message&, bool) { }
void PravikListener::loadManagementMessageReceived(const OpenDriver*, const UserMessages::LoadManagementMessage&,
                                                   const Message&, bool)
{
}
void PravikListener::receivedDataProgress(const OpenDriver*, int, int, const QString&, double, double, double, int) { }

} // namespace Corvane::PravikDriver
