#include "SimulationRandom.h"

namespace Corvane::Sentrel {

int SimulationRandom::randomSum(int count, int min, int max)
{
    int sum = 0;
    for (int i = 0; i < count; ++i)
        sum += random(min, max);
    return sum;
}

} // namespace Corvane::Sentrel
