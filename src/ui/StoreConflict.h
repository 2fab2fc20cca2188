#pragma once

#include <QString>

class DbError;
class Recordset;

// A record that another workstation changed or deleted since it was shown is not
// stored over it unasked. The panels that store such records keep what is on screen,
// say so, and make the next Save of the same screen store it knowingly: in place of
// the other workstation's changes, or as a new record when the old one is gone.
namespace StoreConflict {

// Reads the record again (changed) or begins a new one (deleted), so that the next
// update goes through; returns the message of the failure, followed by the sentence
// that tells the user so.
QString prepareRetry(Recordset &record, const DbError &error, const QString &failure);

}  // namespace StoreConflict
