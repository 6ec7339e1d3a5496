#pragma once

#include "devices/Configuration.h"

#include <memory>

// Projects the device tests share.
class ProjectFixture
{
public:
    // A gateway holding one device of each family, every field set away
    // from its default.
    static std::unique_ptr<Corvane::Devices::Configuration> everyFamily();
    // The path of the demo project in the source tree.
    static QString demoProjectPath();
};
