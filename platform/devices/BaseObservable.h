#pragma once

#include "BaseObserver.h"

namespace Corvane::Devices {

// An object that reports its changes to one observer. Observables nest: an
// owner observes what it owns and passes every change on to its own observer,
// so a change deep inside a project reaches the project's observer.
//
// A copy starts without an observer: copies (a device's own properties, an
// editor's working copy) are not part of the observed tree.
class BaseObservable : public BaseObserver
{
public:
    BaseObservable() = default;
    BaseObservable(const BaseObservable&);
    BaseObservable& operator=(const BaseObservable&);
    ~BaseObservable() override = default;

    void setObserver(BaseObserver* observer) { m_observer = observer; }
    BaseObserver* observer() const { return m_observer; }

    // Passes a change of an owned object on to the observer.
    void registerChange(const ChangeArgs& args, BaseObservable* source) override;

protected:
    void notifyChange(ChangeArgs::ChangeType type = ChangeArgs::PropertyChanged);

    // Stores value and notifies, unless the member already holds it.
    template<typename T>
    void assign(T& member, const T& value)
    {
        if (member == value)
            return;
        member = value;
        notifyChange();
    }

private:
    BaseObserver* m_observer = nullptr;
};

} // namespace Corvane::Devices
