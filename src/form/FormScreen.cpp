#include "form/FormScreen.h"

#include "form/FormFields.h"

#include "form/FormTexts.h"
#include "ui/CalendarButton.h"
#include "ui/CapitalsLineEdit.h"
#include "ui/Clock.h"
#include "ui/Dates.h"
#include "ui/MultiLineBox.h"
#include "ui/TypingLengthValidator.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

// Typing limits: the lengths of the fields the boxes are stored in.
constexpr int RegNumLength = 20;
constexpr int MakeModelLength = 40;
constexpr int SerialSeriesLength = 30;
constexpr int OwnerNameLength = 255;
constexpr int AddressLineLength = 100;
constexpr int DescriptionLength = 1048576;  // the stored description's column
constexpr int UnitLength = 50;
constexpr int CertificateLength = 30;
constexpr int FaaTrackingLength = 100;  // the FaaTracking column
constexpr int SignerLength = 50;

const SystemClock systemClock;

QString arrayName(const char *name, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

// Width of a box that shows the given number of dashes or average characters.
int widthForChars(const QWidget *box, int chars)
{
    const QFontMetrics metrics = box->fontMetrics();
    return std::max(metrics.horizontalAdvance(QString(chars, QLatin1Char('-'))),
                    metrics.averageCharWidth() * chars)
           + 12;
}

QLineEdit *newLineEdit(QLineEdit *box, const QString &name, const QString &designText,
                       int typingLimit)
{
    box->setObjectName(name);
    box->setText(designText);
    box->setCursorPosition(0);
    if (typingLimit > 0)
        TypingLengthValidator::install(box, typingLimit);
    return box;
}

QLineEdit *newLineEdit(const QString &name, const QString &designText = {}, int typingLimit = 0)
{
    return newLineEdit(new QLineEdit, name, designText, typingLimit);
}

// An editable drop-down combo: any text can be typed or set; Enter adds nothing to
// its list and no inline completion changes what was typed.
QComboBox *newCombo(const QString &name, int typingLimit)
{
    auto *combo = new QComboBox;
    combo->setObjectName(name);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCompleter(nullptr);
    combo->setEditText(QString());
    if (typingLimit > 0)
        TypingLengthValidator::install(combo->lineEdit(), typingLimit);
    return combo;
}

QRadioButton *newOption(const QString &name, const QString &caption, QButtonGroup *group, int index)
{
    auto *button = new QRadioButton(caption);
    button->setObjectName(name);
    group->addButton(button, index);
    return button;
}

// An exclusive group of option buttons, one for each caption, named "<name>(index)".
template<std::size_t N>
void newOptionGroup(QWidget *frame, const char *name, QRadioButton *(&buttons)[N],
                    const QStringList &captions)
{
    auto *group = new QButtonGroup(frame);
    for (int i = 0; i < int(N); ++i)
        buttons[i] = newOption(arrayName(name, i), captions.value(i), group, i);
}

QLabel *newCaption(const QString &text, QWidget *buddy = nullptr)
{
    auto *label = new QLabel(text);
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() * 0.9);
    label->setFont(font);
    if (buddy)
        label->setBuddy(buddy);
    return label;
}

QGroupBox *newFrame(const QString &caption)
{
    auto *frame = new QGroupBox(caption);
    QFont font = frame->font();
    font.setBold(true);
    frame->setFont(font);
    return frame;
}

// Children of a bold frame get a normal weight back (keeping their size); only the
// captions of the frames are bold.
void normalFontInside(QGroupBox *frame)
{
    for (QWidget *child : frame->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (qobject_cast<QGroupBox *>(child))
            continue;
        QFont font = child->font();
        font.setBold(false);
        child->setFont(font);
    }
}

// A date box with its calendar button; the calendar writes the form's long date.
QHBoxLayout *withCalendar(QLineEdit *box)
{
    auto *row = new QHBoxLayout;
    row->setSpacing(2);
    row->addWidget(box, 1);
    row->addWidget(new CalendarButton(box, &Dates::longForm));
    return row;
}

template<class Layout>
Layout *compact(Layout *layout)
{
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setSpacing(3);
    return layout;
}

}  // namespace

