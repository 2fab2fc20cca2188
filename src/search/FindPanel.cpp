#include "search/FindPanel.h"

#include "ui/ButtonShortcut.h"
#include "ui/RaisedPanel.h"

#include "search/SearchBoxes.h"
#include "ui/TypingLengthValidator.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QPushButton *panelButton(QWidget *parent, const char *name, const QString &caption)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setMinimumHeight(30);
    return button;
}

}  // namespace

FindPanel::FindPanel(QWidget *parent)
    : QFrame(parent)
{
    makeRaisedPanel(this, QStringLiteral("Panel3D3"), 3);
    // A tinted, framed panel, so that it stands apart from the form screen it lies on.
    setStyleSheet(QStringLiteral(
        "#Panel3D3 { background: #dde6f0; border: 2px solid #1f3a5f; border-radius: 4px; }"));

    auto *title = new QLabel(tr("Find Match"), this);
    title->setObjectName(QStringLiteral("findTitle"));
    QFont titleFont = title->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.5);
    title->setFont(titleFont);
    title->setAlignment(Qt::AlignCenter);

    auto *instruction
        = new QLabel(tr("Enter the value you wish to match in the appropriate section(s). "
                        "Begin by clicking Find First or Find Last."),
                     this);
    instruction->setObjectName(QStringLiteral("findInstruction"));
    instruction->setWordWrap(true);
    instruction->setAlignment(Qt::AlignCenter);

    // Two columns of labelled boxes: the aircraft and owner on the left, where
    // and by whom on the right; the tab order follows the search order.
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(6);
    const int leftRows = 6;
    for (size_t i = 0; i < kSearchBoxes.size(); ++i) {
        const SearchBox &boxInfo = kSearchBoxes[i];
        auto *box = new QLineEdit(this);
        box->setObjectName(QString::fromLatin1(boxInfo.name));
        // Only typed text goes into these boxes, so the limit never cuts a stored value.
        if (boxInfo.maxLength > 0) {
            // The validator limits typing and cuts a paste between characters; a box's own
            // maximum length would cut first, through a character.
            TypingLengthValidator::install(box, boxInfo.maxLength);
        }
        auto *label = new QLabel(QCoreApplication::translate("FindPanel", boxInfo.label), this);
        label->setBuddy(box);
        const int row = int(i) < leftRows ? int(i) : int(i) - leftRows;
        const int column = int(i) < leftRows ? 0 : 2;
        grid->addWidget(label, row, column, Qt::AlignRight);
        grid->addWidget(box, row, column + 1);
        m_boxes << box;
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    Text36 = m_boxes[0];
    Text35 = m_boxes[1];
    Text28 = m_boxes[2];
    Text27 = m_boxes[3];
    Text34 = m_boxes[4];
    Text32 = m_boxes[5];
    Text30 = m_boxes[6];
    Text33 = m_boxes[7];
    Text31 = m_boxes[8];
    Text29 = m_boxes[9];
    Text37 = m_boxes[10];

    Command3D7 = panelButton(this, "Command3D7", tr("Find First"));
    Command3D9 = panelButton(this, "Command3D9", tr("Find Last"));
    Command3D10 = panelButton(this, "Command3D10", tr("Show All Records"));
    // The captions are the panel's fixed texts; their access keys are named in tooltips.
    giveShortcut(Command3D7, tr("Find the first matching form"), QKeySequence(Qt::ALT | Qt::Key_F));
    giveShortcut(Command3D9, tr("Find the last matching form"), QKeySequence(Qt::ALT | Qt::Key_L));
    giveShortcut(Command3D10, tr("Clear the boxes and show every form"),
                 QKeySequence(Qt::ALT | Qt::Key_A));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton *b : {Command3D7, Command3D9, Command3D10})
        buttons->addWidget(b);
    buttons->addStretch();

    QList<QWidget *> chain(m_boxes.begin(), m_boxes.end());
    chain << Command3D7 << Command3D9 << Command3D10;
    for (qsizetype i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 10, 16, 12);
    layout->setSpacing(8);
    layout->addWidget(title);
    layout->addWidget(instruction);
    layout->addLayout(grid);
    layout->addSpacing(4);
    layout->addLayout(buttons);

    setMinimumWidth(720);
    resize(sizeHint().expandedTo(minimumSize()));
}

QStringList FindPanel::boxTexts() const
{
    QStringList texts;
    for (const QLineEdit *box : m_boxes)
        texts << box->text();
    return texts;
}

void FindPanel::clearBoxes()
{
    for (QLineEdit *box : m_boxes)
        box->clear();
}
