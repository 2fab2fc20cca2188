#include "form/FormRecordWriter.h"

#include "data/FormColumns.h"
#include "data/Recordset.h"
#include "form/FormFields.h"
#include "ui/Dates.h"

namespace {

void writeText(Recordset &record, const QString &column, const QString &text,
               FormFields::Storage storage)
{
    switch (storage) {
    case FormFields::Storage::Text:
        record.setField(column, text);
        break;
    case FormFields::Storage::BlankWhenEmpty:
        record.setField(column, text.isEmpty() ? QStringLiteral(" ") : text);
        break;
    case FormFields::Storage::KeptWhenEmpty:
        if (!text.isEmpty())
            record.setField(column, text);
        break;
    case FormFields::Storage::Date: {
        const QDate date = Dates::parse(text);
        if (date.isValid())
            record.setField(column, date);
        break;
    }
    }
}

// The repair and alteration flags of the chosen unit kind and the columns of that
// kind's boxes; with no unit kind chosen no unit column is written.
void writeUnit(Recordset &record, const FormSnapshot &form)
{
    if (form.unitKind < FormSnapshot::Airframe || form.unitKind > FormSnapshot::Appliance)
        return;
    const FormFields::TypeColumns type = FormFields::typeColumns(form.unitKind);
    record.setField(type.repair, form.typeOfWork == FormSnapshot::Repair);
    record.setField(type.alteration, form.typeOfWork == FormSnapshot::Alteration);
    for (const FormFields::Field &field : FormFields::all()) {
        if (field.group == FormFields::Group::Unit && field.unitColumns[form.unitKind])
            record.setField(*field.unitColumns[form.unitKind], form.*field.value);
    }
}

}  // namespace

namespace FormRecordWriter {

void write(Recordset &record, const FormSnapshot &form)
{
    for (const FormFields::Field &field : FormFields::all()) {
        if (field.column)
            writeText(record, *field.column, form.*field.value, field.storage);
    }
    if (form.agencyKind >= 0)
        record.setField(FormColumn::AgencyKind, form.agencyKind);
    writeUnit(record, form);
    record.setField(FormColumn::Rating3, form.extendedRangeFuel);
    record.setField(FormColumn::Approved, form.verdict == FormSnapshot::Approved);
    if (form.approvedBy >= 0)
        record.setField(FormColumn::ApprovedBy, form.approvedBy);
}

}  // namespace FormRecordWriter
