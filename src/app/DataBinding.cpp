#include "app/DataBinding.h"

#include "access/AdminPanel.h"
#include "access/SignInPanel.h"
#include "app/Form1.h"
#include "data/DataFolder.h"
#include "data/Database.h"
#include "data/DbError.h"
#include "data/Schema.h"
#include "form/FormScreen.h"
#include "import/AccessFile.h"
#include "import/ImportHandlers.h"
#include "setup/ServerBox.h"
#include "setup/SetupHandlers.h"
#include "setup/SetupPanel.h"
#include "ui/LazyListModel.h"
#include "ui/ListFill.h"
#include "ui/MessageService.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

namespace {

const QString kForms = QString::fromLatin1(Schema::kFormsFile);
const QString kAgents = QString::fromLatin1(Schema::kAgentsFile);

QString textOr(const Recordset &rs, const QString &field, const QString &placeholder)
{
    const QVariant v = rs.field(field);
    return v.isNull() ? placeholder : v.toString();
}

}  // namespace

DataBinding::DataBinding(Form1 &window)
    : w(window)
{
    QObject::connect(w.Panel3D7, &SetupPanel::Dir1_Change, &w, [this] { Dir1_Change(); });
    QObject::connect(w.Panel3D7, &SetupPanel::Drive1_Change, &w, [this] { Drive1_Change(); });
    QObject::connect(w.Panel3D7->dataSource, &ServerBox::serverChosen, &w, [this] { useServer(); });
    QObject::connect(w.Panel3D7->dataSource, &ServerBox::dataFolderChosen, &w,
                     [this] { useDataFolder(); });
}

QString DataBinding::storedDataPath() const
{
    QVariant path;
    skipFailingStep([&] { path = w.setupCursor.field(QStringLiteral("DataPath")); });
    return path.toString();
}

std::optional<ServerAddress> DataBinding::server() const
{
    return ServerAddress::fromUri(storedDataPath(), nullptr);
}

QString DataBinding::dataFolder() const
{
    const QString path = storedDataPath();
    if (path.isEmpty() || server())
        return DataFolder::withTrailingSeparator(w.context().programFolder);
    return path;
}

QString DataBinding::formsDatabase() const
{
    if (const std::optional<ServerAddress> address = server())
        return address->toUri();
    return dataFolder() + QStringLiteral("FORM337.MDB");
}

void DataBinding::SetDataPaths()
{
    // An invalid stored path is dropped once and the program folder used instead.
    Outcome outcome = Outcome::FilesMissing;
    for (int attempt = 0; attempt < 2; ++attempt) {
        outcome = bindAndFill();
        m_bound = outcome == Outcome::Bound;
        if (outcome != Outcome::Restart)
            break;
    }
    // The old program's Access files: their data can be imported into another folder,
    // which then becomes the data folder (and is bound by a SetDataPaths of its own).
    if (outcome == Outcome::AccessFiles && !w.importHandlers().offerImport(m_accessFolder))
        openSetupForMissingFiles();
}

void DataBinding::choosePaths()
{
    QVariant stored;
    skipFailingStep([&] { stored = w.setupCursor.field(QStringLiteral("DataPath")); });
    QString formsPath, agentsPath, secondaryPath;
    if (stored.isNull()) {
        const QString folder = DataFolder::withTrailingSeparator(w.context().programFolder);
        formsPath = folder + kForms;
        agentsPath = folder + kAgents;
        secondaryPath = folder + QStringLiteral("FORM337.MDB");
        skipFailingStep([&] {
            w.setupCursor.edit();
            w.setupCursor.setField(QStringLiteral("DataPath"), folder);
            w.setupCursor.update();
        });
    } else if (const std::optional<ServerAddress> address = server()) {
        // A server database holds the tables of both files.
        formsPath = agentsPath = secondaryPath = address->toUri();
    } else {
        const QString folder = stored.toString();
        formsPath = folder + kForms;
        agentsPath = folder + kAgents;
        // The doubled separator is harmless: file paths are cleaned before use.
        secondaryPath = folder + QStringLiteral("/FORM337.MDB");
    }
    w.Panel3D7->dataSource->showServerInUse(server().has_value());
    w.Data1.setDatabaseName(formsPath);
    w.Data2.setDatabaseName(formsPath);
    w.Data3.setDatabaseName(agentsPath);
    w.Data5.setDatabaseName(agentsPath);
    w.Data10.setDatabaseName(formsPath);
    w.Data9.setDatabaseName(formsPath);
    w.datSecondaryRS.setDatabaseName(secondaryPath);
}

