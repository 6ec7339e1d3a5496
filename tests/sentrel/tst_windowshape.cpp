#include "WindowShape.h"
#include "XcbAtom.h"

#include <QGuiApplication>
#include <QTest>
#include <QWidget>

#include <xcb/shape.h>
#include <xcb/xcb.h>

using namespace Corvane::Sentrel;

namespace {

// Owns the compositing manager's selection for as long as it lives, so that
// the window shape takes the input shape as under a compositing manager.
class CompositorSelection
{
public:
    explicit CompositorSelection(xcb_connection_t* connection)
        : m_connection(connection)
        , m_window(xcb_generate_id(connection))
    {
        const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
        xcb_create_window(connection, XCB_COPY_FROM_PARENT, m_window, screen->root, 0, 0, 1, 1, 0,
                          XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, 0, nullptr);
        xcb_set_selection_owner(connection, m_window, XcbAtom::of(connection, "_NET_WM_CM_S0"), XCB_CURRENT_TIME);
        xcb_flush(connection);
    }
    ~CompositorSelection()
    {
        xcb_destroy_window(m_connection, m_window);
        xcb_flush(m_connection);
    }

private:
    xcb_connection_t* m_connection;
    xcb_window_t m_window;
};

// The input shape that the X server holds for a window.
QRegion inputShapeOf(xcb_connection_t* connection, WId window)
{
    const XcbReply<xcb_shape_get_rectangles_reply_t> reply(
        xcb_shape_get_rectangles_reply(
            connection, xcb_shape_get_rectangles(connection, xcb_window_t(window), XCB_SHAPE_SK_INPUT), nullptr),
        &std::free);
    QRegion shape;
    if (!reply)
        return shape;
    const xcb_rectangle_t* rectangles = xcb_shape_get_rectangles_rectangles(reply.get());
    for (int i = 0; i < xcb_shape_get_rectangles_rectangles_length(reply.get()); ++i)
        shape += QRect(rectangles[i].x, rectangles[i].y, rectangles[i].width, rectangles[i].height);
    return shape;
}

} // namespace

class tst_WindowShape : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void devicePixelsCoverEveryTouchedPixel_data();
    void devicePixelsCoverEveryTouchedPixel();
    void inputShapeIsInTheScreensPixels();
};

void tst_WindowShape::devicePixelsCoverEveryTouchedPixel_data()
{
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<QRegion>("region");
    QTest::addColumn<QRegion>("expected");
    const QRegion twoRects = QRegion(10, 10, 5, 5) + QRegion(20, 0, 1, 1);
    QTest::newRow("ratio 1") << 1.0 << twoRects << twoRects;
    QTest::newRow("ratio 1.5") << 1.5 << twoRects << (QRegion(15, 15, 8, 8) + QRegion(30, 0, 2, 2));
    QTest::newRow("ratio 2") << 2.0 << twoRects << (QRegion(20, 20, 10, 10) + QRegion(40, 0, 2, 2));
}

void tst_WindowShape::devicePixelsCoverEveryTouchedPixel()
{
    QFETCH(qreal, ratio);
    QFETCH(QRegion, region);
    QFETCH(QRegion, expected);
    QCOMPARE(WindowShape::inDevicePixels(region, ratio), expected);
}

// The X server takes the input shape in the screen's pixels: on a HiDPI
// screen (QT_SCALE_FACTOR) a shape in Qt's pixels would take clicks on a
// part of the gadget only. Needs an X server.
void tst_WindowShape::inputShapeIsInTheScreensPixels()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("needs an X server (QT_QPA_PLATFORM=xcb)");
    xcb_connection_t* connection = xcbConnection();
    const CompositorSelection compositor(connection);
    QWidget window;
    window.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    window.resize(300, 200);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    WindowShape shape(&window);
    QCOMPARE(shape.kind(), WindowShape::Kind::Input);

    const QRegion gadget = QRegion(40, 30, 100, 80) + QRegion(150, 150, 20, 10);
    shape.apply(gadget);

    const qreal ratio = window.devicePixelRatio();
    QCOMPARE(inputShapeOf(connection, window.winId()), WindowShape::inDevicePixels(gadget, ratio));
    QCOMPARE(inputShapeOf(connection, window.winId()).boundingRect(),
             QRectF(QPointF(40, 30) * ratio, QSizeF(130, 130) * ratio).toAlignedRect());
}

QTEST_MAIN(tst_WindowShape)
#include "tst_windowshape.moc"
