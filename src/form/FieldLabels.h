#pragma once

#include <QString>

// The label on the form screen of the box a field of table Form (or aircraft) is
// written from, for messages that name a field to the user.
namespace FieldLabels {

// "Owner's name" for OwnerName; the field name itself for a field with no box.
QString of(const QString& field);

}  // namespace FieldLabels
