// Benchmarks of the program at archive size: start-up, pick-up, searches, walking,
// saving, counting and page layout, as medians of several runs, each database
// operation beside the same query run by the sqlite3 program on the same file.
#include "DataGenerator.h"

#include "app/Form1.h"
#include "form/FormHandlers.h"
#include "form/FormScreen.h"
#include "form/FormSnapshot.h"
#include "print/BackPage.h"
#include "print/FontCheck.h"
#include "print/FrontPage.h"
#include "print/RecordingSurface.h"
#include "reports/StatisticsHandlers.h"
#include "search/FindPanel.h"
#include "search/SearchHandlers.h"
#include "ui/Clock.h"
#include "ui/ControlText.h"
#include "ui/Dates.h"
#include "ui/MessageService.h"

#include <QApplication>
#include <QComboBox>
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTextStream>
#include <algorithm>
#include <functional>
#include <sys/resource.h>

namespace {

class SilentMessages : public MessageService
{
public:
    Msg::Answer ask(const Msg::Request &r) override
    {
        return r.buttons == Msg::Buttons::YesNo ? Msg::Answer::Yes : Msg::Answer::Ok;
    }
};

double median(QList<double> values)
{
    if (values.isEmpty())
        return 0;
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

template<typename F>
double timeMs(F &&f)
{
    QElapsedTimer timer;
    timer.start();
    f();
    return timer.nsecsElapsed() / 1e6;
}

template<typename F>
double medianMs(int runs, F &&f)
{
    QList<double> times;
    for (int i = 0; i < runs; ++i)
        times << timeMs(f);
    return median(times);
}

// The query's own run time as the sqlite3 program reports it (".timer on"), median of runs; -1 when unavailable.
double sqliteMs(const QString &file, const QString &sql, int runs)
{
    QList<double> times;
    static const QRegularExpression runTime(QStringLiteral("Run Time: real ([0-9.]+)"));
    for (int i = 0; i < runs; ++i) {
        QProcess p;
        p.start(QStringLiteral("sqlite3"), {file});
        if (!p.waitForStarted(5000))
            return -1;
        p.write((QStringLiteral(".timer on\n") + sql + QStringLiteral(";\n.quit\n")).toUtf8());
        p.closeWriteChannel();
        p.waitForFinished(600000);
        const auto m = runTime.match(
            QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError()));
        if (!m.hasMatch())
            return -1;
        times << m.captured(1).toDouble() * 1000.0;
    }
    return median(times);
}

long peakMemoryMb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

struct Row
{
    QString what;
    double ms;
    double sqliteMs = -1;
    QString target;
};

template<typename T>
T *child(QWidget &w, const char *name)
{
    return w.findChild<T *>(QString::fromLatin1(name));
}

QString longDescription(int pages)
{
    QString text;
    const QString sentence = QStringLiteral(
        "Removed and replaced left wing rear spar cap per drawing 0523-100 rev C; ");
    while (text.size() < pages * 60 * 110)
        text += sentence;
    return text;
}

}  // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOption(
        {"sizes", "Numbers of stored forms, comma separated.", "list", "10000,100000,1000000"});
    parser.addOption({"runs", "Runs per median.", "n", "5"});
    parser.addOption(
        {"data", "Folder that keeps the generated data between runs.", "dir", "bench-data"});
    parser.addOption({"walk", "Next clicks walked after Show All Records.", "n", "1000"});
    parser.process(app);
    const int runs = parser.value("runs").toInt();
    const int walk = parser.value("walk").toInt();
    QTextStream out(stdout);

    SilentMessages messages;
    FixedClock clock(QDate(2026, 12, 9));
    QList<QPair<int, QList<Row>>> results;

    for (const QString &sizeText : parser.value("sizes").split(',')) {
        const int n = sizeText.toInt();
        const QString folder = QDir(parser.value("data")).absoluteFilePath(QString::number(n));
        QList<Row> rows;
        if (!QFileInfo::exists(folder + "/Form337.mdb")) {
            DataGenerator::Summary summary;
            const double ms = timeMs([&] { summary = DataGenerator::generate(folder, n); });
            rows << Row{QStringLiteral("generate (%1 chars of descriptions)")
                            .arg(summary.descriptionCharacters),
                        ms};
        }
        const QString formsFile = folder + "/Form337.mdb";
        AppContext context;
        context.programFolder = folder;
        context.messages = &messages;
        context.clock = &clock;
        context.endProgram = [] {
        };

        std::unique_ptr<Form1> window;
        rows << Row{"start-up with lists filled",
                    medianMs(runs,
                             [&] {
                                 window.reset();
                                 window = std::make_unique<Form1>(context);
                                 window->activate();
                             }),
                    -1, "<= 1000"};
        Form1 &w = *window;
        FormScreen &f = *w.Panel3D1;

        const QString mark = f.Combo1[0]->itemText(f.Combo1[0]->count() / 2);
        rows << Row{
            "registration-mark pick-up",
            medianMs(runs * 10,
                     [&] {
                         f.Combo1[0]->setEditText(mark);
                         w.Combo1_Click(0);
                     }),
            sqliteMs(formsFile,
                     QStringLiteral(
                         "SELECT * FROM Form WHERE RegNum = '%1' ORDER BY RecordId DESC LIMIT 1")
                         .arg(mark),
                     runs),
            "<= 5"};

        auto search = [&](const char *box, const QString &text) {
            w.searchHandlers().Command3D27_Click();
            w.Panel3D3->clearBoxes();  // the boxes keep their text between searches
            QLineEdit *edit = child<QLineEdit>(w, box);
            if (!edit)
                return -1.0;
            edit->setText(text);
            w.FindFromFirst = 1;
            return timeMs([&] { w.searchHandlers().SearchForms(); });
        };
        auto searchMedian = [&](const char *box, const QString &text) {
            QList<double> t;
            for (int i = 0; i < runs; ++i)
                t << search(box, text);
            return median(t);
        };
        rows << Row{
            "search: registration prefix N12", searchMedian("Text36", "N12"),
            sqliteMs(formsFile,
                     "SELECT * FROM Form WHERE RegNum LIKE 'N12%' ORDER BY RecordId LIMIT 1", runs),
            "<= 20"};
        rows << Row{
            "search: make Cessna", searchMedian("Text28", "Cessna"),
            sqliteMs(formsFile,
                     "SELECT * FROM Form WHERE Make LIKE 'Cessna%' ORDER BY RecordId LIMIT 1",
                     runs),
            ""};
        rows << Row{
            "search: owner *Tanaka", searchMedian("Text32", "*Tanaka"),
            sqliteMs(formsFile,
                     "SELECT * FROM Form WHERE OwnerName LIKE '%Tanaka%' ORDER BY RecordId LIMIT 1",
                     runs),
            "<= 1.5 x sqlite3"};
        rows << Row{
            "search: owner *Nobody (no match, full scan)", searchMedian("Text32", "*Nobody"),
            sqliteMs(formsFile, "SELECT count(*) FROM Form WHERE OwnerName LIKE '%Nobody%'", runs),
            "<= 1.5 x sqlite3"};

        w.searchHandlers().Command3D27_Click();
        if (QPushButton *showAll = child<QPushButton>(w, "Command3D10"))
            showAll->click();
        w.Data1.moveFirst();
        QList<double> steps;
        for (int i = 0; i < walk && !w.Data1.eof(); ++i)
            steps << timeMs([&] { w.formHandlers().Command3D16_Click(); });
        rows << Row{QStringLiteral("next click with ShowRecord (%1 clicks)").arg(steps.size()),
                    median(steps), -1, "<= 2"};

        // Saving: a new form on the screen as it stands after walking, then an edit of it.
        QList<double> adds, edits;
        for (int i = 0; i < runs; ++i) {
            w.NewFormFlag = 1;
            f.Option6[4]->setChecked(true);
            adds << timeMs([&] { w.formHandlers().Command3D13_Click(); });
            edits << timeMs([&] { w.formHandlers().Command3D13_Click(); });
        }
        rows << Row{"save a new form (durable)", median(adds), -1, "<= 20"};
        rows << Row{"save an edit (durable)", median(edits), -1, "<= 20"};

        QLineEdit *from = child<QLineEdit>(w, "Text47(11)");
        QLineEdit *to = child<QLineEdit>(w, "Text47(13)");
        if (from && to) {
            from->setText(Dates::shortForm(QDate(2010, 1, 1)));
            to->setText(Dates::shortForm(QDate(2019, 12, 31)));
        }
        rows << Row{
            "Calculate over 10 years",
            !(from && to) ? -1.0
                          : medianMs(runs, [&] { w.statisticsHandlers().SSCommand14_Click(); }),
            sqliteMs(
                formsFile,
                "SELECT count(RegNum) FROM Form WHERE (AirType1=-1 OR PowType1=-1 OR ProType1=-1 OR"
                " AppType1=-1) AND FormDate >= '2010-01-01' AND FormDate <= '2019-12-31' AND "
                "Approved=-1",
                runs),
            "<= 100"};
        results << qMakePair(n, rows);
        window.reset();
    }

    // Page layout on the recording surface.
    const SystemFontCheck fonts;
    QList<Row> layout;
    FormSnapshot form;
    form.registrationMark = "N12345";
    form.make = "Cessna";
    form.model = "172N";
    form.ownerName = "John Q. Public and Mary Public-Smith, joint owners of record";
    form.unitKind = 1;
    form.typeOfWork = FormSnapshot::Repair;
    layout << Row{"front page layout",
                  medianMs(runs,
                           [&] {
                               RecordingSurface s(fonts);
                               FrontPage::draw(s, form);
                           }),
                  -1, ""};
    for (int pages : {10, 100}) {
        form.description = longDescription(pages);
        layout << Row{QStringLiteral("back page layout, %1-page description").arg(pages),
                      medianMs(runs,
                               [&] {
                                   RecordingSurface s(fonts);
                                   BackPage::draw(s, form);
                               }),
                      -1, pages == 100 ? "<= 12 x the 10-page time" : ""};
    }
    results << qMakePair(0, layout);

    out << "| forms | operation | program ms | sqlite3 ms | ratio | target "
           "|\n|---|---|---|---|---|---|\n";
    for (const auto &[n, rows] : results) {
        for (const Row &r : rows) {
            out << "| " << (n ? QString::number(n) : QStringLiteral("-")) << " | " << r.what
                << " | " << (r.ms < 0 ? QStringLiteral("n/a") : QString::number(r.ms, 'f', 2))
                << " | "
                << (r.sqliteMs >= 0 ? QString::number(r.sqliteMs, 'f', 2) : QStringLiteral("-"))
                << " | "
                << (r.sqliteMs > 0 && r.ms >= 0 ? QString::number(r.ms / r.sqliteMs, 'f', 2)
                                                : QStringLiteral("-"))
                << " | " << r.target << " |\n";
        }
    }
    out << "\npeak memory: " << peakMemoryMb() << " MB (target <= 250)\n";
    // A benchmark that could not run its operation (a control missing) fails the run.
    bool complete = true;
    for (const auto &[n, rows] : results) {
        for (const Row &r : rows)
            complete = complete && r.ms >= 0;
    }
    return complete ? 0 : 1;
}
