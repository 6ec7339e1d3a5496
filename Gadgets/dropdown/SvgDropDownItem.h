#pragma once

#include "controls/SvgControlObject.h"
#include "models/DropDownItemModel.h"

#include <QPointer>

namespace Corvane::Gadgets {

class SvgContentButton;
class SvgDropDownPanel;
class TextLabel;

// One entry of an open drop-down: the entry's editable text and an icon
// button on the right. The entry model belongs to the caller; the entry only
// watches it, and once the model is destroyed the entry draws nothing and
// reacts to nothing.
class SvgDropDownItem : public SvgControlObject
{
    Q_OBJECT

public:
    static const QString MASK_ID;
    static const QString BACKGROUND_EDIT_ID;
    static const QString TEXT_PLACEHOLDER_ID;
    static const QString BUTTON_PLACEHOLDER_ID;

    SvgDropDownItem(Models::DropDownItemModel* model, Utilities::RendererContainer* renderer,
                    Utilities::RendererContainer* buttonRenderer, SvgControlObject* parent, SvgDropDownPanel* panel);
    ~SvgDropDownItem() override;

    // Null once the caller has destroyed the entry model.
    Models::DropDownItemModel* model() const { return m_model; }
    bool hasModel() const { return !m_model.isNull(); }
    TextLabel* textLabel() const { return m_text; }
    SvgContentButton* iconButton() const { return m_iconButton; }
    SvgElement* editBackground() const { return m_editBackground; }

    void endEdit();
    void setIconElement(const QString& elementId);

    void setBounds(const QRectF& rect) override;
    void updateCachedData() override;
    void onElementClick(SvgElement* element) override;
    void setControlId(const QString& id) override;

public slots:
    void onTextChanged(const QString& text);
    void onEditStarted();
    void onEditEnded();

signals:
    void textIsScrolling();
    void isInEditModeChanged(bool inEditMode);

protected:
    void mouseClickEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseDoubleClickEvent(QGraphicsSceneMouseEvent* event) override;
    void readThemeSettings(bool force) override;

private:
    void onModelDestroyed();
    void fitIconHitAreaToPlaceholder();
    bool containsScenePos(const QPointF& scenePos) const;

    SvgDropDownPanel* m_panel;
    SvgElement* m_editBackground;
    TextLabel* m_text;
    SvgContentButton* m_iconButton;
    QPointer<Models::DropDownItemModel> m_model;
};

} // namespace Corvane::Gadgets
