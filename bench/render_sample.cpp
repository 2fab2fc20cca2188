// Prints a filled-in sample form through the real printing code into PDF files, so the
// pages can be looked at: <folder>/form337-sample-1-front.pdf and -2-back.pdf.
#include "print/PrintJob.h"
#include "print/PrintableForm.h"
#include "print/QtPrintEnvironment.h"
#include "ui/MessageService.h"

#include <QApplication>
#include <QDir>
#include <QTextStream>

namespace {

// Answers every box with its default button and echoes it, as nobody is there to click.
class AnsweringMessages : public MessageService {
public:
    Msg::Answer ask(const Msg::Request& request) override
    {
        QTextStream(stderr) << request.title << ": " << request.text << "\n";
        return request.defaultButton;
    }
};

PrintableForm sampleForm()
{
    PrintableForm f;
    f.Combo1 = {QStringLiteral("N4721K"), QStringLiteral("Cessna"), QStringLiteral("172S")};
    f.Text1 = {QStringLiteral("172S10485"), QStringLiteral("Skyhawk SP")};
    f.Text2 = {QStringLiteral("Blue Ridge Flying Club, Inc.\r\nc/o Margaret A. Whitfield-Hollingsworth"),
               QStringLiteral("1450 Airport Road"), QStringLiteral("Roanoke, VA 24012"), QStringLiteral("USA")};
    f.Option1 = {false, true};
    f.List1 = 1;
    f.Text4 = {QStringLiteral("Lycoming"), QString()};
    f.Text5 = QStringLiteral("IO-360-L2A");
    f.Text6 = QStringLiteral("L-31842-51A");
    f.Text7 = {QStringLiteral("Valley Aircraft Services"), QStringLiteral("2201 Hangar Lane"),
               QStringLiteral("Roanoke, VA 24012"), QStringLiteral("USA"), QStringLiteral("VQ4R123K")};
    f.Option2 = {false, false, true, false, false};
    f.Check2 = 1;
    f.Combo3 = QStringLiteral("Robert J. Lancaster");
    f.Text16 = QStringLiteral("3/17/2011");
    f.Option5 = {true, false};
    f.Option6 = {false, false, false, false, false, true, false};
    f.Text3 = QStringLiteral("");
    f.Text13 = QStringLiteral("DMIR-2207-SO");
    f.Combo5 = QStringLiteral("Helen M. Carter");
    f.Text17 = QStringLiteral("March 18, 2011");

    QStringList paragraphs;
    paragraphs << QStringLiteral("Installed Lycoming IO-360-L2A engine, S/N L-31842-51A, overhauled per Lycoming "
                                 "overhaul manual 60294-7, in accordance with STC SE09201SC and its FAA-approved "
                                 "installation instructions, revision C dated 01/15/2010: engine mount, baffles, "
                                 "induction and exhaust systems reworked as the instructions require.");
    for (int i = 1; i <= 70; ++i)
        paragraphs << QStringLiteral("%1. Inspected and torqued fitting %1 per AC 43.13-1B chapter 7; safety-wired; "
                                     "no discrepancies found.")
                          .arg(i);
    paragraphs << QStringLiteral("Weight and balance revised and entered in the aircraft records; equipment list "
                                 "updated. Ground run and flight test satisfactory.");
    f.Text18 = paragraphs.join(QStringLiteral("\r\n"));
    return f;
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("sample-pages");
    QDir().mkpath(folder);

    QtPrintEnvironment environment;
    environment.setPrinterNames([] { return QStringList(); });  // always to PDF
    environment.setAskFileName([&](const QString&) { return QDir(folder).filePath(QStringLiteral("form337-sample.pdf")); });
    AnsweringMessages messages;
    PrintJob job(environment, messages, [] { return std::optional<int>(0); });
    const auto outcome = job.PrintForm(sampleForm());
    return outcome == PrintJob::Outcome::Printed ? 0 : 1;
}
