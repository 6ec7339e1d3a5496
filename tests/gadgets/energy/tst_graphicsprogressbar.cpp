#include "energy/GraphicsProgressBar.h"
#include "text/TextLabel.h"

#include <QAnimationDriver>
#include <QImage>
#include <QPainter>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QStyleOptionGraphicsItem>
#include <QTest>

#include <limits>

using namespace Corvane::Gadgets;

namespace {

const double NaN = std::numeric_limits<double>::quiet_NaN();
const double Inf = std::numeric_limits<double>::infinity();

// Drives every Qt animation by hand: nothing moves until the test steps it.
// A started animation registers through the event loop, which therefore
// runs before each step.
class SteppedAnimations : public QAnimationDriver
{
public:
    SteppedAnimations() { install(); }
    ~SteppedAnimations() override { uninstall(); }
    qint64 elapsed() const override { return m_time; }
    void step(int msecs)
    {
        QCoreApplication::processEvents();
        m_time += msecs;
        advance();
    }

private:
    qint64 m_time = 0;
};

} // namespace

class tst_GraphicsProgressBar : public QObject
{
    Q_OBJECT

private slots:
    void labelFormat_data();
    void labelFormat();
    void rangeAndPercentage();
    void invalidValuesAreIgnored_data();
    void invalidValuesAreIgnored();
    void rangeThatExcludesTheProgressClamps();
    void labelPlacement_data();
    void labelPlacement();
    void animationDuration();
    void directProgressStopsTheAnimation();
    void fillFollowsThePercentage();
    void paintsInsideItsBounds();
};

void tst_GraphicsProgressBar::labelFormat_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("format");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("text");

    const QLocale c = QLocale::c();
    QTest::newRow("percentage of maximum") << c << "%p% of %m" << 0 << "50% of 10";
    QTest::newRow("progress with decimals") << c << "%v/%m" << 2 << "5.00/10.00";
    QTest::newRow("no specifiers") << c << "Loading" << 3 << "Loading";
    QTest::newRow("energy face") << c << "Loading data %p%. Please wait..." << 0 << "Loading data 50%. Please wait...";
    QTest::newRow("negative decimals ignored") << c << "%p" << -1 << "50";
    QTest::newRow("German decimals") << QLocale(QLocale::German, QLocale::Germany) << "%v/%m" << 2 << "5,00/10,00";
}

void tst_GraphicsProgressBar::labelFormat()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, format);
    QFETCH(int, decimals);
    QFETCH(QString, text);

    QLocale::setDefault(locale);
    const auto restore = qScopeGuard([] { QLocale::setDefault(QLocale::c()); });
    GraphicsProgressBar bar(nullptr);
    bar.setRange(0, 10);
    bar.setProgress(5);
    bar.setDecimalsCount(decimals);
    bar.setTextFormat(format);
    QCOMPARE(bar.text(), text);
}

void tst_GraphicsProgressBar::rangeAndPercentage()
{
    GraphicsProgressBar bar(nullptr);
    bar.setRange(10, 20);
    bar.setPercentage(0.5);
    QCOMPARE(bar.progress(), 15.0);
    QCOMPARE(bar.percentage(), 0.5);
    bar.setRange(3, 3);
    QCOMPARE(bar.percentage(), 0.0);
}

void tst_GraphicsProgressBar::invalidValuesAreIgnored_data()
{
    QTest::addColumn<double>("minimum");
    QTest::addColumn<double>("maximum");
    QTest::addColumn<double>("progress");
    QTest::addColumn<double>("percentage");

    QTest::newRow("inverted range") << 20.0 << 10.0 << 50.0 << 2.0;
    QTest::newRow("NaN range") << NaN << NaN << NaN << NaN;
    QTest::newRow("infinite range") << -Inf << Inf << Inf << -0.5;
    QTest::newRow("NaN maximum") << 0.0 << NaN << 120.0 << Inf;
}

void tst_GraphicsProgressBar::invalidValuesAreIgnored()
{
    QFETCH(double, minimum);
    QFETCH(double, maximum);
    QFETCH(double, progress);
    QFETCH(double, percentage);

    GraphicsProgressBar bar(nullptr);
    bar.setRange(0, 100);
    bar.setProgress(40);
    bar.setRange(minimum, maximum);
    bar.setMinimum(minimum);
    bar.setMaximum(maximum);
    bar.setProgress(progress);
    bar.setPercentage(percentage);
    QVERIFY(bar.minimum() <= bar.progress() && bar.progress() <= bar.maximum());
    QVERIFY(!std::isnan(bar.percentage()));
}

void tst_GraphicsProgressBar::rangeThatExcludesTheProgressClamps()
{
    GraphicsProgressBar bar(nullptr);
    bar.setRange(0, 100);
    bar.setProgress(80);
    QSignalSpy progress(&bar, &GraphicsProgressBar::progressChanged);
    QSignalSpy percentage(&bar, &GraphicsProgressBar::percentageChanged);
    bar.setRange(0, 50);
    QCOMPARE(bar.progress(), 50.0);
    QCOMPARE(progress.size(), 1);
    QCOMPARE(percentage.size(), 1);
    QCOMPARE(percentage.first().first().toDouble(), 1.0);
}

