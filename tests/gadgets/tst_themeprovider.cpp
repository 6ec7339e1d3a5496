#include "theme/RendererContainer.h"
#include "theme/SkinFileCheck.h"
#include "theme/ThemeProvider.h"
#include "theme/ThemeSettings.h"

#include "LogCapture.h"
#include "ZipBuilder.h"

#include "utilities/Zip/Unzipper.h"

#include <QFile>
#include <QPixmap>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using Corvane::Gadgets::SkinFileCheck;
using Corvane::Gadgets::ThemeProvider;

namespace {

const QString FixtureFolder = QStringLiteral(":/FixtureTheme");

// A skin of the fixture's files where theme.ini and light.svg differ.
const QByteArray SkinIni = "[General]\nskin_name=Zipped\nnumber=7\n";
const QByteArray SkinLight = "<svg xmlns='http://www.w3.org/2000/svg' width='10' height='10'>"
                             "<rect id='skin_only' width='10' height='10' fill='#ff0000'/></svg>";

// A well-formed drawing of the fixture's element ids, its rectangle inside
// depth groups.
QByteArray nestedLight(int depth)
{
    return "<svg xmlns='http://www.w3.org/2000/svg' width='10' height='10'>" + QByteArray("<g>").repeated(depth)
        + "<rect id='default' width='10' height='10'/>" + QByteArray("</g>").repeated(depth) + "</svg>";
}

// A drawing of the fixture padded with a comment to size bytes.
QByteArray paddedLight(qsizetype size)
{
    const QByteArray head = "<svg xmlns='http://www.w3.org/2000/svg' width='10' height='10'>"
                            "<rect id='default' width='10' height='10'/><!--";
    const QByteArray tail = "--></svg>";
    return head + QByteArray(size - head.size() - tail.size(), ' ') + tail;
}

} // namespace

class tst_ThemeProvider : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void containerSurvivesThemeSwitch();
    void rendererIsReadOnFirstUse();
    void missingRendererIsEmpty_data();
    void missingRendererIsEmpty();
    void emptyPathSelectsBuiltInTheme();
    void refusedSkinReverts_data();
    void refusedSkinReverts();
    void drawableSkinIsTaken_data();
    void drawableSkinIsTaken();
    void unrequiredDocumentIsCheckedToo();
    void values_data();
    void values();
    void gradientStops_data();
    void gradientStops();
    void colorMap_data();
    void colorMap();
    void spaceSeparatedValues();
    void requestedThemeLeavesActiveValuesAlone();
    void requestedThemeOfMissingFile();
    void renderElementSize_data();
    void renderElementSize();
    void readsThemeFiles();

private:
    QTemporaryDir m_dir;
    QString m_skin;
    QString m_incompleteSkin;
};

