#pragma once

class Form1;

// The report-period counts of approved and rejected repairs and alterations.
class StatisticsHandlers {
public:
    explicit StatisticsHandlers(Form1& window);

    void SSCommand14_Click();

private:
    Form1& w;
};
