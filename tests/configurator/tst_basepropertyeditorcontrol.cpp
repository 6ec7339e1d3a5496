#include "editors/BasePropertyEditorControl.h"

#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QTest>

using Corvane::Configurator::Editors::BasePropertyEditorControl;

class tst_BasePropertyEditorControl : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void titleTogglesTable();
};

void tst_BasePropertyEditorControl::titleTogglesTable()
{
    BasePropertyEditorControl pane("Enable");
    QStandardItemModel model(3, 2);
    pane.table()->setModel(&model);
    pane.show();
    QVERIFY(QTest::qWaitForWindowExposed(&pane));
    QCOMPARE(pane.expandButton()->text(), QString("Enable"));
    QVERIFY(pane.table()->isVisible());
    const int expanded = pane.sizeHint().height();
    QCOMPARE(expanded, pane.expandButton()->height() - 1 + pane.table()->rowHeight(0) * 3 + 3);

    QTest::mouseClick(pane.expandButton(), Qt::LeftButton);
    QVERIFY(pane.table()->isHidden());
    QCOMPARE(pane.sizeHint(), pane.expandButton()->size());

    QTest::mouseClick(pane.expandButton(), Qt::LeftButton);
    QVERIFY(!pane.table()->isHidden());
    pane.setTitle("Disable");
    QCOMPARE(pane.expandButton()->text(), QString("Disable"));
}

QTEST_MAIN(tst_BasePropertyEditorControl)
#include "tst_basepropertyeditorcontrol.moc"
