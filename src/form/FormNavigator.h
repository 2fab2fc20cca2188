#pragma once

class Form1;
class QString;

// Next, previous and Delete over the stored forms of Data1 (the whole Form table or
// a search's result), in the record set's order.
class FormNavigator {
public:
    explicit FormNavigator(Form1& window);

    void next();
    void previous();
    void deleteShown();

private:
    enum class Direction { Forward, Backward };
    void step(Direction direction);
    void tellNoRecords(const QString& text);
    bool hasFormOnScreen() const;

    Form1& w;
};
