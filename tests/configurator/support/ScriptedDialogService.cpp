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

QMessageBox::StandardButton ScriptedDialogService::message(QWidget*, QMessageBox::Icon icon, const QString& title,
                                                           const QString& text, QMessageBox::StandardButtons buttons,
                                                           QMessageBox::StandardButton defaultButton)
{
    boxes.append({icon, title, text, buttons, defaultButton});
    return answers.isEmpty() ? defaultButton : answers.takeFirst();
}

QMessageBox::StandardButton ScriptedDialogService::askToSave(QWidget*, const QString&, const QString&)
{
    ++askToSaveCount;
    return saveAnswers.isEmpty() ? QMessageBox::Cancel : saveAnswers.takeFirst();
}

QString ScriptedDialogService::getOpenFileName(QWidget*, const QString&, const QString&, const QString& filter)
{
    openFilters.append(filter);
    return openNames.isEmpty() ? QString() : openNames.takeFirst();
}

QString ScriptedDialogService::getSaveFileName(QWidget*, const QString&, const QString&, const QString&,
                                               const QString& defaultSuffix)
{
    saveSuffixes.append(defaultSuffix);
    return saveNames.isEmpty() ? QString() : saveNames.takeFirst();
}

} // namespace ConfiguratorTest
