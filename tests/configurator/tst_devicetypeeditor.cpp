#include "devices/StringConsts.h"
#include "editors/DeviceTypeEditor.h"

#include <QTest>

using Corvane::Configurator::Editors::DeviceTypeEditor;

class tst_DeviceTypeEditor : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void items_data();
    void items();
};

void tst_DeviceTypeEditor::items_data()
{
    QTest::addColumn<QList<int>>("allowed");
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("currentIndex");

    QTest::newRow("current listed") << QList<int>{2001, 2002, 2003} << 2002 << 1;
    QTest::newRow("current missing: first") << QList<int>{2001, 2002} << 3001 << 0;
    QTest::newRow("empty") << QList<int>{} << 2001 << -1;
}

void tst_DeviceTypeEditor::items()
{
    QFETCH(QList<int>, allowed);
    QFETCH(int, current);
    QFETCH(int, currentIndex);

    DeviceTypeEditor editor(allowed, current);
    QCOMPARE(editor.count(), allowed.size());
    QCOMPARE(editor.currentIndex(), currentIndex);
    for (int i = 0; i < allowed.size(); ++i) {
        QCOMPARE(editor.itemData(i).toInt(), allowed.at(i));
        QCOMPARE(editor.itemText(i), Corvane::Devices::StringConsts::getDeviceTypeString(allowed.at(i)));
        QVERIFY(!editor.itemIcon(i).isNull());
    }
}

QTEST_MAIN(tst_DeviceTypeEditor)
#include "tst_devicetypeeditor.moc"
