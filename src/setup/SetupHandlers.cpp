#include "setup/SetupHandlers.h"

#include "data/DataFolder.h"
#include "data/DbError.h"
#include "data/Recordset.h"
#include "data/ServerAddress.h"
#include "form/FaaAddresses.h"
#include "form/FormScreen.h"
#include "form/LogbookEntry.h"
#include "setup/MailingAddressBox.h"
#include "setup/ServerBox.h"
#include "setup/SetupPanel.h"
#include "ui/ButtonBar.h"
#include "ui/ControlText.h"
#include "ui/MessageService.h"
#include "ui/StoreConflict.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFrame>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

namespace {

// The agency boxes and the Agency fields they edit.
struct AgencyBox
{
    int box;
    const char *field;
};
// The set-up boxes of Setup fields that a later version added, each with what its Null means:
// the FAA addresses and the logbook entry's template.
struct SettingBox
{
    const char *control;
    const char *field;
    QString (*fallback)();
};
const SettingBox kSettingBoxes[] = {
    {"txtFaaAddress", "FaaAddress", &FaaAddresses::defaultAddress},
    {"txtFaaFuelTankAddress", "FaaFuelTankAddress", &FaaAddresses::defaultFuelTankAddress},
    {"txtLogbookTemplate", "LogbookTemplate", &LogbookEntry::defaultTemplate},
};

constexpr AgencyBox kAgencyBoxes[] = {
    {0, "AgencyName"}, {1, "AgencyAdd1"}, {2, "AgencyAdd2"}, {3, "AgencyAdd3"},
    {4, "AgencyCert"}, {6, "Rating1"},    {5, "Rating2"},
};

}  // namespace

SetupHandlers::SetupHandlers(const SetupParts &parts)
    : w(parts)
{
    choosePrinter = [](QWidget *parent) {
        QPrinter printer;
        QPrintDialog dialog(&printer, parent);
        return dialog.exec() == QDialog::Accepted ? printer.printerName() : QString();
    };
    // The Set-up button is wired by the window: a form with unsaved changes is settled first.
    connect(w.Panel3D7->Command2, &QPushButton::clicked, this, &SetupHandlers::Command2_Click);
    connect(w.Panel3D7->Command3D29, &QPushButton::clicked, this,
            &SetupHandlers::Command3D29_Click);
}

void SetupHandlers::Command3D18_Click()
{
    w.Panel3D3->hide();
    w.Panel3D4->hide();
    if (w.Panel3D7->isHidden())
        openPanel();
    else
        saveAndClose();
}

void SetupHandlers::openPanel()
{
    w.buttonBar.apply(ButtonBar::Event::SetupPanelOpened);
    w.Panel3D7->raise();
    w.Panel3D7->show();

    // A failing step is skipped.
    if (readOr([&] { return w.setupCursor.isEmpty(); }, false))
        return;
    skipFailingStep([&] {
        w.setupCursor.moveFirst();
        const QVariant stored = w.setupCursor.field(QStringLiteral("DataPath"));
        // With a server in use, the folder list shows the program folder and stays quiet.
        const std::optional<ServerAddress> server
            = ServerAddress::fromUri(stored.toString(), nullptr);
        SetupPanel *panel = w.Panel3D7;
        if (server)
            panel->dataSource->showAddress(*server);
        panel->dataSource->showServerInUse(server.has_value());
        const QString folder = stored.isNull() || server ? w.programFolder : stored.toString();
        const QSignalBlocker quietWhileServer(server ? panel->Dir1 : nullptr);
        // The drive list is set quietly first, so that only the folder list reports a
        // change: the stored folder compares equal and nothing is rebound.
        QStringList drives;
        for (int i = 0; i < panel->Drive1->count(); ++i)
            drives << panel->Drive1->itemText(i);
        {
            const QSignalBlocker quiet(panel->Drive1);
            panel->Drive1->setCurrentIndex(drives.indexOf(SetupPanel::driveOf(folder, drives)));
        }
        panel->Dir1->setPath(QDir::cleanPath(folder));
    });
    showSettings();
    showAgency();
    w.Panel3D7->update();
}

void SetupHandlers::showAgency()
{
    for (const AgencyBox &a : kAgencyBoxes) {
        QString value;
        skipFailingStep([&] { value = w.Data10.field(QString::fromLatin1(a.field)).toString(); });
        w.Panel3D7->Text8[a.box]->setText(value);
    }
}

void SetupHandlers::showSettings()
{
    for (const SettingBox &a : kSettingBoxes) {
        QVariant stored;
        skipFailingStep([&] { stored = w.setupCursor.field(QString::fromLatin1(a.field)); });
        setControlText(settingBox(a.control), FaaAddresses::orDefault(stored, a.fallback()));
    }
    QVariant checklist;
    skipFailingStep([&] { checklist = w.setupCursor.field(QStringLiteral("PrintChecklist")); });
    w.Panel3D7->chkPrintChecklist->setChecked(checklist.isNull() || checklist.toInt() != 0);
}

