// Drives the real main window headless on a data folder and reports every operation
// as one JSON line on stdout, flushed at once, so a test that kills it at any moment
// knows what the program had reported done:
//   {"op":"saving", "serial":..., "rev":..., "token":..., "basedOn":..., "fields":{...}}
//                                                  before Save is clicked
//   {"op":"saved",  ...the same...}                after Save reported success
//   {"op":"conflict","serial":..., "kind":"changed"|"deleted"}
//                                                  Save refused: another program changed or
//                                                  deleted the form since it was shown
//   {"op":"deleting","serial":...}                 before Delete is clicked
//   {"op":"deleted","serial":...}                  after Delete reported success
//   {"op":"delete refused","serial":...}           Delete refused: the other program changed
//                                                  the form since it was shown
//   {"op":"counted","approvedRepairs":N, "expected":N}  the period statistics of its year
//   {"op":"message","text":...}                    any other message that is not a question
//
//   reliability_driver crash FOLDER SEED          saves, edits and deletes until killed
//   reliability_driver soak  FOLDER SECONDS SEED  saves, edits, deletes and counts for a time,
//                                                 editing the other drivers' forms as well
//
// Every form carries its first driver's tag in its serial number ("S<seed>-<n>") and is
// dated in that driver's year (2000 + seed % 50) whoever edits it; only that driver
// deletes it, so each driver can check its own counts. Every save writes a token of its
// own into the series ("S<seed> #<n>") and reports the token the screen showed
// before (basedOn): a save that replaced a version nobody saw is a lost update.
#include "access/AdminPanel.h"
#include "app/AppContext.h"
#include "app/Form1.h"
#include "data/Criterion.h"
#include "data/Database.h"
#include "data/DbError.h"
#include "form/FormHandlers.h"
#include "form/FormSaver.h"
#include "form/FormScreen.h"
#include "reports/StatisticsHandlers.h"
#include "ui/Clock.h"
#include "ui/ControlText.h"
#include "ui/Dates.h"
#include "ui/MessageService.h"

#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QThread>

#include <cstdio>

