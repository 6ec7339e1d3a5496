#include "ProjectFixture.h"
#include "ScriptedDialogService.h"
#include "devices/DeviceNetworkAddress.h"
#include "devices/WebServerDeviceProperties.h"
#include "editdelegates/GatewayEditDelegate.h"
#include "editors/IpTypeEditor.h"
#include "tablemodels/GatewayTreeModel.h"
#include "utilities/InitSettings.h"

#include <QLineEdit>
#include <QTableView>
#include <QTest>

using namespace Corvane::Configurator;
using Corvane::Configurator::TableModels::GatewayTreeModel;
using namespace Corvane::Devices;

class tst_GatewayEditDelegate : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void addressTypeEditorSwapsRowsAtOnce();
    void viewerCombo();
    void ipNormalizedKeepingCursor();
    void ipAboveRangeRefused();
    void ipRefusedOnReturn();
    void univocalCode_data();
    void univocalCode();
    void password_data();
    void password();
    void editorsOpenOnStoredValue_data();
    void editorsOpenOnStoredValue();
    void wrongRows_data();
    void wrongRows();
    void descriptionLimit_data();
    void descriptionLimit();

private:
    QLineEdit* openLineEditor(GatewayTreeModel::FieldType field);

    std::unique_ptr<Configuration> m_project;
    WebServerDeviceProperties* m_server = nullptr;
    GatewayTreeModel* m_model = nullptr;
    QTableView* m_view = nullptr;
    EditDelegates::GatewayEditDelegate* m_delegate = nullptr;
};

void tst_GatewayEditDelegate::init()
{
    m_project = ConfiguratorTest::makeProject(1, 0);
    m_server = m_project->webServers().constFirst();
    m_model = new GatewayTreeModel(m_server);
    m_delegate = new EditDelegates::GatewayEditDelegate(m_project.get(), m_model);
    m_view = new QTableView;
    m_view->setModel(m_model);
    m_view->setItemDelegate(m_delegate);
    m_view->resize(500, 300);
    m_view->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_view));
}

void tst_GatewayEditDelegate::cleanup()
{
    delete m_view;
    delete m_model;
    m_project.reset();
}

QLineEdit* tst_GatewayEditDelegate::openLineEditor(GatewayTreeModel::FieldType field)
{
    const QModelIndex index = m_model->index(m_model->rowOf(field), 1);
    m_view->setCurrentIndex(index);
    m_view->edit(index);
    return m_view->viewport()->findChild<QLineEdit*>();
}

void tst_GatewayEditDelegate::addressTypeEditorSwapsRowsAtOnce()
{
    const QModelIndex index = m_model->index(1, 1);
    m_view->setCurrentIndex(index);
    m_view->edit(index);
    auto* editor = m_view->viewport()->findChild<Editors::IpTypeEditor*>();
    QVERIFY(editor);
    QCOMPARE(editor->geometry(), m_view->visualRect(index));
    editor->setCurrentIndex(1);
    QCOMPARE(m_server->networkAddress().ipAddressType(), 1);
    QCOMPARE(m_model->getFieldType(m_model->index(2, 1)), GatewayTreeModel::UnivocalCode);
    QCOMPARE(m_model->rowOf(GatewayTreeModel::IpAddress), -1);
}

void tst_GatewayEditDelegate::viewerCombo()
{
    const QModelIndex index = m_model->index(m_model->rowOf(GatewayTreeModel::Viewer), 1);
    m_view->setCurrentIndex(index);
    m_view->edit(index);
    auto* editor = m_view->viewport()->findChild<QComboBox*>();
    QVERIFY(editor);
    QCOMPARE(editor->currentIndex(), 1);
    editor->setCurrentIndex(0);
    QVERIFY(!m_server->viewerEnabled());
}

void tst_GatewayEditDelegate::ipNormalizedKeepingCursor()
{
    QLineEdit* editor = openLineEditor(GatewayTreeModel::IpAddress);
    QVERIFY(editor);
    QCOMPARE(editor->inputMask(), QString("000.000.000.000;_"));
    editor->clear();
    editor->setCursorPosition(0);
    QTest::keyClicks(editor, "10.2.3.0");
    QCOMPARE(editor->text(), QString("10.2.3.0"));
    QTest::keyClicks(editor, "4");
    // "10.2.3.04" is written back as "10.2.3.4", the cursor after the 4.
    QCOMPARE(editor->text(), QString("10.2.3.4"));
    QCOMPARE(editor->displayText(), QString("10_.2__.3__.4__"));
    QCOMPARE(editor->cursorPosition(), 14);
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(m_server->networkAddress().ip(), QString("10.2.3.4"));
}

