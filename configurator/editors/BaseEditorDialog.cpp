#include "editors/BaseEditorDialog.h"

#include "utilities/InitSettings.h"
#include "utilities/WidgetUtilities.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>

namespace Corvane::Configurator::Editors {

using Utilities::InitSettings;

BaseEditorDialog::BaseEditorDialog(bool withAddRemove, QWidget* parent)
    : QDialog(parent)
    , m_gridLayout(new QGridLayout(this))
    , m_contentLayout(new QVBoxLayout)
    , m_helpMessage(new QTextEdit(this))
{
    setWindowModality(Qt::ApplicationModal);
    setMinimumSize(m_sizeHint);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    m_gridLayout->setContentsMargins(0, 0, 0, 0);
    m_gridLayout->setSpacing(5);
    m_contentLayout->setContentsMargins(5, 5, 5, 0);
    m_gridLayout->addLayout(m_contentLayout, 0, 0);

    auto* helpLayout = new QVBoxLayout;
    helpLayout->setContentsMargins(5, 0, 5, 0);
    m_helpMessage->setObjectName(QStringLiteral("helpMessage"));
    m_helpMessage->setReadOnly(true);
    m_helpMessage->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_helpMessage->setMaximumHeight(70);
    helpLayout->addWidget(m_helpMessage, 0, Qt::AlignBottom);
    m_gridLayout->addLayout(helpLayout, 1, 0);

    int row = 2;
    if (withAddRemove)
        addToolBar(row++);
    auto* separator = new QLabel(this);
    separator->setObjectName(QStringLiteral("separator"));
    m_gridLayout->addWidget(separator, row++, 0);
    addButtons(row);

    setStyleSheet(QStringLiteral(" #separator { background: rgba( 221,101, 47, 255 ); max-height: 3; }  QDialog { background: "
                                 "qlineargradient(x1: 0.5, y1: 0, x2: 0.5, y2: 1, stop: 0 rgba( ")
                  + InitSettings::lightGradientColor() + QStringLiteral("), stop: 0.82 rgba( ")
                  + InitSettings::lightGradientColor() + QStringLiteral(" ), stop: 1 rgba( ")
                  + InitSettings::darkGradientColor()
                  + QStringLiteral(")); }  #toolBar{ background: transparent; }  #helpMessage { border: 1px solid rgba( ")
                  + InitSettings::borderColor() + QStringLiteral("); } "));
}

void BaseEditorDialog::addToolBar(int row)
{
    auto* layout = new QHBoxLayout;
    layout->setContentsMargins(5, 0, 5, 0);
    auto* toolBar = new QToolBar(this);
    toolBar->setObjectName(QStringLiteral("toolBar"));
    toolBar->setMovable(false);
    toolBar->setIconSize(QSize(16, 16));
    auto* addButton = new QToolButton(toolBar);
    addButton->setToolTip(tr("Add"));
    addButton->setIcon(QIcon(QStringLiteral(":/Images/add.png")));
    auto* removeButton = new QToolButton(toolBar);
    removeButton->setToolTip(tr("Remove"));
    removeButton->setIcon(QIcon(QStringLiteral(":/Images/delete.png")));
    toolBar->addWidget(addButton);
    toolBar->addWidget(removeButton);
    connect(addButton, &QToolButton::clicked, this, &BaseEditorDialog::add);
    connect(removeButton, &QToolButton::clicked, this, &BaseEditorDialog::remove);
    layout->addWidget(toolBar);
    m_gridLayout->addLayout(layout, row, 0);
}

void BaseEditorDialog::addButtons(int row)
{
    auto* layout = new QHBoxLayout;
    layout->setContentsMargins(5, 10, 5, 10);
    layout->addStretch(100);
    auto* confirmButton = new QPushButton(tr("Confirm"), this);
    confirmButton->setObjectName(QStringLiteral("confirmButton"));
    auto* cancelButton = new QPushButton(tr("Cancel"), this);
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    connect(confirmButton, &QPushButton::clicked, this, &BaseEditorDialog::confirm);
    connect(cancelButton, &QPushButton::clicked, this, &BaseEditorDialog::cancel);
    layout->addWidget(confirmButton);
    layout->addWidget(cancelButton);
    m_gridLayout->addLayout(layout, row, 0);
}

void BaseEditorDialog::confirm()
{
    m_accepted = true;
    // A refused close leaves the dialog open and unconfirmed, so a later
    // Escape writes nothing.
    if (!close())
        m_accepted = false;
}

void BaseEditorDialog::cancel()
{
    m_accepted = false;
    close();
}

void BaseEditorDialog::add()
{
    onAddClicked();
}

void BaseEditorDialog::remove()
{
    onRemoveClicked();
}

void BaseEditorDialog::displayHelpMessage(const QString& htmlMessage)
{
    Utilities::WidgetUtilities::changeTextEditTextDirection(m_helpMessage, QApplication::layoutDirection());
    m_helpMessage->setHtml(htmlMessage);
}

void BaseEditorDialog::closeEvent(QCloseEvent* event)
{
    QDialog::closeEvent(event);
    if (event->isAccepted())
        reportClosedOnce();
}

void BaseEditorDialog::hideEvent(QHideEvent* event)
{
    QDialog::hideEvent(event);
    // A minimised parent hides the dialog spontaneously: that ends nothing.
    if (!event->spontaneous())
        reportClosedOnce();
}

void BaseEditorDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    m_closedReported = false;
    // After the show: the item view that opens the dialog as a cell's
    // editor then focuses the dialog itself.
    QMetaObject::invokeMethod(this, [this] { focusFirstField(); }, Qt::QueuedConnection);
}

void BaseEditorDialog::focusFirstField()
{
    for (QWidget* widget = nextInFocusChain(); widget != this; widget = widget->nextInFocusChain()) {
        // A scroll area holds the fields; it is none itself.
        if ((widget->focusPolicy() & Qt::TabFocus) && widget->isVisibleTo(this) && widget->isEnabled()
            && !qobject_cast<QScrollArea*>(widget) && inContent(widget)) {
            widget->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

bool BaseEditorDialog::inContent(const QWidget* widget) const
{
    // The content's widgets, with those of its inner layouts.
    QList<QLayout*> layouts{m_contentLayout};
    while (!layouts.isEmpty()) {
        const QLayout* layout = layouts.takeFirst();
        for (int i = 0; i < layout->count(); ++i) {
            QLayoutItem* item = layout->itemAt(i);
            if (item->layout())
                layouts.append(item->layout());
            else if (item->widget() && (item->widget() == widget || item->widget()->isAncestorOf(widget)))
                return true;
        }
    }
    return false;
}

void BaseEditorDialog::reportClosedOnce()
{
    if (m_closedReported)
        return;
    m_closedReported = true;
    emit closed();
}

} // namespace Corvane::Configurator::Editors
