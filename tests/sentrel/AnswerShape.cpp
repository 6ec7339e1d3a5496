#include "AnswerShape.h"

using Corvane::PravikDriver::Message;

QList<int> AnswerShape::from(int first, int last, int step)
{
    QList<int> list;
    for (int value = first; value <= last; value += step)
        list.append(value);
    return list;
}

AnswerShape AnswerShape::echoOf(const Message& request)
{
    AnswerShape shape;
    shape.messageType = request.messageType();
    shape.systemType = request.systemType();
    shape.address = request.address().isNull() ? QStringLiteral("") : request.address();
    shape.commandTypes = { request.commandType() };
    shape.dimensions = { request.dimension() };
    for (const auto& value : request.parameters())
        shape.values.append(exactly(value.value()));
    shape.dimensionParameterCount = request.dimensionParameterCount();
    return shape;
}

QString AnswerShape::mismatch(const ReceivedAnswer& answer) const
{
    const Message& m = answer.message;
    QStringList problems;
    if (m.messageType() != messageType)
        problems << QStringLiteral("message type %1").arg(m.messageType());
    if (m.systemType() != systemType)
        problems << QStringLiteral("system type %1").arg(m.systemType());
    if (!address.isNull() && m.address() != address)
        problems << QStringLiteral("address \"%1\"").arg(m.address());
    if (!commandTypes.contains(m.commandType()))
        problems << QStringLiteral("command type %1").arg(m.commandType());
    if (!dimensions.contains(m.dimension()))
        problems << QStringLiteral("dimension %1").arg(m.dimension());
    if (m.dimensionParameterCount() != dimensionParameterCount)
        problems << QStringLiteral("dimension parameter count %1").arg(m.dimensionParameterCount());
    const auto parameters = m.parameters();
    if (parameters.size() != values.size()) {
        problems << QStringLiteral("%1 values").arg(parameters.size());
    } else {
        for (int i = 0; i < values.size(); ++i) {
            const int value = parameters.at(i).value();
            if (!parameters.at(i).isValid() || value < values.at(i).first || value > values.at(i).second)
                problems << QStringLiteral("value %1 is %2").arg(i).arg(value);
        }
    }
    if (answer.flag != flag)
        problems << QStringLiteral("flag %1").arg(answer.flag ? 1 : 0);
    if (!answer.second.isEmpty())
        problems << QStringLiteral("a second message");
    return problems.join(QStringLiteral(", "));
}

QString mismatchOf(const QList<ReceivedAnswer>& answers, const AnswerShapes& shapes, int minimumCount)
{
    if (answers.size() < minimumCount || answers.size() > shapes.size())
        return QStringLiteral("%1 messages").arg(answers.size());
    for (int i = 0; i < answers.size(); ++i) {
        if (const QString problem = shapes.at(i).mismatch(answers.at(i)); !problem.isEmpty())
            return QStringLiteral("message %1: %2").arg(i + 1).arg(problem);
    }
    return {};
}
