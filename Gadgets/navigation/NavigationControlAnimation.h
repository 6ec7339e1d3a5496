#pragma once

#include <QEasingCurve>
#include <QList>
#include <QObject>
#include <QPainterPath>
#include <QRegion>
#include <QTimeLine>

namespace Corvane::Gadgets {

class NavigationControl;

// The clock of the carousel's travelling icons: a time line whose frames
// (every 5 ms) set the carousel's fractional first icon index between a
// start and an end value. It also keeps the geometry that painting the
// travelling icons needs, computed once per carousel geometry: the path in
// the carousel's item coordinates, the path percentage of every segment
// centre and the region in which travelling icons are visible.
class NavigationControlAnimation : public QObject
{
    Q_OBJECT

public:
    static const int DEFAULT_DURATION_MS;
    static const int FRAME_COUNT;
    static const int UPDATE_INTERVAL_MS;

    explicit NavigationControlAnimation(NavigationControl* control);

    void start();
    void stop();
    bool isRunning() const { return m_timeLine.state() == QTimeLine::Running; }

    // The eased time-line value (0 .. 1).
    double progress() const;
    // The first index the carousel shows now; exactly endValue at the end.
    double currentValue() const;

    double startValue() const { return m_startValue; }
    void setStartValue(double value) { m_startValue = value; }
    double endValue() const { return m_endValue; }
    void setEndValue(double value) { m_endValue = value; }
    void setDuration(int duration) { m_timeLine.setDuration(duration); }
    QEasingCurve::Type easingType() const { return m_easingCurve.type(); }
    void setEasingType(QEasingCurve::Type type) { m_easingCurve.setType(type); }
    QTimeLine* timeLine() { return &m_timeLine; }

    bool isCacheValid() const { return m_cacheValid; }
    void clearCache() { m_cacheValid = false; }
    void setCache(const QPainterPath& path, const QList<double>& percentages, const QRegion& region);
    const QPainterPath& cachedPath() const { return m_cachedPath; }
    const QList<double>& cachedPercentages() const { return m_cachedPercentages; }
    const QRegion& clipRegion() const { return m_clipRegion; }

public slots:
    void onValueChanged(qreal value);

private:
    QEasingCurve m_easingCurve;
    QTimeLine m_timeLine;
    NavigationControl* m_control;
    QPainterPath m_cachedPath;
    QList<double> m_cachedPercentages;
    QRegion m_clipRegion;
    double m_startValue = 0.0;
    double m_endValue = 0.0;
    double m_value = 0.0;
    bool m_cacheValid = false;
};

} // namespace Corvane::Gadgets
