#pragma once

#include <QEasingCurve>
#include <QList>
#include <QObject>
#include <QTimer>

namespace Corvane::Gadgets {

// Times the short slides of carousel icons that make room for a dragged
// icon, each from one slot to another. Every 20 ms step advances all slides
// and asks the carousel to repaint (updateDragIconRequested); the carousel
// then collects the finished slides with getAndClearFinished(). The timer
// runs only while slides exist.
class NavigationDragIconAnimation : public QObject
{
    Q_OBJECT

public:
    struct IconData
    {
        int fromIndex = 0;
        int toIndex = 0;
        double progress = 0.0;
    };

    struct DistanceData
    {
        int index = 0;
        double distance = 0.0;
    };

    static const int TICK_INTERVAL_MS;
    static const int SLIDE_DURATION_MS;

    explicit NavigationDragIconAnimation(QObject* parent = nullptr);

    void addDragIcon(int fromIndex, int toIndex);
    // Whether a slide leaves the slot.
    bool hasDataForIcon(int index) const;
    int iconsCount() const { return int(m_icons.size()); }
    // The first slide leaving the slot, with eased progress; {0, 0, 0} when
    // there is none.
    IconData iconData(int index) const;
    // The slide nearest to its end among those leaving or reaching the slot.
    DistanceData distanceTo(int index) const;
    // Removes and returns the slides whose linear progress reached 1, last
    // added first; stops the timer when no slide is left.
    QList<IconData> getAndClearFinished();
    // Drops every slide, finished or not, and stops the timer.
    void clear();
    bool isRunning() const { return m_timer.isActive(); }

signals:
    // Connect directly: the carousel repaints and collects finished slides.
    void updateDragIconRequested();

private slots:
    void onTimerTick();

private:
    QList<IconData> m_icons;
    QEasingCurve m_easingCurve;
    QTimer m_timer;
    int m_duration;
};

} // namespace Corvane::Gadgets
