#pragma once

#include <QObject>

// Every text box of the form screen, by name, filled with hostile text: saved, shown,
// found by an exact search and printed, or refused with a message where the text is
// longer than its field; and the narrative library storing and picking the same texts.
class HostileInputTest : public QObject
{
    Q_OBJECT

private slots:
    void everyFormBoxRoundTrips();
    void narrativesRoundTrip();
};
