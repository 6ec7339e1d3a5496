#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

namespace Corvane::Configurator {

// Every message box and file dialog of the editor goes through the current
// service, so that tests can answer them. Texts are shown as plain text:
// they may quote what the user typed.
class DialogService
{
public:
    virtual ~DialogService() = default;

    // The box's answer: one of buttons, or QMessageBox::NoButton when it
    // was closed without one (Escape falls back to Cancel or No, when
    // offered).
    QMessageBox::StandardButton message(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                                        const QString& text, QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton);
    // The ask-to-save question: Save, Discard or Cancel (also when closed).
    QMessageBox::StandardButton askToSave(QWidget* parent, const QString& title, const QString& text);
    // An empty name when cancelled. defaultSuffix (without dot) is added to
    // a saved name that has none before the overwrite question is asked.
    QString getOpenFileName(QWidget* parent, const QString& caption, const QString& folder, const QString& filter);
    QString getSaveFileName(QWidget* parent, const QString& caption, const QString& folder, const QString& filter,
                            const QString& defaultSuffix);

    // Whether a box or file dialog is waiting for its answer: the command
    // that asked is still running.
    static bool isAsking();

    // The service in use (the interactive one unless replaced).
    static DialogService* instance();
    // Replaces the service (not owned); null restores the interactive one.
    static void setInstance(DialogService* service);

protected:
    // What each question does; the public calls count the open ones.
    virtual QMessageBox::StandardButton showMessage(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                                                    const QString& text, QMessageBox::StandardButtons buttons,
                                                    QMessageBox::StandardButton defaultButton);
    virtual QMessageBox::StandardButton showAskToSave(QWidget* parent, const QString& title, const QString& text);
    virtual QString showOpenFileDialog(QWidget* parent, const QString& caption, const QString& folder,
                                       const QString& filter);
    virtual QString showSaveFileDialog(QWidget* parent, const QString& caption, const QString& folder,
                                       const QString& filter, const QString& defaultSuffix);
};

} // namespace Corvane::Configurator
