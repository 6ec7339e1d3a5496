#pragma once

#include "controls/SvgControlObject.h"
#include "label/LabelEditor.h"

#include <QColor>
#include <QFont>
#include <QPointer>
#include <QTimer>

#include <memory>

class QGraphicsScene;
class QMouseEvent;
class QPropertyAnimation;

namespace Corvane::Gadgets {

class LineTextEditor;
class SvgDropDown;

namespace Models {
class DropDownItemModel;
class DropDownModel;
}

// The skinned name plate of a device: a one- or two-row plate with an
// optional pointing tail, the device's name (elided when too long, scrolled
// as a marquee while the pointer is over it), an optional refresh or close
// button, a drop-down in the second row and in-place renaming.
//
// Renaming: a double click on the text opens a line editor over it; Enter
// or a press outside the text applies the new name, which a listener of
// textChanged(bool&) may refuse (connect it directly), or accept while
// giving the label the name taken (setText); Escape or the close button
// cancel. At most one label edits at a time, and while it edits every
// press of its scene goes to it.
class Label : public SvgControlObject
{
    Q_OBJECT
    Q_PROPERTY(qreal textPositionPercentage READ textPositionPercentage WRITE setTextPositionPercentage)

public:
    enum ButtonConfig {
        RefreshButton = 0,
        CloseButton = 1,
        NoButton = 2,
    };

    // The plates of the label's rows; exactly one row shows at a time.
    class RowGraphicsProvider
    {
    public:
        class RowGraphics
        {
        public:
            RowGraphics(SvgElement* background, SvgElement* tail, SvgElement* backgroundEdit, SvgElement* tailEdit);
            SvgElement* background() const { return m_background; }
            SvgElement* tail() const { return m_tail; }
            SvgElement* backgroundEdit() const { return m_backgroundEdit; }
            SvgElement* tailEdit() const { return m_tailEdit; }

        private:
            SvgElement* m_background;
            SvgElement* m_tail;
            SvgElement* m_backgroundEdit;
            SvgElement* m_tailEdit;
        };

        void addRow(SvgElement* background, SvgElement* tail, SvgElement* backgroundEdit, SvgElement* tailEdit);
        void setRowCount(int count);
        // The plates of every row, row by row.
        QList<SvgElement*> elements() const;
        int rowCount() const { return m_currentRow + 1; }
        SvgElement* background() const { return m_rows.at(m_currentRow).background(); }
        SvgElement* tail() const { return m_rows.at(m_currentRow).tail(); }
        SvgElement* backgroundEdit() const { return m_rows.at(m_currentRow).backgroundEdit(); }
        SvgElement* tailEdit() const { return m_rows.at(m_currentRow).tailEdit(); }

    private:
        QList<RowGraphics> m_rows;
        int m_currentRow = 0;
    };

    static const QString BACKGROUND;
    static const QString BACKGROUND_EDIT;
    static const QString TAIL_ID;
    static const QString TAIL_EDIT_ID;
    static const QString TEXT_PLACEHOLDER_ID;
    static const QString TEXT_PLACEHOLDER_FULL_ID;
    static const QString BUTTON_PLACEHOLDER_ID;
    static const QString LABEL_BUTTON_REFRESH_ID;
    static const QString LABEL_BUTTON_CLOSE_ID;
    static const QString LABEL_BUTTON_REFRESH_EDIT_ID;
    static const QString LABEL_BUTTON_CLOSE_EDIT_ID;
    static const QString COLOR_SUFFIX_ID;
    static const QString EDIT_COLOR_SUFFIX_ID;
    static const QString EDIT_BACKGROUND_COLOR_SUFFIX_ID;
    static const QString EDIT_SELECTION_COLOR_SUFFIX_ID;
    static const QString EDIT_SELECTION_BACKGROUND_COLOR_SUFFIX_ID;
    static const QString ROW_PREFIX_TEMPLATE;
    static const QString DROP_DOWN_SUFFIX;

    Label(Utilities::RendererContainer* renderer, Utilities::RendererContainer* dropDownRenderer,
          Utilities::RendererContainer* dropDownItemRenderer, SvgControlObject* parent, int tailNumber);
    ~Label() override;

    // Text.
    QString text() const { return m_text; }
    QString shownText() const { return m_shownText; }
    void setText(const QString& text);
    int maxChars() const { return m_maxChars; }
    void setMaxChars(int maxChars);
    QFont effectiveFont() const { return m_effectiveFont; }
    void setTextFont(const QFont& font);
    QColor textColor() const { return m_textColor; }
    void setTextColor(const QColor& colour);
    Qt::Alignment textAlignment() const { return m_textAlignment; }
    void setTextAlignment(Qt::Alignment alignment);
    qreal textOpacity() const { return m_textOpacity; }
    void setTextOpacity(qreal opacity);
    bool textHeightFitsToBoundsHeight() const { return m_textHeightFitsToBoundsHeight; }
    void setTextHeightFitsToBoundsHeight(bool fits);
    QRectF textBox() const { return m_textBox; }
    bool isScrollNeeded() const { return m_scrollNeeded; }
    bool isTextScrolling() const { return m_scrolling; }
    qreal scrollWidth() const { return m_scrollWidth; }
    int scrollDuration() const { return m_scrollDuration; }
    qreal textPositionPercentage() const { return m_textPositionPercentage; }
    void setTextPositionPercentage(qreal percentage);
    void setIsTextScrolling(bool scrolling);
    void setupText();
    void recalculateModifiedFont();

