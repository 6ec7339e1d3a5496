// The lighting, automation, sensor, energy and load pages, a gateway and the
// general parameters end to end: a project is edited only through the
// pages' delegates and dialogs in the main window, saved, and read back in
// a fresh window.
#include "AdminConfigurator.h"
#include "CellEditing.h"
#include "DeviceTableView.h"
#include "DevicesTree.h"
#include "MainWindow.h"
#include "ProjectFixture.h"
#include "ScriptedDialogService.h"
#include "devices/EnergyDeviceProperties.h"
#include "devices/GuiProperties.h"
#include "devices/LoadDeviceProperties.h"
#include "devices/WebServerDeviceProperties.h"
#include "devices/serialization/XmlSerializer.h"
#include "editors/AddressEditor.h"
#include "editors/BasePropertyEditorControl.h"
#include "editors/CurrencyEvalEditor.h"
#include "editors/DeviceTypeEditor.h"
#include "editors/EconomicEvalEditor.h"
#include "editors/GroupsEditor.h"
#include "editors/LanguageComboEditor.h"
#include "editors/YesNoEditor.h"
#include "tablemodels/BaseAddressTreeModel.h"
#include "tablemodels/BaseTableModel.h"
#include "tablemodels/EconomicEvalTableModel.h"
#include "tablemodels/GatewayTreeModel.h"
#include "tablemodels/GenParametersModel.h"
#include "utilities/InitSettings.h"
#include "widgets/TemperatureUnitComboBox.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

using namespace Corvane::Configurator;
using namespace Corvane::Devices;
using Node = DevicesTreeModel::NodeType;
using TableModels::Column;

namespace {

// The language the general parameters are switched to; offered through a
// translation file in the test's own data folder.
const QString OTHER_LANGUAGE = QStringLiteral("it_IT");

QModelIndex fieldCell(const TableModels::BaseAddressTreeModel* model, const QString& caption)
{
    const QModelIndex header = model->index(0, 0);
    for (int row = 0; row < model->rowCount(header); ++row) {
        if (model->index(row, 0, header).data().toString() == caption)
            return model->index(row, TableModels::BaseAddressTreeModel::TextColumn, header);
    }
    return {};
}

BaseDeviceProperties* deviceNamed(const Configuration& project, const QString& description)
{
    for (BaseDeviceProperties* device : project.devices()) {
        if (device->description() == description)
            return device;
    }
    return nullptr;
}

// The first item of combo whose value differs from the current one.
int otherItem(const QComboBox* combo)
{
    for (int item = 0; item < combo->count(); ++item) {
        if (item != combo->currentIndex())
            return item;
    }
    return -1;
}

} // namespace

class tst_DevicePagesRoundTrip : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void editSaveAndReopen();

private:
    void select(Node node, int serverId);
    DeviceTableView* table() const { return m_window->adminConfigurator()->devicesTable(); }
    QModelIndex cell(const QString& description, Column column) const;
    void typeInto(const QModelIndex& index, const QString& text);
    void editAddress(const QModelIndex& index, const QList<std::pair<QString, int>>& fields);
    void pickOther(const QModelIndex& index, QVariant& chosen);

    void editLighting();
    void editAutomationAndSensor();
    void editEnergyAndLoad();
    void editGatewayAndGeneralParameters();

    QTemporaryDir m_dir;
    MainWindow* m_window = nullptr;
    int m_server = -1;
    QVariant m_lightType;
    QVariant m_shutterType;
    int m_currency = -1;
};

void tst_DevicePagesRoundTrip::initTestCase()
{
    QVERIFY(m_dir.isValid());
    qputenv("CORVANE_CONFIG_DIR", QFile::encodeName(m_dir.filePath("config")));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(m_dir.filePath("cache")));
    qputenv("CORVANE_DATA_DIR", QFile::encodeName(m_dir.filePath("data")));
    QDir().mkpath(m_dir.filePath("config"));
    QDir().mkpath(m_dir.filePath("data/translations"));
    QCoreApplication::setApplicationName("VantrelConfig");
    QFile translation(m_dir.filePath("data/translations/VantrelConfig_" + OTHER_LANGUAGE + ".qm"));
    QVERIFY(translation.open(QIODevice::WriteOnly));
    translation.close();
    Corvane::Utilities::InitSettings::readSettings();
    ConfiguratorTest::initResources();
}

