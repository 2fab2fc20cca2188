#include "HostileInputTest.h"
#include "common/TestRegistry.h"

#include "../print/PrintTestSupport.h"
#include "app/AppContext.h"
#include "app/Form1.h"
#include "common/ScriptedMessages.h"
#include "common/TestWindow.h"
#include "data/Criterion.h"
#include "data/Schema.h"
#include "form/FormHandlers.h"
#include "form/FormScreen.h"
#include "form/FormTestSupport.h"
#include "narratives/NarrativeHandlers.h"
#include "print/PrintHandlers.h"
#include "search/FindPanel.h"
#include "search/SearchBoxes.h"
#include "search/SearchHandlers.h"
#include "ui/ControlText.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QtTest>

namespace {

struct Hostile
{
    const char *name;
    QString text;
};

QList<Hostile> hostileTexts()
{
    QString mixed;
    for (int i = 0; i < 10000; ++i)
        mixed += QChar(u"ab'\"*?#[%_\\ \u00e9\u05d0"[i % 14]);
    return {
        {"single quote", QStringLiteral("O'Brien's")},
        {"double quote", QStringLiteral("the \"Spirit\"")},
        {"star", QStringLiteral("*")},
        {"question mark", QStringLiteral("N?23")},
        {"hash", QStringLiteral("#1 Hangar")},
        {"bracket", QStringLiteral("[A-Z] [!x]")},
        {"percent and underscore", QStringLiteral("100%_done")},
        {"backslashes", QStringLiteral("C:\\temp\\\\x\\")},
        {"sql", QStringLiteral("'; DROP TABLE Form; --")},
        {"sql in double quotes", QStringLiteral("\" OR \"\"=\"")},
        {"10 000 characters", mixed},
        {"non-ASCII letters", QStringLiteral("Ålborg Straße Ünïcödé")},
        {"right to left", QStringLiteral("שלום עולם مرحبا")},
        {"emoji", QString::fromUtf8("\xE2\x9C\x88\xEF\xB8\x8F \xF0\x9F\x9B\xA9 Cub")},
        {"control characters", QStringLiteral("a\x01\x07\tb\x1b")},
        {"lone CR", QStringLiteral("line one\rline two")},
        {"lone LF", QStringLiteral("line one\nline two")},
    };
}

// The form screen's text boxes and the fields they are stored in (an appliance, so
// that every unit box is stored).
const QHash<QString, QString> &boxFields()
{
    static const QHash<QString, QString> fields{
        {"Combo1(0)", "RegNum"},
        {"Combo1(1)", "Make"},
        {"Combo1(2)", "Model"},
        {"Text1(0)", "Serial"},
        {"Text1(1)", "Rating1"},
        {"Text2(0)", "OwnerName"},
        {"Text2(1)", "OwnerAdd1"},
        {"Text2(2)", "OwnerAdd2"},
        {"Text2(3)", "OwnerName2"},
        {"Text4(0)", "AppDesc"},
        {"Text4(1)", "AppMake"},
        {"Text5", "AppModel"},
        {"Text6", "AppSerial"},
        {"Text7(0)", "AgencyName"},
        {"Text7(1)", "AgencyAdd1"},
        {"Text7(2)", "AgencyAdd2"},
        {"Text7(3)", "AgencyAdd3"},
        {"Text7(4)", "AgencyCert"},
        {"Combo3", "ApproveName"},
        {"Text13", "ApproveCert"},
        {"Combo5", "Signed"},
        {"Text18", "Back"},
        {"Text3", ""},  // "Other (Specify)" is printed, not stored
    };
    return fields;
}

// Every named text box of the screen: line edits, editable combo boxes and the
// description, the date boxes left out (they hold dates, not text).
QHash<QString, QWidget *> namedTextBoxes(FormScreen &screen)
{
    static const QRegularExpression controlName(QStringLiteral("^[A-Z][A-Za-z0-9]*(\\(\\d+\\))?$"));
    QHash<QString, QWidget *> boxes;
    for (QWidget *w : screen.findChildren<QWidget *>()) {
        const QString name = w->objectName();
        if (!controlName.match(name).hasMatch() || name == QLatin1String("Text16")
            || name == QLatin1String("Text17"))
            continue;
        auto *combo = qobject_cast<QComboBox *>(w);
        if (qobject_cast<QLineEdit *>(w) || qobject_cast<QPlainTextEdit *>(w)
            || (combo && combo->isEditable()))
            boxes.insert(name, w);
    }
    return boxes;
}

int columnLength(const QString &field)
{
    const FieldSpec *definition = Schema::formTable().field(field);
    return definition && definition->kind == FieldKind::Text ? definition->maxLength : 0;
}

// The text a user types in a find box to find this text exactly: the pattern
// characters in brackets, cut to what the box takes.
QString exactSearchText(const QString &text, int maxLength)
{
    QString out;
    for (QChar c : text) {
        const QString piece
            = QStringLiteral("*?#[").contains(c) ? QStringLiteral("[%1]").arg(c) : QString(c);
        if (maxLength > 0 && out.size() + piece.size() > maxLength)
            break;
        out += piece;
    }
    return out;
}

// The find box that searches this field by plain prefix (the state box, which looks
// after a comma, is left out).
const SearchBox *findBoxFor(const QString &field)
{
    for (const SearchBox &box : kSearchBoxes) {
        if (!QLatin1String(box.patternPrefix).isEmpty())
            continue;
        for (const char *f : box.fields) {
            if (f && QLatin1String(f) == field)
                return &box;
        }
    }
    return nullptr;
}

QString withoutBlanksAndBreaks(QString s)
{
    static const QRegularExpression blanks(QStringLiteral("[ \\r\\n]"));
    return s.remove(blanks);
}

// True when every character of part appears in whole, in order (headings of
// continuation sheets come between the lines of a long description).
bool isSubsequence(const QString &part, const QString &whole)
{
    qsizetype at = 0;
    for (QChar c : whole) {
        if (at < part.size() && part[at] == c)
            ++at;
    }
    return at == part.size();
}

struct Window
{
    TestWindow t;
    FontsWithout fonts;
    RecordingEnvironment printer{fonts};
    Form1 *w = nullptr;

