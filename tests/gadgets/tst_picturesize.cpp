#include "controls/PictureSize.h"
#include "dialogs/SkinBrowser.h"
#include "gestures/EventConsumer.h"
#include "favorite/FavoriteControl.h"
#include "models/NavigationIcon.h"
#include "navigation/NavigationControl.h"
#include "scroll/CustomScrollBar.h"
#include "scroll/Scroller.h"
#include "theme/ThemeProvider.h"

#include "LogCapture.h"
#include "SanitizedBuild.h"
#include "SceneTestHelpers.h"
#include "ZipBuilder.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGraphicsScene>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

using namespace Corvane::Gadgets;
using Corvane::Gadgets::Utilities::PictureSize;

namespace {

const QString BaseTheme = QStringLiteral(":/CorvaneTheme");

// A skin of the built-in theme with every SVG document rewritten.
bool writeSkin(const QString& zipPath, const std::function<QByteArray(QByteArray)>& rewrite)
{
    ZipBuilder zip;
    const QDir theme(BaseTheme);
    for (const QString& name : theme.entryList(QDir::Files)) {
        QFile file(theme.filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            return false;
        const QByteArray contents = file.readAll();
        zip.add(name, name.endsWith(".svg") ? rewrite(contents) : contents);
    }
    return zip.write(zipPath);
}

// Documents that declare 16384 x 16384 pixels, their content as it was.
QByteArray hugeDocument(QByteArray svg)
{
    static const QRegularExpression size(R"((<svg[^>]*?\s)width="[^"]*"(\s+)height="[^"]*")");
    return QString::fromUtf8(svg).replace(size, R"(\1width="16384"\2height="16384")").toUtf8();
}

// Documents whose whole content is drawn 200 times larger.
QByteArray scaledContent(QByteArray svg)
{
    const qsizetype rootEnd = svg.indexOf('>', svg.indexOf("<svg")) + 1;
    svg.insert(svg.lastIndexOf("</svg>"), "</g>");
    svg.insert(rootEnd, "<g transform=\"scale(200)\">");
    return svg;
}

// Starts measuring the peak resident memory of the process afresh.
bool resetPeakMemory()
{
    QFile clear("/proc/self/clear_refs");
    return clear.open(QIODevice::WriteOnly) && clear.write("5") == 1;
}

// The peak resident memory of the process in kB since the last reset.
qint64 peakMemoryKb()
{
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    }
    return -1;
}

// Paints what an 800 x 600 window at the scene's top-left corner shows.
void paintScene(QGraphicsScene& scene)
{
    QImage window(800, 600, QImage::Format_ARGB32_Premultiplied);
    window.fill(Qt::transparent);
    QPainter painter(&window);
    scene.render(&painter, QRectF(window.rect()), QRectF(scene.itemsBoundingRect().topLeft(), QSizeF(800, 600)));
}

void paintWidget(QWidget& widget)
{
    QImage window(800, 600, QImage::Format_ARGB32_Premultiplied);
    window.fill(Qt::transparent);
    widget.resize(widget.sizeHint());
    widget.render(&window);
}

void buildSkinBrowser(const QString& skins)
{
    SkinBrowser browser;
    browser.addSkins(skins);
    browser.nextSkin();
    paintWidget(browser);
}

void buildScrollBar(Qt::Orientation orientation)
{
    CustomScrollBar bar(orientation);
    paintWidget(bar);
}

void buildScroller()
{
    QGraphicsScene scene;
    Scroller scroller(ThemeProvider::getRendererFor(ThemeProvider::SCROLLER), nullptr);
    scene.addItem(&scroller);
    scroller.setBounds(QRectF(0, 0, 20, 300));
    paintScene(scene);
    scroller.getMaskRegion();
    scene.removeItem(&scroller);
}

void buildFavorite()
{
    QGraphicsScene scene;
    FavoriteControl favorite(ThemeProvider::getRendererFor(ThemeProvider::FAVORITE), nullptr);
    scene.addItem(&favorite);
    favorite.updateContent(Models::NavigationIcon(ThemeProvider::LIGHTS, Models::NavigationIcon::Active,
                                                  QStringLiteral("Kitchen")));
    favorite.setLabelText(QStringLiteral("Kitchen ceiling"));
    paintScene(scene);
    auto press = SceneTestHelpers::mouseEvent(QEvent::GraphicsSceneMousePress,
                                              favorite.mapToScene(favorite.boundingRect().center()));
    Gestures::EventConsumer consumer;
    favorite.handleMousePress(press.get(), consumer);
    scene.removeItem(&favorite);
}

void buildCarousel()
{
    QGraphicsScene scene;
    NavigationControl carousel(ThemeProvider::getRendererFor(ThemeProvider::NAVIGATION));
    scene.addItem(&carousel);
    QList<Models::NavigationIcon> icons;
    for (const QString& renderer : {ThemeProvider::LIGHTS, ThemeProvider::SHUTTER, ThemeProvider::SCENARIO})
        icons << Models::NavigationIcon(renderer, Models::NavigationIcon::Normal, QStringLiteral("Icon"));
    carousel.setIcons(icons, true);
    carousel.updateAnimationCache();
    paintScene(scene);
    scene.removeItem(&carousel);
}

} // namespace