    // Plate.
    bool isDoubleRowLabel() const { return m_doubleRow; }
    void setIsDoubleRowLabel(bool doubleRow);
    ButtonConfig buttonConfig() const { return m_buttonConfig; }
    void setButtonConfig(int config);
    // The union of the shown row's plate and tail; setting the bounds keeps
    // the label where it is.
    QRectF totalBounds() const;
    QRectF backgroundBounds() const;
    const RowGraphicsProvider& rows() const { return m_rows; }
    SvgButton* button(ButtonConfig config, bool edit) const;
    // The second row's drop-down, made now if it is not yet: a label makes
    // it when it first shows two rows.
    SvgDropDown* row2DropDown();
    bool isRow2DropDownCreated() const { return m_dropDown != nullptr; }
    void setupButtons();
    SvgButton* loadButton(const QString& id);
    void manageButtonsVisibility();
    void manageEditModeInterface();

    // Second-row drop-down.
    void setRow2DropDownModel(const Models::DropDownModel& model);
    void setRow2DropDownText(const QString& text);
    void setRow2DropDownItems(const QList<Models::DropDownItemModel*>& itemsModels);

    // Editing.
    bool isReadOnly() const { return m_readOnly; }
    void setIsReadOnly(bool readOnly);
    bool isInEditMode() const { return m_inEditMode; }
    // The line edit of in-place renaming, made on first use.
    LineTextEditor* textEditor() const { return m_editor.editor(); }
    bool isTextEditorCreated() const { return m_editor.isMade(); }
    QString editedText() const;
    void setTextEditorContentsMargins(const QMargins& margins);
    void setIsInEditMode(bool inEditMode);
    void exitEditMode();
    void cancelTextEditChanges();
    void applyTextEditChanges();
    void manageEditMode(const QPointF& scenePos);
    void handleSingleLabelMouseDoubleClickEvent(QGraphicsSceneMouseEvent* event);
    bool isEditModeLeaveEvent(QEvent* event);
    bool validateModifyText(QString& text) const;
    bool ptIsInTextBounds(const QPointF& scenePos) const;
    std::unique_ptr<QMouseEvent> translateGraphicsMouseEvent(const QGraphicsSceneMouseEvent* event) const;
    void refreshCursor();
    static Label* isThereLabelInEditMode();

    bool eventFilter(QObject* watched, QEvent* event) override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;
    void updateCachedData() override;
    void onElementClick(SvgElement* element) override;
    void onElementDoubleClick(SvgElement* element) override;
    void setControlId(const QString& id) override;

public slots:
    void onEditingFinished();
    void onCancelTextEditChanges();

signals:
    void refreshButtonClicked();
    void closeButtonClicked();
    void textChanged(bool& isTextChangeAccepted);
    void isInEditModeChanged(bool inEditMode);
    void textIsScrolling();
    void row2DropDownItemIconClick(int itemIndex, const Corvane::Gadgets::Models::DropDownItemModel* model);
    void row2DropDownItemTextChanged(int itemIndex, const Corvane::Gadgets::Models::DropDownItemModel* model,
                                     QString text);

protected:
    void hoverMoveEvent(QGraphicsSceneHoverEvent* event) override;
    void hoverEnterEvent(QGraphicsSceneHoverEvent* event) override;
    void hoverLeaveEvent(QGraphicsSceneHoverEvent* event) override;
    void mouseDoubleClickEvent(QGraphicsSceneMouseEvent* event) override;
    void readThemeSettings(bool force) override;

private:
    void createElements(int tailNumber);
    void createRow(const QString& idPrefix, int tailNumber);
    void createRow2DropDown();
    QRectF row2DropDownBounds() const;
    void layOutElements();
    void handleHoverEvent(const QPointF& scenePos);
    void paintMarquee(QPainter* painter) const;
    void applyEditorPalette();
    void layOutEditorText();
    void connectEditor(LineTextEditor* editor);
    bool isPointerOverTextInView() const;

    static QList<Label*> s_labels;

    QRectF m_textPlaceholderBounds;
    QRectF m_fullTextPlaceholderBounds;
    QRectF m_textBox;
    int m_scrollDuration = 0;
    QString m_text;
    QString m_shownText;
    QFont m_font;
    QFont m_effectiveFont;
    int m_fontPixelSize = 0;
    bool m_textHeightFitsToBoundsHeight = false;
    QColor m_textColor = Qt::white;
    ButtonConfig m_buttonConfig = NoButton;
    ButtonConfig m_previousButtonConfig = NoButton;
    bool m_scrollNeeded = false;
    bool m_scrolling = false;
    bool m_pointerOverText = false;
    qreal m_textPositionPercentage = 0.0;
    qreal m_scrollWidth = 0.0;
    QPropertyAnimation* m_scrollAnimation;
    QList<SvgButton*> m_buttons;
    QList<SvgButton*> m_editButtons;
    qreal m_textOpacity = 1.0;
    LabelEditor m_editor;
    bool m_textChangeAccepted = true;
    bool m_inEditMode = false;
    int m_maxChars = LabelEditor::DEFAULT_MAX_LENGTH;
    Qt::Alignment m_textAlignment = Qt::AlignLeft;
    bool m_readOnly = false;
    Utilities::RendererContainer* m_dropDownRenderer;
    Utilities::RendererContainer* m_dropDownItemRenderer;
    SvgDropDown* m_dropDown = nullptr;
    // What the drop-down is to show once made; its entries are not owned.
    QString m_dropDownText;
    QList<QPointer<Models::DropDownItemModel>> m_dropDownItems;
    bool m_doubleRow = false;
    RowGraphicsProvider m_rows;
    QTimer m_scrollTimer;
    // The scene whose presses are routed to the label while it edits.
    QPointer<QGraphicsScene> m_filteredScene;
};

} // namespace Corvane::Gadgets
