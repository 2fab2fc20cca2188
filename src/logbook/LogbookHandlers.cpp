#include "logbook/LogbookHandlers.h"

#include "data/DbError.h"
#include "data/Recordset.h"
#include "form/FormSnapshot.h"
#include "form/LogbookEntry.h"
#include "ui/MessageService.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPushButton>

LogbookHandlers::LogbookHandlers(const LogbookParts &parts)
    : w(parts)
{
    QObject::connect(w.cmdLogbookEntry, &QPushButton::clicked, w.cmdLogbookEntry,
                     [this] { cmdLogbookEntry_Click(); });
}

void LogbookHandlers::cmdLogbookEntry_Click()
{
    // An unreadable template gives the default one.
    const QString templateText
        = readOr([&] { return w.setupCursor.field(QStringLiteral("LogbookTemplate")).toString(); },
                 QString());
    const QString entry = LogbookEntry::text(templateText, FormSnapshot::read(*w.Panel3D1));
    QGuiApplication::clipboard()->setText(entry);
    w.messages.tell(QObject::tr("This logbook entry is on the clipboard; paste it into the "
                                "aircraft's maintenance record:\n\n%1")
                        .arg(entry),
                    QObject::tr("Logbook entry"), Msg::Icon::Information);
}
