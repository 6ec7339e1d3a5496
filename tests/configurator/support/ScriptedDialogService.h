#pragma once

#include "DialogService.h"

#include <QList>
#include <QStringList>

#include <functional>

namespace ConfiguratorTest {

// Answers every box and file dialog from queues and records what was asked.
// An empty answer queue answers the box's default button (the ask-to-save
// question: Cancel; a file dialog: cancelled). Installs itself while alive.
class ScriptedDialogService : public Corvane::Configurator::DialogService
{
public:
    struct Box
    {
        QMessageBox::Icon icon;
        QString title;
        QString text;
        QMessageBox::StandardButtons buttons;
        QMessageBox::StandardButton defaultButton;
    };

    ScriptedDialogService();
    ~ScriptedDialogService() override;

    QList<QMessageBox::StandardButton> answers;
    QList<QMessageBox::StandardButton> saveAnswers;
    QStringList openNames;
    QStringList saveNames;

    QList<Box> boxes;
    int askToSaveCount = 0;
    QStringList saveSuffixes;
    QStringList openFilters;

    // Runs once while the next box is open, before it is answered: what
    // happens meanwhile (a later start handing a file over).
    std::function<void()> whileNextBoxIsOpen;

protected:
    QMessageBox::StandardButton showMessage(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                                            const QString& text, QMessageBox::StandardButtons buttons,
                                            QMessageBox::StandardButton defaultButton) override;
    QMessageBox::StandardButton showAskToSave(QWidget* parent, const QString& title, const QString& text) override;
    QString showOpenFileDialog(QWidget* parent, const QString& caption, const QString& folder,
                               const QString& filter) override;
    QString showSaveFileDialog(QWidget* parent, const QString& caption, const QString& folder,
                               const QString& filter, const QString& defaultSuffix) override;

private:
    void runWhileOpen();
};

} // namespace ConfiguratorTest
