#pragma once

#include "mailing/MailingParts.h"

#include <QList>

class UnsentFormsPanel;

// The FAA mailing of approved forms: the notice at sign-in and the list of unsent forms
// where sendings are recorded.
class MailingHandlers
{
public:
    explicit MailingHandlers(const MailingParts &parts);
    ~MailingHandlers();

    // After sign-in: a short notice of the approved forms not recorded as sent, if any.
    void showSignInNotice();
    // "FAA mailing": the list of unsent forms.
    void openList();
    // Records the ticked forms of the list as sent on the date and with the tracking typed.
    void recordTicked();
    // Leaving the form screen's "FAA copy sent" box: a text that is no date is said so.
    void checkSentDate();

    UnsentFormsPanel *panel() const { return m_panel; }

private:
    void fillList();

    MailingParts w;
    UnsentFormsPanel *m_panel;
};
