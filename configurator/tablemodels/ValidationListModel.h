#pragma once

#include "devices/validation/ValidationItem.h"

#include <QAbstractListModel>
#include <QList>

namespace Corvane::Configurator::TableModels {

// The errors and warnings of the last validation, in validator order: the
// text with an error or warning icon.
class ValidationListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    explicit ValidationListModel(QObject* parent = nullptr);

    // Replaces the findings; views see it as a model reset.
    void setValidationItems(const QList<Devices::Validation::ValidationItem>& items);
    const QList<Devices::Validation::ValidationItem>& validationItems() const { return m_items; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    QList<Devices::Validation::ValidationItem> m_items;
};

} // namespace Corvane::Configurator::TableModels
