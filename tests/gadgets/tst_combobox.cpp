#include "DialogsTheme.h"

#include "widgets/ComboBox.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <QWheelEvent>

using namespace Corvane::Gadgets;

namespace {

void fill(ComboBox& box)
{
    box.addItem(QStringLiteral("Never"), -1);
    box.addItem(QStringLiteral("3"), 3);
    box.addItem(QStringLiteral("A rather long item text"), QStringLiteral("long"));
}

// Delivers a wheel turn as the application delivers one from the window
// system: to the widget under the pointer, then up to its parents until one
// accepts it. Returns whether the widget itself accepted it.
bool turnWheel(QWidget* widget)
{
    const QPointF global = widget->mapToGlobal(QRectF(widget->rect()).center());
    bool acceptedByWidget = false;
    for (QWidget* receiver = widget; receiver; receiver = receiver->parentWidget()) {
        const QPointF local = receiver->mapFromGlobal(global);
        QWheelEvent event(local, global, QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(receiver, &event);
        if (event.isAccepted()) {
            acceptedByWidget = receiver == widget;
            break;
        }
    }
    return acceptedByWidget;
}

} // namespace

class tst_ComboBox : public QObject
{
    Q_OBJECT

private slots:
    void listShowsWholeTexts()
    {
        ComboBox box;
        QCOMPARE(box.view()->textElideMode(), Qt::ElideNone);
        QCOMPARE(box.view()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(box.view()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    }

    void maxItemTextWidthMeasuresBoldItalic()
    {
        ComboBox box;
        QCOMPARE(box.maxItemTextWidth(), -1);
        fill(box);
        QFont font = box.font();
        font.setWeight(QFont::Bold);
        font.setItalic(true);
        const QFontMetrics metrics(font);
        QCOMPARE(box.maxItemTextWidth(), metrics.horizontalAdvance(QStringLiteral("A rather long item text"))
                                             + 3 * metrics.horizontalAdvance(QStringLiteral("a")));
    }

    void fitAllItemsInWidthWidensOnlyANarrowList()
    {
        ComboBox empty;
        const int before = empty.view()->minimumWidth();
        empty.fitAllItemsInWidth();
        QCOMPARE(empty.view()->minimumWidth(), before);

        ComboBox box;
        fill(box);
        box.resize(40, 20);
        box.fitAllItemsInWidth();
        QCOMPARE(box.view()->minimumWidth(), box.maxItemTextWidth());

        ComboBox wide;
        fill(wide);
        wide.resize(wide.maxItemTextWidth() + 10, 20);
        wide.fitAllItemsInWidth();
        QCOMPARE(wide.view()->minimumWidth(), before);
    }

    void setChoiceByData_data()
    {
        QTest::addColumn<QVariant>("data");
        QTest::addColumn<bool>("changed");
        QTest::addColumn<int>("index");
        QTest::newRow("another item") << QVariant(3) << true << 1;
        QTest::newRow("string data") << QVariant(QStringLiteral("long")) << true << 2;
        QTest::newRow("current item") << QVariant(-1) << false << 0;
        QTest::newRow("no such item") << QVariant(7) << false << 0;
        QTest::newRow("other case") << QVariant(QStringLiteral("LONG")) << false << 0;
    }

    void setChoiceByData()
    {
        QFETCH(QVariant, data);
        QFETCH(bool, changed);
        QFETCH(int, index);
        ComboBox box;
        fill(box);
        QSignalSpy indexChanges(&box, &QComboBox::currentIndexChanged);
        QCOMPARE(box.setChoiceByData(data), changed);
        QCOMPARE(box.currentIndex(), index);
        QCOMPARE(indexChanges.count(), changed ? 1 : 0);
        QCOMPARE(box.currentItemData(), box.itemData(index));
    }

    void currentItemDataIsInvalidWithoutItems()
    {
        ComboBox box;
        QVERIFY(!box.currentItemData().isValid());
    }

    void setItemsAlignmentSetsEveryItem()
    {
        ComboBox box;
        fill(box);
        box.setItemsAlignment(Qt::AlignCenter);
        for (int i = 0; i < box.count(); ++i)
            QCOMPARE(box.itemData(i, Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));
    }

    void wheelGoesToTheScrollAreaWhenIgnored_data()
    {
        QTest::addColumn<bool>("ignoreWheel");
        QTest::newRow("ignored") << true;
        QTest::newRow("taken") << false;
    }

    void wheelGoesToTheScrollAreaWhenIgnored()
    {
        QFETCH(bool, ignoreWheel);
        QScrollArea area;
        auto* content = new QWidget;
        auto* layout = new QVBoxLayout(content);
        auto* box = new ComboBox;
        fill(*box);
        box->ignoreWheel = ignoreWheel;
        layout->addWidget(box);
        layout->addSpacing(2000);
        area.setWidget(content);
        area.resize(200, 200);
        area.show();
        QVERIFY(QTest::qWaitForWindowExposed(&area));

        QCOMPARE(turnWheel(box), !ignoreWheel);
        QCOMPARE(box->currentIndex() == 0, ignoreWheel);
        QCOMPARE(area.verticalScrollBar()->value() > 0, ignoreWheel);
    }
};

QTEST_MAIN(tst_ComboBox)
#include "tst_combobox.moc"
