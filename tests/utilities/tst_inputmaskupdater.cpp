#include "utilities/InputMaskUpdater.h"

#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <QThread>

using Corvane::Utilities::InputMaskUpdater;

namespace {

// The region a brute-force scan of the pixels gives.
QRegion alphaPixels(const QImage& image, const QPoint& offset)
{
    QRegion region;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 0)
                region += QRect(x + offset.x(), y + offset.y(), 1, 1);
    return region;
}

QImage transparentImage(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

} // namespace

class tst_InputMaskUpdater : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void regionIsTheVisiblePixels_data();
    void regionIsTheVisiblePixels();
    void answersQueuedFromItsThreadOnlyWhileRunning();
};

void tst_InputMaskUpdater::regionIsTheVisiblePixels_data()
{
    QTest::addColumn<QImage>("image");
    QTest::addColumn<QPoint>("offset");

    QTest::newRow("empty") << transparentImage(40, 30) << QPoint();
    QImage full = transparentImage(20, 10);
    full.fill(Qt::red);
    QTest::newRow("opaque") << full << QPoint(5, 7);

    QImage ring = transparentImage(64, 64);
    {
        QPainter painter(&ring);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(0, 0, 255, 40), 6));
        painter.drawEllipse(QRect(4, 4, 56, 56));
        painter.fillRect(QRect(28, 28, 8, 8), QColor(0, 0, 0, 1));
    }
    QTest::newRow("antialiased ring with a faint centre") << ring << QPoint(-10, 300);

    QImage stripes = transparentImage(33, 17);
    for (int y = 0; y < stripes.height(); y += 2)
        for (int x = y % 3; x < stripes.width(); x += 3)
            stripes.setPixel(x, y, qRgba(1, 1, 1, 1));
    QTest::newRow("scattered pixels") << stripes << QPoint(1, 1);

    QImage rgb(12, 12, QImage::Format_RGB32);
    rgb.fill(Qt::white);
    QTest::newRow("no alpha channel: all of it") << rgb << QPoint();
}

void tst_InputMaskUpdater::regionIsTheVisiblePixels()
{
    QFETCH(QImage, image);
    QFETCH(QPoint, offset);
    const QRegion region = InputMaskUpdater::visibleRegion(image, offset);
    const QRegion expected = alphaPixels(image.convertToFormat(QImage::Format_ARGB32), offset);
    QVERIFY2((region ^ expected).isEmpty(), qPrintable(QStringLiteral("%1 pixels differ").arg((region ^ expected).rectCount())));
    QCOMPARE(region.boundingRect(), expected.boundingRect());
    // Rows alike share rectangles: no more than the pixel scan's own.
    QVERIFY(region.rectCount() <= expected.rectCount());
}

void tst_InputMaskUpdater::answersQueuedFromItsThreadOnlyWhileRunning()
{
    QThread thread;
    auto* updater = new InputMaskUpdater;
    updater->moveToThread(&thread);
    connect(&thread, &QThread::finished, updater, &QObject::deleteLater);
    QSignalSpy destroyed(updater, &QObject::destroyed);
    QSignalSpy ready(updater, &InputMaskUpdater::maskReady);
    thread.start();

    QImage image = transparentImage(10, 10);
    image.setPixel(3, 4, qRgba(9, 9, 9, 9));
    const auto request = [&](quint64 serial) {
        QMetaObject::invokeMethod(updater, [=] { updater->updateMask(image, QPoint(100, 0), serial); },
                                  Qt::QueuedConnection);
    };

    request(1); // not started yet: dropped
    QMetaObject::invokeMethod(updater, &InputMaskUpdater::start, Qt::QueuedConnection);
    request(2);
    QVERIFY(ready.wait());
    QCOMPARE(ready.size(), 1);
    QCOMPARE(ready.at(0).at(0).value<QRegion>(), QRegion(103, 4, 1, 1));
    QCOMPARE(ready.at(0).at(1).toULongLong(), 2u);

    QMetaObject::invokeMethod(updater, &InputMaskUpdater::stop, Qt::QueuedConnection);
    request(3);
    thread.quit();
    QVERIFY(thread.wait(5000));
    QCOMPARE(ready.size(), 1);
    QTRY_COMPARE(destroyed.size(), 1);
}

QTEST_MAIN(tst_InputMaskUpdater)
#include "tst_inputmaskupdater.moc"
