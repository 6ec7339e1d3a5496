#include "QuestionDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

using Corvane::Updater::QuestionDialog;

class tst_QuestionDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void buttons_data();
    void buttons();
    void checkBox();
    void windowSetup();
};

void tst_QuestionDialog::buttons_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("result");

    QTest::newRow("yes") << "Yes" << int(QMessageBox::Yes);
    QTest::newRow("no") << "No" << int(QMessageBox::No);
}

void tst_QuestionDialog::buttons()
{
    QFETCH(QString, button);
    QFETCH(int, result);

    QuestionDialog dialog("Title", "Download?", "Don't show this message again", false, QPixmap());
    QPushButton* target = nullptr;
    for (QAbstractButton* candidate : dialog.findChild<QDialogButtonBox*>()->buttons()) {
        if (candidate->text() == button)
            target = qobject_cast<QPushButton*>(candidate);
    }
    QVERIFY(target);
    dialog.show();
    QTest::mouseClick(target, Qt::LeftButton);
    QCOMPARE(dialog.result(), result);
    QVERIFY(!dialog.isVisible());
}

void tst_QuestionDialog::checkBox()
{
    QuestionDialog unchecked("", "Text", "Box", false, QPixmap());
    QVERIFY(!unchecked.isCheckBoxChecked());
    unchecked.findChild<QCheckBox*>()->click();
    QVERIFY(unchecked.isCheckBoxChecked());

    QuestionDialog checked("", "Text", "Box", true, QPixmap());
    QVERIFY(checked.isCheckBoxChecked());
}

void tst_QuestionDialog::windowSetup()
{
    QuestionDialog dialog("Updater", "<a href=\"file:///tmp\">/tmp</a>", "Box", false, QPixmap(), nullptr,
                          Qt::Dialog);
    QCOMPARE(dialog.windowTitle(), QString("Updater"));
    QVERIFY(dialog.isModal());
    QVERIFY(dialog.windowFlags() & Qt::WindowCloseButtonHint);
    QVERIFY(dialog.windowFlags() & Qt::MSWindowsFixedSizeDialogHint);
    QVERIFY(dialog.findChild<QDialogButtonBox*>()->centerButtons());
    bool linksEnabled = false;
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        linksEnabled |= label->openExternalLinks() && (label->textInteractionFlags() & Qt::LinksAccessibleByMouse);
    QVERIFY(linksEnabled);

    QuestionDialog untitled("", "Text", "Box", false, QPixmap());
    QVERIFY(untitled.windowTitle().isEmpty());
}

QTEST_MAIN(tst_QuestionDialog)
#include "tst_questiondialog.moc"
