#include "DialogService.h"

#include <QFileDialog>
#include <QPushButton>

namespace Corvane::Configurator {

namespace {

DialogService* s_service = nullptr;

} // namespace

QMessageBox::StandardButton DialogService::message(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                                                   const QString& text, QMessageBox::StandardButtons buttons,
                                                   QMessageBox::StandardButton defaultButton)
{
    QMessageBox box(icon, title, text, buttons, parent);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(defaultButton);
    const int answer = box.exec();
    return buttons.testFlag(QMessageBox::StandardButton(answer)) ? QMessageBox::StandardButton(answer) : QMessageBox::NoButton;
}

QMessageBox::StandardButton DialogService::askToSave(QWidget* parent, const QString& title, const QString& text)
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

QString DialogService::getOpenFileName(QWidget* parent, const QString& caption, const QString& folder,
                                       const QString& filter)
{
    return QFileDialog::getOpenFileName(parent, caption, folder, filter);
}

QString DialogService::getSaveFileName(QWidget* parent, const QString& caption, const QString& folder,
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
