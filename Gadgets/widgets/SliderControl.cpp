#include "widgets/SliderControl.h"

#include "widgets/Slider.h"

#include <QBoxLayout>
#include <QLabel>

namespace Corvane::Gadgets {

namespace {

constexpr int LABEL_GAP_STRETCH = 1000;

QLabel* centredLabel(const QString& text, const QString& objectName, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignCenter);
    label->setObjectName(objectName);
    return label;
}

QHBoxLayout* pairLayout(QWidget* leading, QWidget* trailing)
{
    auto* layout = new QHBoxLayout;
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(leading);
    layout->addStretch(LABEL_GAP_STRETCH);
    layout->addWidget(trailing);
    return layout;
}

} // namespace

SliderControl::SliderControl(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_NoSystemBackground);

    m_slider = new Slider(Qt::Horizontal, this);
    m_slider->setObjectName(QStringLiteral("sliderControl"));
    m_minTick = centredLabel(QStringLiteral("|"), QStringLiteral("minTick"), this);
    m_maxTick = centredLabel(QStringLiteral("|"), QStringLiteral("maxTick"), this);
    m_minValueLabel = centredLabel(QString(), QStringLiteral("valueText"), this);
    m_maxValueLabel = centredLabel(QString(), QStringLiteral("valueText"), this);

    m_layout = new QVBoxLayout(this);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);
    m_layout->addWidget(m_slider);
    m_layout->addLayout(pairLayout(m_minTick, m_maxTick));
    m_layout->addLayout(pairLayout(m_minValueLabel, m_maxValueLabel));
    m_layout->addStretch();
}

} // namespace Corvane::Gadgets
