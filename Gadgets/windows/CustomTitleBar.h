#pragma once

#include <QPixmap>
#include <QWidget>

class QLabel;
class QToolButton;

namespace Corvane::Gadgets {

// The title bar of a frameless window: a title and minimize,
// maximize/restore and close buttons. Dragging it reports where the window's
// top-left corner should go; a double click maximizes or restores.
class CustomTitleBar : public QWidget
{
    Q_OBJECT

public:
    enum TitleBarButtonsConfig {
        MinimizeButton = 1,
        MaximizeRestoreButton = 2,
        CloseButton = 4
    };
    Q_DECLARE_FLAGS(TitleBarButtons, TitleBarButtonsConfig)

    explicit CustomTitleBar(QWidget* parent = nullptr);

    void setTitle(const QString& title);
    QString title() const;
    // Each button is visible exactly when its flag is set.
    void setTitleBarButtonsConfig(const QFlags<TitleBarButtonsConfig>& config);
    void setMaximizeRestoreButtonIcon();
    bool isMaximized() const { return m_maximized; }

    QToolButton* minimizeButton() const { return m_minimizeButton; }
    QToolButton* maximizeRestoreButton() const { return m_maximizeRestoreButton; }
    QToolButton* closeButton() const { return m_closeButton; }

public slots:
    void showSmall();
    void showMaxRestore();

signals:
    void dragged(QPoint newPos);
    void minimizeClicked();
    void maximizeClicked();
    void restoreClicked();
    void closeClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QLabel* m_title = nullptr;
    QToolButton* m_minimizeButton = nullptr;
    QToolButton* m_maximizeRestoreButton = nullptr;
    QToolButton* m_closeButton = nullptr;
    QPixmap m_restorePixmap;
    QPixmap m_maximizePixmap;
    bool m_maximized = false;
    QPoint m_pressWindowPosition;
    bool m_dragAllowed = true;
};

} // namespace Corvane::Gadgets

Q_DECLARE_OPERATORS_FOR_FLAGS(Corvane::Gadgets::CustomTitleBar::TitleBarButtons)
