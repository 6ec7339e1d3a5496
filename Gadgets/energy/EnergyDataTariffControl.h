#pragma once

#include "controls/SvgControlObject.h"

namespace Corvane::Gadgets {

namespace Models {
class AbstractTableModel;
}
class GraphicsTable;
class ScrollArea;
class SvgContentBackButton;

// The back face of the energy data gadget: the tariff table in a scroll
// area and an OK button that turns the gadget back to the front.
class EnergyDataTariffControl : public SvgControlObject
{
    Q_OBJECT

public:
    static const QString BACKGROUND_ID;
    static const QString OK_BUTTON_ID;
    static const QString TABLE_PLACEHOLDER_ID;
    static const QString BUTTON_CONTROLS_ID;

    EnergyDataTariffControl(Utilities::RendererContainer* renderer, SvgControlObject* parent);

    void setTariffTableModel(Models::AbstractTableModel* model);
    QString itemName() const { return m_itemName; }
    void setItemName(const QString& name);
    GraphicsTable* table() const { return m_table; }
    ScrollArea* scrollArea() const { return m_scrollArea; }
    SvgContentBackButton* okButton() const { return m_okButton; }

    void retranslateUi() override;
    void onElementClick(SvgElement* element) override;

public slots:
    void onTableDimensionsChanged();

signals:
    void okClicked();
    void titleTextChanged(QString title);

private:
    QString titleText() const;

    SvgElement* m_background;
    SvgContentBackButton* m_okButton;
    ScrollArea* m_scrollArea;
    GraphicsTable* m_table;
    QString m_itemName;
};

} // namespace Corvane::Gadgets
