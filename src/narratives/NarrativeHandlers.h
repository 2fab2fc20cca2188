#pragma once

class Form1;

// The narrative library on the back page of the screen.
class NarrativeHandlers {
public:
    explicit NarrativeHandlers(Form1& window);

    void SSCommand3_Click();

private:
    Form1& w;
};