void tst_DevicePagesRoundTrip::select(Node node, int serverId)
{
    DevicesTree* tree = m_window->adminConfigurator()->devicesTree();
    tree->setCurrentIndex(tree->findIndex(node, serverId));
}

QModelIndex tst_DevicePagesRoundTrip::cell(const QString& description, Column column) const
{
    const auto* model = qobject_cast<const TableModels::BaseTableModel*>(table()->model());
    if (!model)
        return {};
    for (int row = 0; row < model->rowCount(); ++row) {
        if (model->device(row)->description() == description)
            return model->index(row, model->columnIndex(column));
    }
    return {};
}

void tst_DevicePagesRoundTrip::typeInto(const QModelIndex& index, const QString& text)
{
    QVERIFY(index.isValid());
    auto* editor = ConfiguratorTest::openEditor<QLineEdit>(table(), index);
    QVERIFY(editor);
    editor->clear();
    editor->setCursorPosition(0);
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_VERIFY(ConfiguratorTest::editorClosed<QLineEdit>(table()));
}

void tst_DevicePagesRoundTrip::editAddress(const QModelIndex& index, const QList<std::pair<QString, int>>& fields)
{
    QVERIFY(index.isValid());
    auto* dialog = ConfiguratorTest::openEditor<Editors::AddressEditor>(table(), index);
    QVERIFY(dialog);
    for (const auto& [caption, value] : fields)
        QVERIFY2(dialog->model()->setData(fieldCell(dialog->model(), caption), value, Qt::DisplayRole), qPrintable(caption));
    ConfiguratorTest::press(dialog, "confirmButton");
    QTRY_VERIFY(ConfiguratorTest::editorClosed<Editors::AddressEditor>(table()));
}

// Opens the combo of a cell, chooses another item (which commits it) and
// returns the value chosen.
void tst_DevicePagesRoundTrip::pickOther(const QModelIndex& index, QVariant& chosen)
{
    QVERIFY(index.isValid());
    auto* combo = ConfiguratorTest::openEditor<QComboBox>(table(), index);
    QVERIFY(combo);
    const int item = otherItem(combo);
    QVERIFY(item >= 0);
    chosen = combo->itemData(item, Qt::UserRole);
    combo->setCurrentIndex(item);
    QTRY_VERIFY(ConfiguratorTest::editorClosed<QComboBox>(table()));
}

void tst_DevicePagesRoundTrip::editLighting()
{
    select(Node::NodeLights, m_server);
    typeInto(cell("Living room dimmer", Column::Description), "Lounge dimmer");
    pickOther(cell("Lounge dimmer", Column::Type), m_lightType);
    editAddress(cell("Lounge dimmer", Column::Address), {{"A", 5}, {"PL", 7}});

    auto* pul = ConfiguratorTest::openEditor<Editors::YesNoEditor>(table(), cell("Lounge dimmer", Column::Pul));
    QVERIFY(pul);
    pul->setCurrentIndex(1);
    QTRY_VERIFY(ConfiguratorTest::editorClosed<Editors::YesNoEditor>(table()));

    auto* groups = ConfiguratorTest::openEditor<Editors::GroupsEditor>(table(), cell("Lounge dimmer", Column::Groups));
    QVERIFY(groups);
    groups->combo(1)->setCurrentIndex(groups->combo(1)->findData(9));
    groups->combo(2)->setCurrentIndex(groups->combo(2)->findData(12));
    ConfiguratorTest::press(groups, "confirmButton");
    QTRY_VERIFY(ConfiguratorTest::editorClosed<Editors::GroupsEditor>(table()));

    // A cancelled groups dialog leaves another light as it was.
    auto* cancelled = ConfiguratorTest::openEditor<Editors::GroupsEditor>(table(), cell("Hall", Column::Groups));
    QVERIFY(cancelled);
    cancelled->combo(0)->setCurrentIndex(cancelled->combo(0)->findData(200));
    ConfiguratorTest::press(cancelled, "cancelButton");
    QTRY_VERIFY(ConfiguratorTest::editorClosed<Editors::GroupsEditor>(table()));
}

