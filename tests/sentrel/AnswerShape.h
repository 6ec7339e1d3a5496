#pragma once

#include "AnswerRecorder.h"

#include <QList>
#include <QMetaType>
#include <QPair>
#include <QString>

// What a made-up answer must look like: its fixed fields, the command types
// and dimensions it may carry, and a range per value.
struct AnswerShape
{
    using Range = QPair<int, int>;

    int messageType = 0;
    int systemType = 0;
    // Any address when null.
    QString address;
    QList<int> commandTypes;
    QList<int> dimensions;
    QList<Range> values;
    int dimensionParameterCount = 0;
    bool flag = false;

    static Range exactly(int value) { return { value, value }; }
    static Range between(int minimum, int maximum) { return { minimum, maximum }; }
    static QList<Range> repeated(int count, Range range) { return QList<Range>(count, range); }
    static QList<int> from(int first, int last, int step = 1);
    // The shape of the request itself sent back unchanged.
    static AnswerShape echoOf(const Corvane::PravikDriver::Message& request);

    // Empty when answer fits, else what does not.
    QString mismatch(const ReceivedAnswer& answer) const;
};

using AnswerShapes = QList<AnswerShape>;
Q_DECLARE_METATYPE(AnswerShapes)
Q_DECLARE_METATYPE(Corvane::PravikDriver::Message)

// Why answers (one request's) do not fit shapes, of which the first
// minimumCount must come and the rest may; empty when they fit.
QString mismatchOf(const QList<ReceivedAnswer>& answers, const AnswerShapes& shapes, int minimumCount);
