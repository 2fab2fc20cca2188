#pragma once

#include <QString>

#include <array>

// The values of the form screen that the printed pages read, one member per control
// (arrays by index, as on the screen). The main window fills it from its controls;
// printing reads nothing else, so a form prints whether or not it was saved.
struct PrintableForm {
    std::array<QString, 3> Combo1;   // registration mark, make, model
    std::array<QString, 2> Text1;    // serial, series
    std::array<QString, 4> Text2;    // owner's name (may hold several lines), address, city & state, zip & country
    std::array<bool, 2> Option1{};   // repair, alteration
    int List1 = -1;                  // unit kind: 0 airframe, 1 powerplant, 2 propeller, 3 appliance, -1 none
    std::array<QString, 2> Text4;    // unit make (appliance: type), appliance manufacturer
    QString Text5;                   // unit model
    QString Text6;                   // unit serial
    std::array<QString, 5> Text7;    // agency name, address, city & state, zip & country, certificate
    std::array<bool, 5> Option2{};   // kind of agency
    int Check2 = 0;                  // extended range fuel: 0 clear, 1 ticked, 2 greyed
    QString Combo3;                  // item 6 signer
    QString Text16;                  // item 6 date
    std::array<bool, 2> Option5{};   // approved, rejected
    std::array<bool, 7> Option6{};   // approved by
    QString Text3;                   // other (specify)
    QString Text13;                  // certificate or designation number
    QString Combo5;                  // item 7 signer
    QString Text17;                  // item 7 date
    QString Text18;                  // description of work
};
