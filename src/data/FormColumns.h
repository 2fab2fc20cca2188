#pragma once

#include <QString>

// The columns of table Form in their stored order: name, kind (FieldKind) and maximum
// length in characters (0 where the kind has none). The schema builds the table from
// this list, and the rest of the program names the columns by the constants below,
// so a column is written down once.
#define FORM337_FORM_COLUMNS(X) \
    X(RegNum, Text, 20) \
    X(Make, Text, 40) \
    X(Model, Text, 40) \
    X(Serial, Text, 30) \
    X(Rating1, Text, 30) \
    X(OwnerName, Text, 255) \
    X(OwnerAdd1, Text, 100) \
    X(OwnerAdd2, Text, 100) \
    X(OwnerName2, Text, 100) \
    X(AirType1, YesNo, 0) \
    X(AirType2, YesNo, 0) \
    X(PowType1, YesNo, 0) \
    X(PowType2, YesNo, 0) \
    X(PowMake, Text, 50) \
    X(PowModel, Text, 50) \
    X(PowSerial, Text, 50) \
    X(ProType1, YesNo, 0) \
    X(ProType2, YesNo, 0) \
    X(ProMake, Text, 50) \
    X(ProModel, Text, 50) \
    X(ProSerial, Text, 50) \
    X(AppType1, YesNo, 0) \
    X(AppType2, YesNo, 0) \
    X(AppDesc, Text, 50) \
    X(AppMake, Text, 50) \
    X(AppModel, Text, 50) \
    X(AppSerial, Text, 50) \
    X(AgencyName, Text, 100) \
    X(AgencyAdd1, Text, 100) \
    X(AgencyAdd2, Text, 100) \
    X(AgencyAdd3, Text, 100) \
    X(AgencyCert, Text, 30) \
    X(AgencyKind, Number, 0) \
    X(Rating3, Number, 0) \
    X(FormDate, Date, 0) \
    X(ApproveName, Text, 50) \
    X(Approved, YesNo, 0) \
    X(ApprovedBy, Number, 0) \
    X(ApproveCert, Text, 30) \
    X(Signed, Text, 50) \
    X(ApproveDate, Date, 0) \
    X(Back, LongText, 1048576)

// The columns of later versions, stored after the first ones. A file made before them
// gets them (Null in every stored form) when it is opened; the Access import leaves them
// empty. The mailing record: when the FAA's copy was sent and its tracking text.
#define FORM337_FORM_COLUMNS_ADDED(X) \
    X(FaaSentDate, Date, 0) \
    X(FaaTracking, Text, 100)

namespace FormColumn {
#define FORM337_COLUMN_NAME(name, kind, length) inline const QString name = QStringLiteral(#name);
FORM337_FORM_COLUMNS(FORM337_COLUMN_NAME)
FORM337_FORM_COLUMNS_ADDED(FORM337_COLUMN_NAME)
#undef FORM337_COLUMN_NAME
}  // namespace FormColumn
