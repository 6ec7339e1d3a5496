#include "theme/ThemeEngineHandler.h"

#include "theme/ThemeFileEngine.h"

namespace Corvane::Gadgets {

QAbstractFileEngine* ThemeEngineHandler::create(const QString& fileName) const
{
    if (!fileName.startsWith(ThemeFileEngine::THEME_FILE_PREFIX, Qt::CaseInsensitive))
        return nullptr;
    return new ThemeFileEngine(fileName);
}

} // namespace Corvane::Gadgets
