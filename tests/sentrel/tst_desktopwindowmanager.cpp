#include "DesktopWindowManager.h"

#include "SentrelFixture.h"
#include "TestSceneWindow.h"
#include "XcbAtom.h"

#include <QGuiApplication>
#include <QTest>

#include <xcb/xcb.h>

using namespace Corvane::Sentrel;

namespace {

// Tells, for as long as it lives, that a window manager of the given name
// runs (_NET_SUPPORTING_WM_CHECK on the root window); then the root's own
// value comes back.
class ManagerName
{
public:
    ManagerName(xcb_connection_t* connection, const QByteArray& name)
        : m_connection(connection)
        , m_root(xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root)
        , m_check(xcb_generate_id(connection))
        , m_property(XcbAtom::of(connection, "_NET_SUPPORTING_WM_CHECK"))
    {
        const XcbReply<xcb_get_property_reply_t> old(
            xcb_get_property_reply(connection,
                                   xcb_get_property(connection, 0, m_root, m_property, XCB_ATOM_WINDOW, 0, 1),
                                   nullptr),
            &std::free);
        if (old && xcb_get_property_value_length(old.get()) == 4)
            m_old = *static_cast<const xcb_window_t*>(xcb_get_property_value(old.get()));
        xcb_create_window(connection, XCB_COPY_FROM_PARENT, m_check, m_root, 0, 0, 1, 1, 0,
                          XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, 0, nullptr);
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, m_check, XcbAtom::of(connection, "_NET_WM_NAME"),
                            XcbAtom::of(connection, "UTF8_STRING"), 8, uint32_t(name.size()), name.constData());
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, m_root, m_property, XCB_ATOM_WINDOW, 32, 1, &m_check);
        xcb_flush(connection);
    }
    ~ManagerName()
    {
        if (m_old != XCB_WINDOW_NONE)
            xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, m_root, m_property, XCB_ATOM_WINDOW, 32, 1,
                                &m_old);
        else
            xcb_delete_property(m_connection, m_root, m_property);
        xcb_destroy_window(m_connection, m_check);
        xcb_flush(m_connection);
    }

private:
    xcb_connection_t* m_connection;
    xcb_window_t m_root;
    xcb_window_t m_check;
    xcb_atom_t m_property;
    xcb_window_t m_old = XCB_WINDOW_NONE;
};

bool isOverrideRedirect(xcb_connection_t* connection, WId window)
{
    const XcbReply<xcb_get_window_attributes_reply_t> attributes(
        xcb_get_window_attributes_reply(connection, xcb_get_window_attributes(connection, xcb_window_t(window)),
                                        nullptr),
        &std::free);
    return attributes && attributes->override_redirect;
}

} // namespace

class tst_DesktopWindowManager : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void managersThatMoveWindows_data();
    void managersThatMoveWindows();
    void desktopWindowLeftUnmanagedOnlyWhereMoved_data();
    void desktopWindowLeftUnmanagedOnlyWhereMoved();
};

void tst_DesktopWindowManager::managersThatMoveWindows_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("moves");
    QTest::newRow("Weston") << QStringLiteral("Weston WM") << true;
    QTest::newRow("Openbox") << QStringLiteral("Openbox") << false;
    QTest::newRow("none") << QString() << false;
}

void tst_DesktopWindowManager::managersThatMoveWindows()
{
    QFETCH(QString, name);
    QFETCH(bool, moves);
    QCOMPARE(DesktopWindowManager::movesManagedWindows(name), moves);
}

void tst_DesktopWindowManager::desktopWindowLeftUnmanagedOnlyWhereMoved_data()
{
    QTest::addColumn<QByteArray>("manager");
    QTest::addColumn<bool>("unmanaged");
    QTest::newRow("Weston's XWayland manager") << QByteArray("Weston WM") << true;
    QTest::newRow("another manager") << QByteArray("Openbox") << false;
}

// Weston's XWayland manager shows every window it manages 32 pixels in from
// where it placed it: the desktop-sized window would overhang the screen.
// Unmanaged, it stays at the desktop's corner. Needs an X server.
void tst_DesktopWindowManager::desktopWindowLeftUnmanagedOnlyWhereMoved()
{
    QFETCH(QByteArray, manager);
    QFETCH(bool, unmanaged);
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("needs an X server (QT_QPA_PLATFORM=xcb)");
    xcb_connection_t* connection = xcbConnection();
    const ManagerName name(connection, manager);
    QCOMPARE(DesktopWindowManager::name(), QString::fromUtf8(manager));

    SentrelFixture fixture;
    Settings::s_instance->setSupportTransparency(true);
    QStringList log;
    QPoint cursor;
    DiscWindow window(&log, &cursor);
    window.showTo();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(isOverrideRedirect(connection, window.winId()), unmanaged);
    QCOMPARE(window.windowFlags().testFlag(Qt::X11BypassWindowManagerHint), unmanaged);
}

QTEST_MAIN(tst_DesktopWindowManager)
#include "tst_desktopwindowmanager.moc"
