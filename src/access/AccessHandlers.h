#pragma once

class Form1;

// Sign-in and the inspector administration panel.
class AccessHandlers {
public:
    explicit AccessHandlers(Form1& window);

    void AgentSecurity();
    void SSCommand9_Click();

private:
    Form1& w;
};
