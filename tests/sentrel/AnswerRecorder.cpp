#include "AnswerRecorder.h"

using namespace Corvane::PravikDriver::UserMessages;

void AnswerRecorder::clear()
{
    answers.clear();
    lights.clear();
    lightSensors.clear();
    presences.clear();
    shutters.clear();
    gateways.clear();
    temperatures.clear();
    sounds.clear();
    energy.clear();
}

void AnswerRecorder::messageReceived(const Driver*, const Message& first, const Message& second, bool flag)
{
    answers.append({ first, second, flag });
    if (onMessage)
        onMessage(first);
}

void AnswerRecorder::lightMessageReceived(const OpenDriver*, const LightsMessage& message, const Message&, bool)
{
    lights.append(message);
}

void AnswerRecorder::lightSensorMessageReceived(const OpenDriver*, const LightSensorMessage& message, const Message&,
                                                bool)
{
    lightSensors.append(message);
}

void AnswerRecorder::presenceMessageReceived(const OpenDriver*, const PresenceSensorMessage& message, const Message&,
                                             bool)
{
    presences.append(message);
}

void AnswerRecorder::automationMessageReceived(const OpenDriver*, const AutomationMessage& message, const Message&,
                                               bool)
{
    shutters.append(message);
}

void AnswerRecorder::interfaceDeviceMessageReceived(const OpenDriver*, const InterfaceDeviceMessage& message,
                                                    const Message&, bool)
{
    gateways.append(message);
}

void AnswerRecorder::temperatureMessageReceived(const OpenDriver*, const TemperatureMessage& message, const Message&,
                                                bool)
{
    temperatures.append(message);
}

void AnswerRecorder::soundMessageReceived(const OpenDriver*, const SoundMessage& message, const Message&, bool)
{
    sounds.append(message);
}

void AnswerRecorder::loadManagementMessageReceived(const OpenDriver*, const LoadManagementMessage& message,
                                                   const Message&, bool)
{
    energy.append(message);
}
