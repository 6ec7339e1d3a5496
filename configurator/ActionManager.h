#pragma once

#include <QIcon>
#include <QList>
#include <QObject>
#include <QPointer>

class QAction;

namespace Corvane::Configurator {

class AdminConfigurator;

// Registry of the editor's commands by key. An action lives as long as the
// object that created it and leaves the registry with it, so that a later
// window registers its own.
class ActionManager : public QObject
{
    Q_OBJECT

public:
    static const QString CONFIG_NEW_ACTION;
    static const QString CONFIG_OPEN_ACTION;
    static const QString CONFIG_SAVE_ACTION;
    static const QString CONFIG_SAVE_AS_ACTION;
    static const QString IMPORT_DATA_ACTION;
    static const QString EXIT_ACTION;
    static const QString CONFIG_LOAD_ACTION;
    static const QString CONFIG_ACTIVATE_ACTION;
    static const QString ABOUT_ACTION;
    static const QString BRAND_SITE_ACTION;
    static const QString CHECK_FOR_UPDATE_ACTION;
    static const QString DEVICES_ADD_ACTION;
    static const QString DEVICES_REMOVE_ACTION;
    static const QString DEVICES_REMOVE_ALL_ACTION;
    static const QString DEVICES_MOVE_UP_ACTION;
    static const QString DEVICES_MOVE_DOWN_ACTION;
    static const QString LANGUAGE_SET_ACTION;

    static ActionManager* instance();

    // A new action owned by owner (the manager when null), or null (and a
    // log line) when the key is registered already.
    static QAction* createAction(const QString& key, const QIcon& icon, QObject* owner = nullptr);
    static QAction* getActionByKey(const QString& key);
    static QList<QAction*> actions();

    // Sets the enable state of the registered actions from the view.
    static void updateActionStates(const AdminConfigurator* view);

private:
    ActionManager() = default;
    static void setEnabled(const QString& key, bool enabled);

    static QList<QPointer<QAction>> m_actions;
};

} // namespace Corvane::Configurator
