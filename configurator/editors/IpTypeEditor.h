#pragma once

#include <QComboBox>

namespace Corvane::Configurator::Editors {

// Static (data 0) or dynamic UPnP (data 1) gateway address.
class IpTypeEditor : public QComboBox
{
    Q_OBJECT

public:
    explicit IpTypeEditor(int currentType, QWidget* parent = nullptr);
};

} // namespace Corvane::Configurator::Editors
