#pragma once

#include <QRandomGenerator>

namespace Corvane::Sentrel {

// The random source of the simulated gateway. It starts from a fixed seed, so
// that every run of the program repeats the same answers; tests set their
// own seed.
class SimulationRandom
{
public:
    static constexpr quint32 DEFAULT_SEED = 1;

    SimulationRandom() = default;

    void setSeed(quint32 seed)
    {
        m_seed = seed;
        m_generator.seed(seed);
    }
    // A value in 0..2^31 - 1.
    int draw() { return int(m_generator.generate() & 0x7fffffffu); }
    // A value in 0..bound - 1, for bound > 0.
    int draw(int bound) { return m_generator.bounded(bound); }
    // A value in min..max inclusive, for max >= min.
    int random(int min, int max) { return min + draw(max - min + 1); }
    // The sum of count draws of random(min, max); 0 when count < 1.
    int randomSum(int count, int min, int max);
    // A value in 0..bound - 1, for bound > 0, that depends on the seed and
    // the key alone: a reading the gateway keeps and tells alike each time.
    int reading(quint64 key, int bound) const;

private:
    quint32 m_seed = DEFAULT_SEED;
    QRandomGenerator m_generator { DEFAULT_SEED };
};

} // namespace Corvane::Sentrel
