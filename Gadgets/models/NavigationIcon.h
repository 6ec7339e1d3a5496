#pragma once

#include "controls/IconRenderer.h"
#include "models/DropDownModel.h"

#include <QList>
#include <QMetaType>
#include <QSet>
#include <QString>

#include <optional>

namespace Corvane::Gadgets::Models {

class DropDownItemModel;

// One icon of the navigation carousel, passed by value: which themed SVG
// draws it and in which state, the text of its carousel label and of its
// segment, whether it opens a command ring, whether its label has a second
// row with a drop-down, and, for devices with a level, the slider data.
//
// An id of 0 given to a constructor asks for the next value of a counter
// shared by the whole process (1, 2, ...).
class NavigationIcon
{
public:
    enum State {
        Normal = 0,
        Uninitialized = 1,
        Inactive = 2,
        Active = 3,
        Disabled = 4,
    };

    // Slider data of an icon with a level; owned by exactly one icon.
    struct ValueData
    {
        static const int PRECISION_UNSPECIFIED;
        static const QString EMPTY_FORMAT;

        double value = 0.0;
        double minValue = 0.0;
        double maxValue = 100.0;
        double valueStep = 1.0;
        QSet<int> invalidValueSteps;
        QString valueFormat = QStringLiteral("%1%");
        int valuePrecision = PRECISION_UNSPECIFIED;

        // Precisions the slider can print: -1 (shortest form) to 6 decimals.
        static bool isValidPrecision(int precision);
    };

    static const QString NORMAL_ELEMENT_ID;
    static const QString UNINITIALIZED_ELEMENT_ID;
    static const QString INACTIVE_ELEMENT_ID;
    static const QString ACTIVE_ELEMENT_ID;
    static const QString DISABLED_ELEMENT_ID;

    NavigationIcon();
    NavigationIcon(const QString& themeFileName, State state, const QString& tooltip, int id = 0);
    NavigationIcon(const QString& themeFileName, const QString& tooltip, int id = 0);
    NavigationIcon(const Utilities::IconRenderer& renderer, const QString& tooltip, int id = 0);
    NavigationIcon(const NavigationIcon& other) = default;
    NavigationIcon& operator=(const NavigationIcon& other) = default;
    virtual ~NavigationIcon();

    // No id, no main renderer and a null tooltip.
    bool isEmpty() const;

    int id() const { return m_id; }
    const Utilities::IconRenderer& renderer() const { return m_renderer; }
    void setRenderer(const Utilities::IconRenderer& renderer) { m_renderer = renderer; }
    QString tooltip() const { return m_tooltip; }
    void setTooltip(const QString& tooltip) { m_tooltip = tooltip; }
    QString text() const { return m_text; }
    void setText(const QString& text) { m_text = text; }
    State state() const { return m_state; }
    void setState(State state) { m_state = state; }
    // The icon element drawn in state; "default" for anything unknown.
    static const QString& getElementIdForState(State state);

    bool willExpand() const { return m_willExpand; }
    void setWillExpand(bool willExpand) { m_willExpand = willExpand; }
    bool supportsExtendedInfo() const { return m_supportsExtendedInfo; }
    void setSupportsExtendedInfo(bool supports) { m_supportsExtendedInfo = supports; }

    const DropDownModel& dropDownModel() const { return m_dropDownModel; }
    void setDropDownModel(const DropDownModel& model) { m_dropDownModel = model; }
    void setDropDownText(const QString& text) { m_dropDownModel.setText(text); }
    void setDropDownItemsModels(const QList<DropDownItemModel*>& itemsModels);

    bool supportsValue() const { return m_supportsValue; }
    // true creates the value data (with its defaults) if there is none yet;
    // false keeps what there is.
    void setSupportsValue(bool supports);
    bool hasValueData() const { return m_valueData.has_value(); }
    void clearValueData();

    // Without value data the setters do nothing and the getters answer 0,
    // an empty set, EMPTY_FORMAT and PRECISION_UNSPECIFIED.
    double value() const;
    void setValue(double value);
    double minValue() const;
    void setMinValue(double minValue);
    double maxValue() const;
    void setMaxValue(double maxValue);
    double valueStep() const;
    void setValueStep(double valueStep);
    QSet<int> invalidValueSteps() const;
    void setInvalidValueSteps(const QSet<int>& steps);
    QString valueFormat() const;
    void setValueFormat(const QString& format);
    int valuePrecision() const;
    // A precision outside -1..6 is refused and leaves the stored one.
    void setValuePrecision(int precision);

private:
    static int generateUniqueId();
    static int idOrGenerated(int id);

    int m_id = 0;
    Utilities::IconRenderer m_renderer;
    QString m_tooltip;
    bool m_supportsExtendedInfo = false;
    DropDownModel m_dropDownModel;
    QString m_text;
    State m_state = Normal;
    bool m_supportsValue = false;
    std::optional<ValueData> m_valueData;
    bool m_willExpand = false;
};

} // namespace Corvane::Gadgets::Models

Q_DECLARE_METATYPE(Corvane::Gadgets::Models::NavigationIcon)