void tst_DevicePagesRoundTrip::editAutomationAndSensor()
{
    select(Node::NodeAutomation, m_server);
    typeInto(cell("Bedroom shutter", Column::Description), "Bedroom blind");
    pickOther(cell("Bedroom blind", Column::Type), m_shutterType);
    editAddress(cell("Bedroom blind", Column::Address), {{"PL", 8}});

    select(Node::NodeSensors, m_server);
    typeInto(cell("Garden light sensor", Column::Description), "Garden twilight sensor");
    editAddress(cell("Garden twilight sensor", Column::Address), {{"A", 4}, {"PL", 6}});
}

void tst_DevicePagesRoundTrip::editEnergyAndLoad()
{
    select(Node::NodeEnergy, m_server);
    typeInto(cell("Gas meter", Column::Description), "Boiler gas meter");
    auto* area = ConfiguratorTest::openEditor<QComboBox>(table(), cell("Boiler gas meter", Column::Address));
    QVERIFY(area);
    area->setCurrentIndex(area->findData(9));
    QTRY_VERIFY(ConfiguratorTest::editorClosed<QComboBox>(table()));

    auto* economic = ConfiguratorTest::openEditor<Editors::EconomicEvalEditor>(
        table(), cell("Boiler gas meter", Column::EconomicEvaluation));
    QVERIFY(economic);
    QTableView* rows = economic->pane()->table();
    const auto* rowsModel = economic->model();
    auto* currency = ConfiguratorTest::openEditor<Editors::CurrencyEvalEditor>(
        rows, rowsModel->index(TableModels::EconomicEvalTableModel::CurrencyRow, 1));
    QVERIFY(currency);
    currency->setCurrentIndex(otherItem(currency));
    m_currency = currency->currentData(Qt::UserRole).toInt();
    QTRY_VERIFY(ConfiguratorTest::editorClosed<Editors::CurrencyEvalEditor>(rows));
    auto* tariff = ConfiguratorTest::openEditor<QLineEdit>(
        rows, rowsModel->index(TableModels::EconomicEvalTableModel::TariffRow, 1));
    QVERIFY(tariff);
    tariff->selectAll();
    QTest::keyClicks(tariff, "0.1234");
    QTest::keyClick(tariff, Qt::Key_Return);
    QTRY_VERIFY(ConfiguratorTest::editorClosed<QLineEdit>(rows));
    ConfiguratorTest::press(economic, "confirmButton");
    QTRY_VERIFY(ConfiguratorTest::editorClosed<Editors::EconomicEvalEditor>(table()));

    // A cancelled evaluation dialog leaves another meter as it was.
    auto* cancelled = ConfiguratorTest::openEditor<Editors::EconomicEvalEditor>(
        table(), cell("Water meter", Column::EconomicEvaluation));
    QVERIFY(cancelled);
    QVERIFY(cancelled->model()->setData(cancelled->model()->index(TableModels::EconomicEvalTableModel::TariffRow, 1), 3.5));
    ConfiguratorTest::press(cancelled, "cancelButton");
    QTRY_VERIFY(ConfiguratorTest::editorClosed<Editors::EconomicEvalEditor>(table()));

    select(Node::NodeLoad, m_server);
    typeInto(cell("Dishwasher", Column::Description), "Kitchen dishwasher");
    auto* central = ConfiguratorTest::openEditor<Editors::YesNoEditor>(
        table(), cell("Kitchen dishwasher", Column::CentralUnitPresence));
    QVERIFY(central);
    central->setCurrentIndex(0);
    QTRY_VERIFY(ConfiguratorTest::editorClosed<Editors::YesNoEditor>(table()));
    auto* loadArea = ConfiguratorTest::openEditor<QComboBox>(table(), cell("Kitchen dishwasher", Column::Address));
    QVERIFY(loadArea);
    loadArea->setCurrentIndex(loadArea->findData(20));
    QTRY_VERIFY(ConfiguratorTest::editorClosed<QComboBox>(table()));
}

