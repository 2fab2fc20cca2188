#include "BackPageTest.h"
#include "common/TestRegistry.h"

#include "PrintTestSupport.h"

#include "form/FormSnapshot.h"
#include "print/BackPage.h"
#include "print/PageText.h"

#include <QtTest>

namespace {

const FontsWithout &systemFonts()
{
    static const FontsWithout fonts;
    return fonts;
}

PrintLog drawBack(const QString &description, const QString &combo3 = "N4721K")
{
    FormSnapshot form;
    form.description = description;
    form.conformitySigner = combo3;
    form.registrationMark = "N4721K";
    form.conformityDate = "March 03, 2024";
    RecordingSurface surface(systemFonts());
    surface.setScale(0);
    BackPage::draw(surface, form);
    return surface.ops();
}

// One printed item of the description area: its text, page (0 = back page) and y.
struct Placed
{
    QString text;
    int page;
    double y;
};

// The description lines, marks, headings, sheet identification and END line, with the page
// each is on.
QList<Placed> descriptionArea(const PrintLog &log)
{
    QList<Placed> out;
    int page = 0;
    for (const PrintOp &op : log) {
        if (op.kind == PrintOp::NewPage)
            ++page;
        if (op.kind != PrintOp::Text)
            continue;
        const bool line = op.at.x() == 600 && op.at.y() >= 1710;
        const bool mark = op.at == QPointF(4660, 13960);
        const bool heading = page > 0 && op.at.y() == 1260;
        const bool identification = op.at.y() == 1460 && op.at.x() != 620;
        if (line || mark || heading || identification)
            out << Placed{op.text, page, op.at.y()};
    }
    return out;
}

QString paragraphs(int count, bool trailingBreak = false)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << QString("Line %1").arg(i);
    return lines.join("\r\n") + (trailingBreak ? "\r\n" : "");
}

// A continuation sheet's identification line and its number, as "page:y:text" entries.
QStringList identified(int page, int sheets)
{
    const QString at = QString("%1:1460:").arg(page);
    return {at + "Registration mark: N4721K     Date work completed: March 03, 2024",
            at + QString("Sheet %1 of %2").arg(page + 1).arg(sheets)};
}

}  // namespace

void BackPageTest::fixedContent_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QPointF>("at");
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("italic");
    QTest::newRow("notice") << "NOTICE" << QPointF(5300, 70) << 11 << true << false;
    QTest::newRow("notice 1")
        << "Weight and balance or operating limitation changes shall be entered in the "
           "appropriate aircraft record.  An alteration must be"
        << QPointF(620, 370) << 9 << false << true;
    QTest::newRow("notice 2")
        << "compatible with all previous alterations to assure continued conformity with the "
           "applicable airworthiness requirements."
        << QPointF(620, 550) << 9 << false << true;
    QTest::newRow("item 8") << "8.  Description of Work Accomplished" << QPointF(620, 1260) << 8
                            << true << false;
    QTest::newRow("attach")
        << "(If more space is required, attach additional sheets. Identify with aircraft "
           "nationality and registration mark and date work completed.)"
        << QPointF(620, 1460) << 7 << false << true;
    QTest::newRow("attached") << "Additional Sheets Are Attached" << QPointF(4890, 13950) << 7
                              << false << false;
    QTest::newRow("printing office") << "U.S. GOVERNMENT PRINTING OFFICE: 1992-769-012/60157"
                                     << QPointF(6750, 14170) << 7 << false << false;
}

void BackPageTest::fixedContent()
{
    QFETCH(QString, text);
    QFETCH(QPointF, at);
    QFETCH(int, size);
    QFETCH(bool, bold);
    QFETCH(bool, italic);
    const PrintLog log = drawBack("Replaced rib.");
    bool found = false;
    for (const PrintOp &op : textOps(log)) {
        if (op.at == at) {
            QCOMPARE(op.text, text);
            QCOMPARE(op.font, (FontState{"Arial", double(size), bold, italic}));
            found = true;
        }
    }
    QVERIFY(found);
    // The boxes come first: the two borders thick, the attached-sheets box medium.
    QList<PrintOp> boxes;
    for (const PrintOp &op : log) {
        if (op.kind == PrintOp::Box)
            boxes << op;
    }
    QCOMPARE(boxes.size(), 3);
    QCOMPARE(boxes[0].area, QRectF(QPointF(500, 10), QPointF(11000, 910)));
    QCOMPARE(boxes[1].area, QRectF(QPointF(500, 1210), QPointF(11000, 14150)));
    QCOMPARE(boxes[2].area, QRectF(QPointF(4640, 13950), QPointF(4800, 14110)));
    QCOMPARE(boxes[0].drawWidth, 8);
    QCOMPARE(boxes[1].drawWidth, 8);
    QCOMPARE(boxes[2].drawWidth, 5);
}

