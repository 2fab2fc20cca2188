#include "mailing/MailingHandlers.h"

#include "data/Database.h"
#include "data/DbError.h"
#include "data/Recordset.h"
#include "form/FaaAddresses.h"
#include "form/FormScreen.h"
#include "mailing/UnsentForms.h"
#include "mailing/UnsentFormsPanel.h"
#include "ui/Clock.h"
#include "ui/Dates.h"
#include "ui/FocusLossFilter.h"
#include "ui/MessageService.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

namespace {

const QString kTitle = QObject::tr("FAA mailing");

}  // namespace

MailingHandlers::MailingHandlers(const MailingParts &parts)
    : w(parts)
    , m_panel(new UnsentFormsPanel(parts.window))
{
    QObject::connect(w.cmdFaaMailing, &QPushButton::clicked, m_panel, [this] { openList(); });
    QObject::connect(m_panel->cmdRecordSent, &QPushButton::clicked, m_panel,
                     [this] { recordTicked(); });
    FocusLossFilter::install(w.Panel3D1->txtFaaSentDate, [this] { checkSentDate(); });
}

void MailingHandlers::checkSentDate()
{
    // Save stores only a date here; any other text would be dropped without a word.
    QLineEdit *box = w.Panel3D1->txtFaaSentDate;
    if (box->text().trimmed().isEmpty() || Dates::parse(box->text()).isValid())
        return;
    w.messages.tell(QObject::tr("\"%1\" is not a date. Enter the date the FAA copy was sent; "
                                "until then Save keeps the date stored before.")
                        .arg(box->text()),
                    kTitle, Msg::Icon::Exclamation);
}

MailingHandlers::~MailingHandlers() = default;

void MailingHandlers::showSignInNotice()
{
    // A file that cannot be read gives no notice; the sign-in goes on.
    const std::shared_ptr<Database> forms = w.Data1.database();
    if (!forms)
        return;
    QList<UnsentForms::Form> unsent;
    skipFailingStep([&] { unsent = UnsentForms::read(*forms, w.clock.today()); });
    const QString text = UnsentForms::notice(unsent, w.clock.today());
    if (!text.isEmpty())
        w.messages.tell(text, kTitle, Msg::Icon::Information);
}

void MailingHandlers::openList()
{
    m_panel->txtSentDate->setText(Dates::longForm(w.clock.today()));
    m_panel->txtSentTracking->clear();
    fillList();
    m_panel->show();
    m_panel->raise();
}

void MailingHandlers::fillList()
{
    QTableWidget *list = m_panel->lstUnsent;
    list->setRowCount(0);
    const std::shared_ptr<Database> forms = w.Data1.database();
    if (!forms)
        return;
    QList<UnsentForms::Form> unsent;
    try {
        unsent = UnsentForms::read(*forms, w.clock.today());
    } catch (const DbError &error) {
        w.messages.tell(QObject::tr("The unsent forms could not be read: %1").arg(error.message()),
                        kTitle, Msg::Icon::Exclamation);
        return;
    }
    QVariant usual, fuel;
    skipFailingStep([&] { usual = w.setupCursor.field(QStringLiteral("FaaAddress")); });
    skipFailingStep([&] { fuel = w.setupCursor.field(QStringLiteral("FaaFuelTankAddress")); });
    const QString usualAddress = FaaAddresses::orDefault(usual, FaaAddresses::defaultAddress());
    const QString fuelAddress
        = FaaAddresses::orDefault(fuel, FaaAddresses::defaultFuelTankAddress());
    const QDate today = w.clock.today();
    list->setRowCount(int(unsent.size()));
    for (int row = 0; row < unsent.size(); ++row) {
        const UnsentForms::Form &f = unsent[row];
        auto *mark = new QTableWidgetItem(f.registrationMark.trimmed());
        mark->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        mark->setCheckState(Qt::Unchecked);
        mark->setData(Qt::UserRole, f.recordId);
        list->setItem(row, UnsentFormsPanel::Mark, mark);
        list->setItem(row, UnsentFormsPanel::Approved,
                      new QTableWidgetItem(f.approved.isValid() ? Dates::longForm(f.approved)
                                                                : QObject::tr("no date")));
        const bool late = UnsentForms::isLate(f.approved, today);
        QString due
            = f.approved.isValid() ? Dates::longForm(UnsentForms::due(f.approved)) : QString();
        if (late)
            due = QObject::tr("LATE %1").arg(due).trimmed();
        list->setItem(row, UnsentFormsPanel::Due, new QTableWidgetItem(due));
        list->setItem(row, UnsentFormsPanel::Address,
                      new QTableWidgetItem(f.fuelTanks ? fuelAddress : usualAddress));
    }
    list->resizeColumnsToContents();
}

void MailingHandlers::recordTicked()
{
    const QList<qint64> ids = m_panel->tickedForms();
    if (ids.isEmpty()) {
        w.messages.tell(QObject::tr("Tick the forms whose FAA copy was sent."), kTitle,
                        Msg::Icon::Exclamation);
        return;
    }
    const QDate sent = Dates::parse(m_panel->txtSentDate->text());
    if (!sent.isValid()) {
        w.messages.tell(QObject::tr("\"%1\" is not a date. Enter the date the copies were sent.")
                            .arg(m_panel->txtSentDate->text()),
                        kTitle, Msg::Icon::Exclamation);
        m_panel->txtSentDate->setFocus();
        return;
    }
    const std::shared_ptr<Database> forms = w.Data1.database();
    if (!forms)
        return;
    try {
        UnsentForms::recordSent(*forms, ids, sent, m_panel->txtSentTracking->text());
    } catch (const DbError &error) {
        // Nothing was recorded; the ticks and the typed text stay for another try.
        w.messages.tell(QObject::tr("The sending could not be recorded: %1").arg(error.message()),
                        kTitle, Msg::Icon::Exclamation);
        return;
    }
    m_panel->txtSentTracking->clear();
    fillList();
}
