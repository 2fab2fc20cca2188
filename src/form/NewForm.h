#pragma once

class Form1;

// New: empties the screen for a new form (the description of work stays) and,
// when item 6 carries no agency, fills it from the agency chosen in set-up.
class NewForm {
public:
    explicit NewForm(Form1& window);

    void start();

private:
    void emptyBoxes();
    void fillAgencyFromSetup();

    Form1& w;
};
