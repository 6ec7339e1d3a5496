#include "windows/CustomTitleBar.h"

#include <QBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QToolButton>

namespace Corvane::Gadgets {

namespace {

constexpr int BUTTON_MINIMUM_HEIGHT = 20;
constexpr int TITLE_STRETCH = 500;

QToolButton* titleButton(const QString& objectName, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(objectName);
    button->setMinimumHeight(BUTTON_MINIMUM_HEIGHT);
    return button;
}

} // namespace

CustomTitleBar::CustomTitleBar(QWidget* parent)
    : QWidget(parent)
    , m_restorePixmap(QStringLiteral(":/Images/titlebar_restore.png"))
    , m_maximizePixmap(QStringLiteral(":/Images/titlebar_maximize.png"))
{
    auto* content = new QWidget(this);
    content->setObjectName(QStringLiteral("titleContent"));
    m_title = new QLabel(content);
    m_minimizeButton = titleButton(QStringLiteral("minimizeBtn"), content);
    m_maximizeRestoreButton = titleButton(QString(), content);
    m_closeButton = titleButton(QStringLiteral("closeBtn"), content);

    auto* contentLayout = new QHBoxLayout(content);
    contentLayout->setSpacing(0);
    contentLayout->setContentsMargins(0, 0, 0, 0);
    contentLayout->addWidget(m_title);
    contentLayout->addStretch(TITLE_STRETCH);
    contentLayout->addWidget(m_minimizeButton);
    contentLayout->addWidget(m_maximizeRestoreButton);
    contentLayout->addWidget(m_closeButton);

    auto* layout = new QHBoxLayout(this);
    layout->setSpacing(0);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(content);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);

    for (QToolButton* button : {m_minimizeButton, m_maximizeRestoreButton, m_closeButton})
        button->installEventFilter(this);
    setMaximizeRestoreButtonIcon();

    connect(m_minimizeButton, &QToolButton::clicked, this, &CustomTitleBar::minimizeClicked);
    connect(m_maximizeRestoreButton, &QToolButton::clicked, this, &CustomTitleBar::showMaxRestore);
    connect(m_closeButton, &QToolButton::clicked, this, &CustomTitleBar::closeClicked);
}

void CustomTitleBar::setTitle(const QString& title)
{
    m_title->setText(title);
}

QString CustomTitleBar::title() const
{
    return m_title->text();
}

void CustomTitleBar::setTitleBarButtonsConfig(const QFlags<TitleBarButtonsConfig>& config)
{
    m_minimizeButton->setVisible(config.testFlag(MinimizeButton));
    m_maximizeRestoreButton->setVisible(config.testFlag(MaximizeRestoreButton));
    m_closeButton->setVisible(config.testFlag(CloseButton));
}

void CustomTitleBar::setMaximizeRestoreButtonIcon()
{
    const QPixmap& pixmap = m_maximized ? m_restorePixmap : m_maximizePixmap;
    m_maximizeRestoreButton->setIcon(QIcon(pixmap));
    m_maximizeRestoreButton->setIconSize(pixmap.size());
}

void CustomTitleBar::showSmall()
{
    emit minimizeClicked();
}

void CustomTitleBar::showMaxRestore()
{
    m_maximized = !m_maximized;
    setMaximizeRestoreButtonIcon();
    if (m_maximized)
        emit maximizeClicked();
    else
        emit restoreClicked();
}

bool CustomTitleBar::eventFilter(QObject* watched, QEvent* event)
{
    // A press on a button must not start a window drag; its release ends that.
    auto* button = qobject_cast<QToolButton*>(watched);
    if (button && event->type() == QEvent::MouseButtonPress
        && button->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint()))
        m_dragAllowed = false;
    else if (button && event->type() == QEvent::MouseButtonRelease)
        m_dragAllowed = true;
    return QWidget::eventFilter(watched, event);
}

void CustomTitleBar::mousePressEvent(QMouseEvent* event)
{
    if (!m_dragAllowed)
        return;
    m_pressWindowPosition = parentWidget() ? mapToParent(event->position().toPoint())
                                           : event->position().toPoint();
}

void CustomTitleBar::mouseDoubleClickEvent(QMouseEvent* event)
{
    QWidget::mouseDoubleClickEvent(event);
    showMaxRestore();
}

void CustomTitleBar::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_dragAllowed || m_maximized)
        return;
    emit dragged(event->globalPosition().toPoint() - m_pressWindowPosition);
}

} // namespace Corvane::Gadgets
