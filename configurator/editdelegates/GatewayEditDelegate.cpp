#include "editdelegates/GatewayEditDelegate.h"

#include "editdelegates/DescriptionLimit.h"
#include "editdelegates/ValueRefusal.h"

#include "devices/ConfigUtilities.h"
#include "devices/Configuration.h"
#include "devices/DeviceNetworkAddress.h"
#include "devices/validation/ConfigurationValidator.h"
#include "devices/validation/ValidationItem.h"
#include "editors/IpTypeEditor.h"
#include "tablemodels/GatewayTreeModel.h"
#include "utilities/GeneralUtilities.h"

#include <QLineEdit>
#include <QPainter>
#include <QRegularExpressionValidator>

namespace Corvane::Configurator::EditDelegates {

using Devices::DeviceNetworkAddress;
using Devices::Validation::ValidationItem;
using TableModels::GatewayTreeModel;
using Utilities::GeneralUtilities;

const QChar GatewayEditDelegate::IP_MASK_BLANK = u'_';
const QColor GatewayEditDelegate::WRONG_ADDRESS_TINT(255, 0, 0, 128);

namespace {

const GatewayTreeModel* gatewayModel(const QModelIndex& index)
{
    return qobject_cast<const GatewayTreeModel*>(index.model());
}

} // namespace

GatewayEditDelegate::GatewayEditDelegate(const Devices::Configuration* project, QObject* parent)
    : BaseEditDelegate(parent)
    , m_project(project)
{
}

bool GatewayEditDelegate::isRowWrong(const QModelIndex& index) const
{
    const GatewayTreeModel* model = gatewayModel(index);
    if (!model)
        return false;
    const GatewayTreeModel::FieldType field = model->getFieldType(index);
    const QList<int> errors = m_project ? m_project->deviceErrors(model->serverId()) : QList<int>();
    const QString value = index.siblingAtColumn(GatewayTreeModel::COLUMN_VALUE_INDEX).data(Qt::EditRole).toString();
    if (field == GatewayTreeModel::IpAddress) {
        QString normalized = value;
        if (!GeneralUtilities::isIPAddressValid(normalized, QChar(), true)
            || normalized == DeviceNetworkAddress::IP_DEFAULT_VALUE)
            return true;
        return errors.contains(ValidationItem::InvalidIp) || errors.contains(ValidationItem::DuplicateIp);
    }
    if (field == GatewayTreeModel::UnivocalCode)
        return value.toInt() == DeviceNetworkAddress::UC_DEFAULT_VALUE || errors.contains(ValidationItem::InvalidUc);
    return false;
}

void GatewayEditDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    if (isRowWrong(index))
        painter->fillRect(option.rect, WRONG_ADDRESS_TINT);
    BaseEditDelegate::paint(painter, option, index);
}

QSize GatewayEditDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    if (index.column() == 0)
        return {200, option.rect.height()};
    return BaseEditDelegate::sizeHint(option, index);
}

QWidget* GatewayEditDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                           const QModelIndex& index) const
{
    const GatewayTreeModel* model = gatewayModel(index);
    const GatewayTreeModel::FieldType field = model ? model->getFieldType(index) : GatewayTreeModel::NoField;
    QComboBox* combo = nullptr;
    if (field == GatewayTreeModel::AddressType) {
        combo = new Editors::IpTypeEditor(index.data(Qt::EditRole).toInt(), parent);
    } else if (field == GatewayTreeModel::Viewer) {
        combo = new QComboBox(parent);
        combo->addItem(Devices::ConfigUtilities::getEnabledString(false), false);
        combo->addItem(Devices::ConfigUtilities::getEnabledString(true), true);
        combo->setCurrentIndex(index.data(Qt::EditRole).toBool() ? 1 : 0);
    }
    if (combo) {
        connect(combo, &QComboBox::currentIndexChanged, this, &BaseEditDelegate::endEditing);
        return combo;
    }
    return BaseEditDelegate::createEditor(parent, option, index);
}

void GatewayEditDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    const GatewayTreeModel* model = gatewayModel(index);
    auto* lineEdit = qobject_cast<QLineEdit*>(editor);
    if (model && lineEdit) {
        const GatewayTreeModel::FieldType field = model->getFieldType(index);
        if (field == GatewayTreeModel::IpAddress) {
            // Every number keeps the digits typed, also above 255: the
            // address is checked as a whole when it is committed, rather than
            // keystrokes being dropped unseen (300 becoming 30).
            lineEdit->setInputMask(QStringLiteral("000.000.000.000;") + IP_MASK_BLANK);
            connect(lineEdit, &QLineEdit::textEdited, this, &GatewayEditDelegate::onIpAddressEdited, Qt::UniqueConnection);
        } else if (field == GatewayTreeModel::Password) {
            // Digits only; the length is checked when committed. (An input
            // mask would show a stored password shorter than it as blank.)
            static const QRegularExpression digits(QStringLiteral("[0-9]{0,9}"));
            lineEdit->setValidator(new QRegularExpressionValidator(digits, lineEdit));
        }
    }
    if (qobject_cast<QComboBox*>(editor))
        return; // built with the current value
    BaseEditDelegate::setEditorData(editor, index);
}

void GatewayEditDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        model->setData(index, combo->currentData(Qt::UserRole), Qt::EditRole);
        return;
    }
    // A plant's description has the same length limit as a device's: a
    // longer one is cut only when the user agrees, never silently at save.
    const GatewayTreeModel* gateway = gatewayModel(index);
    auto* lineEdit = qobject_cast<QLineEdit*>(editor);
    if (gateway && lineEdit && gateway->getFieldType(index) == GatewayTreeModel::Description) {
        if (const std::optional<QString> text = DescriptionLimit::textToStore(lineEdit->text(), editor))
            model->setData(index, *text, Qt::EditRole);
        return;
    }
    if (gateway && lineEdit && !accepts(gateway->getFieldType(index), lineEdit->text(), editor))
        return;
    BaseEditDelegate::setModelData(editor, model, index);
}

bool GatewayEditDelegate::accepts(int field, const QString& text, QWidget* editor) const
{
    QString refusal;
    if (field == GatewayTreeModel::IpAddress && !Devices::Validation::ConfigurationValidator::isIpAddressValid(text))
        refusal = tr("\"%1\" is not a valid IP address: it has four numbers from 0 to 255, separated by dots. "
                     "The address was not changed.")
                      .arg(text);
    else if (field == GatewayTreeModel::UnivocalCode && !QRegularExpression(QStringLiteral("^[0-9]{1,9}$")).match(text).hasMatch())
        refusal = tr("\"%1\" is not a valid univocal code: it is a whole number of up to 9 digits. "
                     "The univocal code was not changed.")
                      .arg(text);
    else if (field == GatewayTreeModel::Password && !QRegularExpression(QStringLiteral("^[0-9]{5,9}$")).match(text).hasMatch())
        refusal = tr("The password must have 5 to 9 digits. The password was not changed.");
    return ValueRefusal::accepts(editor, refusal);
}

void GatewayEditDelegate::onIpAddressEdited()
{
    auto* lineEdit = qobject_cast<QLineEdit*>(sender());
    if (!lineEdit)
        return;
    QString normalized = lineEdit->text();
    if (!GeneralUtilities::isIPAddressValid(normalized, QChar(), true) || normalized == lineEdit->text())
        return;
    const int cursor = lineEdit->cursorPosition();
    lineEdit->setText(normalized);
    lineEdit->setCursorPosition(cursor);
}

} // namespace Corvane::Configurator::EditDelegates
