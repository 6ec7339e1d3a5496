#include "editdelegates/ComboListFitter.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QLayout>
#include <QScreen>
#include <QStyle>
#include <QStyledItemDelegate>

namespace Corvane::Configurator::EditDelegates {

ComboListFitter::ComboListFitter(QComboBox* combo)
    : QObject(combo)
    , m_combo(combo)
{
    // A plain item delegate, whose size hints are those of its entries (a
    // style's menu-like delegate sizes an entry from the row it is given
    // and then cuts its text).
    combo->setItemDelegate(new QStyledItemDelegate(combo));
    combo->view()->setIconSize(combo->iconSize());
    combo->view()->window()->installEventFilter(this);
}

bool ComboListFitter::eventFilter(QObject* object, QEvent* event)
{
    if (event->type() == QEvent::Show && object == m_combo->view()->window())
        fit();
    return false;
}

void ComboListFitter::fit() const
{
    // Measured as the list shows, with the fonts and icons it shows.
    QAbstractItemView* view = m_combo->view();
    QWidget* list = view->window();
    int needed = view->sizeHintForColumn(0) + 2 * view->frameWidth();
    if (list->layout()) {
        const QMargins margins = list->layout()->contentsMargins();
        needed += margins.left() + margins.right();
    }
    if (m_combo->count() > m_combo->maxVisibleItems())
        needed += view->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, view);
    if (list->width() >= needed)
        return;
    QRect geometry = list->geometry();
    geometry.setWidth(needed);
    if (const QScreen* screen = list->screen()) {
        const QRect area = screen->availableGeometry();
        if (geometry.right() > area.right())
            geometry.moveRight(qMax(area.left() + needed - 1, area.right()));
    }
    list->setGeometry(geometry);
}

} // namespace Corvane::Configurator::EditDelegates
