#include "controls/ElementBoundsCache.h"

#include <QSvgRenderer>
#include <QTest>
#include <QTransform>

#include <memory>

using Corvane::Gadgets::ElementBoundsCache;

namespace {

// A document with one rectangle of the given width, moved by a transform.
QByteArray document(int width)
{
    return QStringLiteral("<svg xmlns='http://www.w3.org/2000/svg' width='200' height='100'>"
                          "<g transform='translate(10,5)'><rect id='box' x='2' y='3' width='%1' height='20'/></g>"
                          "</svg>")
        .arg(width)
        .toUtf8();
}

} // namespace

class tst_ElementBoundsCache : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void boundsAreTheRenderersTransformed_data();
    void boundsAreTheRenderersTransformed();
    void reloadedDocumentGivesNewBounds();
    void nextRendererNeverSeesTheLastOnesBounds();
};

void tst_ElementBoundsCache::boundsAreTheRenderersTransformed_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QRectF>("bounds");
    QTest::addColumn<bool>("exists");

    QTest::newRow("element") << "box" << QRectF(12, 8, 40, 20) << true;
    QTest::newRow("missing element") << "nothing" << QRectF(0, 0, -1, -1) << false;
    QTest::newRow("empty id") << "" << QRectF(0, 0, -1, -1) << false;
}

void tst_ElementBoundsCache::boundsAreTheRenderersTransformed()
{
    QFETCH(QString, id);
    QFETCH(QRectF, bounds);
    QFETCH(bool, exists);

    QSvgRenderer renderer(document(40));
    // Whether it exists first, then its bounds, then both again from the
    // cache: knowing that an element exists is no knowledge of its bounds.
    QCOMPARE(ElementBoundsCache::exists(&renderer, id), exists);
    for (int i = 0; i < 2; ++i) {
        QCOMPARE(ElementBoundsCache::bounds(&renderer, id), bounds);
        QCOMPARE(ElementBoundsCache::exists(&renderer, id), exists);
    }
    QCOMPARE(ElementBoundsCache::bounds(nullptr, id), QRectF(0, 0, -1, -1));
    QVERIFY(!ElementBoundsCache::exists(nullptr, id));
}

void tst_ElementBoundsCache::reloadedDocumentGivesNewBounds()
{
    QSvgRenderer renderer(document(40));
    QCOMPARE(ElementBoundsCache::bounds(&renderer, "box").width(), 40.0);
    QVERIFY(renderer.load(document(70)));
    QCOMPARE(ElementBoundsCache::bounds(&renderer, "box").width(), 70.0);
}

void tst_ElementBoundsCache::nextRendererNeverSeesTheLastOnesBounds()
{
    // Renderers made one after the other often reuse the same address.
    for (int width = 10; width <= 50; width += 10) {
        auto renderer = std::make_unique<QSvgRenderer>(document(width));
        QCOMPARE(ElementBoundsCache::bounds(renderer.get(), "box").width(), qreal(width));
    }
}

QTEST_MAIN(tst_ElementBoundsCache)
#include "tst_elementboundscache.moc"