void tst_GatewayEditDelegate::ipAboveRangeRefused()
{
    ConfiguratorTest::ScriptedDialogService dialogs;
    m_server->setNetAddress(m_server->networkAddress().cloneWithIP("10.0.0.7"));
    QLineEdit* editor = openLineEditor(GatewayTreeModel::IpAddress);
    QVERIFY(editor);
    editor->clear();
    editor->setCursorPosition(0);
    QTest::keyClicks(editor, "300.1.1.1");
    // Each digit stays as typed: nothing turns 300 into 30 unseen.
    QCOMPARE(editor->text(), QString("300.1.1.1"));
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(dialogs.boxes.size(), 1);
    QCOMPARE(dialogs.boxes.constFirst().icon, QMessageBox::Warning);
    QVERIFY(dialogs.boxes.constFirst().text.contains("\"300.1.1.1\" is not a valid IP address"));
    QCOMPARE(m_server->networkAddress().ip(), QString("10.0.0.7"));
}

// Return refuses a wrong address at once, while the cell is still current.
void tst_GatewayEditDelegate::ipRefusedOnReturn()
{
    ConfiguratorTest::ScriptedDialogService dialogs;
    m_server->setNetAddress(m_server->networkAddress().cloneWithIP("10.0.0.7"));
    QLineEdit* editor = openLineEditor(GatewayTreeModel::IpAddress);
    QVERIFY(editor);
    editor->clear();
    editor->setCursorPosition(0);
    QTest::keyClicks(editor, "192.168.1");
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(dialogs.boxes.size(), 1);
    QCOMPARE(dialogs.boxes.constFirst().icon, QMessageBox::Warning);
    QCOMPARE(dialogs.boxes.constFirst().text,
             QString("\"192.168.1.\" is not a valid IP address: it has four numbers from 0 to 255, separated by dots. "
                     "The address was not changed."));
    QCOMPARE(m_view->currentIndex(), m_model->index(m_model->rowOf(GatewayTreeModel::IpAddress), 1));
    QCOMPARE(m_server->networkAddress().ip(), QString("10.0.0.7"));
}

void tst_GatewayEditDelegate::univocalCode_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("stored");
    QTest::addColumn<QString>("refusal");

    // The gateway starts with 77.
    QTest::newRow("a number") << "4321" << 4321 << QString();
    QTest::newRow("letters refused") << "12ab" << 77
        << "\"12ab\" is not a valid univocal code: it is a whole number of up to 9 digits. "
           "The univocal code was not changed.";
    QTest::newRow("empty refused") << "" << 77
        << "\"\" is not a valid univocal code: it is a whole number of up to 9 digits. "
           "The univocal code was not changed.";
    QTest::newRow("ten digits refused") << "1234567890" << 77
        << "\"1234567890\" is not a valid univocal code: it is a whole number of up to 9 digits. "
           "The univocal code was not changed.";
}

void tst_GatewayEditDelegate::univocalCode()
{
    QFETCH(QString, typed);
    QFETCH(int, stored);
    QFETCH(QString, refusal);

    ConfiguratorTest::ScriptedDialogService dialogs;
    QVERIFY(m_model->setData(m_model->index(m_model->rowOf(GatewayTreeModel::AddressType), 1), 1));
    m_server->setNetAddress(m_server->networkAddress().cloneWithUC(77));
    QLineEdit* editor = openLineEditor(GatewayTreeModel::UnivocalCode);
    QVERIFY(editor);
    editor->selectAll();
    QTest::keyClick(editor, Qt::Key_Backspace);
    QTest::keyClicks(editor, typed);
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_VERIFY(!m_view->viewport()->findChild<QLineEdit*>());
    QCOMPARE(m_server->networkAddress().uc(), stored);
    QCOMPARE(dialogs.boxes.size(), refusal.isEmpty() ? 0 : 1);
    if (!refusal.isEmpty()) {
        QCOMPARE(dialogs.boxes.constFirst().icon, QMessageBox::Warning);
        QCOMPARE(dialogs.boxes.constFirst().text, refusal);
    }
}

void tst_GatewayEditDelegate::password_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("refused");

    // The gateway starts with 12345.
    QTest::newRow("five digits") << "54321" << "54321" << false;
    QTest::newRow("nine digits") << "123456789" << "123456789" << false;
    QTest::newRow("tenth digit not taken") << "9876543210" << "987654321" << false;
    QTest::newRow("letters not taken") << "54ab321" << "54321" << false;
    QTest::newRow("four digits refused") << "1234" << "12345" << true;
    QTest::newRow("empty refused") << "" << "12345" << true;
}

void tst_GatewayEditDelegate::password()
{
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    QFETCH(bool, refused);

    ConfiguratorTest::ScriptedDialogService dialogs;
    QCOMPARE(m_server->networkAddress().password(), QString("12345"));
    QLineEdit* editor = openLineEditor(GatewayTreeModel::Password);
    QVERIFY(editor);
    editor->selectAll();
    QTest::keyClick(editor, Qt::Key_Backspace);
    QTest::keyClicks(editor, typed);
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_VERIFY(!m_view->viewport()->findChild<QLineEdit*>());
    QCOMPARE(m_server->networkAddress().password(), stored);
    QCOMPARE(dialogs.boxes.size(), refused ? 1 : 0);
    if (refused)
        QCOMPARE(dialogs.boxes.constFirst().text, QString("The password must have 5 to 9 digits. The password was not changed."));
}

