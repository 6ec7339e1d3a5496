#include "BaseObservable.h"

namespace Corvane::Devices {

BaseObservable::BaseObservable(const BaseObservable&)
    : BaseObserver()
{
}

BaseObservable& BaseObservable::operator=(const BaseObservable&)
{
    return *this;
}

void BaseObservable::registerChange(const ChangeArgs& args, BaseObservable* source)
{
    if (m_observer)
        m_observer->registerChange(args, source);
}

void BaseObservable::notifyChange(ChangeArgs::ChangeType type)
{
    registerChange(ChangeArgs(type), this);
}

} // namespace Corvane::Devices
