#include "editors/GroupsEditor.h"

#include <QComboBox>
#include <QTest>

using Corvane::Configurator::Editors::GroupsEditor;

class tst_GroupsEditor : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initialValues_data();
    void initialValues();
    void selectedGroupsKeepRowOrderWithoutDuplicates();
};

void tst_GroupsEditor::initialValues_data()
{
    QTest::addColumn<QList<int>>("groups");
    QTest::addColumn<QList<int>>("shown");    // the ten combos
    QTest::addColumn<QList<int>>("selected"); // getSelectedGroups

    const QList<int> zeros(10, 0);
    QTest::newRow("duplicate and out of range") << QList<int>{3, 3, 300}
                                                << QList<int>{3, 3, 0, 0, 0, 0, 0, 0, 0, 0} << QList<int>{3};
    QTest::newRow("eleven values") << QList<int>(11, 5) << zeros << QList<int>{};
    QTest::newRow("empty") << QList<int>{} << zeros << QList<int>{};
    QTest::newRow("negative") << QList<int>{-1, 255} << QList<int>{0, 255, 0, 0, 0, 0, 0, 0, 0, 0} << QList<int>{255};
    QTest::newRow("ten") << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10} << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}
                         << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
}

void tst_GroupsEditor::initialValues()
{
    QFETCH(QList<int>, groups);
    QFETCH(QList<int>, shown);
    QFETCH(QList<int>, selected);

    GroupsEditor editor(groups);
    QCOMPARE(editor.sizeHint(), QSize(200, 380));
    for (int row = 0; row < GroupsEditor::ROWS; ++row) {
        QCOMPARE(editor.combo(row)->count(), 256);
        QCOMPARE(editor.combo(row)->currentIndex(), shown.at(row));
    }
    QList<int> out;
    editor.getSelectedGroups(out);
    QCOMPARE(out, selected);
}

void tst_GroupsEditor::selectedGroupsKeepRowOrderWithoutDuplicates()
{
    GroupsEditor editor({});
    editor.combo(0)->setCurrentIndex(9);
    editor.combo(2)->setCurrentIndex(4);
    editor.combo(5)->setCurrentIndex(9);
    QList<int> out{4};
    editor.getSelectedGroups(out);
    QCOMPARE(out, (QList<int>{4, 9}));
}

QTEST_MAIN(tst_GroupsEditor)
#include "tst_groupseditor.moc"
