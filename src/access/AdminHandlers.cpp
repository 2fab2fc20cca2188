#include "access/AdminHandlers.h"

#include "access/AccessHandlers.h"
#include "access/AccessParts.h"
#include "access/AdminPanel.h"
#include "access/SignInPanel.h"
#include "data/Criterion.h"
#include "data/DbError.h"
#include "data/Recordset.h"
#include "data/SchemaSql.h"
#include "form/FormScreen.h"
#include "ui/ButtonBar.h"
#include "ui/ControlText.h"
#include "ui/MessageService.h"
#include "ui/StoreConflict.h"
#include "ui/Twips.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

namespace {

const QString kName = QStringLiteral("Name");
const QString kPassword = QStringLiteral("Password");
const QString kApprovalNumber = QStringLiteral("ApprovalNumber");
const QString kAdministrator = QStringLiteral("Administrator");

// Sets slot position of a list kept parallel to a names list, growing it as needed.
void setSlot(QStringList &list, int position, const QString &value)
{
    while (list.size() <= position)
        list.append(QString());
    list[position] = value;
}

}  // namespace

AdminHandlers::AdminHandlers(const AccessParts &parts)
    : w(parts)
{
    AdminPanel *p = w.SSPanel3;
    QObject::connect(p->Combo6, &QComboBox::currentIndexChanged, p, [this](int index) {
        if (index >= 0)
            Combo6_Click();
    });
    QObject::connect(p->Text47[12], &QLineEdit::textChanged, p, [this] { Text47_Change(12); });
    // Selecting "Yes", by the user or by code, runs its click; "No" has none.
    QObject::connect(p->Option3, &QRadioButton::toggled, p, [this](bool checked) {
        if (checked)
            Option3_Click();
    });
    QObject::connect(p->SSCommand10, &QPushButton::clicked, p, [this] { SSCommand10_Click(); });
    QObject::connect(p->SSCommand11, &QPushButton::clicked, p, [this] { SSCommand11_Click(); });
    QObject::connect(p->SSCommand12, &QPushButton::clicked, p, [this] { SSCommand12_Click(); });
    QObject::connect(p->SSCommand13, &QPushButton::clicked, p, [this] { SSCommand13_Click(); });
}

void AdminHandlers::SSCommand9_Click()
{
    AdminPanel *p = w.SSPanel3;
    const SignInPanel *signIn = w.SSPanel1;

    bool tableEmpty = true;
    skipFailingStep([&] { tableEmpty = w.Data5.isEmpty(); });
    // The panel shows stored passwords: until someone has signed in (by name or with the
    // master password) a name merely selected in the sign-in list opens nothing. An empty
    // table has no one to sign in, so the first inspector can still be entered.
    if (!tableEmpty && !m_signedIn)
        return;

    const int position = signIn->Combo4->currentIndex();
    const QVariant signedRecord = position >= 0 ? signIn->Combo4->itemData(position) : QVariant();

    // Show the signed-in inspector. Combo6 loses a deleted inspector at once while the
    // sign-in list keeps it until the next reload, so the entry is looked up by record.
    if (position >= 0) {
        const int entry = signedRecord.isValid() ? p->Combo6->findData(signedRecord) : -1;
        if (entry >= 0 && entry == p->Combo6->currentIndex())
            Combo6_Click();
        else if (entry >= 0)
            p->Combo6->setCurrentIndex(entry);
    }

    bool found = false;
    if (position >= 0) {
        skipFailingStep(
            [&] { found = findInspector(signedRecord, signIn->Combo4->currentText()); });
    }
    // Only a listed inspector, the master sign-in or an empty table may open the panel.
    if (!tableEmpty && !found && signIn->Text44->text() != AccessHandlers::kAdministratorPassword)
        return;

    placePanel();
    p->raise();
    p->show();

    if (tableEmpty) {
        // The first inspector is entered at once.
        setAdministering(true);
        SSCommand12_Click();
        return;
    }

    w.buttonBar.apply(ButtonBar::Event::AdminPanelOpened);
    w.NewAgentFlag = 0;
    p->showNameEntry(false);
    // The master sign-in has no record of its own; the master password is the administrator's.
    bool administrator = !found;
    if (found) {
        skipFailingStep([&] { administrator = isYes(w.Data5.field(kAdministrator)); });
    }
    if (administrator) {
        p->Option3->setEnabled(true);
        selectOption3();
        p->Combo6->setEnabled(true);
    } else {
        p->Option3->setEnabled(false);
        p->Option4->setChecked(true);
        p->Combo6->setEnabled(false);
        setAdministering(false);
    }
    p->update();
}