void tst_GraphicsProgressBar::labelPlacement_data()
{
    QTest::addColumn<int>("alignment");
    QTest::addColumn<QRectF>("textBounds");
    QTest::addColumn<int>("labelAlignment");

    const int hv = int(Qt::AlignHCenter | Qt::AlignVCenter);
    QTest::newRow("centred over the bar") << hv << QRectF(0, 0, 100, 10) << hv;
    QTest::newRow("below") << int(Qt::AlignHCenter | Qt::AlignBottom) << QRectF(0, 10, 100, 10)
                           << int(Qt::AlignHCenter | Qt::AlignTop);
    QTest::newRow("left") << int(Qt::AlignLeft | Qt::AlignVCenter) << QRectF(-100, 0, 100, 10)
                          << int(Qt::AlignRight | Qt::AlignVCenter);
    QTest::newRow("above right") << int(Qt::AlignRight | Qt::AlignTop) << QRectF(100, -10, 100, 10)
                                 << int(Qt::AlignLeft | Qt::AlignBottom);
}

void tst_GraphicsProgressBar::labelPlacement()
{
    QFETCH(int, alignment);
    QFETCH(QRectF, textBounds);
    QFETCH(int, labelAlignment);

    GraphicsProgressBar bar(nullptr);
    bar.setProgressBarBounds(QRectF(30, 40, 100, 10));
    bar.setLabelAlignment(Qt::AlignCenter);
    bar.setLabelAlignment(Qt::Alignment(alignment));
    bar.setHasLabel(true);
    QCOMPARE(bar.label()->textBounds(), textBounds);
    QCOMPARE(int(bar.label()->alignment()), labelAlignment);
    QCOMPARE(int(bar.label()->outerAlignment()), labelAlignment);
}

void tst_GraphicsProgressBar::animationDuration()
{
    GraphicsProgressBar bar(nullptr);
    bar.setRange(0, 100);
    bar.setProgress(20);
    bar.setAnimatesProgress(true);
    bar.setAnimationTime(1000);
    bar.setAnimationTime(6000);
    QCOMPARE(bar.animationTime(), 1000);
    QSignalSpy progress(&bar, &GraphicsProgressBar::progressChanged);
    SteppedAnimations animations;
    // Half the range takes half the animation time.
    bar.setProgress(70);
    for (int step = 0; step < 49; ++step) {
        animations.step(10);
        QVERIFY(bar.isAnimationRunning());
    }
    QVERIFY(bar.progress() > 20.0 && bar.progress() < 70.0);
    animations.step(10);
    QVERIFY(!bar.isAnimationRunning());
    QCOMPARE(bar.progress(), 70.0);
    QVERIFY(progress.size() > 2);
}

void tst_GraphicsProgressBar::directProgressStopsTheAnimation()
{
    GraphicsProgressBar bar(nullptr);
    bar.setRange(0, 100);
    bar.setAnimatesProgress(true);
    bar.setAnimationTime(1000);
    bar.setProgress(90);
    QTRY_VERIFY(bar.progress() > 0.0);
    bar.setProgress(30);
    QVERIFY(!bar.isAnimationRunning());
    QCOMPARE(bar.progress(), 30.0);
    QTest::qWait(100);
    QCOMPARE(bar.progress(), 30.0);
}

void tst_GraphicsProgressBar::fillFollowsThePercentage()
{
    GraphicsProgressBar bar(nullptr);
    bar.setProgressBarBounds(QRectF(0, 0, 100, 10));
    bar.setRange(0, 4);
    bar.setProgress(1);
    bar.setFillColor({{0.0, Qt::red}, {1.0, Qt::red}});
    bar.setBorderWidth(0);
    QImage image(100, 10, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    QStyleOptionGraphicsItem option;
    bar.paint(&painter, &option, nullptr);
    painter.end();
    QCOMPARE(image.pixelColor(20, 5), QColor(Qt::red));
    QCOMPARE(image.pixelColor(30, 5), QColor(Qt::white));
}

void tst_GraphicsProgressBar::paintsInsideItsBounds()
{
    GraphicsProgressBar bar(nullptr);
    bar.setProgressBarBounds(QRectF(0, 0, 100, 10));
    bar.setRange(0, 10);
    bar.setProgress(10);
    bar.setFillColor({{0.0, Qt::red}, {1.0, Qt::red}});
    bar.setBorderColor(Qt::blue);
    bar.setBorderWidth(40);
    QImage image(140, 50, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.translate(20, 20);
    QStyleOptionGraphicsItem option;
    bar.paint(&painter, &option, nullptr);
    painter.end();
    for (int x = 0; x < image.width(); ++x) {
        QCOMPARE(image.pixelColor(x, 10), QColor(Qt::white));
        QCOMPARE(image.pixelColor(x, 35), QColor(Qt::white));
    }
    QCOMPARE(image.pixelColor(10, 25), QColor(Qt::white));
}

QTEST_MAIN(tst_GraphicsProgressBar)
#include "tst_graphicsprogressbar.moc"
