#pragma once

class Recordset;
struct FormSnapshot;

// Copies the screen's entries into the record being added or edited in a Form record
// set, field by field. Only the selected unit kind's type flags and unit fields are
// written, so an edited record keeps those of other kinds; a date box that does not
// read as a date leaves its field as it was. Nothing is committed here.
namespace FormRecordWriter {

void write(Recordset &record, const FormSnapshot &form);

}  // namespace FormRecordWriter
