#pragma once

struct ServerAddress;

// libpq's password file: ~/.pgpass, or the file PGPASSFILE names. The program never reads
// the passwords; it only asks whether the file has an entry for a server, so that it asks
// the user for one only where libpq has none to give.
namespace PgPass {

bool hasEntryFor(const ServerAddress &address);

}  // namespace PgPass
