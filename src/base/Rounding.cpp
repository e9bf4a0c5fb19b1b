#include "Rounding.h"

#include <cmath>

qint64 bankersRound(double x)
{
    const double f = std::floor(x);
    const double diff = x - f;
    double r;
    if (diff > 0.5)
        r = f + 1;
    else if (diff < 0.5)
        r = f;
    else
        r = std::fmod(f, 2.0) == 0.0 ? f : f + 1;
    return static_cast<qint64>(r);
}

qint64 roundHalfAwayFromZero(double x)
{
    return static_cast<qint64>(std::round(x));
}