void tst_ThemeProvider::initTestCase()
{
    QVERIFY(m_dir.isValid());
    ThemeProvider::DefaultThemeFolder = FixtureFolder;
    m_skin = m_dir.filePath("skin.zip");
    m_incompleteSkin = m_dir.filePath("incomplete.zip");
    QVERIFY(ZipBuilder()
                .addFolder(FixtureFolder, {"theme.ini", "light.svg"})
                .add("theme.ini", SkinIni)
                .add("light.svg", SkinLight)
                .write(m_skin));
    QVERIFY(ZipBuilder().addFolder(FixtureFolder, {"slider_thumb.png"}).write(m_incompleteSkin));

    // Skins the check refuses. Qt's SVG renderer would open the pipe and wait
    // for a writer for ever.
    const QString pipe = m_dir.filePath("pipe");
    QCOMPARE(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const QByteArray pipeImage = "<svg xmlns='http://www.w3.org/2000/svg' xmlns:xlink='http://www.w3.org/1999/xlink' "
                                 "width='10' height='10'><image id='default' width='10' height='10' xlink:href='"
        + QFile::encodeName(pipe) + "'/></svg>";
    QVERIFY(ZipBuilder().addFolder(FixtureFolder, {"light.svg"}).add("light.svg", pipeImage).write(
        m_dir.filePath("pipe.zip")));
    QVERIFY(ZipBuilder()
                .addFolder(FixtureFolder, {"light.svg"})
                .add("light.svg", QByteArray(Corvane::Utilities::Zip::Unzipper::MaxMemberSize + 1, ' '))
                .write(m_dir.filePath("oversized.zip")));
    QFile text(m_dir.filePath("text.zip"));
    QVERIFY(text.open(QIODevice::WriteOnly));
    text.write("plain text, not an archive");
    text.close();
    QVERIFY(ZipBuilder().addFolder(FixtureFolder).add("motor.svg", pipeImage).write(m_dir.filePath("extra.zip")));
    QVERIFY(ZipBuilder()
                .addFolder(FixtureFolder, {"light.svg"})
                .add("light.svg", nestedLight(150000))
                .write(m_dir.filePath("nested.zip")));
    QVERIFY(ZipBuilder()
                .addFolder(FixtureFolder, {"light.svg"})
                .add("light.svg", "<?xml version='1.0'?><html xmlns='http://www.w3.org/1999/xhtml'><body/></html>")
                .write(m_dir.filePath("xhtml.zip")));
    QVERIFY(ZipBuilder()
                .addFolder(FixtureFolder, {"light.svg"})
                .add("light.svg", paddedLight(SkinFileCheck::MAX_SVG_BYTES + 1))
                .write(m_dir.filePath("large.zip")));
}

void tst_ThemeProvider::init()
{
    ThemeProvider::setThemeFile(QString());
}

void tst_ThemeProvider::cleanup()
{
    ThemeProvider::clear();
}

void tst_ThemeProvider::containerSurvivesThemeSwitch()
{
    auto* container = ThemeProvider::getRendererFor("light");
    QCOMPARE(ThemeProvider::getRendererFor("light"), container);
    QSvgRenderer* builtIn = container->renderer();
    QVERIFY(builtIn->elementExists("default"));

    ThemeProvider::setThemeFile(m_skin);
    QCOMPARE(ThemeProvider::themeFile(), m_skin);
    QCOMPARE(ThemeProvider::getRendererFor("light"), container);
    QVERIFY(container->renderer()->elementExists("skin_only"));
    QVERIFY(!container->renderer()->elementExists("default"));
    QCOMPARE(ThemeProvider::getInt("number", 0), 7);

    ThemeProvider::setThemeFile(QString());
    QCOMPARE(ThemeProvider::getRendererFor("light"), container);
    QVERIFY(container->renderer()->elementExists("default"));
    QCOMPARE(ThemeProvider::getInt("number", 0), 42);
}

// A container handed out before a theme switch and first used after it
// reads the theme active at that use.
void tst_ThemeProvider::rendererIsReadOnFirstUse()
{
    auto* container = ThemeProvider::getRendererFor("light");
    QVERIFY(!container->loadedRenderer());
    ThemeProvider::setThemeFile(m_skin);
    QVERIFY(!container->loadedRenderer());
    QVERIFY(container->renderer()->elementExists("skin_only"));
    QCOMPARE(container->loadedRenderer(), container->renderer());

    ThemeProvider::setThemeFile(QString());
    QVERIFY(container->renderer()->elementExists("default"));
}

void tst_ThemeProvider::missingRendererIsEmpty_data()
{
    QTest::addColumn<bool>("skinActive");
    QTest::addColumn<QStringList>("expectedErrors");

    QTest::newRow("built-in folder") << false << QStringList();
    QTest::newRow("skin") << true
                          << QStringList{"Failed to read svg file: \"motor.svg\" from zip file: \"%1\"",
                                         "No valid renderer generated for: \"motor.svg\""};
}

void tst_ThemeProvider::missingRendererIsEmpty()
{
    QFETCH(bool, skinActive);
    QFETCH(QStringList, expectedErrors);

    if (skinActive)
        ThemeProvider::setThemeFile(m_skin);
    LogCapture log;
    auto* container = ThemeProvider::getRendererFor("motor");
    QVERIFY(container);
    QVERIFY(!container->renderer()->isValid());

    QCOMPARE(log.errors().size(), expectedErrors.size());
    for (int i = 0; i < expectedErrors.size(); ++i) {
        QVERIFY(log.errors().at(i).contains("Corvane::Gadgets::ThemeProvider::"));
        QVERIFY2(log.errors().at(i).endsWith(expectedErrors.at(i).arg(m_skin)), qPrintable(log.errors().at(i)));
    }
}

void tst_ThemeProvider::emptyPathSelectsBuiltInTheme()
{
    ThemeProvider::setThemeFile(m_skin);
    LogCapture log;
    ThemeProvider::setThemeFile(QString());
    QCOMPARE(log.lines(), QStringList{"Theme changed successfully to \"Default\""});
    QCOMPARE(ThemeProvider::getText("skin_name"), QString("Fixture"));
}

// A skin that the check refuses is never reported as changed to: one line
// names the real cause, and the built-in theme stays.
void tst_ThemeProvider::refusedSkinReverts_data()
{
    QTest::addColumn<QString>("zipName");
    QTest::addColumn<QString>("reason");

    QTest::newRow("file missing") << "incomplete.zip" << "Required file slider_thumb.png missing in %1";
    QTest::newRow("file over the size limit")
        << "oversized.zip"
        << "Required file light.svg in %1 cannot be read: \"light.svg\" is too large ("
               + QString::number(Corvane::Utilities::Zip::Unzipper::MaxMemberSize + 1) + " bytes, at most "
               + QString::number(Corvane::Utilities::Zip::Unzipper::MaxMemberSize) + " are read)";
    QTest::newRow("drawing the renderer refuses")
        << "nested.zip" << "Required file light.svg in %1 is a document the SVG renderer refuses";
    QTest::newRow("XML document that is no drawing")
        << "xhtml.zip" << "Required file light.svg in %1 is not an SVG document (its root element is <html>)";
    QTest::newRow("drawing over the size limit")
        << "large.zip"
        << "Required file light.svg in %1 holds " + QString::number(SkinFileCheck::MAX_SVG_BYTES + 1)
               + " bytes, more than the " + QString::number(SkinFileCheck::MAX_SVG_BYTES)
               + " bytes an SVG document may have";
    QTest::newRow("reference to a pipe")
        << "pipe.zip" << "Required file light.svg in %1 refers to \"" + m_dir.filePath("pipe") + "\" outside the skin";
    QTest::newRow("not an archive") << "text.zip"
                                    << "Cannot open the skin %1: not a readable zip archive (Not a zip archive)";
    QTest::newRow("no such file") << "absent.zip" << "Cannot open the skin %1: no such file";
}

void tst_ThemeProvider::refusedSkinReverts()
{
    QFETCH(QString, zipName);
    QFETCH(QString, reason);

    const QString zipPath = m_dir.filePath(zipName);
    auto* container = ThemeProvider::getRendererFor("light");
    ThemeProvider::setThemeFile(m_skin);

    LogCapture log;
    ThemeProvider::setThemeFile(zipPath);

    // The archive reader may have said what it met on a line of its own.
    QCOMPARE(log.lines().filter("Reverting to default theme").size(), 1);
    QVERIFY2(log.errors().last().endsWith(reason.arg(zipPath) + "\nReverting to default theme"),
             qPrintable(log.errors().last()));
    QVERIFY(!log.contains("Theme changed successfully"));
    QVERIFY(!log.contains("DownArrow.png") || zipName == "incomplete.zip");
    QVERIFY(ThemeProvider::themeFile().isEmpty());
    QVERIFY(container->renderer()->elementExists("default"));
    QCOMPARE(ThemeProvider::getText("skin_name"), QString("Fixture"));
}

// Drawings deep or large but within what the renderer and the check take.
void tst_ThemeProvider::drawableSkinIsTaken_data()
{
    QTest::addColumn<QByteArray>("light");

    QTest::newRow("skin of the fixture's files") << SkinLight;
    QTest::newRow("drawing 100 groups deep") << nestedLight(100);
    QTest::newRow("drawing at the size limit") << paddedLight(SkinFileCheck::MAX_SVG_BYTES);
}

void tst_ThemeProvider::drawableSkinIsTaken()
{
    QFETCH(QByteArray, light);

    const QString zipPath = m_dir.filePath("drawable.zip");
    QVERIFY(ZipBuilder().addFolder(FixtureFolder, {"light.svg"}).add("light.svg", light).write(zipPath));
    auto* container = ThemeProvider::getRendererFor("light");
    LogCapture log;
    ThemeProvider::setThemeFile(zipPath);
    QCOMPARE(log.lines(), QStringList{"Theme changed successfully to \"" + zipPath + "\""});
    QCOMPARE(ThemeProvider::themeFile(), zipPath);
    QVERIFY(container->renderer()->isValid());
}

// Files that the check does not require, like the documents of renderer
// names without a built-in file, are checked when they are loaded.
void tst_ThemeProvider::unrequiredDocumentIsCheckedToo()
{
    ThemeProvider::setThemeFile(m_dir.filePath("extra.zip"));
    QCOMPARE(ThemeProvider::themeFile(), m_dir.filePath("extra.zip"));
    LogCapture log;
    QVERIFY(!ThemeProvider::getRendererFor("motor")->renderer()->isValid());
    QVERIFY2(log.errors().first().endsWith(QString("Refused svg file: \"motor.svg\" from zip file: \"%1\": it refers "
                                                   "to \"%2\" outside the skin")
                                               .arg(m_dir.filePath("extra.zip"), m_dir.filePath("pipe"))),
             qPrintable(log.errors().first()));
}

void tst_ThemeProvider::values_data()
{
    QTest::addColumn<QString>("getter");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("expected");

    QTest::newRow("colour with alpha") << "color" << "colour" << QVariant(QColor(255, 0, 0, 128));
    QTest::newRow("colour in lower case") << "color" << "colour_lower" << QVariant(QColor(0x4c, 0x4c, 0x4c));
    QTest::newRow("colour not hexadecimal") << "color" << "colour_bad" << QVariant(QColor(0, 0, 0, 0));
    QTest::newRow("colour absent") << "color" << "absent" << QVariant(QColor(Qt::blue));
    QTest::newRow("int") << "int" << "number" << QVariant(42);
    QTest::newRow("int not a number") << "int" << "number_bad" << QVariant(0);
    QTest::newRow("int absent") << "int" << "absent" << QVariant(-5);
    QTest::newRow("real") << "real" << "real" << QVariant(2.5);
    QTest::newRow("real not a number") << "real" << "number_bad" << QVariant(0.0);
    QTest::newRow("real absent") << "real" << "absent" << QVariant(-5.0);
    QTest::newRow("text") << "text" << "skin_name" << QVariant("Fixture");
    QTest::newRow("text empty") << "text" << "empty" << QVariant("");
    QTest::newRow("text absent") << "text" << "absent" << QVariant("fallback");
}

void tst_ThemeProvider::values()
{
    QFETCH(QString, getter);
    QFETCH(QString, key);
    QFETCH(QVariant, expected);

    QVariant actual;
    if (getter == "color")
        actual = ThemeProvider::getColor(key, Qt::blue);
    else if (getter == "int")
        actual = ThemeProvider::getInt(key, -5);
    else if (getter == "real")
        actual = ThemeProvider::getReal(key, -5.0);
    else
        actual = ThemeProvider::getText(key, "fallback");
    QCOMPARE(actual, expected);
    QCOMPARE(ThemeProvider::hasValue(key), key != "absent");
}

void tst_ThemeProvider::gradientStops_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QGradientStops>("stops");

    const QGradientStops untouched{{0.5, Qt::magenta}};
    QTest::newRow("two stops") << "gradient" << true
                               << QGradientStops{{0.0, QColor(0xD6, 0xD6, 0xD6)}, {1.0, QColor(Qt::white)}};
    QTest::newRow("one stop") << "gradient_single" << true << QGradientStops{{0.0, QColor(Qt::black)}};
    QTest::newRow("lone colour") << "gradient_lone" << false << untouched;
    QTest::newRow("double space") << "gradient_double_space" << false << untouched;
    QTest::newRow("position not a number")
        << "gradient_bad_position" << true << QGradientStops{{0.0, QColor(Qt::green)}, {1.0, QColor(Qt::white)}};
    QTest::newRow("absent") << "absent" << false << untouched;
    QTest::newRow("empty") << "empty" << false << untouched;
}

