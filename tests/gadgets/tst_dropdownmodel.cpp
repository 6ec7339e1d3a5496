#include "models/DropDownItemModel.h"
#include "models/DropDownModel.h"

#include <QSignalSpy>
#include <QTest>

using Corvane::Gadgets::Models::DropDownItemModel;
using Corvane::Gadgets::Models::DropDownModel;

class tst_DropDownModel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void equality_data();
    void equality();
    void renamedEntryKeepsModelsEqual();
    void setTextEmitsOnlyOnChange();
};

namespace {
DropDownItemModel radio(1, "Radio");
DropDownItemModel radioTwin(1, "Radio");
DropDownItemModel cd(2, "CD");
} // namespace

void tst_DropDownModel::equality_data()
{
    QTest::addColumn<DropDownModel>("left");
    QTest::addColumn<DropDownModel>("right");
    QTest::addColumn<bool>("equal");

    QTest::newRow("same entries and text") << DropDownModel({&radio, &cd}, "Source") << DropDownModel({&radio, &cd}, "Source") << true;
    QTest::newRow("entries equal by id and text only") << DropDownModel({&radio}, "Source") << DropDownModel({&radioTwin}, "Source") << false;
    QTest::newRow("other order") << DropDownModel({&radio, &cd}, "Source") << DropDownModel({&cd, &radio}, "Source") << false;
    QTest::newRow("other text") << DropDownModel({&radio}, "Source") << DropDownModel({&radio}, "Sources") << false;
    QTest::newRow("null and empty text") << DropDownModel({}, QString()) << DropDownModel({}, "") << true;
    QTest::newRow("default") << DropDownModel() << DropDownModel() << true;
}

void tst_DropDownModel::equality()
{
    QFETCH(DropDownModel, left);
    QFETCH(DropDownModel, right);
    QFETCH(bool, equal);

    QCOMPARE(left == right, equal);
    QCOMPARE(left != right, !equal);
}

void tst_DropDownModel::renamedEntryKeepsModelsEqual()
{
    DropDownItemModel entry(3, "Kitchen");
    const DropDownModel before({&entry}, "Zone");
    DropDownModel copy = before;
    entry.setText("Dining room");
    QCOMPARE(copy, before);
    QCOMPARE(copy.itemsModels().first()->text(), QString("Dining room"));
}

void tst_DropDownModel::setTextEmitsOnlyOnChange()
{
    DropDownItemModel entry(7, "Radio");
    QSignalSpy spy(&entry, &DropDownItemModel::textChanged);
    entry.setText("Radio");
    QCOMPARE(spy.count(), 0);
    entry.setText("Tuner");
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.first().first().toString(), QString("Tuner"));
    QCOMPARE(entry.id(), 7);
}

QTEST_GUILESS_MAIN(tst_DropDownModel)
#include "tst_dropdownmodel.moc"
