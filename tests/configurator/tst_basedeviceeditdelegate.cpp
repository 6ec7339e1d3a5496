#include "DeviceTableView.h"
#include "ProjectFixture.h"
#include "ScriptedDialogService.h"
#include "devices/BaseDeviceProperties.h"
#include "editdelegates/BaseDeviceEditDelegate.h"
#include "editors/DeviceTypeEditor.h"
#include "tablemodels/BaseTableModel.h"
#include "utilities/InitSettings.h"

#include <QLineEdit>
#include <QTest>

using namespace Corvane::Configurator;
using Corvane::Configurator::EditDelegates::BaseDeviceEditDelegate;
using Corvane::Devices::BaseDeviceProperties;
using Corvane::Devices::Configuration;
using Corvane::Utilities::InitSettings;

class tst_BaseDeviceEditDelegate : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void description_data();
    void description();
    void surrogatePairIsNotCut();
    void typeEditorCommitsOnChoice();
    void markedRowsAreTinted();
    void columnWidths();

private:
    void editDescription(const QString& text);

    std::unique_ptr<Configuration> m_project;
    TableModels::BaseTableModel* m_model = nullptr;
    DeviceTableView* m_view = nullptr;
    BaseDeviceEditDelegate* m_delegate = nullptr;
};

void tst_BaseDeviceEditDelegate::init()
{
    InitSettings::readSettings();
    m_project = ConfiguratorTest::makeProject(1, 3);
    m_model = new TableModels::BaseTableModel(m_project->devices());
    m_delegate = new BaseDeviceEditDelegate(m_project.get(), m_model);
    m_view = new DeviceTableView;
    m_view->setModel(m_model);
    m_view->setItemDelegate(m_delegate);
    m_view->resize(800, 300);
    m_view->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_view));
}

void tst_BaseDeviceEditDelegate::cleanup()
{
    delete m_view;
    delete m_model;
    m_project.reset();
}

void tst_BaseDeviceEditDelegate::editDescription(const QString& text)
{
    const QModelIndex index = m_model->index(0, 0);
    m_view->setCurrentIndex(index);
    m_view->edit(index);
    auto* editor = m_view->viewport()->findChild<QLineEdit*>();
    QVERIFY(editor);
    editor->setText(text);
    QTest::keyClick(editor, Qt::Key_Return);
    // The item delegate commits a Return queued.
    QTRY_VERIFY(!m_view->viewport()->findChild<QLineEdit*>());
}

void tst_BaseDeviceEditDelegate::description_data()
{
    QTest::addColumn<int>("extra");  // characters beyond the limit
    QTest::addColumn<int>("answer"); // to the truncation question
    QTest::addColumn<int>("boxes");
    QTest::addColumn<bool>("written");

    QTest::newRow("exactly the limit") << 0 << int(QMessageBox::Ok) << 0 << true;
    QTest::newRow("one more, OK") << 1 << int(QMessageBox::Ok) << 1 << true;
    QTest::newRow("one more, Cancel") << 1 << int(QMessageBox::Cancel) << 1 << false;
}

void tst_BaseDeviceEditDelegate::description()
{
    QFETCH(int, extra);
    QFETCH(int, answer);
    QFETCH(int, boxes);
    QFETCH(bool, written);

    ConfiguratorTest::ScriptedDialogService dialogs;
    dialogs.answers = {QMessageBox::StandardButton(answer)};
    const int max = InitSettings::maxDescriptionChars();
    const QString text = QString(max, u'x') + QString(extra, u'y');
    editDescription(text);
    QCOMPARE(dialogs.boxes.size(), boxes);
    if (boxes) {
        QCOMPARE(dialogs.boxes.at(0).buttons, QMessageBox::Ok | QMessageBox::Cancel);
        QVERIFY(dialogs.boxes.at(0).text.contains(QString::number(max)));
    }
    QCOMPARE(m_project->devices().at(0)->description(), written ? text.left(max) : QString("Light 1"));
}

void tst_BaseDeviceEditDelegate::surrogatePairIsNotCut()
{
    ConfiguratorTest::ScriptedDialogService dialogs;
    dialogs.answers = {QMessageBox::Ok};
    const int max = InitSettings::maxDescriptionChars();
    const QString emoji = QString::fromUtf8("\xF0\x9F\x92\xA1"); // two UTF-16 units
    const QString text = QString(max - 1, u'x') + emoji;
    editDescription(text);
    QCOMPARE(m_project->devices().at(0)->description(), QString(max - 1, u'x'));
}

void tst_BaseDeviceEditDelegate::typeEditorCommitsOnChoice()
{
    const QModelIndex index = m_model->index(1, 1);
    m_view->setCurrentIndex(index);
    m_view->edit(index);
    auto* editor = m_view->viewport()->findChild<Editors::DeviceTypeEditor*>();
    QVERIFY(editor);
    QCOMPARE(editor->currentData().toInt(), 2003);
    QCOMPARE(editor->geometry(), m_view->visualRect(index));
    editor->setCurrentIndex(editor->findData(2001));
    QCOMPARE(m_project->devices().at(1)->deviceType(), 2001);
    QTRY_VERIFY(!m_view->viewport()->findChild<Editors::DeviceTypeEditor*>());
}

void tst_BaseDeviceEditDelegate::markedRowsAreTinted()
{
    m_view->clearSelection();
    m_view->setCurrentIndex(QModelIndex());
    const int marked = m_project->devices().at(1)->id();
    m_project->addDevicesWithError({marked}, 21);
    QVERIFY(m_delegate->isRowMarked(m_model->index(1, 0)));
    QVERIFY(!m_delegate->isRowMarked(m_model->index(0, 0)));

    auto redness = [this](int row) {
        const QImage image = m_view->viewport()->grab().toImage();
        const QRect cell = m_view->visualRect(m_model->index(row, 4));
        const QColor colour = image.pixelColor(cell.center() + QPoint(cell.width() / 3, 0));
        return colour.red() - colour.green();
    };
    QVERIFY(redness(1) > 60);
    QVERIFY(redness(0) < 10);

    m_project->clearDevicesErrors();
    QVERIFY(redness(1) < 10);
}

void tst_BaseDeviceEditDelegate::columnWidths()
{
    QStyleOptionViewItem option;
    option.rect = QRect(0, 0, 10, 22);
    const QList<int> widths{150, 180, 120, 80};
    for (int column = 0; column < widths.size(); ++column)
        QCOMPARE(m_delegate->sizeHint(option, m_model->index(0, column)), QSize(widths.at(column), 22));
}

QTEST_MAIN(tst_BaseDeviceEditDelegate)
#include "tst_basedeviceeditdelegate.moc"
