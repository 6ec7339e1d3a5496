#include "CompositorShadowReset.h"

#include <QEvent>
#include <QTest>
#include <QWidget>

using namespace Corvane::Sentrel;

namespace {

// The sizes a widget changes to, in order.
class SizeLog : public QObject
{
public:
    explicit SizeLog(QWidget* widget)
        : m_widget(widget)
        , m_last(widget->size())
    {
        widget->installEventFilter(this);
    }
    QList<QSize> sizes;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_widget && event->type() == QEvent::Resize && m_widget->size() != m_last) {
            m_last = m_widget->size();
            sizes.append(m_last);
        }
        return false;
    }

private:
    QWidget* m_widget;
    QSize m_last;
};

} // namespace

class tst_CompositorShadowReset : public QObject
{
    Q_OBJECT

private slots:
    void eachArmedShowingChangesTheSizeOnce_data();
    void eachArmedShowingChangesTheSizeOnce();
};

void tst_CompositorShadowReset::eachArmedShowingChangesTheSizeOnce_data()
{
    QTest::addColumn<int>("showings");
    QTest::newRow("shown once") << 1;
    QTest::newRow("shown, hidden and shown again") << 2;
}

// Once the window shows, its width grows by a pixel and shrinks back, each
// in a change of its own; then it keeps its size, also when shown again
// without being armed.
void tst_CompositorShadowReset::eachArmedShowingChangesTheSizeOnce()
{
    QFETCH(int, showings);
    QWidget window;
    window.resize(300, 200);
    CompositorShadowReset reset(&window);
    SizeLog log(&window);
    QList<QSize> expected;
    for (int showing = 0; showing < showings; ++showing) {
        reset.arm();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        expected << QSize(301, 200) << QSize(300, 200);
        QTRY_COMPARE(log.sizes, expected);
        window.hide();
    }
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCoreApplication::processEvents();
    QCOMPARE(log.sizes, expected);
    QCOMPARE(window.size(), QSize(300, 200));
}

QTEST_MAIN(tst_CompositorShadowReset)
#include "tst_compositorshadowreset.moc"
