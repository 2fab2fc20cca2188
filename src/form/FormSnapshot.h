#pragma once

#include <QString>

class FormScreen;

// One form as the form screen holds it, read at once. Save's checks and record writer,
// printing, preview and export work on this and touch no widget, so a form prints
// whether or not it was saved. Each member names the control it is read from; option
// groups and the unit list hold the index of the selected entry, -1 for none.
struct FormSnapshot
{
    // Item 1, aircraft
    QString registrationMark;  // Combo1(0)
    QString make;              // Combo1(1)
    QString model;             // Combo1(2)
    QString serialNumber;      // Text1(0)
    QString series;            // Text1(1)

    // Item 2, owner
    QString ownerName;        // Text2(0), one or several lines
    QString ownerAddress;     // Text2(1)
    QString ownerCityState;   // Text2(2)
    QString ownerZipCountry;  // Text2(3)

    // Item 4, type of work
    int typeOfWork = -1;  // Option1: Repair or Alteration

    // Item 5, unit
    int unitKind = -1;              // List1: Airframe, Powerplant, Propeller or Appliance
    QString unitMake;               // Text4(0); an appliance's type
    QString applianceManufacturer;  // Text4(1)
    QString unitModel;              // Text5
    QString unitSerialNumber;       // Text6

    // Item 6, conformity statement
    QString agencyName;         // Text7(0)
    QString agencyAddress;      // Text7(1)
    QString agencyCityState;    // Text7(2)
    QString agencyZipCountry;   // Text7(3)
    QString agencyCertificate;  // Text7(4)
    int agencyKind = -1;        // Option2
    int extendedRangeFuel = 0;  // Check2: 0 clear, 1 ticked, 2 greyed
    QString conformitySigner;   // Combo3
    QString conformityDate;     // Text16

    // Item 7, approval for return to service
    int verdict = -1;             // Option5: Approved or Rejected
    int approvedBy = -1;          // Option6
    QString otherApprover;        // Text3, "Other (Specify)"
    QString approverCertificate;  // Text13
    QString approvalSigner;       // Combo5
    QString approvalDate;         // Text17

    // The mailing record of the FAA's copy (not printed)
    QString faaSentDate;  // txtFaaSentDate
    QString faaTracking;  // txtFaaTracking

    // Item 8, on the back
    QString description;  // Text18

    enum TypeOfWork { Repair = 0, Alteration = 1 };
    enum UnitKind { Airframe = 0, Powerplant = 1, Propeller = 2, Appliance = 3 };
    enum Verdict { Approved = 0, Rejected = 1 };

    static FormSnapshot read(const FormScreen &screen);
    bool operator==(const FormSnapshot &) const = default;
};
