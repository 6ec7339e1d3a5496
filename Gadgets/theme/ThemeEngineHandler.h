#pragma once

#include <QtCore/private/qabstractfileengine_p.h>

namespace Corvane::Gadgets {

// Plugs ThemeFileEngine into Qt's file system layer for as long as it lives:
// QFile, QSettings, QImageReader and style-sheet urls then read
// "__theme_<file>" names from the active theme. The host keeps one for the
// whole run.
class ThemeEngineHandler : public QAbstractFileEngineHandler
{
public:
    QAbstractFileEngine* create(const QString& fileName) const override;
};

} // namespace Corvane::Gadgets
