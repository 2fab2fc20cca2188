#pragma once

class FormHandlers;
class QString;
struct FormParts;

// Next, previous and Delete over the stored forms of Data1 (the whole Form table or
// a search's result), in the record set's order.
class FormNavigator
{
public:
    // The controller shows the record stepped to, and tells of a deleted form.
    FormNavigator(const FormParts &parts, FormHandlers &controller);

    void next();
    void previous();
    void deleteShown();

private:
    enum class Direction { Forward, Backward };
    void step(Direction direction);
    void tellNoRecords(const QString &text);
    bool hasFormOnScreen() const;

    const FormParts &w;
    FormHandlers &m_controller;
};
