#pragma once

#include "form/FormSnapshot.h"

// A filled-in powerplant alteration as the printing tests draw it: every item holds
// text, approved by a repair station, one line of description.
inline FormSnapshot sampleForm()
{
    FormSnapshot f;
    f.registrationMark = "N4721K";
    f.make = "Cessna";
    f.model = "172S";
    f.serialNumber = "172S10485";
    f.series = "Skyhawk";
    f.ownerName = "Blue Ridge Flying Club";
    f.ownerAddress = "1450 Airport Road";
    f.ownerCityState = "Roanoke, VA 24012";
    f.ownerZipCountry = "USA";
    f.typeOfWork = FormSnapshot::Alteration;
    f.unitKind = FormSnapshot::Powerplant;
    f.unitMake = "Lycoming";
    f.unitModel = "IO-360-L2A";
    f.unitSerialNumber = "L-31842-51A";
    f.agencyName = "Valley Aircraft Services";
    f.agencyAddress = "2201 Hangar Lane";
    f.agencyCityState = "Roanoke, VA";
    f.agencyZipCountry = "USA";
    f.agencyCertificate = "VQ4R123K";
    f.agencyKind = 2;
    f.conformitySigner = "Robert Lancaster";
    f.conformityDate = "3/17/2011";
    f.verdict = FormSnapshot::Approved;
    f.approvedBy = 5;
    f.approverCertificate = "DMIR-2207";
    f.approvalSigner = "Helen Carter";
    f.approvalDate = "March 18, 2011";
    f.description = "Installed engine per STC SE09201SC.";
    return f;
}
