#include "pravikdriver/MultiFrameAssembler.h"

#include <QTest>

using Corvane::PravikDriver::Message;
using Corvane::PravikDriver::MultiFrameAssembler;
using Corvane::PravikDriver::UserMessages::LoadManagementMessage;

namespace {

const QString METER = QStringLiteral("51");

// The frames of a new-interface day-per-hour answer: hour i has value i * 10,
// frame 25 the sum.
QList<Message> newDayPerHourFrames(const QString& address, int month, int day)
{
    QList<Message> frames;
    int sum = 0;
    for (int i = 1; i <= 24; ++i) {
        frames.append(Message(101, 18, address, 0, 1800511, { month, day, i, i * 10 }, 2));
        sum += i * 10;
    }
    frames.append(Message(101, 18, address, 0, 1800511, { month, day, 25, sum }, 2));
    return frames;
}

} // namespace

class tst_MultiFrameAssembler : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void newDayPerHourWithProgress();
    void outOfOrderAndDuplicateFrames();
    void incompleteAnswerNeverDelivers();
    void answersOfTwoMetersDoNotMix();
    void discardForgetsCollectedFrames();
    void oldDayPerHourTakesTheRequestedDay();
    void oldMonthPerHourUnpacksWords();
    void malformedFramesAreRefused_data();
    void malformedFramesAreRefused();
    void openAnswersAreBounded();
};

void tst_MultiFrameAssembler::newDayPerHourWithProgress()
{
    MultiFrameAssembler assembler;
    const QList<Message> frames = newDayPerHourFrames(METER, 3, 9);
    for (int i = 0; i < frames.size() - 1; ++i) {
        MultiFrameAssembler::Progress progress;
        QVERIFY(!assembler.add(frames.at(i), &progress));
        QCOMPARE(progress.received, i + 1);
        QCOMPARE(progress.total, 25);
    }
    MultiFrameAssembler::Progress progress;
    const auto answer = assembler.add(frames.last(), &progress);
    QVERIFY(answer);
    QCOMPARE(progress.received, 25);
    QCOMPARE(answer->type(), 8);
    QCOMPARE(answer->month(), 3);
    QCOMPARE(answer->day(), 9);
    QCOMPARE(answer->values().size(), 25);
    QCOMPARE(answer->values().first(), 10);
    QCOMPARE(answer->values().last(), 3000);
}

void tst_MultiFrameAssembler::outOfOrderAndDuplicateFrames()
{
    MultiFrameAssembler assembler;
    QList<Message> frames = newDayPerHourFrames(METER, 3, 9);
    std::reverse(frames.begin(), frames.end());
    MultiFrameAssembler::Progress progress;
    QVERIFY(!assembler.add(frames.at(0), &progress));
    QVERIFY(!assembler.add(frames.at(0), &progress));
    QCOMPARE(progress.received, 1);
    std::optional<LoadManagementMessage> answer;
    for (int i = 1; i < frames.size(); ++i)
        answer = assembler.add(frames.at(i), &progress);
    QVERIFY(answer);
    QCOMPARE(answer->values().at(23), 240);
}

void tst_MultiFrameAssembler::incompleteAnswerNeverDelivers()
{
    MultiFrameAssembler assembler;
    const QList<Message> frames = newDayPerHourFrames(METER, 3, 9);
    for (int i = 0; i < frames.size(); ++i) {
        if (i != 12)
            QVERIFY(!assembler.add(frames.at(i), nullptr));
    }
}

void tst_MultiFrameAssembler::answersOfTwoMetersDoNotMix()
{
    MultiFrameAssembler assembler;
    const QList<Message> first = newDayPerHourFrames(METER, 3, 9);
    const QList<Message> second = newDayPerHourFrames(QStringLiteral("52"), 3, 9);
    int answers = 0;
    for (int i = 0; i < first.size(); ++i) {
        answers += assembler.add(first.at(i), nullptr) ? 1 : 0;
        answers += assembler.add(second.at(i), nullptr) ? 1 : 0;
    }
    QCOMPARE(answers, 2);
}

