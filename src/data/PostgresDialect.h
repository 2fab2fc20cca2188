#pragma once

#include <QString>

// The program's SQL as a PostgreSQL server reads it. The data files find table and field
// names without regard to case, quoted or not; the server keeps the case of quoted names
// and folds the others to lower case. So on the server every name of the program's tables
// and fields ("form", [Form], Form.regnum) is written quoted in the schema's own spelling,
// and every other quoted name (stored queries and the names of result columns) in lower
// case, as the server folds them. Text in quotes, functions and keywords stay as given.
namespace PostgresDialect {

QString fromFileSql(const QString &sql);

}  // namespace PostgresDialect
