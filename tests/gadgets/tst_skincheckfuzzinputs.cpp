// Replays the skin check fuzz target's seed inputs and every input that once
// failed it (skincheck-fuzz-crashes/) through the same code, in the ordinary
// test run.

#include <QDir>
#include <QFile>
#include <QTest>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

class tst_SkinCheckFuzzInputs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void replay_data();
    void replay();
};

void tst_SkinCheckFuzzInputs::replay_data()
{
    QTest::addColumn<QString>("path");
    for (const char* folder : { "skincheck-fuzz-corpus", "skincheck-fuzz-crashes" }) {
        const QDir dir(QStringLiteral(QT_TESTCASE_SOURCEDIR "/") + QLatin1String(folder));
        for (const QString& name : dir.entryList(QDir::Files))
            QTest::newRow(qPrintable(QLatin1String(folder) + QLatin1Char('/') + name)) << dir.filePath(name);
    }
}

void tst_SkinCheckFuzzInputs::replay()
{
    QFETCH(QString, path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray input = file.readAll();
    QCOMPARE(LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(input.constData()), size_t(input.size())), 0);
}

QTEST_GUILESS_MAIN(tst_SkinCheckFuzzInputs)
#include "tst_skincheckfuzzinputs.moc"
