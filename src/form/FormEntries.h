#pragma once

#include <QString>

#include <array>

class FormScreen;

// What the form screen holds, read once: the checks and the record writer of Save
// work on these values and need no widget. Members are named after their controls;
// an option group or list is the index of its selected entry, -1 for none.
struct FormEntries {
    std::array<QString, 3> Combo1;  // registration mark, make, model
    std::array<QString, 2> Text1;   // serial no., series
    std::array<QString, 4> Text2;   // owner's name, address, city & state, zip & country
    int Option1 = -1;               // 0 repair, 1 alteration
    int List1 = -1;                 // 0 airframe, 1 powerplant, 2 propeller, 3 appliance
    std::array<QString, 2> Text4;   // unit make (an appliance's type), appliance manufacturer
    QString Text5;                  // unit model
    QString Text6;                  // unit serial no.
    std::array<QString, 5> Text7;   // agency name, address, city & state, zip & country, certificate no.
    int Option2 = -1;               // kind of agency
    int Check2 = 0;                 // extended range fuel: 0 clear, 1 ticked, 2 greyed
    QString Combo3;                 // signer of item 6
    QString Text16;                 // date of item 6
    int Option5 = -1;               // 0 approved, 1 rejected
    int Option6 = -1;               // approved "BY"
    QString Text13;                 // certificate or designation no.
    QString Combo5;                 // signer of item 7
    QString Text17;                 // date of item 7
    QString Text18;                 // description of work

    // Positions of the unit kinds in List1.
    static constexpr int Airframe = 0;
    static constexpr int Powerplant = 1;
    static constexpr int Propeller = 2;
    static constexpr int Appliance = 3;

    static FormEntries read(const FormScreen& screen);
};
