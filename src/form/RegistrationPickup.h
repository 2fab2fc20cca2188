#pragma once

class FormScreen;
class Recordset;

// The registration-mark pick-up: a form started from a mark repeats the aircraft,
// owner and agency of that aircraft's latest stored form and nothing of the work.
class RegistrationPickup
{
public:
    RegistrationPickup(FormScreen &screen, Recordset &forms);

    // index 0: a mark picked from the list; -1: the reset after a deletion, which
    // also empties the mark when no stored form carries it any more.
    void pickUp(int index);

private:
    void clearAircraftAndOwner(bool clearMark);
    void resetWorkItems();

    FormScreen &s;
    Recordset &m_forms;
};
