#pragma once

#include <QtGlobal>
#include <random>

// The process-wide pseudo-random generator. Windows seed it from the clock; tests seed it with a fixed value.
class Random
{
public:
    Random() { randomize(); }
    void seed(quint32 value) { m_engine.seed(value); }
    void randomize();
    // A uniform integer r with 0 <= r < k; 0 when k <= 0.
    int random(int k);

private:
    std::mt19937 m_engine;
};
