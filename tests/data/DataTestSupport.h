#pragma once

#include "data/Criterion.h"
#include "data/DbError.h"
#include "data/Schema.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QDate>
#include <QFile>
#include <QString>
#include <QtTest>

Q_DECLARE_METATYPE(Criterion)

// Runs expr and checks that it throws DbError with the given engine number.
#define QVERIFY_DBERROR(expr, expectedNumber) \
    do { \
        int got_ = 0; \
        try { \
            expr; \
        } catch (const DbError &error_) { \
            got_ = error_.number(); \
        } \
        QCOMPARE(got_, int(expectedNumber)); \
    } while (0)

inline QByteArray fileChecksum(const QString &path)
{
    QFile file(path);
    if (path.isEmpty() || !file.exists() || !file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256).toHex();
}

inline void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

// A value for a field of any kind, and a second, different one (variant 0 or 1). Texts hold
// quotes, escapes and a letter outside ASCII; a full one fills the field to its limit.
enum class SampleText { Short, Full };
inline QVariant sampleValue(const FieldSpec &field, int variant, SampleText length)
{
    switch (field.kind) {
    case FieldKind::Text:
    case FieldKind::LongText: {
        if (length == SampleText::Short)
            return QString::fromUtf8("%1 O'B\"r%_\\ \xC3\xA9 ?").arg(variant).left(field.maxLength);
        const QString piece
            = variant == 0 ? QString::fromUtf8("O'B\"r%_\\\xC3\xA9") : QStringLiteral("x");
        QString text;
        while (text.size() < field.maxLength)
            text += piece;
        return text.left(field.maxLength);
    }
    case FieldKind::YesNo:
        return variant == 0 ? -1 : 0;
    case FieldKind::Date:
        return variant == 0 ? QDate(2011, 3, 17) : QDate(1999, 12, 31);
    case FieldKind::Number:
        return variant == 0 ? QVariant(2.5) : QVariant(7);
    }
    return {};
}