class tst_PictureSize : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QDir().mkpath(m_dir.filePath("huge"));
        QDir().mkpath(m_dir.filePath("scaled"));
        QVERIFY(writeSkin(m_dir.filePath("huge/huge.zip"), hugeDocument));
        QVERIFY(writeSkin(m_dir.filePath("scaled/scaled.zip"), scaledContent));
    }

    void cleanupTestCase() { ThemeProvider::clear(); }

    void bounded_data()
    {
        QTest::addColumn<QSize>("wanted");
        QTest::addColumn<QSize>("bounded");

        QTest::newRow("small") << QSize(300, 200) << QSize(300, 200);
        QTest::newRow("at the cap") << QSize(2048, 2048) << QSize(2048, 2048);
        QTest::newRow("huge square") << QSize(16384, 16384) << QSize(2048, 2048);
        QTest::newRow("wide") << QSize(40000, 1000) << QSize(12952, 323);
        QTest::newRow("one long row") << QSize(100000, 1) << QSize(16384, 1);
    }

    void bounded()
    {
        QFETCH(QSize, wanted);
        QFETCH(QSize, bounded);

        LogCapture log;
        const QString source = QStringLiteral("%1.svg of test").arg(QTest::currentDataTag());
        QCOMPARE(PictureSize::bounded(wanted, source), bounded);
        QVERIFY(qint64(bounded.width()) * bounded.height() <= PictureSize::MAX_PIXELS);
        QCOMPARE(log.contains(source), wanted != bounded);
    }

    void renderedPictureStandsForTheWantedSize()
    {
        // A mask rendered at the cap still covers the whole wanted area.
        const QSize wanted(8000, 4000);
        const QPixmap picture = PictureSize::render(wanted, QStringLiteral("mask"), Qt::white, [&](QPainter& painter) {
            painter.fillRect(QRect(4000, 0, 4000, 4000), Qt::black);
        });
        QVERIFY(qint64(picture.width()) * picture.height() <= PictureSize::MAX_PIXELS);
        const QRegion region = PictureSize::regionFor(QRegion(picture.createMaskFromColor(Qt::black, Qt::MaskOutColor)),
                                                      picture.size(), wanted);
        QVERIFY(region.contains(QPoint(7990, 3990)));
        QVERIFY(region.contains(QPoint(4010, 10)));
        QVERIFY(!region.contains(QPoint(3990, 10)));
    }

    // No skin makes a control render a picture above the cap or take more
    // than a few tens of MB, however large its documents or their content.
    void controlsOfHostileSkins_data()
    {
        QTest::addColumn<QString>("skin");
        QTest::addColumn<QString>("control");

        for (const char* skin : {"huge", "scaled"}) {
            for (const char* control : {"skin browser", "vertical scroll bar", "horizontal scroll bar", "scroller",
                                        "favourite control", "carousel"})
                QTest::addRow("%s, %s", skin, control) << skin << control;
        }
    }

    void controlsOfHostileSkins()
    {
        QFETCH(QString, skin);
        QFETCH(QString, control);

        SceneTestHelpers::useTheme(BaseTheme);
        const QString skins = m_dir.filePath(skin);
        const QString zipPath = QDir(skins).filePath(skin + ".zip");
        ThemeProvider::setThemeFile(zipPath);
        QCOMPARE(ThemeProvider::themeFile(), zipPath);

        PictureSize::resetLargestPicturePixels();
        // Where the peak cannot be reset or is not the program's own (in a
        // sanitized build), only the pictures are checked.
        const bool measured = !SanitizedBuild::ACTIVE && resetPeakMemory();
        const qint64 before = peakMemoryKb();
        QElapsedTimer clock;
        clock.start();
        if (control == "skin browser")
            buildSkinBrowser(skins);
        else if (control == "vertical scroll bar")
            buildScrollBar(Qt::Vertical);
        else if (control == "horizontal scroll bar")
            buildScrollBar(Qt::Horizontal);
        else if (control == "scroller")
            buildScroller();
        else if (control == "favourite control")
            buildFavorite();
        else
            buildCarousel();
        const qint64 grownMb = (peakMemoryKb() - before) / 1024;
        qInfo("%s: peak memory grew by %lld MB, largest picture %lld pixels, %lld ms", QTest::currentDataTag(),
              grownMb, PictureSize::largestPicturePixels(), qint64(clock.elapsed()));

        QVERIFY(PictureSize::largestPicturePixels() <= PictureSize::MAX_PIXELS);
        if (measured)
            QVERIFY2(grownMb < 64, qPrintable(QString::number(grownMb)));
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(tst_PictureSize)
#include "tst_picturesize.moc"
