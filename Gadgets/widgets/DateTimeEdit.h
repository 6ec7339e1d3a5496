#pragma once

#include <QDateTimeEdit>

// A date/time editor that takes Enter, Return and Escape as "done": the typed
// text is interpreted as on a loss of focus (editingFinished() included)
// while the editor keeps the focus.
class DateTimeEdit : public QDateTimeEdit
{
    Q_OBJECT

public:
    explicit DateTimeEdit(QWidget* parent = nullptr);
    explicit DateTimeEdit(const QDateTime& dateTime, QWidget* parent = nullptr);
    explicit DateTimeEdit(const QDate& date, QWidget* parent = nullptr);
    explicit DateTimeEdit(const QTime& time, QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private slots:
    void onCursorPositionChanged(int oldPosition, int newPosition);

private:
    void connectLineEdit();
};