DataBinding::Outcome DataBinding::bindAndFill()
{
    m_bound = false;
    choosePaths();
    // A folder whose paths the engine cannot open is kept for the user to correct:
    // dropping it here would bind the program folder in its place without a word.
    const QString folder = dataFolder();
    const std::optional<ServerAddress> address = server();
    if (!address && DataFolder::dataFilePathBytes(folder) > DataFolder::longestEnginePath()) {
        tellPathTooLong(folder);
        openSetupForMissingFiles();
        return Outcome::FilesMissing;
    }
    w.Panel3D7->showIndicator(1);

    if (w.Data1.table().isEmpty() && w.Data1.filter().isEmpty())
        w.Data1.setTable(QStringLiteral("Form"));
    w.Data3.setTable(QStringLiteral("Defaults"));
    w.Data5.setTable(QStringLiteral("Agents"));
    w.Data10.setTable(QStringLiteral("Agency"));
    w.Data9.setTable(QStringLiteral("Narratives"));
    w.datSecondaryRS.setTable(QStringLiteral("Form"));

    for (Recordset *rs : {&w.Data1, &w.Data3, &w.Data5, &w.Data10}) {
        try {
            rs->refresh();
        } catch (const DbError &error) {
            switch (error.number()) {
            case EngineError::FileNotFound:
            case EngineError::InvalidProcedureCall:
                openSetupForMissingFiles();
                return Outcome::FilesMissing;
            case EngineError::InvalidPath:
                skipFailingStep([&] {
                    w.setupCursor.edit();
                    w.setupCursor.setField(QStringLiteral("DataPath"), QVariant());
                    w.setupCursor.update();
                });
                return Outcome::Restart;
            case EngineError::UnrecognizedFormat:
            case EngineError::CannotOpenFile:
                if (address) {
                    // Unreachable, refused, or a database of another version: named with
                    // the reason; the set-up panel opens to choose again.
                    w.messages().tell(
                        QObject::tr("The database server %1 cannot be used: %2\n\n"
                                    "Check the server in the set-up panel, or choose a data "
                                    "folder.")
                            .arg(address->displayName(), error.message()),
                        QObject::tr("Database server"), Msg::Icon::Exclamation);
                    openSetupForMissingFiles();
                    return Outcome::FilesMissing;
                }
                // A file of that name that is not one of our databases, or that cannot be
                // read, is named with the reason and left untouched; the old program's
                // Access files are offered for import instead.
                if (AccessFile::isAccessFile(DataFolder::resolvePath(rs->databaseName()))) {
                    m_accessFolder = QFileInfo(DataFolder::resolvePath(rs->databaseName())).path();
                    return Outcome::AccessFiles;
                }
                w.messages().tell(
                    QObject::tr("The data file \"%1\" cannot be read: %2\n\n"
                                "Choose the folder that holds the data files.")
                        .arg(QDir::toNativeSeparators(DataFolder::resolvePath(rs->databaseName())),
                             error.message()),
                    QObject::tr("Data file unreadable"), Msg::Icon::Exclamation);
                openSetupForMissingFiles();
                return Outcome::FilesMissing;
            case EngineError::LockedByAnother:
                // Another program kept the file locked past the wait; nothing is bound
                // rather than a screen with empty lists and no word why.
                w.messages().tell(
                    QObject::tr(
                        "The data file \"%1\" is locked by another program and could not be "
                        "opened.\n\nClose the other program, or wait until it is done, and "
                        "start this program again.")
                        .arg(QDir::toNativeSeparators(DataFolder::resolvePath(rs->databaseName()))),
                    QObject::tr("Data file in use"), Msg::Icon::Exclamation);
                openSetupForMissingFiles();
                return Outcome::FilesMissing;
            default:
                break;  // skip this control and go on
            }
        }
    }

    fillLists();
    w.NewFormFlag = 1;
    w.Panel3D1->List1->setCurrentRow(0);
    fillAgencyFromNewestForm();
    const QString agencyName = w.Panel3D1->Text7[0]->text();
    if (agencyName == QLatin1String("Name") || agencyName.isEmpty())
        fillAgencyFromSetup();
    skipFailingStep([&] { w.Data1.moveFirst(); });
    skipFailingStep([&] {
        if (!w.Data10.isEmpty())
            w.Panel3D7->Command2->setEnabled(true);
        else
            w.Data10.addNew();
    });
    w.buttonBar().apply(ButtonBar::Event::DataBound);
    return Outcome::Bound;
}

