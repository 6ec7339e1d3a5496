#pragma once

#include <QPushButton>

namespace Corvane::Gadgets {

// A push button whose whole rectangle takes clicks, also where a style
// would draw no bevel (flat icon buttons).
class CustomPushButton : public QPushButton
{
    Q_OBJECT

public:
    explicit CustomPushButton(QWidget* parent = nullptr);
    explicit CustomPushButton(const QString& text, QWidget* parent = nullptr);
    CustomPushButton(const QIcon& icon, const QString& text, QWidget* parent = nullptr);

protected:
    bool hitButton(const QPoint& pos) const override;
};

} // namespace Corvane::Gadgets