void tst_ThemeProvider::gradientStops()
{
    QFETCH(QString, key);
    QFETCH(bool, valid);
    QFETCH(QGradientStops, stops);

    QGradientStops actual{{0.5, Qt::magenta}};
    QCOMPARE(ThemeProvider::getGradientColorStops(key, actual), valid);
    QCOMPARE(actual, stops);
}

void tst_ThemeProvider::colorMap_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QList<QColor>>("colors");

    QTest::newRow("later pair replaces earlier") << "colormap" << QList<int>{1, 2}
                                                 << QList<QColor>{Qt::blue, Qt::green};
    QTest::newRow("unpaired integer ignored") << "colormap_odd" << QList<int>{1} << QList<QColor>{Qt::red};
    QTest::newRow("absent leaves map") << "absent" << QList<int>{99} << QList<QColor>{Qt::cyan};
}

void tst_ThemeProvider::colorMap()
{
    QFETCH(QString, key);
    QFETCH(QList<int>, keys);
    QFETCH(QList<QColor>, colors);

    QMap<int, QColor> map{{99, Qt::cyan}};
    ThemeProvider::getColorMap(key, map);
    QCOMPARE(map.keys(), keys);
    QCOMPARE(map.values(), colors);
}

void tst_ThemeProvider::spaceSeparatedValues()
{
    QStringList values{"untouched"};
    QVERIFY(ThemeProvider::getSpaceSeparatedValues("spaced", values));
    QCOMPARE(values, (QStringList{"a", "b", "", "c"}));

    values = {"untouched"};
    QVERIFY(!ThemeProvider::getSpaceSeparatedValues("empty", values));
    QVERIFY(!ThemeProvider::getSpaceSeparatedValues("absent", values));
    QCOMPARE(values, QStringList{"untouched"});
}

