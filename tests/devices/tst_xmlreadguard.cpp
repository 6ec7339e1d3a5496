#include "devices/serialization/XmlReadGuard.h"
#include "devices/serialization/XmlReadLimits.h"

#include <QTest>

using Corvane::Devices::Serialization::XmlReadGuard;
using Corvane::Devices::Serialization::XmlReadLimits;

namespace {

const char TOO_MANY_ITEMS[] = "Too many items.";
const char WRONG_ROOT[] = "Not a list.";
const QString ROOT = QStringLiteral("list");

} // namespace

class tst_XmlReadGuard : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void enterRoot_data();
    void enterRoot();
    void finish_data();
    void finish();
    void firstFaultIsKept();
    void readerFaultComesFirst();
    void itemsAreCountedUpToTheLimit();
    void startForgetsThePreviousRead();
};

void tst_XmlReadGuard::enterRoot_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<bool>("entered");
    // Empty when the guard keeps the reader's own error.
    QTest::addColumn<QString>("error");

    QTest::newRow("root") << QByteArray("<?xml version=\"1.0\"?><list/>") << true << QString();
    QTest::newRow("empty") << QByteArray() << false << QStringLiteral("The file is empty.");
    QTest::newRow("white space and byte order mark")
        << QByteArray("\xEF\xBB\xBF \n\t") << false << QStringLiteral("The file is empty.");
    QTest::newRow("only a declaration") << QByteArray("<?xml version=\"1.0\"?>") << false << QString();
    QTest::newRow("not XML") << QByteArray("list") << false << QString();
    QTest::newRow("wrong root") << QByteArray("<other/>") << false << QString::fromLatin1(WRONG_ROOT);
}

void tst_XmlReadGuard::enterRoot()
{
    QFETCH(QByteArray, data);
    QFETCH(bool, entered);
    QFETCH(QString, error);
    QXmlStreamReader xml;
    XmlReadGuard guard(xml, TOO_MANY_ITEMS);
    guard.start(data);

    QCOMPARE(guard.enterRoot(ROOT, WRONG_ROOT), entered);
    QCOMPARE(guard.hasFailed(), !entered);
    QCOMPARE(xml.hasError(), !entered);
    QCOMPARE(guard.errorString(), error.isEmpty() ? xml.errorString() : error);
}

void tst_XmlReadGuard::finish_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<bool>("complete");

    QTest::newRow("whole file") << QByteArray("<list><item/></list>\n") << true;
    QTest::newRow("truncated") << QByteArray("<list><item/>") << false;
    QTest::newRow("trailing element") << QByteArray("<list/><list/>") << false;
    QTest::newRow("trailing text") << QByteArray("<list/>junk") << false;
}

void tst_XmlReadGuard::finish()
{
    QFETCH(QByteArray, data);
    QFETCH(bool, complete);
    QXmlStreamReader xml;
    XmlReadGuard guard(xml, TOO_MANY_ITEMS);
    guard.start(data);
    QVERIFY(guard.enterRoot(ROOT, WRONG_ROOT));

    QCOMPARE(guard.finish(), complete);
    QCOMPARE(guard.hasFailed(), !complete);
    if (!complete)
        QCOMPARE(guard.errorString(), xml.errorString());
}

void tst_XmlReadGuard::firstFaultIsKept()
{
    QXmlStreamReader xml;
    XmlReadGuard guard(xml, TOO_MANY_ITEMS);
    guard.start("<list><item/><item/></list>");
    QVERIFY(guard.enterRoot(ROOT, WRONG_ROOT));

    guard.fail(QStringLiteral("first"));
    guard.fail(QStringLiteral("second"));
    QCOMPARE(guard.errorString(), QStringLiteral("first"));
    QCOMPARE(xml.errorString(), QStringLiteral("first"));
    QVERIFY(!xml.readNextStartElement());
    QVERIFY(!guard.finish());
    QCOMPARE(guard.errorString(), QStringLiteral("first"));
}

void tst_XmlReadGuard::readerFaultComesFirst()
{
    QXmlStreamReader xml;
    XmlReadGuard guard(xml, TOO_MANY_ITEMS);
    guard.start("<list/>");
    xml.raiseError(QStringLiteral("bad value"));

    guard.fail(QStringLiteral("later"));
    QCOMPARE(guard.errorString(), QStringLiteral("later"));
    QCOMPARE(xml.errorString(), QStringLiteral("bad value"));
}

void tst_XmlReadGuard::itemsAreCountedUpToTheLimit()
{
    QXmlStreamReader xml;
    XmlReadGuard guard(xml, TOO_MANY_ITEMS);
    guard.start("<list/>");
    for (int i = 0; i < XmlReadLimits::MAX_ITEMS; ++i) {
        if (!guard.countItem())
            QFAIL(qPrintable(QStringLiteral("item %1 refused").arg(i + 1)));
    }
    QVERIFY(!guard.hasFailed());

    QVERIFY(!guard.countItem());
    QCOMPARE(guard.errorString(), QString::fromLatin1(TOO_MANY_ITEMS));
    QVERIFY(xml.hasError());
}

void tst_XmlReadGuard::startForgetsThePreviousRead()
{
    QXmlStreamReader xml;
    XmlReadGuard guard(xml, TOO_MANY_ITEMS);
    guard.start("<list/>");
    for (int i = 0; i < XmlReadLimits::MAX_ITEMS; ++i)
        guard.countItem();
    guard.fail(QStringLiteral("first read"));

    guard.start("<list/>");
    QVERIFY(!guard.hasFailed());
    QVERIFY(guard.errorString().isEmpty());
    QVERIFY(guard.countItem());
    QVERIFY(guard.enterRoot(ROOT, WRONG_ROOT));
    QVERIFY(guard.finish());
}

QTEST_GUILESS_MAIN(tst_XmlReadGuard)
#include "tst_xmlreadguard.moc"
