#pragma once

#include <QStyledItemDelegate>

namespace Corvane::Devices {
class Configuration;
}

namespace Corvane::Configurator::EditDelegates {

// Paints the pages tree; a plant whose gateway the last validation marked
// with an address error (IP, duplicate IP or univocal code) is tinted red.
class DeviceTreeDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit DeviceTreeDelegate(QObject* parent = nullptr);

    void setConfiguration(const Devices::Configuration* project) { m_project = project; }
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    bool isPlantMarked(const QModelIndex& index) const;

private:
    const Devices::Configuration* m_project = nullptr;
};

} // namespace Corvane::Configurator::EditDelegates
