#pragma once

#include "access/AccessHandlers.h"
#include "access/AdminPanel.h"
#include "access/SignInPanel.h"
#include "common/TestWindow.h"

#include <QComboBox>
#include <QLineEdit>
#include <QStringList>

// Shared steps of the sign-in and inspector panel tests.
namespace AccessTest {

struct Agent
{
    QVariant name;
    QVariant password;
    QVariant approvalNumber;
    bool administrator = false;
};

inline void addAgents(TestWindow &t, const QList<Agent> &agents)
{
    for (const Agent &a : agents)
        t.exec(QStringLiteral("FAAForm337A.mdb"),
               QStringLiteral("INSERT INTO Agents (Name, Password, ApprovalNumber, Administrator) "
                              "VALUES (?, ?, ?, ?)"),
               {a.name, a.password, a.approvalNumber, a.administrator ? -1 : 0});
}

// The usual inspectors: an administrator, an inspector, one without password.
inline QList<Agent> crew()
{
    return {{"Zoe", "Pw1", "A-1", true},
            {"Adam", "adam-pw", "A-2", false},
            {"Nopass", QVariant(), "A-3", false}};
}

// Types the sign-in entries and runs the check as Submit does.
inline void signIn(Form1 &w, int position, const QString &password)
{
    w.SSPanel1->Combo4->setCurrentIndex(position);
    w.SSPanel1->Text44->setText(password);
    w.accessHandlers().AgentSecurity();
}

inline QStringList items(const QComboBox *combo)
{
    QStringList out;
    for (int i = 0; i < combo->count(); ++i)
        out << combo->itemText(i);
    return out;
}

inline int agentCount(TestWindow &t)
{
    return t.value(QStringLiteral("FAAForm337A.mdb"), QStringLiteral("SELECT count(*) FROM Agents"))
        .toInt();
}

}  // namespace AccessTest

Q_DECLARE_METATYPE(AccessTest::Agent)