QWidget *SetupHandlers::settingBox(const char *control) const
{
    return w.Panel3D7->findChild<QWidget *>(QLatin1String(control));
}

void SetupHandlers::storeSettings()
{
    try {
        w.setupCursor.moveFirst();
        w.setupCursor.edit();
        for (const SettingBox &a : kSettingBoxes) {
            // The default is kept as Null, so a later default takes its place.
            const QString text = controlText(settingBox(a.control)).trimmed();
            const bool usual = text.isEmpty() || text == a.fallback();
            w.setupCursor.setField(QString::fromLatin1(a.field), usual ? QVariant() : text);
        }
        w.setupCursor.setField(QStringLiteral("PrintChecklist"),
                               w.Panel3D7->chkPrintChecklist->isChecked());
        w.setupCursor.update();
    } catch (const DbError &error) {
        skipFailingStep([&] { w.setupCursor.cancelUpdate(); });
        reportWriteFailure(QObject::tr("The FAA addresses and the logbook template"),
                           error.message());
    }
}

void SetupHandlers::storeDataPath(const QString &folder)
{
    try {
        w.setupCursor.moveFirst();
        w.setupCursor.edit();
        w.setupCursor.setField(QStringLiteral("DataPath"),
                               DataFolder::withTrailingSeparator(folder));
        w.setupCursor.update();
    } catch (const DbError &error) {
        skipFailingStep([&] { w.setupCursor.cancelUpdate(); });
        reportWriteFailure(QObject::tr("The data folder"), error.message());
    }
}

void SetupHandlers::useDataFolder(const QString &folder)
{
    storeDataPath(folder);
    emit bindingRequested();
    w.Panel3D7->Dir1->setPath(QDir::cleanPath(folder));
    if (!w.Panel3D7->isHidden())
        showAgency();
}

void SetupHandlers::dataReplaced()
{
    emit bindingRequested();
    if (!w.Panel3D7->isHidden())
        showAgency();
}

void SetupHandlers::saveAndClose()
{
    SetupPanel *panel = w.Panel3D7;
    const QString folder = panel->Dir1->path();
    // A server in use stays in use; the folder list only names a folder.
    if (!folder.isEmpty() && !panel->dataSource->optServer->isChecked())
        storeDataPath(folder);
    storeSettings();

    bool agencyStored = true;
    try {
        if (w.Data10.editMode() == Recordset::EditMode::None) {
            if (w.Data10.isEmpty())
                w.Data10.addNew();
            else
                w.Data10.edit();
        }
        for (const AgencyBox &a : kAgencyBoxes)
            w.Data10.setField(QString::fromLatin1(a.field), panel->Text8[a.box]->text());
        w.Data10.update();
    } catch (const DbError &error) {
        skipFailingStep([&] { w.Data10.cancelUpdate(); });
        reportWriteFailure(QObject::tr("The agency"),
                           StoreConflict::prepareRetry(w.Data10, error, error.message()));
        agencyStored = false;
    }
    // An agency that was not stored stays in the open panel, as typed.
    if (!agencyStored)
        return;
    emit agencySaved();

    panel->hide();
    w.buttonBar.apply(ButtonBar::Event::SetupPanelClosed);
    w.Panel3D1->update();
    if (w.SSPanel1->isVisible()) {
        w.SSPanel1->update();
        w.Panel3D1->Combo1[0]->setFocus();
    }
}

void SetupHandlers::reportWriteFailure(const QString &what, const QString &reason)
{
    w.messages.tell(QObject::tr("%1 could not be saved: %2").arg(what, reason),
                    QObject::tr("Not saved"), Msg::Icon::Exclamation);
}

void SetupHandlers::Command2_Click()
{
    try {
        if (w.Data10.editMode() != Recordset::EditMode::Add && w.Data10.hasCurrent())
            w.Data10.deleteCurrent();
    } catch (const DbError &error) {
        reportWriteFailure(QObject::tr("The agency deletion"), error.message());
        return;
    }
    skipFailingStep([&] {
        if (!w.Data10.isEmpty()) {
            w.Data10.moveLast();
        } else {
            w.Panel3D7->Command2->setEnabled(false);
            if (w.Data10.editMode() != Recordset::EditMode::Add)
                w.Data10.addNew();
        }
    });
    // The boxes show the record they now edit, so that a deleted agency is not saved again.
    showAgency();
}

void SetupHandlers::Command3D29_Click()
{
    if (!choosePrinter)
        return;
    const QString printer = choosePrinter(w.Panel3D7->window());
    if (!printer.isEmpty())
        w.selectedPrinterName = printer;
}
