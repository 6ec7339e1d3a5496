#include "editdelegates/BaseEditDelegate.h"

#include "devices/ConfigUtilities.h"
#include "editdelegates/ComboListFitter.h"
#include "editors/BaseEditorDialog.h"
#include "editors/ChoiceComboBox.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QHelpEvent>
#include <QStyle>
#include <QToolTip>

namespace Corvane::Configurator::EditDelegates {

using Editors::BaseEditorDialog;
using Editors::ChoiceComboBox;

namespace {

const char* const OPENING_ENTRY = "openingEntry";
const char* const ENDED = "editingEnded";

} // namespace

BaseEditDelegate::BaseEditDelegate(QObject* parent)
    : QStyledItemDelegate(parent)
{
}

void BaseEditDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                            const QModelIndex& index) const
{
    if (auto* dialog = qobject_cast<BaseEditorDialog*>(editor)) {
        const QWidget* window = option.widget ? option.widget->window() : dialog->parentWidget();
        if (!window)
            return;
        const QPoint centre = window->mapToGlobal(window->rect().center());
        dialog->move(centre.x() - dialog->width() / 2, centre.y() - dialog->height() / 2);
        return;
    }
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        editor->setGeometry(option.rect);
        // The list may be wider than its cell.
        if (!combo->findChild<ComboListFitter*>(QString(), Qt::FindDirectChildrenOnly))
            new ComboListFitter(combo);
        return;
    }
    QStyledItemDelegate::updateEditorGeometry(editor, option, index);
}

QComboBox* BaseEditDelegate::getEditorCombo(int min, int max, int current)
{
    auto* combo = new ChoiceComboBox;
    const QIcon icon(Devices::ConfigUtilities::getAddressValueIconPath(0));
    for (int value = min; value <= max; ++value)
        combo->addItem(icon, QString::number(value), value);
    combo->setCurrentIndex(current >= min && current <= max ? current - min : 0);
    return combo;
}

void BaseEditDelegate::rememberOpeningEntry(QComboBox* combo)
{
    combo->setProperty(OPENING_ENTRY, combo->currentIndex());
}

bool BaseEditDelegate::choseAnotherEntry(const QComboBox* combo)
{
    const QVariant opening = combo->property(OPENING_ENTRY);
    const auto* choice = qobject_cast<const ChoiceComboBox*>(combo);
    return combo->currentIndex() >= 0
        && (!opening.isValid() || combo->currentIndex() != opening.toInt() || (choice && choice->picked()));
}

void BaseEditDelegate::endEditingOnChoice(QComboBox* combo) const
{
    if (auto* choice = qobject_cast<ChoiceComboBox*>(combo))
        connect(choice, &ChoiceComboBox::chosen, this, &BaseEditDelegate::endEditing);
    else
        connect(combo, &QComboBox::currentIndexChanged, this, &BaseEditDelegate::endEditing);
}

void BaseEditDelegate::endEditing()
{
    if (auto* combo = qobject_cast<QComboBox*>(sender()))
        commitAndClose(combo);
}

void BaseEditDelegate::commitAndClose(QComboBox* combo)
{
    // A pick of another entry reports a change and an activation: the
    // editor ends once.
    if (combo->property(ENDED).toBool())
        return;
    combo->setProperty(ENDED, true);
    emit commitData(combo);
    emit closeEditor(combo, QAbstractItemDelegate::NoHint);
}

bool BaseEditDelegate::eventFilter(QObject* object, QEvent* event)
{
    if (qobject_cast<BaseEditorDialog*>(object))
        return false;
    // Return commits a value drop-down at once (the item delegate would
    // wait for the event loop): the key goes on to a dialog's default
    // button, which reads the value.
    if (auto* choice = qobject_cast<ChoiceComboBox*>(object); choice && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            commitAndClose(choice);
            return false;
        }
    }
    return QStyledItemDelegate::eventFilter(object, event);
}

bool BaseEditDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                                 const QModelIndex& index)
{
    if (event->type() == QEvent::ToolTip && !index.data(Qt::ToolTipRole).isValid()) {
        QStyleOptionViewItem item(option);
        initStyleOption(&item, index);
        if (isTextCut(item)) {
            QToolTip::showText(event->globalPos(), item.text, view, option.rect);
            return true;
        }
    }
    return QStyledItemDelegate::helpEvent(event, view, option, index);
}

bool BaseEditDelegate::isTextCut(const QStyleOptionViewItem& item)
{
    if (item.text.isEmpty())
        return false;
    const QStyle* style = item.widget ? item.widget->style() : QApplication::style();
    const QRect textRect = style->subElementRect(QStyle::SE_ItemViewItemText, &item, item.widget);
    // The style keeps this margin on each side of the text.
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, item.widget) + 1;
    return item.fontMetrics.horizontalAdvance(item.text) + 2 * margin > textRect.width();
}

BaseEditorDialog* BaseEditDelegate::adoptDialogEditor(BaseEditorDialog* dialog) const
{
    connect(dialog, &BaseEditorDialog::closed, this, &BaseEditDelegate::onDialogClosed, Qt::UniqueConnection);
    return dialog;
}

void BaseEditDelegate::onDialogClosed()
{
    auto* dialog = qobject_cast<BaseEditorDialog*>(sender());
    if (!dialog)
        return;
    emit commitData(dialog);
    emit closeEditor(dialog, QAbstractItemDelegate::NoHint);
}

} // namespace Corvane::Configurator::EditDelegates
