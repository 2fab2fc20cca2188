// Prints a filled-in sample form through the real printing code into PDF files, so the
// pages can be looked at: <folder>/form337-sample-1-front.pdf and -2-back.pdf.
#include "form/FormSnapshot.h"
#include "print/PrintJob.h"
#include "print/QtPrintEnvironment.h"
#include "ui/MessageService.h"

#include <QApplication>
#include <QDir>
#include <QTextStream>

namespace {

// Answers every box with its default button and echoes it, as nobody is there to click.
class AnsweringMessages : public MessageService
{
public:
    Msg::Answer ask(const Msg::Request &request) override
    {
        QTextStream(stderr) << request.title << ": " << request.text << "\n";
        return request.defaultButton;
    }
};

FormSnapshot sampleForm()
{
    FormSnapshot f;
    f.registrationMark = QStringLiteral("N4721K");
    f.make = QStringLiteral("Cessna");
    f.model = QStringLiteral("172S");
    f.serialNumber = QStringLiteral("172S10485");
    f.series = QStringLiteral("Skyhawk SP");
    f.ownerName
        = QStringLiteral("Blue Ridge Flying Club, Inc.\r\nc/o Margaret A. Whitfield-Hollingsworth");
    f.ownerAddress = QStringLiteral("1450 Airport Road");
    f.ownerCityState = QStringLiteral("Roanoke, VA 24012");
    f.ownerZipCountry = QStringLiteral("USA");
    f.typeOfWork = FormSnapshot::Alteration;
    f.unitKind = FormSnapshot::Powerplant;
    f.unitMake = QStringLiteral("Lycoming");
    f.unitModel = QStringLiteral("IO-360-L2A");
    f.unitSerialNumber = QStringLiteral("L-31842-51A");
    f.agencyName = QStringLiteral("Valley Aircraft Services");
    f.agencyAddress = QStringLiteral("2201 Hangar Lane");
    f.agencyCityState = QStringLiteral("Roanoke, VA 24012");
    f.agencyZipCountry = QStringLiteral("USA");
    f.agencyCertificate = QStringLiteral("VQ4R123K");
    f.agencyKind = 2;
    f.extendedRangeFuel = 1;
    f.conformitySigner = QStringLiteral("Robert J. Lancaster");
    f.conformityDate = QStringLiteral("3/17/2011");
    f.verdict = FormSnapshot::Approved;
    f.approvedBy = 5;
    f.otherApprover = QStringLiteral("");
    f.approverCertificate = QStringLiteral("DMIR-2207-SO");
    f.approvalSigner = QStringLiteral("Helen M. Carter");
    f.approvalDate = QStringLiteral("March 18, 2011");

    QStringList paragraphs;
    paragraphs << QStringLiteral(
        "Installed Lycoming IO-360-L2A engine, S/N L-31842-51A, overhauled per Lycoming "
        "overhaul manual 60294-7, in accordance with STC SE09201SC and its FAA-approved "
        "installation instructions, revision C dated 01/15/2010: engine mount, baffles, "
        "induction and exhaust systems reworked as the instructions require.");
    for (int i = 1; i <= 70; ++i)
        paragraphs
            << QStringLiteral(
                   "%1. Inspected and torqued fitting %1 per AC 43.13-1B chapter 7; safety-wired; "
                   "no discrepancies found.")
                   .arg(i);
    paragraphs << QStringLiteral(
        "Weight and balance revised and entered in the aircraft records; equipment list "
        "updated. Ground run and flight test satisfactory.");
    f.description = paragraphs.join(QStringLiteral("\r\n"));
    return f;
}

}  // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QString folder
        = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("sample-pages");
    QDir().mkpath(folder);

    QtPrintEnvironment environment;
    environment.setPrinterNames([] { return QStringList(); });  // always to PDF
    environment.setAskFileName([&](const QString &) {
        return QDir(folder).filePath(QStringLiteral("form337-sample.pdf"));
    });
    AnsweringMessages messages;
    PrintJob job(environment, messages, [] { return std::optional<int>(0); });
    const auto outcome = job.PrintForm(sampleForm());
    return outcome == PrintJob::Outcome::Printed ? 0 : 1;
}
