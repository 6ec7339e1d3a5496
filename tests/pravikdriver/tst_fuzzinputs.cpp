// Replays the fuzz target's seed inputs and every input that once crashed
// it (fuzz-crashes/) through the same code, in the ordinary test run.

#include <QDir>
#include <QFile>
#include <QTest>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

class tst_FuzzInputs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void replay_data();
    void replay();
};

void tst_FuzzInputs::replay_data()
{
    QTest::addColumn<QString>("path");
    for (const char* folder : { "fuzz-corpus", "fuzz-crashes" }) {
        const QDir dir(QStringLiteral(QT_TESTCASE_SOURCEDIR "/") + QLatin1String(folder));
        for (const QString& name : dir.entryList(QDir::Files))
            QTest::newRow(qPrintable(QLatin1String(folder) + QLatin1Char('/') + name)) << dir.filePath(name);
    }
}

void tst_FuzzInputs::replay()
{
    QFETCH(QString, path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray input = file.readAll();
    QCOMPARE(LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(input.constData()), size_t(input.size())), 0);
}

QTEST_GUILESS_MAIN(tst_FuzzInputs)
#include "tst_fuzzinputs.moc"
