#include "data/PostgresErrors.h"

#include "data/DbError.h"

#include <QSqlError>

namespace PostgresErrors {

namespace {

struct Mapping
{
    const char *sqlState;  // a full code, or a two-character class
    int number;
};

// Full codes first; a class stands for every code in it that is not listed.
constexpr Mapping kMappings[] = {
    {"22001", EngineError::ValueTooLarge},       // string_data_right_truncation
    {"22003", EngineError::DataTypeConversion},  // numeric_value_out_of_range
    {"22007", EngineError::DataTypeConversion},  // invalid_datetime_format
    {"22008", EngineError::DataTypeConversion},  // datetime_field_overflow
    {"22P02", EngineError::DataTypeConversion},  // invalid_text_representation
    {"23514", EngineError::DataTypeConversion},  // check_violation (Yes/No other than -1, 0)
    {"2201B", EngineError::QuerySyntax},         // invalid_regular_expression
    {"42P07", EngineError::ObjectExists},        // duplicate_table (tables and views)
    {"42710", EngineError::ObjectExists},        // duplicate_object
    {"42P06", EngineError::ObjectExists},        // duplicate_schema
    {"42723", EngineError::ObjectExists},        // duplicate_function
    {"42P04", EngineError::ObjectExists},        // duplicate_database
    {"42P01", EngineError::TableNotFound},       // undefined_table
    {"42501", EngineError::ReadOnly},            // insufficient_privilege
    {"25006", EngineError::ReadOnly},            // read_only_sql_transaction
    {"3D000", EngineError::FileNotFound},        // invalid_catalog_name: no such database
    {"53100", EngineError::DiskFull},            // disk_full
    {"40001", EngineError::LockedByAnother},     // serialization_failure
    {"40P01", EngineError::LockedByAnother},     // deadlock_detected
    {"55P03", EngineError::LockedByAnother},     // lock_not_available
    {"57014", EngineError::LockedByAnother},     // query_canceled (a lock or statement timeout)
    {"42", EngineError::QuerySyntax},            // syntax error or access rule violation: no such
                                                 // column or function, wrong argument types
    {"28", EngineError::CannotOpenFile},         // the server refused the user or its login
};

}  // namespace

int engineNumber(const QString &sqlState)
{
    if (sqlState.size() != 5)
        return EngineError::GeneralFailure;
    for (const Mapping &mapping : kMappings) {
        if (sqlState.startsWith(QLatin1String(mapping.sqlState)))
            return mapping.number;
    }
    return EngineError::GeneralFailure;
}

int engineNumber(const QSqlError &error)
{
    return engineNumber(error.nativeErrorCode());
}

bool isConnectionLost(const QString &sqlState)
{
    // Class 08 is connection_exception; 57P01-57P03 the server shutting down or starting.
    return sqlState.startsWith(QLatin1String("08")) || sqlState == QLatin1String("57P01")
           || sqlState == QLatin1String("57P02") || sqlState == QLatin1String("57P03");
}

}  // namespace PostgresErrors
