#pragma once

#include <QPixmap>
#include <QTimer>
#include <QWidget>

namespace Corvane::Gadgets::Utilities {

// A small frameless window that shows a dragged icon centred under the mouse
// pointer, also outside the gadget's own window. It follows the pointer
// every 20 ms while it is shown and stays above other windows.
class CursorWidget : public QWidget
{
    Q_OBJECT

public:
    static const int FOLLOW_INTERVAL_MS;

    explicit CursorWidget(const QPixmap& pixmap, QWidget* parent = nullptr);

    QPixmap pixmap() const { return m_pixmap; }
    bool isFollowingPointer() const { return m_timer.isActive(); }

    // Puts the window's centre on the pointer.
    void setCorrectPos();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private slots:
    void timerTick();

private:
    QTimer m_timer;
    QPixmap m_pixmap;
};

} // namespace Corvane::Gadgets::Utilities
