#pragma once

#include <QString>

class QSqlError;

// The engine error numbers (EngineError) that the program decides by, for the errors of
// a PostgreSQL server, which names each failure by its five-character SQLSTATE code.
namespace PostgresErrors {

// GeneralFailure for a code the program makes no decision on.
int engineNumber(const QString &sqlState);
// The code is the driver's native error code; a failure with none (the server could not
// be reached or the connection broke before it answered) is a GeneralFailure.
int engineNumber(const QSqlError &error);

// True when the connection to the server is gone (the server stopped or restarted, the
// network dropped): the statement may not have run, and a new connection may succeed.
bool isConnectionLost(const QString &sqlState);

}  // namespace PostgresErrors
