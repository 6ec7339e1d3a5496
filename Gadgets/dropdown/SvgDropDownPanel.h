#pragma once

#include "controls/SvgControlObject.h"

#include <QGradientStops>

namespace Corvane::Gadgets {

class ScrollArea;
class SvgDropDown;
class SvgDropDownItem;

namespace Models {
class DropDownItemModel;
}

// The open list of a drop-down: a rounded plate filled with the theme's
// gradient and a scroll area holding one SvgDropDownItem per entry. While
// visible it swallows the gestures that reach it, so nothing under an open
// panel reacts.
class SvgDropDownPanel : public SvgControlObject
{
    Q_OBJECT

public:
    static const QString ITEM_SUFFIX;
    static const QString BACK_SUFFIX;
    static const double ITEM_PADDING;

    explicit SvgDropDownPanel(SvgDropDown* owner);
    ~SvgDropDownPanel() override;

    void setItems(const QList<Models::DropDownItemModel*>& itemsModels);
    QList<SvgDropDownItem*> items() const { return m_items; }
    // Entries whose model still lives; the others draw nothing.
    int liveItemCount() const;
    bool hasDeadItems() const;
    void setItemIconElement(int itemId, const QString& elementId);
    double itemHeight() const;
    void updateItemsBounds();
    void moveToBegining();
    void endEdit();
    ScrollArea* scrollArea() const { return m_scrollArea; }
    QGradientStops backgroundStops() const { return m_backgroundStops; }

    void onItemIconClick(SvgDropDownItem* item);
    void onItemTextChanged(SvgDropDownItem* item, const QString& text);
    void onItemModelDestroyed();

    void setBounds(const QRectF& rect) override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;
    void setControlId(const QString& id) override;

signals:
    void textScrolling();
    void isInEditModeChanged(bool inEditMode);

protected:
    void hoverEnterEvent(QGraphicsSceneHoverEvent* event) override;
    void mouseClickEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseDoubleClickEvent(QGraphicsSceneMouseEvent* event) override;
    void mousePressAndHoldEvent(QGraphicsSceneMouseEvent* event) override;
    void mousePressAndMoveEvent(const QPointF& pressScenePos, QGraphicsSceneMouseEvent* event,
                                void* pressConsumer) override;
    void swipeEvent(qreal angle, qreal speed, QPoint position, QGraphicsSceneMouseEvent* event) override;
    void mouseWheelEvent(QGraphicsSceneWheelEvent* event) override;
    void mousePressEvent(QGraphicsSceneMouseEvent* event) override;
    void readThemeSettings(bool force) override;

private:
    void clearItems();
    bool containsScenePos(const QPointF& scenePos) const;
    void acceptWhileVisible(QEvent* event) const;

    QGradientStops m_backgroundStops;
    SvgDropDown* m_owner;
    ScrollArea* m_scrollArea;
    QList<SvgDropDownItem*> m_items;
};

} // namespace Corvane::Gadgets
