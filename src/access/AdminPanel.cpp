#include "access/AdminPanel.h"

#include "ui/CalendarButton.h"
#include "ui/Dates.h"
#include "ui/RaisedPanel.h"

#include "ui/TypingLengthValidator.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedLayout>
#include <QVBoxLayout>

namespace {

QLineEdit *box(QWidget *parent, int index)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QStringLiteral("Text47(%1)").arg(index));
    return edit;
}

QPushButton *button(QWidget *parent, const char *name, const QString &caption)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setMinimumWidth(80);
    return b;
}

QLabel *heading(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

}  // namespace

AdminPanel::AdminPanel(QWidget *parent)
    : QFrame(parent)
{
    makeRaisedPanel(this, QStringLiteral("SSPanel3"));

    Combo6 = new QComboBox(this);
    Combo6->setObjectName(QStringLiteral("Combo6"));
    Combo6->setEditable(true);
    Combo6->setInsertPolicy(QComboBox::NoInsert);
    Combo6->lineEdit()->setPlaceholderText(tr("Press New to enter new DMIR"));

    // Typing limits only: stored values longer than a limit are still shown whole.
    Text47[17] = box(this, 17);
    TypingLengthValidator::install(Text47[17], 20);
    Text47[15] = box(this, 15);
    TypingLengthValidator::install(Text47[15], 20);
    Text47[9] = box(this, 9);
    Text47[9]->setReadOnly(true);
    Text47[10] = box(this, 10);
    TypingLengthValidator::install(Text47[10], 10);
    Text47[12] = box(this, 12);
    Text47[12]->setEchoMode(QLineEdit::Password);
    TypingLengthValidator::install(Text47[12], 10);  // a paste is cut between characters
    Text47[11] = box(this, 11);
    Text47[13] = box(this, 13);
    for (int i : {11, 13})
        Text47[i]->setToolTip(tr("A date, for example March 01, 2001"));

    // Combo6 and the name entry box share one place.
    auto *nameSlot = new QWidget(this);
    auto *nameStack = new QStackedLayout(nameSlot);
    nameStack->addWidget(Combo6);
    nameStack->addWidget(Text47[17]);
    Combo6->setParent(nameSlot);
    Text47[17]->setParent(nameSlot);
    showNameEntry(false);

    Frame1 = new QGroupBox(tr("Administrator"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Option3 = new QRadioButton(tr("Yes"), Frame1);
    Option3->setObjectName(QStringLiteral("Option3"));
    Option4 = new QRadioButton(tr("No"), Frame1);
    Option4->setObjectName(QStringLiteral("Option4"));
    Option4->setChecked(true);
    Text47[12]->setParent(Frame1);
    auto *frameLayout = new QGridLayout(Frame1);
    frameLayout->addWidget(Option3, 0, 0);
    frameLayout->addWidget(Option4, 0, 1);
    frameLayout->addWidget(new QLabel(tr("Admin Password"), Frame1), 1, 0);
    frameLayout->addWidget(Text47[12], 1, 1);

    SSCommand10 = button(this, "SSCommand10", tr("&Save"));
    SSCommand11 = button(this, "SSCommand11", tr("&Delete"));
    SSCommand12 = button(this, "SSCommand12", tr("&New"));
    SSCommand13 = button(this, "SSCommand13", tr("E&xit"));

    auto *inspector = new QGridLayout;
    inspector->addWidget(new QLabel(tr("DMIR Name"), this), 0, 0);
    inspector->addWidget(nameSlot, 0, 1);
    inspector->addWidget(new QLabel(tr("Certification Number"), this), 1, 0);
    inspector->addWidget(Text47[15], 1, 1);
    inspector->addWidget(new QLabel(tr("Old Password"), this), 2, 0);
    inspector->addWidget(Text47[9], 2, 1);
    inspector->addWidget(new QLabel(tr("New Password"), this), 3, 0);
    inspector->addWidget(Text47[10], 3, 1);
    inspector->addWidget(Frame1, 4, 0, 1, 2);
    auto *buttons = new QHBoxLayout;
    for (QPushButton *b : {SSCommand10, SSCommand11, SSCommand12, SSCommand13})
        buttons->addWidget(b);
    auto *left = new QVBoxLayout;
    left->addWidget(heading(tr("DMIR"), this));
    left->addLayout(inspector);
    left->addStretch(1);
    left->addLayout(buttons);

    // The report-period block: two dates, "Calculate", and the grid of counts.
    SSCommand14 = button(this, "SSCommand14", tr("&Calculate"));
    SSCommand14->setEnabled(false);
    auto *period = new QGridLayout;
    period->addWidget(heading(tr("Report Period"), this), 0, 0);
    period->addWidget(Text47[11], 0, 1);
    period->addWidget(new CalendarButton(Text47[11], &Dates::shortForm, this), 0, 2);
    period->addWidget(new QLabel(tr("To"), this), 1, 0);
    period->addWidget(Text47[13], 1, 1);
    period->addWidget(new CalendarButton(Text47[13], &Dates::shortForm, this), 1, 2);
    period->addWidget(SSCommand14, 2, 1, Qt::AlignRight);
    // Beside the counts: their CSV export and the activity report per inspector.
    cmdStatisticsCsv = button(this, "cmdStatisticsCsv", tr("Export CSV..."));
    cmdActivityReport = button(this, "cmdActivityReport", tr("Inspection activity..."));
    period->addWidget(cmdStatisticsCsv, 3, 1, Qt::AlignRight);
    period->addWidget(cmdActivityReport, 4, 1, Qt::AlignRight);
    auto *grid = new QGridLayout;
    grid->addWidget(heading(tr("Approved"), this), 0, 1, Qt::AlignCenter);
    grid->addWidget(heading(tr("Rejected"), this), 0, 2, Qt::AlignCenter);
    const char *const rows[3] = {"Repair", "Alteration", "Total"};
    const int boxes[3][2] = {{0, 2}, {1, 4}, {3, 5}};
    for (int row = 0; row < 3; ++row) {
        grid->addWidget(new QLabel(tr(rows[row]), this), row + 1, 0);
        for (int column = 0; column < 2; ++column) {
            const int index = boxes[row][column];
            Text48[index] = new QLineEdit(this);
            Text48[index]->setObjectName(QStringLiteral("Text48(%1)").arg(index));
            Text48[index]->setReadOnly(true);
            Text48[index]->setAlignment(Qt::AlignRight);
            Text48[index]->setMaximumWidth(90);
            grid->addWidget(Text48[index], row + 1, column + 1);
        }
    }
    auto *right = new QVBoxLayout;
    right->addLayout(period);
    right->addSpacing(12);
    right->addLayout(grid);
    right->addStretch(1);

    auto *columns = new QHBoxLayout(this);
    columns->setContentsMargins(16, 12, 16, 12);
    columns->addLayout(left, 1);
    columns->addSpacing(32);  // not setSpacing: nested layouts would take it over
    columns->addLayout(right, 1);

    setTabOrder(Combo6, Text47[17]);
    setTabOrder(Text47[17], Text47[15]);
    setTabOrder(Text47[15], Text47[10]);
    setTabOrder(Text47[10], Option3);
    setTabOrder(Option3, Option4);
    setTabOrder(Option4, Text47[12]);
    setTabOrder(Text47[12], SSCommand10);
    setTabOrder(SSCommand10, SSCommand11);
    setTabOrder(SSCommand11, SSCommand12);
    setTabOrder(SSCommand12, SSCommand13);
    setTabOrder(SSCommand13, Text47[11]);
    setTabOrder(Text47[11], Text47[13]);
    setTabOrder(Text47[13], SSCommand14);
}

void AdminPanel::showNameEntry(bool entering)
{
    auto *stack = static_cast<QStackedLayout *>(Combo6->parentWidget()->layout());
    stack->setCurrentWidget(entering ? static_cast<QWidget *>(Text47[17]) : Combo6);
}
