#include "pravikdriver/FrameBuffer.h"

#include <QTest>

using Corvane::PravikDriver::FrameBuffer;

namespace {

QList<QByteArray> takeAll(FrameBuffer& buffer)
{
    QList<QByteArray> lines;
    QByteArray line;
    while (buffer.takeLine(&line))
        lines.append(line);
    return lines;
}

} // namespace

class tst_FrameBuffer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void splitsLinesAcrossChunks();
    void dropsAnOversizedLineAndKeepsWhatFollows();
    void oversizedLineArrivingInChunksIsReportedOnce();
};

void tst_FrameBuffer::splitsLinesAcrossChunks()
{
    FrameBuffer buffer(16);
    buffer.append("PING 1\nPO");
    QCOMPARE(takeAll(buffer), QList<QByteArray> { "PING 1" });
    buffer.append("NG 2\n\n");
    QCOMPARE(takeAll(buffer), (QList<QByteArray> { "PONG 2", "" }));
    QVERIFY(!buffer.takeOverflow());
}

void tst_FrameBuffer::dropsAnOversizedLineAndKeepsWhatFollows()
{
    FrameBuffer buffer(16);
    buffer.append(QByteArray(40, 'x') + "\nPING 1\n");
    QVERIFY(buffer.takeOverflow());
    QVERIFY(!buffer.takeOverflow());
    QCOMPARE(takeAll(buffer), QList<QByteArray> { "PING 1" });
}

void tst_FrameBuffer::oversizedLineArrivingInChunksIsReportedOnce()
{
    FrameBuffer buffer(16);
    int reports = 0;
    for (int i = 0; i < 100; ++i) {
        buffer.append(QByteArray(10, 'x'));
        reports += buffer.takeOverflow() ? 1 : 0;
        QVERIFY(takeAll(buffer).isEmpty());
    }
    buffer.append("xx\nACK 1\n");
    QCOMPARE(reports, 1);
    QCOMPARE(takeAll(buffer), QList<QByteArray> { "ACK 1" });
}

QTEST_GUILESS_MAIN(tst_FrameBuffer)
#include "tst_framebuffer.moc"
