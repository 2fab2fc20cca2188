#pragma once

class Form1;

// The find panel: opening it and finding stored forms by example.
class SearchHandlers {
public:
    explicit SearchHandlers(Form1& window);

    void Command3D27_Click();
    void SearchForms();

private:
    Form1& w;
};
