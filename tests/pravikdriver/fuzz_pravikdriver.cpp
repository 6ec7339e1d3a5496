// libFuzzer target over the frame reader and the message decoders. Built
// only with -DCORVANE_FUZZ=ON and clang. Besides crashes it traps when a
// frame that was read does not read back the same after writing it again.

#include "pravikdriver/Address.h"
#include "pravikdriver/FrameBuffer.h"
#include "pravikdriver/FrameCodec.h"
#include "pravikdriver/MultiFrameAssembler.h"
#include "pravikdriver/UserMessages/AutomationMessage.h"
#include "pravikdriver/UserMessages/CenMessage.h"
#include "pravikdriver/UserMessages/CenPlusMessage.h"
#include "pravikdriver/UserMessages/InterfaceDeviceMessage.h"
#include "pravikdriver/UserMessages/LightSensorMessage.h"
#include "pravikdriver/UserMessages/LightsMessage.h"
#include "pravikdriver/UserMessages/LoadManagementMessage.h"
#include "pravikdriver/UserMessages/PresenceSensorMessage.h"
#include "pravikdriver/UserMessages/ScenarioMessage.h"
#include "pravikdriver/UserMessages/ScenarioPlusMessage.h"
#include "pravikdriver/UserMessages/SoundMessage.h"
#include "pravikdriver/UserMessages/TemperatureMessage.h"

#include <cstddef>
#include <cstdint>

using namespace Corvane::PravikDriver;

namespace {

void decodeEveryFamily(const Message& message)
{
    UserMessages::AutomationMessage automation(message);
    UserMessages::CenMessage cen(message);
    UserMessages::CenPlusMessage cenPlus(message);
    UserMessages::InterfaceDeviceMessage device(message);
    UserMessages::LightSensorMessage lightSensor(message);
    UserMessages::LightsMessage lights(message);
    UserMessages::LoadManagementMessage load(message);
    UserMessages::PresenceSensorMessage presence(message);
    UserMessages::ScenarioMessage scenario(message);
    UserMessages::ScenarioPlusMessage scenarioPlus(message);
    UserMessages::SoundMessage sound(message);
    UserMessages::TemperatureMessage temperature(message);
    (void)load.year();
    (void)load.month();
    (void)load.day();
    (void)load.forceField();
    (void)sound.rdsText().size();
    (void)device.date().isValid();
}

void checkRoundTrip(const Frame& frame)
{
    const Frame again = FrameCodec::decode(FrameCodec::encode(frame).chopped(1));
    if (again.verb != frame.verb || again.id != frame.id || again.token != frame.token
        || again.message != frame.message)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FrameBuffer buffer(FrameCodec::MAX_FRAME_LENGTH);
    buffer.append(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    buffer.takeOverflow();
    MultiFrameAssembler assembler;
    QByteArray line;
    while (buffer.takeLine(&line)) {
        const Address address(QString::fromLatin1(line));
        (void)address.toString(Address::Compare);
        (void)Address::toTokens(QString::fromLatin1(line));
        const Frame frame = FrameCodec::decode(line);
        if (frame.verb == Frame::Invalid)
            continue;
        checkRoundTrip(frame);
        decodeEveryFamily(frame.message);
        MultiFrameAssembler::Progress progress;
        if (const auto answer = assembler.add(frame.message, &progress))
            (void)answer->values().size();
    }
    return 0;
}
