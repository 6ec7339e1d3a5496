#include "editors/BaseEditorDialog.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalSpy>
#include <QTest>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>

using Corvane::Configurator::Editors::BaseEditorDialog;

namespace {

class CountingDialog : public BaseEditorDialog
{
public:
    using BaseEditorDialog::BaseEditorDialog;
    int adds = 0;
    int removes = 0;

protected:
    void onAddClicked() override { ++adds; }
    void onRemoveClicked() override { ++removes; }
};

// A content of a label and two fields in a scroll area, in an inner layout.
class FieldsDialog : public BaseEditorDialog
{
public:
    FieldsDialog()
        : BaseEditorDialog(true)
    {
        auto* fields = new QWidget;
        auto* row = new QHBoxLayout(fields);
        row->addWidget(new QLabel(QStringLiteral("Name"), fields));
        first = new QLineEdit(fields);
        row->addWidget(first);
        row->addWidget(new QLineEdit(fields));
        auto* scrollArea = new QScrollArea(this);
        scrollArea->setWidget(fields);
        auto* inner = new QHBoxLayout;
        inner->addWidget(scrollArea);
        contentLayout()->addLayout(inner);
    }
    QLineEdit* first = nullptr;
};

} // namespace

class tst_BaseEditorDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void frame();
    void closing_data();
    void closing();
    void addRemoveToolBar();
    void helpFollowsLayoutDirection();
    void opensInItsFirstField();
};

void tst_BaseEditorDialog::opensInItsFirstField()
{
    FieldsDialog dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.focusWidget(), dialog.first);
    QTest::keyClicks(dialog.focusWidget(), "Hall");
    QCOMPARE(dialog.first->text(), QString("Hall"));
}

void tst_BaseEditorDialog::frame()
{
    BaseEditorDialog dialog(false);
    QCOMPARE(dialog.sizeHint(), QSize(300, 420));
    QCOMPARE(dialog.minimumSize(), QSize(300, 420));
    QCOMPARE(dialog.windowModality(), Qt::ApplicationModal);
    QVERIFY(!dialog.accepted());
    QVERIFY(!dialog.findChild<QToolBar*>("toolBar"));
    QVERIFY(dialog.findChild<QLabel*>("separator"));
    auto* help = dialog.findChild<QTextEdit*>("helpMessage");
    QVERIFY(help && help->isReadOnly());
    QVERIFY(dialog.styleSheet().contains("#helpMessage"));
}

void tst_BaseEditorDialog::closing_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("confirm") << "confirmButton" << true;
    QTest::newRow("cancel") << "cancelButton" << false;
    QTest::newRow("frame") << "" << false;
    QTest::newRow("escape") << "escape" << false;
}

void tst_BaseEditorDialog::closing()
{
    QFETCH(QString, how);
    QFETCH(bool, accepted);

    BaseEditorDialog dialog(false);
    dialog.show();
    QSignalSpy closed(&dialog, &BaseEditorDialog::closed);
    if (how.isEmpty())
        dialog.close();
    else if (how == "escape")
        QTest::keyClick(&dialog, Qt::Key_Escape);
    else
        QTest::mouseClick(dialog.findChild<QPushButton*>(how), Qt::LeftButton);
    QCOMPARE(closed.count(), 1);
    QCoreApplication::processEvents();
    QCOMPARE(closed.count(), 1);
    QCOMPARE(dialog.accepted(), accepted);
    QVERIFY(!dialog.isVisible());
}

void tst_BaseEditorDialog::addRemoveToolBar()
{
    CountingDialog dialog(true);
    auto* toolBar = dialog.findChild<QToolBar*>("toolBar");
    QVERIFY(toolBar);
    const auto buttons = toolBar->findChildren<QToolButton*>();
    QToolButton* add = nullptr;
    QToolButton* remove = nullptr;
    for (QToolButton* button : buttons) {
        if (button->toolTip() == "Add")
            add = button;
        else if (button->toolTip() == "Remove")
            remove = button;
    }
    QVERIFY(add && remove);
    add->click();
    add->click();
    remove->click();
    QCOMPARE(dialog.adds, 2);
    QCOMPARE(dialog.removes, 1);
}

void tst_BaseEditorDialog::helpFollowsLayoutDirection()
{
    BaseEditorDialog dialog(false);
    QApplication::setLayoutDirection(Qt::RightToLeft);
    dialog.displayHelpMessage("<b>Caption</b><br>Text");
    auto* help = dialog.findChild<QTextEdit*>("helpMessage");
    QCOMPARE(help->document()->defaultTextOption().textDirection(), Qt::RightToLeft);
    QCOMPARE(help->toPlainText(), QString("Caption\nText"));
    QApplication::setLayoutDirection(Qt::LeftToRight);
}

QTEST_MAIN(tst_BaseEditorDialog)
#include "tst_baseeditordialog.moc"