void tst_DevicePagesRoundTrip::editGatewayAndGeneralParameters()
{
    select(Node::NodePlant, m_server);
    auto* gateway = qobject_cast<TableModels::GatewayTreeModel*>(table()->model());
    QVERIFY(gateway);
    using Field = TableModels::GatewayTreeModel::FieldType;
    const int value = TableModels::GatewayTreeModel::COLUMN_VALUE_INDEX;
    typeInto(gateway->index(gateway->rowOf(Field::Description), value), "Villa gateway");
    typeInto(gateway->index(gateway->rowOf(Field::IpAddress), value), "10.0.0.77");

    select(Node::NodeGeneralParams, -1);
    auto* parameters = qobject_cast<TableModels::GenParametersModel*>(table()->model());
    QVERIFY(parameters);
    const int setting = TableModels::GenParametersModel::COLUMN_VALUE_INDEX;
    auto* language = ConfiguratorTest::openEditor<Editors::LanguageComboEditor>(table(), parameters->index(0, setting));
    QVERIFY(language);
    QVERIFY(language->findData(OTHER_LANGUAGE) > 0);
    language->setCurrentIndex(language->findData(OTHER_LANGUAGE));
    QTRY_VERIFY(ConfiguratorTest::editorClosed<Editors::LanguageComboEditor>(table()));
    auto* unit = ConfiguratorTest::openEditor<Corvane::Gadgets::TemperatureUnitComboBox>(table(), parameters->index(1, setting));
    QVERIFY(unit);
    unit->setCurrentIndex(1);
    QTRY_VERIFY(ConfiguratorTest::editorClosed<Corvane::Gadgets::TemperatureUnitComboBox>(table()));
}

