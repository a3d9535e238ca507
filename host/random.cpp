#include "host/random.h"

#include <cmath>

namespace nuyo {

Random::Random()
{
    m_source = [this] { return static_cast<quint32>(m_engine()); };
}

void Random::seed(quint32 s)
{
    m_engine.seed(s);
}

float Random::rnd()
{
    // The top 24 bits fill a float's mantissa exactly, so the largest value is 1 − 2^−24.
    const quint32 bits = m_source() >> 8;
    return static_cast<float>(bits) * (1.0f / 16777216.0f);
}

int Random::below(int n)
{
    return static_cast<int>(std::floor(rnd() * static_cast<float>(n)));
}

} // namespace nuyo
