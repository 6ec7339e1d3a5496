#include "text/LineTextEditor.h"

#include <QGraphicsProxyWidget>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>

using namespace Corvane::Gadgets;

class tst_LineTextEditor : public QObject
{
    Q_OBJECT

private slots:
    void escapeUndoesEveryChange()
    {
        QGraphicsRectItem owner;
        auto* editor = new LineTextEditor("Kitchen", &owner);
        QSignalSpy cancelled(editor, &LineTextEditor::cancelTextEditChanges);
        QTest::keyClick(editor, Qt::Key_End);
        QTest::keyClicks(editor, " lights");
        QTest::keyClick(editor, Qt::Key_Backspace);
        QTest::keyClick(editor, Qt::Key_Home);
        QTest::keyClicks(editor, "My ");
        QCOMPARE(editor->text(), QString("My Kitchen light"));
        QTest::keyClick(editor, Qt::Key_Escape);
        QCOMPARE(editor->text(), QString("Kitchen"));
        QCOMPARE(cancelled.count(), 1);
    }

    void emptyTextDoesNotFinish_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("finished");
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("not empty") << "Hall" << 1;
    }

    void emptyTextDoesNotFinish()
    {
        QFETCH(QString, text);
        QFETCH(int, finished);
        QGraphicsRectItem owner;
        auto* editor = new LineTextEditor(&owner);
        editor->setText(text);
        QSignalSpy spy(editor, &QLineEdit::editingFinished);
        QTest::keyClick(editor, Qt::Key_Return);
        QCOMPARE(spy.count(), finished);
    }

    void editModeTakesAndReleasesTheKeyboard()
    {
        QGraphicsScene scene;
        auto* owner = new QGraphicsRectItem(0, 0, 100, 20);
        scene.addItem(owner);
        auto* editor = new LineTextEditor("Hall", owner);
        QCOMPARE(editor->proxy()->parentItem(), owner);
        editor->setIsInEditMode(true);
        QVERIFY(editor->proxy()->isVisible());
        QVERIFY(editor->hasKeyboardGrab());
        editor->setIsInEditMode(false);
        QVERIFY(!editor->proxy()->isVisible());
        QVERIFY(!editor->hasKeyboardGrab());
    }

    // An embedded editor must not become a native top-level window: each one
    // would be an unmapped window of the program on the desktop.
    void embeddingMakesNoNativeWindow()
    {
        QGraphicsScene scene;
        auto* owner = new QGraphicsRectItem(0, 0, 100, 20);
        scene.addItem(owner);
        auto* editor = new LineTextEditor("Hall", owner);
        QVERIFY(!editor->proxy()->isVisible());
        QVERIFY(!editor->testAttribute(Qt::WA_WState_Created));
        QVERIFY(!editor->windowHandle());
    }

    void destroyingTheOwnerFreesEditorAndProxy()
    {
        auto* owner = new QGraphicsRectItem;
        QPointer<LineTextEditor> editor = new LineTextEditor("Hall", owner);
        delete owner;
        QVERIFY(editor.isNull());

        QPointer<LineTextEditor> orphan = new LineTextEditor("Hall", nullptr);
        QGraphicsProxyWidget* proxy = orphan->proxy();
        delete proxy;
        QVERIFY(orphan.isNull());
    }
};

QTEST_MAIN(tst_LineTextEditor)
#include "tst_linetexteditor.moc"
