#include "DialogService.h"

#include <QFileDialog>
#include <QPushButton>
#include <QScopedValueRollback>

#include <functional>

namespace Corvane::Configurator {

namespace {

DialogService* s_service = nullptr;
int s_openQuestions = 0;

// Counts a question as open while it waits for its answer.
template<typename Answer>
Answer asking(const std::function<Answer()>& ask)
{
    const QScopedValueRollback<int> open(s_openQuestions, s_openQuestions + 1);
    return ask();
}

} // namespace

QMessageBox::StandardButton DialogService::message(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                                                   const QString& text, QMessageBox::StandardButtons buttons,
                                                   QMessageBox::StandardButton defaultButton)
{
    return asking<QMessageBox::StandardButton>(
        [&] { return showMessage(parent, icon, title, text, buttons, defaultButton); });
}

QMessageBox::StandardButton DialogService::askToSave(QWidget* parent, const QString& title, const QString& text)
{
    return asking<QMessageBox::StandardButton>([&] { return showAskToSave(parent, title, text); });
}

QString DialogService::getOpenFileName(QWidget* parent, const QString& caption, const QString& folder,
                                       const QString& filter)
{
    return asking<QString>([&] { return showOpenFileDialog(parent, caption, folder, filter); });
}

QString DialogService::getSaveFileName(QWidget* parent, const QString& caption, const QString& folder,
                                       const QString& filter, const QString& defaultSuffix)
{
    return asking<QString>([&] { return showSaveFileDialog(parent, caption, folder, filter, defaultSuffix); });
}

bool DialogService::isAsking()
{
    return s_openQuestions > 0;
}

QMessageBox::StandardButton DialogService::showMessage(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                                                       const QString& text, QMessageBox::StandardButtons buttons,
                                                       QMessageBox::StandardButton defaultButton)
{
    QMessageBox box(icon, title, text, buttons, parent);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(defaultButton);
    const int answer = box.exec();
    return buttons.testFlag(QMessageBox::StandardButton(answer)) ? QMessageBox::StandardButton(answer) : QMessageBox::NoButton;
}

QMessageBox::StandardButton DialogService::showAskToSave(QWidget* parent, const QString& title, const QString& text)
{
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::NoButton, parent);
    box.setTextFormat(Qt::PlainText);
    QPushButton* save = box.addButton(QMessageBox::tr("Save"), QMessageBox::AcceptRole);
    QPushButton* discard = box.addButton(QMessageBox::tr("Don't save"), QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton(QMessageBox::tr("Cancel"), QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == save)
        return QMessageBox::Save;
    if (box.clickedButton() == discard)
        return QMessageBox::Discard;
    return QMessageBox::Cancel;
}

QString DialogService::showOpenFileDialog(QWidget* parent, const QString& caption, const QString& folder,
                                          const QString& filter)
{
    return QFileDialog::getOpenFileName(parent, caption, folder, filter);
}

QString DialogService::showSaveFileDialog(QWidget* parent, const QString& caption, const QString& folder,
                                          const QString& filter, const QString& defaultSuffix)
{
    QFileDialog dialog(parent, caption, folder, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

DialogService* DialogService::instance()
{
    static DialogService interactive;
    return s_service ? s_service : &interactive;
}

void DialogService::setInstance(DialogService* service)
{
    s_service = service;
}

} // namespace Corvane::Configurator
