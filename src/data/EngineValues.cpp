#include "data/EngineValues.h"

#include "data/DbError.h"

#include <QDate>
#include <QDateTime>
#include <cmath>
#include <limits>

namespace EngineValues {

namespace {

bool isNumberType(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::Double:
    case QMetaType::Float:
        return true;
    default:
        return false;
    }
}

bool isStringType(const QVariant &value)
{
    return value.typeId() == QMetaType::QString || value.typeId() == QMetaType::QByteArray
           || value.typeId() == QMetaType::QChar;
}

[[noreturn]] void conversionError(const FieldSpec &field, const QVariant &value)
{
    throw DbError(EngineError::DataTypeConversion,
                  QStringLiteral("Data type conversion error: %1 cannot hold \"%2\"")
                      .arg(field.name, value.toString()),
                  field.name);
}

// Whole numbers as qlonglong, others as double; an invalid QVariant when the value is no number.
QVariant asNumber(const QVariant &value)
{
    double number = 0;
    if (value.typeId() == QMetaType::Bool) {
        return qlonglong(value.toBool() ? -1 : 0);
    } else if (isNumberType(value)) {
        if (value.typeId() != QMetaType::Double && value.typeId() != QMetaType::Float)
            return value.toLongLong();
        number = value.toDouble();
    } else if (isStringType(value)) {
        bool ok = false;
        number = value.toString().trimmed().toDouble(&ok);
        if (!ok)
            return {};
    } else {
        return {};
    }
    if (!std::isfinite(number))
        return {};
    if (number == std::trunc(number) && std::fabs(number) < 9.0e15)
        return qlonglong(number);
    return number;
}

}  // namespace

bool isNullValue(const QVariant &value)
{
    if (value.isNull())
        return true;
    if (value.typeId() == QMetaType::QString)
        return value.toString().isNull();
    return false;
}

QVariant toBound(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::Bool:
        return value.toBool() ? -1 : 0;
    case QMetaType::QDate:
        return value.toDate().toString(Qt::ISODate);
    case QMetaType::QDateTime:
        return value.toDateTime().date().toString(Qt::ISODate);
    default:
        return value;
    }
}

QVariant toStored(const FieldSpec &field, const QVariant &value)
{
    if (isNullValue(value))
        return QVariant();
    switch (field.kind) {
    case FieldKind::Text:
    case FieldKind::LongText:
        if (value.typeId() == QMetaType::QDate)
            return value.toDate().toString(Qt::ISODate);
        if (value.typeId() == QMetaType::Bool)
            return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
        return value.toString();
    case FieldKind::YesNo: {
        const QVariant number = asNumber(value);
        if (!number.isValid())
            conversionError(field, value);
        return number.toDouble() != 0 ? -1 : 0;  // any true value is stored as -1
    }
    case FieldKind::Number: {
        const QVariant number = asNumber(value);
        if (!number.isValid())
            conversionError(field, value);
        return number;
    }
    case FieldKind::Date: {
        QDate date;
        if (value.typeId() == QMetaType::QDate)
            date = value.toDate();
        else if (value.typeId() == QMetaType::QDateTime)
            date = value.toDateTime().date();
        else if (isStringType(value))
            date = QDate::fromString(value.toString().trimmed(), Qt::ISODate);
        if (!date.isValid())
            conversionError(field, value);
        return date.toString(Qt::ISODate);
    }
    }
    return value;
}

QVariant fromResult(const QVariant &stored)
{
    if (stored.isNull())
        return QVariant();
    if (stored.typeId() == QMetaType::LongLong || stored.typeId() == QMetaType::ULongLong) {
        const qlonglong n = stored.toLongLong();
        if (n >= std::numeric_limits<int>::min() && n <= std::numeric_limits<int>::max())
            return int(n);
    }
    return stored;
}

QVariant fromStored(FieldKind kind, const QVariant &stored)
{
    if (stored.isNull())
        return QVariant();
    switch (kind) {
    case FieldKind::Text:
    case FieldKind::LongText:
        return stored.toString();
    case FieldKind::YesNo:
    case FieldKind::Number: {
        const QVariant number = fromResult(stored);
        if (number.typeId() == QMetaType::Double) {
            const double d = number.toDouble();
            if (d == std::trunc(d) && std::fabs(d) <= std::numeric_limits<int>::max())
                return int(d);
        }
        return number;
    }
    case FieldKind::Date: {
        const QDate date = QDate::fromString(stored.toString(), Qt::ISODate);
        return date.isValid() ? QVariant(date) : QVariant(stored.toString());
    }
    }
    return stored;
}

QString toLiteral(const QVariant &value)
{
    const QVariant bound = toBound(value);
    if (isNullValue(bound))
        return QStringLiteral("NULL");
    if (isNumberType(bound)) {
        if (bound.typeId() == QMetaType::Double || bound.typeId() == QMetaType::Float)
            return QString::number(bound.toDouble(), 'g', 17);
        return bound.toString();
    }
    QString text = bound.toString();
    text.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QLatin1Char('\'') + text + QLatin1Char('\'');
}

}  // namespace EngineValues