void BackPageTest::emptyDescriptionPrintsNoEndLine()
{
    for (const QString &empty : {QString(), QString("")}) {
        const PrintLog log = drawBack(empty);
        QVERIFY(descriptionArea(log).isEmpty());
        QCOMPARE(countKind(log, PrintOp::NewPage), 0);
        QCOMPARE(textOps(log).size(), 7);
    }
}

void BackPageTest::pages_data()
{
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("combo3");
    // Expected description area as "page:y:text" entries, checked in order; "..." skips lines.
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<int>("newPages");

    const QString end = BackPage::endLine();
    const QString heading = BackPage::continuationHeading();
    QTest::newRow("one line") << "Replaced rib."
                              << "N1" << QStringList{"0:1710:Replaced rib.", "0:1910:" + end} << 0;
    QTest::newRow("two paragraphs")
        << "First.\r\nSecond."
        << "N1" << QStringList{"0:1710:First.", "0:1910:Second.", "0:2110:" + end} << 0;
    QTest::newRow("trailing CR LF")
        << "First.\r\n"
        << "N1" << QStringList{"0:1710:First.", "0:1910:", "0:2110:" + end} << 0;
    QTest::newRow("exactly 60 lines")
        << paragraphs(60) << "N1"
        << QStringList{"0:1710:Line 1", "...", "0:13510:Line 60", "0:13710:" + end} << 0;
    QTest::newRow("61 lines: 2 sheets")
        << paragraphs(61) << "N1"
        << QStringList{"0:13510:Line 60", "0:13960:X", "1:1260:" + heading, "1:1260:N1"}
               + identified(1, 2) + QStringList{"1:1710:Line 61", "1:1910:" + end}
        << 1;
    QTest::newRow("60 lines ending in CR LF")
        << paragraphs(60, true) << "N1"
        << QStringList{"0:13510:Line 60", "0:13960:X", "1:1260:" + heading, "1:1260:N1"}
               + identified(1, 2) + QStringList{"1:1710:", "1:1910:" + end}
        << 1;
    QTest::newRow("REGISTRATION MARK gives the bare heading")
        << paragraphs(61) << "REGISTRATION MARK"
        << QStringList{"0:13960:X", "1:1260:" + heading} + identified(1, 2)
               + QStringList{"1:1710:Line 61", "1:1910:" + end}
        << 1;
    QTest::newRow("three pages")
        << paragraphs(130) << "N1"
        << QStringList{"0:13510:Line 60", "0:13960:X", "1:1260:" + heading, "1:1260:N1"}
               + identified(1, 3)
               + QStringList{"1:1710:Line 61",    "...",      "1:13510:Line 120", "1:13960:X",
                             "2:1260:" + heading, "2:1260:N1"}
               + identified(2, 3)
               + QStringList{"2:1710:Line 121", "...", "2:3510:Line 130", "2:3710:" + end}
        << 2;
    QTest::newRow("five sheets") << paragraphs(241) << "N1"
                                 << QStringList{"0:13960:X", "1:1260:" + heading, "1:1260:N1"}
                                        + identified(1, 5)
                                        + QStringList{"...", "3:13960:X", "4:1260:" + heading,
                                                      "4:1260:N1"}
                                        + identified(4, 5)
                                        + QStringList{"4:1710:Line 241", "4:1910:" + end}
                                 << 4;
}

