#pragma once

#include <QWidget>

class QLabel;
class QVBoxLayout;

namespace Corvane::Gadgets {

class Slider;

// A horizontal slider with a tick mark under each end and a value label
// under each tick; the owner sets the labels' texts.
class SliderControl : public QWidget
{
    Q_OBJECT

public:
    explicit SliderControl(QWidget* parent = nullptr);

    Slider* slider() const { return m_slider; }
    QLabel* minValueLabel() const { return m_minValueLabel; }
    QLabel* maxValueLabel() const { return m_maxValueLabel; }

private:
    QVBoxLayout* m_layout = nullptr;
    Slider* m_slider = nullptr;
    QLabel* m_minTick = nullptr;
    QLabel* m_maxTick = nullptr;
    QLabel* m_minValueLabel = nullptr;
    QLabel* m_maxValueLabel = nullptr;
};

} // namespace Corvane::Gadgets
