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
    QLabel* minTick = centredLabel(QStringLiteral("|"), QStringLiteral("minTick"), this);
    QLabel* maxTick = centredLabel(QStringLiteral("|"), QStringLiteral("maxTick"), this);
    m_minValueLabel = centredLabel(QString(), QStringLiteral("valueText"), this);
    m_maxValueLabel = centredLabel(QString(), QStringLiteral("valueText"), this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_slider);
    layout->addLayout(pairLayout(minTick, maxTick));
    layout->addLayout(pairLayout(m_minValueLabel, m_maxValueLabel));
    layout->addStretch();
}

} // namespace Corvane::Gadgets
