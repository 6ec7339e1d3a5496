#include "devices/ConfigUtilities.h"
#include "editors/YesNoEditor.h"

#include <QTest>

using Corvane::Configurator::Editors::YesNoEditor;
using Corvane::Devices::ConfigUtilities;

class tst_YesNoEditor : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void items_data();
    void items();
};

void tst_YesNoEditor::items_data()
{
    QTest::addColumn<bool>("value");
    QTest::newRow("no") << false;
    QTest::newRow("yes") << true;
}

void tst_YesNoEditor::items()
{
    QFETCH(bool, value);
    YesNoEditor editor(value);
    QCOMPARE(editor.count(), 2);
    QCOMPARE(editor.itemText(0), ConfigUtilities::getFalseString());
    QCOMPARE(editor.itemText(1), ConfigUtilities::getTrueString());
    QCOMPARE(editor.itemData(0).toInt(), 0);
    QCOMPARE(editor.itemData(1).toInt(), 1);
    QCOMPARE(editor.currentIndex(), value ? 1 : 0);
}

QTEST_MAIN(tst_YesNoEditor)
#include "tst_yesnoeditor.moc"
