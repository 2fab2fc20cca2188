#pragma once

class MessageService;
class Recordset;

// The status line's word on the forms a search selected: how many match after the
// search, and which of them is shown while walking. Counts are given only where the
// record set knows them cheaply; a wide search is not counted, as that reads every form.
namespace MatchStatus {

void tellFound(const Recordset &forms, const MessageService &messages);
void tellPlace(const Recordset &forms, const MessageService &messages);

}  // namespace MatchStatus
