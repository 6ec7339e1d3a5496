#include "models/NavigationIcon.h"

#include "theme/ThemeProvider.h"

#include "log/Logger.h"

namespace Corvane::Gadgets::Models {

using Corvane::Log::Logger;

const int NavigationIcon::ValueData::PRECISION_UNSPECIFIED = -1;
const QString NavigationIcon::ValueData::EMPTY_FORMAT;

const QString NavigationIcon::NORMAL_ELEMENT_ID = QStringLiteral("default");
const QString NavigationIcon::UNINITIALIZED_ELEMENT_ID = QStringLiteral("uninitialized");
const QString NavigationIcon::INACTIVE_ELEMENT_ID = QStringLiteral("inactive");
const QString NavigationIcon::ACTIVE_ELEMENT_ID = QStringLiteral("active");
const QString NavigationIcon::DISABLED_ELEMENT_ID = QStringLiteral("disabled");

namespace {

constexpr int LARGEST_PRECISION = 6;

} // namespace

bool NavigationIcon::ValueData::isValidPrecision(int precision)
{
    return precision >= PRECISION_UNSPECIFIED && precision <= LARGEST_PRECISION;
}

NavigationIcon::NavigationIcon() = default;

NavigationIcon::NavigationIcon(const QString& themeFileName, State state, const QString& tooltip, int id)
    : m_id(idOrGenerated(id))
    , m_renderer(ThemeProvider::getRendererFor(themeFileName), {})
    , m_tooltip(tooltip)
    , m_state(state)
{
}

NavigationIcon::NavigationIcon(const QString& themeFileName, const QString& tooltip, int id)
    : NavigationIcon(themeFileName, Normal, tooltip, id)
{
}

NavigationIcon::NavigationIcon(const Utilities::IconRenderer& renderer, const QString& tooltip, int id)
    : m_id(idOrGenerated(id))
    , m_renderer(renderer)
    , m_tooltip(tooltip)
{
}

NavigationIcon::~NavigationIcon() = default;

int NavigationIcon::generateUniqueId()
{
    static int nextId = 1;
    return nextId++;
}

int NavigationIcon::idOrGenerated(int id)
{
    return id == 0 ? generateUniqueId() : id;
}

bool NavigationIcon::isEmpty() const
{
    return m_id == 0 && !m_renderer.main() && m_tooltip.isNull();
}

const QString& NavigationIcon::getElementIdForState(State state)
{
    switch (state) {
    case Uninitialized:
        return UNINITIALIZED_ELEMENT_ID;
    case Inactive:
        return INACTIVE_ELEMENT_ID;
    case Active:
        return ACTIVE_ELEMENT_ID;
    case Disabled:
        return DISABLED_ELEMENT_ID;
    default:
        return NORMAL_ELEMENT_ID;
    }
}

void NavigationIcon::setDropDownItemsModels(const QList<DropDownItemModel*>& itemsModels)
{
    m_dropDownModel.setItemsModels(itemsModels);
}

void NavigationIcon::setSupportsValue(bool supports)
{
    m_supportsValue = supports;
    if (supports && !m_valueData)
        m_valueData.emplace();
}

void NavigationIcon::clearValueData()
{
    m_valueData.reset();
}

double NavigationIcon::value() const
{
    return m_valueData ? m_valueData->value : 0.0;
}

void NavigationIcon::setValue(double value)
{
    if (m_valueData)
        m_valueData->value = value;
}

double NavigationIcon::minValue() const
{
    return m_valueData ? m_valueData->minValue : 0.0;
}

void NavigationIcon::setMinValue(double minValue)
{
    if (m_valueData)
        m_valueData->minValue = minValue;
}

double NavigationIcon::maxValue() const
{
    return m_valueData ? m_valueData->maxValue : 0.0;
}

void NavigationIcon::setMaxValue(double maxValue)
{
    if (m_valueData)
        m_valueData->maxValue = maxValue;
}

double NavigationIcon::valueStep() const
{
    return m_valueData ? m_valueData->valueStep : 0.0;
}

void NavigationIcon::setValueStep(double valueStep)
{
    if (m_valueData)
        m_valueData->valueStep = valueStep;
}

QSet<int> NavigationIcon::invalidValueSteps() const
{
    return m_valueData ? m_valueData->invalidValueSteps : QSet<int>();
}

void NavigationIcon::setInvalidValueSteps(const QSet<int>& steps)
{
    if (m_valueData)
        m_valueData->invalidValueSteps = steps;
}

QString NavigationIcon::valueFormat() const
{
    return m_valueData ? m_valueData->valueFormat : ValueData::EMPTY_FORMAT;
}

void NavigationIcon::setValueFormat(const QString& format)
{
    if (m_valueData)
        m_valueData->valueFormat = format;
}

int NavigationIcon::valuePrecision() const
{
    return m_valueData ? m_valueData->valuePrecision : ValueData::PRECISION_UNSPECIFIED;
}

void NavigationIcon::setValuePrecision(int precision)
{
    if (!m_valueData)
        return;
    if (!ValueData::isValidPrecision(precision)) {
        Logger(Logger::Error) << Q_FUNC_INFO << " Precision out of range -1..6 refused: " << qint64(precision);
        return;
    }
    m_valueData->valuePrecision = precision;
}

} // namespace Corvane::Gadgets::Models
