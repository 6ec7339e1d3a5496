#pragma once

#include <QComboBox>

namespace Corvane::Gadgets {

// A combo box whose list shows its texts whole, which selects items by their
// data (stored in the user role) and which can pass the mouse wheel on.
class ComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit ComboBox(QWidget* parent = nullptr);

    // Width of the widest item text in the bold italic font plus three "a"s;
    // -1 without items.
    int maxItemTextWidth() const;
    // Widens the open list to maxItemTextWidth() when the box is narrower.
    void fitAllItemsInWidth();
    // Makes the item with exactly this data current; false when there is
    // none or it is current already.
    bool setChoiceByData(const QVariant& data);
    QVariant currentItemData() const;
    void setItemsAlignment(Qt::Alignment alignment);

    // When set, wheel events go on to the parent (for example a scroll area).
    bool ignoreWheel = false;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
};

} // namespace Corvane::Gadgets