void BackPageTest::pages()
{
    QFETCH(QString, description);
    QFETCH(QString, combo3);
    QFETCH(QStringList, expected);
    QFETCH(int, newPages);
    const PrintLog log = drawBack(description, combo3);
    QCOMPARE(countKind(log, PrintOp::NewPage), newPages);
    const QList<Placed> area = descriptionArea(log);
    QStringList printed;
    for (const Placed &p : area)
        printed << QString("%1:%2:%3").arg(p.page).arg(p.y).arg(p.text);
    // Match the expected entries in order; "..." lets lines in between go unchecked,
    // and without it the entries must be adjacent. The first entry may be anywhere.
    int at = printed.indexOf(expected.first());
    QVERIFY2(at >= 0, qPrintable(expected.first() + " not printed; last: " + printed.last()));
    bool skip = false;
    for (int i = 1; i < expected.size(); ++i) {
        if (expected[i] == "...") {
            skip = true;
            continue;
        }
        const int next = skip ? printed.indexOf(expected[i], at + 1) : at + 1;
        QVERIFY2(next < printed.size() && printed[next] == expected[i],
                 qPrintable(QString("expected %1 after %2").arg(expected[i], printed[at])));
        at = next;
        skip = false;
    }
    QCOMPARE(at, printed.size() - 1);  // the END line closes the area
    // The "X" and the heading are Arial 9 bold, the heading's registration text on the same line.
    for (const PrintOp &op : textOps(log)) {
        if (op.text == "X" || op.text == BackPage::continuationHeading()) {
            QCOMPARE(op.font, (FontState{"Arial", 9, true, false}));
            QCOMPARE(op.lineFeed, op.text == "X");
        }
    }
    // One identification and one number per continuation sheet (none on the back page), the
    // number ending inside the border.
    QCOMPARE(printed.filter(":1460:Sheet ").size(), newPages);
    QCOMPARE(printed.filter(":1460:Registration mark:").size(), newPages);
    QVERIFY(!printed.join('|').contains("0:1460:"));
    RecordingSurface measure(systemFonts());
    PageText::use(measure, {"Arial", 9, true});
    for (const PrintOp &op : textOps(log)) {
        if (op.text.startsWith("Sheet ")) {
            QCOMPARE(op.font, (FontState{"Arial", 9, true, false}));
            QVERIFY(op.at.x() > 9000 && op.at.x() + measure.textWidth(op.text) <= 11000);
        }
    }
    if (combo3 == "REGISTRATION MARK")
        QVERIFY(!printed.join('|').contains("REGISTRATION MARK"));
}

void BackPageTest::longParagraphCutAtSpaceByPrintedWidth()
{
    RecordingSurface measure(systemFonts());
    measure.setFontName("Arial");
    measure.setFontSize(9);
    measure.setFontBold(true);
    QStringList words;
    for (int i = 0; i < 120; ++i)
        words << QString("word%1").arg(i);
    const PrintLog log = drawBack(words.join(' '));
    const QList<Placed> area = descriptionArea(log);
    QVERIFY(area.size() >= 4);
    QStringList lines;
    for (int i = 0; i + 1 < area.size(); ++i) {
        const QString line = area[i].text;
        QCOMPARE(area[i].y, 1710.0 + 200 * i);
        QVERIFY(measure.textWidth(line) <= 10000);
        QVERIFY2(!line.startsWith(' ') && !line.endsWith(' '), qPrintable(line));
        if (i + 2 < area.size()) {
            // The next word would not have fitted.
            const QString nextWord = area[i + 1].text.section(' ', 0, 0);
            QVERIFY(measure.textWidth(line + " " + nextWord) > 10000);
        }
        lines << line;
    }
    QCOMPARE(lines.join(' '), words.join(' '));
}

void BackPageTest::unbrokenRunCutHardAtWhatFits()
{
    RecordingSurface measure(systemFonts());
    measure.setFontName("Arial");
    measure.setFontSize(9);
    measure.setFontBold(true);
    for (const QString &run : {QString(400, 'M'), QString("/") + QString(400, 'M')}) {
        const QList<Placed> area = descriptionArea(drawBack(run));
        QVERIFY(area.size() >= 3);
        QString joined;
        for (int i = 0; i + 1 < area.size(); ++i) {
            QVERIFY(measure.textWidth(area[i].text) <= 10000);
            if (i + 2 < area.size())  // full lines: one more character would not fit
                QVERIFY(measure.textWidth(area[i].text + "M") > 10000);
            joined += area[i].text;
        }
        QCOMPARE(joined, run);
    }
}

REGISTER_TEST(BackPageTest)
