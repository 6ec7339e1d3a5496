#pragma once

#include <QHashFunctions>

namespace Corvane::Devices {

// A device, or a part of it (an air-conditioner command), as user settings
// key it.
class ItemKey
{
public:
    static const int INVALID_SUB_ID;

    ItemKey(int id = 0, int subId = INVALID_SUB_ID)
        : m_id(id)
        , m_subId(subId)
    {
    }

    int id() const { return m_id; }
    int subId() const { return m_subId; }
    bool hasSubId() const { return m_subId != INVALID_SUB_ID; }

    bool operator==(const ItemKey& other) const { return m_id == other.m_id && m_subId == other.m_subId; }
    bool operator!=(const ItemKey& other) const { return !(*this == other); }
    bool operator<(const ItemKey& other) const
    {
        return m_id != other.m_id ? m_id < other.m_id : m_subId < other.m_subId;
    }

private:
    int m_id;
    int m_subId;
};

inline size_t qHash(const ItemKey& key, size_t seed = 0)
{
    return qHashMulti(seed, key.id(), key.subId());
}

} // namespace Corvane::Devices
