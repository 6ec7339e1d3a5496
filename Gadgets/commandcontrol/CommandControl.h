#pragma once

#include "controls/SvgButton.h"
#include "controls/SvgControlObject.h"
#include "models/NavigationIcon.h"

#include <QHash>
#include <QList>
#include <QPointF>
#include <QString>

namespace Corvane::Gadgets {

class SvgContentButton;
class SvgElement;

// The ring of command segments that opens around a device's icon. Each
// visible segment shows one command as an icon; a click on a segment comes
// out as elementClick(SvgElement*), and getButtonId turns the element back
// into the command's id string.
//
// The theme lays the segments out twice, as an odd ("odd_%1") and an even
// ("even_%1") set; a ring with a single set ("segment_%1") finds it for both.
// Only one set is in use at a time. Expand indicators beside the segments
// mark commands that open a second ring.
class CommandControl : public SvgControlObject
{
    Q_OBJECT

public:
    // One command to show: its icon and its id string ("ON", "OFF", ...).
    class ButtonData
    {
    public:
        ButtonData(const Models::NavigationIcon& icon, const QString& buttonId);

        Models::NavigationIcon icon;
        QString buttonId;
    };

    static const QString BACKGROUND_ID;
    static const QString ODD_ID;
    static const QString EVEN_ID;
    static const QString SEGMENT_ID;
    static const QString ODD_EXPAND_INDICATOR_ID;
    static const QString EVEN_EXPAND_INDICATOR_ID;
    static const QString EXPAND_INDICATOR_ID;
    static const QString PLACEHOLDER_SUFFIX;
    // No start point: a fill begins at the first segment.
    static const QPointF POINT_EMPTY;

    // position: the ring's origin in its owner's coordinates.
    CommandControl(Utilities::RendererContainer* renderer, QPointF position, SvgControlObject* parent);

    // Shows the buttons on the chosen set, on the run of segments closest to
    // startPoint. Every earlier fill, selection and pressed look is dropped.
    void setActiveButtons(const QList<ButtonData>& buttons, bool useEvenSegments, const QPointF& startPoint);
    // The same on the even set for an even number of buttons, else the odd set.
    void setActiveButtons(const QList<ButtonData>& buttons, const QPointF& startPoint);

    // Empty when element is no segment or its segment shows no command.
    QString getButtonId(SvgElement* element) const;
    int getButtonIndex(const QString& buttonId) const;
    // Centre of a segment's icon box in the owner's coordinates; (0, 0)
    // outside the set in use.
    QPointF getButtonCenter(int index) const;
    // The ring's origin in its owner's coordinates, which moves with the
    // owner's layout (its scale); set before a fill that measures against
    // the owner's points.
    QPointF position() const { return m_position; }
    void setPosition(const QPointF& position) { m_position = position; }
    // Shows that command as pressed until another selection or deselectAll.
    void setSelectedButton(const QString& buttonId);
    void setButtonIcon(const QString& buttonId, const Models::NavigationIcon& icon);
    void setExpandIndicatorsState(const SvgButton::ButtonState& state);
    // With auto-arrange, a run of segments that climbs upwards on screen is
    // filled from its top end, so the first command is always the upper one.
    void setAutoArrangeButtons(bool autoArrange) { m_autoArrange = autoArrange; }
    bool autoArrangeButtons() const { return m_autoArrange; }
    int activeButtonsCount() const { return int(m_buttons.size()); }

    bool usesEvenSegments() const { return m_useEvenSegments; }
    int selectedIndex() const { return m_selectedIndex; }
    QList<SvgContentButton*> oddSegments() const { return m_oddSegments; }
    QList<SvgContentButton*> evenSegments() const { return m_evenSegments; }
    QList<SvgButton*> oddExpandIndicators() const { return m_oddIndicators; }
    QList<SvgButton*> evenExpandIndicators() const { return m_evenIndicators; }
    SvgElement* background() const { return m_background; }

    void setBounds(const QRectF& bounds) override;
    void updateCachedData() override;
    void selectPrevious() override;
    void selectNext() override;
    void pressCurrent() override;
    void releaseCurrent() override;
    void deselectAll() override;

    // The button state an icon state asks for; false (state untouched) for
    // an uninitialized icon.
    static bool navigationIconToButtonState(SvgButton::ButtonState& state,
                                            const Models::NavigationIcon::State& iconState);

private:
    void createElements();
    void addSegment(int number, bool even);
    void placeSegmentContent(SvgContentButton* segment);
    int getClosestStartIndex(const QList<SvgContentButton*>& segments, int count, const QPointF& point) const;
    bool fillsBackwards(const QList<SvgContentButton*>& segments, int start, int count) const;
    void resetSegments();
    void showButton(int segmentIndex, const ButtonData& button);
    void setSelectedIndex(int index);
    void selectFirstVisible(int candidate, bool fromEnd);
    SvgButton::ButtonState defaultButtonState(const QString& buttonId) const;
    SvgButton::ButtonState defaultButtonState(int index) const;
    const QList<SvgContentButton*>& segmentsInUse() const;
    const QList<SvgButton*>& indicatorsInUse() const;

    SvgElement* m_background = nullptr;
    QList<SvgContentButton*> m_oddSegments;
    QList<SvgContentButton*> m_evenSegments;
    QList<SvgButton*> m_oddIndicators;
    QList<SvgButton*> m_evenIndicators;
    QHash<int, QString> m_buttonIds;
    QList<ButtonData> m_buttons;
    QPointF m_position;
    bool m_useEvenSegments = true;
    bool m_autoArrange = false;
    int m_selectedIndex = -1;
};

} // namespace Corvane::Gadgets
