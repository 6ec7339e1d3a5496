#include "models/DropDownModel.h"

namespace Corvane::Gadgets::Models {

DropDownModel::DropDownModel(const QList<DropDownItemModel*>& itemsModels, const QString& text)
    : m_itemsModels(itemsModels)
    , m_text(text)
{
}

bool DropDownModel::operator==(const DropDownModel& other) const
{
    return m_text == other.m_text && m_itemsModels == other.m_itemsModels;
}

} // namespace Corvane::Gadgets::Models
