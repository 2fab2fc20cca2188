#pragma once

#include <QDate>

// Today's date, injectable so that sign-in, the date fillers and printing can be tested on a fixed day.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDate today() const = 0;
};

class SystemClock : public Clock
{
public:
    QDate today() const override { return QDate::currentDate(); }
};

class FixedClock : public Clock
{
public:
    explicit FixedClock(QDate day)
        : m_day(day)
    { }
    QDate today() const override { return m_day; }
    void set(QDate day) { m_day = day; }

private:
    QDate m_day;
};
