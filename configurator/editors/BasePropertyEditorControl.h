#pragma once

#include <QWidget>

class QPushButton;
class QTableView;

namespace Corvane::Configurator::Editors {

// A collapsible pane: a title button over a table; each click on the title
// shows or hides the table.
class BasePropertyEditorControl : public QWidget
{
    Q_OBJECT

public:
    explicit BasePropertyEditorControl(const QString& title, QWidget* parent = nullptr);

    QTableView* table() const { return m_table; }
    QPushButton* expandButton() const { return m_expandButton; }
    void setTitle(const QString& title);
    QSize sizeHint() const override;

Q_SIGNALS:
    void helpMessageChanged(const QString& htmlMessage);

public Q_SLOTS:
    void showBtnClicked();

protected Q_SLOTS:
    virtual void onShowButtonClicked();

protected:
    void showEvent(QShowEvent* event) override;
    void updateTableHeight();

private:
    QPushButton* m_expandButton;
    QTableView* m_table;
};

} // namespace Corvane::Configurator::Editors
