#include "BaseMessageProvider.h"

#include <QModelIndex>

namespace Corvane::Configurator {

const HelpMessage BaseMessageProvider::s_emptyMessage;

HelpMessage BaseMessageProvider::getHelpMessage(const QModelIndex& /*index*/) const
{
    return s_emptyMessage;
}

} // namespace Corvane::Configurator
