// Feeds arbitrary bytes to the user settings reader. Settings that read must
// also write and read back to equal settings.

#include "devices/UserConfigurationProperties.h"
#include "devices/serialization/UserConfigurationXmlSerializer.h"
#include "log/Logger.h"

#include <QByteArray>
#include <QUuid>

#include <cstdint>
#include <cstdlib>

using namespace Corvane;
using Devices::Serialization::UserConfigurationXmlSerializer;

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    Log::Logger::initialize(Log::Logger::Silent, QStringLiteral("fuzz_user_settings_reader"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QUuid projectId(QStringLiteral("6f1c2a4e-3b7d-4e52-9a0c-5d8e7f601234"));
    Devices::UserConfigurationProperties properties;
    QString error;
    if (!UserConfigurationXmlSerializer::readData(bytes, projectId, &properties, true, &error)) {
        if (error.isEmpty())
            std::abort();
        return 0;
    }
    const QByteArray written = UserConfigurationXmlSerializer::writeData(projectId.toString(), properties);
    Devices::UserConfigurationProperties again;
    if (!UserConfigurationXmlSerializer::readData(written, projectId, &again, true))
        std::abort();
    return 0;
}
