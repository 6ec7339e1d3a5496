#pragma once

#include <QPixmap>
#include <QPushButton>

namespace Corvane::Gadgets {

// A push button painted from three slices of a theme file ("default_left",
// "default_middle" and "default_right") with its text centred on them. The
// button takes the slices' height and the text's width; its content shifts
// while it is held down.
class PushButton : public QPushButton
{
    Q_OBJECT

public:
    static const QPoint PRESSED_OFFSET;

    PushButton(const QString& text, const QString& rendererName, QWidget* parent = nullptr);

    // Sizes the button to the text and repaints its plate; an unchanged text
    // does nothing.
    void setText(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;

private slots:
    void onPressed();
    void onReleased();

private:
    void paintButtonPixmap();

    QPoint m_contentOffset = PRESSED_OFFSET;
    QSize m_buttonSize = QSize(-1, -1);
    QPixmap m_buttonPixmap;
    QString m_rendererName;
};

} // namespace Corvane::Gadgets
