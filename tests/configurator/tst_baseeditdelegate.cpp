#include "editdelegates/BaseEditDelegate.h"
#include "editors/GroupsEditor.h"

#include <QComboBox>
#include <QMainWindow>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTableView>
#include <QTest>

using Corvane::Configurator::EditDelegates::BaseEditDelegate;
using Corvane::Configurator::Editors::GroupsEditor;

namespace {

// Edits column 0 with the groups dialog; counts the writes.
class GroupsDelegate : public BaseEditDelegate
{
public:
    mutable int writes = 0;
    mutable QPointer<GroupsEditor> dialog;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const override
    {
        dialog = new GroupsEditor({1}, parent);
        return adoptDialogEditor(dialog);
    }
    void setEditorData(QWidget*, const QModelIndex&) const override {}
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override
    {
        auto* groups = qobject_cast<GroupsEditor*>(editor);
        if (!groups || !groups->accepted())
            return;
        QList<int> chosen;
        groups->getSelectedGroups(chosen);
        ++writes;
        model->setData(index, QVariant::fromValue(chosen));
    }
};

} // namespace

class tst_BaseEditDelegate : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void editorCombo_data();
    void editorCombo();
    void endEditingCommitsCombosOnly();
    void dialogEditorInRealTable_data();
    void dialogEditorInRealTable();
};

void tst_BaseEditDelegate::editorCombo_data()
{
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("currentIndex");

    QTest::newRow("outside: first") << 1 << 9 << 12 << 9 << 0;
    QTest::newRow("inside") << 1 << 9 << 4 << 9 << 3;
    QTest::newRow("min above max") << 5 << 4 << 5 << 0 << -1;
}

void tst_BaseEditDelegate::editorCombo()
{
    QFETCH(int, min);
    QFETCH(int, max);
    QFETCH(int, current);
    QFETCH(int, count);
    QFETCH(int, currentIndex);

    std::unique_ptr<QComboBox> combo(BaseEditDelegate::getEditorCombo(min, max, current));
    QVERIFY(!combo->parent());
    QCOMPARE(combo->count(), count);
    QCOMPARE(combo->currentIndex(), currentIndex);
    for (int i = 0; i < count; ++i) {
        QCOMPARE(combo->itemText(i), QString::number(min + i));
        QCOMPARE(combo->itemData(i).toInt(), min + i);
    }
}

void tst_BaseEditDelegate::endEditingCommitsCombosOnly()
{
    BaseEditDelegate delegate;
    QSignalSpy commits(&delegate, &BaseEditDelegate::commitData);
    QSignalSpy closes(&delegate, &BaseEditDelegate::closeEditor);
    QComboBox combo;
    combo.addItems({"a", "b"});
    connect(&combo, &QComboBox::currentIndexChanged, &delegate, &BaseEditDelegate::endEditing);
    combo.setCurrentIndex(1);
    QCOMPARE(commits.count(), 1);
    QCOMPARE(closes.count(), 1);
    QCOMPARE(closes.at(0).at(1).value<QAbstractItemDelegate::EndEditHint>(), QAbstractItemDelegate::NoHint);

    QPushButton button;
    connect(&button, &QPushButton::clicked, &delegate, &BaseEditDelegate::endEditing);
    button.click();
    QCOMPARE(commits.count(), 1);
}

void tst_BaseEditDelegate::dialogEditorInRealTable_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("writes");

    QTest::newRow("confirm writes once") << "confirmButton" << 1;
    QTest::newRow("cancel writes nothing") << "cancelButton" << 0;
    QTest::newRow("frame writes nothing") << "" << 0;
    QTest::newRow("escape writes nothing") << "escape" << 0;
}

void tst_BaseEditDelegate::dialogEditorInRealTable()
{
    QFETCH(QString, how);
    QFETCH(int, writes);

    QMainWindow window;
    window.setGeometry(100, 80, 800, 500);
    auto* view = new QTableView(&window);
    window.setCentralWidget(view);
    QStandardItemModel model(2, 2);
    model.setData(model.index(0, 0), "unchanged");
    view->setModel(&model);
    GroupsDelegate delegate;
    view->setItemDelegate(&delegate);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    view->edit(model.index(0, 0));
    QTRY_VERIFY(delegate.dialog && delegate.dialog->isVisible());
    GroupsEditor* dialog = delegate.dialog;
    // Centred over the window that holds the table.
    const QPoint centre = window.mapToGlobal(window.rect().center());
    QCOMPARE(dialog->pos(), QPoint(centre.x() - dialog->width() / 2, centre.y() - dialog->height() / 2));

    dialog->combo(1)->setCurrentIndex(7);
    // The view hears of the end of editing once, while the dialog is still
    // its editor (a second commit would reach a view that no longer knows it).
    QSignalSpy commits(&delegate, &BaseEditDelegate::commitData);
    QSignalSpy closes(&delegate, &BaseEditDelegate::closeEditor);
    if (how.isEmpty())
        dialog->close();
    else if (how == "escape")
        QTest::keyClick(dialog, Qt::Key_Escape);
    else
        QTest::mouseClick(dialog->findChild<QPushButton*>(how), Qt::LeftButton);
    QTRY_VERIFY(!delegate.dialog);
    QCOMPARE(commits.count(), 1);
    QCOMPARE(closes.count(), 1);
    QCOMPARE(delegate.writes, writes);
    if (writes)
        QCOMPARE(model.index(0, 0).data().value<QList<int>>(), (QList<int>{1, 7}));
    else
        QCOMPARE(model.index(0, 0).data().toString(), QString("unchanged"));
}

QTEST_MAIN(tst_BaseEditDelegate)
#include "tst_baseeditdelegate.moc"