FormScreen::FormScreen(QWidget *parent)
    : QFrame(parent)
    , m_clock(&systemClock)
{
    setObjectName(QStringLiteral("Panel3D1"));
    setFrameShape(QFrame::StyledPanel);

    m_front = new QWidget(this);
    m_front->setObjectName(QStringLiteral("frontPage"));
    QSizePolicy keepSpace = m_front->sizePolicy();
    keepSpace.setRetainSizeWhenHidden(true);
    m_front->setSizePolicy(keepSpace);

    auto *top = new QHBoxLayout;
    top->addWidget(buildAircraft(), 5);
    top->addWidget(buildOwner(), 6);
    auto *work = new QHBoxLayout;
    work->addWidget(buildType());
    work->addWidget(buildUnit(), 1);

    auto *rows = new QVBoxLayout(m_front);
    rows->setContentsMargins(4, 4, 4, 4);
    rows->setSpacing(4);
    // Spare height goes between the items, like the spacing of the paper form.
    rows->addLayout(top);
    rows->addStretch(1);
    rows->addLayout(work);
    rows->addStretch(1);
    rows->addWidget(buildConformity());
    rows->addStretch(1);
    rows->addWidget(buildApproval());
    rows->addStretch(2);

    auto *panel = new QVBoxLayout(this);
    panel->setContentsMargins(0, 0, 0, 0);
    panel->addWidget(m_front);

    buildBackPage();
    setTabOrderItemByItem();
    connectEntryAids();

    // The text boxes of the form's field table, found once by name: showing, saving and
    // printing reach them from here without searching the screen each time.
    for (const FormFields::Field &field : FormFields::all()) {
        m_fieldBoxes.push_back(findChild<QWidget *>(QLatin1String(field.control)));
        Q_ASSERT_X(m_fieldBoxes.back(), "FormScreen", field.control);
        nameForAssistiveTools(m_fieldBoxes.back(), QString::fromUtf8(field.label));
    }
    nameForAssistiveTools(List1, tr("Kind of unit"));
    // The back page lies outside the items' frames.
    Text18->setAccessibleName(tr("Item 8, %1").arg(Text18->accessibleName()));
    Combo13->setAccessibleName(tr("Item 8, title of a stored description"));
}

// A screen reader says the item and the box: "Item 2, Owner's city & state"; the
// description is the item's caption as printed on the form.
void FormScreen::nameForAssistiveTools(QWidget *box, const QString &label)
{
    for (QWidget *parent = box->parentWidget(); parent && parent != this;
         parent = parent->parentWidget()) {
        const auto *item = qobject_cast<QGroupBox *>(parent);
        const QString title = item ? item->title() : QString();
        if (title.isEmpty() || !title.front().isDigit())
            continue;
        box->setAccessibleName(tr("Item %1, %2").arg(title.section(u'.', 0, 0), label));
        box->setAccessibleDescription(title);
        return;
    }
    box->setAccessibleName(label);
}

QGroupBox *FormScreen::buildAircraft()
{
    auto *frame = newFrame(tr("1. Aircraft"));
    Combo1[0] = newCombo(arrayName("Combo1", 0), RegNumLength);
    Combo1[1] = newCombo(arrayName("Combo1", 1), MakeModelLength);
    Combo1[2] = newCombo(arrayName("Combo1", 2), MakeModelLength);
    Text1[0] = newLineEdit(arrayName("Text1", 0), {}, SerialSeriesLength);
    Text1[1] = newLineEdit(arrayName("Text1", 1), {}, SerialSeriesLength);

    auto *grid = compact(new QGridLayout(frame));
    grid->setHorizontalSpacing(8);
    grid->addWidget(newCaption(tr("Nationality and Registration Mark"), Combo1[0]), 0, 0);
    grid->addWidget(newCaption(tr("Make"), Combo1[1]), 0, 1);
    grid->addWidget(newCaption(tr("Model"), Combo1[2]), 0, 2);
    grid->addWidget(Combo1[0], 1, 0);
    grid->addWidget(Combo1[1], 1, 1);
    grid->addWidget(Combo1[2], 1, 2);
    grid->addWidget(newCaption(tr("Serial No."), Text1[0]), 2, 0);
    grid->addWidget(newCaption(tr("Series"), Text1[1]), 2, 1);
    grid->addWidget(Text1[0], 3, 0);
    grid->addWidget(Text1[1], 3, 1);
    for (int column = 0; column < 3; ++column)
        grid->setColumnStretch(column, 1);
    normalFontInside(frame);
    return frame;
}

