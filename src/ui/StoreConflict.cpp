#include "ui/StoreConflict.h"

#include "data/DbError.h"
#include "data/Recordset.h"

#include <QObject>

namespace StoreConflict {

namespace {

bool isConflict(const DbError &error)
{
    return error.number() == EngineError::ChangedByAnother
           || error.number() == EngineError::RecordDeleted;
}

// Prepares the retry and returns the sentence that tells the user what Save will do,
// empty when the failure was no conflict or no retry can be prepared.
QString retryAdvice(Recordset &record, const DbError &error)
{
    if (!isConflict(error))
        return {};
    // A record that cannot be read again was deleted meanwhile as well: it is stored as
    // a new record below.
    const bool readAgain = readOr(
        [&] {
            if (record.editMode() != Recordset::EditMode::None)
                record.cancelUpdate();
            if (error.number() != EngineError::ChangedByAnother)
                return false;
            record.reread();
            return true;
        },
        false);
    if (readAgain)
        return QObject::tr(
            "What is on screen is kept: Save again to store it in place of the other "
            "workstation's changes.");
    try {
        record.addNew();
    } catch (const DbError &) {
        return {};
    }
    return QObject::tr("What is on screen is kept: Save again to store it as a new record.");
}

}  // namespace

QString prepareRetry(Recordset &record, const DbError &error, const QString &failure)
{
    const QString advice = retryAdvice(record, error);
    return advice.isEmpty() ? failure : failure + QStringLiteral(".\n\n") + advice;
}

}  // namespace StoreConflict
