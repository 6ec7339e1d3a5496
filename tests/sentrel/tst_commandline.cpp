#include "CommandLine.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using Corvane::Sentrel::CommandLine;

class tst_CommandLine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void reads_data();
    void reads();

private:
    QString path(const QString& name) const { return QDir(m_folder.path()).filePath(name); }
    QTemporaryDir m_folder;
};

void tst_CommandLine::initTestCase()
{
    QVERIFY(m_folder.isValid());
    QDir(m_folder.path()).mkpath(QStringLiteral("projects"));
    for (const QString& name : {QStringLiteral("a.vtprj"), QStringLiteral("projects/b.vtprj"),
                                QStringLiteral("demo.vtprj")}) {
        QFile file(path(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    QCOMPARE(mkfifo(QFile::encodeName(path(QStringLiteral("pipe.vtprj"))).constData(), 0600), 0);
}

void tst_CommandLine::reads_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("noServer");
    QTest::addColumn<int>("logMode");
    QTest::addColumn<QString>("project");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<int>("refusals");

    const QString a = path("a.vtprj");
    const QString b = path("projects/b.vtprj");
    const QString demo = path("demo.vtprj");
    QTest::newRow("nothing") << QStringList{"sentrel"} << false << 1 << QString() << QString() << 0;
    QTest::newRow("switches in any case") << QStringList{"sentrel", "/NoServer", "/LOGVERBOSE"} << true << 3
                                          << QString() << QString() << 0;
    QTest::newRow("later log switch wins") << QStringList{"sentrel", "/logverbose", "/logsilent"} << false << 0
                                           << QString() << QString() << 0;
    QTest::newRow("program path is a switch too") << QStringList{"/noserver"} << true << 1 << QString() << QString()
                                                  << 0;
    QTest::newRow("program path is never the project") << QStringList{a} << false << 1 << QString() << QString()
                                                       << 0;
    QTest::newRow("last existing file wins") << QStringList{"sentrel", a, "/missing.vtprj", b} << false << 1 << b
                                             << path("projects") << 0;
    QTest::newRow("demo keeps the folder") << QStringList{"sentrel", a, demo} << false << 1 << demo
                                           << m_folder.path() << 0;
    QTest::newRow("demo alone sets no folder") << QStringList{"sentrel", demo} << false << 1 << demo << QString()
                                               << 0;
    QTest::newRow("folder refused") << QStringList{"sentrel", a, path("projects")} << false << 1 << a
                                    << m_folder.path() << 1;
    QTest::newRow("fifo refused") << QStringList{"sentrel", path("pipe.vtprj")} << false << 1 << QString()
                                  << QString() << 1;
    QTest::newRow("device refused") << QStringList{"sentrel", "/dev/zero", "/dev/null"} << false << 1 << QString()
                                    << QString() << 2;
}

void tst_CommandLine::reads()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, noServer);
    QFETCH(int, logMode);
    QFETCH(QString, project);
    QFETCH(QString, folder);
    QFETCH(int, refusals);

    const CommandLine commandLine = CommandLine::read(arguments);
    QCOMPARE(commandLine.noServer(), noServer);
    QCOMPARE(commandLine.logMode(), logMode);
    QCOMPARE(commandLine.projectPath(), project);
    QCOMPARE(commandLine.projectFolder(), folder);
    QCOMPARE(commandLine.refusals().size(), refusals);
}

QTEST_GUILESS_MAIN(tst_CommandLine)
#include "tst_commandline.moc"
