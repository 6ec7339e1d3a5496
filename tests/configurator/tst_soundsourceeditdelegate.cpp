#include "CellEditing.h"
#include "ProjectFixture.h"
#include "ScriptedDialogService.h"
#include "devices/DeviceAddress.h"
#include "devices/Utilities.h"
#include "devices/addressverification/AddressVerifier.h"
#include "editdelegates/SoundSourceEditDelegate.h"
#include "editors/DeviceTypeEditor.h"
#include "tablemodels/SoundSourceDeviceModel.h"
#include "utilities/InitSettings.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTableView>
#include <QTest>

using Corvane::Configurator::EditDelegates::SoundSourceEditDelegate;
using Corvane::Configurator::TableModels::SoundSourceDeviceModel;
using Corvane::Devices::DeviceAddress;
using Corvane::Utilities::InitSettings;

namespace {

const DeviceAddress ADDRESS(3, 1, DeviceAddress::LEVEL_PRIVATE_RISER, 1);

// A source's pane table in a window.
struct Pane
{
    explicit Pane(int addressType)
        : model(ADDRESS, "Radio", 23001, 7, addressType)
    {
        view.setModel(&model);
        view.setItemDelegate(new SoundSourceEditDelegate(&view));
        view.setGeometry(100, 100, 300, 200);
        view.show();
    }
    QModelIndex value(int row) const { return model.index(row, SoundSourceDeviceModel::COLUMN_VALUE_INDEX); }

    SoundSourceDeviceModel model;
    QTableView view;
};

} // namespace

class tst_SoundSourceEditDelegate : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void addressComboFollowsTheAddressType_data();
    void addressComboFollowsTheAddressType();
    void typeCombo();
    void descriptionLimit_data();
    void descriptionLimit();
};

void tst_SoundSourceEditDelegate::initTestCase()
{
    InitSettings::readSettings();
    ConfiguratorTest::initResources();
}

void tst_SoundSourceEditDelegate::addressComboFollowsTheAddressType_data()
{
    QTest::addColumn<int>("addressType");
    QTest::newRow("basic sound system") << 13;
    QTest::newRow("all-areas sound system") << 14;
}

void tst_SoundSourceEditDelegate::addressComboFollowsTheAddressType()
{
    QFETCH(int, addressType);

    Pane pane(addressType);
    auto* combo = ConfiguratorTest::openEditor<QComboBox>(&pane.view, pane.value(SoundSourceDeviceModel::ROW_ADDRESS_INDEX));
    QVERIFY(combo);
    QList<int> expected;
    Corvane::Devices::AddressVerification::AddressVerifier::areaIdValues(addressType, expected);
    QList<int> listed;
    for (int i = 0; i < combo->count(); ++i)
        listed.append(combo->itemData(i).toInt());
    QCOMPARE(listed, expected);
    QCOMPARE(combo->currentData().toInt(), 3);
    combo->setCurrentIndex(combo->findData(2));
    QTRY_VERIFY(ConfiguratorTest::editorClosed<QComboBox>(&pane.view));
    // Only A changes.
    QCOMPARE(pane.model.address(), ADDRESS.cloneWithAreaId(2));
}

void tst_SoundSourceEditDelegate::typeCombo()
{
    Pane pane(13);
    auto* combo = ConfiguratorTest::openEditor<Corvane::Configurator::Editors::DeviceTypeEditor>(
        &pane.view, pane.value(SoundSourceDeviceModel::ROW_DEVICE_TYPE_INDEX));
    QVERIFY(combo);
    QVERIFY(combo->findData(23001) >= 0);
    QVERIFY(combo->findData(23004) >= 0);
    QCOMPARE(combo->findData(23003), -1);
    QCOMPARE(combo->currentData().toInt(), 23001);
    combo->setCurrentIndex(combo->findData(23004));
    QTRY_VERIFY(ConfiguratorTest::editorClosed<QComboBox>(&pane.view));
    QCOMPARE(pane.model.deviceType(), 23004);
}

void tst_SoundSourceEditDelegate::descriptionLimit_data()
{
    QTest::addColumn<int>("extra");  // characters beyond the limit
    QTest::addColumn<int>("answer"); // to the truncation question
    QTest::addColumn<int>("boxes");
    QTest::addColumn<bool>("written");

    QTest::newRow("at the limit") << 0 << int(QMessageBox::Ok) << 0 << true;
    QTest::newRow("one more, OK cuts") << 1 << int(QMessageBox::Ok) << 1 << true;
    QTest::newRow("one more, Cancel keeps") << 1 << int(QMessageBox::Cancel) << 1 << false;
}

void tst_SoundSourceEditDelegate::descriptionLimit()
{
    QFETCH(int, extra);
    QFETCH(int, answer);
    QFETCH(int, boxes);
    QFETCH(bool, written);

    ConfiguratorTest::ScriptedDialogService dialogs;
    dialogs.answers = {QMessageBox::StandardButton(answer)};
    const int max = InitSettings::maxDescriptionChars();
    const QString text = QString(max, u'x') + QString(extra, u'y');

    Pane pane(13);
    auto* editor = ConfiguratorTest::openEditor<QLineEdit>(&pane.view, pane.value(SoundSourceDeviceModel::ROW_DESCRIPTION_INDEX));
    QVERIFY(editor);
    editor->setText(text);
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_VERIFY(ConfiguratorTest::editorClosed<QLineEdit>(&pane.view));

    QCOMPARE(dialogs.boxes.size(), boxes);
    if (boxes)
        QVERIFY(dialogs.boxes.at(0).text.contains(QString::number(max)));
    QCOMPARE(pane.model.description(), written ? text.left(max) : QString("Radio"));
}

QTEST_MAIN(tst_SoundSourceEditDelegate)
#include "tst_soundsourceeditdelegate.moc"
