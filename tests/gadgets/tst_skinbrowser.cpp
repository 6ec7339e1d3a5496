#include "DialogsTheme.h"
#include "LogCapture.h"
#include "ZipBuilder.h"

#include "dialogs/SkinBrowser.h"
#include "dialogs/SkinPreview.h"
#include "theme/ThemeProvider.h"
#include "widgets/CustomPushButton.h"

#include "utilities/Zip/Unzipper.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Corvane::Gadgets;

namespace {

// A complete skin made of the files of themeFolder, with its own display name.
bool writeSkin(const QString& zipPath, const QString& skinName, const QString& themeFolder = DialogsTheme::Folder,
               const QStringList& leftOut = {})
{
    ZipBuilder zip;
    zip.addFolder(themeFolder, QStringList(leftOut) << QStringLiteral("theme.ini"));
    if (!leftOut.contains(QStringLiteral("theme.ini")))
        zip.add(QStringLiteral("theme.ini"), "[General]\nskin_name=" + skinName.toUtf8() + "\n");
    return zip.write(zipPath);
}

// The built-in theme is listed under its theme.ini's name, as a skin is.
const QString BuiltInName = QStringLiteral("Fixture");

QStringList listedNames(SkinBrowser& browser)
{
    QStringList names;
    SkinPreview* preview = browser.preview();
    for (int i = 0; i < preview->skinCount(); ++i) {
        preview->setSkin(i);
        names << preview->skinName();
    }
    preview->setSkin(0);
    return names;
}

} // namespace

class tst_SkinBrowser : public QObject
{
    Q_OBJECT

private slots:
    void init() { DialogsTheme::activate(); }

    void listsTheBuiltInThemeThenTheZipsByName()
    {
        QTemporaryDir folder;
        QVERIFY(writeSkin(folder.filePath("b.zip"), QStringLiteral("Bravo")));
        QVERIFY(writeSkin(folder.filePath("A.zip"), QStringLiteral("Alpha")));
        QFile text(folder.filePath("notes.txt"));
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write("not a skin");
        text.close();

        SkinBrowser browser;
        QVERIFY(browser.numberLabel()->text().isEmpty());
        QCOMPARE(browser.nameLabel()->text(), BuiltInName);
        browser.addSkins(folder.path());
        QCOMPARE(browser.numberLabel()->text(), QStringLiteral("1/3"));
        QCOMPARE(listedNames(browser),
                 QStringList({BuiltInName, "Alpha", "Bravo"}));
        QVERIFY(browser.numberLabel()->toolTip().isEmpty());
        QVERIFY(browser.problemLabel()->isHidden());

        QSignalSpy changes(&browser, &SkinBrowser::skinChanged);
        browser.nextButton()->click();
        QCOMPARE(browser.numberLabel()->text(), QStringLiteral("2/3"));
        QCOMPARE(browser.nameLabel()->text(), QStringLiteral("Alpha"));
        QCOMPARE(browser.skin(), QFileInfo(folder.filePath("A.zip")).absoluteFilePath());
        QCOMPARE(changes.count(), 1);

        // Loading the folder again adds nothing.
        browser.addSkins(folder.path());
        QCOMPARE(browser.preview()->skinCount(), 3);
    }

    // A skin the theme engine would not apply is not offered; the browser
    // and the log say why.
    void refusedSkinIsNotOfferedAndSaysWhy_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("navigation");
        QTest::addColumn<QStringList>("leftOut");
        QTest::addColumn<QString>("reason");

