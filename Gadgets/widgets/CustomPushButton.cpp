#include "widgets/CustomPushButton.h"

namespace Corvane::Gadgets {

CustomPushButton::CustomPushButton(QWidget* parent)
    : QPushButton(parent)
{
}

CustomPushButton::CustomPushButton(const QString& text, QWidget* parent)
    : QPushButton(text, parent)
{
}

CustomPushButton::CustomPushButton(const QIcon& icon, const QString& text, QWidget* parent)
    : QPushButton(icon, text, parent)
{
}

bool CustomPushButton::hitButton(const QPoint& pos) const
{
    return QAbstractButton::hitButton(pos);
}

} // namespace Corvane::Gadgets
