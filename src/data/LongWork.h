#pragma once

#include <QString>

// Told about work of the data layer that can take long where the user waits (building
// the search index of a large file when it is opened), so that the window can show it.
// One observer for the process; none by default.
class LongWork
{
public:
    virtual ~LongWork() = default;
    virtual void begin(const QString &what) = 0;
    virtual void step() = 0;  // called often while the work goes on
    virtual void end() = 0;

    static void setObserver(LongWork *observer);
    static LongWork *observer();
};
