#include "theme/ThemeResourceValidator.h"

#include "CatalogueTranslator.h"
#include "LogCapture.h"
#include "ZipBuilder.h"

#include "utilities/Zip/Unzipper.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using Corvane::Gadgets::ThemeResourceValidator;

namespace {

using Members = QList<QPair<QString, QByteArray>>;

const QByteArray SvgHead = "<svg xmlns='http://www.w3.org/2000/svg' xmlns:xlink='http://www.w3.org/1999/xlink' "
                           "width='100' height='80'>";

QByteArray svg(const QByteArray& body)
{
    return SvgHead + body + "</svg>";
}

QByteArray fixture(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray dataUri(const QByteArray& mediaType, const QByteArray& contents)
{
    return "data:" + mediaType + ";base64," + contents.toBase64();
}

} // namespace

class tst_ThemeResourceValidator : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void containsAllResources_data();
    void containsAllResources();
    void archiveThatCannotBeOpenedSaysWhy_data();
    void archiveThatCannotBeOpenedSaysWhy();
    void reasonsComeFromTheCatalogues();
    void everyRequiredFileIsReadAndChecked_data();
    void everyRequiredFileIsReadAndChecked();

private:
    QTemporaryDir m_dir;
};

void tst_ThemeResourceValidator::containsAllResources_data()
{
    QTest::addColumn<QString>("zipName");
    QTest::addColumn<QStringList>("leftOut");
    QTest::addColumn<QStringList>("added");
    QTest::addColumn<QString>("missing");

    QTest::newRow("complete") << "complete.zip" << QStringList() << QStringList() << QString();
    QTest::newRow("extra files") << "extra.zip" << QStringList() << QStringList{"notes.txt"} << QString();
    QTest::newRow("no slider thumb") << "partial.zip" << QStringList{"slider_thumb.png"} << QStringList()
                                     << "slider_thumb.png";
    QTest::newRow("file in a subfolder") << "nested.zip" << QStringList{"light.svg"} << QStringList{"sub/light.svg"}
                                         << "light.svg";
    QTest::newRow("name in other case") << "case.zip" << QStringList{"light.svg"} << QStringList{"LIGHT.svg"}
                                        << "light.svg";
}

void tst_ThemeResourceValidator::containsAllResources()
{
    QFETCH(QString, zipName);
    QFETCH(QStringList, leftOut);
    QFETCH(QStringList, added);
    QFETCH(QString, missing);

    const QString zipPath = m_dir.filePath(zipName);
    ZipBuilder zip;
    zip.addFolder(":/FixtureTheme", leftOut);
    for (const QString& name : added)
        zip.add(name, "x");
    QVERIFY(zip.write(zipPath));

    QString error = "before. ";
    const bool complete = ThemeResourceValidator::containsAllResources(":/FixtureTheme/", zipPath, &error);
    QCOMPARE(complete, missing.isEmpty());
    QCOMPARE(error, missing.isEmpty() ? QString("before. ")
                                      : QString("before. Required file %1 missing in %2").arg(missing, zipPath));
    QCOMPARE(ThemeResourceValidator::containsAllResources(":/FixtureTheme/", zipPath, nullptr), complete);
}

// An archive that cannot be opened is not blamed on its first file.
void tst_ThemeResourceValidator::archiveThatCannotBeOpenedSaysWhy_data()
{
    QTest::addColumn<QString>("zipName");
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<bool>("isFolder");
    QTest::addColumn<QString>("reason");

    QTest::newRow("no file") << "absent.zip" << QByteArray() << false << "no such file";
    QTest::newRow("text file") << "text.zip" << QByteArray("plain text, not an archive") << false
                               << "not a readable zip archive (Not a zip archive)";
    QTest::newRow("truncated archive") << "cut.zip" << QByteArray("PK\x03\x04\x14\x00\x00\x00", 8) << false
                                       << "not a readable zip archive (Not a zip archive)";
    QTest::newRow("folder") << "folder.zip" << QByteArray() << true << "not a regular file";
}

void tst_ThemeResourceValidator::archiveThatCannotBeOpenedSaysWhy()
{
    QFETCH(QString, zipName);
    QFETCH(QByteArray, contents);
    QFETCH(bool, isFolder);
    QFETCH(QString, reason);

    const QString zipPath = m_dir.filePath(zipName);
    if (isFolder) {
        QVERIFY(QDir(m_dir.path()).mkpath(zipName));
    } else if (!contents.isEmpty()) {
        QFile file(zipPath);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(contents);
    }

    QString error;
    QVERIFY(!ThemeResourceValidator::containsAllResources(":/FixtureTheme/", zipPath, &error));
    QCOMPARE(error, QString("Cannot open the skin %1: %2").arg(zipPath, reason));
    QVERIFY(!error.contains("light.svg"));
}

// The reason and the archive reader's part of it are translated.
void tst_ThemeResourceValidator::reasonsComeFromTheCatalogues()
{
    CatalogueTranslator catalogues;
    QVERIFY(catalogues.addCatalogue(QStringLiteral("Gadgets_de_DE.ts")));
    QVERIFY(catalogues.addCatalogue(QStringLiteral("Platform_de_DE.ts")));
    QCoreApplication::installTranslator(&catalogues);
    const QString zipPath = m_dir.filePath("absent.zip");
    QString error;
    QVERIFY(!ThemeResourceValidator::containsAllResources(":/FixtureTheme/", zipPath, &error));
    QCoreApplication::removeTranslator(&catalogues);
    const auto marked = [](const QString& text) {
        return CatalogueTranslator::MARK_BEGIN + text + CatalogueTranslator::MARK_END;
    };
    QCOMPARE(error, marked("Cannot open the skin %1: %2").arg(zipPath, marked("no such file")));
}

