#include "utilities/WidgetUtilities.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QWidget>

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
