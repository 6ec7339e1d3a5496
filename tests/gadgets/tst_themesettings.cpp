#include "theme/ThemeSettings.h"

#include <QTest>

using Corvane::Gadgets::ThemeSettings;

class tst_ThemeSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void value_data();
    void value();
    void absentKeyGivesDefault();
};

void tst_ThemeSettings::value_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("expected");

    QTest::newRow("general key by bare name") << QByteArray("[General]\nsegment_font_size=12\n") << "segment_font_size" << QVariant("12");
    QTest::newRow("key before any section") << QByteArray("a=1\n") << "a" << QVariant("1");
    QTest::newRow("other section") << QByteArray("[Extra]\na=1\n") << "Extra/a" << QVariant("1");
    QTest::newRow("other section not bare") << QByteArray("[Extra]\na=1\n") << "a" << QVariant();
    QTest::newRow("spaces around") << QByteArray("[General]\n  a  =  x y  \n") << "a" << QVariant("x y");
    QTest::newRow("crlf") << QByteArray("[General]\r\na=FF000E73\r\n") << "a" << QVariant("FF000E73");
    QTest::newRow("byte order mark") << QByteArray("\xEF\xBB\xBF[General]\na=1\n") << "a" << QVariant("1");
    QTest::newRow("comment lines") << QByteArray("; a=1\n# b=2\nc=3\n") << "a" << QVariant();
    QTest::newRow("inline comment") << QByteArray("a=1 ; note\n") << "a" << QVariant("1");
    QTest::newRow("quoted") << QByteArray("a=\"x; \\\"y\\\"\"\n") << "a" << QVariant("x; \"y\"");
    QTest::newRow("empty value") << QByteArray("a=\n") << "a" << QVariant("");
    QTest::newRow("line without equals") << QByteArray("nonsense\na=1\n") << "nonsense" << QVariant();
    QTest::newRow("later wins") << QByteArray("a=1\na=2\n") << "a" << QVariant("2");
    QTest::newRow("utf8") << QByteArray("font=D\xC3\xA9j\xC3\xA0 Vu\n") << "font" << QVariant(QString::fromUtf8("D\xC3\xA9j\xC3\xA0 Vu"));
    QTest::newRow("binary junk") << QByteArray("\x00\xFF\xFE=\x01\n", 6) << "a" << QVariant();
}

void tst_ThemeSettings::value()
{
    QFETCH(QByteArray, ini);
    QFETCH(QString, key);
    QFETCH(QVariant, expected);

    const ThemeSettings settings(ini);
    QCOMPARE(settings.contains(key), expected.isValid());
    QCOMPARE(settings.value(key), expected);
}

void tst_ThemeSettings::absentKeyGivesDefault()
{
    const ThemeSettings settings(QByteArray("[General]\na=1\n"));
    QCOMPARE(settings.value("b", 7), QVariant(7));
    QCOMPARE(ThemeSettings().value("a", "x"), QVariant("x"));
}

QTEST_APPLESS_MAIN(tst_ThemeSettings)
#include "tst_themesettings.moc"