void tst_ThemeProvider::requestedThemeLeavesActiveValuesAlone()
{
    QCOMPARE(ThemeProvider::getText("skin_name"), QString("Fixture"));

    const auto skin = ThemeProvider::createThemeIniFile(m_skin);
    QVERIFY(skin);
    QCOMPARE(skin->value("skin_name").toString(), QString("Zipped"));
    const auto builtIn = ThemeProvider::createThemeIniFile(QString());
    QCOMPARE(builtIn->value("skin_name").toString(), QString("Fixture"));

    QCOMPARE(ThemeProvider::getText("skin_name"), QString("Fixture"));
    QCOMPARE(ThemeProvider::getInt("number", 0), 42);
    QVERIFY(ThemeProvider::themeFile().isEmpty());
}

void tst_ThemeProvider::requestedThemeOfMissingFile()
{
    QVERIFY(!ThemeProvider::createThemeIniFile(m_dir.filePath("nowhere.zip")));
}

void tst_ThemeProvider::renderElementSize_data()
{
    QTest::addColumn<QString>("element");
    QTest::addColumn<QSize>("size");

    QTest::newRow("rounded element bounds") << "odd_size" << QSize(10, 21);
    QTest::newRow("whole document") << "" << QSize(100, 80);
    QTest::newRow("missing element") << "nothing" << QSize();
}

