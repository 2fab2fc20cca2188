#include "form/MatchStatus.h"

#include "data/DbError.h"
#include "data/Recordset.h"
#include "ui/MessageService.h"

#include <QObject>

namespace {

std::optional<Recordset::Place> placeOf(const Recordset &forms)
{
    // A count that cannot be read is left unsaid; the search or step itself went well.
    return readOr([&] { return forms.placeIfCheap(); }, std::optional<Recordset::Place>());
}

}  // namespace

void MatchStatus::tellFound(const Recordset &forms, const MessageService &messages)
{
    if (forms.filter().isEmpty()) {
        messages.status(QObject::tr("All forms shown"));
        return;
    }
    const std::optional<Recordset::Place> place = placeOf(forms);
    if (!place)
        messages.status(QObject::tr("Matching forms found"));
    else if (place->count == 1)
        messages.status(QObject::tr("1 form matches"));
    else
        messages.status(QObject::tr("%1 forms match").arg(place->count));
}

void MatchStatus::tellPlace(const Recordset &forms, const MessageService &messages)
{
    const std::optional<Recordset::Place> place
        = forms.filter().isEmpty() ? std::nullopt : placeOf(forms);
    if (place && place->index > 0)
        messages.status(QObject::tr("Form %1 of %2").arg(place->index).arg(place->count));
    else
        messages.status(QString());
}
