#include "ApplicationIcon.h"

#include <QApplication>
#include <QIcon>

namespace Corvane::Sentrel {

void setApplicationIcon()
{
    if (QApplication::windowIcon().isNull())
        QApplication::setWindowIcon(QIcon(QStringLiteral(":/Images/Sentrel.png")));
}

} // namespace Corvane::Sentrel
