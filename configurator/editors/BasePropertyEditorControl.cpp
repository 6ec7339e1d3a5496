#include "editors/BasePropertyEditorControl.h"

#include "utilities/InitSettings.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace Corvane::Configurator::Editors {

using Utilities::InitSettings;

BasePropertyEditorControl::BasePropertyEditorControl(const QString& title, QWidget* parent)
    : QWidget(parent)
    , m_expandButton(new QPushButton(title, this))
    , m_table(new QTableView(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_expandButton);
    layout->addWidget(m_table);

    m_expandButton->setObjectName(QStringLiteral("expandButton"));
    m_expandButton->setProperty("selected", false);
    m_expandButton->setIcon(QIcon(QStringLiteral(":/Images/expand_collapse.png")));
    m_expandButton->setIconSize(QSize(16, 16));
    m_table->verticalHeader()->setDefaultSectionSize(22);
    m_table->setEditTriggers(QAbstractItemView::CurrentChanged | QAbstractItemView::SelectedClicked
                             | QAbstractItemView::EditKeyPressed);
    m_table->horizontalHeader()->hide();
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);
    setStyleSheet(QStringLiteral("QTableView::selected {  color: red; } QTableView::item { max-height: 20; } "
                                 "#expandButton { background: qlineargradient(x1: 0.5, y1: 0, x2: 0.5, y2: 1, stop: 0 rgba( ")
                  + InitSettings::lightGradientColor() + QStringLiteral("), stop: 1 rgba( ")
                  + InitSettings::darkGradientColor()
                  + QStringLiteral(" )); text-align: left;font-weight: bold; border: 1 solid rgba( 40,40,40,255 );   "
                                   "min-height: 20; padding: 0 0 0 5; }  #expandButton:pressed{ padding: 2 0 0 7; } "
                                   "#expandButton[selected=\"true\"]{ color: white; background: qlineargradient(x1: 0.5, "
                                   "y1: 0, x2: 0.5, y2: 1, stop: 0 rgba( ")
                  + InitSettings::selectionLightGradientColor() + QStringLiteral("), stop: 1 rgba( ")
                  + InitSettings::selectionDarkGradientColor() + QStringLiteral(" )); }"));
    connect(m_expandButton, &QPushButton::clicked, this, &BasePropertyEditorControl::showBtnClicked);
}

void BasePropertyEditorControl::setTitle(const QString& title)
{
    m_expandButton->setText(title);
}

void BasePropertyEditorControl::showBtnClicked()
{
    onShowButtonClicked();
}

void BasePropertyEditorControl::onShowButtonClicked()
{
    m_table->setVisible(m_table->isHidden());
    setMinimumSize(sizeHint());
    updateTableHeight();
}

QSize BasePropertyEditorControl::sizeHint() const
{
    if (m_table->isHidden())
        return m_expandButton->size();
    const int rows = m_table->model() ? m_table->model()->rowCount() : 0;
    return {m_table->width(), (m_expandButton->height() - 1) + m_table->rowHeight(0) * rows + 3};
}

void BasePropertyEditorControl::updateTableHeight()
{
    if (!m_table->model())
        return;
    m_table->setMinimumHeight(m_table->rowHeight(0));
    m_table->resize(m_table->width(), m_table->model()->rowCount() * (m_table->rowHeight(0) + 1));
    updateGeometry();
}

void BasePropertyEditorControl::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    setMinimumHeight(sizeHint().height());
}

} // namespace Corvane::Configurator::Editors
