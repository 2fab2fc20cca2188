#pragma once

class Form1;

// The print request: the Copies box and one printed copy of the form on screen.
class PrintHandlers {
public:
    explicit PrintHandlers(Form1& window);

    void Command3D14_Click();
    void Command1_Click(int index);
    void PrintForm();

private:
    Form1& w;
};
