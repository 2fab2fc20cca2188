#pragma once

#include <QList>

class Form1;
class QPushButton;

// The find panel: opening it and finding stored forms by example.
class SearchHandlers {
public:
    explicit SearchHandlers(Form1& window);

    void Command3D27_Click();  // "Find": opens the panel
    void Command3D7_Click();   // "Find First"
    void Command3D9_Click();   // "Find Last"
    void Command3D10_Click();  // "Show All Records"

    // Makes the filled boxes the record source of Data1, shows the first or last
    // match (FindFromFirst), closes the panel and gives the main buttons back.
    void SearchForms();

private:
    Form1& w;
};
