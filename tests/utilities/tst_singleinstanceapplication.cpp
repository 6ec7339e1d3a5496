#include "utilities/SingleInstanceApplication.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using Corvane::Utilities::SingleInstanceApplication;

// What a later start hands over: file arguments relative to its own working
// folder become absolute; everything else travels unchanged.
class tst_SingleInstanceApplication : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void fileArgumentsBecomeAbsolute_data();
    void fileArgumentsBecomeAbsolute();

private:
    QTemporaryDir m_folder;
};

void tst_SingleInstanceApplication::initTestCase()
{
    QVERIFY(m_folder.isValid());
    QDir folder(m_folder.path());
    QVERIFY(folder.mkpath("sub"));
    for (const QString& name : {QStringLiteral("home.vtprj"), QStringLiteral("sub/My Project.vtprj"),
                                QStringLiteral("noserver")}) {
        QFile file(folder.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
}

void tst_SingleInstanceApplication::fileArgumentsBecomeAbsolute_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("expected");

    const QString root = QDir(m_folder.path()).canonicalPath();
    QTest::newRow("relative file") << QStringList{"sentrel", "home.vtprj"}
                                   << QStringList{"sentrel", root + "/home.vtprj"};
    QTest::newRow("dotted path with blank") << QStringList{"sentrel", "./sub/../sub/My Project.vtprj"}
                                            << QStringList{"sentrel", root + "/sub/My Project.vtprj"};
    QTest::newRow("relative folder") << QStringList{"sentrel", "sub"} << QStringList{"sentrel", root + "/sub"};
    QTest::newRow("switches and missing names kept")
        << QStringList{"sentrel", "/noserver", "/logverbose", "missing.vtprj", "it_IT", ""}
        << QStringList{"sentrel", "/noserver", "/logverbose", "missing.vtprj", "it_IT", ""};
    QTest::newRow("absolute path kept") << QStringList{"sentrel", "/nowhere/x.vtprj"}
                                        << QStringList{"sentrel", "/nowhere/x.vtprj"};
    // A switch never becomes a path, even when the working folder holds a
    // file of the same name without the slash.
    QTest::newRow("switch beside a file") << QStringList{"sentrel", "/noserver"} << QStringList{"sentrel", "/noserver"};
    QTest::newRow("program path untouched") << QStringList{"home.vtprj"} << QStringList{"home.vtprj"};
}

void tst_SingleInstanceApplication::fileArgumentsBecomeAbsolute()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, expected);
    QCOMPARE(SingleInstanceApplication::withAbsoluteFileArguments(arguments, QDir(QDir(m_folder.path()).canonicalPath())),
             expected);
}

QTEST_GUILESS_MAIN(tst_SingleInstanceApplication)
#include "tst_singleinstanceapplication.moc"
