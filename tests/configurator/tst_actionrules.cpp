#include "ActionRules.h"

#include <QTest>

using namespace Corvane::Configurator;
using Node = DevicesTreeModel::NodeType;

Q_DECLARE_METATYPE(Corvane::Configurator::ActionContext)
Q_DECLARE_METATYPE(Corvane::Configurator::ActionStates)

namespace {

ActionContext context(Node node, QList<int> rows = {}, QList<int> selected = {}, bool project = true,
                      bool changes = false, int servers = 1)
{
    ActionContext result;
    result.hasProject = project;
    result.hasChanges = changes;
    result.webServerCount = servers;
    result.node = node;
    result.rowIds = rows;
    result.selectedIds = selected;
    return result;
}

// add, removeAll, remove, moveDown, moveUp, saveAs, activate, save
ActionStates states(std::initializer_list<bool> values)
{
    const QList<bool> v(values);
    return {v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7]};
}

} // namespace

class tst_ActionRules : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rules_data();
    void rules();
};

void tst_ActionRules::rules_data()
{
    QTest::addColumn<ActionContext>("context");
    QTest::addColumn<ActionStates>("expected");

    QTest::newRow("no project") << context(Node::None, {}, {}, false, false, 0)
                                << states({false, false, false, false, false, false, false, false});
    QTest::newRow("plant, empty table") << context(Node::NodePlant)
                                        << states({false, false, true, false, false, true, true, false});
    QTest::newRow("plant list with servers") << context(Node::NodePlantList)
                                             << states({true, true, false, false, false, true, true, false});
    QTest::newRow("plant list without servers") << context(Node::NodePlantList, {}, {}, true, false, 0)
                                                << states({true, false, false, false, false, true, true, false});
    QTest::newRow("one row selected") << context(Node::NodeLights, {1}, {1})
                                      << states({true, true, true, false, false, true, true, false});
    QTest::newRow("rows 1 and 3 of three") << context(Node::NodeLights, {1, 2, 3}, {1, 3})
                                           << states({true, true, true, false, false, true, true, false});
    QTest::newRow("row 2 of three") << context(Node::NodeLights, {1, 2, 3}, {2})
                                    << states({true, true, true, true, true, true, true, false});
    QTest::newRow("first row") << context(Node::NodeLoad, {1, 2, 3}, {1})
                               << states({true, true, true, true, false, true, true, false});
    QTest::newRow("no selection") << context(Node::NodeScenarios, {1, 2})
                                  << states({true, true, false, false, false, true, true, false});
    QTest::newRow("general parameters, changed") << context(Node::NodeGeneralParams, {}, {}, true, true)
                                                 << states({false, false, false, false, false, true, true, true});
    QTest::newRow("gadget") << context(Node::NodeGadget) << states({false, false, false, false, false, true, true, false});
    QTest::newRow("unknown node") << context(Node(5)) << states({false, false, false, false, false, true, true, false});
}

void tst_ActionRules::rules()
{
    QFETCH(ActionContext, context);
    QFETCH(ActionStates, expected);
    const ActionStates actual = ActionRules::evaluate(context);
    QCOMPARE(actual.add, expected.add);
    QCOMPARE(actual.removeAll, expected.removeAll);
    QCOMPARE(actual.remove, expected.remove);
    QCOMPARE(actual.moveDown, expected.moveDown);
    QCOMPARE(actual.moveUp, expected.moveUp);
    QCOMPARE(actual.saveAs, expected.saveAs);
    QCOMPARE(actual.activate, expected.activate);
    QCOMPARE(actual.save, expected.save);
}

QTEST_GUILESS_MAIN(tst_ActionRules)
#include "tst_actionrules.moc"
