#pragma once

#include <QList>
#include <QString>

namespace Corvane::Gadgets::Models {

class DropDownItemModel;

// The content of a drop-down: the text of the closed drop-down and its
// entries in display order. The entries are not owned; two models are equal
// when their texts are equal and they list the very same entries.
class DropDownModel
{
public:
    DropDownModel() = default;
    DropDownModel(const QList<DropDownItemModel*>& itemsModels, const QString& text);

    QString text() const { return m_text; }
    void setText(const QString& text) { m_text = text; }
    QList<DropDownItemModel*> itemsModels() const { return m_itemsModels; }
    void setItemsModels(const QList<DropDownItemModel*>& itemsModels) { m_itemsModels = itemsModels; }

    bool operator==(const DropDownModel& other) const;
    bool operator!=(const DropDownModel& other) const { return !(*this == other); }

private:
    QList<DropDownItemModel*> m_itemsModels;
    QString m_text;
};

} // namespace Corvane::Gadgets::Models
