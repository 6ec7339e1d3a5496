#pragma once

#include <QFrame>

class QGridLayout;
class QLabel;

namespace Corvane::Gadgets {

class CustomTitleBar;

// A frameless, translucent top-level window drawn by the application: its own
// title bar (dragged to move the window), a content area with a grid layout
// for derived windows, a resize handle in the bottom trailing corner and
// resizing by the left, right and bottom edges. Escape closes it; closing
// emits dialogClosed().
class BaseWindow : public QFrame
{
    Q_OBJECT

public:
    // Width of the grab zone along a resizable edge, in pixels.
    static int s_mouseResizeOffset;

    explicit BaseWindow(QWidget* parent = nullptr);

    QWidget* contentWidget() const { return m_contentWidget; }
    QGridLayout* contentLayout() const { return m_contentLayout; }
    CustomTitleBar* titleBar() const { return m_titleBar; }
    QLabel* resizeHandle() const { return m_resizeHandle; }
    bool resizable() const { return m_resizable; }
    void setResizable(bool resizable);

    // Right to left for the Arabic locale, left to right for any other.
    void switchLayoutDirection(const QString& locale);
    void resetResizeHandlePixmap();

signals:
    void dialogClosed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private slots:
    void onTitleBarDragged(QPoint newPos);
    void onTitleBarMaximizeClicked();
    void onTitleBarRestoreClicked();

private:
    void findEdges(const QPoint& position, const QPoint& globalPosition);
    void updateResizeCursor();
    void resizeBy(const QPoint& position);

    CustomTitleBar* m_titleBar = nullptr;
    QWidget* m_contentWidget = nullptr;
    QGridLayout* m_contentLayout = nullptr;
    QLabel* m_resizeHandle = nullptr;
    QPoint m_lastMousePosition;
    bool m_resizing = false;
    bool m_leftEdge = false;
    bool m_rightEdge = false;
    bool m_bottomEdge = false;
    bool m_resizable = false;
    bool m_resizableBeforeMaximize = false;
};

} // namespace Corvane::Gadgets
