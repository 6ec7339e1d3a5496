#pragma once

#include "ChangeArgs.h"

namespace Corvane::Devices {

class BaseObservable;

// Receives the changes of the objects it observes. source is the object that
// changed, or null when the caller reports a change of its own.
class BaseObserver
{
public:
    virtual ~BaseObserver() = default;
    virtual void registerChange(const ChangeArgs& args, BaseObservable* source) = 0;
};

} // namespace Corvane::Devices
