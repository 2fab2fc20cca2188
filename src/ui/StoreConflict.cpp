#include "ui/StoreConflict.h"

#include "data/DbError.h"
#include "data/Recordset.h"

#include <QObject>

namespace StoreConflict {

bool isConflict(const DbError& error)
{
    return error.number() == EngineError::ChangedByAnother || error.number() == EngineError::RecordDeleted;
}

QString prepareRetry(Recordset& record, const DbError& error)
{
    if (!isConflict(error))
        return {};
    try {
        if (record.editMode() != Recordset::EditMode::None)
            record.cancelUpdate();
        if (error.number() == EngineError::ChangedByAnother) {
            record.reread();
            return QObject::tr("What is on screen is kept: Save again to store it in place of the other "
                               "workstation's changes.");
        }
    } catch (const DbError&) {
        // Deleted meanwhile as well: stored as a new record below.
    }
    try {
        record.addNew();
    } catch (const DbError&) {
        return {};
    }
    return QObject::tr("What is on screen is kept: Save again to store it as a new record.");
}

}  // namespace StoreConflict
