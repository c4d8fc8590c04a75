#include "Random.h"

#include <QDateTime>

void Random::randomize()
{
    m_engine.seed(static_cast<quint32>(QDateTime::currentMSecsSinceEpoch()));
}

int Random::random(int k)
{
    if (k <= 1)
        return 0;
    return std::uniform_int_distribution<int>(0, k - 1)(m_engine);
}
