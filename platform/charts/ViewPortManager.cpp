#include "charts/ViewPortManager.h"

#include "charts/BaseChart.h"

#include <QRegularExpression>
#include <QString>

#include <algorithm>
#include <cmath>

namespace Corvane::Charts {

namespace {

constexpr double TOLERANCE = 1e-9;

double finiteOr(double value, double fallback)
{
    return std::isfinite(value) ? value : fallback;
}

} // namespace

void ViewPortManager::setChartMetrics(const char* metrics)
{
    static const QRegularExpression plot(QStringLiteral("plotarea=(-?\\d+),(-?\\d+),(\\d+),(\\d+)"));
    const auto match = plot.match(QString::fromUtf8(metrics ? metrics : ""));
    m_plotArea = match.hasMatch() ? QRect(match.captured(1).toInt(), match.captured(2).toInt(),
                                          match.captured(3).toInt(), match.captured(4).toInt())
                                  : QRect();
}

void ViewPortManager::commitPendingSyncAxis(BaseChart* chart)
{
    if (chart)
        setChartMetrics(chart->getChartMetrics());
}

void ViewPortManager::setZoomInWidthLimit(double limit)
{
    m_zoomInWidth = std::clamp(finiteOr(limit, 0.01), 1e-9, 1.0);
}

void ViewPortManager::setZoomOutWidthLimit(double limit)
{
    m_zoomOutWidth = std::clamp(finiteOr(limit, 1.0), 1e-9, 1.0);
}

void ViewPortManager::setZoomInHeightLimit(double limit)
{
    m_zoomInHeight = std::clamp(finiteOr(limit, 0.01), 1e-9, 1.0);
}

void ViewPortManager::setZoomOutHeightLimit(double limit)
{
    m_zoomOutHeight = std::clamp(finiteOr(limit, 1.0), 1e-9, 1.0);
}

void ViewPortManager::validateViewPort()
{
    setViewPort(m_left, m_top, m_width, m_height);
}

bool ViewPortManager::setViewPort(double left, double top, double width, double height)
{
    width = std::clamp(finiteOr(width, 1.0), std::min(m_zoomInWidth, m_zoomOutWidth), m_zoomOutWidth);
    height = std::clamp(finiteOr(height, 1.0), std::min(m_zoomInHeight, m_zoomOutHeight), m_zoomOutHeight);
    left = std::clamp(finiteOr(left, 0.0), 0.0, 1.0 - width);
    top = std::clamp(finiteOr(top, 0.0), 0.0, 1.0 - height);
    const bool changed = std::abs(left - m_left) > TOLERANCE || std::abs(top - m_top) > TOLERANCE
        || std::abs(width - m_width) > TOLERANCE || std::abs(height - m_height) > TOLERANCE;
    m_left = left;
    m_top = top;
    m_width = width;
    m_height = height;
    return changed;
}

bool ViewPortManager::inPlotArea(int x, int y) const
{
    return m_plotArea.isValid() && m_plotArea.contains(x, y);
}

bool ViewPortManager::inExtendedPlotArea(int x, int y) const
{
    return m_plotArea.isValid()
        && m_plotArea.adjusted(-EXTENDED_MARGIN, -EXTENDED_MARGIN, EXTENDED_MARGIN, EXTENDED_MARGIN).contains(x, y);
}

bool ViewPortManager::canZoomIn(int direction) const
{
    return (horizontal(direction) && m_width > m_zoomInWidth + TOLERANCE)
        || (vertical(direction) && m_height > m_zoomInHeight + TOLERANCE);
}

bool ViewPortManager::canZoomOut(int direction) const
{
    return (horizontal(direction) && m_width < m_zoomOutWidth - TOLERANCE)
        || (vertical(direction) && m_height < m_zoomOutHeight - TOLERANCE);
}

bool ViewPortManager::zoomAt(int direction, int x, int y, double ratio)
{
    if (!m_plotArea.isValid() || !std::isfinite(ratio) || ratio <= 0)
        return false;
    double left = m_left, top = m_top, width = m_width, height = m_height;
    if (horizontal(direction)) {
        const double fx = std::clamp(double(x - m_plotArea.left()) / m_plotArea.width(), 0.0, 1.0);
        const double anchor = m_left + fx * m_width;
        width = std::clamp(m_width / ratio, std::min(m_zoomInWidth, m_zoomOutWidth), m_zoomOutWidth);
        left = anchor - fx * width;
    }
    if (vertical(direction)) {
        const double fy = std::clamp(double(y - m_plotArea.top()) / m_plotArea.height(), 0.0, 1.0);
        const double anchor = m_top + fy * m_height;
        height = std::clamp(m_height / ratio, std::min(m_zoomInHeight, m_zoomOutHeight), m_zoomOutHeight);
        top = anchor - fy * height;
    }
    return setViewPort(left, top, width, height);
}

bool ViewPortManager::zoomTo(int direction, int x1, int y1, int x2, int y2)
{
    if (!m_plotArea.isValid())
        return false;
    double left = m_left, top = m_top, width = m_width, height = m_height;
    if (horizontal(direction)) {
        const double a = std::clamp(double(std::min(x1, x2) - m_plotArea.left()) / m_plotArea.width(), 0.0, 1.0);
        const double b = std::clamp(double(std::max(x1, x2) - m_plotArea.left()) / m_plotArea.width(), 0.0, 1.0);
        left = m_left + a * m_width;
        width = std::max((b - a) * m_width, m_zoomInWidth);
    }
    if (vertical(direction)) {
        const double a = std::clamp(double(std::min(y1, y2) - m_plotArea.top()) / m_plotArea.height(), 0.0, 1.0);
        const double b = std::clamp(double(std::max(y1, y2) - m_plotArea.top()) / m_plotArea.height(), 0.0, 1.0);
        top = m_top + a * m_height;
        height = std::max((b - a) * m_height, m_zoomInHeight);
    }
    return setViewPort(left, top, width, height);
}

void ViewPortManager::startDrag()
{
    m_dragLeft = m_left;
    m_dragTop = m_top;
}

bool ViewPortManager::dragTo(int direction, int dx, int dy)
{
    if (!m_plotArea.isValid())
        return false;
    const double left = horizontal(direction) ? m_dragLeft - double(dx) / m_plotArea.width() * m_width : m_left;
    const double top = vertical(direction) ? m_dragTop - double(dy) / m_plotArea.height() * m_height : m_top;
    return setViewPort(left, top, m_width, m_height);
}

} // namespace Corvane::Charts