void DataBinding::fillLists()
{
    FormScreen *form = w.Panel3D1;
    auto distinctValues = [this](const QString &sql, const QString &field) {
        QStringList values;
        skipFailingStep([&] {
            w.Data2.setSql(sql);
            w.Data2.refresh();
            for (; !w.Data2.eof(); w.Data2.moveNext()) {
                const QVariant v = w.Data2.field(field);
                if (!v.isNull())
                    values << v.toString();
            }
            if (!w.Data2.isEmpty())
                w.Data2.moveFirst();
        });
        return values;
    };
    // The registration marks grow with the stored forms: read as the list is shown.
    LazyListModel::fill(form->Combo1[0], [this](const QString &from, bool included, int count) {
        QStringList marks;
        const std::shared_ptr<Database> forms = w.Data1.database();
        skipFailingStep([&] {
            if (!forms)
                return;  // no data bound: an empty list
            const auto rows = forms->rows(
                QStringLiteral("SELECT DISTINCT \"RegNum\" FROM \"Form\" WHERE \"RegNum\" %1 "
                               "coalesce(?, '') ORDER BY \"RegNum\" LIMIT ?")
                    .arg(included ? QLatin1String(">=") : QLatin1String(">")),
                {from, count});
            for (const QVariantList &row : rows)
                marks << row.value(0).toString();
        });
        return marks;
    });
    ListFill::replaceItems(
        form->Combo1[1],
        distinctValues(
            QStringLiteral(
                "SELECT DISTINCT \"Make\" FROM \"aircraft\" WHERE \"Make\" IS NOT NULL ORDER BY "
                "\"Make\""),
            QStringLiteral("Make")));

    // Inspectors: the four name lists and the password and approval-number lists
    // stay parallel, one slot per listed name.
    QStringList names;
    QVariantList recordIds;
    w.AgentPasswords.clear();
    w.AgentApprovalNumbers.clear();
    skipFailingStep([&] {
        if (w.Data5.isEmpty())
            return;
        for (w.Data5.moveFirst(); !w.Data5.eof(); w.Data5.moveNext()) {
            const QVariant name = w.Data5.field(QStringLiteral("Name"));
            if (name.isNull())
                continue;
            names << name.toString();
            recordIds << w.Data5.recordId();
            w.AgentPasswords << w.Data5.field(QStringLiteral("Password")).toString();
            w.AgentApprovalNumbers << w.Data5.field(QStringLiteral("ApprovalNumber")).toString();
        }
        w.Data5.moveFirst();
    });
    // Sign-in and administration find the inspector of an entry by its record: names
    // that differ only in case are different inspectors.
    ListFill::replaceItems(w.SSPanel1->Combo4, names, recordIds);
    ListFill::replaceItems(form->Combo3, names);
    ListFill::replaceItems(form->Combo5, names);
    ListFill::replaceItems(w.SSPanel3->Combo6, names, recordIds);
    w.SSPanel1->setFirstStart(names.isEmpty());
}

void DataBinding::fillAgencyFromNewestForm()
{
    FormScreen *form = w.Panel3D1;
    skipFailingStep([&] {
        w.Data1.moveLast();
        if (!w.Data1.hasCurrent())
            return;
        form->Text7[0]->setText(
            textOr(w.Data1, QStringLiteral("AgencyName"), QStringLiteral("Name")));
        form->Text7[1]->setText(
            textOr(w.Data1, QStringLiteral("AgencyAdd1"), QStringLiteral("Address")));
        form->Text7[2]->setText(
            textOr(w.Data1, QStringLiteral("AgencyAdd2"), QStringLiteral("City & State")));
        form->Text7[3]->setText(
            textOr(w.Data1, QStringLiteral("AgencyAdd3"), QStringLiteral("Zip & Country")));
        form->Text7[4]->setText(textOr(w.Data1, QStringLiteral("AgencyCert"), QString()));
        const QVariant kind = w.Data1.field(QStringLiteral("AgencyKind"));
        if (!kind.isNull() && kind.toInt() >= 0 && kind.toInt() < 5)
            form->Option2[kind.toInt()]->setChecked(true);
    });
}

