#include "ActionManager.h"

#include "ActionRules.h"
#include "AdminConfigurator.h"
#include "log/Logger.h"

#include <QAction>

namespace Corvane::Configurator {

const QString ActionManager::CONFIG_NEW_ACTION = QStringLiteral("CONFIG_NEW_ACTION");
const QString ActionManager::CONFIG_OPEN_ACTION = QStringLiteral("CONFIG_OPEN_ACTION");
const QString ActionManager::CONFIG_SAVE_ACTION = QStringLiteral("SAVE_CONFIG_ACTION");
const QString ActionManager::CONFIG_SAVE_AS_ACTION = QStringLiteral("CONFIG_SAVE_AS_ACTION");
const QString ActionManager::IMPORT_DATA_ACTION = QStringLiteral("IMPORT_DATA_ACTION");
const QString ActionManager::EXIT_ACTION = QStringLiteral("EXIT_ACTION");
const QString ActionManager::CONFIG_LOAD_ACTION = QStringLiteral("CONFIG_LOAD_ACTION");
const QString ActionManager::CONFIG_ACTIVATE_ACTION = QStringLiteral("CONFIG_ACTIVATE_ACTION");
const QString ActionManager::ABOUT_ACTION = QStringLiteral("ABOUT_ACTION");
const QString ActionManager::BRAND_SITE_ACTION = QStringLiteral("BRAND_SITE_ACTION");
const QString ActionManager::CHECK_FOR_UPDATE_ACTION = QStringLiteral("CHECK_FOR_UPDATE_ACTION");
const QString ActionManager::DEVICES_ADD_ACTION = QStringLiteral("ADD_DEVICE_ACTION");
const QString ActionManager::DEVICES_REMOVE_ACTION = QStringLiteral("REMOVE_DEVICE_ACTION");
const QString ActionManager::DEVICES_REMOVE_ALL_ACTION = QStringLiteral("REMOVE_ALL_DEVICES_ACTION");
const QString ActionManager::DEVICES_MOVE_UP_ACTION = QStringLiteral("MOVE_UP_DEVICES_ACTION");
const QString ActionManager::DEVICES_MOVE_DOWN_ACTION = QStringLiteral("MOVE_DOWN_DEVICES_ACTION");
const QString ActionManager::LANGUAGE_SET_ACTION = QStringLiteral("LANGUAGE_SET_ACTION");

QList<QPointer<QAction>> ActionManager::m_actions;

ActionManager* ActionManager::instance()
{
    static ActionManager manager;
    return &manager;
}

QAction* ActionManager::createAction(const QString& key, const QIcon& icon, QObject* owner)
{
    if (getActionByKey(key)) {
        Log::Logger(Log::Logger::Warning) << Q_FUNC_INFO << ": trying to create action with duplicate key " << key;
        return nullptr;
    }
    auto* action = new QAction(icon, QString(), owner ? owner : instance());
    action->setObjectName(key);
    m_actions.append(action);
    connect(action, &QObject::destroyed, instance(), [action] { m_actions.removeAll(action); });
    return action;
}

QAction* ActionManager::getActionByKey(const QString& key)
{
    m_actions.removeAll(nullptr);
    for (const QPointer<QAction>& action : std::as_const(m_actions)) {
        if (action && action->objectName() == key)
            return action;
    }
    return nullptr;
}

QList<QAction*> ActionManager::actions()
{
    QList<QAction*> result;
    for (const QPointer<QAction>& action : std::as_const(m_actions)) {
        if (action)
            result.append(action);
    }
    return result;
}

void ActionManager::setEnabled(const QString& key, bool enabled)
{
    if (QAction* action = getActionByKey(key))
        action->setEnabled(enabled);
}

void ActionManager::updateActionStates(const AdminConfigurator* view)
{
    if (!view)
        return;
    const ActionStates states = ActionRules::evaluate(view->actionContext());
    setEnabled(DEVICES_ADD_ACTION, states.add);
    setEnabled(DEVICES_REMOVE_ALL_ACTION, states.removeAll);
    setEnabled(DEVICES_REMOVE_ACTION, states.remove);
    setEnabled(DEVICES_MOVE_DOWN_ACTION, states.moveDown);
    setEnabled(DEVICES_MOVE_UP_ACTION, states.moveUp);
    setEnabled(CONFIG_SAVE_AS_ACTION, states.saveAs);
    setEnabled(CONFIG_ACTIVATE_ACTION, states.activate);
    setEnabled(CONFIG_SAVE_ACTION, states.save);
}

} // namespace Corvane::Configurator
