#include "DialogsTheme.h"
#include "LogCapture.h"
#include "ZipBuilder.h"

#include "dialogs/SkinBrowser.h"
#include "dialogs/SkinPreview.h"
#include "theme/ThemeProvider.h"
#include "widgets/CustomPushButton.h"

#include "utilities/Globals.h"

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
        QCOMPARE(browser.nameLabel()->text(), Corvane::Utilities::Globals::defaultSkinName());
        browser.addSkins(folder.path());
        QCOMPARE(browser.numberLabel()->text(), QStringLiteral("1/3"));
        QCOMPARE(listedNames(browser),
                 QStringList({Corvane::Utilities::Globals::defaultSkinName(), "Alpha", "Bravo"}));
        QVERIFY(browser.numberLabel()->toolTip().isEmpty());

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

    void incompleteSkinIsNotOfferedAndSaysWhy()
    {
        QTemporaryDir folder;
        QVERIFY(writeSkin(folder.filePath("complete.zip"), QStringLiteral("Complete")));
        QVERIFY(writeSkin(folder.filePath("partial.zip"), QStringLiteral("Partial"), DialogsTheme::Folder,
                          {QStringLiteral("window_frame.svg")}));
        LogCapture log;
        SkinBrowser browser;
        browser.addSkins(folder.path());
        QCOMPARE(listedNames(browser).size(), 2);
        QVERIFY(!browser.skinExists(folder.filePath("partial.zip")));
        browser.setSkin(QFileInfo(folder.filePath("partial.zip")).absoluteFilePath());
        QVERIFY(browser.skin().isEmpty());
        QVERIFY(browser.numberLabel()->toolTip().contains(QStringLiteral("window_frame.svg")));
        QVERIFY(browser.numberLabel()->toolTip().contains(QStringLiteral("partial.zip")));
        QVERIFY(log.contains(QStringLiteral("Required file window_frame.svg missing in")));
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
        const QString defaultName = Corvane::Utilities::Globals::defaultSkinName();

        browser.preview()->setSkinName(0, QStringLiteral("Stale"));
        browser.nextSkin();
        QEvent languageChange(QEvent::LanguageChange);
        QCoreApplication::sendEvent(&browser, &languageChange);
        QCOMPARE(browser.nameLabel()->text(), QStringLiteral("Alpha"));

        browser.nextSkin();
        QCOMPARE(browser.nameLabel()->text(), defaultName);
    }

    void builtInThemesAreListedWithTheirNames()
    {
        // The built-in themes as they are, with a carousel picture added
        // where the theme does not have one yet.
        QTemporaryDir work;
        const QString corvane = work.filePath("CorvaneTheme");
        QVERIFY(QDir().mkpath(corvane));
        const QStringList files = QDir(":/CorvaneTheme").entryList(QDir::Files);
        for (const QString& name : files)
            QVERIFY(QFile::copy(":/CorvaneTheme/" + name, corvane + u'/' + name));
        if (!files.contains(SkinPreview::SKIN_FILE_NAME))
            QVERIFY(QFile::copy(DialogsTheme::Folder + u'/' + SkinPreview::SKIN_FILE_NAME,
                                corvane + u'/' + SkinPreview::SKIN_FILE_NAME));
        DialogsTheme::activate(corvane);

        const QString skins = work.filePath("skins");
        QVERIFY(QDir().mkpath(skins));
        ZipBuilder talvera;
        talvera.addFolder(":/TalveraTheme");
        if (!QFile::exists(":/TalveraTheme/" + SkinPreview::SKIN_FILE_NAME)) {
            QFile navigation(DialogsTheme::Folder + u'/' + SkinPreview::SKIN_FILE_NAME);
            QVERIFY(navigation.open(QIODevice::ReadOnly));
            talvera.add(SkinPreview::SKIN_FILE_NAME, navigation.readAll());
        }
        QVERIFY(talvera.write(skins + "/talvera.zip"));

        SkinBrowser browser;
        browser.addSkins(skins);
        QCOMPARE(listedNames(browser), QStringList({Corvane::Utilities::Globals::defaultSkinName(), "Essential"}));
        QCOMPARE(browser.numberLabel()->text(), QStringLiteral("1/2"));
        QVERIFY(!browser.previousButton()->icon().isNull());
    }
};

QTEST_MAIN(tst_SkinBrowser)
#include "tst_skinbrowser.moc"