// Present is not enough: a required file must read within the archive
// reader's limits and hold what a skin may hold. Documents may refer only to
// themselves or to data they carry.
void tst_ThemeResourceValidator::everyRequiredFileIsReadAndChecked_data()
{
    QTest::addColumn<QString>("member");
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QString>("problem");

    const QByteArray png = fixture(":/FixtureTheme/swatch.png");
    const QByteArray external = svg("<image xlink:href='/etc/hostname' width='10' height='10'/>");

    QTest::newRow("own reference") << "light.svg"
                                   << svg("<rect id='r' width='5' height='5'/><use xlink:href='#r'/>") << QString();
    QTest::newRow("embedded bitmap") << "light.svg"
                                     << svg("<image xlink:href='" + dataUri("image/png", png)
                                            + "' width='10' height='10'/>")
                                     << QString();
    QTest::newRow("theme and resource urls")
        << "mainUI.qss"
        << QByteArray("QSlider::handle { image: url(__theme_slider_thumb.png); }\n"
                      "QPushButton { image: url(\":/Images/titlebar_close.png\"); }")
        << QString();

    QTest::newRow("member over the size limit")
        << "light.svg" << QByteArray(Corvane::Utilities::Zip::Unzipper::MaxMemberSize + 1, ' ')
        << QString("cannot be read: \"light.svg\" is too large (%1 bytes, at most %2 are read)")
               .arg(Corvane::Utilities::Zip::Unzipper::MaxMemberSize + 1)
               .arg(Corvane::Utilities::Zip::Unzipper::MaxMemberSize);
    QTest::newRow("absolute image path") << "light.svg" << external
                                         << "refers to \"/etc/hostname\" outside the skin";
    QTest::newRow("relative image path") << "light.svg"
                                         << svg("<image xlink:href='pictures/a.png' width='10' height='10'/>")
                                         << "refers to \"pictures/a.png\" outside the skin";
    QTest::newRow("file url in plain href") << "light.svg" << svg("<use href='file:///dev/stdin#a'/>")
                                            << "refers to \"file:///dev/stdin#a\" outside the skin";
    QTest::newRow("empty href") << "light.svg" << svg("<image xlink:href='' width='1' height='1'/>")
                                << "refers to \"\" outside the skin";
    QTest::newRow("document embedded with a reference")
        << "light.svg" << svg("<image xlink:href='" + dataUri("image/svg+xml", external) + "'/>")
        << "refers to \"/etc/hostname\" outside the skin";
    QTest::newRow("embedded bitmap too large")
        << "light.svg"
        << svg("<image xlink:href='"
               + dataUri("image/png", fixture(QT_TESTCASE_SOURCEDIR "/fixtures/hostile/huge_declared.png")) + "'/>")
        << "holds a 20000 x 20000 pixel picture, more than the 8388608 pixels a picture may have";
    QTest::newRow("style sheet instruction")
        << "light.svg" << "<?xml-stylesheet type='text/css' href='/dev/stdin'?>" + svg("")
        << "links a style sheet outside the document";
    QTest::newRow("external entity")
        << "light.svg"
        << "<!DOCTYPE svg [<!ENTITY secret SYSTEM 'file:///etc/hostname'>]>" + svg("<text>&secret;</text>")
        << "declares the external entity \"secret\"";
    QTest::newRow("not well-formed") << "light.svg" << SvgHead + "<rect>"
                                     << "is not a well-formed SVG document (line 1:";
    QTest::newRow("other document") << "light.svg" << QByteArray("<html><body/></html>")
                                    << "is not an SVG document (its root element is <html>)";
    QTest::newRow("style sheet url to a file") << "mainUI.qss" << QByteArray("QLabel { image: url(/tmp/a.png); }")
                                               << "refers to \"/tmp/a.png\" outside the skin";
    QTest::newRow("style sheet url to an unchecked member")
        << "mainUI.qss" << QByteArray("QLabel { image: url('__theme_extra.svg'); }")
        << "refers to \"__theme_extra.svg\", which is not a file of the skin";
    QTest::newRow("document as bitmap") << "slider_thumb.png" << external << "is an SVG document, not a bitmap";
    QTest::newRow("bitmap that is no picture") << "slider_thumb.png" << QByteArray("not a picture")
                                               << "is not a picture";
    QTest::newRow("bitmap too large") << "swatch.png"
                                      << fixture(QT_TESTCASE_SOURCEDIR "/fixtures/hostile/huge_declared.png")
                                      << "holds a 20000 x 20000 pixel picture";
}

void tst_ThemeResourceValidator::everyRequiredFileIsReadAndChecked()
{
    QFETCH(QString, member);
    QFETCH(QByteArray, contents);
    QFETCH(QString, problem);

    const QString zipPath = m_dir.filePath("checked.zip");
    QVERIFY(ZipBuilder()
                .addFolder(":/FixtureTheme", {member})
                .add(member, contents)
                .add("extra.svg", "<svg/>")
                .write(zipPath));

    LogCapture log;
    QString error;
    const bool usable = ThemeResourceValidator::containsAllResources(":/FixtureTheme/", zipPath, &error);
    QCOMPARE(usable, problem.isEmpty());
    if (!usable)
        QVERIFY2(error.startsWith(QString("Required file %1 in %2 %3").arg(member, zipPath, problem)),
                 qPrintable(error));
}

QTEST_GUILESS_MAIN(tst_ThemeResourceValidator)
#include "tst_themeresourcevalidator.moc"
