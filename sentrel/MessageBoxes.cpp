#include "MessageBoxes.h"

#include "ApplicationIcon.h"

#include <QCoreApplication>
#include <QPushButton>

namespace Corvane::Sentrel {

namespace {

MessageBoxes* replacement = nullptr;

QMessageBox::StandardButton execute(QMessageBox& box)
{
    setApplicationIcon();
    return QMessageBox::StandardButton(box.exec());
}

} // namespace

MessageBoxes* MessageBoxes::instance()
{
    static MessageBoxes standard;
    return replacement ? replacement : &standard;
}

void MessageBoxes::setInstance(MessageBoxes* boxes)
{
    replacement = boxes;
}

QMessageBox::StandardButton MessageBoxes::critical(QWidget* parent, const QString& title, const QString& text)
{
    QMessageBox box(QMessageBox::Critical, title, text, QMessageBox::Ok, parent);
    box.button(QMessageBox::Ok)->setText(tr("OK"));
    return execute(box);
}

QMessageBox::StandardButton MessageBoxes::warning(QWidget* parent, const QString& title, const QString& text)
{
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, parent);
    box.button(QMessageBox::Ok)->setText(tr("OK"));
    return execute(box);
}

QMessageBox::StandardButton MessageBoxes::information(QWidget* parent, const QString& title, const QString& text)
{
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok, parent);
    box.button(QMessageBox::Ok)->setText(tr("OK"));
    return execute(box);
}

QMessageBox::StandardButton MessageBoxes::question(QWidget* parent, const QString& title, const QString& text)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                    parent);
    box.button(QMessageBox::Yes)->setText(tr("Yes"));
    box.button(QMessageBox::No)->setText(tr("No"));
    box.button(QMessageBox::Cancel)->setText(tr("Cancel"));
    box.setDefaultButton(QMessageBox::Yes);
    return execute(box);
}

} // namespace Corvane::Sentrel
