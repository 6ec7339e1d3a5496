#include "scroll/CustomScrollBar.h"

#include "theme/ThemeProvider.h"
#include "widgets/Slider.h"

#include <QBoxLayout>
#include <QPixmap>
#include <QPushButton>
#include <QTransform>

namespace Corvane::Gadgets {

namespace {

constexpr int REPEAT_THRESHOLD = 500;
constexpr int REPEAT_PERIOD = 50;

QPixmap themePicture(const QString& fileName, Qt::Orientation orientation)
{
    QPixmap picture;
    ThemeProvider::renderElement(picture, fileName, QString());
    if (orientation == Qt::Horizontal)
        picture = picture.transformed(QTransform().rotate(-90), Qt::FastTransformation);
    return picture;
}

QPushButton* flatButton(const QPixmap& picture, const QString& objectName)
{
    auto* button = new QPushButton(QIcon(picture), QString());
    button->setIconSize(picture.size());
    button->setFlat(true);
    button->setObjectName(objectName);
    return button;
}

} // namespace

CustomScrollBar::CustomScrollBar(QWidget* parent)
    : CustomScrollBar(Qt::Vertical, parent)
{
}

CustomScrollBar::CustomScrollBar(Qt::Orientation orientation, QWidget* parent)
    : QWidget(parent)
{
    createControls(orientation);
}

CustomScrollBar::~CustomScrollBar() = default;

void CustomScrollBar::createControls(Qt::Orientation orientation)
{
    const bool vertical = orientation == Qt::Vertical;
    QBoxLayout* layout = vertical ? static_cast<QBoxLayout*>(new QVBoxLayout(this))
                                  : static_cast<QBoxLayout*>(new QHBoxLayout(this));
    const Qt::Alignment alignment = vertical ? Qt::AlignHCenter : Qt::AlignVCenter;
    layout->setSpacing(0);
    layout->setContentsMargins(0, 0, 0, 0);

    m_decreaseButton = flatButton(themePicture(QStringLiteral("scroll_decrease"), orientation),
                                  QStringLiteral("lineDecrease"));
    layout->addWidget(m_decreaseButton, 0, alignment);

    m_slider = new Slider(orientation, this);
    m_slider->setObjectName(QStringLiteral("scroller"));
    if (vertical) {
        m_slider->setInvertedAppearance(true);
        m_slider->setInvertedControls(true);
    }
    layout->addWidget(m_slider, 0, alignment);

    m_increaseButton = flatButton(themePicture(QStringLiteral("scroll_increase"), orientation),
                                  QStringLiteral("lineIncrease"));
    layout->addWidget(m_increaseButton, 0, alignment);

    connect(m_decreaseButton, &QPushButton::clicked, this, &CustomScrollBar::triggerLineDecrease);
    connect(m_increaseButton, &QPushButton::clicked, this, &CustomScrollBar::triggerLineIncrease);
    connect(m_decreaseButton, &QPushButton::pressed, this, &CustomScrollBar::triggerLineDecreaseRepeated);
    connect(m_increaseButton, &QPushButton::pressed, this, &CustomScrollBar::triggerLineIncreaseRepeated);
    connect(m_decreaseButton, &QPushButton::released, this, &CustomScrollBar::triggerLineChangeStopped);
    connect(m_increaseButton, &QPushButton::released, this, &CustomScrollBar::triggerLineChangeStopped);
}

void CustomScrollBar::triggerLineDecrease()
{
    m_slider->triggerAction(QAbstractSlider::SliderSingleStepSub);
}

void CustomScrollBar::triggerLineIncrease()
{
    m_slider->triggerAction(QAbstractSlider::SliderSingleStepAdd);
}

void CustomScrollBar::triggerLineDecreaseRepeated()
{
    m_slider->setActionToRepeat(QAbstractSlider::SliderSingleStepSub, REPEAT_THRESHOLD, REPEAT_PERIOD);
}

void CustomScrollBar::triggerLineIncreaseRepeated()
{
    m_slider->setActionToRepeat(QAbstractSlider::SliderSingleStepAdd, REPEAT_THRESHOLD, REPEAT_PERIOD);
}

void CustomScrollBar::triggerLineChangeStopped()
{
    if (m_slider->actionToRepeat() != QAbstractSlider::SliderNoAction)
        m_slider->setActionToRepeat(QAbstractSlider::SliderNoAction, REPEAT_THRESHOLD, REPEAT_PERIOD);
}

} // namespace Corvane::Gadgets
