#pragma once

#include "HelpMessage.h"

class QModelIndex;

namespace Corvane::Configurator {

// What every model of the editor answers: the help for one of its cells.
// Objects implementing it are owned and deleted through their QObject side.
class BaseMessageProvider
{
public:
    // The empty help for every index.
    virtual HelpMessage getHelpMessage(const QModelIndex& index) const;

protected:
    ~BaseMessageProvider() = default;

    static const HelpMessage s_emptyMessage;
};

} // namespace Corvane::Configurator
