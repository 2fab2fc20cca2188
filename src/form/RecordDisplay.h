#pragma once

class FormScreen;
class Recordset;

// Copies a stored Form record into the form screen (ShowRecord). It only writes
// controls; a Null field gives its box's placeholder or leaves the box as it was,
// as each step says. Throws DbError when the record set has no current record.
class RecordDisplay
{
public:
    explicit RecordDisplay(FormScreen &screen);

    // The whole record, as ShowRecord shows a stored form.
    void show(const Recordset &record);

    // Aircraft (make, model, serial, series), owner and agency with its kind; the
    // registration-mark pick-up repeats these from the aircraft's latest form.
    void showAircraftOwnerAndAgency(const Recordset &record);

private:
    void showTypeOfWork(const Recordset &record);
    void showUnit(const Recordset &record);
    void showApproval(const Recordset &record);
    void showSignersAndDescription(const Recordset &record);

    FormScreen &s;
};
