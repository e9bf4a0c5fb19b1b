#pragma once

#include <QtGlobal>

// Nearest whole number, exact halves to the even neighbour (the platform's Round).
qint64 bankersRound(double x);
// Nearest whole number, exact halves away from zero.
qint64 roundHalfAwayFromZero(double x);
