// The game's one random generator.
#pragma once

#include <QtGlobal>
#include <functional>
#include <random>

namespace nuyo {

class Random
{
public:
    Random();
    void seed(quint32 s);

    // Rnd: a single-precision value in [0, 1), never 1.0.
    float rnd();

    // Int(Rnd × n): 0 .. n − 1.
    int below(int n);

    // Replaces the 32-bit source (tests use this to feed chosen draws).
    void setSource(std::function<quint32()> source) { m_source = std::move(source); }

private:
    std::mt19937 m_engine;
    std::function<quint32()> m_source;
};

} // namespace nuyo
