#include "windows/BaseWindow.h"

#include "theme/ThemeProvider.h"
#include "windows/CustomTitleBar.h"

#include "utilities/Localization/LanguageSettings.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

namespace Corvane::Gadgets {

int BaseWindow::s_mouseResizeOffset = 3;

BaseWindow::BaseWindow(QWidget* parent)
    : QFrame(parent)
{
    setFrameShape(QFrame::Panel);
    setAttribute(Qt::WA_TranslucentBackground);
    setWindowFlags(Qt::FramelessWindowHint | Qt::WindowSystemMenuHint);

    m_titleBar = new CustomTitleBar(this);
    m_titleBar->setObjectName(QStringLiteral("titleBar"));
    m_contentWidget = new QWidget(this);
    m_contentWidget->setObjectName(QStringLiteral("content"));
    m_contentLayout = new QGridLayout;
    m_resizeHandle = new QLabel(m_contentWidget);
    m_resizeHandle->setAttribute(Qt::WA_TransparentForMouseEvents);

    auto* windowLayout = new QVBoxLayout(this);
    windowLayout->setSpacing(0);
    windowLayout->setContentsMargins(0, 0, 0, 0);
    windowLayout->addWidget(m_titleBar);
    windowLayout->addWidget(m_contentWidget);

    auto* contentBox = new QVBoxLayout(m_contentWidget);
    const QMargins defaultMargins = contentBox->contentsMargins();
    const int defaultSpacing = contentBox->spacing();
    contentBox->setContentsMargins(0, 0, 0, 0);
    contentBox->setSpacing(0);
    m_contentLayout->setContentsMargins(defaultMargins);
    m_contentLayout->setSpacing(defaultSpacing);
    contentBox->addLayout(m_contentLayout);
    contentBox->addWidget(m_resizeHandle, 0, Qt::AlignRight | Qt::AlignBottom);

    connect(m_titleBar, &CustomTitleBar::dragged, this, &BaseWindow::onTitleBarDragged);
    connect(m_titleBar, &CustomTitleBar::minimizeClicked, this, &BaseWindow::showMinimized);
    connect(m_titleBar, &CustomTitleBar::maximizeClicked, this, &BaseWindow::onTitleBarMaximizeClicked);
    connect(m_titleBar, &CustomTitleBar::restoreClicked, this, &BaseWindow::onTitleBarRestoreClicked);
    connect(m_titleBar, &CustomTitleBar::closeClicked, this, &BaseWindow::close);

    resetResizeHandlePixmap();
    setResizable(true);
}

void BaseWindow::setResizable(bool resizable)
{
    if (resizable == m_resizable)
        return;
    m_resizable = resizable;
    setMouseTracking(resizable);
    m_contentWidget->setMouseTracking(resizable);
    if (resizable)
        m_contentWidget->installEventFilter(this);
    else
        m_contentWidget->removeEventFilter(this);
    m_resizeHandle->setVisible(resizable);
}

void BaseWindow::switchLayoutDirection(const QString& locale)
{
    const Qt::LayoutDirection direction = locale == Corvane::Utilities::Localization::LanguageSettings::ARABIC_LOCALE
                                              ? Qt::RightToLeft
                                              : Qt::LeftToRight;
    if (direction == layoutDirection())
        return;
    setLayoutDirection(direction);
    resetResizeHandlePixmap();
}

void BaseWindow::resetResizeHandlePixmap()
{
    QPixmap handle;
    ThemeProvider::renderElement(handle, ThemeProvider::WINDOW_FRAME, ThemeProvider::RESIZE_HANDLE);
    if (layoutDirection() == Qt::RightToLeft && !handle.isNull())
        handle = handle.transformed(QTransform().scale(-1, 1), Qt::SmoothTransformation);
    m_resizeHandle->setPixmap(handle);
}

void BaseWindow::onTitleBarDragged(QPoint newPos)
{
    move(newPos);
}

void BaseWindow::onTitleBarMaximizeClicked()
{
    m_resizableBeforeMaximize = m_resizable;
    setResizable(false);
    showMaximized();
}

void BaseWindow::onTitleBarRestoreClicked()
{
    showNormal();
    if (m_resizableBeforeMaximize) {
        setResizable(true);
        m_resizableBeforeMaximize = false;
    }
}

void BaseWindow::findEdges(const QPoint& position, const QPoint& globalPosition)
{
    const QRect handle = m_resizeHandle->isVisible() ? m_resizeHandle->geometry() : QRect();
    const bool overHandle = handle.contains(m_contentWidget->mapFromGlobal(globalPosition));
    m_leftEdge = qAbs(position.x()) <= s_mouseResizeOffset;
    m_rightEdge = qAbs(position.x() - (width() - 1)) <= s_mouseResizeOffset || overHandle;
    m_bottomEdge = qAbs(position.y() - (height() - 1)) <= s_mouseResizeOffset || overHandle;
}

void BaseWindow::updateResizeCursor()
{
    if (!m_leftEdge && !m_rightEdge)
        setCursor(m_bottomEdge ? Qt::SizeVerCursor : Qt::ArrowCursor);
    else if (!m_bottomEdge)
        setCursor(Qt::SizeHorCursor);
    else
        setCursor(m_leftEdge ? Qt::SizeBDiagCursor : Qt::SizeFDiagCursor);
}

void BaseWindow::resizeBy(const QPoint& position)
{
    const int dx = position.x() - m_lastMousePosition.x();
    const int dy = position.y() - m_lastMousePosition.y();
    QRect geometry = this->geometry();
    if (m_leftEdge)
        geometry.setLeft(geometry.left() + dx);
    if (m_rightEdge)
        geometry.setRight(geometry.right() + dx);
    if (m_bottomEdge)
        geometry.setBottom(geometry.bottom() + dy);
    setGeometry(geometry);
    // Resizing from the left moves the window with the pointer, so its x in
    // the window stays where it was.
    m_lastMousePosition = m_leftEdge ? QPoint(m_lastMousePosition.x(), position.y()) : position;
}

bool BaseWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_contentWidget) {
        if (event->type() == QEvent::MouseMove) {
            auto* move = static_cast<QMouseEvent*>(event);
            const QPointF position = mapFromGlobal(move->globalPosition());
            QMouseEvent mapped(QEvent::MouseMove, position, move->globalPosition(), move->button(),
                               move->buttons(), move->modifiers());
            mouseMoveEvent(&mapped);
        } else if (event->type() == QEvent::Leave) {
            setCursor(Qt::ArrowCursor);
        }
    }
    return QFrame::eventFilter(watched, event);
}

void BaseWindow::mousePressEvent(QMouseEvent* event)
{
    if (!m_resizable) {
        QFrame::mousePressEvent(event);
        return;
    }
    m_lastMousePosition = event->position().toPoint();
    m_resizing = event->button() == Qt::LeftButton;
}

void BaseWindow::mouseReleaseEvent(QMouseEvent* event)
{
    if (!m_resizable) {
        QFrame::mouseReleaseEvent(event);
        return;
    }
    m_resizing = false;
    setCursor(Qt::ArrowCursor);
}

void BaseWindow::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_resizable) {
        QFrame::mouseMoveEvent(event);
        return;
    }
    const QPoint position = event->position().toPoint();
    if (m_resizing) {
        resizeBy(position);
        return;
    }
    findEdges(position, event->globalPosition().toPoint());
    updateResizeCursor();
}

void BaseWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape)
        close();
}

void BaseWindow::closeEvent(QCloseEvent* event)
{
    QFrame::closeEvent(event);
    emit dialogClosed();
}

} // namespace Corvane::Gadgets
