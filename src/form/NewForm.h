#pragma once

struct FormParts;

// New: empties the screen for a new form (the description of work stays) and,
// when item 6 carries no agency, fills it from the agency chosen in set-up.
class NewForm
{
public:
    explicit NewForm(const FormParts &parts);

    // agencyFromSetup: item 6 takes the set-up agency even when it shows another.
    void start(bool agencyFromSetup = false);

private:
    void emptyBoxes();
    void fillAgencyFromSetup();

    const FormParts &w;
};
