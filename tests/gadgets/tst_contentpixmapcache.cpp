#include "SceneTestHelpers.h"
#include "controls/ContentPixmapCache.h"
#include "controls/IconRenderer.h"
#include "controls/SvgContentButton.h"
#include "models/TextPaintData.h"
#include "theme/ThemeProvider.h"

#include <QBitmap>
#include <QImage>
#include <QPainter>
#include <QTest>
#include <QWidget>

using namespace Corvane::Gadgets;
using Models::TextPaintData;
using Utilities::ContentPixmapCache;
using Utilities::IconRenderer;

class tst_ContentPixmapCache : public QObject
{
    Q_OBJECT

private slots:
    void init() { SceneTestHelpers::useTheme(QStringLiteral(":/CorvaneTheme")); }
    void cleanupTestCase() { ThemeProvider::clear(); }

    void drawsWhatPaintContentDraws_data();
    void drawsWhatPaintContentDraws();
    void paintsOncePerLook();
    void keepsAtMostMaxEntries();
    void widgetRenderedIntoAnImage_data();
    void widgetRenderedIntoAnImage();

private:
    static IconRenderer light() { return IconRenderer(ThemeProvider::getRendererFor(ThemeProvider::LIGHTS), {}); }
    static TextPaintData text(const QString& text, double opacity = 1.0)
    {
        return TextPaintData(text, QString(), 10, QFont::Normal, Qt::white, Qt::white, Qt::AlignCenter, opacity);
    }
    // A canvas of 80 x 80 items scaled by scale in all, ratio of which is
    // the device pixel ratio (a HiDPI screen) and the rest the painter's.
    static QImage canvas(qreal scale, qreal ratio = 1.0)
    {
        QImage image(QSize(80, 80) * scale, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::transparent);
        return image;
    }
};

void tst_ContentPixmapCache::drawsWhatPaintContentDraws_data()
{
    QTest::addColumn<qreal>("scale");
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<QString>("label");
    QTest::newRow("icon at 1.0") << 1.0 << 1.0 << QString();
    QTest::newRow("icon at 2.0") << 2.0 << 1.0 << QString();
    QTest::newRow("icon at 1.5") << 1.5 << 1.0 << QString();
    // A text beside the icon shifts it left, beyond the target.
    QTest::newRow("icon and text at 1.5") << 1.5 << 1.0 << QStringLiteral("Hall");
    QTest::newRow("icon at 2.0 on a screen of ratio 2") << 2.0 << 2.0 << QString();
    QTest::newRow("icon at 1.5 on a screen of ratio 1.5") << 1.5 << 1.5 << QString();
    QTest::newRow("icon at 3.0 on a screen of ratio 1.5") << 3.0 << 1.5 << QString();
}

// Drawn at whole device pixels, the cached copy matches a direct painting.
void tst_ContentPixmapCache::drawsWhatPaintContentDraws()
{
    QFETCH(qreal, scale);
    QFETCH(qreal, ratio);
    QFETCH(QString, label);
    const QRectF target(10, 12, 48, 48);

    QImage direct = canvas(scale, ratio);
    QPainter directPainter(&direct);
    directPainter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform |
                                 QPainter::TextAntialiasing);
    directPainter.scale(scale / ratio, scale / ratio);
    directPainter.translate(target.topLeft());
    SvgContentButton::paintContent(&directPainter, light(), QStringLiteral("active"),
                                   QRectF(QPointF(0, 0), target.size()), 1.0, text(label), SvgButton::Normal, 1.0,
                                   true, Qt::Horizontal, QString());
    directPainter.end();

    QImage cached = canvas(scale, ratio);
    QPainter cachedPainter(&cached);
    cachedPainter.scale(scale / ratio, scale / ratio);
    ContentPixmapCache cache;
    cache.draw(&cachedPainter, light(), QStringLiteral("active"), text(label), target);
    cachedPainter.end();

    int differing = 0;
    for (int y = 0; y < direct.height(); ++y)
        for (int x = 0; x < direct.width(); ++x)
            differing += qAbs(qAlpha(direct.pixel(x, y)) - qAlpha(cached.pixel(x, y))) > 8 ? 1 : 0;
    QVERIFY2(differing < direct.width() * direct.height() / 200, qPrintable(QString::number(differing)));
    QVERIFY(qAlpha(cached.pixel(QPointF(target.center() * scale).toPoint())) > 0);
}

