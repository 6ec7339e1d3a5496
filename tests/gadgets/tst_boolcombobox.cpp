#include "DialogsTheme.h"

#include "widgets/BoolComboBox.h"

#include <QSignalSpy>
#include <QTest>

using namespace Corvane::Gadgets;

class tst_BoolComboBox : public QObject
{
    Q_OBJECT

private slots:
    void offersYesThenNo()
    {
        BoolComboBox box;
        QCOMPARE(box.count(), 2);
        QCOMPARE(box.itemText(0), QStringLiteral("Yes"));
        QCOMPARE(box.itemData(0), QVariant(true));
        QCOMPARE(box.itemText(1), QStringLiteral("No"));
        QCOMPARE(box.itemData(1), QVariant(false));
        QVERIFY(box.value());
    }

    void setValueEmitsOnlyOnChange_data()
    {
        QTest::addColumn<bool>("value");
        QTest::addColumn<int>("emitted");
        QTest::newRow("same") << true << 0;
        QTest::newRow("different") << false << 1;
    }

    void setValueEmitsOnlyOnChange()
    {
        QFETCH(bool, value);
        QFETCH(int, emitted);
        BoolComboBox box;
        QSignalSpy changes(&box, &BoolComboBox::valueChanged);
        box.setValue(value);
        QCOMPARE(box.value(), value);
        QCOMPARE(changes.count(), emitted);
        if (emitted)
            QCOMPARE(changes.first().first().toBool(), value);
    }

    void userChoiceEmitsNothingOfItsOwn()
    {
        BoolComboBox box;
        QSignalSpy changes(&box, &BoolComboBox::valueChanged);
        box.setCurrentIndex(1);
        QVERIFY(!box.value());
        QCOMPARE(changes.count(), 0);
    }
};

QTEST_MAIN(tst_BoolComboBox)
#include "tst_boolcombobox.moc"
