#pragma once

#include <QCoreApplication>
#include <QMessageBox>
#include <QString>

class QWidget;

namespace Corvane::Sentrel {

// The message and question boxes that the program shows. Tests replace the
// instance by one that records what would be shown and answers at once.
class MessageBoxes
{
    Q_DECLARE_TR_FUNCTIONS(Corvane::Sentrel::MessageBoxes)

public:
    virtual ~MessageBoxes() = default;

    // The instance in use; a plain QMessageBox one unless replaced.
    static MessageBoxes* instance();
    // Replaces the instance (null restores the default); the caller keeps
    // ownership of boxes.
    static void setInstance(MessageBoxes* boxes);

    virtual QMessageBox::StandardButton critical(QWidget* parent, const QString& title, const QString& text);
    virtual QMessageBox::StandardButton warning(QWidget* parent, const QString& title, const QString& text);
    virtual QMessageBox::StandardButton information(QWidget* parent, const QString& title, const QString& text);
    // Asks with Yes, No and Cancel, Yes being the default.
    virtual QMessageBox::StandardButton question(QWidget* parent, const QString& title, const QString& text);
};

} // namespace Corvane::Sentrel