void tst_DevicePagesRoundTrip::editSaveAndReopen()
{
    ConfiguratorTest::ScriptedDialogService dialogs;
    const QString path = m_dir.filePath("demo.vtprj");
    QVERIFY(QFile::copy(QStringLiteral(DEMO_PROJECT), path));
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    QString error;
    const std::unique_ptr<Configuration> original(Serialization::XmlSerializer::read(path, &error));
    QVERIFY2(original, qPrintable(error));

    {
        MainWindow window;
        m_window = &window;
        window.resize(950, 600);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(window.openConfig(path));
        m_server = window.config()->webServers().constFirst()->id();
        for (auto step : {&tst_DevicePagesRoundTrip::editLighting, &tst_DevicePagesRoundTrip::editAutomationAndSensor,
                          &tst_DevicePagesRoundTrip::editEnergyAndLoad,
                          &tst_DevicePagesRoundTrip::editGatewayAndGeneralParameters}) {
            (this->*step)();
            if (QTest::currentTestFailed()) {
                window.config()->clearChanges();
                m_window = nullptr;
                return;
            }
        }
        QVERIFY(window.config()->hasChanges());
        QVERIFY(window.saveConfig(path));
        m_window = nullptr;
    }

    MainWindow reopened;
    QVERIFY(reopened.openConfig(path));
    const Configuration& project = *reopened.config();

    // The light: every cell of its row as edited.
    const BaseDeviceProperties* dimmer = deviceNamed(project, "Lounge dimmer");
    const BaseDeviceProperties* dimmerBefore = deviceNamed(*original, "Living room dimmer");
    QVERIFY(dimmer && dimmerBefore);
    QCOMPARE(dimmer->id(), dimmerBefore->id());
    QCOMPARE(int(dimmer->deviceType()), m_lightType.toInt());
    QCOMPARE(dimmer->address().area(), 5);
    QCOMPARE(dimmer->address().point(), 7);
    QCOMPARE(dimmer->address().level(), dimmerBefore->address().level());
    QCOMPARE(dimmer->address().interface(), dimmerBefore->address().interface());
    QCOMPARE(dimmer->address().pul(), 1);
    QCOMPARE(dimmer->address().groups(), (QList<int>{1, 9, 12}));

    // The shutter and the sensor.
    const BaseDeviceProperties* blind = deviceNamed(project, "Bedroom blind");
    const BaseDeviceProperties* blindBefore = deviceNamed(*original, "Bedroom shutter");
    QVERIFY(blind && blindBefore);
    QCOMPARE(int(blind->deviceType()), m_shutterType.toInt());
    QCOMPARE(blind->address(), blindBefore->address().cloneWithPointId(8));
    const BaseDeviceProperties* sensor = deviceNamed(project, "Garden twilight sensor");
    const BaseDeviceProperties* sensorBefore = deviceNamed(*original, "Garden light sensor");
    QVERIFY(sensor && sensorBefore);
    QCOMPARE(sensor->deviceType(), sensorBefore->deviceType());
    QCOMPARE(sensor->address(), sensorBefore->address().cloneWithAreaId(4).cloneWithPointId(6));

    // The meter: address and evaluation edited, unit and energy type kept.
    const auto* meter = dynamic_cast<const EnergyDeviceProperties*>(deviceNamed(project, "Boiler gas meter"));
    const auto* meterBefore = dynamic_cast<const EnergyDeviceProperties*>(deviceNamed(*original, "Gas meter"));
    QVERIFY(meter && meterBefore);
    QCOMPARE(meter->address().area(), 9);
    QCOMPARE(meter->currency(), m_currency);
    QVERIFY(meter->currency() != meterBefore->currency());
    QCOMPARE(meter->tariff(), 0.1234);
    QCOMPARE(meter->isEconomicEvaluationEnabled(), meterBefore->isEconomicEvaluationEnabled());
    QCOMPARE(meter->measurementUnit(), meterBefore->measurementUnit());
    QCOMPARE(meter->energyDeviceType(), meterBefore->energyDeviceType());

    // The load: central unit and address edited, evaluation kept.
    const auto* load = dynamic_cast<const LoadDeviceProperties*>(deviceNamed(project, "Kitchen dishwasher"));
    const auto* loadBefore = dynamic_cast<const LoadDeviceProperties*>(deviceNamed(*original, "Dishwasher"));
    QVERIFY(load && loadBefore);
    QVERIFY(!load->hasCentralUnit());
    QCOMPARE(load->address().area(), 20);
    QCOMPARE(load->deviceType(), loadBefore->deviceType());
    QCOMPARE(load->isEconomicEvaluationEnabled(), loadBefore->isEconomicEvaluationEnabled());
    QCOMPARE(load->tariff(), loadBefore->tariff());
    QCOMPARE(load->currency(), loadBefore->currency());

    // The gateway and the general parameters.
    const WebServerDeviceProperties* server = project.getWebServerById(m_server);
    const WebServerDeviceProperties* serverBefore = original->getWebServerById(m_server);
    QVERIFY(server && serverBefore);
    QCOMPARE(server->description(), QString("Villa gateway"));
    QCOMPARE(server->networkAddress().ip(), QString("10.0.0.77"));
    QCOMPARE(server->networkAddress().ipAddressType(), serverBefore->networkAddress().ipAddressType());
    QCOMPARE(server->networkAddress().password(), serverBefore->networkAddress().password());
    QCOMPARE(server->networkAddress().port(), serverBefore->networkAddress().port());
    QCOMPARE(project.guiProperties().language(), OTHER_LANGUAGE);
    QCOMPARE(project.guiProperties().temperatureUnit(), 1);

    // Every other device, the cancelled ones included, is as it was.
    const QList<const BaseDeviceProperties*> edited{dimmer, blind, sensor, meter, load};
    for (const BaseDeviceProperties* device : project.devices()) {
        if (edited.contains(device) || device->deviceGroup() == BaseDeviceProperties::WebServers)
            continue;
        const BaseDeviceProperties* old = original->getDeviceById(device->id());
        QVERIFY2(old && device->isEqual(*old), qPrintable(device->description()));
    }
    QCOMPARE(project.devices().size(), original->devices().size());
    reopened.config()->clearChanges();
}

QTEST_MAIN(tst_DevicePagesRoundTrip)
#include "tst_devicepagesroundtrip.moc"