QGroupBox *FormScreen::buildOwner()
{
    auto *frame = newFrame(tr("2. Owner"));
    auto *name = new MultiLineBox(2);
    name->setObjectName(arrayName("Text2", 0));
    name->setTypingLimit(OwnerNameLength);
    Text2[0] = name;
    const QString placeholders[]
        = {FormTexts::Address, FormTexts::CityState, FormTexts::ZipCountry};
    for (int i = 1; i < 4; ++i)
        Text2[i] = newLineEdit(arrayName("Text2", i), placeholders[i - 1], AddressLineLength);

    auto *grid = compact(new QGridLayout(frame));
    grid->addWidget(newCaption(tr("Name (as shown on registration certificate)"), name), 0, 0);
    grid->addWidget(name, 1, 0, 2, 1, Qt::AlignTop);
    grid->addWidget(newCaption(tr("Address (as shown on registration certificate)"), Text2[1]), 0,
                    1);
    for (int i = 1; i < 4; ++i)
        grid->addWidget(Text2[i], i, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    normalFontInside(frame);
    return frame;
}

QGroupBox *FormScreen::buildType()
{
    auto *frame = newFrame(tr("4. Type"));
    newOptionGroup(frame, "Option1", Option1, {tr("Repair"), tr("Alteration")});
    auto *column = compact(new QVBoxLayout(frame));
    column->addWidget(Option1[0]);
    column->addWidget(Option1[1]);
    column->addStretch(1);
    normalFontInside(frame);
    return frame;
}

QGroupBox *FormScreen::buildUnit()
{
    auto *frame = newFrame(tr("5. Unit"));
    List1 = new QListWidget;
    List1->setObjectName(QStringLiteral("List1"));
    List1->addItems(
        {FormTexts::Airframe, FormTexts::Powerplant, FormTexts::Propeller, FormTexts::Appliance});
    List1->setSelectionMode(QAbstractItemView::SingleSelection);
    List1->setCurrentRow(-1);
    List1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    List1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    List1->setFixedSize(List1->sizeHintForColumn(0) + 2 * List1->frameWidth() + 16,
                        4 * List1->sizeHintForRow(0) + 2 * List1->frameWidth() + 2);

    Text4[0] = newLineEdit(arrayName("Text4", 0), FormTexts::DashLine, UnitLength);
    Text4[1] = newLineEdit(arrayName("Text4", 1), FormTexts::DashLine, UnitLength);
    Label10 = newCaption(tr("Manufacturer"), Text4[1]);
    Label10->setObjectName(QStringLiteral("Label10"));
    Text5 = newLineEdit(new CapitalsLineEdit, QStringLiteral("Text5"), FormTexts::AsDescribed,
                        UnitLength);
    Text6 = newLineEdit(QStringLiteral("Text6"), QString(34, QLatin1Char('-')), UnitLength);
    for (QLineEdit *box : std::initializer_list<QLineEdit *>{Text4[0], Text4[1], Text5, Text6})
        box->setMinimumWidth(widthForChars(box, 38));
    // The manufacturer box keeps its room while hidden, so item 5 does not jump.
    for (QWidget *appliance : std::initializer_list<QWidget *>{Text4[1], Label10}) {
        QSizePolicy policy = appliance->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        appliance->setSizePolicy(policy);
        appliance->hide();
    }

    auto *makeFrame = newFrame(tr("Make"));
    auto *makeColumn = compact(new QVBoxLayout(makeFrame));
    makeColumn->addWidget(Text4[0]);
    makeColumn->addWidget(Label10);
    makeColumn->addWidget(Text4[1]);
    makeColumn->addStretch(1);
    normalFontInside(makeFrame);

    auto *modelFrame = newFrame(tr("Model"));
    auto *modelColumn = compact(new QVBoxLayout(modelFrame));
    modelColumn->addWidget(Text5);
    modelColumn->addStretch(1);
    normalFontInside(modelFrame);

    auto *serialFrame = newFrame(tr("Serial No."));
    auto *serialColumn = compact(new QVBoxLayout(serialFrame));
    serialColumn->addWidget(Text6);
    serialColumn->addStretch(1);
    normalFontInside(serialFrame);

    auto *row = compact(new QHBoxLayout(frame));
    row->addWidget(List1, 0, Qt::AlignTop);
    row->addWidget(makeFrame, 1);
    row->addWidget(modelFrame, 1);
    row->addWidget(serialFrame, 1);
    normalFontInside(frame);
    return frame;
}

QGroupBox *FormScreen::buildConformity()
{
    auto *frame = newFrame(tr("6. Conformity Statement"));
    const QString agencyDesign[]
        = {FormTexts::Name, FormTexts::Address, FormTexts::CityState, FormTexts::ZipCountry};
    for (int i = 0; i < 4; ++i)
        Text7[i] = newLineEdit(arrayName("Text7", i), agencyDesign[i], AddressLineLength);
    Text7[4] = newLineEdit(arrayName("Text7", 4), {}, CertificateLength);

    newOptionGroup(frame, "Option2", Option2,
                   {tr("U.S. Certificated Mechanic"), tr("Foreign Certificated Mechanic"),
                    tr("Certificated Repair Station"), tr("Certificated Maintenance Organization"),
                    tr("Manufacturer")});

    Check2 = new QCheckBox(tr("Extended range fuel per 14 CFR Part 43 App. B"));
    Check2->setObjectName(QStringLiteral("Check2"));
    Combo3 = newCombo(QStringLiteral("Combo3"), SignerLength);
    Text16 = newLineEdit(QStringLiteral("Text16"));

    auto *agency = new QVBoxLayout;
    agency->setSpacing(2);
    agency->addWidget(newCaption(tr("A. Agency Name and Address"), Text7[0]));
    for (int i = 0; i < 4; ++i)
        agency->addWidget(Text7[i]);
    agency->addStretch(1);

    auto *kind = new QVBoxLayout;
    kind->setSpacing(0);
    kind->addWidget(newCaption(tr("B. Kind of Agency")));
    for (QRadioButton *option : Option2)
        kind->addWidget(option);
    kind->addStretch(1);

    auto *certificate = new QVBoxLayout;
    certificate->setSpacing(2);
    certificate->addWidget(newCaption(tr("C. Certificate No."), Text7[4]));
    certificate->addWidget(Text7[4]);
    certificate->addSpacing(6);
    certificate->addWidget(Check2);
    certificate->addStretch(1);

    auto *signature = new QGridLayout;
    signature->setSpacing(2);
    signature->addWidget(newCaption(tr("Signature of Authorized Individual"), Combo3), 0, 0);
    signature->addWidget(Combo3, 1, 0);
    signature->addWidget(newCaption(tr("Date"), Text16), 2, 0);
    signature->addLayout(withCalendar(Text16), 3, 0);
    signature->setRowStretch(4, 1);

    auto *row = compact(new QHBoxLayout(frame));
    row->setSpacing(12);
    row->addLayout(agency, 4);
    row->addLayout(kind, 3);
    row->addLayout(certificate, 3);
    row->addLayout(signature, 3);
    normalFontInside(frame);
    return frame;
}

QGroupBox *FormScreen::buildApproval()
{
    auto *frame = newFrame(tr("7. Approval for Return to Service"));
    newOptionGroup(frame, "Option5", Option5, {tr("Approved"), tr("Rejected")});

    newOptionGroup(frame, "Option6", Option6,
                   {tr("FAA Flt. Standards Inspector"), tr("Manufacturer"),
                    tr("Maintenance Organization"),
                    tr("Persons Approved by Canadian Department of Transportation"),
                    tr("FAA Designee"), tr("Repair Station"), tr("Inspection Authorization")});
    Text3 = newLineEdit(QStringLiteral("Text3"));
    Text13 = newLineEdit(QStringLiteral("Text13"), {}, CertificateLength);
    Combo5 = newCombo(QStringLiteral("Combo5"), SignerLength);
    Text17 = newLineEdit(QStringLiteral("Text17"));
    txtFaaSentDate = newLineEdit(QStringLiteral("txtFaaSentDate"));
    txtFaaTracking = newLineEdit(QStringLiteral("txtFaaTracking"), {}, FaaTrackingLength);

    auto *verdict = new QVBoxLayout;
    verdict->setSpacing(0);
    verdict->addWidget(Option5[0]);
    verdict->addWidget(Option5[1]);
    verdict->addStretch(1);

    // "BY" options in paper order, down the first column and on down the second.
    auto *byGrid = new QGridLayout;
    byGrid->setVerticalSpacing(0);
    byGrid->addWidget(newCaption(tr("BY")), 0, 0);
    for (int i = 0; i < 7; ++i)
        byGrid->addWidget(Option6[i], 1 + i % 4, i / 4);
    auto *other = new QHBoxLayout;
    other->addWidget(newCaption(tr("Other (Specify)"), Text3));
    other->addWidget(Text3, 1);
    byGrid->addLayout(other, 4, 1);

    auto *signer = new QGridLayout;
    signer->setSpacing(2);
    signer->addWidget(newCaption(tr("Certificate or Designation No."), Text13), 0, 0);
    signer->addWidget(Text13, 1, 0);
    signer->addWidget(newCaption(tr("Date"), Text17), 0, 1);
    signer->addLayout(withCalendar(Text17), 1, 1);
    signer->addWidget(newCaption(tr("Signature of Authorized Individual"), Combo5), 2, 0, 1, 2);
    signer->addWidget(Combo5, 3, 0, 1, 2);
    // The FAA's copy must be mailed within 48 hours of approval; its record lives here.
    signer->addWidget(newCaption(tr("FAA copy sent"), txtFaaSentDate), 4, 0);
    signer->addWidget(newCaption(tr("Tracking"), txtFaaTracking), 4, 1);
    signer->addWidget(txtFaaSentDate, 5, 0);
    signer->addWidget(txtFaaTracking, 5, 1);
    signer->setRowStretch(6, 1);

    auto *row = compact(new QHBoxLayout(frame));
    row->setSpacing(12);
    row->addLayout(verdict);
    row->addLayout(byGrid, 3);
    row->addLayout(signer, 2);
    normalFontInside(frame);
    return frame;
}

void FormScreen::buildBackPage()
{
    Combo13 = newCombo(QStringLiteral("Combo13"), 0);
    Combo13->setParent(this);
    auto *description = new MultiLineBox(20, this);
    description->setTypingLimit(DescriptionLength);
    description->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    Text18 = description;
    Text18->setObjectName(QStringLiteral("Text18"));
    Text18->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text18->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Text18->setTabChangesFocus(true);
    Combo13->hide();
    Text18->hide();
}

void FormScreen::setTabOrderItemByItem()
{
    QList<QWidget *> chain{Combo1[0], Combo1[1], Combo1[2], Text1[0], Text1[1]};
    chain << Text2[0] << Text2[1] << Text2[2] << Text2[3];
    chain << Option1[0] << Option1[1] << List1 << Text4[0] << Text4[1] << Text5 << Text6;
    chain << Text7[0] << Text7[1] << Text7[2] << Text7[3];
    for (QRadioButton *option : Option2)
        chain << option;
    chain << Text7[4] << Check2 << Combo3 << Text16 << Option5[0] << Option5[1];
    for (QRadioButton *option : Option6)
        chain << option;
    chain << Text3 << Text13 << Text17 << Combo5 << txtFaaSentDate << txtFaaTracking << Combo13
          << Text18;
    for (qsizetype i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);
}

void FormScreen::connectEntryAids()
{
    connect(List1, &QListWidget::currentRowChanged, this, &FormScreen::List1_Click);
    for (int i = 0; i < 3; ++i) {
        connect(Combo1[i]->lineEdit(), &QLineEdit::textEdited, this,
                [this, i] { Combo1_Change(i); });
        connect(Combo1[i], &QComboBox::activated, this, [this, i] { emit Combo1_Click(i); });
    }
    connect(Combo3, &QComboBox::activated, this, &FormScreen::Combo3_Click);
    connect(Combo5, &QComboBox::activated, this, &FormScreen::Combo5_Click);
    connect(Text5, &QLineEdit::returnPressed, Text6,
            [this] { Text6->setFocus(Qt::TabFocusReason); });
    Text16->installEventFilter(this);
    Text17->installEventFilter(this);
}

void FormScreen::setClock(const Clock *clock)
{
    m_clock = clock ? clock : &systemClock;
}

void FormScreen::setApprovalNumbers(std::function<QString(int)> numberAt)
{
    m_approvalNumberAt = std::move(numberAt);
}

void FormScreen::setApprovalNumbers(const QStringList *numbers)
{
    if (!numbers) {
        m_approvalNumberAt = nullptr;
        return;
    }
    m_approvalNumberAt = [numbers](int position) {
        return numbers->value(position);
    };
}

QString FormScreen::today() const
{
    return Dates::longForm(m_clock->today());
}

void FormScreen::List1_Click()
{
    // A handler connected to the boxes may change the unit kind again while its layout
    // is applied: finish this one, then apply the kind now selected.
    if (m_inList1Click) {
        m_list1ChangedMeanwhile = true;
        return;
    }
    m_inList1Click = true;
    do {
        m_list1ChangedMeanwhile = false;
        applyUnitKind();
    } while (m_list1ChangedMeanwhile);
    m_inList1Click = false;
}

void FormScreen::applyUnitKind()
{
    const QListWidgetItem *selected = List1->currentItem();
    if (!selected)
        return;
    const QString kind = selected->text();
    QLineEdit *unitBoxes[] = {Text4[0], Text5, Text6};
    if (kind == FormTexts::Airframe) {
        Text4[1]->hide();
        Label10->hide();
        Text4[0]->setText(FormTexts::DashLine);
        Text6->setText(FormTexts::DashLine);
        Text5->setText(FormTexts::AsDescribed);
        for (QLineEdit *box : unitBoxes)
            box->setEnabled(false);
        Text7[0]->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (kind != FormTexts::Powerplant && kind != FormTexts::Propeller
        && kind != FormTexts::Appliance)
        return;
    const bool appliance = kind == FormTexts::Appliance;
    Text4[1]->setVisible(appliance);
    Label10->setVisible(appliance);
    if (appliance)
        Text4[1]->clear();
    for (QLineEdit *box : unitBoxes) {
        box->clear();
        box->setEnabled(true);
    }
    Text4[0]->setFocus(Qt::OtherFocusReason);
}

void FormScreen::Combo1_Change(int)
{
    if (!Combo1[0]->currentText().isEmpty())
        emit registrationMarkTyped();
}

void FormScreen::Combo3_Click()
{
    Text16->setText(today());
}

void FormScreen::Combo5_Click()
{
    const int position = Combo5->currentIndex();
    Text13->setText(m_approvalNumberAt && position >= 0 ? m_approvalNumberAt(position) : QString());
    Text17->setText(today());
}

void FormScreen::Text16_DblClick()
{
    Text16->setText(today());
}

void FormScreen::Text17_DblClick()
{
    Text17->setText(today());
}

bool FormScreen::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonDblClick) {
        if (watched == Text16) {
            Text16_DblClick();
            return true;
        }
        if (watched == Text17) {
            Text17_DblClick();
            return true;
        }
    }
    return QFrame::eventFilter(watched, event);
}

