#include "Clock.h"

namespace {
class SystemClock : public Clock
{
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

SystemClock g_system;
Clock *g_clock = &g_system;
} // namespace

Clock &appClock()
{
    return *g_clock;
}

Clock *setClock(Clock *c)
{
    Clock *old = g_clock;
    g_clock = c ? c : &g_system;
    return old == &g_system ? nullptr : old;
}