void tst_GatewayEditDelegate::editorsOpenOnStoredValue_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("stored");

    QTest::newRow("password") << int(GatewayTreeModel::Password) << "12345";
    QTest::newRow("short password from a file") << int(GatewayTreeModel::Password) << "12";
    QTest::newRow("ip address") << int(GatewayTreeModel::IpAddress) << "192.168.1.20";
}

void tst_GatewayEditDelegate::editorsOpenOnStoredValue()
{
    QFETCH(int, field);
    QFETCH(QString, stored);

    const DeviceNetworkAddress address = m_server->networkAddress();
    m_server->setNetAddress(field == GatewayTreeModel::Password ? address.cloneWithPass(stored) : address.cloneWithIP(stored));
    QLineEdit* editor = openLineEditor(GatewayTreeModel::FieldType(field));
    QVERIFY(editor);
    QCOMPARE(editor->text(), stored);
    QVERIFY(editor->displayText().startsWith(stored.left(3)));
}

void tst_GatewayEditDelegate::wrongRows_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("ip");
    QTest::addColumn<int>("uc");
    QTest::addColumn<QList<int>>("errors");
    QTest::addColumn<bool>("wrong");

    QTest::newRow("good ip") << 0 << "10.0.0.1" << 0 << QList<int>{} << false;
    QTest::newRow("default ip") << 0 << "0.0.0.0" << 0 << QList<int>{} << true;
    QTest::newRow("default ip with zeros") << 0 << "000.0.0.00" << 0 << QList<int>{} << true;
    QTest::newRow("malformed ip") << 0 << "10.0.0" << 0 << QList<int>{} << true;
    QTest::newRow("duplicate ip") << 0 << "10.0.0.1" << 0 << QList<int>{1} << true;
    QTest::newRow("password error only") << 0 << "10.0.0.1" << 0 << QList<int>{3} << false;
    QTest::newRow("good uc") << 1 << "" << 55 << QList<int>{} << false;
    QTest::newRow("default uc") << 1 << "" << 0 << QList<int>{} << true;
    QTest::newRow("uc error") << 1 << "" << 55 << QList<int>{2} << true;
}

void tst_GatewayEditDelegate::wrongRows()
{
    QFETCH(int, type);
    QFETCH(QString, ip);
    QFETCH(int, uc);
    QFETCH(QList<int>, errors);
    QFETCH(bool, wrong);

    m_server->setNetAddress(DeviceNetworkAddress(type, ip, uc, "12345"));
    m_model->setData(m_model->index(1, 1), type);
    for (int error : errors)
        m_project->addDevicesWithError({m_server->id()}, error);
    const int row = m_model->rowOf(type == 0 ? GatewayTreeModel::IpAddress : GatewayTreeModel::UnivocalCode);
    QCOMPARE(m_delegate->isRowWrong(m_model->index(row, 1)), wrong);
    QCOMPARE(m_delegate->isRowWrong(m_model->index(row, 0)), wrong);
    QVERIFY(!m_delegate->isRowWrong(m_model->index(0, 1)));

    m_view->clearSelection();
    m_view->setCurrentIndex(QModelIndex());
    const QImage image = m_view->viewport()->grab().toImage();
    const QRect cell = m_view->visualRect(m_model->index(row, 0));
    const QColor colour = image.pixelColor(cell.right() - 2, cell.center().y());
    QCOMPARE(colour.red() - colour.green() > 60, wrong);
}

void tst_GatewayEditDelegate::descriptionLimit_data()
{
    QTest::addColumn<int>("extra");  // characters beyond the limit
    QTest::addColumn<int>("answer"); // to the truncation question
    QTest::addColumn<int>("boxes");
    QTest::addColumn<bool>("written");

    QTest::newRow("at the limit") << 0 << int(QMessageBox::Ok) << 0 << true;
    QTest::newRow("one more, OK cuts") << 1 << int(QMessageBox::Ok) << 1 << true;
    QTest::newRow("one more, Cancel keeps") << 1 << int(QMessageBox::Cancel) << 1 << false;
}

// A plant's description is held to the device descriptions' limit when it
// is typed, with the same question, instead of being cut at save.
void tst_GatewayEditDelegate::descriptionLimit()
{
    QFETCH(int, extra);
    QFETCH(int, answer);
    QFETCH(int, boxes);
    QFETCH(bool, written);

    ConfiguratorTest::ScriptedDialogService dialogs;
    dialogs.answers = {QMessageBox::StandardButton(answer)};
    const int max = Corvane::Utilities::InitSettings::maxDescriptionChars();
    const QString text = QString(max, u'x') + QString(extra, u'y');
    const QString before = m_server->description();

    QLineEdit* editor = openLineEditor(GatewayTreeModel::Description);
    QVERIFY(editor);
    editor->setText(text);
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_VERIFY(!m_view->viewport()->findChild<QLineEdit*>());

    QCOMPARE(dialogs.boxes.size(), boxes);
    QCOMPARE(m_server->description(), written ? text.left(max) : before);
}

QTEST_MAIN(tst_GatewayEditDelegate)
#include "tst_gatewayeditdelegate.moc"
