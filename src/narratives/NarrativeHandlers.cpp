#include "narratives/NarrativeHandlers.h"

#include "data/Criterion.h"
#include "data/DbError.h"
#include "data/Recordset.h"
#include "form/FormScreen.h"
#include "narratives/TitleBoxEvents.h"
#include "ui/ButtonBar.h"
#include "ui/ControlText.h"
#include "ui/MessageService.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>

const QString NarrativeHandlers::kPromptEmptyLibrary
    = QStringLiteral("Enter a title on this line for a NEW narrative.");
const QString NarrativeHandlers::kPromptPickOrType = QStringLiteral(
    "Enter a title on this line for a NEW narrative or select from pull-down list.");

namespace {

const QString kTitle = QStringLiteral("Title");
const QString kDescription = QStringLiteral("Description");

// A Like pattern that matches the text itself: every character the pattern language
// treats specially stands alone in a set of one.
QString literalPattern(const QString &text)
{
    QString pattern;
    for (QChar c : text) {
        if (c == u'*' || c == u'?' || c == u'#' || c == u'[')
            pattern += QLatin1Char('[') + c + QLatin1Char(']');
        else
            pattern += c;
    }
    return pattern;
}

// Stored texts may break lines with CR/LF; the description box holds "\n" only.
QString asShown(const QString &stored)
{
    QString text = stored;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

// Neither prompt text is ever taken for a title, nor an empty or blank one.
bool isStorableTitle(const QString &title)
{
    return !title.startsWith(QLatin1String("Enter a title"))
           && QString::compare(title, QLatin1String(" ")) > 0;
}

}  // namespace

NarrativeHandlers::NarrativeHandlers(const NarrativeParts &parts)
    : w(parts)
{
    QComboBox *titleBox = w.Panel3D1->Combo13;
    QObject::connect(w.SSCommand3, &QPushButton::clicked, w.SSCommand3,
                     [this] { SSCommand3_Click(); });
    // Every pick by the user, also of the entry already selected; code that selects
    // an entry runs Combo13_Click itself.
    QObject::connect(titleBox, &QComboBox::activated, titleBox, [this] { Combo13_Click(); });
    QObject::connect(titleBox->lineEdit(), &QLineEdit::textEdited, titleBox,
                     [this] { m_titleChanged = true; });
    m_titleBoxEvents = std::make_unique<TitleBoxEvents>(
        titleBox, [this](int key) { return Combo13_KeyPress(key); },
        [this] { Combo13_LostFocus(); });
}

NarrativeHandlers::~NarrativeHandlers() = default;

void NarrativeHandlers::SSCommand3_Click()
{
    if (w.Panel3D1->isBackPageShown())
        closeBackPage();
    else
        openBackPage();
}

void NarrativeHandlers::openBackPage()
{
    FormScreen *screen = w.Panel3D1;
    w.buttonBar.apply(ButtonBar::Event::DescriptionPageShown);
    // No stored description to show: the box stays as it is.
    skipFailingStep([&] {
        if (w.Data1.hasCurrent() && controlText(screen->Text18).isEmpty()) {
            const QVariant back = w.Data1.field(QStringLiteral("Back"));
            if (!back.isNull() && !back.toString().isEmpty())
                setControlText(screen->Text18, back.toString());
        }
    });
    w.SSCommand3->setText(QObject::tr("Front"));
    screen->setBackPageShown(true);
    if (screen->Combo13->currentIndex() == -1)
        rebuildTitleList();
}

void NarrativeHandlers::rebuildTitleList()
{
    QComboBox *titleBox = w.Panel3D1->Combo13;
    const QString description = controlText(w.Panel3D1->Text18);
    QStringList titles;
    QString prompt = kPromptEmptyLibrary;
    bool described = false;
    QString describingTitle;
    // An unreadable library lists nothing.
    skipFailingStep([&] {
        w.Data9.refresh();
        if (!w.Data9.isEmpty()) {
            prompt = kPromptPickOrType;
            for (w.Data9.moveFirst(); !w.Data9.eof(); w.Data9.moveNext()) {
                const QVariant title = w.Data9.field(kTitle);
                if (!title.isNull() && !title.toString().isEmpty())
                    titles << title.toString().left(kListedTitleLength);
                // The first narrative that reads exactly like the description names it.
                const QVariant text = w.Data9.field(kDescription);
                if (!described && !text.isNull() && asShown(text.toString()) == description) {
                    described = true;
                    describingTitle = title.toString();
                }
            }
            w.Data9.moveFirst();
        }
    });

    const QSignalBlocker quiet(titleBox);
    titleBox->clear();
    titleBox->addItems(titles);
    titleBox->setCurrentIndex(-1);
    titleBox->setEditText(described ? describingTitle : prompt);
    m_libraryEntries = int(titles.size());
}

void NarrativeHandlers::Combo13_Click()
{
    QComboBox *titleBox = w.Panel3D1->Combo13;
    const int index = titleBox->currentIndex();
    if (index < 0)
        return;
    // Nothing found: the description stays as it is.
    skipFailingStep([&] {
        ensureLibraryOpen();
        if (!findNarrative(titleBox->currentText(), index < m_libraryEntries))
            return;
        const QVariant text = w.Data9.field(kDescription);
        setControlText(w.Panel3D1->Text18, text.isNull() ? QString() : text.toString());
    });
}

bool NarrativeHandlers::findNarrative(const QString &title, bool listedFromLibrary)
{
    w.Data9.findFirst(Criterion::equals(kTitle, title));
    if (!w.Data9.noMatch())
        return true;
    // The list shows long titles shortened: such an entry stands for the first
    // narrative whose title begins with it.
    if (!listedFromLibrary || title.size() != kListedTitleLength)
        return false;
    w.Data9.findFirst(Criterion::like(kTitle, literalPattern(title) + QLatin1Char('*')));
    return !w.Data9.noMatch();
}

bool NarrativeHandlers::Combo13_KeyPress(int key)
{
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    w.Panel3D1->Text18->setFocus();
    return true;
}

void NarrativeHandlers::Combo13_LostFocus()
{
    if (!m_titleChanged)
        return;
    QComboBox *titleBox = w.Panel3D1->Combo13;
    const QString title = titleBox->currentText();
    if (!isStorableTitle(title))
        return;
    // A typed title joins the list once; selecting it looks for a narrative of that title.
    int index = titleBox->findText(title, Qt::MatchFixedString | Qt::MatchCaseSensitive);
    if (index < 0) {
        addListItem(titleBox, title);
        index = titleBox->count() - 1;
    }
    titleBox->setCurrentIndex(index);
    Combo13_Click();
}

void NarrativeHandlers::closeBackPage()
{
    storeNewNarrative();
    if (!controlText(w.Panel3D1->Combo1[0]).isEmpty())
        w.buttonBar.apply(ButtonBar::Event::MarkPresent);
    // Hiding the title box while it has the focus is neither a new title nor a pick
    // (the combo box reports a typed text that matches an entry as picked).
    m_titleChanged = false;
    {
        const QSignalBlocker quiet(w.Panel3D1->Combo13);
        w.Panel3D1->setBackPageShown(false);
    }
    w.SSCommand3->setText(QObject::tr("Back"));
}

void NarrativeHandlers::storeNewNarrative()
{
    const QString title = w.Panel3D1->Combo13->currentText();
    const QString description = controlText(w.Panel3D1->Text18);
    if (!isStorableTitle(title) || !m_titleChanged
        || QString::compare(description, QLatin1String(" ")) <= 0)
        return;
    try {
        ensureLibraryOpen();
        w.Data9.addNew();
        w.Data9.setField(kTitle, title);
        w.Data9.setField(kDescription, description);
        w.Data9.update();
    } catch (const DbError &error) {
        skipFailingStep([&] { w.Data9.cancelUpdate(); });
        w.messages.tell(
            QObject::tr("The narrative \"%1\" could not be stored: %2").arg(title, error.message()),
            QObject::tr("Narrative not stored"), Msg::Icon::Exclamation);
    }
}

void NarrativeHandlers::ensureLibraryOpen()
{
    // The narratives are bound with the other data but opened only when first needed.
    if (!w.Data9.isOpen())
        w.Data9.refresh();
}