void FormScreen::setBackPageShown(bool shown)
{
    // The hidden front page keeps its room only while it is shown: the description then
    // takes the width of the window, however narrow, instead of the front page's.
    QSizePolicy policy = m_front->sizePolicy();
    policy.setRetainSizeWhenHidden(!shown);
    m_front->setSizePolicy(policy);
    m_front->setVisible(!shown);
    if (shown) {
        layoutBackPage();
        Combo13->raise();
        Text18->raise();
    }
    Combo13->setVisible(shown);
    Text18->setVisible(shown);
}

bool FormScreen::isBackPageShown() const
{
    return !Text18->isHidden();
}

void FormScreen::layoutBackPage()
{
    const int titleHeight = Combo13->sizeHint().height();
    Combo13->setGeometry(0, 0, width(), titleHeight);
    Text18->setGeometry(0, titleHeight, width(), std::max(0, height() - titleHeight));
}

void FormScreen::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    layoutBackPage();
}

QWidget *FormScreen::box(const FormFields::Field &field) const
{
    return m_fieldBoxes.at(&field - FormFields::all().data());
}

int FormScreen::selectedIndex(std::span<QRadioButton *const> group)
{
    for (size_t i = 0; i < group.size(); ++i)
        if (group[i]->isChecked())
            return int(i);
    return -1;
}

bool FormScreen::selectOption(std::span<QRadioButton *const> group, int index)
{
    if (index < 0 || size_t(index) >= group.size())
        return false;
    group[size_t(index)]->setChecked(true);
    return true;
}

void FormScreen::clearOptions(std::span<QRadioButton *const> group)
{
    if (group.empty())
        return;
    // An exclusive group keeps one button checked; lift the exclusivity while clearing.
    QButtonGroup *buttons = group.front()->group();
    const bool exclusive = buttons && buttons->exclusive();
    if (buttons)
        buttons->setExclusive(false);
    for (QRadioButton *button : group)
        button->setChecked(false);
    if (buttons)
        buttons->setExclusive(exclusive);
}
