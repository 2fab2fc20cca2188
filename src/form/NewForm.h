#pragma once

struct FormParts;

// New: empties the screen for a new form (the description of work stays) and,
// when item 6 carries no agency, fills it from the agency chosen in set-up.
class NewForm
{
public:
    explicit NewForm(const FormParts &parts);

    void start();

private:
    void emptyBoxes();
    void fillAgencyFromSetup();

    const FormParts &w;
};