void DataBinding::fillAgencyFromSetup()
{
    FormScreen *form = w.Panel3D1;
    skipFailingStep([&] {
        const Recordset &agency = w.Data10;
        if (!agency.hasCurrent())
            return;
        auto both = [&](const QString &a, const QString &b, const QString &sep,
                        const QString &placeholder) {
            const QVariant va = agency.field(a), vb = agency.field(b);
            return va.isNull() || vb.isNull() ? placeholder : va.toString() + sep + vb.toString();
        };
        form->Text7[0]->setText(
            textOr(agency, QStringLiteral("AgencyName"), QStringLiteral("Name")));
        form->Text7[1]->setText(
            textOr(agency, QStringLiteral("AgencyAdd1"), QStringLiteral("Address")));
        form->Text7[2]->setText(both(QStringLiteral("AgencyAdd2"), QStringLiteral("AgencyAdd3"),
                                     QStringLiteral(", "), QStringLiteral("City & State")));
        form->Text7[3]->setText(both(QStringLiteral("Rating1"), QStringLiteral("Rating2"),
                                     QStringLiteral(" "), QStringLiteral("Zip & Country")));
        form->Text7[4]->setText(textOr(agency, QStringLiteral("AgencyCert"), QString()));
        const QVariant kind = agency.field(QStringLiteral("AgencyKind"));
        const int index = kind.isNull() ? 2 : kind.toInt();
        if (index >= 0 && index < 5)
            form->Option2[index]->setChecked(true);
    });
}

void DataBinding::openSetupForMissingFiles()
{
    // Show, flag and hide the panel, so that the Set-up click takes its opening branch.
    w.Panel3D7->show();
    w.Panel3D7->showIndicator(0);
    w.Panel3D7->hide();
    w.setupHandlers().Command3D18_Click();
}

void DataBinding::tellPathTooLong(const QString &folder)
{
    w.messages().tell(
        QObject::tr(
            "The data files cannot be kept in the folder \"%1\": its path is too long for the "
            "database engine, which opens file paths of at most %2 bytes (the data files "
            "there would need %3).\n\nChoose a folder with a shorter path.")
            .arg(QDir::toNativeSeparators(folder))
            .arg(DataFolder::longestEnginePath())
            .arg(DataFolder::dataFilePathBytes(folder)),
        QObject::tr("Folder path too long"), Msg::Icon::Exclamation);
}

void DataBinding::Dir1_Change()
{
    const QString chosen = w.Panel3D7->Dir1->path();
    if (storedDataPath() == chosen + QLatin1Char('/')) {
        // The folder is the stored one; the indicator tells whether its files are bound.
        w.Panel3D7->showIndicator(m_bound ? 1 : 0);
        return;
    }
    if (DataFolder::dataFilePathBytes(chosen) > DataFolder::longestEnginePath()) {
        // Refused before anything is closed or stored: the bound folder stays bound.
        tellPathTooLong(chosen);
        const QSignalBlocker quiet(w.Panel3D7->Dir1);
        w.Panel3D7->Dir1->setPath(QDir::cleanPath(dataFolder()));
        w.Panel3D7->showIndicator(m_bound ? 1 : 0);
        return;
    }
    bindDataPath(DataFolder::withTrailingSeparator(chosen));
}

void DataBinding::useServer()
{
    const QString address = w.Panel3D7->dataSource->address().toUri();
    QString why;
    if (!ServerAddress::fromUri(address, &why)) {
        w.messages().tell(QObject::tr("This server cannot be used: %1.").arg(why),
                          QObject::tr("Database server"), Msg::Icon::Exclamation);
        return;
    }
    if (storedDataPath() == address && m_bound)
        return;
    bindDataPath(address);
}

void DataBinding::useDataFolder()
{
    if (server())
        bindDataPath(DataFolder::withTrailingSeparator(w.Panel3D7->Dir1->path()));
}

// Closes every data control, stores the new folder or server and binds to it.
void DataBinding::bindDataPath(const QString &dataPath)
{
    w.Panel3D7->showIndicator(0);
    m_bound = false;
    for (Recordset *rs :
         {&w.Data1, &w.Data2, &w.Data3, &w.Data5, &w.Data10, &w.datSecondaryRS, &w.Data9})
        rs->close();
    skipFailingStep([&] {
        w.setupCursor.moveFirst();
        w.setupCursor.edit();
        w.setupCursor.setField(QStringLiteral("DataPath"), dataPath);
        w.setupCursor.update();
    });
    w.SetDataPaths();
}

void DataBinding::Drive1_Change()
{
    w.Panel3D7->Dir1->setPath(w.Panel3D7->Drive1->currentText());
}
