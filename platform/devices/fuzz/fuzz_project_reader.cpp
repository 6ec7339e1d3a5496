// Feeds arbitrary bytes to the project reader. A project that reads must
// also write and read back to an equal project.

#include "devices/Configuration.h"
#include "devices/serialization/XmlSerializer.h"
#include "log/Logger.h"

#include <QByteArray>

#include <cstdint>
#include <cstdlib>
#include <memory>

using namespace Corvane;

namespace {

template<typename T>
bool isSameList(const QList<T*>& first, const QList<T*>& second)
{
    if (first.size() != second.size())
        return false;
    for (qsizetype i = 0; i < first.size(); ++i) {
        if (!first.at(i)->isEqual(*second.at(i)))
            return false;
    }
    return true;
}

bool isSameProject(const Devices::Configuration& first, const Devices::Configuration& second)
{
    return first.id() == second.id() && first.version() == second.version()
        && first.guiProperties() == second.guiProperties()
        && isSameList(first.webServers(), second.webServers())
        && isSameList(first.devices(), second.devices());
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    Log::Logger::initialize(Log::Logger::Silent, QStringLiteral("fuzz_project_reader"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    QString error;
    const std::unique_ptr<Devices::Configuration> project(Devices::Serialization::XmlSerializer::readData(bytes, &error));
    if (!project) {
        if (error.isEmpty())
            std::abort();
        return 0;
    }
    const QByteArray written = Devices::Serialization::XmlSerializer::writeData(*project);
    const std::unique_ptr<Devices::Configuration> again(Devices::Serialization::XmlSerializer::readData(written));
    if (!again || !isSameProject(*project, *again))
        std::abort();
    return 0;
}
