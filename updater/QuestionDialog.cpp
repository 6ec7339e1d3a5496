#include "QuestionDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

namespace Corvane::Updater {

namespace {

constexpr int TextWidthInCharacters = 60;

} // namespace

QuestionDialog::QuestionDialog(const QString& title, const QString& text, const QString& checkBoxText, bool checked,
                               const QPixmap& pixmap, QWidget* parent, Qt::WindowFlags flags)
    : QDialog(parent, flags | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint)
    , m_textLabel(new QLabel(text, this))
    , m_buttonBox(new QDialogButtonBox(this))
    , m_checkBox(new QCheckBox(checkBoxText, this))
{
    m_textLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_textLabel->setOpenExternalLinks(true);
    m_textLabel->setContentsMargins(2, 0, 0, 0);
    m_textLabel->setIndent(9);
    m_textLabel->setWordWrap(true);
    // Wrapped text would otherwise shrink to a narrow column.
    m_textLabel->setMinimumWidth(m_textLabel->fontMetrics().averageCharWidth() * TextWidthInCharacters);

    auto* iconLabel = new QLabel(this);
    iconLabel->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    iconLabel->setPixmap(pixmap);

    m_checkBox->setChecked(checked);

    m_buttonBox->addButton(tr("Yes"), QDialogButtonBox::YesRole);
    m_buttonBox->addButton(tr("No"), QDialogButtonBox::NoRole);
    connect(m_buttonBox, &QDialogButtonBox::clicked, this, &QuestionDialog::onButtonClicked);

    auto* grid = new QGridLayout(this);
    grid->addWidget(iconLabel, 0, 0, 2, 1, Qt::AlignTop);
    grid->addWidget(m_textLabel, 0, 1);
    grid->addWidget(m_checkBox, 1, 0, 1, 2, Qt::AlignCenter);
    grid->addWidget(m_buttonBox, 2, 0, 1, 2);
    grid->setSizeConstraint(QLayout::SetNoConstraint);

    applyStyleDependentSettings();
    if (!title.isEmpty())
        setWindowTitle(title);
    setModal(true);
}

bool QuestionDialog::isCheckBoxChecked() const
{
    return m_checkBox->checkState() == Qt::Checked;
}

void QuestionDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::StyleChange)
        applyStyleDependentSettings();
    QDialog::changeEvent(event);
}

void QuestionDialog::onButtonClicked(QAbstractButton* button)
{
    switch (m_buttonBox->buttonRole(button)) {
    case QDialogButtonBox::YesRole:
        done(QMessageBox::Yes);
        break;
    case QDialogButtonBox::NoRole:
        done(QMessageBox::No);
        break;
    default:
        break;
    }
}

void QuestionDialog::applyStyleDependentSettings()
{
    m_textLabel->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::LinksAccessibleByMouse
                                         | Qt::LinksAccessibleByKeyboard);
    m_buttonBox->setCenterButtons(true);
}

} // namespace Corvane::Updater
