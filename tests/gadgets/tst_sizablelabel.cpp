#include "ControlsTheme.h"

#include "text/SizableLabel.h"
#include "text/SvgScaledElement.h"

#include <QFontMetrics>
#include <QTest>

#include <memory>

using namespace Corvane::Gadgets;

namespace {

QFont labelFont()
{
    QFont font;
    font.setPixelSize(12);
    return font;
}

std::unique_ptr<SizableLabel> label(const QString& text, int maximumWidth)
{
    return std::make_unique<SizableLabel>(ControlsTheme::renderer("button"), "tag", text, labelFont(), Qt::black, true,
                                          maximumWidth, nullptr);
}

} // namespace

class tst_SizableLabel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ControlsTheme::activate(); }

    void nineParts()
    {
        // The tag plate's centre cut is 24 x 8, its corners 8 x 6.
        Utilities::SvgScaledElement element(*ControlsTheme::renderer("button")->renderer(), "tag_default", "tag", 100,
                                            20);
        QCOMPARE(element.pixmap().size(), QSize(116, 32));
        QCOMPARE(element.boundsAtPart(Utilities::SvgScaledElement::MiddleMiddle), QRectF(8, 6, 100, 20));
        QCOMPARE(element.boundsAtPart(Utilities::SvgScaledElement::BottomRight), QRectF(108, 26, 8, 6));
        const qint64 key = element.pixmap().cacheKey();
        element.rescaleElement(100, 20);
        QCOMPARE(element.pixmap().cacheKey(), key);
        element.rescaleElement(50, 20);
        QCOMPARE(element.pixmap().size(), QSize(66, 32));
    }

    void missingCutsStretchNothing()
    {
        Utilities::SvgScaledElement element(*ControlsTheme::renderer("button")->renderer(), "ok_default", "no_cuts", 100,
                                            20);
        QCOMPARE(element.scaleX(), 1.0);
        QVERIFY(element.pixmap().isNull());
    }

    void scrollingOnlyBeyondTheMaximumWidth_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("maximumWidth");
        QTest::addColumn<bool>("scrolls");
        QTest::newRow("within") << "Hall" << 200 << false;
        QTest::newRow("no limit") << "A rather long label text" << -1 << false;
        QTest::newRow("beyond") << "A rather long label text" << 40 << true;
    }

    void scrollingOnlyBeyondTheMaximumWidth()
    {
        QFETCH(QString, text);
        QFETCH(int, maximumWidth);
        QFETCH(bool, scrolls);
        auto tag = label(text, maximumWidth);
        QCOMPARE(tag->needsScrolling(), scrolls);
        QCOMPARE(tag->displayedText() == text, !scrolls);
        const int width = QFontMetrics(labelFont()).boundingRect(QRect(), Qt::TextSingleLine | Qt::AlignLeft, text).width();
        QCOMPARE(tag->composedPixmap().width(), (scrolls ? maximumWidth : width) + 16);

        const auto enter = SceneTestHelpers::hoverEvent(QEvent::GraphicsSceneHoverEnter, QPointF());
        enter->setPos(tag->boundingRect().center());
        tag->handleHoverEnterEvent(enter.get());
        QCOMPARE(tag->isScrolling(), scrolls);
    }

    void sameTextDoesNotReload()
    {
        auto tag = label("Hall", -1);
        const qint64 key = tag->composedPixmap().cacheKey();
        tag->setText("Hall", labelFont(), Qt::black, true, -1);
        QCOMPARE(tag->composedPixmap().cacheKey(), key);
        tag->setText("Hall", labelFont(), Qt::red, true, -1);
        QVERIFY(tag->composedPixmap().cacheKey() != key);
    }
};

QTEST_MAIN(tst_SizableLabel)
#include "tst_sizablelabel.moc"