bool AdminHandlers::findInspector(const QVariant &recordId, const QString &name)
{
    // Names compare without regard to case, so only the record key tells "Adam Lee"
    // from "ADAM LEE"; the name serves entries that carry no key.
    if (recordId.isValid())
        w.Data5.findFirst(Criterion::equals(QLatin1String(SchemaSql::kRecordId), recordId));
    else
        w.Data5.findFirst(Criterion::equals(kName, name));
    return !w.Data5.noMatch();
}

void AdminHandlers::setSignedIn(bool signedIn)
{
    m_signedIn = signedIn;
}

void AdminHandlers::placePanel()
{
    // Over the set-up panel with a margin of 120 twips all round.
    const QRect setup = w.Panel3D7->geometry();
    const int margin = twipsToPixels(120, w.SSPanel3);
    w.SSPanel3->setGeometry(setup.adjusted(margin, margin, -margin, -margin));
}

bool AdminHandlers::findPickedInspector()
{
    const QComboBox *names = w.SSPanel3->Combo6;
    const int entry = names->currentIndex();
    return entry >= 0 && findInspector(names->itemData(entry), names->itemText(entry));
}

void AdminHandlers::Combo6_Click()
{
    AdminPanel *p = w.SSPanel3;
    try {
        if (!findPickedInspector())
            return;
        if (isYes(w.Data5.field(kAdministrator)))
            selectOption3();
        else
            p->Option4->setChecked(true);
        p->Text47[17]->setText(w.Data5.text(kName));
        p->Text47[15]->setText(w.Data5.text(kApprovalNumber));
        p->Text47[10]->setText(w.Data5.text(kPassword));
    } catch (const DbError &) {
        return;
    }
    showOldPassword();
    p->SSCommand11->setEnabled(true);
}

void AdminHandlers::Text47_Change(int index)
{
    if (index != 12)
        return;
    AdminPanel *p = w.SSPanel3;
    p->Option3->setEnabled(p->Text47[12]->text() == AccessHandlers::kAdministratorPassword);
}

void AdminHandlers::Option3_Click()
{
    AdminPanel *p = w.SSPanel3;
    const bool yes = p->Option3->isChecked();
    for (QWidget *control :
         {static_cast<QWidget *>(p->Text47[17]), static_cast<QWidget *>(p->Combo6),
          static_cast<QWidget *>(p->SSCommand12), static_cast<QWidget *>(p->SSCommand11)})
        control->setEnabled(yes);
    if (!yes)
        p->Option4->setChecked(true);
    p->Option3->setEnabled(yes);
    setAdministering(yes);
}

void AdminHandlers::selectOption3()
{
    AdminPanel *p = w.SSPanel3;
    // Selecting the button that is already selected changes nothing, so its click is run here.
    if (p->Option3->isChecked())
        Option3_Click();
    else
        p->Option3->setChecked(true);
}

void AdminHandlers::setAdministering(bool administering)
{
    m_administering = administering;
    if (!administering) {
        w.SSPanel3->SSCommand11->setEnabled(false);
        w.SSPanel3->SSCommand12->setEnabled(false);
    }
}

void AdminHandlers::SSCommand12_Click()
{
    AdminPanel *p = w.SSPanel3;
    p->showNameEntry(true);
    w.NewAgentFlag = 1;
    skipFailingStep([&] { w.Data5.addNew(); });
    p->update();
    for (int i : {17, 15, 10})
        p->Text47[i]->clear();
    p->Option4->setChecked(true);
    showOldPassword();
    p->Text47[17]->setFocus();
    p->SSCommand11->setEnabled(false);
    p->SSCommand12->setEnabled(false);
}

