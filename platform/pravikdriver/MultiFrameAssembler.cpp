#include "MultiFrameAssembler.h"

#include "PravikCodes.h"

#include <algorithm>
#include <limits>

namespace Corvane::PravikDriver {

using namespace PravikCodes;
using UserMessages::LoadManagementMessage;

namespace {

const int HOURS_PER_DAY = 24;
const int DAYS_PER_MONTH = 31;

QString dayKey(const QString& address, int month)
{
    return address + QLatin1Char('/') + QString::number(month);
}

} // namespace

bool MultiFrameAssembler::isMultiFrame(int dimension)
{
    return LoadManagementMessage::messagesCount(dimension) > 1;
}

std::optional<LoadManagementMessage> MultiFrameAssembler::add(const Message& frame, Progress* progress)
{
    const int count = LoadManagementMessage::messagesCount(frame.dimension());
    const QList<Value<int>> parameters = frame.parameters();
    const int dimensionParameterCount = frame.dimensionParameterCount();
    if (count < 2 || dimensionParameterCount < 0 || parameters.size() < dimensionParameterCount + 1)
        return std::nullopt;
    QList<int> values;
    for (const Value<int>& parameter : parameters) {
        if (!parameter.isValid())
            return std::nullopt;
        values.append(parameter.value());
    }
    const QList<int> dimensionParameters = values.mid(0, dimensionParameterCount);
    const int index = values.at(dimensionParameterCount);
    if (index < 1 || index > count)
        return std::nullopt;

    auto answer = std::find_if(m_answers.begin(), m_answers.end(), [&](const OpenAnswer& open) {
        return open.address == frame.address() && open.dimension == frame.dimension()
            && open.dimensionParameters == dimensionParameters;
    });
    if (answer == m_answers.end()) {
        if (m_answers.size() >= MAX_OPEN_ANSWERS)
            m_answers.removeFirst();
        m_answers.append(OpenAnswer { frame.address(), frame.dimension(), dimensionParameters, {} });
        answer = m_answers.end() - 1;
    }
    answer->payloads.insert(index, values.mid(dimensionParameterCount + 1));
    if (progress)
        *progress = Progress { int(answer->payloads.size()), count };
    if (answer->payloads.size() < count)
        return std::nullopt;
    const LoadManagementMessage message = build(*answer);
    m_answers.erase(answer);
    return message;
}

void MultiFrameAssembler::discard(const QString& address, int dimension)
{
    m_answers.removeIf([&](const OpenAnswer& open) { return open.address == address && open.dimension == dimension; });
}

void MultiFrameAssembler::setRequestedDay(const QString& address, int month, int day)
{
    m_requestedDays.insert(dayKey(address, month), day);
}

LoadManagementMessage MultiFrameAssembler::build(const OpenAnswer& answer) const
{
    QList<int> dimensionParameters = answer.dimensionParameters;
    QList<int> values;
    switch (answer.dimension) {
    case OLD_MONTH_PER_DAY:
        values = wordValues(concatenated(answer), DAYS_PER_MONTH);
        break;
    case OLD_MONTH_PER_HOUR:
        values = wordValues(concatenated(answer), HOURS_PER_DAY);
        break;
    case OLD_DAY_PER_HOUR: {
        // Frames carry [year, month]; the hours run from the second payload
        // item of the first frame, three per frame; the day total is ours.
        values = concatenated(answer).mid(1, HOURS_PER_DAY);
        while (values.size() < HOURS_PER_DAY)
            values.append(0);
        qint64 total = 0;
        for (int value : std::as_const(values))
            total += value;
        values.append(int(qBound(qint64(std::numeric_limits<int>::min()), total, qint64(std::numeric_limits<int>::max()))));
        const int month = dimensionParameters.value(1, 0);
        dimensionParameters = { month, m_requestedDays.value(dayKey(answer.address, month), 0) };
        break;
    }
    default:
        for (auto it = answer.payloads.cbegin(); it != answer.payloads.cend(); ++it)
            values.append(it->value(0, 0));
        break;
    }
    return LoadManagementMessage(answer.dimension, answer.address, dimensionParameters, values);
}

QList<int> MultiFrameAssembler::concatenated(const OpenAnswer& answer) const
{
    QList<int> items;
    for (auto it = answer.payloads.cbegin(); it != answer.payloads.cend(); ++it)
        items.append(*it);
    return items;
}

// Old-interface series pack each value into two items, high byte first.
QList<int> MultiFrameAssembler::wordValues(const QList<int>& bytes, int count)
{
    QList<int> values;
    for (int i = 0; i < count; ++i) {
        const int high = bytes.value(2 * i, 0) & 0xFF;
        const int low = bytes.value(2 * i + 1, 0) & 0xFF;
        values.append(high << 8 | low);
    }
    return values;
}

} // namespace Corvane::PravikDriver