namespace {

void report(const QJsonObject &line)
{
    const QByteArray text = QJsonDocument(line).toJson(QJsonDocument::Compact);
    std::fwrite(text.constData(), 1, size_t(text.size()), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

// A form changed or deleted by the other program since it was shown is reported as a
// conflict and the stored version taken (No); other questions are answered Yes (Delete
// asks first), unsaved changes discarded; anything else is reported.
class DriverMessages : public MessageService
{
public:
    Msg::Answer ask(const Msg::Request &request) override
    {
        for (const auto &[title, kind] : {std::pair{kFormChangedElsewhereTitle, "changed"},
                                          std::pair{kFormDeletedElsewhereTitle, "deleted"}}) {
            if (request.title == QLatin1String(title)) {
                ++conflicts;
                lastConflict = QString::fromLatin1(kind);
                report({{"op", "conflict"}, {"serial", *serial}, {"kind", lastConflict}});
                return Msg::Answer::No;
            }
        }
        if (request.buttons == Msg::Buttons::YesNo)
            return Msg::Answer::Yes;
        // A form left unsaved (its save refused) makes way for the next step, as before.
        if (request.buttons == Msg::Buttons::SaveDiscardCancel)
            return Msg::Answer::Discard;
        ++told;
        // A Delete of a form the other program changed meanwhile is refused, as it must be.
        if (request.text.startsWith(QLatin1String("The form was not deleted"))
            && request.text.contains(QLatin1String("changed on another workstation"))) {
            ++conflicts;
            report({{"op", "delete refused"}, {"serial", *serial}});
            return Msg::Answer::Ok;
        }
        report({{"op", "message"}, {"text", request.text}, {"title", request.title}});
        return Msg::Answer::Ok;
    }
    int told = 0;
    int conflicts = 0;
    QString lastConflict;
    const QString *serial = nullptr;  // the form on screen
};

// The boxes a driver fills and the fields they are stored in.
struct Entry
{
    const char *field;
    QWidget *(*box)(FormScreen &);
};
const Entry kEntries[] = {
    {"RegNum",
     [](FormScreen &s) -> QWidget * {
         return s.Combo1[0];
     }},
    {"Make",
     [](FormScreen &s) -> QWidget * {
         return s.Combo1[1];
     }},
    {"Model",
     [](FormScreen &s) -> QWidget * {
         return s.Combo1[2];
     }},
    {"Serial",
     [](FormScreen &s) -> QWidget * {
         return s.Text1[0];
     }},
    {"Rating1",
     [](FormScreen &s) -> QWidget * {
         return s.Text1[1];
     }},
    {"OwnerName",
     [](FormScreen &s) -> QWidget * {
         return s.Text2[0];
     }},
    {"OwnerAdd1",
     [](FormScreen &s) -> QWidget * {
         return s.Text2[1];
     }},
    {"OwnerAdd2",
     [](FormScreen &s) -> QWidget * {
         return s.Text2[2];
     }},
    {"OwnerName2",
     [](FormScreen &s) -> QWidget * {
         return s.Text2[3];
     }},
    {"AgencyName",
     [](FormScreen &s) -> QWidget * {
         return s.Text7[0];
     }},
    {"AgencyAdd1",
     [](FormScreen &s) -> QWidget * {
         return s.Text7[1];
     }},
    {"AgencyAdd2",
     [](FormScreen &s) -> QWidget * {
         return s.Text7[2];
     }},
    {"AgencyAdd3",
     [](FormScreen &s) -> QWidget * {
         return s.Text7[3];
     }},
    {"AgencyCert",
     [](FormScreen &s) -> QWidget * {
         return s.Text7[4];
     }},
    {"ApproveName",
     [](FormScreen &s) -> QWidget * {
         return s.Combo3;
     }},
    {"ApproveCert",
     [](FormScreen &s) -> QWidget * {
         return s.Text13;
     }},
    {"Signed",
     [](FormScreen &s) -> QWidget * {
         return s.Combo5;
     }},
    {"Back",
     [](FormScreen &s) -> QWidget * {
         return s.Text18;
     }},
};

class Driver
{
public:
    Driver(const QString &folder, quint32 seed)
        : m_seed(seed)
        , m_random(seed)
        , m_clock(QDate(2001, 3, 5))
    {
        m_messages.serial = &m_current;
        AppContext context;
        context.programFolder = folder;
        context.messages = &m_messages;
        context.clock = &m_clock;
        context.endProgram = [] {
            std::_Exit(3);
        };
        m_window = std::make_unique<Form1>(context);
        m_window->activate();
    }

    bool startedCleanly() const { return m_messages.told == 0; }

    // A new form, saved.
    void saveNew()
    {
        m_window->formHandlers().Command3D19_Click();
        m_current = QStringLiteral("S%1-%2").arg(m_seed).arg(m_next++);
        save();
    }

    // The form on screen changed and saved again.
    void editCurrent()
    {
        if (m_current.isEmpty() || m_window->NewFormFlag != 0)
            return saveNew();
        save();
    }

    // The newest stored form, of either program, shown and edited, at once or after a
    // while: the edit meets whatever the other program did to it meanwhile.
    void editShared(bool thenAtOnce)
    {
        QString serial;
        try {
            const QList<QVariantList> newest = m_window->Data1.database()->rows(
                QStringLiteral("SELECT Serial FROM Form ORDER BY RecordId DESC LIMIT 1"));
            if (newest.isEmpty())
                return saveNew();
            serial = newest.first().value(0).toString();
        } catch (const DbError &e) {
            report({{"op", "message"}, {"text", QStringLiteral("listing failed: ") + e.message()}});
            return;
        }
        // The other program may delete it in between: then nothing is shown.
        if (!show(serial, false))
            return;
        // Looked at for a while, as a person does, while the other program works on: until
        // the other program has stored a change of it, or for at most 0.6 s.
        if (!thenAtOnce)
            waitForAnotherChange(serial, controlText(m_window->Panel3D1->Text1[1]));
        editCurrent();
    }

    void waitForAnotherChange(const QString &serial, const QString &shownVersion)
    {
        const QDeadlineTimer patience(600);
        while (!patience.hasExpired()) {
            QThread::msleep(25);
            try {
                if (m_window->Data1.database()
                        ->value(QStringLiteral("SELECT Rating1 FROM Form WHERE Serial = ?"),
                                {serial})
                        .toString()
                    != shownVersion)
                    return;
            } catch (const DbError &) {
                return;
            }
        }
    }

    // One of this driver's stored forms found, shown, then edited or deleted.
    void findMine(bool thenDelete)
    {
        if (m_stored.isEmpty())
            return saveNew();
        const QString serial = m_stored.at(int(m_random.bounded(quint32(m_stored.size()))));
        if (!show(serial, true))
            return;
        if (!thenDelete)
            return editCurrent();
        report({{"op", "deleting"}, {"serial", serial}});
        const int told = m_messages.told;
        m_window->formHandlers().Command3D15_Click();
        if (m_messages.told == told) {
            m_stored.removeAll(serial);
            m_current.clear();
            report({{"op", "deleted"}, {"serial", serial}});
        }
    }

    // The period statistics over this driver's year: its approved repairs.
    void count()
    {
        AdminPanel *admin = m_window->SSPanel3;
        admin->Text48[0]->setText(QStringLiteral("-1"));
        const int year = yearOf(QStringLiteral("S%1-").arg(m_seed));
        admin->Text47[11]->setText(Dates::longForm(QDate(year, 1, 1)));
        admin->Text47[13]->setText(Dates::longForm(QDate(year, 12, 31)));
        m_window->statisticsHandlers().SSCommand14_Click();
        report({{"op", "counted"},
                {"approvedRepairs", admin->Text48[0]->text().toInt()},
                {"expected", int(m_stored.size())}});
    }

private:
    // Finds the stored form by its serial number and shows it as the find panel would.
    bool show(const QString &serial, bool mustExist)
    {
        Recordset &forms = m_window->Data1;
        try {
            forms.setTable(QStringLiteral("Form"));
            forms.refresh();
            forms.findFirst(Criterion::equals(QStringLiteral("Serial"), serial));
        } catch (const DbError &e) {
            report({{"op", "message"}, {"text", QStringLiteral("find failed: ") + e.message()}});
            m_current.clear();
            return false;
        }
        if (forms.noMatch()) {
            // The stored form moved on without being shown: the next edit starts a new form.
            m_current.clear();
            if (mustExist)
                report({{"op", "message"},
                        {"text", QStringLiteral("stored form not found: ") + serial}});
            return false;
        }
        m_window->NewFormFlag = 0;
        m_window->ShowRecord();
        m_current = serial;
        return true;
    }

    bool isMine(const QString &serial) const
    {
        return serial.startsWith(QStringLiteral("S%1-").arg(m_seed));
    }

    // The year of a form: its first driver's, whoever edits it.
    static int yearOf(const QString &serial)
    {
        return 2000 + int(serial.mid(1, serial.indexOf(u'-') - 1).toUInt() % 50);
    }

    QString text(const QString &serial, const QString &token, const char *field)
    {
        const QString f = QString::fromLatin1(field);
        if (f == QLatin1String("RegNum"))
            return QStringLiteral("N%1").arg(qHash(serial) % 40);
        if (f == QLatin1String("Make"))
            return QStringLiteral("Cessna");
        if (f == QLatin1String("Model"))
            return QStringLiteral("172");
        if (f == QLatin1String("Serial"))
            return serial;
        if (f == QLatin1String("Rating1"))
            return token;
        if (f == QLatin1String("Back")) {
            // From a line to several pages of the database, so saves span many pages.
            const int words = 5 + int(m_random.bounded(1500u));
            return QStringLiteral("%1 %2: ").arg(serial, token)
                   + QStringLiteral("replaced spar cap ").repeated(words).trimmed();
        }
        if (f == QLatin1String("ApproveName") || f == QLatin1String("Signed"))
            return QStringLiteral("Jane Doe");
        // Certificate numbers hold 30 characters.
        if (f.endsWith(QLatin1String("Cert")))
            return serial + QLatin1Char(' ') + token;
        return QStringLiteral("%1 %2 %3").arg(f, serial, token);
    }

    void save()
    {
        FormScreen &s = *m_window->Panel3D1;
        const int rev = m_saves++;
        const QString token = QStringLiteral("S%1 #%2").arg(m_seed).arg(rev);
        const QString basedOn = controlText(s.Text1[1]);
        QJsonObject fields;
        for (const Entry &e : kEntries) {
            const QString value = text(m_current, token, e.field);
            setControlText(e.box(s), value);
            fields.insert(QString::fromLatin1(e.field), value);
        }
        // The dates and the choices are compared with what is stored as well.
        const int year = yearOf(m_current);
        const QDate formDate(year, 1 + int(m_random.bounded(12u)), 1 + int(m_random.bounded(28u)));
        const QDate approveDate(year, 6, 15);
        s.Option1[0]->setChecked(true);  // repair
        if (s.List1->currentRow() != 0)
            s.List1->setCurrentRow(0);   // airframe
        s.Option2[2]->setChecked(true);  // certificated repair station
        s.Option5[0]->setChecked(true);  // approved
        s.Option6[4]->setChecked(true);
        setControlText(s.Text16, Dates::longForm(formDate));
        setControlText(s.Text17, Dates::longForm(approveDate));
        fields.insert("FormDate", formDate.toString(Qt::ISODate));
        fields.insert("ApproveDate", approveDate.toString(Qt::ISODate));
        fields.insert("AirType1", -1);
        fields.insert("AirType2", 0);
        fields.insert("AgencyKind", 2);
        fields.insert("Approved", -1);
        fields.insert("ApprovedBy", 4);
        fields.insert("Rating3", 0);
        const QJsonObject line{{"serial", m_current},
                               {"rev", rev},
                               {"token", token},
                               {"basedOn", basedOn},
                               {"fields", fields}};
        QJsonObject saving = line;
        saving.insert("op", "saving");
        report(saving);
        const int told = m_messages.told;
        const int conflicts = m_messages.conflicts;
        m_window->formHandlers().Command3D13_Click();
        if (m_messages.conflicts != conflicts) {
            // A form deleted by its owner is not stored again; another is begun next.
            if (m_messages.lastConflict == QLatin1String("deleted"))
                m_current.clear();
            return;
        }
        if (m_messages.told != told || m_window->NewFormFlag != 0)
            return;  // refused or failed: reported as a message
        if (isMine(m_current) && !m_stored.contains(m_current))
            m_stored << m_current;
        QJsonObject saved = line;
        saved.insert("op", "saved");
        report(saved);
    }

    quint32 m_seed;
    QRandomGenerator m_random;
    DriverMessages m_messages;
    FixedClock m_clock;
    std::unique_ptr<Form1> m_window;
    int m_next = 0;
    int m_saves = 0;
    QString m_current;
    QStringList m_stored;  // this driver's own forms, stored
};

}  // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 4) {
        std::fprintf(stderr,
                     "usage: reliability_driver crash FOLDER SEED | soak FOLDER SECONDS SEED\n");
        return 2;
    }
    const QString mode = args[1];
    const bool soak = mode == QLatin1String("soak");
    const quint32 seed = (soak ? args.value(4) : args[3]).toUInt();
    Driver driver(args[2], seed);
    if (!driver.startedCleanly())
        return 1;
    report({{"op", "started"}});
    QRandomGenerator random(seed ^ 0x5eed);
    const QDeadlineTimer deadline = soak ? QDeadlineTimer(qint64(args[3].toDouble() * 1000))
                                         : QDeadlineTimer(QDeadlineTimer::Forever);
    while (!deadline.hasExpired()) {
        // A crash run saves, edits and deletes its own forms; a soak also edits the other
        // program's forms and counts.
        const quint32 pick = random.bounded(soak ? 12u : 5u);
        if (pick < 1)
            driver.saveNew();
        else if (pick < 3)
            driver.editCurrent();
        else if (pick < 4)
            driver.findMine(false);
        else if (pick < 5)
            driver.findMine(true);
        else if (pick < 8)
            driver.editShared(false);
        else if (pick < 11)
            driver.editShared(true);
        else
            driver.count();
        QCoreApplication::processEvents();
    }
    report({{"op", "done"}});
    return 0;
}
