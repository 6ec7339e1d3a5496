#include "PixmapUtilities.h"

#include <QImage>
#include <QPainter>
#include <QTest>

namespace {

const QRect SQUARE(4, 4, 4, 4);

QPixmap squareOn(const QSize& size, const QColor& colour)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.fillRect(SQUARE, colour);
    return pixmap;
}

QImage argb(const QPixmap& pixmap)
{
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
}

} // namespace

class tst_PixmapUtilities : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void transparentSourceStaysTransparent();
    void opaqueSourceIsUnchanged();
    void zeroBlurGivesAHardShadowOnePixelOff();
    void softShadowIsCutAtTheSourceRectangle();
    void nullSourceGivesNullResult();
};

void tst_PixmapUtilities::transparentSourceStaysTransparent()
{
    QPixmap source(16, 16);
    source.fill(Qt::transparent);

    const QImage result = argb(PixmapUtilities::dropShadow(source, Qt::black, 5));

    QCOMPARE(result.size(), QSize(16, 16));
    for (int y = 0; y < result.height(); ++y)
        for (int x = 0; x < result.width(); ++x)
            QCOMPARE(qAlpha(result.pixel(x, y)), 0);
}

void tst_PixmapUtilities::opaqueSourceIsUnchanged()
{
    QPixmap source(16, 12);
    source.fill(QColor(20, 90, 200));

    const QPixmap result = PixmapUtilities::dropShadow(source, Qt::black, 3);

    QCOMPARE(argb(result), argb(source));
}

void tst_PixmapUtilities::zeroBlurGivesAHardShadowOnePixelOff()
{
    const QImage result = argb(PixmapUtilities::dropShadow(squareOn(QSize(12, 12), Qt::red), Qt::black, 0));

    QCOMPARE(result.size(), QSize(12, 12));
    for (int y = 0; y < result.height(); ++y) {
        for (int x = 0; x < result.width(); ++x) {
            const QPoint point(x, y);
            const QRgb pixel = result.pixel(point);
            const QString where = QStringLiteral("pixel %1,%2").arg(x).arg(y);
            if (SQUARE.contains(point)) {
                QVERIFY2(pixel == QColor(Qt::red).rgba(), qPrintable(where));
            } else if (SQUARE.contains(point - QPoint(1, 1))) {
                // Shadow: black, opaque up to rounding in the effect's filter.
                QVERIFY2(qAlpha(pixel) >= 250 && (pixel & 0xffffff) == 0, qPrintable(where));
            } else {
                QVERIFY2(qAlpha(pixel) == 0, qPrintable(where));
            }
        }
    }
}

void tst_PixmapUtilities::softShadowIsCutAtTheSourceRectangle()
{
    const QPixmap source = squareOn(QSize(10, 10), Qt::red);

    const QImage result = argb(PixmapUtilities::dropShadow(source, Qt::black, 8));

    QCOMPARE(result.size(), source.size());
    QCOMPARE(result.pixel(5, 5), QColor(Qt::red).rgba());
    // The blur reaches beyond the hard shadow, fading out.
    const int alphaBesideSquare = qAlpha(result.pixel(9, 6));
    QVERIFY(alphaBesideSquare > 0);
    QVERIFY(alphaBesideSquare < 255);
}

void tst_PixmapUtilities::nullSourceGivesNullResult()
{
    QVERIFY(PixmapUtilities::dropShadow(QPixmap(), Qt::black, 4).isNull());
}

QTEST_MAIN(tst_PixmapUtilities)
#include "tst_pixmaputilities.moc"
