#include "navigation/NavigationSegmentContent.h"

#include "controls/SvgContentButton.h"
#include "models/NavigationIcon.h"
#include "navigation/NavigationControl.h"
#include "navigation/NavigationIconCircle.h"
#include "navigation/NavigationLabels.h"

namespace Corvane::Gadgets {

using Models::NavigationIcon;

NavigationSegmentContent::NavigationSegmentContent(NavigationControl& carousel)
    : m_carousel(carousel)
{
}

void NavigationSegmentContent::showOnSegments()
{
    NavigationControl& c = m_carousel;
    c.m_labels->hideAllSlidersTexts();
    const int n = c.iconCount();
    for (int i = 0; i < c.segmentCount(); ++i) {
        SvgContentButton* segment = c.m_segments.at(i);
        if (i >= n) {
            segment->setState(SvgButton::Disabled);
            c.m_expandIndicators.at(i)->hide();
            continue;
        }
        if (c.showsGap(i)) {
            segment->setState(SvgButton::Disabled);
            if (i == c.m_selectedSegment)
                c.m_selectedSegment = -1;
        } else if (segment->state() == SvgButton::Disabled) {
            segment->setState(SvgButton::Normal);
        }
        showOnSegment(i, c.m_icons.at(c.wrapIconIndex(c.m_firstIconIndex + i)));
    }
}

void NavigationSegmentContent::showOnSegmentsOf(int iconIndex, const NavigationIcon& previous)
{
    NavigationControl& c = m_carousel;
    const NavigationIcon& icon = c.m_icons.at(iconIndex);
    for (int i = 0; i < c.segmentCount() && i < c.iconCount(); ++i) {
        if (c.showsGap(i) || c.wrapIconIndex(c.m_firstIconIndex + i) != iconIndex)
            continue;
        SvgContentButton* button = c.m_segments.at(i);
        button->setIconRenderer(icon.renderer());
        // Texts are laid out again only when they change; setting the
        // label's text would also end an edit of it.
        if (icon.text() != previous.text())
            button->setText(icon.text());
        button->setIconElement(NavigationIcon::getElementIdForState(icon.state()));
        button->setIconOpacity(1.0, 1.0, 1.0);
        c.m_expandIndicators.at(i)->setVisible(icon.willExpand() && i != c.m_rings.segment());
        NavigationLabels* labels = c.m_labels;
        if (icon.tooltip() != previous.tooltip())
            labels->setText(i, icon.tooltip());
        labels->setSupportsExtendedMode(i, icon.supportsExtendedInfo());
        labels->setExtendedModeDropDownModel(i, icon.dropDownModel());
        labels->setSliderTextVisible(i, icon.supportsValue());
        if (icon.supportsValue())
            setSliderValue(i, icon);
    }
}

void NavigationSegmentContent::showOnSegment(int segment, const NavigationIcon& icon)
{
    SvgContentButton* button = m_carousel.m_segments.at(segment);
    button->setIconRenderer(icon.renderer());
    button->setText(icon.text());
    button->setIconElement(NavigationIcon::getElementIdForState(icon.state()));
    button->setIconOpacity(1.0, 1.0, 1.0);
    m_carousel.m_expandIndicators.at(segment)->setVisible(icon.willExpand()
                                                          && segment != m_carousel.m_rings.segment());
    describeInLabel(segment, icon);
    if (icon.supportsValue())
        setSliderValue(segment, icon);
}

void NavigationSegmentContent::showInLabels(int first, bool force)
{
    if (!force && first == m_labelsFirstIndex)
        return;
    m_labelsFirstIndex = first;
    const QList<NavigationIcon>& icons = m_carousel.m_icons;
    const int n = m_carousel.iconCount();
    const int segments = m_carousel.segmentCount();
    for (int i = 0; i < segments; ++i) {
        int k = first + i;
        if (n > segments)
            k = NavigationIconCircle::wrap(k, n);
        if (k >= 0 && k < n)
            showInLabel(i, icons.at(k));
        else
            m_carousel.m_labels->setVisibleAt(i, false);
    }
}

// The label learns what it shows before it shows: a value text that it
// does not show is then never laid out.
void NavigationSegmentContent::showInLabel(int segment, const NavigationIcon& icon)
{
    describeInLabel(segment, icon);
    setSliderValue(segment, icon);
    m_carousel.m_labels->setVisibleAt(segment, !icon.isEmpty());
}

void NavigationSegmentContent::describeInLabel(int segment, const NavigationIcon& icon)
{
    NavigationLabels* labels = m_carousel.m_labels;
    labels->setText(segment, icon.tooltip());
    labels->setSupportsExtendedMode(segment, icon.supportsExtendedInfo());
    labels->setExtendedModeDropDownModel(segment, icon.dropDownModel());
    labels->setSliderTextVisible(segment, icon.supportsValue());
}

void NavigationSegmentContent::setSliderValue(int segment, const NavigationIcon& icon)
{
    NavigationLabels* labels = m_carousel.m_labels;
    labels->setSliderValueBounds(segment, icon.minValue(), icon.maxValue(), icon.valueStep());
    labels->setSliderInvalidValueSteps(segment, icon.invalidValueSteps());
    labels->setSliderValue(segment, icon.value());
    labels->setSliderValueFormat(segment, icon.valueFormat());
    labels->setSliderValuePrecision(segment, icon.valuePrecision());
}

} // namespace Corvane::Gadgets
