#pragma once

#include <QString>

struct FormSnapshot;

// The maintenance record entry for the aircraft's logbook that refers to the form. It is
// written from a template the agency may change in set-up (field LogbookTemplate of Setup);
// the template's {names} are replaced by the form's entries.
namespace LogbookEntry {

// {date} the date of item 6 (work completed), {mark}, {make}, {model}, {serial},
// {unit} the unit of item 5 with its make, model and serial, {work} repair or alteration,
// {description} the first paragraph of item 8, {agency} and {certificate} of item 6.
QString defaultTemplate();

// The template filled in from the form; an empty template means the default one.
QString text(const QString &templateText, const FormSnapshot &form);

}  // namespace LogbookEntry
