#pragma once

#include "UserMessages/LoadManagementMessage.h"

#include <QHash>
#include <QList>
#include <QMap>
#include <QString>

#include <optional>

namespace Corvane::PravikDriver {

// Collects the frames of an energy answer that the gateway sends in several
// messages and builds the one answer from them. A frame carries, after its
// dimension parameters, its index (1..count) and its payload. At most
// MAX_OPEN_ANSWERS answers are collected at a time; the oldest is dropped.
class MultiFrameAssembler
{
public:
    static constexpr int MAX_OPEN_ANSWERS = 32;

    struct Progress
    {
        int received = 0;
        int total = 0;
    };

    static bool isMultiFrame(int dimension);

    // Adds a frame; returns the answer once its last frame has arrived.
    // progress tells how many frames of the answer have arrived.
    std::optional<UserMessages::LoadManagementMessage> add(const Message& frame, Progress* progress);
    // Forgets the frames collected for (address, dimension).
    void discard(const QString& address, int dimension);
    // The day asked for by the last old-interface day-per-hour request to
    // (address, month); its frames do not carry it.
    void setRequestedDay(const QString& address, int month, int day);

private:
    struct OpenAnswer
    {
        QString address;
        int dimension = 0;
        QList<int> dimensionParameters;
        QMap<int, QList<int>> payloads;
    };

    UserMessages::LoadManagementMessage build(const OpenAnswer& answer) const;
    QList<int> concatenated(const OpenAnswer& answer) const;
    static QList<int> wordValues(const QList<int>& bytes, int count);

    // Oldest first: answers are appended as they open and never reordered.
    QList<OpenAnswer> m_answers;
    QHash<QString, int> m_requestedDays;
};

} // namespace Corvane::PravikDriver
