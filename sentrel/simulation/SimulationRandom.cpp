#include "SimulationRandom.h"

namespace Corvane::Sentrel {

int SimulationRandom::randomSum(int count, int min, int max)
{
    int sum = 0;
    for (int i = 0; i < count; ++i)
        sum += random(min, max);
    return sum;
}

// A mix of the seed and the key (the SplitMix64 finaliser): cheap enough for
// the thousands of readings of a year's answers.
int SimulationRandom::reading(quint64 key, int bound) const
{
    quint64 mixed = key + (quint64(m_seed) << 32) + 0x9E3779B97F4A7C15ull;
    mixed = (mixed ^ (mixed >> 30)) * 0xBF58476D1CE4E5B9ull;
    mixed = (mixed ^ (mixed >> 27)) * 0x94D049BB133111EBull;
    mixed ^= mixed >> 31;
    return int(mixed % quint64(bound));
}

} // namespace Corvane::Sentrel
