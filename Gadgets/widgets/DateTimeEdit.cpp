#include "widgets/DateTimeEdit.h"

#include <QKeyEvent>
#include <QLineEdit>

DateTimeEdit::DateTimeEdit(QWidget* parent)
    : QDateTimeEdit(parent)
{
    connectLineEdit();
}

DateTimeEdit::DateTimeEdit(const QDateTime& dateTime, QWidget* parent)
    : QDateTimeEdit(dateTime, parent)
{
    connectLineEdit();
}

DateTimeEdit::DateTimeEdit(const QDate& date, QWidget* parent)
    : QDateTimeEdit(date, parent)
{
    connectLineEdit();
}

DateTimeEdit::DateTimeEdit(const QTime& time, QWidget* parent)
    : QDateTimeEdit(time, parent)
{
    connectLineEdit();
}

void DateTimeEdit::connectLineEdit()
{
    connect(lineEdit(), &QLineEdit::cursorPositionChanged, this, &DateTimeEdit::onCursorPositionChanged);
}

void DateTimeEdit::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        QFocusEvent focusOut(QEvent::FocusOut, Qt::OtherFocusReason);
        focusOutEvent(&focusOut);
        event->accept();
        break;
    }
    default:
        QDateTimeEdit::keyPressEvent(event);
    }
}

void DateTimeEdit::onCursorPositionChanged(int, int)
{
    lineEdit()->setFocus();
}
