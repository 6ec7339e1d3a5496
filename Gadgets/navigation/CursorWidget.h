#pragma once

#include <QPixmap>
#include <QTimer>
#include <QWidget>

namespace Corvane::Gadgets::Utilities {

// A small frameless window that shows a dragged icon centred under the mouse
// pointer, also outside the gadget's own window. It follows the pointer
// every 20 ms while it is shown and stays above other windows.
//
// The window takes the shape of its picture. Where the desktop does not
// blend translucent windows with what lies behind (X11 without a compositing
// manager) a partly transparent pixel would show dark: there the picture is
// drawn opaque, each pixel in its own colour, inside the shape of the icon.
class CursorWidget : public QWidget
{
    Q_OBJECT

public:
    static const int FOLLOW_INTERVAL_MS;

    enum class Desktop { Blends, ShowsOpaqueOnly };

    explicit CursorWidget(const QPixmap& pixmap, QWidget* parent = nullptr, Desktop desktop = Desktop::Blends);

    // The picture with every pixel that is at least an eighth as opaque as
    // the most opaque one made opaque in its own colour, and every other
    // pixel clear: a faded icon keeps its outline and colours.
    static QImage opaquePicture(const QImage& picture);

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