void tst_ContentPixmapCache::paintsOncePerLook()
{
    ContentPixmapCache cache;
    QImage image = canvas(1.0);
    QPainter painter(&image);
    const QRectF target(0, 0, 48, 48);
    cache.draw(&painter, light(), QStringLiteral("active"), text(QString()), target);
    cache.draw(&painter, light(), QStringLiteral("active"), text(QString()), target.translated(7.5, 3));
    QCOMPARE(cache.size(), 1);

    cache.draw(&painter, light(), QStringLiteral("inactive"), text(QString()), target);
    QCOMPARE(cache.size(), 2);
    cache.draw(&painter, light(), QStringLiteral("active"), text(QStringLiteral("Hall")), target);
    QCOMPARE(cache.size(), 2);

    painter.scale(2, 2);
    cache.draw(&painter, light(), QStringLiteral("active"), text(QString()), target);
    QCOMPARE(cache.size(), 3);

    cache.clear();
    QCOMPARE(cache.size(), 0);
}

void tst_ContentPixmapCache::keepsAtMostMaxEntries()
{
    ContentPixmapCache cache;
    QImage image = canvas(1.0);
    QPainter painter(&image);
    for (int i = 0; i < ContentPixmapCache::MAX_ENTRIES + 5; ++i)
        cache.draw(&painter, light(), QStringLiteral("active"), text(QString()), QRectF(0, 0, 40 + i, 40 + i));
    QCOMPARE(cache.size(), ContentPixmapCache::MAX_ENTRIES);
}

namespace {

// A widget that draws the light icon through the cache.
class CachedIconWidget : public QWidget
{
public:
    CachedIconWidget() { resize(80, 80); }
    static constexpr QRectF TARGET{10, 12, 48, 48};

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        m_cache.draw(&painter, IconRenderer(ThemeProvider::getRendererFor(ThemeProvider::LIGHTS), {}),
                     QStringLiteral("active"),
                     TextPaintData(QString(), QString(), 10, QFont::Normal, Qt::white, Qt::white, Qt::AlignCenter, 1.0),
                     TARGET);
    }

private:
    ContentPixmapCache m_cache;
};

} // namespace

void tst_ContentPixmapCache::widgetRenderedIntoAnImage_data()
{
    QTest::addColumn<qreal>("ratio");
    QTest::newRow("image of ratio 1") << 1.0;
    QTest::newRow("image of ratio 2") << 2.0;
    QTest::newRow("image of ratio 1.5") << 1.5;
}

// A widget rendered into an image (as for the click-through shape) paints
// at the image's pixel ratio, whatever the screen's: the picture lands on
// its target, not beside it.
void tst_ContentPixmapCache::widgetRenderedIntoAnImage()
{
    QFETCH(qreal, ratio);
    CachedIconWidget widget;
    QImage image = canvas(ratio, ratio);
    widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    const QRect drawn = QRegion(QBitmap::fromImage(image.createAlphaMask())).boundingRect();
    const QRect target = QRectF(CachedIconWidget::TARGET.topLeft() * ratio, CachedIconWidget::TARGET.size() * ratio)
                             .toAlignedRect();
    QVERIFY2(target.adjusted(-1, -1, 1, 1).contains(drawn), qPrintable(QStringLiteral("%1,%2 %3x%4").arg(drawn.x())
        .arg(drawn.y()).arg(drawn.width()).arg(drawn.height())));
    QVERIFY(drawn.width() > target.width() / 2);
}

QTEST_MAIN(tst_ContentPixmapCache)
#include "tst_contentpixmapcache.moc"
