#include "energy/EnergyTimespanEdit.h"
#include "text/TextLabel.h"

#include <QApplication>
#include <algorithm>
#include <QDateTimeEdit>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsSceneMouseEvent>
#include <QGraphicsView>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace Corvane::Gadgets;
using namespace Corvane::Gadgets::GadgetsCommon;

namespace {

QDateTime at(int year, int month, int day)
{
    return QDateTime(QDate(year, month, day), QTime(10, 30));
}

std::unique_ptr<EnergyTimespanEdit> editor(const QDateTime& end)
{
    auto edit = std::make_unique<EnergyTimespanEdit>(end, nullptr);
    edit->setBounds(QRectF(0, 0, 120, 24));
    return edit;
}

void finishTyping(QDateTimeEdit* editor, const QDate& date)
{
    editor->setDate(date);
    emit editor->editingFinished();
}

void click(EnergyTimespanEdit& edit, const QPointF& scenePos)
{
    QGraphicsSceneMouseEvent event(QEvent::GraphicsSceneMouseRelease);
    event.setScenePos(scenePos);
    event.setButton(Qt::LeftButton);
    edit.handleMouseClick(&event);
}

} // namespace

class tst_EnergyTimespanEdit : public QObject
{
    Q_OBJECT

private slots:
    void stepping_data();
    void stepping();
    void minimumMovesTheEditorAtOnce();
    void endDateWaitsForTheNextStep();
    void finishedEditIsClamped();
    void viewCycling();
    void annualPeriod();
    void pagesFollowTheView();
    void styleSheetColours();
    void neverReportsAnImpossibleDate();
    void clickGivesAndTakesKeyboardFocus();
};

void tst_EnergyTimespanEdit::stepping_data()
{
    QTest::addColumn<int>("view");
    QTest::addColumn<QDateTime>("start");
    QTest::addColumn<QDateTime>("minimum");
    QTest::addColumn<int>("steps");
    QTest::addColumn<QDate>("result");
    QTest::addColumn<int>("changes");

    const QDateTime end = at(2024, 6, 15);
    QTest::newRow("daily at the end stays") << 0 << end << QDateTime() << 1 << QDate(2024, 6, 15) << 0;
    QTest::newRow("daily back") << 0 << end << QDateTime() << -1 << QDate(2024, 6, 14) << 1;
    QTest::newRow("daily back from the minimum stays") << 0 << at(2024, 1, 1) << at(2024, 1, 1) << -1
                                                        << QDate(2024, 1, 1) << 0;
    QTest::newRow("month back from 31 March") << 1 << at(2024, 3, 31) << QDateTime() << -1 << QDate(2024, 2, 29)
                                              << 1;
    QTest::newRow("month back clamped by the minimum") << 1 << at(2024, 3, 31) << at(2024, 3, 5) << -1
                                                       << QDate(2024, 3, 5) << 1;
    QTest::newRow("month forward past the end") << 1 << at(2024, 5, 31) << QDateTime() << 1 << QDate(2024, 6, 15)
                                                << 1;
}

void tst_EnergyTimespanEdit::stepping()
{
    QFETCH(int, view);
    QFETCH(QDateTime, start);
    QFETCH(QDateTime, minimum);
    QFETCH(int, steps);
    QFETCH(QDate, result);
    QFETCH(int, changes);

    auto edit = editor(at(2024, 6, 15));
    edit->setTimespanView(TimespanView(view));
    if (view == DailyView) {
        edit->setDailyViewDate(start);
        edit->setDailyViewMinDate(minimum);
    } else {
        edit->setMonthlyViewDate(start);
        edit->setMonthlyViewMinDate(minimum);
    }
    QSignalSpy daily(edit.get(), &EnergyTimespanEdit::dailyViewDateChanged);
    QSignalSpy monthly(edit.get(), &EnergyTimespanEdit::monthlyViewDateChanged);
    edit->advanceDate(steps);
    QCOMPARE(edit->dateTimeEdit(TimespanView(view))->date(), result);
    QCOMPARE((view == DailyView ? daily : monthly).size(), changes);
}

void tst_EnergyTimespanEdit::minimumMovesTheEditorAtOnce()
{
    auto edit = editor(at(2024, 6, 15));
    edit->setDailyViewDate(at(2024, 2, 1));
    QSignalSpy daily(edit.get(), &EnergyTimespanEdit::dailyViewDateChanged);
    edit->setDailyViewMinDate(at(2024, 3, 1));
    QCOMPARE(edit->dailyViewDate().date(), QDate(2024, 3, 1));
    QCOMPARE(daily.size(), 1);
    edit->setDailyViewMinDate(QDateTime());
    edit->setDailyViewMinDate(at(2024, 3, 1));
    QCOMPARE(daily.size(), 1);
}

