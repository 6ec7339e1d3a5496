#include "utilities/WidgetUtilities.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QWidget>

#include <algorithm>
#include <limits>

namespace Corvane::Utilities {

void WidgetUtilities::moveToTop(QWidget* widget, bool activate, bool restore)
{
    if (!widget)
        return;
    QWidget* window = widget->window();
    if (restore) {
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
        window->show();
    }
    window->raise();
    if (activate)
        window->activateWindow();
}

void WidgetUtilities::setWindgetOnTop(QWidget* widget, bool onTop)
{
    if (!widget || isWidgetOnTop(widget) == onTop)
        return;
    const bool visible = widget->isVisible();
    widget->setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    if (visible)
        widget->show();
}

bool WidgetUtilities::isWidgetOnTop(const QWidget* widget)
{
    return widget && widget->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

void WidgetUtilities::removeTaskbarIconOnLinux(QWidget* widget)
{
    if (!widget)
        return;
    const bool visible = widget->isVisible();
    widget->setWindowFlags(widget->windowFlags() | Qt::Tool);
    if (visible)
        widget->show();
}

QList<QRect> WidgetUtilities::screenGeometries(bool available)
{
    QList<QRect> rectangles;
    for (const QScreen* screen : QGuiApplication::screens())
        rectangles.append(available ? screen->availableGeometry() : screen->geometry());
    return rectangles;
}

QRect WidgetUtilities::desktopGeometry(bool available)
{
    QRect desktop;
    for (const QRect& screen : screenGeometries(available))
        desktop = desktop.united(screen);
    return desktop;
}

namespace {

// Squared distance from point to the nearest point of rectangle.
qint64 distanceSquared(const QRect& rectangle, const QPoint& point)
{
    const qint64 dx = std::max({rectangle.left() - point.x(), 0, point.x() - rectangle.right()});
    const qint64 dy = std::max({rectangle.top() - point.y(), 0, point.y() - rectangle.bottom()});
    return dx * dx + dy * dy;
}

} // namespace

int WidgetUtilities::screenIndexAt(const QList<QRect>& screens, const QPoint& point)
{
    int nearest = -1;
    qint64 nearestDistance = std::numeric_limits<qint64>::max();
    for (int i = 0; i < screens.size(); ++i) {
        const qint64 distance = distanceSquared(screens.at(i), point);
        if (distance < nearestDistance) {
            nearest = i;
            nearestDistance = distance;
        }
    }
    return nearest;
}

bool WidgetUtilities::isPointOnScreen(const QList<QRect>& screens, const QList<QRect>& availableAreas,
                                      const QPoint& point)
{
    const int index = screenIndexAt(screens, point);
    return index >= 0 && index < availableAreas.size() && availableAreas.at(index).contains(point);
}

QPoint WidgetUtilities::nearestPointOnScreen(const QList<QRect>& screens, const QList<QRect>& availableAreas,
                                             const QPoint& point)
{
    const int index = screenIndexAt(screens, point);
    if (index < 0 || index >= availableAreas.size() || availableAreas.at(index).contains(point))
        return point;
    const QRect& area = availableAreas.at(index);
    return QPoint(std::clamp(point.x(), area.left(), area.right()), std::clamp(point.y(), area.top(), area.bottom()));
}

void WidgetUtilities::changeTextEditTextDirection(QTextEdit* textEdit, Qt::LayoutDirection direction)
{
    if (!textEdit)
        return;
    textEdit->setLayoutDirection(direction);
    QTextDocument* document = textEdit->document();
    QTextOption option = document->defaultTextOption();
    option.setTextDirection(direction);
    option.setAlignment(Qt::AlignLeading);
    document->setDefaultTextOption(option);
    QTextCursor cursor(document);
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        cursor.setPosition(block.position());
        QTextBlockFormat format = cursor.blockFormat();
        format.setLayoutDirection(direction);
        format.setAlignment(Qt::AlignLeading);
        cursor.setBlockFormat(format);
    }
}

} // namespace Corvane::Utilities
