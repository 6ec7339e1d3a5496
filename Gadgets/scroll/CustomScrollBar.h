#pragma once

#include <QWidget>

class QPushButton;

namespace Corvane::Gadgets {

class Slider;

// A themed scroll bar for widget dialogs: a slider between two flat buttons
// showing the theme's "scroll_decrease" and "scroll_increase" pictures. A
// click steps the slider once; a held button repeats the step every 50 ms
// after 500 ms.
class CustomScrollBar : public QWidget
{
    Q_OBJECT

public:
    explicit CustomScrollBar(QWidget* parent = nullptr);
    CustomScrollBar(Qt::Orientation orientation, QWidget* parent = nullptr);
    ~CustomScrollBar() override;

    Slider* slider() const { return m_slider; }
    QPushButton* decreaseButton() const { return m_decreaseButton; }
    QPushButton* increaseButton() const { return m_increaseButton; }
    void createControls(Qt::Orientation orientation);

public slots:
    void triggerLineDecrease();
    void triggerLineIncrease();
    void triggerLineDecreaseRepeated();
    void triggerLineIncreaseRepeated();
    void triggerLineChangeStopped();

private:
    Slider* m_slider = nullptr;
    QPushButton* m_decreaseButton = nullptr;
    QPushButton* m_increaseButton = nullptr;
};

} // namespace Corvane::Gadgets
