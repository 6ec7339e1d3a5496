#pragma once

#include <QWidget>

class QLabel;

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
    Slider* m_slider = nullptr;
    QLabel* m_minValueLabel = nullptr;
    QLabel* m_maxValueLabel = nullptr;
};

} // namespace Corvane::Gadgets
