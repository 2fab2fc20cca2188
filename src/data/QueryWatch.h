#pragma once

#include <functional>

class Database;

// While it lives, keepGoing is called often as statements run on the database's
// connection (about every millisecond of engine work); when it answers false, the
// running statement stops and throws DbError, and wasStopped() tells that it was asked.
class QueryWatch
{
public:
    QueryWatch(Database &database, std::function<bool()> keepGoing);
    ~QueryWatch();
    QueryWatch(const QueryWatch &) = delete;
    QueryWatch &operator=(const QueryWatch &) = delete;

    bool wasStopped() const { return m_stopped; }

private:
    static int check(void *watch);

    void *m_connection;
    std::function<bool()> m_keepGoing;
    bool m_stopped = false;
};