    Window()
    {
        t.install();
        AppContext context;
        context.programFolder = t.folder;
        context.messages = &t.messages;
        context.clock = &t.clock;
        context.endProgram = [this] {
            ++t.endCalls;
        };
        context.printEnvironment = &printer;
        t.window = std::make_unique<Form1>(context);
        t.window->activate();
        w = t.window.get();
    }
};

}  // namespace

void HostileInputTest::everyFormBoxRoundTrips()
{
    Window win;
    Form1 &w = *win.w;
    FormScreen &s = *w.Panel3D1;
    const QHash<QString, QWidget *> boxes = namedTextBoxes(s);
    QStringList names = boxes.keys();
    names.sort();
    QStringList known = boxFields().keys();
    known.sort();
    // Combo13 (the narrative title) stores nothing in the form; the narratives test has it.
    names.removeAll(QStringLiteral("Combo13"));
    QVERIFY2(names == known,
             qPrintable(names.join(' ') + " / "
                        + known.join(' ')));  // a new box must be added to the table

    int tried = 0, stored = 0, refused = 0, searched = 0, printed = 0, serial = 0;
    for (const Hostile &hostile : hostileTexts()) {
        for (const QString &name : names) {
            const QString field = boxFields().value(name);
            const QString where
                = QStringLiteral("%1 in %2: ").arg(QLatin1String(hostile.name), name);
            ++tried;
            w.formHandlers().Command3D19_Click();
            w.NewFormFlag = 1;
            FormTest::fillSavableForm(s);
            s.List1->setCurrentRow(3);  // appliance: every unit box is stored
            setControlText(s.Text4[0], QStringLiteral("Radio"));
            setControlText(s.Text4[1], QStringLiteral("King"));
            setControlText(s.Text5, QStringLiteral("KX155"));
            setControlText(s.Text6, QStringLiteral("A-1"));
            const QString key = QStringLiteral("K%1").arg(++serial);
            setControlText(s.Text1[0], key);
            setControlText(boxes.value(name), hostile.text);
            // A multi-line box holds its line breaks as LF, whichever way they came.
            QString text = hostile.text;
            if (qobject_cast<QPlainTextEdit *>(boxes.value(name)))
                text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
            QVERIFY2(controlText(boxes.value(name)) == text,
                     qPrintable(where + "the box did not take the text"));

            const int before = FormTest::formCount(win.t);
            win.t.messages.clear();
            w.formHandlers().Command3D13_Click();
            const int limit = columnLength(field);
            if (limit > 0 && text.size() > limit) {
                QVERIFY2(win.t.messages.asked.size() == 1
                             && win.t.messages.lastText().startsWith(
                                 QStringLiteral("The following field entry is too long: ")),
                         qPrintable(where + win.t.messages.texts().join(" | ")));
                QCOMPARE(FormTest::formCount(win.t), before);
                ++refused;
                continue;
            }
            QVERIFY2(win.t.messages.asked.isEmpty(),
                     qPrintable(where + win.t.messages.texts().join(" | ")));
            QCOMPARE(FormTest::formCount(win.t), before + 1);
            if (field.isEmpty()) {
                win.t.messages.clear();
                w.printHandlers().PrintForm();
                QCOMPARE(win.printer.documents.size() % 2, 0);
                ++printed;
                continue;
            }
            const QString lookup = name == QLatin1String("Text1(0)") ? text : key;
            QCOMPARE(win.t
                         .value("Form337.mdb",
                                QStringLiteral("SELECT %1 FROM Form WHERE Serial = ?").arg(field),
                                {lookup})
                         .toString(),
                     text);
            ++stored;

            // Shown again from the stored record.
            w.formHandlers().Command3D19_Click();
            w.Data1.setTable(QStringLiteral("Form"));
            w.Data1.refresh();
            w.Data1.findFirst(Criterion::equals(QStringLiteral("Serial"), lookup));
            QVERIFY2(!w.Data1.noMatch(), qPrintable(where + "not found by its serial"));
            w.NewFormFlag = 0;
            w.ShowRecord();
            QVERIFY2(controlText(boxes.value(name)) == text,
                     qPrintable(where + "shown as " + controlText(boxes.value(name)).left(80)));

            // Printed: both sides, the description's every printable character on the back.
            win.printer.documents.clear();
            win.printer.sides.clear();
            win.t.messages.clear();
            w.printHandlers().PrintForm();
            QCOMPARE(win.printer.documents.size(), 2);
            if (name == QLatin1String("Text18")) {
                QString back;
                for (const PrintOp &op : textOps(*win.printer.documents.last()))
                    back += op.text;
                QVERIFY2(isSubsequence(withoutBlanksAndBreaks(text), withoutBlanksAndBreaks(back)),
                         qPrintable(where + "the description did not print whole"));
            }
            ++printed;

            // Found by an exact search in its find box.
            if (const SearchBox *findBox = findBoxFor(field)) {
                FindPanel *panel = w.Panel3D3;
                w.searchHandlers().Command3D27_Click();
                panel->clearBoxes();
                auto *box = panel->findChild<QLineEdit *>(QString::fromLatin1(findBox->name));
                QVERIFY(box);
                box->setText(exactSearchText(text, findBox->maxLength));
                win.t.messages.clear();
                w.searchHandlers().Command3D7_Click();
                QVERIFY2(win.t.messages.asked.isEmpty(),
                         qPrintable(where + win.t.messages.texts().join(" | ")));
                QVERIFY2(w.Data1.hasCurrent(), qPrintable(where + "the search found nothing"));
                bool found = false;
                for (w.Data1.moveFirst(); !w.Data1.eof() && !found; w.Data1.moveNext())
                    found = w.Data1.text(field) == text;
                QVERIFY2(found, qPrintable(where + "the search did not find the form"));
                panel->hide();
                ++searched;
            }
        }
    }
    qInfo("hostile strings x boxes tried: %d (stored and shown %d, refused as too long %d, printed "
          "%d, searched %d)",
          tried, stored, refused, printed, searched);
}

