#include "models/DropDownItemModel.h"

namespace Corvane::Gadgets::Models {

DropDownItemModel::DropDownItemModel(int id, const QString& text)
    : m_id(id)
    , m_text(text)
{
}

void DropDownItemModel::setText(const QString& text)
{
    if (text == m_text)
        return;
    m_text = text;
    Q_EMIT textChanged(m_text);
}

} // namespace Corvane::Gadgets::Models
