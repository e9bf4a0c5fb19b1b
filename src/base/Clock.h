#pragma once

#include <QDateTime>

// "Now" comes from here so that tests can fix it.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};

Clock &appClock();
Clock *setClock(Clock *c); // not owned; nullptr restores the system clock

class FixedClock : public Clock
{
public:
    explicit FixedClock(QDateTime t) : m_now(std::move(t)), m_previous(setClock(this)) {}
    ~FixedClock() override { setClock(m_previous); }
    QDateTime now() const override { return m_now; }
    void set(const QDateTime &t) { m_now = t; }

private:
    QDateTime m_now;
    Clock *m_previous;
};