void HostileInputTest::narrativesRoundTrip()
{
    Window win;
    Form1 &w = *win.w;
    FormScreen &s = *w.Panel3D1;
    QComboBox *title = s.Combo13;
    int stored = 0, refused = 0;
    for (const Hostile &hostile : hostileTexts()) {
        const QString where = QStringLiteral("%1: ").arg(QLatin1String(hostile.name));
        const QString description = QStringLiteral("D: ") + hostile.text;
        // Typed on the back page under a new title, stored when the page is closed.
        win.t.messages.clear();
        w.narrativeHandlers().SSCommand3_Click();
        title->lineEdit()->setText(hostile.text);
        emit title->lineEdit()->textEdited(hostile.text);
        setControlText(s.Text18, description);
        w.narrativeHandlers().SSCommand3_Click();
        const FieldSpec *titleField = Schema::narrativesTable().field(QStringLiteral("Title"));
        if (hostile.text.size() > titleField->maxLength) {
            QVERIFY2(
                win.t.messages.asked.size() == 1
                    && win.t.messages.lastText().contains(QStringLiteral("could not be stored")),
                qPrintable(where + win.t.messages.texts().join(" | ")));
            ++refused;
            continue;
        }
        QVERIFY2(win.t.messages.asked.isEmpty(),
                 qPrintable(where + win.t.messages.texts().join(" | ")));
        QCOMPARE(win.t
                     .value("Form337.mdb", "SELECT Description FROM Narratives WHERE Title = ?",
                            {hostile.text})
                     .toString(),
                 QString(description).replace(u'\r', u'\n'));

        // Picked by its title on a new form.
        w.formHandlers().Command3D19_Click();
        setControlText(s.Text18, QString());
        title->setCurrentIndex(-1);  // the title list is rebuilt when nothing is picked
        w.narrativeHandlers().SSCommand3_Click();
        const int index = title->findText(hostile.text.left(NarrativeHandlers::kListedTitleLength),
                                          Qt::MatchFixedString | Qt::MatchCaseSensitive);
        QVERIFY2(index >= 0, qPrintable(where + "the title is not listed"));
        title->setCurrentIndex(index);
        w.narrativeHandlers().Combo13_Click();
        QVERIFY2(controlText(s.Text18) == QString(description).replace(u'\r', u'\n'),
                 qPrintable(where + "picked as " + controlText(s.Text18).left(80)));
        w.narrativeHandlers().SSCommand3_Click();
        ++stored;
    }
    qInfo("narratives: %d hostile titles stored and picked, %d refused as too long", stored,
          refused);
}

REGISTER_TEST(HostileInputTest)
