#include "ControlsTheme.h"

#include "controls/SvgControlObject.h"
#include "controls/SvgElement.h"
#include "controls/SvgElementFinder.h"
#include "gestures/EventConsumer.h"

#include <QTest>

using namespace Corvane::Gadgets;

namespace {

// The smallest rectangle holding every mostly opaque pixel of image.
QRect opaqueRect(const QImage& image)
{
    QRect opaque;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) > 128)
                opaque |= QRect(x, y, 1, 1);
        }
    }
    return opaque;
}

// A document of 60 x 40 with a 10 x 10 "square" at (x, 10).
QByteArray squareAt(int x)
{
    return QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"60\" height=\"40\">"
                          "<rect id=\"square\" x=\"%1\" y=\"10\" width=\"10\" height=\"10\"/></svg>")
        .arg(x)
        .toUtf8();
}

} // namespace

class tst_SvgElement : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ControlsTheme::activate(); }

    void suffixSelectsVariant_data()
    {
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QString>("fullId");
        QTest::newRow("variant present") << "big" << "default_big";
        QTest::newRow("variant missing") << "motor" << "default";
        QTest::newRow("no suffix") << "" << "default";
    }

    void suffixSelectsVariant()
    {
        QFETCH(QString, suffix);
        QFETCH(QString, fullId);
        SvgElement element(ControlsTheme::renderer("icon"), "default", nullptr);
        element.setElementsSuffix("big");
        element.setElementsSuffix(suffix);
        QCOMPARE(element.fullElementId(), fullId);
    }

    void placement_data()
    {
        QTest::addColumn<QRectF>("bounds");
        QTest::addColumn<bool>("stretch");
        QTest::addColumn<QRect>("painted");
        // close_default lies at (100, 10, 20, 20) in the document.
        QTest::newRow("inside: own offset") << QRectF(95, 5, 50, 30) << false << QRect(5, 5, 20, 20);
        QTest::newRow("outside: centred") << QRectF(0, 0, 50, 30) << false << QRect(15, 5, 20, 20);
        QTest::newRow("stretched") << QRectF(0, 0, 50, 30) << true << QRect(0, 0, 50, 30);
    }

    void placement()
    {
        QFETCH(QRectF, bounds);
        QFETCH(bool, stretch);
        QFETCH(QRect, painted);
        SvgElement element(ControlsTheme::renderer("button"), "close_default", nullptr);
        element.setStretch(stretch);
        element.setBounds(bounds);
        QCOMPARE(opaqueRect(ControlsTheme::paintItem(&element, QSize(60, 40))), painted);
    }

    void placementFollowsASwappedRenderer()
    {
        // A theme switch swaps the renderer inside the container; the element
        // is placed by the new document even before its cached data is updated.
        QSvgRenderer first(squareAt(10));
        QSvgRenderer second(squareAt(30));
        Utilities::RendererContainer container(&first, "square");
        SvgElement element(&container, "square", nullptr);
        element.setBounds(QRectF(0, 0, 60, 40));
        QCOMPARE(opaqueRect(ControlsTheme::paintItem(&element, QSize(60, 40))), QRect(10, 10, 10, 10));
        container.setRenderer(&second);
        QCOMPARE(opaqueRect(ControlsTheme::paintItem(&element, QSize(60, 40))), QRect(30, 10, 10, 10));
    }

    void missingElementHasNoBounds()
    {
        SvgElement element(ControlsTheme::renderer("button"), "no_such_element", nullptr);
        QCOMPARE(element.scaledBounds(), QRectF(0, 0, -1, -1));
    }

    void pressTakesOpaquePixelsOnly_data()
    {
        QTest::addColumn<bool>("acceptsMouse");
        QTest::addColumn<QPointF>("scenePos");
        QTest::addColumn<bool>("accepted");
        // ok_default: (10, 10, 80, 30) with rounded corners of radius 6.
        QTest::newRow("opaque pixel") << true << QPointF(50, 25) << true;
        QTest::newRow("transparent corner") << true << QPointF(10.5, 10.5) << false;
        QTest::newRow("outside") << true << QPointF(200, 25) << false;
        QTest::newRow("not accepting mouse") << false << QPointF(50, 25) << false;
    }

    void pressTakesOpaquePixelsOnly()
    {
        QFETCH(bool, acceptsMouse);
        QFETCH(QPointF, scenePos);
        QFETCH(bool, accepted);
        SvgElement element(ControlsTheme::renderer("button"), "ok_default", nullptr);
        element.setAcceptsMouse(acceptsMouse);
        Gestures::EventConsumer consumer;
        const auto press = SceneTestHelpers::mouseEvent(QEvent::GraphicsSceneMousePress, scenePos);
        element.handleMousePress(press.get(), consumer);
        QCOMPARE(press->isAccepted(), accepted);
        QCOMPARE(consumer.consumer() == &element, accepted);
        QCOMPARE(element.hitTest(scenePos), accepted);
    }

    void hitMaskFollowsThemeSwitchOfRenderer()
    {
        // A paint in another state id must not leave a stale hit mask behind:
        // the mask is rebuilt for the painted id and compared by that id.
        SvgElement element(ControlsTheme::renderer("button"), "ok_default", nullptr);
        element.setAcceptsMouse(true);
        ControlsTheme::paintItem(&element, QSize(80, 30));
        QVERIFY(element.hitTest(QPointF(50, 25)));
        element.setCustomScale(2.0);
        QVERIFY(element.hitTest(QPointF(50, 25)));
        QVERIFY(!element.hitTest(QPointF(10.5, 10.5)));
    }

    void findPathReturnsLastPath()
    {
        Utilities::SvgElementFinder finder;
        const QPainterPath path = finder.findPath(ControlsTheme::renderer("icon")->renderer(), "two_paths");
        QCOMPARE(path.boundingRect(), QRectF(20, 20, 10, 10));
        QVERIFY(finder.findPath(ControlsTheme::renderer("icon")->renderer(), "missing").isEmpty());
        QVERIFY(!finder.findPath(":/ControlsTheme/icon.svg", "two_paths").isEmpty());
        QVERIFY(finder.findPath(":/ControlsTheme/none.svg", "two_paths").isEmpty());
        QVERIFY(finder.findPath(":/ControlsTheme/icon.svg", QString()).isEmpty());
    }
};

QTEST_MAIN(tst_SvgElement)
#include "tst_svgelement.moc"
