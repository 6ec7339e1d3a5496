#pragma once

#include <QImage>
#include <QObject>
#include <QPoint>
#include <QRegion>

namespace Corvane::Utilities {

// Works out, off the GUI thread, which part of a translucent window takes
// mouse input: every pixel whose alpha is above 0. The window renders its
// image in the GUI thread and hands it over with a queued call; the region
// comes back with a queued signal, so neither thread ever waits for the
// other.
class InputMaskUpdater : public QObject
{
    Q_OBJECT

public:
    InputMaskUpdater() = default;

    // The pixels of image whose alpha is above 0, as rectangles moved by
    // offset (where the image's top-left lies in the window).
    static QRegion visibleRegion(const QImage& image, const QPoint& offset = QPoint());

    bool isRunning() const { return m_running; }

public Q_SLOTS:
    // Starts or stops answering requests; requests that arrive while stopped
    // are dropped.
    void start();
    void stop();
    // Computes the region of image placed at offset and emits maskReady
    // with it and serial, by which the window recognises its latest request.
    void updateMask(const QImage& image, const QPoint& offset, quint64 serial);

Q_SIGNALS:
    void maskReady(const QRegion& region, quint64 serial);

private:
    bool m_running = false;
};

} // namespace Corvane::Utilities
