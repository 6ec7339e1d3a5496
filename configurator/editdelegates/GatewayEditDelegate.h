#pragma once

#include "editdelegates/BaseEditDelegate.h"

namespace Corvane::Devices {
class Configuration;
}

namespace Corvane::Configurator::EditDelegates {

// Editors of the gateway rows: combos for the address type and the viewer
// flag (committed on choice), a masked IPv4 editor and a digits-only
// password editor. An address with a number above 255, a univocal code
// that is not a number or a password of other than 5 to 9 digits is refused
// (ValueRefusal), never changed into another value. Paints a wrong or conflicting IP address or univocal code
// red.
class GatewayEditDelegate : public BaseEditDelegate
{
    Q_OBJECT

public:
    static const QChar IP_MASK_BLANK;
    static const QColor WRONG_ADDRESS_TINT;

    explicit GatewayEditDelegate(const Devices::Configuration* project, QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

    // Whether the row of index is an address row to be shown as wrong.
    bool isRowWrong(const QModelIndex& index) const;

private Q_SLOTS:
    void onIpAddressEdited();

private:
    // Whether text may be stored in the row of field; tells the user why not.
    bool accepts(int field, const QString& text, QWidget* editor) const;

    const Devices::Configuration* m_project;
};

} // namespace Corvane::Configurator::EditDelegates