void AdminHandlers::SSCommand10_Click()
{
    AdminPanel *p = w.SSPanel3;
    const bool adding = w.NewAgentFlag == 1;
    const QString name = p->Text47[17]->text();
    const QString approvalNumber = p->Text47[15]->text();
    const QString newPassword = p->Text47[10]->text();
    bool stored = false;
    bool recreated = false;
    QString storedPassword;
    try {
        if (name.isEmpty()) {
            // Nothing to store; an inspector being entered stays in entry.
            if (w.Data5.editMode() == Recordset::EditMode::Edit)
                w.Data5.cancelUpdate();
        } else {
            if (adding && w.Data5.editMode() != Recordset::EditMode::Add)
                w.Data5.addNew();
            else if (!adding && w.Data5.editMode() == Recordset::EditMode::None)
                w.Data5.edit();
            // An inspector another workstation deleted meanwhile is stored anew, keeping
            // its place in the lists.
            recreated = !adding && w.Data5.editMode() == Recordset::EditMode::Add;
            w.Data5.setField(kName, name);
            w.Data5.setField(kApprovalNumber,
                             approvalNumber.isNull() ? QStringLiteral("") : approvalNumber);
            // An empty new-password box keeps the stored password.
            if (!newPassword.isEmpty())
                w.Data5.setField(kPassword, newPassword);
            w.Data5.setField(kAdministrator, p->Option3->isChecked());
            w.Data5.update();
            storedPassword = w.Data5.text(kPassword);
            stored = true;
        }
    } catch (const DbError &error) {
        skipFailingStep([&] {
            if (w.Data5.editMode() != Recordset::EditMode::None && !adding)
                w.Data5.cancelUpdate();
        });
        reportFailure(StoreConflict::prepareRetry(
            w.Data5, error,
            QObject::tr("The DMIR \"%1\" could not be saved: %2").arg(name, error.message())));
        return;
    }

    if (stored && adding) {
        // The new inspector can sign in and sign at once: the name lists of sign-in and
        // administration and the parallel password and approval-number slots grow together.
        QVariant record;
        skipFailingStep([&] { record = w.Data5.recordId(); });
        addListItem(p->Combo6, name);
        p->Combo6->setItemData(p->Combo6->count() - 1, record);
        p->Combo6->setCurrentIndex(p->Combo6->count() - 1);
        QComboBox *signInNames = w.SSPanel1->Combo4;
        addListItem(signInNames, name);
        const int position = signInNames->count() - 1;
        signInNames->setItemData(position, record);
        setSlot(w.AgentPasswords, position, storedPassword);
        setSlot(w.AgentApprovalNumbers, position, approvalNumber);
        // The signer lists of items 6 and 7 follow, in the same order as the slots.
        addListItem(w.Panel3D1->Combo3, name);
        addListItem(w.Panel3D1->Combo5, name);
        w.SSPanel1->setFirstStart(false);
        w.NewAgentFlag = 0;
        p->showNameEntry(false);
    }
    if (stored && recreated)
        repointLists(p->Combo6->currentData());
    if (stored)
        showOldPassword();
    if (m_administering) {
        p->SSCommand11->setEnabled(true);
        p->SSCommand12->setEnabled(true);
    }
}

void AdminHandlers::repointLists(const QVariant &oldRecord)
{
    QVariant record;
    skipFailingStep([&] { record = w.Data5.recordId(); });
    for (QComboBox *names : {w.SSPanel3->Combo6, w.SSPanel1->Combo4}) {
        const int position = names->findData(oldRecord);
        if (position >= 0)
            names->setItemData(position, record);
    }
}

void AdminHandlers::SSCommand11_Click()
{
    AdminPanel *p = w.SSPanel3;
    if (w.NewAgentFlag != 0)
        return;
    // Without a picked inspector there is nothing to delete: the record and the list stay as they are.
    const int entry = p->Combo6->currentIndex();
    if (entry < 0)
        return;
    const QVariant record = p->Combo6->itemData(entry);
    try {
        if (!findPickedInspector())
            return;
        w.Data5.deleteCurrent();
        w.Data5.refresh();
    } catch (const DbError &error) {
        reportFailure(QObject::tr("The DMIR \"%1\" could not be deleted: %2")
                          .arg(p->Combo6->itemText(entry), error.message()));
        return;
    }
    removeFromNameLists(record);
    for (int i : {9, 10, 17})
        p->Text47[i]->clear();
    {
        const QSignalBlocker quiet(p->Combo6);
        p->Combo6->removeItem(entry);
        p->Combo6->setCurrentIndex(-1);
        p->Combo6->setEditText(QString());
    }
    p->showNameEntry(false);
    p->SSCommand11->setEnabled(false);
}

void AdminHandlers::SSCommand13_Click()
{
    AdminPanel *p = w.SSPanel3;
    // A new inspector that was not saved is dropped.
    skipFailingStep([&] {
        if (w.Data5.editMode() != Recordset::EditMode::None)
            w.Data5.cancelUpdate();
    });
    w.NewAgentFlag = 0;
    p->showNameEntry(false);
    p->hide();
    w.buttonBar.apply(ButtonBar::Event::AdminPanelClosed);
}

// A deleted inspector leaves the sign-in list, the signer lists of items 6 and 7 and
// the parallel password and approval-number slots at one position, so they stay parallel;
// a name already on the form stays as it is.
void AdminHandlers::removeFromNameLists(const QVariant &record)
{
    const int position = record.isValid() ? w.SSPanel1->Combo4->findData(record) : -1;
    if (position < 0)
        return;
    for (QComboBox *names : {w.SSPanel1->Combo4, w.Panel3D1->Combo3, w.Panel3D1->Combo5})
        removeListItem(names, position);
    for (QStringList *parallel : {&w.AgentPasswords, &w.AgentApprovalNumbers})
        if (position < parallel->size())
            parallel->removeAt(position);
}

void AdminHandlers::showOldPassword()
{
    QString stored;
    skipFailingStep([&] { stored = w.Data5.text(kPassword); });
    w.SSPanel3->Text47[9]->setText(stored);
}

void AdminHandlers::reportFailure(const QString &text)
{
    w.messages.tell(text, QObject::tr("DMIR"), Msg::Icon::Exclamation);
}
