#include "print/PrintJob.h"

#include "form/FormSnapshot.h"
#include "print/BackPage.h"
#include "print/FormDocument.h"
#include "print/FrontPage.h"
#include "print/PageProgress.h"
#include "print/PrintError.h"
#include "print/PrintSurface.h"
#include "ui/Dates.h"
#include "ui/MessageService.h"
#include "ui/WaitCursor.h"

#include <QDir>
#include <QFileInfo>
#include <QObject>
#include <QVariant>

#include <functional>

PrintJob::PrintJob(PrintEnvironment &environment, MessageService &messages, TopShiftSource topShift)
    : m_environment(environment)
    , m_messages(messages)
    , m_topShift(std::move(topShift))
{ }

QString PrintJob::defaultCopiesText(const QVariant &organ1, bool extendedRangeFuel)
{
    const double copies = organ1.isNull() ? 1 : Numbers::leadingValue(organ1.toString());
    if (extendedRangeFuel && copies < 3)
        return QStringLiteral("3");
    return QString::number(copies);
}

int PrintJob::printCopies(const QString &copiesText, const FormSnapshot &form)
{
    const double copies = Numbers::leadingValue(copiesText);
    int runs = 0;
    for (int copy = 1; copy <= copies; ++copy) {
        ++runs;
        if (PrintForm(form) == Outcome::Stopped)
            break;
    }
    return runs;
}

std::unique_ptr<PrintSurface> PrintJob::begin(PrintEnvironment::Side side, const FormSnapshot &form)
{
    const QString mark = form.registrationMark.trimmed();
    PrintEnvironment::Document document{side, mark.isEmpty()
                                                  ? QStringLiteral("FAA Form 337")
                                                  : QStringLiteral("FAA Form 337 ") + mark};
    auto surface = m_environment.beginDocument(document);
    if (surface)
        surface->setScale(m_topShift ? m_topShift() : std::optional<int>(0));
    return surface;
}

PrintJob::Outcome PrintJob::PrintForm(const FormSnapshot &form)
{
    WaitCursor hourglass;
    std::unique_ptr<PrintSurface> surface;
    std::unique_ptr<PageProgress> progress;
    // One document: begun, drawn and ended; false when it was not begun. Each document is
    // watched on its own, so the time spent at the reinsert prompt does not count as printing.
    const auto print
        = [&](PrintEnvironment::Side side, const std::function<void(PrintSurface &)> &draw) {
              progress = m_environment.watchProgress(QStringLiteral("Printing"));
              surface = begin(side, form);
              if (!surface)
                  return false;
              surface->setProgress(progress.get());
              draw(*surface);
              return true;
          };
    try {
        if (m_environment.printsToFile()) {
            // One file holds the whole form; there is no sheet to put back.
            const bool printed = print(PrintEnvironment::Side::Whole, [&](PrintSurface &s) {
                FormDocument::draw(s, form, m_topShift ? m_topShift() : std::optional<int>(0));
            });
            if (!printed)
                return Outcome::Stopped;
            const QString file = m_environment.lastFile();
            if (!file.isEmpty())
                m_messages.status(
                    QObject::tr("PDF written to %1").arg(QDir::toNativeSeparators(file)),
                    QFileInfo(file).absolutePath());
            return Outcome::Printed;
        }
        if (!print(PrintEnvironment::Side::Front, [&](PrintSurface &s) {
                FrontPage::draw(s, form);
                s.endDoc();
            }))
            return Outcome::Stopped;
        surface.reset();

        const Msg::Answer answer = m_messages.ask(
            {QStringLiteral("Press OK when ready or Cancel to not print back of form"),
             QStringLiteral("Reinsert form to print back"), Msg::Buttons::OkCancel,
             Msg::Icon::Information, Msg::Answer::Ok});
        if (answer == Msg::Answer::Cancel)
            return Outcome::FrontOnly;

        const bool printed = print(PrintEnvironment::Side::Back, [&](PrintSurface &s) {
            BackPage::draw(s, form);
            s.endDoc();
        });
        return printed ? Outcome::Printed : Outcome::Stopped;
    } catch (const PrintError &error) {
        // Cancel withdraws the document being printed; the user knows, so nothing is said.
        if (error.number() == PrintError::Cancelled)
            return Outcome::Stopped;
        if (error.number() == PrintError::InvalidPropertyValue)
            reportFontsMissing(surface);
        else
            reportPrinterFailure(error.message());
    } catch (const std::exception &error) {
        reportPrinterFailure(QString::fromLocal8Bit(error.what()));
    }
    return Outcome::Stopped;
}

void PrintJob::reportFontsMissing(std::unique_ptr<PrintSurface> &surface)
{
    m_messages.ask({QStringLiteral("1) Save form. 2) Exit program. 3) Install fonts per manual."),
                    QStringLiteral("Necessary printer fonts not installed"), Msg::Buttons::Ok,
                    Msg::Icon::Critical, Msg::Answer::Ok});
    // What was drawn before the missing font is ended as the document and printed.
    if (!surface)
        return;
    try {
        surface->endDoc();
    } catch (const PrintError &error) {
        reportPrinterFailure(error.message());
    }
}

void PrintJob::reportPrinterFailure(const QString &detail)
{
    m_messages.tell(QStringLiteral("The printer failed and printing was stopped.\n%1\n"
                                   "Check the printer and print the form again.")
                        .arg(detail),
                    QStringLiteral("Printing stopped"), Msg::Icon::Critical);
}
