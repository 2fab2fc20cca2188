#pragma once

#include "form/FormSnapshot.h"

#include <QString>
#include <QStringView>

#include <array>
#include <optional>
#include <span>

// The text boxes of the form screen, one row each: which control holds the text,
// where the snapshot keeps it, the Form column it is stored in, its label, its
// placeholder and where the front page prints it. Showing a record, saving, reading
// the screen for printing and naming a field in a message all read this table, so a
// new text of the form is one row here (plus its column, control and print place).
namespace FormFields {

// How a box's text goes into its column.
enum class Storage {
    Text,            // as it stands
    BlankWhenEmpty,  // an empty box is stored as a single blank
    Date,            // the date the box shows; a text that is no date leaves the column as it was
    KeptWhenEmpty,   // as it stands; an empty box leaves the column as it was
};

// What showing a Null column does to its box.
enum class WhenNull {
    ShowsPlaceholder,  // the box shows its placeholder (or nothing, where it has none)
    KeepsBox,          // the box keeps what it shows
};

// Which step of showing a record writes the box.
enum class Group {
    Registration,         // the registration mark, shown first
    AircraftOwnerAgency,  // also copied from an aircraft's latest form when its mark is picked
    Unit,                 // item 5: the column depends on the unit kind
    Signatures,           // signers, dates, certificate and description, shown last
    NotStored,            // printed only
};

// Where the front page prints a single-line text: the text's top-left corner in page
// units, in Arial of the given size.
struct PrintPlace
{
    double x;
    double y;
    double pointSize;
    bool bold;
    bool asDate = false;  // printed in the form's long date form where it reads as a date
};

struct Field
{
    const char *control;           // the box's objectName, "Text7(0)" for an array member
    QString FormSnapshot::*value;  // where a snapshot holds the text
    const QString *column;         // the Form column; nullptr for Unit and NotStored boxes
    const char *label;             // the box's label, for messages that name it
    const QString *placeholder;    // shown while the box holds no data; nullptr: none
    Group group;
    Storage storage = Storage::Text;
    WhenNull whenNull = WhenNull::ShowsPlaceholder;
    std::optional<PrintPlace> printed = std::nullopt;  // nullopt: printed by a rule of its own
    // Unit boxes: the column for each unit kind (airframe, powerplant, propeller, appliance),
    // nullptr where that kind stores nothing from the box, and the label under that kind.
    std::array<const QString *, 4> unitColumns{};
    const char *applianceLabel = nullptr;
};

std::span<const Field> all();

// The two Yes/No columns of a unit kind (FormSnapshot::UnitKind) that say whether the
// form is a repair or an alteration of that kind of unit ("PowType1", "PowType2").
struct TypeColumns
{
    const QString &repair;
    const QString &alteration;
};
TypeColumns typeColumns(int unitKind);

// The row of a control by its objectName; nullptr when the control is no text box of the form.
const Field *byControl(QStringView objectName);

// The label of the box a Form column is written from ("Owner's name" for OwnerName);
// the column name itself for a column that no box writes.
QString labelOf(const QString &column);

}  // namespace FormFields
