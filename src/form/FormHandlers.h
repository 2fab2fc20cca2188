#pragma once

class Form1;

// The form screen's handlers: the registration-mark pick-up, the model list, showing a stored record, saving, New, next, previous and Delete.
class FormHandlers {
public:
    explicit FormHandlers(Form1& window);

    void ShowRecord();
    void Combo1_Click(int index);
    void Command3D13_Click();
    void Command3D19_Click();
    void Command3D16_Click();
    void Command3D17_Click();
    void Command3D15_Click();

private:
    Form1& w;
};