        const QByteArray image = "<svg xmlns='http://www.w3.org/2000/svg' xmlns:xlink='http://www.w3.org/1999/xlink'>"
                                 "<rect id='background' width='10' height='10'/>"
                                 "<image width='10' height='10' xlink:href='../secret.png'/></svg>";
        QTest::newRow("file missing") << "partial.zip" << QByteArray() << QStringList{"window_frame.svg"}
                                      << "Required file window_frame.svg missing in %1";
        QTest::newRow("reference outside the skin")
            << "outside.zip" << image << QStringList()
            << "Required file navigation.svg in %1 refers to \"../secret.png\" outside the skin";
        QTest::newRow("file over the size limit")
            << "huge.zip" << QByteArray(Corvane::Utilities::Zip::Unzipper::MaxMemberSize + 1, ' ') << QStringList()
            << "Required file navigation.svg in %1 cannot be read: \"navigation.svg\" is too large";
        QTest::newRow("not an archive") << "text.zip" << QByteArray("not a zip") << QStringList{"*"}
                                        << "Cannot open the skin %1: not a readable zip archive";
    }

    void refusedSkinIsNotOfferedAndSaysWhy()
    {
        QFETCH(QString, fileName);
        QFETCH(QByteArray, navigation);
        QFETCH(QStringList, leftOut);
        QFETCH(QString, reason);

        QTemporaryDir folder;
        const QString path = QFileInfo(folder.filePath(fileName)).absoluteFilePath();
        QVERIFY(writeSkin(folder.filePath("complete.zip"), QStringLiteral("Complete")));
        if (leftOut == QStringList{"*"}) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(navigation);
        } else if (navigation.isEmpty()) {
            QVERIFY(writeSkin(path, QStringLiteral("Refused"), DialogsTheme::Folder, leftOut));
        } else {
            QVERIFY(ZipBuilder()
                        .addFolder(DialogsTheme::Folder, {"navigation.svg"})
                        .add("navigation.svg", navigation)
                        .write(path));
        }

        LogCapture log;
        SkinBrowser browser;
        browser.addSkins(folder.path());
        QCOMPARE(listedNames(browser).size(), 2);
        QVERIFY(!browser.skinExists(path));
        browser.setSkin(path);
        QVERIFY(browser.skin().isEmpty());
        const QString why = reason.arg(path);
        QVERIFY2(browser.numberLabel()->toolTip().contains(why), qPrintable(browser.numberLabel()->toolTip()));
        QVERIFY(browser.problemLabel()->toolTip().contains(why));
        QCOMPARE(browser.problemLabel()->text(), "Not offered: " + fileName);
        QVERIFY(!browser.problemLabel()->isHidden());
        QVERIFY(log.contains(why));

        // Looking at the folder again names the skin once.
        browser.addSkins(folder.path());
        QCOMPARE(browser.problemLabel()->text(), "Not offered: " + fileName);
    }

    void upperCaseExtensionCountsAsZip()
    {
        QTemporaryDir folder;
        QVERIFY(writeSkin(folder.filePath("LOUD.ZIP"), QStringLiteral("Loud")));
        SkinBrowser browser;
        browser.addSkins(folder.path());
        QCOMPARE(listedNames(browser).last(), QStringLiteral("Loud"));
    }

    void skinWithoutNameIsListedByItsFileName()
    {
        QTemporaryDir folder;
        ZipBuilder zip;
        zip.addFolder(DialogsTheme::Folder, {QStringLiteral("theme.ini")}).add(QStringLiteral("theme.ini"), "[General]\n");
        QVERIFY(zip.write(folder.filePath("nameless.zip")));
        SkinBrowser browser;
        browser.addSkins(folder.path());
        QCOMPARE(listedNames(browser).last(), QStringLiteral("nameless.zip"));
    }

    void folderWithoutSkinsLeavesTheArrowsIdle()
    {
        QTemporaryDir folder;
        SkinBrowser browser;
        browser.addSkins(folder.path());
        QCOMPARE(browser.numberLabel()->text(), QStringLiteral("1/1"));
        QSignalSpy changes(&browser, &SkinBrowser::skinChanged);
        browser.nextButton()->click();
        browser.previousButton()->click();
        QCOMPARE(changes.count(), 0);
        QCOMPARE(browser.numberLabel()->text(), QStringLiteral("1/1"));
    }

    void nextOnTheLastWrapsToTheBuiltInTheme()
    {
        QTemporaryDir folder;
        QVERIFY(writeSkin(folder.filePath("a.zip"), QStringLiteral("Alpha")));
        SkinBrowser browser;
        browser.addSkins(folder.path());
        browser.nextSkin();
        QSignalSpy changes(&browser, &SkinBrowser::skinChanged);
        browser.nextSkin();
        QCOMPARE(changes.count(), 1);
        QCOMPARE(changes.first().first().toString(), QString());
        QCOMPARE(browser.numberLabel()->text(), QStringLiteral("1/2"));
        browser.previousSkin();
        QCOMPARE(browser.nameLabel()->text(), QStringLiteral("Alpha"));
    }

    void setSkinSelectsTheBuiltInTheme_data()
    {
        QTest::addColumn<QString>("folderName");
        QTest::newRow("empty") << QString();
        QTest::newRow("built-in folder") << DialogsTheme::Folder;
    }

    void setSkinSelectsTheBuiltInTheme()
    {
        QFETCH(QString, folderName);
        QTemporaryDir folder;
        QVERIFY(writeSkin(folder.filePath("a.zip"), QStringLiteral("Alpha")));
        SkinBrowser browser;
        browser.addSkins(folder.path());
        browser.nextSkin();
        QVERIFY(!browser.skin().isEmpty());
        browser.setSkin(folderName);
        QVERIFY(browser.skin().isEmpty());
        QCOMPARE(browser.preview()->currentIndex(), 0);

        browser.setSkin(QStringLiteral("/no/such/skin.zip"));
        QCOMPARE(browser.preview()->currentIndex(), 0);
    }

    void retranslationRenamesTheBuiltInEntry()
    {
        QTemporaryDir folder;
        QVERIFY(writeSkin(folder.filePath("a.zip"), QStringLiteral("Alpha")));
        SkinBrowser browser;
        browser.addSkins(folder.path());

        browser.preview()->setSkinName(0, QStringLiteral("Stale"));
        browser.nextSkin();
        QEvent languageChange(QEvent::LanguageChange);
        QCoreApplication::sendEvent(&browser, &languageChange);
        QCOMPARE(browser.nameLabel()->text(), QStringLiteral("Alpha"));

        browser.nextSkin();
        QCOMPARE(browser.nameLabel()->text(), BuiltInName);
    }

    void builtInThemesAreListedWithTheirNames_data()
    {
        QTest::addColumn<QString>("builtIn");
        QTest::addColumn<QString>("skin");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("Configurator") << "CorvaneTheme" << "TalveraTheme" << QStringList{"Default", "Essential"};
        QTest::newRow("Sentrel") << "TalveraTheme" << "CorvaneTheme" << QStringList{"Essential", "Default"};
    }

    void builtInThemesAreListedWithTheirNames()
    {
        // One built-in theme as it is, the other as a skin zip, as installed;
        // each with a carousel picture added where it does not have one yet.
        QFETCH(QString, builtIn);
        QFETCH(QString, skin);
        QFETCH(QStringList, names);
        QTemporaryDir work;
        const QString theme = work.filePath(builtIn);
        QVERIFY(QDir().mkpath(theme));
        const QStringList files = QDir(":/" + builtIn).entryList(QDir::Files);
        for (const QString& name : files)
            QVERIFY(QFile::copy(":/" + builtIn + u'/' + name, theme + u'/' + name));
        if (!files.contains(SkinPreview::SKIN_FILE_NAME))
            QVERIFY(QFile::copy(DialogsTheme::Folder + u'/' + SkinPreview::SKIN_FILE_NAME,
                                theme + u'/' + SkinPreview::SKIN_FILE_NAME));
        DialogsTheme::activate(theme);

        const QString skins = work.filePath("skins");
        QVERIFY(QDir().mkpath(skins));
        ZipBuilder zip;
        zip.addFolder(":/" + skin);
        if (!QFile::exists(":/" + skin + u'/' + SkinPreview::SKIN_FILE_NAME)) {
            QFile navigation(DialogsTheme::Folder + u'/' + SkinPreview::SKIN_FILE_NAME);
            QVERIFY(navigation.open(QIODevice::ReadOnly));
            zip.add(SkinPreview::SKIN_FILE_NAME, navigation.readAll());
        }
        QVERIFY(zip.write(skins + u'/' + skin + ".zip"));

        SkinBrowser browser;
        browser.addSkins(skins);
        QVERIFY2(browser.preview()->rejectedSkins().isEmpty(),
                 qPrintable(browser.preview()->rejectedSkins().join(u'\n')));
        QCOMPARE(listedNames(browser), names);
        QCOMPARE(browser.numberLabel()->text(), QStringLiteral("1/2"));
        QVERIFY(!browser.previousButton()->icon().isNull());
    }
};

QTEST_MAIN(tst_SkinBrowser)
#include "tst_skinbrowser.moc"
