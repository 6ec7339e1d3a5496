#include "devices/ConfigUtilities.h"
#include "editors/IpTypeEditor.h"

#include <QTest>

using Corvane::Configurator::Editors::IpTypeEditor;

class tst_IpTypeEditor : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void entries_data();
    void entries();
};

void tst_IpTypeEditor::entries_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("current");
    QTest::newRow("static") << 0 << 0;
    QTest::newRow("dynamic") << 1 << 1;
    QTest::newRow("unknown") << 7 << 0;
}

void tst_IpTypeEditor::entries()
{
    QFETCH(int, type);
    QFETCH(int, current);
    IpTypeEditor editor(type);
    QCOMPARE(editor.count(), 2);
    QCOMPARE(editor.itemText(0), Corvane::Devices::ConfigUtilities::getIpTypeString(0));
    QCOMPARE(editor.itemData(1).toInt(), 1);
    QCOMPARE(editor.currentIndex(), current);
}

QTEST_MAIN(tst_IpTypeEditor)
#include "tst_iptypeeditor.moc"