void tst_EnergyTimespanEdit::endDateWaitsForTheNextStep()
{
    auto edit = editor(at(2024, 6, 15));
    edit->setDailyViewDate(at(2024, 6, 10));
    edit->setEndDate(at(2024, 6, 5));
    QCOMPARE(edit->dailyViewDate().date(), QDate(2024, 6, 10));
    edit->nextDate();
    QCOMPARE(edit->dailyViewDate().date(), QDate(2024, 6, 5));
}

void tst_EnergyTimespanEdit::finishedEditIsClamped()
{
    auto edit = editor(at(2024, 6, 15));
    edit->setMonthlyViewMinDate(at(2023, 7, 1));
    finishTyping(edit->dateTimeEdit(MonthlyView), QDate(2022, 1, 1));
    QCOMPARE(edit->monthlyViewDate().date(), QDate(2023, 7, 1));
    finishTyping(edit->dateTimeEdit(MonthlyView), QDate(2030, 1, 1));
    QCOMPARE(edit->monthlyViewDate().date(), QDate(2024, 6, 15));
}

void tst_EnergyTimespanEdit::viewCycling()
{
    auto edit = editor(at(2024, 6, 15));
    QList<int> next;
    for (int i = 0; i < 4; ++i) {
        next << edit->timespanView();
        edit->setNextTimespanView();
    }
    QCOMPARE(next, QList<int>({0, 1, 2, 0}));
    QList<int> previous;
    for (int i = 0; i < 4; ++i) {
        previous << edit->timespanView();
        edit->setPreviousTimespanView();
    }
    QCOMPARE(previous, QList<int>({1, 0, 2, 1}));
    edit->setTimespanView(TimespanView(3));
    QCOMPARE(edit->timespanView(), DailyView);
}

void tst_EnergyTimespanEdit::annualPeriod()
{
    auto edit = editor(at(2024, 6, 15));
    edit->setTimespanView(AnnualView);
    QSignalSpy annual(edit.get(), &EnergyTimespanEdit::annualViewDateChanged);
    QCOMPARE(edit->startDateText(), QString("Last 12 months"));
    edit->previousDate();
    QCOMPARE(edit->annualViewDate(), PreviousTwelveMonths);
    QCOMPARE(edit->annualLabel()->text(), QString("Previous 12 months"));
    edit->previousDate();
    QCOMPARE(edit->annualViewDate(), LastTwelveMonths);
    edit->nextDate();
    QCOMPARE(edit->annualViewDate(), PreviousTwelveMonths);
    QCOMPARE(annual.size(), 0);
    edit->setAnnualViewDate(PreviousTwelveMonths);
    edit->setAnnualViewDate(AnnualViewDate(5));
    QCOMPARE(annual.size(), 2);
    QCOMPARE(edit->annualViewDate(), PreviousTwelveMonths);
}

void tst_EnergyTimespanEdit::pagesFollowTheView()
{
    // The dates read in the locale's form.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    auto edit = editor(at(2024, 6, 15));
    QVERIFY(edit->proxy(DailyView)->isVisible());
    QVERIFY(!edit->proxy(MonthlyView)->isVisible());
    QCOMPARE(edit->proxy(DailyView)->geometry(), QRectF(0, 0, 120, 24));
    edit->setTimespanView(MonthlyView);
    QCOMPARE(edit->startDateText(), QString("06.2024"));
    QVERIFY(!edit->proxy(DailyView)->isVisible());
    QVERIFY(edit->proxy(MonthlyView)->isVisible());
    edit->setTimespanView(AnnualView);
    QVERIFY(edit->annualLabel()->isVisible());
    QVERIFY(!edit->proxy(MonthlyView)->isVisible());
    edit->setTimespanView(DailyView);
    QCOMPARE(edit->startDateText(), QString("15.06.2024"));
    QLocale::setDefault(QLocale::c());
}

void tst_EnergyTimespanEdit::styleSheetColours()
{
    auto edit = editor(at(2024, 6, 15));
    edit->setFontColor(QColor(10, 20, 30, 40));
    edit->setHighlightedTextColor(Qt::white, true);
    edit->setHighlightedTextColor(QColor(1, 2, 3), false);
    const QString sheet = edit->dateTimeEdit(DailyView)->styleSheet();
    QVERIFY2(sheet.contains("color: rgba( 10, 20, 30, 40 );"), qPrintable(sheet));
    QVERIFY(sheet.contains("selection-color: rgba( 255, 255, 255, 255 );"));
    QVERIFY(sheet.contains("selection-background-color: rgba( 1, 2, 3, 255 );"));
}

