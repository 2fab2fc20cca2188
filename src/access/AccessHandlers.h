#pragma once

#include "access/AccessParts.h"

#include <QString>
#include <memory>

class AdminHandlers;

// Sign-in on the "Access Control" panel, and the entry to the inspector administration.
class AccessHandlers
{
public:
    explicit AccessHandlers(const AccessParts &parts);
    ~AccessHandlers();

    // The check of the name and password on the sign-in panel.
    void AgentSecurity();
    void SSCommand1_Click();  // "Exit": ends the program at once
    void SSCommand2_Click();  // "Submit"
    void Text44_LostFocus();
    void Text44_Enter();      // Enter in the password box
    void SSCommand9_Click();  // "Agents" on the set-up panel

    AdminHandlers &adminHandlers() const { return *m_admin; }

    // The password that lets someone in without choosing a name (compared in upper case),
    // and the administrator password of the inspector panel (compared exactly).
    static inline const QString kMasterPassword = QStringLiteral("KXQD2718");
    static inline const QString kAdministratorPassword = QStringLiteral("kxqd2718");

private:
    void signedIn();

    AccessParts w;
    std::unique_ptr<AdminHandlers> m_admin;
    bool m_checking = false;  // the check moves the focus itself; that is no new loss of focus
};
