#pragma once

#include "pravikdriver/Message.h"

#include <QList>

namespace Corvane::PravikDriver::UserMessages {

// An energy-management answer (meters and loads), one message per answer
// even when the gateway sent it in several frames. Types:
//  1 automatic-update state  [energy type] [period]
//  2 instant data            [] [value]
//  3 current day total       [] [value]
//  4 current month total     [] [value]
//  5 month total             [two-digit year, month] [value]
//  6 month per day           [month] [31 daily values]
//  7 month per hour          [month] [24 hourly values, + average on the new interface]
//  8 day per hour            [month, day] [24 hourly values, day total]
//  9 load status             [] [six state bits]
// 10 load counter            [counter] [value, day, month, year, hour, minute]
// (dimension parameters first, then values).
class LoadManagementMessage
{
public:
    LoadManagementMessage() = default;
    explicit LoadManagementMessage(const Message& message);
    LoadManagementMessage(int dimension, const QString& address, const QList<int>& dimensionParameters,
                          const QList<int>& values);

    static bool canDecode(const Message& message);
    // The answer type of a dimension, 0 for none.
    static int dimensionTypeToMessageType(int dimension);
    // How many frames the gateway sends for an answer of this dimension.
    static int messagesCount(int dimension);

    bool isValid() const { return m_type != 0; }
    int type() const { return m_type; }
    int dimension() const { return m_dimension; }
    QString address() const { return m_address; }
    QList<int> dimensionParameters() const { return m_dimensionParameters; }
    QList<int> values() const { return m_values; }

    int energyType() const { return dimensionParameterAt(0); }
    int period() const { return valueAt(0); }
    int year() const;
    int month() const;
    int day() const;
    int counterNumber() const { return m_type == 10 ? dimensionParameterAt(0) : -1; }
    int hour() const { return m_type == 10 ? valueAt(4) : -1; }
    int minute() const { return m_type == 10 ? valueAt(5) : -1; }
    // Load status fields: 1 set, 2 clear, 0 not given.
    int forceField() const { return stateField(1); }
    int enableField() const { return stateField(5); }

private:
    int dimensionParameterAt(int index) const;
    int valueAt(int index) const;
    int stateField(int index) const;

    int m_type = 0;
    int m_dimension = 0;
    QString m_address;
    QList<int> m_dimensionParameters;
    QList<int> m_values;
};

} // namespace Corvane::PravikDriver::UserMessages