void tst_MultiFrameAssembler::discardForgetsCollectedFrames()
{
    MultiFrameAssembler assembler;
    const QList<Message> frames = newDayPerHourFrames(METER, 3, 9);
    assembler.add(frames.first(), nullptr);
    assembler.discard(METER, 1800511);
    MultiFrameAssembler::Progress progress;
    for (int i = 1; i < frames.size(); ++i)
        QVERIFY(!assembler.add(frames.at(i), &progress));
    QCOMPARE(progress.received, 24);
}

void tst_MultiFrameAssembler::oldDayPerHourTakesTheRequestedDay()
{
    MultiFrameAssembler assembler;
    assembler.setRequestedDay(METER, 3, 9);
    // Frame 1: filler, hour 0; 2..8: three hours; 9: hours 22, 23, filler;
    // 10: filler, 255. Hour h has the value h + 1.
    QList<int> hours;
    for (int h = 0; h < 24; ++h)
        hours.append(h + 1);
    QList<QList<int>> payloads { { 200, hours[0] } };
    for (int frame = 2; frame <= 8; ++frame)
        payloads.append(hours.mid(1 + (frame - 2) * 3, 3));
    payloads.append({ hours[22], hours[23], 201 });
    payloads.append({ 202, 255 });
    std::optional<LoadManagementMessage> answer;
    for (int i = 0; i < payloads.size(); ++i)
        answer = assembler.add(Message(101, 18, METER, 0, 1800056, QList<int> { 2026, 3, i + 1 } + payloads.at(i), 2),
                               nullptr);
    QVERIFY(answer);
    QCOMPARE(answer->type(), 8);
    QCOMPARE(answer->month(), 3);
    QCOMPARE(answer->day(), 9);
    QCOMPARE(answer->values().mid(0, 24), hours);
    QCOMPARE(answer->values().last(), 300);
}

void tst_MultiFrameAssembler::oldMonthPerHourUnpacksWords()
{
    MultiFrameAssembler assembler;
    QList<int> bytes;
    for (int hour = 0; hour < 24; ++hour)
        bytes << (hour + 256) / 256 << (hour * 7) % 256;
    bytes << 0 << 0 << 0 << 0 << 0 << 0;
    std::optional<LoadManagementMessage> answer;
    int position = 0;
    for (int frame = 1; frame <= 19; ++frame) {
        const int count = frame == 1 ? 2 : (frame == 19 ? 1 : 3);
        answer = assembler.add(Message(101, 18, METER, 0, 1800057, QList<int> { 4, frame } + bytes.mid(position, count), 1),
                               nullptr);
        position += count;
    }
    QVERIFY(answer);
    QCOMPARE(answer->type(), 7);
    QCOMPARE(answer->month(), 4);
    QCOMPARE(answer->values().size(), 24);
    QCOMPARE(answer->values().at(0), 256);
    QCOMPARE(answer->values().at(5), 256 + 35);
}

void tst_MultiFrameAssembler::malformedFramesAreRefused_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("dimensionParameters");
    QTest::newRow("index zero") << 0 << 2;
    QTest::newRow("index past the end") << 26 << 2;
    QTest::newRow("no index") << 1 << 4;
}

void tst_MultiFrameAssembler::malformedFramesAreRefused()
{
    QFETCH(int, index);
    QFETCH(int, dimensionParameters);
    MultiFrameAssembler assembler;
    MultiFrameAssembler::Progress progress;
    QVERIFY(!assembler.add(Message(101, 18, METER, 0, 1800511, { 3, 9, index, 5 }, dimensionParameters), &progress));
    QCOMPARE(progress.total, 0);
}

void tst_MultiFrameAssembler::openAnswersAreBounded()
{
    MultiFrameAssembler assembler;
    const QList<Message> first = newDayPerHourFrames(METER, 1, 1);
    assembler.add(first.first(), nullptr);
    for (int day = 2; day < 2 + MultiFrameAssembler::MAX_OPEN_ANSWERS; ++day)
        assembler.add(newDayPerHourFrames(METER, 1, day).first(), nullptr);
    // The oldest open answer was dropped: its remaining frames complete nothing.
    MultiFrameAssembler::Progress progress;
    for (int i = 1; i < first.size(); ++i)
        QVERIFY(!assembler.add(first.at(i), &progress));
    QCOMPARE(progress.received, 24);
}

QTEST_GUILESS_MAIN(tst_MultiFrameAssembler)
#include "tst_multiframeassembler.moc"
