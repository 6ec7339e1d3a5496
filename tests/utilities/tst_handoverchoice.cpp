#include "utilities/HandOverChoice.h"

#include "LogCapture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using Corvane::Utilities::HandOverChoice;

// Files in a folder of the test: "good" ones read, "broken" ones do not.
class tst_HandOverChoice : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void choosesTheLastFileThatReads_data();
    void choosesTheLastFileThatReads();
    void noArgumentsNoLine();

private:
    QString path(const QString& name) const { return m_dir.filePath(name); }
    QStringList broken(int count) const;
    void write(const QString& name, const QByteArray& content);

    QTemporaryDir m_dir;
};

void tst_HandOverChoice::initTestCase()
{
    QVERIFY(m_dir.isValid());
    write("good-1.vtprj", "good");
    write("good-2.vtprj", "good");
    for (int i = 0; i < 1000; ++i)
        write(QStringLiteral("broken-%1.vtprj").arg(i), "broken");
    QVERIFY(QDir().mkpath(path("folder.vtprj")));
    QCOMPARE(::mkfifo(QFile::encodeName(path("pipe.vtprj")).constData(), 0600), 0);
}

void tst_HandOverChoice::write(const QString& name, const QByteArray& content)
{
    QFile file(path(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

QStringList tst_HandOverChoice::broken(int count) const
{
    QStringList paths;
    for (int i = 0; i < count; ++i)
        paths.append(path(QStringLiteral("broken-%1.vtprj").arg(i)));
    return paths;
}

void tst_HandOverChoice::choosesTheLastFileThatReads_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QStringList>("reads");
    QTest::addColumn<QString>("passedOver");

    const QString good1 = path("good-1.vtprj");
    const QString good2 = path("good-2.vtprj");
    const QStringList three = broken(3);
    const QString none = QStringLiteral("none");

    QTest::newRow("one file") << QStringList{good1} << good1 << QStringList{good1} << QString();
    QTest::newRow("the last of two") << QStringList{good1, good2} << good2 << QStringList{good2}
                                     << "refused 0, left unread 1";
    QTest::newRow("broken ones after it") << QStringList{good1} + broken(2) << good1
                                          << QStringList{three.at(1), three.at(0), good1} << "refused 2 (";
    QTest::newRow("beyond the candidates") << QStringList{good1} + three << none
                                           << QStringList{three.at(2), three.at(1), three.at(0)}
                                           << "refused 3 (" + three.at(2) + ": broken; ";
    const QStringList all = broken(1000);
    QTest::newRow("1,000 broken") << all << none << QStringList{all.at(999), all.at(998), all.at(997)}
                                  << "refused 3 (";
    QTest::newRow("1,000 broken, then one") << QStringList{good2} + broken(1000) + QStringList{good1} << good1
                                            << QStringList{good1} << "left unread 1001";
    QStringList copies;
    for (int i = 0; i < 10000; ++i)
        copies.append(i % 2 ? good1 : path("./good-1.vtprj"));
    QTest::newRow("10,000 copies") << copies << good1 << QStringList{good1} << "repeats 9999";
    QTest::newRow("switches in any case") << QStringList{"/NoServer", good1, "/VERBOSE"} << good1
                                          << QStringList{good1} << "switches 2";
    QTest::newRow("only switches") << QStringList{"/verbose"} << none << QStringList{} << "switches 1";
    QTest::newRow("relative path") << QStringList{"good-1.vtprj"} << none << QStringList{}
                                   << "good-1.vtprj: not an absolute path";
    QTest::newRow("missing") << QStringList{path("missing.vtprj")} << none << QStringList{}
                             << "not an existing regular file";
    QTest::newRow("folder") << QStringList{path("folder.vtprj")} << none << QStringList{}
                            << "not an existing regular file";
    QTest::newRow("pipe") << QStringList{path("pipe.vtprj")} << none << QStringList{}
                          << "not an existing regular file";
    QTest::newRow("past refusals") << QStringList{good1, path("missing.vtprj"), path("folder.vtprj"), "relative.vtprj"}
                                   << good1 << QStringList{good1} << "refused 3 (relative.vtprj: not an absolute path";
    QStringList missing;
    for (int i = 0; i < 150; ++i)
        missing.append(path(QStringLiteral("missing-%1.vtprj").arg(i)));
    QTest::newRow("beyond 100 examined") << QStringList{good1} + missing << none << QStringList{}
                                         << "missing-140.vtprj: not an existing regular file; and 90 more), left unread 51";
}

// Every file read is counted, and the arguments passed over come in one
// line, written once.
void tst_HandOverChoice::choosesTheLastFileThatReads()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, chosen);
    QFETCH(QStringList, reads);
    QFETCH(QString, passedOver);

    QStringList read;
    LogCapture log;
    HandOverChoice choice(QStringList{"program"} + arguments, {"/noserver", "/verbose"});
    QCOMPARE(choice.hasCandidates(), !reads.isEmpty());
    const QString result = choice.choose([&read](const QString& path, QString* error) {
        read.append(path);
        QFile file(path);
        if (file.open(QIODevice::ReadOnly) && file.readAll() == "good")
            return true;
        *error = QStringLiteral("broken");
        return false;
    });
    QCOMPARE(result, chosen == "none" ? QString() : chosen);
    QCOMPARE(read, reads);
    const QStringList lines = log.lines().filter("A later start handed over");
    QCOMPARE(lines.size(), passedOver.isEmpty() ? 0 : 1);
    if (!passedOver.isEmpty()) {
        QVERIFY2(lines.first().contains(passedOver), qPrintable(lines.first()));
        QVERIFY(lines.first().contains("chosen: " + chosen));
        QVERIFY(lines.first().contains(QStringLiteral("handed over %1 arguments").arg(arguments.size())));
    }
}

void tst_HandOverChoice::noArgumentsNoLine()
{
    LogCapture log;
    HandOverChoice choice({"program"}, {"/verbose"});
    QVERIFY(!choice.hasCandidates());
    QVERIFY(choice.choose([](const QString&, QString*) { return true; }).isEmpty());
    QVERIFY(log.lines().isEmpty());
}

QTEST_GUILESS_MAIN(tst_HandOverChoice)
#include "tst_handoverchoice.moc"