// A seeded run of arrow clicks, view changes and typed dates, with minimum
// and end dates on month ends and 29 February: every date reported is a real
// one, and after each step or finished edit the date lies in its range.
void tst_EnergyTimespanEdit::neverReportsAnImpossibleDate()
{
    const QList<QDate> bounds{QDate(2024, 2, 29), QDate(2023, 1, 31), QDate(2023, 4, 30), QDate(2024, 12, 31),
                              QDate(2020, 2, 29), QDate(2024, 3, 31)};
    QRandomGenerator random(1729);
    auto edit = editor(QDateTime(QDate(2024, 12, 31), QTime(23, 59)));
    QList<QDateTime> reported;
    connect(edit.get(), &EnergyTimespanEdit::dailyViewDateChanged, [&](const QDateTime& date) { reported << date; });
    connect(edit.get(), &EnergyTimespanEdit::monthlyViewDateChanged, [&](const QDateTime& date) { reported << date; });

    for (int step = 0; step < 4000; ++step) {
        QDate low = bounds.at(random.bounded(int(bounds.size())));
        QDate high = bounds.at(random.bounded(int(bounds.size())));
        if (high < low)
            std::swap(low, high);
        switch (random.bounded(7)) {
        case 0:
            edit->previousDate();
            break;
        case 1:
            edit->nextDate();
            break;
        case 2:
            edit->setNextTimespanView();
            break;
        case 3:
            finishTyping(edit->dateTimeEdit(DailyView), QDate(random.bounded(1, 3000), random.bounded(1, 13), 1)
                                                            .addDays(random.bounded(31)));
            break;
        case 4:
            finishTyping(edit->dateTimeEdit(MonthlyView), QDate(random.bounded(1990, 2040), random.bounded(1, 13), 28));
            break;
        case 5:
            high = std::max({high, edit->dailyViewMinDate().date(), edit->monthlyViewMinDate().date()});
            edit->setEndDate(QDateTime(high, QTime(12, 0)));
            edit->validateDate(DailyView);
            edit->validateDate(MonthlyView);
            break;
        default:
            low = std::min(low, edit->endDate().date());
            edit->setDailyViewMinDate(QDateTime(low, QTime(0, 0)));
            edit->setMonthlyViewMinDate(QDateTime(low, QTime(0, 0)));
            break;
        }
        for (const QDateTime& date : std::as_const(reported))
            QVERIFY2(date.date().isValid() && date.date().year() > 0, qPrintable(date.toString()));
        reported.clear();
        for (TimespanView view : {DailyView, MonthlyView}) {
            const QDate date = edit->dateTimeEdit(view)->date();
            const QDate minimum = edit->minimumDate(view).date();
            QVERIFY(date.isValid());
            QVERIFY2(!minimum.isValid() || date >= minimum,
                     qPrintable(QString("%1 < %2 at step %3").arg(date.toString(), minimum.toString()).arg(step)));
            QVERIFY2(date <= edit->endDate().date(), qPrintable(QString("step %1").arg(step)));
        }
    }
}

// Qt 6 gives an embedded widget the keyboard through its proxy item; this
// needs a real window system to show.
void tst_EnergyTimespanEdit::clickGivesAndTakesKeyboardFocus()
{
    if (QGuiApplication::platformName() == QLatin1String("offscreen") || qEnvironmentVariableIsEmpty("DISPLAY"))
        QSKIP("needs a display (run under Xvfb)");
    QGraphicsScene scene(0, 0, 300, 100);
    auto* edit = new EnergyTimespanEdit(at(2024, 6, 15), nullptr);
    scene.addItem(edit);
    edit->setBounds(QRectF(20, 20, 120, 24));
    QGraphicsView view(&scene);
    view.show();
    view.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&view));

    click(*edit, QPointF(60, 30));
    QTRY_VERIFY(edit->dateTimeEdit(DailyView)->hasFocus());
    QVERIFY(edit->proxy(DailyView)->hasFocus());
    // Keys typed into the view reach the editor through the proxy.
    const QDateTime before = edit->dailyViewDate();
    QTest::keyClick(view.viewport(), Qt::Key_Down);
    QTRY_VERIFY(edit->dailyViewDate() != before);
    click(*edit, QPointF(250, 80));
    QTRY_VERIFY(!edit->dateTimeEdit(DailyView)->hasFocus());
    QVERIFY(!edit->proxy(DailyView)->hasFocus());
}

QTEST_MAIN(tst_EnergyTimespanEdit)
#include "tst_energytimespanedit.moc"
