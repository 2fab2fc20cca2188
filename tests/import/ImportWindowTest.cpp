#include "ImportTestSupport.h"
#include "common/TestRegistry.h"

#include "access/SignInPanel.h"
#include "app/DataBinding.h"
#include "common/TestWindow.h"
#include "data/Database.h"
#include "form/FormScreen.h"
#include "import/ImportHandlers.h"
#include "print/BackPage.h"
#include "print/PrintTestSupport.h"
#include "setup/SetupPanel.h"
#include "ui/ControlText.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QtTest>

using namespace ImportTest;

namespace {

template<typename T>
T *control(Form1 &w, const char *name)
{
    T *c = w.findChild<T *>(QString::fromLatin1(name));
    if (!c)
        qFatal("no control %s", name);
    return c;
}

void click(Form1 &w, const char *name)
{
    QPushButton *b = control<QPushButton>(w, name);
    QVERIFY2(b->isEnabled(), name);
    b->click();
}

QStringList items(const QComboBox *combo)
{
    QStringList out;
    for (int i = 0; i < combo->count(); ++i)
        out << combo->itemText(i);
    return out;
}

// Opens the window like TestWindow::open, with the import's seams set before activation.
Form1 &openWithSeams(TestWindow &t, const std::function<void(ImportHandlers &)> &seams)
{
    AppContext context;
    context.programFolder = t.folder;
    context.messages = &t.messages;
    context.clock = &t.clock;
    context.endProgram = [&t] {
        ++t.endCalls;
    };
    context.printEnvironment = t.printEnvironment;
    t.window = std::make_unique<Form1>(context);
    seams(t.window->importHandlers());
    t.window->activate();
    return *t.window;
}

QString withoutSpace(QString text)
{
    text.remove(QRegularExpression(QStringLiteral("\\s")));
    return text;
}

}  // namespace

class ImportWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void importButtonBringsTheFormsIntoTheWindow()
    {
        QTemporaryDir old;
        QVERIFY(copyFixtures(old.path()));
        const auto oldBefore = folderChecksums(old.path());
        TestWindow t;
        const SystemFontCheck fonts;
        RecordingEnvironment printer(fonts);
        t.printEnvironment = &printer;
        Form1 &w = t.open();
        QList<ImportSummary> shown;
        QStringList asked;
        w.importHandlers().chooseFolder = [&](QWidget *, const QString &caption, const QString &) {
            asked << caption;
            return old.path();
        };
        w.importHandlers().showSummary = [&](QWidget *, const ImportSummary &s) {
            shown << s;
        };

        // Sign in, open the set-up panel and import.
        setControlText(control<QLineEdit>(w, "Text44"), QStringLiteral("kxqd2718"));
        click(w, "SSCommand2");
        click(w, "Command3D18");
        QVERIFY(!w.Panel3D7->isHidden());
        QCOMPARE(w.Panel3D7->cmdImportAccess->text(), QStringLiteral("Import Access data..."));
        click(w, "cmdImportAccess");
        QCOMPARE(asked.size(), 1);
        QCOMPARE(shown.size(), 1);
        QVERIFY2(shown.first().complete(), qPrintable(shown.first().text()));
        QVERIFY2(t.messages.asked.isEmpty(), qPrintable(t.messages.lastText()));
        QCOMPARE(folderChecksums(old.path()), oldBefore);

        // The lists hold the fixture's registration marks and inspectors at once.
        const CsvTable forms
            = mdbExport(old.path() + QStringLiteral("/Form337.mdb"), QStringLiteral("Form"));
        QSet<QString> marks;
        for (const auto &row : forms.rows)
            marks.insert(row[forms.column(QStringLiteral("RegNum"))].text);
        QVERIFY(!marks.isEmpty());
        const QStringList listed = items(w.Panel3D1->Combo1[0]);
        QCOMPARE(QSet<QString>(listed.begin(), listed.end()), marks);
        const QStringList signIn = items(w.SSPanel1->Combo4);
        QCOMPARE(QSet<QString>(signIn.begin(), signIn.end()),
                 fixtureDistinct(QStringLiteral("FAAForm337A.mdb"), QStringLiteral("Agents"),
                                 QStringLiteral("Name")));
        const QString copies = fixtureColumn(QStringLiteral("FAAForm337A.mdb"),
                                             QStringLiteral("Defaults"), QStringLiteral("Organ1"))
                                   .first();
        const QString agencyName
            = fixtureColumn(QStringLiteral("Form337.mdb"), QStringLiteral("Agency"),
                            QStringLiteral("AgencyName"))
                  .first();
        // A new installation takes the old default number of copies.
        QCOMPARE(t.value("FAAForm337A.mdb", "SELECT count(*) FROM Defaults").toInt(), 1);
        QCOMPARE(t.value("FAAForm337A.mdb", "SELECT Organ1 FROM Defaults").toString(), copies);
        // The set-up panel shows the imported agency; saving it keeps the imported data folder.
        QCOMPARE(w.Panel3D7->Text8[0]->text(), agencyName);
        click(w, "Command3D18");
        QCOMPARE(t.value("Form337.mdb", "SELECT count(*) FROM Form").toInt(),
                 int(forms.rows.size()));

        // Find the forms of the mark with the most forms; next and previous walk them.
        QHash<QString, int> perMark;
        for (const auto &row : forms.rows)
            ++perMark[row[forms.column(QStringLiteral("RegNum"))].text];
        QString busiest;
        for (auto it = perMark.begin(); it != perMark.end(); ++it) {
            bool prefixOfAnother = false;
            for (const QString &other : marks)
                prefixOfAnother
                    |= other != it.key() && other.startsWith(it.key(), Qt::CaseInsensitive);
            if (!prefixOfAnother && (busiest.isEmpty() || it.value() > perMark[busiest]))
                busiest = it.key();
        }
        QVERIFY(perMark[busiest] >= 3);
        QStringList expected;
        for (const QList<QVariant> &row :
             Database::open(t.folder + QStringLiteral("/Form337.mdb"))
                 ->rows(QStringLiteral("SELECT Back FROM Form WHERE RegNum = ? ORDER BY RecordId"),
                        {busiest}))
            expected << row[0].toString();
        click(w, "Command3D27");
        setControlText(control<QLineEdit>(w, "Text36"), busiest);
        click(w, "Command3D7");
        QCOMPARE(w.Panel3D1->Combo1[0]->currentText(), busiest);
        QStringList walked{controlText(w.Panel3D1->Text18)};
        for (int i = 1; i < expected.size(); ++i) {
            click(w, "Command3D16");
            QCOMPARE(w.Panel3D1->Combo1[0]->currentText(), busiest);
            walked << controlText(w.Panel3D1->Text18);
        }
        QCOMPARE(walked, expected);
        for (int i = expected.size() - 2; i >= 0; --i) {
            click(w, "Command3D17");
            QCOMPARE(controlText(w.Panel3D1->Text18), expected[i]);
        }

        // The form with the 177 126-character description: found, shown and printed whole.
        const QVariantList longest
            = Database::open(t.folder + QStringLiteral("/Form337.mdb"))
                  ->rows(QStringLiteral("SELECT RegNum, Back FROM Form ORDER BY "
                                        "length(Back) DESC, RecordId LIMIT 1"))
                  .first();
        const QString mark = longest[0].toString();
        const QString description = longest[1].toString();
        QVERIFY(description.size() > 170000);
        click(w, "Command3D27");
        setControlText(control<QLineEdit>(w, "Text36"), mark);
        click(w, "Command3D7");
        for (int guard = 0; controlText(w.Panel3D1->Text18) != description && guard < 50; ++guard)
            click(w, "Command3D16");
        QCOMPARE(controlText(w.Panel3D1->Text18), description);
        click(w, "Command3D14");  // Print
        // The imported default number of copies is offered (from the old Defaults); one will do.
        QCOMPARE(controlText(control<QWidget>(w, "Text45")), copies);
        setControlText(control<QWidget>(w, "Text45"), QStringLiteral("1"));
        click(w, "Command1(0)");  // the copies' OK
        // The description's lines: the text printed at the left edge of the description
        // area of the back page and of every continuation sheet, less the closing END line.
        QString printedDescription;
        int sheets = 0;
        for (int i = 0; i < printer.documents.size(); ++i) {
            if (printer.sides[i] == PrintEnvironment::Side::Front)
                continue;
            sheets += 1 + countKind(*printer.documents[i], PrintOp::NewPage);
            for (const PrintOp &op : textOps(*printer.documents[i])) {
                if (op.at.x() == 600 && op.at.y() >= 1710 && op.text != BackPage::endLine())
                    printedDescription += op.text;
            }
        }
        QVERIFY(sheets > 10);
        const QString printed = withoutSpace(printedDescription);
        const QString wanted = withoutSpace(description);
        qsizetype differs = 0;
        while (differs < printed.size() && differs < wanted.size()
               && printed[differs] == wanted[differs])
            ++differs;
        QVERIFY2(printed == wanted,
                 qPrintable(QStringLiteral("printed %1 characters, the description %2; first "
                                           "difference at %3: printed \"%4\", description \"%5\"")
                                .arg(printed.size())
                                .arg(wanted.size())
                                .arg(differs)
                                .arg(printed.mid(differs - 20, 80), wanted.mid(differs - 20, 80))));
    }

    void accessFilesInTheDataFolderAreOfferedForImport()
    {
        QTemporaryDir old;
        QVERIFY(copyFixtures(old.path()));
        const auto oldBefore = folderChecksums(old.path());
        QTemporaryDir elsewhere;
        const QString chosen = elsewhere.filePath(QStringLiteral("form337 data"));
        TestWindow t;
        t.install();
        t.exec("setup337.mdb", "UPDATE Setup SET DataPath = ?", {old.path() + QLatin1Char('/')});
        t.messages.script = {Msg::Answer::Ok};  // "Import"
        QString startedIn;
        QList<ImportSummary> shown;
        Form1 &w = openWithSeams(t, [&](ImportHandlers &h) {
            h.chooseFolder = [&](QWidget *, const QString &, const QString &start) {
                startedIn = start;
                return chosen;
            };
            h.showSummary = [&](QWidget *, const ImportSummary &s) {
                shown << s;
            };
        });

        QCOMPARE(t.messages.asked.size(), 1);
        QCOMPARE(t.messages.asked.first().buttons, Msg::Buttons::ImportCancel);
        QVERIFY(t.messages.asked.first().text.contains(QDir::toNativeSeparators(old.path())));
        QCOMPARE(startedIn, t.folder);  // the program folder is suggested
        QCOMPARE(shown.size(), 1);
        QVERIFY2(shown.first().complete(), qPrintable(shown.first().text()));
        // The chosen folder is the data folder now, bound, with the old data in it.
        QCOMPARE(t.value("setup337.mdb", "SELECT DataPath FROM Setup").toString(),
                 chosen + QLatin1Char('/'));
        QVERIFY(w.dataBinding().isBound());
        QVERIFY(w.Panel3D7->isHidden());
        QCOMPARE(w.Panel3D1->Combo1[0]->count(),
                 fixtureDistinct(QStringLiteral("Form337.mdb"), QStringLiteral("Form"),
                                 QStringLiteral("RegNum"))
                     .size());
        QCOMPARE(Database::open(chosen + QStringLiteral("/Form337.mdb"))
                     ->value("SELECT count(*) FROM Form")
                     .toInt(),
                 fixtureRowCount(QStringLiteral("Form337.mdb"), QStringLiteral("Form")));
        // The Access files are not overwritten, renamed or moved, and nothing was added beside them.
        QCOMPARE(folderChecksums(old.path()), oldBefore);
    }

    void accessFolderChosenInSetupIsOfferedForImport()
    {
        QTemporaryDir old;
        QVERIFY(copyFixtures(old.path()));
        const auto oldBefore = folderChecksums(old.path());
        QTemporaryDir elsewhere;
        const QString chosen = elsewhere.filePath(QStringLiteral("data"));
        TestWindow t;
        Form1 &w = t.open();
        w.importHandlers().chooseFolder = [&](QWidget *, const QString &, const QString &) {
            return chosen;
        };
        w.importHandlers().showSummary = [](QWidget *, const ImportSummary &) {
        };
        click(w, "Command3D18");  // Set-up
        t.messages.script = {Msg::Answer::Ok};
        w.Panel3D7->Dir1->setPath(old.path());  // the person double-clicks the old program's folder
        QCOMPARE(t.messages.asked.size(), 1);
        QCOMPARE(t.messages.asked.first().buttons, Msg::Buttons::ImportCancel);
        QCOMPARE(w.Panel3D7->Dir1->path(), chosen);
        QCOMPARE(w.Panel3D7->frontIndicator(), 1);
        QCOMPARE(w.Panel3D7->Text8[0]->text(),
                 fixtureColumn(QStringLiteral("Form337.mdb"), QStringLiteral("Agency"),
                               QStringLiteral("AgencyName"))
                     .first());
        click(w, "Command3D18");  // Save: the imported folder stays the data folder
        QCOMPARE(t.value("setup337.mdb", "SELECT DataPath FROM Setup").toString(),
                 chosen + QLatin1Char('/'));
        QCOMPARE(w.Panel3D1->Combo1[0]->count(),
                 fixtureDistinct(QStringLiteral("Form337.mdb"), QStringLiteral("Form"),
                                 QStringLiteral("RegNum"))
                     .size());
        QCOMPARE(folderChecksums(old.path()), oldBefore);
    }

    void declinedOfferOpensTheSetupPanel()
    {
        QTemporaryDir old;
        QVERIFY(copyFixtures(old.path()));
        const auto oldBefore = folderChecksums(old.path());
        TestWindow t;
        t.install();
        t.exec("setup337.mdb", "UPDATE Setup SET DataPath = ?", {old.path() + QLatin1Char('/')});
        t.messages.script = {Msg::Answer::Cancel};
        int chooserCalls = 0;
        Form1 &w = openWithSeams(t, [&](ImportHandlers &h) {
            h.chooseFolder = [&](QWidget *, const QString &, const QString &) {
                ++chooserCalls;
                return QString();
            };
        });
        QCOMPARE(t.messages.asked.size(), 1);
        QCOMPARE(chooserCalls, 0);
        QVERIFY(!w.dataBinding().isBound());
        QVERIFY(!w.Panel3D7->isHidden());
        QCOMPARE(w.Panel3D7->frontIndicator(), 0);
        QCOMPARE(folderChecksums(old.path()), oldBefore);
    }

    void cancelInTheProgressDialogChangesNothing()
    {
        QTemporaryDir old;
        QVERIFY(copyFixtures(old.path()));
        TestWindow t;
        Form1 &w = t.open();
        const QByteArray forms = checksum(t.folder + QStringLiteral("/Form337.mdb"));
        const QByteArray agents = checksum(t.folder + QStringLiteral("/FAAForm337A.mdb"));
        QList<ImportSummary> shown;
        w.importHandlers().chooseFolder = [&](QWidget *, const QString &, const QString &) {
            return old.path();
        };
        w.importHandlers().showSummary = [&](QWidget *, const ImportSummary &s) {
            shown << s;
        };
        w.importHandlers().watchProgress
            = [](QProgressDialog &dialog, const AccessImport::Progress &p) {
                  QVERIFY(dialog.isVisible());
                  if (p.done >= 300)
                      dialog.cancel();  // the person clicks Cancel while the forms are written
              };
        click(w, "Command3D18");
        click(w, "cmdImportAccess");
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown.first().outcome, ImportSummary::Outcome::Cancelled);
        QCOMPARE(checksum(t.folder + QStringLiteral("/Form337.mdb")), forms);
        QCOMPARE(checksum(t.folder + QStringLiteral("/FAAForm337A.mdb")), agents);
        QCOMPARE(w.Panel3D1->Combo1[0]->count(), 0);
    }
};

REGISTER_TEST(ImportWindowTest)

#include "ImportWindowTest.moc"