void tst_ThemeProvider::renderElementSize()
{
    QFETCH(QString, element);
    QFETCH(QSize, size);

    QPixmap pixmap;
    ThemeProvider::renderElement(pixmap, "light", element);
    QCOMPARE(pixmap.isNull(), !size.isValid());
    if (size.isValid())
        QCOMPARE(pixmap.size(), size);
    if (element == "odd_size")
        QCOMPARE(pixmap.toImage().pixelColor(5, 10), QColor(Qt::black));
}

void tst_ThemeProvider::readsThemeFiles()
{
    QString text;
    QVERIFY(ThemeProvider::fileContentsToString("mainUI.qss", text));
    QVERIFY(text.contains("#123456"));
    QVERIFY(!ThemeProvider::fileContentsToString("absent.qss", text));
    QVERIFY(text.isEmpty());

    QPixmap pixmap;
    QVERIFY(ThemeProvider::renderImage(pixmap, "slider_thumb.png"));
    QCOMPARE(pixmap.size(), QSize(15, 12));
    QVERIFY(!ThemeProvider::renderImage(pixmap, "theme.ini"));

    ThemeProvider::setThemeFile(m_skin);
    QByteArray bytes;
    QVERIFY(ThemeProvider::fileContentsToByteArray("theme.ini", bytes));
    QCOMPARE(bytes, SkinIni);
    QVERIFY(ThemeProvider::fileContentsToByteArray(QString(), "theme.ini", bytes));
    QVERIFY(bytes.contains("skin_name=Fixture"));
}

QTEST_MAIN(tst_ThemeProvider)
#include "tst_themeprovider.moc"
