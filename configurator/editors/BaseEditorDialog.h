#pragma once

#include <QDialog>
#include <QSize>

class QGridLayout;
class QTextEdit;
class QVBoxLayout;

namespace Corvane::Configurator::Editors {

// The modal frame of every editor that edits one cell in a window of its
// own: a content layout for the derived dialog, a help pane, an optional
// Add/Remove tool bar and Confirm/Cancel. The dialog reports closed() once
// it has closed, however it was closed; accepted() tells whether Confirm
// closed it.
class BaseEditorDialog : public QDialog
{
    Q_OBJECT

public:
    explicit BaseEditorDialog(bool withAddRemove, QWidget* parent = nullptr);

    bool accepted() const { return m_accepted; }
    QSize sizeHint() const override { return m_sizeHint; }

public Q_SLOTS:
    void cancel();
    void confirm();
    void add();
    void remove();
    void displayHelpMessage(const QString& htmlMessage);

Q_SIGNALS:
    void closed();

protected:
    virtual void onAddClicked() {}
    virtual void onRemoveClicked() {}

    QVBoxLayout* contentLayout() const { return m_contentLayout; }
    QTextEdit* helpPane() const { return m_helpMessage; }
    void setSizeHint(const QSize& size) { m_sizeHint = size; }
    void closeEvent(QCloseEvent* event) override;
    // Escape and done() hide the dialog without a close event.
    void hideEvent(QHideEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // Gives the focus to the first field of the content as the dialog
    // shows: the first widget there that takes the Tab key.
    virtual void focusFirstField();

private:
    void reportClosedOnce();
    bool inContent(const QWidget* widget) const;

    void addToolBar(int row);
    void addButtons(int row);

    bool m_accepted = false;
    bool m_closedReported = false;
    QSize m_sizeHint{300, 420};
    QGridLayout* m_gridLayout;
    QVBoxLayout* m_contentLayout;
    QTextEdit* m_helpMessage;
};

} // namespace Corvane::Configurator::Editors
