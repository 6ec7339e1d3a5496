#include "MainWindow.h"
#include "devices/ConfigUtilities.h"
#include "devices/Configuration.h"
#include "devices/GuiProperties.h"
#include "editdelegates/GenParamsEditDelegate.h"
#include "editors/LanguageComboEditor.h"
#include "tablemodels/GenParametersModel.h"
#include "widgets/TemperatureUnitComboBox.h"

#include <QAbstractItemModelTester>
#include <QTableView>
#include <QTest>

using namespace Corvane::Configurator;
using Corvane::Devices::Configuration;
using Corvane::Utilities::Localization::LocaleData;
using TableModels::GenParametersModel;

// The general-parameter rows, their combos and their writes.
class tst_GenParametersModel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rows_data();
    void rows();
    void languageEditor_data();
    void languageEditor();
    void choicesAreWrittenAtOnce();
};

void tst_GenParametersModel::rows_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("help");

    QTest::newRow("language") << 0 << "Language" << "Set the language of the application";
    QTest::newRow("temperature") << 1 << "Temperature" << "Set the temperature unit that will be displayed";
}

void tst_GenParametersModel::rows()
{
    QFETCH(int, row);
    QFETCH(QString, caption);
    QFETCH(QString, help);

    Configuration project(true);
    GenParametersModel model(project.guiProperties());
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(model.rowCount(), 2);
    QCOMPARE(model.index(row, 0).data().toString(), caption);
    for (int column : {0, 1}) {
        QCOMPARE(model.getHelpMessage(model.index(row, column)).caption(), caption);
        QCOMPARE(model.getHelpMessage(model.index(row, column)).text(), help);
    }
}

void tst_GenParametersModel::languageEditor_data()
{
    QTest::addColumn<QString>("current");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("currentIndex");

    QTest::newRow("offered") << "de" << 3 << 2;
    QTest::newRow("not offered: the first") << "xx" << 3 << 0;
    QTest::newRow("nothing offered") << "en" << 0 << -1;
}

void tst_GenParametersModel::languageEditor()
{
    QFETCH(QString, current);
    QFETCH(int, count);
    QFETCH(int, currentIndex);

    QList<LocaleData> offered{{"en", "English"}, {"it", "Italiano"}, {"de", "Deutsch"}};
    Editors::LanguageComboEditor editor(current, offered.mid(0, count));
    QCOMPARE(editor.count(), count);
    QCOMPARE(editor.currentIndex(), currentIndex);
}

void tst_GenParametersModel::choicesAreWrittenAtOnce()
{
    Configuration project(true);
    project.guiProperties().setLanguage("xx");
    project.clearChanges();
    GenParametersModel model(project.guiProperties());
    QVERIFY(model.index(0, 1).data().toString().isEmpty());
    QTableView view;
    view.setModel(&model);
    view.setItemDelegate(new EditDelegates::GenParamsEditDelegate(&model));
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));

    view.edit(model.index(1, 1));
    auto* temperature = view.viewport()->findChild<Corvane::Gadgets::TemperatureUnitComboBox*>();
    QVERIFY(temperature);
    QCOMPARE(temperature->currentIndex(), 0);
    temperature->setCurrentIndex(1);
    QTRY_VERIFY(!view.viewport()->findChild<QComboBox*>());
    QCOMPARE(project.guiProperties().temperatureUnit(), 1);
    QVERIFY(project.hasChanges());
    QCOMPARE(model.index(1, 1).data().toString(), Corvane::Devices::ConfigUtilities::getTemperatureString(1));

    if (MainWindow::locales().size() < 2)
        QSKIP("fewer than two languages are offered");
    view.edit(model.index(0, 1));
    auto* language = view.viewport()->findChild<Editors::LanguageComboEditor*>();
    QVERIFY(language);
    QCOMPARE(language->currentIndex(), 0);
    language->setCurrentIndex(1);
    QTRY_VERIFY(!view.viewport()->findChild<QComboBox*>());
    QCOMPARE(project.guiProperties().language(), MainWindow::locales().at(1).locale());
    QCOMPARE(model.index(0, 1).data().toString(), MainWindow::locales().at(1).displayName());
}

QTEST_MAIN(tst_GenParametersModel)
#include "tst_genparametersmodel.moc"
