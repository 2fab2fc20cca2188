#pragma once

class QSqlDatabase;

// Functions of our own that the engine calls from SQL on every connection:
//   jet_like(pattern, text)   1 when text matches the Jet Like pattern, 0 otherwise or for Null
//   jet_same_text(a, b)       1 when a and b are equal without regard to case (non-ASCII too)
namespace EngineFunctions {

// Returns false when the connection is not one the functions can be added to.
bool registerOn(const QSqlDatabase &db);

}  // namespace EngineFunctions
