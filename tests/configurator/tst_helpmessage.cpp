#include "BaseMessageProvider.h"
#include "HelpMessage.h"

#include <QModelIndex>
#include <QTest>

using Corvane::Configurator::BaseMessageProvider;
using Corvane::Configurator::HelpMessage;

namespace {

class Provider : public BaseMessageProvider
{
};

} // namespace

class tst_HelpMessage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void toHtml_data();
    void toHtml();
    void baseProviderAnswersEmpty();
};

void tst_HelpMessage::toHtml_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("html");

    QTest::newRow("both") << "Plant list" << "Add plant" << "<b>Plant list</b><br>Add plant";
    QTest::newRow("caption only") << "Gadget" << "" << "<b>Gadget</b>";
    QTest::newRow("text only") << "" << "Add plant" << "<b></b><br>Add plant";
    QTest::newRow("empty") << "" << "" << "";
    QTest::newRow("markup kept") << "<i>A</i>" << "x &lt; y" << "<b><i>A</i></b><br>x &lt; y";
}

void tst_HelpMessage::toHtml()
{
    QFETCH(QString, caption);
    QFETCH(QString, text);
    QFETCH(QString, html);

    const HelpMessage message(caption, text);
    QCOMPARE(message.caption(), caption);
    QCOMPARE(message.text(), text);
    QCOMPARE(message.toHtml(), html);
}

void tst_HelpMessage::baseProviderAnswersEmpty()
{
    const Provider provider;
    const HelpMessage message = provider.getHelpMessage(QModelIndex());
    QVERIFY(message.caption().isEmpty());
    QVERIFY(message.text().isEmpty());
    QVERIFY(message.toHtml().isEmpty());
}

QTEST_GUILESS_MAIN(tst_HelpMessage)
#include "tst_helpmessage.moc"
