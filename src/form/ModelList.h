#pragma once

class FormScreen;
class Recordset;

// The model list follows the make: the distinct models stored in table aircraft
// for the make in Combo1(1), read through the given record set.
class ModelList
{
public:
    ModelList(FormScreen &screen, Recordset &query);

    // Refills the list of Combo1(2); its text stays as it is.
    void refill();

private:
    FormScreen &s;
    Recordset &m_query;
};
