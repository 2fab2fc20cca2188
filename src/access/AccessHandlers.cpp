#include "access/AccessHandlers.h"

#include "access/AdminHandlers.h"
#include "access/SignInPanel.h"
#include "form/FormScreen.h"
#include "ui/Clock.h"
#include "ui/Dates.h"
#include "ui/FocusLossFilter.h"
#include "ui/ListFill.h"
#include "ui/MessageService.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

AccessHandlers::AccessHandlers(const AccessParts &parts)
    : w(parts)
    , m_admin(std::make_unique<AdminHandlers>(w))
{
    SignInPanel *panel = w.SSPanel1;
    QObject::connect(panel->SSCommand2, &QPushButton::clicked, panel,
                     [this] { SSCommand2_Click(); });
    QObject::connect(panel->SSCommand1, &QPushButton::clicked, panel,
                     [this] { SSCommand1_Click(); });
    QObject::connect(panel->Text44, &QLineEdit::returnPressed, panel, [this] { Text44_Enter(); });
    FocusLossFilter::install(panel->Text44, [this] { Text44_LostFocus(); });
    QObject::connect(w.agentsButton, &QPushButton::clicked, panel, [this] { SSCommand9_Click(); });
}

AccessHandlers::~AccessHandlers() = default;

void AccessHandlers::AgentSecurity()
{
    // Guards against the focus moves of the check itself coming back as a loss of focus.
    if (m_checking)
        return;
    m_checking = true;
    struct Reset
    {
        bool &flag;
        ~Reset() { flag = false; }
    } reset{m_checking};

    SignInPanel *panel = w.SSPanel1;
    const int position = panel->Combo4->currentIndex();
    const QString password = panel->Text44->text();

    if (position < 0) {
        // No name chosen: only the master password lets someone in; box 6 stays as it is.
        if (password.toUpper() == kMasterPassword) {
            m_admin->setSignedIn(true);
            panel->hide();
            w.Panel3D1->Combo1[0]->setFocus();
        } else {
            panel->Combo4->setFocus();
        }
        return;
    }

    // The password lists hold one slot per listed name.
    const QString stored
        = position < w.AgentPasswords.size() ? w.AgentPasswords.at(position) : QString();
    if (position < w.AgentPasswords.size() && stored == password) {
        signedIn();
        return;
    }

    const auto answer
        = w.messages.ask({QObject::tr("Try again?"), QObject::tr("Password Incorrect"),
                          Msg::Buttons::YesNo, Msg::Icon::Exclamation, Msg::Answer::Yes});
    if (answer == Msg::Answer::No) {
        w.endProgram();
        return;
    }
    panel->Text44->clear();
    panel->Text44->setFocus();
}

void AccessHandlers::signedIn()
{
    SignInPanel *panel = w.SSPanel1;
    m_admin->setSignedIn(true);
    panel->hide();
    FormScreen *form = w.Panel3D1;
    form->Combo1[0]->setFocus();
    ListFill::setText(form->Combo3, panel->Combo4->currentText());
    form->Text16->setText(Dates::longForm(w.clock.today()));
    if (w.signedIn)
        w.signedIn();
}

void AccessHandlers::SSCommand1_Click()
{
    w.endProgram();
}

void AccessHandlers::SSCommand2_Click()
{
    AgentSecurity();
}

void AccessHandlers::Text44_LostFocus()
{
    // The panel is never shown again once someone has signed in.
    if (w.SSPanel1->isHidden())
        return;
    // Going back to the names list is choosing another name, not submitting: checking
    // then would ask "Try again?" and put the focus back, so no other name could be chosen.
    if (QApplication::focusWidget() == w.SSPanel1->Combo4)
        return;
    AgentSecurity();
}

void AccessHandlers::Text44_Enter()
{
    // Enter only brings "Exit" to the front; it neither presses it nor runs the check.
    w.SSPanel1->SSCommand1->raise();
}

void AccessHandlers::SSCommand9_Click()
{
    m_admin->SSCommand9_Click();
}
