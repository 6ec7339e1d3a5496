#include "controls/BackgroundScaler.h"
#include "theme/RendererContainer.h"

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTest>

#include <cmath>

using namespace Corvane::Gadgets;

namespace {

// The fixture plates are 24 high around a central rectangle 16 high, with
// caps 8 wide: a content of 40 x 16 gives a plate of 60 x 24.
const QSizeF CONTENT(40, 16);

// The alpha of one row of device pixels through the middle of a plate, from
// just inside its left edge to just inside its right edge.
QList<int> middleRowAlphas(const QImage& image, const QRectF& deviceBounds)
{
    const int row = int(deviceBounds.center().y());
    const int first = int(std::ceil(deviceBounds.left())) + 1;
    const int last = int(std::floor(deviceBounds.right())) - 2;
    QList<int> alphas;
    for (int x = first; x <= last; ++x)
        alphas << qAlpha(image.pixel(x, row));
    return alphas;
}

QImage transparentImage(const QSize& size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

} // namespace

class tst_BackgroundScaler : public QObject
{
    Q_OBJECT

private:
    QSvgRenderer m_svg{QStringLiteral(":/plates/plates.svg")};
    Utilities::RendererContainer m_renderer{&m_svg, QStringLiteral("plates")};

    // Paints the plate scaled to CONTENT at offset onto an image of device
    // pixels scale times smaller than the painter's units, the scale set on
    // the painter or as the image's device pixel ratio.
    QImage paintPlate(const QString& baseId, qreal scale, bool onRatio, const QPointF& offset, QRectF& deviceBounds)
    {
        Utilities::BackgroundScaler scaler(&m_renderer, baseId);
        scaler.scaleCentralContentBoundsTo(CONTENT, true);
        const QRectF bounds = scaler.totalScaledBounds().translated(offset);
        deviceBounds = QRectF(bounds.topLeft() * scale, bounds.size() * scale);
        QImage image = transparentImage(QSize(int(deviceBounds.right()) + 4, int(deviceBounds.bottom()) + 4));
        if (onRatio)
            image.setDevicePixelRatio(scale);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        if (!onRatio)
            painter.scale(scale, scale);
        scaler.paint(&painter, offset);
        return image;
    }

    static void addScales()
    {
        QTest::addColumn<qreal>("scale");
        QTest::addColumn<bool>("onRatio");
        QTest::addColumn<QPointF>("offset");
        for (const qreal scale : {1.0, 1.25, 1.5, 1.7, 2.0}) {
            for (const QPointF& offset : {QPointF(2, 2), QPointF(2.3, 2.3), QPointF(2.55, 1.8)}) {
                const QString name = QStringLiteral("%1 at %2,%3").arg(scale).arg(offset.x()).arg(offset.y());
                QTest::newRow(qPrintable(name)) << scale << false << offset;
            }
            const QString ratioName = QStringLiteral("%1 as pixel ratio").arg(scale);
            QTest::newRow(qPrintable(ratioName)) << scale << true << QPointF(2.3, 2.3);
        }
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_svg.isValid());
        QVERIFY(Utilities::BackgroundScaler(&m_renderer, QStringLiteral("solid")).isValid());
        QVERIFY(Utilities::BackgroundScaler(&m_renderer, QStringLiteral("glass")).isValid());
    }

    void solidPlateIsOpaqueAcrossItsJoins_data() { addScales(); }

    void solidPlateIsOpaqueAcrossItsJoins()
    {
        QFETCH(qreal, scale);
        QFETCH(bool, onRatio);
        QFETCH(QPointF, offset);
        QRectF deviceBounds;
        const QImage image = paintPlate(QStringLiteral("solid"), scale, onRatio, offset, deviceBounds);
        const QList<int> alphas = middleRowAlphas(image, deviceBounds);
        QVERIFY(alphas.size() > 50);
        for (qsizetype i = 0; i < alphas.size(); ++i)
            QVERIFY2(alphas.at(i) >= 250, qPrintable(QStringLiteral("alpha %1 at column %2").arg(alphas.at(i)).arg(i)));
    }

    void translucentPlateIsEvenAcrossItsJoins_data() { addScales(); }

    void translucentPlateIsEvenAcrossItsJoins()
    {
        QFETCH(qreal, scale);
        QFETCH(bool, onRatio);
        QFETCH(QPointF, offset);
        QRectF deviceBounds;
        const QImage image = paintPlate(QStringLiteral("glass"), scale, onRatio, offset, deviceBounds);
        const QList<int> alphas = middleRowAlphas(image, deviceBounds);
        QVERIFY(alphas.size() > 50);
        const int even = alphas.at(alphas.size() / 2);
        QVERIFY(std::abs(even - 128) <= 2);
        for (qsizetype i = 0; i < alphas.size(); ++i) {
            QVERIFY2(std::abs(alphas.at(i) - even) <= 2,
                     qPrintable(QStringLiteral("alpha %1 at column %2").arg(alphas.at(i)).arg(i)));
        }
    }

    // Where no fractional pixels are in play, or where slices cannot be
    // snapped to pixel columns, the slices are drawn at their own rectangles.
    void platePaintsSlicesAtTheirRectangles_data()
    {
        QTest::addColumn<QTransform>("transform");
        QTest::newRow("unscaled") << QTransform::fromTranslate(3, 2);
        QTest::newRow("rotated") << QTransform::fromTranslate(30, 4).rotate(30);
    }

    void platePaintsSlicesAtTheirRectangles()
    {
        QFETCH(QTransform, transform);
        Utilities::BackgroundScaler scaler(&m_renderer, QStringLiteral("solid"));
        scaler.scaleCentralContentBoundsTo(CONTENT, true);
        QCOMPARE(scaler.totalScaledBounds(), QRectF(0, 0, 60, 24));

        QImage painted = transparentImage(QSize(80, 64));
        QPainter painter(&painted);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setTransform(transform);
        scaler.paint(&painter, QPointF(1, 1));
        painter.end();

        QImage expected = transparentImage(painted.size());
        QPainter reference(&expected);
        reference.setRenderHint(QPainter::Antialiasing);
        reference.setTransform(transform);
        m_svg.render(&reference, QStringLiteral("solid_left"), QRectF(1, 1, 8, 24));
        m_svg.render(&reference, QStringLiteral("solid_middle"), QRectF(9, 1, 44, 24));
        m_svg.render(&reference, QStringLiteral("solid_right"), QRectF(53, 1, 8, 24));
        reference.end();
        QCOMPARE(painted, expected);
    }
};

QTEST_MAIN(tst_BackgroundScaler)
#include "tst_backgroundscaler.moc"
