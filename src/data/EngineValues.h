#pragma once

#include "data/Schema.h"

#include <QString>
#include <QVariant>

// Conversions between the values the program works with and the values the
// engine stores: Yes/No as -1/0, dates as ISO "YYYY-MM-DD" text.
namespace EngineValues {

// A value as it is bound to a statement: bool -> -1/0, QDate/QDateTime -> ISO date text.
QVariant toBound(const QVariant &value);

// A value for a field of the given kind, as it is stored. Throws
// DbError(DataTypeConversion) when the value cannot be stored in that kind of field.
QVariant toStored(const FieldSpec &field, const QVariant &value);

// A stored value as the program reads it: Yes/No and numbers as int (double when
// not whole), dates as QDate (the stored text when it is no ISO date), text as QString.
QVariant fromStored(FieldKind kind, const QVariant &stored);

// A value read from a statement whose columns are not known fields: whole numbers
// that fit become int.
QVariant fromResult(const QVariant &stored);

// A value written as an SQL literal (for stored queries, which cannot take bound values).
QString toLiteral(const QVariant &value);

bool isNullValue(const QVariant &value);

}  // namespace EngineValues
