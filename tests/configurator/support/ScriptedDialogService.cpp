#include "ScriptedDialogService.h"

namespace ConfiguratorTest {

ScriptedDialogService::ScriptedDialogService()
{
    setInstance(this);
}

ScriptedDialogService::~ScriptedDialogService()
{
    setInstance(nullptr);
}

void ScriptedDialogService::runWhileOpen()
{
    if (const std::function<void()> meanwhile = std::exchange(whileNextBoxIsOpen, nullptr))
        meanwhile();
}

QMessageBox::StandardButton ScriptedDialogService::showMessage(QWidget*, QMessageBox::Icon icon, const QString& title,
                                                               const QString& text, QMessageBox::StandardButtons buttons,
                                                               QMessageBox::StandardButton defaultButton)
{
    boxes.append({icon, title, text, buttons, defaultButton});
    runWhileOpen();
    return answers.isEmpty() ? defaultButton : answers.takeFirst();
}

QMessageBox::StandardButton ScriptedDialogService::showAskToSave(QWidget*, const QString&, const QString&)
{
    ++askToSaveCount;
    runWhileOpen();
    return saveAnswers.isEmpty() ? QMessageBox::Cancel : saveAnswers.takeFirst();
}

QString ScriptedDialogService::showOpenFileDialog(QWidget*, const QString&, const QString&, const QString& filter)
{
    openFilters.append(filter);
    return openNames.isEmpty() ? QString() : openNames.takeFirst();
}

QString ScriptedDialogService::showSaveFileDialog(QWidget*, const QString&, const QString&, const QString&,
                                                  const QString& defaultSuffix)
{
    saveSuffixes.append(defaultSuffix);
    return saveNames.isEmpty() ? QString() : saveNames.takeFirst();
}

} // namespace ConfiguratorTest
