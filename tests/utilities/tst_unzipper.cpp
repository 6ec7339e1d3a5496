#include "utilities/Zip/Unzipper.h"

#include "LogCapture.h"
#include "ZipBuilder.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using Corvane::Utilities::Zip::Unzipper;

class tst_Unzipper : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void loadBytes_data();
    void loadBytes();
    void gotoFile_data();
    void gotoFile();
    void refusesBadArchives_data();
    void refusesBadArchives();
    void refusesOversizedMember();
    void readFileSaysWhyItFails_data();
    void readFileSaysWhyItFails();

private:
    QTemporaryDir m_dir;
    QString m_zip;
};

void tst_Unzipper::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_zip = m_dir.filePath("skin.zip");
    QVERIFY(ZipBuilder()
                .add("theme.ini", "[General]\nskin_name=Test\n")
                .add("icons/light.svg", "<svg/>")
                .add("empty.txt", QByteArray())
                .add("../escape.txt", "outside")
                .add("/absolute.txt", "absolute")
                .write(m_zip));
}

void tst_Unzipper::loadBytes_data()
{
    QTest::addColumn<QString>("member");
    QTest::addColumn<bool>("loaded");
    QTest::addColumn<QByteArray>("contents");

    QTest::newRow("root member") << "theme.ini" << true << QByteArray("[General]\nskin_name=Test\n");
    QTest::newRow("nested member") << "icons/light.svg" << true << QByteArray("<svg/>");
    QTest::newRow("empty member") << "empty.txt" << true << QByteArray();
    QTest::newRow("missing") << "light.svg" << false << QByteArray("untouched");
    QTest::newRow("wrong case") << "THEME.INI" << false << QByteArray("untouched");
    QTest::newRow("parent path") << "../escape.txt" << false << QByteArray("untouched");
    QTest::newRow("absolute path") << "/absolute.txt" << false << QByteArray("untouched");
    QTest::newRow("empty name") << "" << false << QByteArray("untouched");
}

void tst_Unzipper::loadBytes()
{
    QFETCH(QString, member);
    QFETCH(bool, loaded);
    QFETCH(QByteArray, contents);

    QByteArray bytes("untouched");
    QCOMPARE(Unzipper().loadBytes(m_zip, member, bytes), loaded);
    QCOMPARE(bytes, contents);
}

void tst_Unzipper::gotoFile_data()
{
    QTest::addColumn<QString>("member");
    QTest::addColumn<bool>("present");

    QTest::newRow("present") << "theme.ini" << true;
    QTest::newRow("nested") << "icons/light.svg" << true;
    QTest::newRow("base name of nested") << "light.svg" << false;
    QTest::newRow("parent path") << "../escape.txt" << false;
}

void tst_Unzipper::gotoFile()
{
    QFETCH(QString, member);
    QFETCH(bool, present);

    Unzipper zip(m_zip);
    QVERIFY(zip.isOpen());
    QCOMPARE(zip.gotoFile(member), present);
}

void tst_Unzipper::refusesBadArchives_data()
{
    QTest::addColumn<QByteArray>("fileContents");

    QFile file(m_zip);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray valid = file.readAll();

    QTest::newRow("not a zip") << QByteArray("plain text, not an archive");
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("truncated") << valid.left(valid.size() / 2);
    QTest::newRow("tail cut off") << valid.left(valid.size() - 10);
}

void tst_Unzipper::refusesBadArchives()
{
    QFETCH(QByteArray, fileContents);

    const QString path = m_dir.filePath("bad.zip");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(fileContents);
    file.close();

    LogCapture log;
    QByteArray bytes("untouched");
    QVERIFY(!Unzipper().loadBytes(path, "theme.ini", bytes));
    QCOMPARE(bytes, QByteArray("untouched"));
    QVERIFY(!Unzipper(path).gotoFile("theme.ini"));
    QVERIFY(!log.errors().isEmpty());
}

void tst_Unzipper::refusesOversizedMember()
{
    // Zeros compress to almost nothing: a small archive that would expand
    // past the member limit.
    const QString path = m_dir.filePath("bomb.zip");
    QVERIFY(ZipBuilder().add("theme.ini", QByteArray(Unzipper::MaxMemberSize + 1, '\0')).write(path));
    QVERIFY(QFile(path).size() < 1024 * 1024);

    LogCapture log;
    QByteArray bytes("untouched");
    QVERIFY(!Unzipper().loadBytes(path, "theme.ini", bytes));
    QCOMPARE(bytes, QByteArray("untouched"));
    QVERIFY(log.contains("too large"));
    QVERIFY(Unzipper(path).gotoFile("theme.ini"));
}

void tst_Unzipper::readFileSaysWhyItFails_data()
{
    QTest::addColumn<QString>("archive");
    QTest::addColumn<QString>("member");
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QString>("error");

    QTest::newRow("member") << "skin.zip" << "theme.ini" << QByteArray("[General]\nskin_name=Test\n") << QString();
    QTest::newRow("missing member") << "skin.zip" << "light.svg" << QByteArray("untouched")
                                    << "no member \"light.svg\"";
    QTest::newRow("parent path") << "skin.zip" << "../escape.txt" << QByteArray("untouched")
                                 << "refused member name \"../escape.txt\"";
    QTest::newRow("no archive") << "" << "theme.ini" << QByteArray("untouched") << "no archive is open";
    QTest::newRow("archive missing") << "absent.zip" << "theme.ini" << QByteArray("untouched") << "no such file";
}

void tst_Unzipper::readFileSaysWhyItFails()
{
    QFETCH(QString, archive);
    QFETCH(QString, member);
    QFETCH(QByteArray, contents);
    QFETCH(QString, error);

    LogCapture log;
    Unzipper zip(archive.isEmpty() ? QString() : m_dir.filePath(archive));
    QByteArray bytes("untouched");
    QCOMPARE(zip.readFile(member, bytes), error.isEmpty());
    QCOMPARE(bytes, contents);
    QCOMPARE(zip.errorString(), error);
}

QTEST_GUILESS_MAIN(tst_Unzipper)
#include "tst_unzipper.moc"
