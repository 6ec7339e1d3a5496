#pragma once

#include <QDialog>

class QAbstractButton;
class QCheckBox;
class QDialogButtonBox;
class QLabel;

namespace Corvane::Updater {

// A modal question with an image, a text, a check box and the buttons Yes
// and No. exec() returns QMessageBox::Yes or QMessageBox::No.
class QuestionDialog : public QDialog
{
    Q_OBJECT

public:
    QuestionDialog(const QString& title, const QString& text, const QString& checkBoxText, bool checked,
                   const QPixmap& pixmap, QWidget* parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags());

    bool isCheckBoxChecked() const;

protected:
    void changeEvent(QEvent* event) override;

private Q_SLOTS:
    void onButtonClicked(QAbstractButton* button);

private:
    void applyStyleDependentSettings();

    QLabel* m_textLabel;
    QDialogButtonBox* m_buttonBox;
    QCheckBox* m_checkBox;
};

} // namespace Corvane::Updater
