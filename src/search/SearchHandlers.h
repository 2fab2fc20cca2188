#pragma once

#include "search/SearchParts.h"

#include "data/Criterion.h"
#include "search/SearchProgress.h"

#include <QObject>
#include <optional>

// The find panel's controller: opening it and finding stored forms by example.
class SearchHandlers : public QObject
{
    Q_OBJECT
public:
    explicit SearchHandlers(const SearchParts &parts);

    void Command3D27_Click();  // "Find": opens the panel
    void Command3D7_Click();   // "Find First"
    void Command3D9_Click();   // "Find Last"
    void Command3D10_Click();  // "Show All Records"

    // Makes the filled boxes the record source of Data1, shows the first or last
    // match (FindFromFirst), closes the panel and gives the main buttons back. A search
    // that runs longer than showProgressAfterMs shows its progress with Cancel; Cancel
    // leaves Data1 on the record it stood on, and the panel open.
    void SearchForms();
    int showProgressAfterMs = SearchProgress::kShowAfterMs;

signals:
    // A match is current in Data1: the form screen shows it (ShowRecord).
    void matchFound();

private:
    void backTo(const Criterion &filter, std::optional<qint64> record);

    SearchParts w;
};
