#pragma once

#include "data/Criterion.h"
#include "data/DbError.h"

#include <QByteArray>
#include <QCryptographicHash>
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
