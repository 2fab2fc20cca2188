// Drives the real main window headless on a data folder and reports every operation
// as one JSON line on stdout, flushed at once, so a test that kills it at any moment
// knows what the program had reported done:
//   {"op":"saving", "serial":..., "rev":..., "fields":{...}}  before Save is clicked
//   {"op":"saved",  "serial":..., "rev":..., "fields":{...}}  after Save reported success
//   {"op":"deleted","serial":...}                             after Delete reported success
//   {"op":"counted","approvedRepairs":N, "expected":N}         the period statistics of its year
//   {"op":"message","text":...}                               any message that is not a question
//
//   reliability_driver crash FOLDER SEED          saves and edits until killed
//   reliability_driver soak  FOLDER SECONDS SEED  saves, edits, deletes and counts for a time
//
// Every form of one driver carries the driver's tag in its serial number ("S<seed>-<n>")
// and is dated in the driver's own year (2000 + seed % 50), so two drivers on one
// folder can each check exactly what is theirs.
#include "access/AdminPanel.h"
#include "app/AppContext.h"
#include "app/Form1.h"
#include "data/Criterion.h"
#include "data/DbError.h"
#include "form/FormHandlers.h"
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
#include <QMap>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QRandomGenerator>

#include <cstdio>

namespace {

void report(const QJsonObject& line)
{
    const QByteArray text = QJsonDocument(line).toJson(QJsonDocument::Compact);
    std::fwrite(text.constData(), 1, size_t(text.size()), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

// Questions are answered Yes (Delete asks first); anything else is reported.
class DriverMessages : public MessageService {
public:
    Msg::Answer ask(const Msg::Request& request) override
    {
        if (request.buttons == Msg::Buttons::YesNo)
            return Msg::Answer::Yes;
        ++told;
        report({{"op", "message"}, {"text", request.text}, {"title", request.title}});
        return Msg::Answer::Ok;
    }
    int told = 0;
};

// The boxes a driver fills and the fields they are stored in.
struct Entry {
    const char* field;
    QWidget* (*box)(FormScreen&);
};
const Entry kEntries[] = {
    {"RegNum", [](FormScreen& s) -> QWidget* { return s.Combo1[0]; }},
    {"Make", [](FormScreen& s) -> QWidget* { return s.Combo1[1]; }},
    {"Model", [](FormScreen& s) -> QWidget* { return s.Combo1[2]; }},
    {"Serial", [](FormScreen& s) -> QWidget* { return s.Text1[0]; }},
    {"Rating1", [](FormScreen& s) -> QWidget* { return s.Text1[1]; }},
    {"OwnerName", [](FormScreen& s) -> QWidget* { return s.Text2[0]; }},
    {"OwnerAdd1", [](FormScreen& s) -> QWidget* { return s.Text2[1]; }},
    {"OwnerAdd2", [](FormScreen& s) -> QWidget* { return s.Text2[2]; }},
    {"OwnerName2", [](FormScreen& s) -> QWidget* { return s.Text2[3]; }},
    {"AgencyName", [](FormScreen& s) -> QWidget* { return s.Text7[0]; }},
    {"AgencyAdd1", [](FormScreen& s) -> QWidget* { return s.Text7[1]; }},
    {"AgencyAdd2", [](FormScreen& s) -> QWidget* { return s.Text7[2]; }},
    {"AgencyAdd3", [](FormScreen& s) -> QWidget* { return s.Text7[3]; }},
    {"AgencyCert", [](FormScreen& s) -> QWidget* { return s.Text7[4]; }},
    {"ApproveName", [](FormScreen& s) -> QWidget* { return s.Combo3; }},
    {"ApproveCert", [](FormScreen& s) -> QWidget* { return s.Text13; }},
    {"Signed", [](FormScreen& s) -> QWidget* { return s.Combo5; }},
    {"Back", [](FormScreen& s) -> QWidget* { return s.Text18; }},
};

class Driver {
public:
    Driver(const QString& folder, quint32 seed) : m_seed(seed), m_random(seed), m_clock(QDate(2001, 3, 5))
    {
        AppContext context;
        context.programFolder = folder;
        context.messages = &m_messages;
        context.clock = &m_clock;
        context.endProgram = [] { std::_Exit(3); };
        m_window = std::make_unique<Form1>(context);
        m_window->activate();
        m_year = 2000 + int(seed % 50);
    }

    bool startedCleanly() const { return m_messages.told == 0; }

    // A new form, saved.
    void saveNew()
    {
        m_window->formHandlers().Command3D19_Click();
        m_current = QStringLiteral("S%1-%2").arg(m_seed).arg(m_next++);
        m_revision[m_current] = 0;
        save();
    }

    // The form on screen changed and saved again.
    void editCurrent()
    {
        if (m_current.isEmpty() || m_window->NewFormFlag != 0)
            return saveNew();
        ++m_revision[m_current];
        save();
    }

    // One of this driver's stored forms found, shown, then edited or deleted.
    void findMine(bool thenDelete)
    {
        if (m_stored.isEmpty())
            return saveNew();
        const QString serial = m_stored.at(int(m_random.bounded(quint32(m_stored.size()))));
        Recordset& forms = m_window->Data1;
        try {
            forms.setTable(QStringLiteral("Form"));
            forms.refresh();
            forms.findFirst(Criterion::equals(QStringLiteral("Serial"), serial));
        } catch (const DbError& e) {
            report({{"op", "message"}, {"text", QStringLiteral("find failed: ") + e.message()}});
            return;
        }
        if (forms.noMatch()) {
            report({{"op", "message"}, {"text", QStringLiteral("stored form not found: ") + serial}});
            return;
        }
        m_window->NewFormFlag = 0;
        m_window->ShowRecord();
        m_current = serial;
        if (!thenDelete)
            return editCurrent();
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
        AdminPanel* admin = m_window->SSPanel3;
        admin->Text48[0]->setText(QStringLiteral("-1"));
        admin->Text47[11]->setText(Dates::longForm(QDate(m_year, 1, 1)));
        admin->Text47[13]->setText(Dates::longForm(QDate(m_year, 12, 31)));
        m_window->statisticsHandlers().SSCommand14_Click();
        report({{"op", "counted"},
              {"approvedRepairs", admin->Text48[0]->text().toInt()},
              {"expected", int(m_stored.size())}});
    }

private:
    QString text(const QString& serial, int rev, const char* field)
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
            return QStringLiteral("rev %1").arg(rev);
        if (f == QLatin1String("Back")) {
            // From a line to several pages of the database, so saves span many pages.
            const int words = 5 + int(m_random.bounded(1500u));
            return QStringLiteral("%1 rev %2: ").arg(serial).arg(rev) +
                   QStringLiteral("replaced spar cap ").repeated(words).trimmed();
        }
        if (f == QLatin1String("ApproveName") || f == QLatin1String("Signed"))
            return QStringLiteral("Jane Doe");
        return QStringLiteral("%1 %2 rev %3").arg(f, serial).arg(rev);
    }

    void save()
    {
        FormScreen& s = *m_window->Panel3D1;
        const int rev = m_revision.value(m_current);
        QJsonObject fields;
        for (const Entry& e : kEntries) {
            const QString value = text(m_current, rev, e.field);
            setControlText(e.box(s), value);
            fields.insert(QString::fromLatin1(e.field), value);
        }
        s.Option1[0]->setChecked(true);       // repair
        if (s.List1->currentRow() != 0)
            s.List1->setCurrentRow(0);        // airframe
        s.Option2[2]->setChecked(true);       // certificated repair station
        s.Option5[0]->setChecked(true);       // approved
        s.Option6[4]->setChecked(true);
        setControlText(s.Text16, Dates::longForm(QDate(m_year, 1 + int(m_random.bounded(12u)), 1)));
        setControlText(s.Text17, Dates::longForm(QDate(m_year, 6, 15)));
        const QJsonObject line{{"serial", m_current}, {"rev", rev}, {"fields", fields}};
        QJsonObject saving = line;
        saving.insert("op", "saving");
        report(saving);
        const int told = m_messages.told;
        m_window->formHandlers().Command3D13_Click();
        if (m_messages.told != told || m_window->NewFormFlag != 0)
            return;  // refused or failed: reported as a message
        if (!m_stored.contains(m_current))
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
    int m_year = 2001;
    int m_next = 0;
    QString m_current;
    QMap<QString, int> m_revision;
    QStringList m_stored;
};

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 4) {
        std::fprintf(stderr, "usage: reliability_driver crash FOLDER SEED | soak FOLDER SECONDS SEED\n");
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
        const quint32 pick = random.bounded(soak ? 10u : 4u);
        if (pick < 2)
            driver.saveNew();
        else if (pick < 4)
            driver.editCurrent();
        else if (pick < 6)
            driver.findMine(false);
        else if (pick < 8)
            driver.findMine(true);
        else
            driver.count();
        QCoreApplication::processEvents();
    }
    report({{"op", "done"}});
    return 0;
}
