#include "utilities/IpAddressValidator.h"

#include <QLineEdit>
#include <QTest>

using Corvane::Utilities::IpAddressValidator;

class tst_IpAddressValidator : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void validate_data();
    void validate();
    void maskedLineEditRefusesImpossibleOctets();
};

void tst_IpAddressValidator::validate_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<bool>("acceptEmpty");
    QTest::addColumn<int>("state");

    QTest::newRow("complete") << "192.168.1.10" << false << int(QValidator::Acceptable);
    QTest::newRow("masked complete") << "192.168.1__.10_" << false << int(QValidator::Acceptable);
    QTest::newRow("partial") << "192.16" << false << int(QValidator::Intermediate);
    QTest::newRow("masked partial") << "192.___.___.___" << false << int(QValidator::Intermediate);
    QTest::newRow("empty refused") << "___.___.___.___" << false << int(QValidator::Intermediate);
    QTest::newRow("empty accepted") << "___.___.___.___" << true << int(QValidator::Acceptable);
    QTest::newRow("octet 256") << "256.1.1.1" << false << int(QValidator::Invalid);
    QTest::newRow("letters") << "19a.1.1.1" << false << int(QValidator::Invalid);
    QTest::newRow("five parts") << "1.1.1.1.1" << false << int(QValidator::Invalid);
    QTest::newRow("four digits") << "1000.1.1.1" << false << int(QValidator::Invalid);
}

void tst_IpAddressValidator::validate()
{
    QFETCH(QString, input);
    QFETCH(bool, acceptEmpty);
    QFETCH(int, state);

    IpAddressValidator validator(u'_', acceptEmpty);
    int position = 0;
    QCOMPARE(int(validator.validate(input, position)), state);
}

void tst_IpAddressValidator::maskedLineEditRefusesImpossibleOctets()
{
    QLineEdit edit;
    edit.setValidator(new IpAddressValidator(u'_', false, &edit));
    edit.setInputMask("000.000.000.000;_");
    edit.setCursorPosition(0);
    QTest::keyClicks(&edit, "192168001010");
    QCOMPARE(edit.text(), QString("192.168.001.010"));
    QVERIFY(edit.hasAcceptableInput());

    edit.clear();
    edit.setCursorPosition(0);
    QTest::keyClicks(&edit, "999");
    QVERIFY(!edit.text().startsWith("999"));
    QVERIFY(!edit.hasAcceptableInput());
}

QTEST_MAIN(tst_IpAddressValidator)
#include "tst_ipaddressvalidator.moc"
