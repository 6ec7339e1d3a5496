#pragma once

#include "controls/SvgControlObject.h"
#include "models/DropDownModel.h"

#include <QPointer>
#include <QRect>

#include <functional>

class QGraphicsScene;

namespace Corvane::Gadgets {

class SvgButton;
class SvgDropDownPanel;
class TextLabel;

namespace Models {
class DropDownItemModel;
}

// A themed drop-down: a three-slice bar with a text and an expand button
// that opens a panel listing the entries of a DropDownModel. It selects
// nothing itself; it reports clicks on an entry's icon and edited entry
// texts. The panel opens below the bar when it fits on the screen, else
// above it, and closes on any press outside it.
class SvgDropDown : public SvgControlObject
{
    Q_OBJECT

public:
    static const QString BACKGROUND_LEFT_ID;
    static const QString BACKGROUND_MIDDLE_ID;
    static const QString BACKGROUND_RIGHT_ID;
    static const QString EXPAND_ID;
    static const QString COLLAPSE_ID;
    static const QString TEXT_PLACEHOLDER_ID;
    static const QString BUTTON_PLACEHOLDER_ID;
    static const int MAX_VISIBLE_ROWS;
    static const int MIN_VISIBLE_ROWS;
    static const qreal FALLBACK_PANEL_HEIGHT;

    // The geometry of the desktop screen that holds a global point.
    using ScreenGeometryLookup = std::function<QRect(const QPoint& globalPoint)>;

    SvgDropDown(Utilities::RendererContainer* renderer, Utilities::RendererContainer* buttonRenderer,
                SvgControlObject* parent);
    ~SvgDropDown() override;

    void setModel(const Models::DropDownModel& model);
    Models::DropDownModel model() const { return m_model; }
    void setText(const QString& text);
    void setItemsModels(const QList<Models::DropDownItemModel*>& itemsModels);
    void setItemIconElement(int itemId, const QString& elementId);
    void setExpanded(bool expanded);
    bool isExpanded() const;

    Utilities::RendererContainer* buttonRendererContainer() const { return m_buttonRenderer; }
    SvgDropDownPanel* panel() const { return m_panel; }
    TextLabel* textLabel() const { return m_text; }
    SvgButton* expandButton() const { return m_expand; }
    SvgButton* collapseButton() const { return m_collapse; }

    // Replaces the desktop lookup (QScreen) of currentScreenGeometry; an
    // empty function restores it.
    void setScreenGeometryLookup(ScreenGeometryLookup lookup);
    QRectF currentScreenGeometry() const;
    QPoint mapSceneToGlobal(const QPointF& scenePos) const;
    void updateDropDownPanelBounds();
    void updateElementsBounds();

    void onItemIconClick(int itemIndex, const Models::DropDownItemModel* model);
    void onItemTextChanged(int itemIndex, const Models::DropDownItemModel* model, const QString& text);

    bool eventFilter(QObject* watched, QEvent* event) override;
    void setBounds(const QRectF& rect) override;
    void updateCachedData() override;
    void activatedChanged(bool activated) override;
    void onElementClick(SvgElement* element) override;
    void setControlId(const QString& id) override;

signals:
    void itemIconClick(int itemIndex, const Corvane::Gadgets::Models::DropDownItemModel* model);
    void itemTextChanged(int itemIndex, const Corvane::Gadgets::Models::DropDownItemModel* model, QString text);
    void textIsScrolling();
    void isInEditModeChanged(bool inEditMode);

protected:
    void mouseDoubleClickEvent(QGraphicsSceneMouseEvent* event) override;
    void readThemeSettings(bool force) override;
    QVariant itemChange(GraphicsItemChange change, const QVariant& value) override;

private:
    enum class PanelSide { Below, Above };

    void openPanel();
    void closePanel();
    qreal panelHeight(int rows) const;
    bool placePanel(int rows, const QRectF& screen, PanelSide side);
    bool placePanelShrinking(int rows, const QRectF& screen, PanelSide side);

    SvgElement* m_left;
    SvgElement* m_middle;
    SvgElement* m_right;
    SvgButton* m_expand;
    SvgButton* m_collapse;
    TextLabel* m_text;
    SvgDropDownPanel* m_panel;
    Utilities::RendererContainer* m_buttonRenderer;
    Models::DropDownModel m_model;
    bool m_raised = false;
    bool m_stackedBehindWhenClosed = false;
    // The scene whose presses are filtered while open; kept so that closing
    // removes the filter even after the drop-down has left that scene.
    QPointer<QGraphicsScene> m_filteredScene;
    ScreenGeometryLookup m_screenLookup;
};

} // namespace Corvane::Gadgets
