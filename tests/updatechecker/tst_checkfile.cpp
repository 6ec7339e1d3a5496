#include "updatechecker/CheckFile.h"

#include <QDir>
#include <QTest>

#include <cstddef>
#include <cstdint>

using namespace Corvane::UpdateChecker;

// The libFuzzer target, linked in to replay its inputs.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

const QByteArray Digest = QByteArray(64, 'a');

QByteArray kit(const QByteArray& attributes)
{
    return "<KIT " + attributes + "/>";
}

QByteArray validAttributes(const QByteArray& version = "2.1.0", const QByteArray& link = "kit.deb")
{
    return "version=\"" + version + "\" stage=\"4\" os=\"3\" architecture=\"2\" package=\"3\" link=\"" + link
        + "\" size=\"10\" sha256=\"" + Digest + "\"";
}

QByteArray updates(const QByteArray& kits)
{
    return "<?xml version=\"1.0\"?><UPDATES>" + kits + "</UPDATES>";
}

} // namespace

class tst_CheckFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parse_data();
    void parse();
    void newestKit_data();
    void newestKit();
    void isSafeFileName_data();
    void isSafeFileName();
    void replayFuzzInputs_data();
    void replayFuzzInputs();
};

void tst_CheckFile::parse_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("parsed");
    QTest::addColumn<QStringList>("links");

    const QByteArray valid = validAttributes();
    QTest::newRow("one kit") << updates(kit(valid)) << true << QStringList{"kit.deb"};
    QTest::newRow("no kits") << updates("") << true << QStringList();
    QTest::newRow("unknown elements ignored")
        << updates("<NOTE>x</NOTE>" + kit(valid)) << true << QStringList{"kit.deb"};
    QTest::newRow("firmware flag") << updates(kit(valid + " firmware=\"1\"")) << true << QStringList{"kit.deb"};
    QTest::newRow("upper-case digest")
        << updates(kit(validAttributes().replace(Digest, QByteArray(64, 'A')))) << true << QStringList{"kit.deb"};
    QTest::newRow("bad firmware flag") << updates(kit(valid + " firmware=\"2\"")) << true << QStringList();
    QTest::newRow("version with text") << updates(kit(validAttributes("2.1.0beta"))) << true << QStringList();
    QTest::newRow("missing version") << updates(kit(validAttributes("").replace("version=\"\"", ""))) << true
                                     << QStringList();
    QTest::newRow("stage out of range")
        << updates(kit(validAttributes().replace("stage=\"4\"", "stage=\"5\""))) << true << QStringList();
    QTest::newRow("zero size") << updates(kit(validAttributes().replace("size=\"10\"", "size=\"0\""))) << true
                               << QStringList();
    QTest::newRow("short digest")
        << updates(kit(validAttributes().replace(Digest, "abc"))) << true << QStringList();
    QTest::newRow("parent link") << updates(kit(validAttributes("2.1.0", "../x"))) << true << QStringList();
    QTest::newRow("absolute link") << updates(kit(validAttributes("2.1.0", "/etc/x"))) << true << QStringList();
    QTest::newRow("empty link") << updates(kit(validAttributes("2.1.0", ""))) << true << QStringList();
    QTest::newRow("bad entry beside good one")
        << updates(kit(validAttributes("2.2.0", "../x")) + kit(valid)) << true << QStringList{"kit.deb"};
    QTest::newRow("other document") << QByteArray("<html><body/></html>") << false << QStringList();
    QTest::newRow("not xml") << QByteArray("not found") << false << QStringList();
    QTest::newRow("cut document") << updates(kit(valid)).left(60) << false << QStringList();
    QTest::newRow("empty") << QByteArray() << false << QStringList();
    QTest::newRow("comment only") << QByteArray("<!-- nothing -->") << false << QStringList();
}

void tst_CheckFile::parse()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, parsed);
    QFETCH(QStringList, links);

    CheckFile file;
    QCOMPARE(file.parse(bytes), parsed);
    QCOMPARE(file.errorString().isEmpty(), parsed);
    QStringList actual;
    for (const KitInfo& info : file.kits())
        actual << info.link;
    QCOMPARE(actual, links);
}

void tst_CheckFile::newestKit_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("installedStage");
    QTest::addColumn<QString>("link");

    const QByteArray older = kit(validAttributes("2.0.9", "older.deb"));
    const QByteArray newer = kit(validAttributes("2.0.10", "newer.deb"));
    QTest::newRow("numeric comparison") << updates(older + newer) << int(Release) << "newer.deb";
    QTest::newRow("order free") << updates(newer + older) << int(Release) << "newer.deb";
    QTest::newRow("other architecture")
        << updates(kit(validAttributes().replace("architecture=\"2\"", "architecture=\"1\""))) << int(Release)
        << "";
    QTest::newRow("other package")
        << updates(kit(validAttributes().replace("package=\"3\"", "package=\"4\""))) << int(Release) << "";
    QTest::newRow("other os") << updates(kit(validAttributes().replace("os=\"3\"", "os=\"1\""))) << int(Release)
                              << "";
    const QByteArray beta = kit(validAttributes("3.0.0", "beta.deb").replace("stage=\"4\"", "stage=\"2\""));
    QTest::newRow("beta hidden from release") << updates(older + beta) << int(Release) << "older.deb";
    QTest::newRow("beta offered to beta") << updates(older + beta) << int(Beta) << "beta.deb";
}

void tst_CheckFile::newestKit()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, installedStage);
    QFETCH(QString, link);

    CheckFile file;
    QVERIFY(file.parse(bytes));
    const std::optional<KitInfo> newest =
        file.newestKit(Linux, X64, DebianPackage, static_cast<ProductStage>(installedStage));
    QCOMPARE(newest ? newest->link : QString(), link);
}

void tst_CheckFile::isSafeFileName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("safe");

    QTest::newRow("plain") << "vantrel_2.1.0_amd64.deb" << true;
    QTest::newRow("with space") << "Vantrel kit.tar.gz" << true;
    QTest::newRow("dots inside") << "a..b" << true;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("dot") << "." << false;
    QTest::newRow("dot dot") << ".." << false;
    QTest::newRow("parent") << "../x" << false;
    QTest::newRow("absolute") << "/etc/x" << false;
    QTest::newRow("backslash") << "..\\x" << false;
    QTest::newRow("newline") << "kit\n.deb" << false;
    QTest::newRow("nul") << QString("kit") + QChar(0) << false;
}

void tst_CheckFile::isSafeFileName()
{
    QFETCH(QString, name);
    QFETCH(bool, safe);
    QCOMPARE(KitInfo::isSafeFileName(name), safe);
}

// The fuzz target's seeds and every input that once failed it
// (fuzz-crashes/, when there are any) go through the same checks.
void tst_CheckFile::replayFuzzInputs_data()
{
    QTest::addColumn<QString>("path");
    for (const char* folder : {"fuzz-corpus", "fuzz-crashes"}) {
        const QDir dir(QStringLiteral(QT_TESTCASE_SOURCEDIR "/") + QLatin1String(folder));
        for (const QString& name : dir.entryList(QDir::Files))
            QTest::newRow(qPrintable(QLatin1String(folder) + u'/' + name)) << dir.filePath(name);
    }
}

void tst_CheckFile::replayFuzzInputs()
{
    QFETCH(QString, path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray input = file.readAll();
    QCOMPARE(LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(input.constData()), size_t(input.size())), 0);
}

QTEST_GUILESS_MAIN(tst_CheckFile)
#include "tst_checkfile.moc"
