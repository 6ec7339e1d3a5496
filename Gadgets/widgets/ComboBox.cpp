#include "widgets/ComboBox.h"

#include <QAbstractItemView>
#include <QWheelEvent>

namespace Corvane::Gadgets {

ComboBox::ComboBox(QWidget* parent)
    : QComboBox(parent)
{
    view()->setTextElideMode(Qt::ElideNone);
    view()->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view()->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

int ComboBox::maxItemTextWidth() const
{
    if (count() == 0)
        return -1;
    QFont measureFont = font();
    measureFont.setWeight(QFont::Bold);
    measureFont.setItalic(true);
    const QFontMetrics metrics(measureFont);
    int widest = 0;
    for (int i = 0; i < count(); ++i)
        widest = qMax(widest, metrics.horizontalAdvance(itemText(i)));
    return widest + 3 * metrics.horizontalAdvance(QStringLiteral("a"));
}

void ComboBox::fitAllItemsInWidth()
{
    const int width = maxItemTextWidth();
    if (width >= 1 && width > this->width())
        view()->setMinimumWidth(width);
}

bool ComboBox::setChoiceByData(const QVariant& data)
{
    const int index = findData(data, Qt::UserRole, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0 || index == currentIndex())
        return false;
    setCurrentIndex(index);
    return true;
}

QVariant ComboBox::currentItemData() const
{
    return currentData(Qt::UserRole);
}

void ComboBox::setItemsAlignment(Qt::Alignment alignment)
{
    for (int i = 0; i < count(); ++i)
        setItemData(i, int(alignment), Qt::TextAlignmentRole);
}

void ComboBox::mousePressEvent(QMouseEvent* event)
{
    fitAllItemsInWidth();
    QComboBox::mousePressEvent(event);
}

void ComboBox::wheelEvent(QWheelEvent* event)
{
    if (ignoreWheel) {
        event->ignore();
        return;
    }
    QComboBox::wheelEvent(event);
}

} // namespace Corvane::Gadgets
