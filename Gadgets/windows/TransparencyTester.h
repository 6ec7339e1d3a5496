#pragma once

#include <QColor>
#include <QDialog>

namespace Corvane::Gadgets::Utilities {

// Finds out whether translucent top-level windows really let the desktop
// show through: a one-pixel translucent dialog with a black background is
// put over a screen pixel that is not black, and the screen under it is
// grabbed. If that pixel turned black, translucency does not work.
//
// Grabbing the screen works on X11 only. Elsewhere (Wayland, offscreen) the
// test cannot be made: isGrabSupported() says so and checkTransparency()
// answers true without showing anything.
class TransparencyTester : public QDialog
{
    Q_OBJECT

public:
    TransparencyTester();

    static bool isGrabSupported();
    // True when translucent windows work or when the test cannot be made.
    bool checkTransparency();
    // The first pixel that is not black, column by column, leaving out a
    // 100-pixel border; (-1, -1) when there is none.
    static QPoint findNonBlackPixel(const QImage& image);

protected:
    void paintEvent(QPaintEvent* event) override;

private slots:
    void grabAndClose();

private:
    static QImage grabScreen();

    QColor m_grabbedColor;
};

} // namespace Corvane::Gadgets::Utilities
