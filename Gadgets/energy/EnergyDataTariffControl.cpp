#include "energy/EnergyDataTariffControl.h"

#include "controls/SvgContentBackButton.h"
#include "energy/AbstractTableModel.h"
#include "energy/GraphicsTable.h"
#include "models/NavigationIcon.h"
#include "scroll/ScrollArea.h"
#include "theme/RendererContainer.h"
#include "theme/ThemeProvider.h"

#include <QSvgRenderer>

namespace Corvane::Gadgets {

const QString EnergyDataTariffControl::BACKGROUND_ID = QStringLiteral("background");
const QString EnergyDataTariffControl::OK_BUTTON_ID = QStringLiteral("ok");
const QString EnergyDataTariffControl::TABLE_PLACEHOLDER_ID = QStringLiteral("table_placeholder");
const QString EnergyDataTariffControl::BUTTON_CONTROLS_ID = QStringLiteral("energy_buttons");

EnergyDataTariffControl::EnergyDataTariffControl(Utilities::RendererContainer* renderer, SvgControlObject* parent)
    : SvgControlObject(renderer, parent)
{
    setAcceptHoverEvents(true);
    setFiltersChildEvents(true);
    const QSvgRenderer* svg = renderer ? renderer->renderer() : nullptr;
    setBounds(QRectF(QPointF(0, 0), svg ? QSizeF(svg->defaultSize()) : QSizeF()));
    m_background = initElement(BACKGROUND_ID);

    m_okButton = new SvgContentBackButton(renderer, OK_BUTTON_ID, ThemeProvider::getRendererFor(ThemeProvider::BUTTON),
                                          QString(), this);
    m_okButton->setContentBounds(boundsOnElement(OK_BUTTON_ID + SvgButton::CONTENT_SUFFIX));
    m_okButton->setIconElement(Models::NavigationIcon::NORMAL_ELEMENT_ID);
    m_okButton->setContentPaddings(QMargins(5, 3, 5, 3));
    m_okButton->setControlId(BUTTON_CONTROLS_ID);
    m_okButton->setBackgroundUsesActualContentBounds(false);
    m_okButton->setSimulatesContentPress(true);
    addToChildren(m_okButton);

    const QRectF placeholder = boundsOnElement(TABLE_PLACEHOLDER_ID);
    m_scrollArea = new ScrollArea(this);
    m_scrollArea->setBounds(placeholder);
    m_scrollArea->setParentItem(this);
    addToChildrensList(m_scrollArea);
    m_table = new GraphicsTable(m_scrollArea->childrenContainer());
    m_scrollArea->childrenContainer()->addToChildrensList(m_table);
    connect(m_table, &GraphicsTable::dimensionsChanged, this, &EnergyDataTariffControl::onTableDimensionsChanged);
    m_table->setBounds(QRectF(QPointF(0, 0), placeholder.size()));

    retranslateUi();
}

void EnergyDataTariffControl::setTariffTableModel(Models::AbstractTableModel* model)
{
    m_table->setModel(model);
    m_table->recalculateCellsBounds();
}

QString EnergyDataTariffControl::titleText() const
{
    return tr("Energy data: %1").arg(m_itemName);
}

void EnergyDataTariffControl::setItemName(const QString& name)
{
    m_itemName = name;
    emit titleTextChanged(titleText());
}

void EnergyDataTariffControl::onTableDimensionsChanged()
{
    m_scrollArea->updateChildren();
}

void EnergyDataTariffControl::retranslateUi()
{
    SvgControlObject::retranslateUi();
    emit titleTextChanged(titleText());
    m_okButton->setText(tr("OK"));
}

void EnergyDataTariffControl::onElementClick(SvgElement* element)
{
    if (element == m_okButton)
        emit okClicked();
    SvgControlObject::onElementClick(element);
}

} // namespace Corvane::Gadgets
