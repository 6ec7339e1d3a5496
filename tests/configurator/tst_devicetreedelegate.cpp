#include "DevicesTree.h"
#include "ProjectFixture.h"
#include "devices/WebServerDeviceProperties.h"
#include "editdelegates/DeviceTreeDelegate.h"

#include <QTest>

using namespace Corvane::Configurator;

class tst_DeviceTreeDelegate : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void plantTint_data();
    void plantTint();
};

void tst_DeviceTreeDelegate::plantTint_data()
{
    QTest::addColumn<QList<int>>("errors");
    QTest::addColumn<bool>("tinted");

    QTest::newRow("invalid IP") << QList<int>{0} << true;
    QTest::newRow("duplicate IP") << QList<int>{1} << true;
    QTest::newRow("invalid univocal code") << QList<int>{2} << true;
    QTest::newRow("password only") << QList<int>{3} << false;
    QTest::newRow("none") << QList<int>{} << false;
}

void tst_DeviceTreeDelegate::plantTint()
{
    QFETCH(QList<int>, errors);
    QFETCH(bool, tinted);

    auto project = ConfiguratorTest::makeProject(2, 0);
    const int marked = project->webServers().at(0)->id();
    const int other = project->webServers().at(1)->id();
    for (int error : errors)
        project->addDevicesWithError({marked}, error);
    project->addDevicesWithError({other}, 3);

    DevicesTree tree;
    DevicesTreeModel model({{marked, "Marked"}, {other, "Other"}});
    tree.setModel(&model);
    tree.setConfiguration(project.get());
    tree.expandAll();
    tree.resize(300, 400);
    tree.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tree));

    auto* delegate = qobject_cast<EditDelegates::DeviceTreeDelegate*>(tree.itemDelegate());
    QVERIFY(delegate);
    const QModelIndex plant = tree.findIndex(DevicesTreeModel::NodePlant, marked);
    QCOMPARE(delegate->isPlantMarked(plant), tinted);
    QVERIFY(!delegate->isPlantMarked(tree.findIndex(DevicesTreeModel::NodePlant, other)));
    QVERIFY(!delegate->isPlantMarked(tree.findIndex(DevicesTreeModel::NodeLights, marked)));

    const QImage image = tree.viewport()->grab().toImage();
    const QRect rect = tree.visualRect(plant);
    const QColor colour = image.pixelColor(rect.right() - 3, rect.center().y());
    QCOMPARE(colour.red() - colour.green() > 60, tinted);
}

QTEST_MAIN(tst_DeviceTreeDelegate)
#include "tst_devicetreedelegate.moc"
