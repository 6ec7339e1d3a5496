#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>

namespace Corvane::Sentrel {

// Tells when a compositing manager starts or stops on X11: the owner of the
// _NET_WM_CM_S<screen> selection changes. The X server reports each change
// (XFixes selection notify); nothing is polled. Elsewhere it never reports.
class CompositorWatch : public QObject, public QAbstractNativeEventFilter
{
    Q_OBJECT

public:
    // The watch of the application, made on first use.
    static CompositorWatch* instance();

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

Q_SIGNALS:
    // A compositing manager started or stopped; reported once the event
    // loop runs again, so that the windows it concerns change together.
    void changed();

private:
    CompositorWatch();
    ~CompositorWatch() override;

    uint32_t m_selection = 0;
    uint8_t m_firstEvent = 0;
};

} // namespace Corvane::Sentrel
