#include "theme/ThemeEngineHandler.h"
#include "theme/ThemeFileEngine.h"
#include "theme/ThemeProvider.h"

#include "ZipBuilder.h"

#include <QFile>
#include <QLabel>
#include <QPixmap>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using Corvane::Gadgets::ThemeEngineHandler;
using Corvane::Gadgets::ThemeFileEngine;
using Corvane::Gadgets::ThemeProvider;

class tst_ThemeFileEngine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();

    void readsInChunks();
    void boundsEveryRead_data();
    void boundsEveryRead();
    void refusesWrites();
    void prefixIgnoresCase_data();
    void prefixIgnoresCase();
    void missingFileIsEmpty();
    void settingsReadThemeIni();
    void followsActiveTheme();
    void styleSheetUrlLoadsThemeImage();

private:
    QTemporaryDir m_dir;
    QString m_skin;
    ThemeEngineHandler m_handler;
};

void tst_ThemeFileEngine::initTestCase()
{
    ThemeProvider::DefaultThemeFolder = QStringLiteral(":/FixtureTheme");
    m_skin = m_dir.filePath("skin.zip");
    QVERIFY(ZipBuilder().addFolder(":/FixtureTheme", {"theme.ini"}).add("theme.ini", "skin_name=Zipped\n").write(m_skin));
}

void tst_ThemeFileEngine::cleanup()
{
    ThemeProvider::setThemeFile(QString());
    ThemeProvider::clear();
}

void tst_ThemeFileEngine::readsInChunks()
{
    QFile original(":/FixtureTheme/theme.ini");
    QVERIFY(original.open(QIODevice::ReadOnly));
    const QByteArray expected = original.readAll();

    ThemeFileEngine engine("__theme_theme.ini");
    QVERIFY(engine.open(QIODevice::ReadOnly));
    QCOMPARE(engine.size(), expected.size());
    QByteArray read;
    char chunk[7];
    qint64 count = 0;
    while ((count = engine.read(chunk, sizeof chunk)) > 0)
        read.append(chunk, count);
    QCOMPARE(read, expected);
    QCOMPARE(engine.read(chunk, sizeof chunk), 0);
}

void tst_ThemeFileEngine::boundsEveryRead_data()
{
    QTest::addColumn<bool>("fromEnd");
    QTest::addColumn<qint64>("offset");
    QTest::addColumn<bool>("seeks");
    QTest::addColumn<qint64>("expectedCount");

    QTest::newRow("start") << false << qint64(0) << true << qint64(8);
    QTest::newRow("three before end") << true << qint64(-3) << true << qint64(3);
    QTest::newRow("at end") << true << qint64(0) << true << qint64(0);
    QTest::newRow("past end") << true << qint64(1000) << true << qint64(0);
    QTest::newRow("negative") << false << qint64(-1) << false << qint64(8);
}

void tst_ThemeFileEngine::boundsEveryRead()
{
    QFETCH(bool, fromEnd);
    QFETCH(qint64, offset);
    QFETCH(bool, seeks);
    QFETCH(qint64, expectedCount);

    ThemeFileEngine engine("__theme_theme.ini");
    QCOMPARE(engine.seek(fromEnd ? engine.size() + offset : offset), seeks);
    char buffer[8] = {};
    QCOMPARE(engine.read(buffer, sizeof buffer), expectedCount);
}

void tst_ThemeFileEngine::refusesWrites()
{
    ThemeFileEngine engine("__theme_theme.ini");
    const qint64 size = engine.size();
    QCOMPARE(engine.write("x", 1), qint64(0));
    QCOMPARE(engine.size(), size);
    QVERIFY(!engine.remove());
    QVERIFY(!engine.rename(m_dir.filePath("moved.ini")));
    QVERIFY(!QFile::remove("__theme_theme.ini"));
    QVERIFY(QFile::exists(":/FixtureTheme/theme.ini"));
}

void tst_ThemeFileEngine::prefixIgnoresCase_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("served");

    QTest::newRow("lower case") << "__theme_theme.ini" << true;
    QTest::newRow("upper case prefix") << "__THEME_theme.ini" << true;
    QTest::newRow("rest keeps its case") << "__theme_THEME.INI" << false;
    QTest::newRow("no prefix") << "theme.ini" << false;
}

void tst_ThemeFileEngine::prefixIgnoresCase()
{
    QFETCH(QString, name);
    QFETCH(bool, served);

    QFile file(name);
    const bool opened = file.open(QIODevice::ReadOnly);
    QCOMPARE(opened && file.readAll().contains("skin_name=Fixture"), served);
}

void tst_ThemeFileEngine::missingFileIsEmpty()
{
    QFile file("__theme_absent.png");
    QVERIFY(file.exists());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray());
}

void tst_ThemeFileEngine::settingsReadThemeIni()
{
    QSettings settings("__theme_theme.ini", QSettings::IniFormat);
    QCOMPARE(settings.status(), QSettings::NoError);
    QCOMPARE(settings.value("skin_name").toString(), QString("Fixture"));
    QCOMPARE(settings.value("number").toInt(), 42);
}

void tst_ThemeFileEngine::followsActiveTheme()
{
    ThemeProvider::setThemeFile(m_skin);
    QFile file("__theme_theme.ini");
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("skin_name=Zipped\n"));
    QCOMPARE(QPixmap("__theme_slider_thumb.png").size(), QSize(15, 12));
}

void tst_ThemeFileEngine::styleSheetUrlLoadsThemeImage()
{
    QLabel label;
    label.setFixedSize(20, 20);
    label.setStyleSheet("QLabel { border-image: url(__theme_swatch.png); }");
    const QImage image = label.grab().toImage();
    QCOMPARE(image.pixelColor(10, 10), QColor(Qt::green));
}

QTEST_MAIN(tst_ThemeFileEngine)
#include "tst_themefileengine.moc"
