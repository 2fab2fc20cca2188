#include "LineBreakingTest.h"
#include "common/TestRegistry.h"

#include "print/LineBreaking.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QtTest>

using namespace LineBreaking;

namespace {

// Every character 100 units wide: 39 characters stay under the owner's 3980,
// 100 characters fill the description's 10000 exactly.
double fixedWidth(const QString &text)
{
    return 100.0 * text.size();
}

QString run(QChar c, int n)
{
    return QString(n, c);
}

}  // namespace

void LineBreakingTest::ownerName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("lines");
    const QString a9 = run('a', 9);
    QTest::newRow("fits on one line") << "John Smith" << QStringList{"John Smith"};
    QTest::newRow("two names on two lines")
        << "John Smith\r\nJane Smith" << QStringList{"John Smith", "Jane Smith"};
    QTest::newRow("a fifth line is dropped")
        << "A\r\nB\r\nC\r\nD\r\nE" << QStringList{"A", "B", "C", "D"};
    QTest::newRow("trailing line break adds nothing") << "Smith\r\n" << QStringList{"Smith"};
    QTest::newRow("one overlong word, whole up to 120")
        << run('X', 150) << QStringList{run('X', 120)};
    QTest::newRow("cut at the space that reaches the limit")
        << QString("%1 %1 %1 %1 eeee").arg(a9)
        << QStringList{QString("%1 %1 %1 %1 ").arg(a9), "eeee"};
    QTest::newRow("cut after an earlier hyphen")
        << run('a', 30) + "-" + run('b', 20) << QStringList{run('a', 30) + "-", run('b', 20)};
    QTest::newRow("overlong run stays whole up to the next space")
        << run('X', 45) + " tail" << QStringList{run('X', 45) + " ", "tail"};
    QTest::newRow("lone line feed ends a line, keeping its text")
        << "Smith\nJones" << QStringList{"Smith", "Jones"};
    QTest::newRow("lone carriage return ends a line")
        << "Smith\rJones" << QStringList{"Smith", "Jones"};
    QTest::newRow("five long lines keep four")
        << QString(5, ' ').replace(" ", run('w', 39) + " ").trimmed()
        << QStringList(4, run('w', 39) + " ");
}

void LineBreakingTest::ownerName()
{
    QFETCH(QString, name);
    QFETCH(QStringList, lines);
    QCOMPARE(ownerNameLines(name, fixedWidth), lines);
}

void LineBreakingTest::description_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");
    const QString w95 = run('w', 95);
    const QString x20 = run('x', 20);
    QTest::newRow("one line") << "Replaced rib." << QStringList{"Replaced rib."};
    QTest::newRow("two paragraphs") << "First.\r\nSecond." << QStringList{"First.", "Second."};
    QTest::newRow("trailing CR LF gives an empty line") << "First.\r\n"
                                                        << QStringList{"First.", ""};
    QTest::newRow("exactly the limit fits") << run('w', 100) << QStringList{run('w', 100)};
    QTest::newRow("cut at the last space, space dropped")
        << w95 + " " + x20 << QStringList{w95, x20};
    QTest::newRow("the overflowing space is dropped")
        << run('w', 100) + " next" << QStringList{run('w', 100), "next"};
    QTest::newRow("hyphen begins the next line") << w95 + "-" + x20 << QStringList{w95, "-" + x20};
    QTest::newRow("slash begins the next line") << w95 + "/" + x20 << QStringList{w95, "/" + x20};
    QTest::newRow("backslash begins the next line")
        << w95 + "\\" + x20 << QStringList{w95, "\\" + x20};
    QTest::newRow("colon begins the next line") << w95 + ":" + x20 << QStringList{w95, ":" + x20};
    QTest::newRow("hard cut without break characters")
        << run('z', 250) << QStringList{run('z', 100), run('z', 100), run('z', 50)};
    // A break character opening a line followed by more than a line without another one:
    // cut hard instead of printing empty lines for ever.
    QTest::newRow("break character opening an overlong line")
        << "-" + run('z', 250) << QStringList{"-" + run('z', 99), run('z', 100), run('z', 51)};
    QTest::newRow("slash opening an overlong line after a cut")
        << w95 + "/" + run('z', 300)
        << QStringList{w95, "/" + run('z', 99), run('z', 100), run('z', 100), run('z', 1)};
    QTest::newRow("lone line feed") << "First.\nSecond." << QStringList{"First.", "Second."};
    QTest::newRow("lone carriage return keeps the next character")
        << "First.\rSecond." << QStringList{"First.", "Second."};
    QTest::newRow("empty paragraph between two") << "A\r\n\r\nB" << QStringList{"A", "", "B"};
}

void LineBreakingTest::description()
{
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    QCOMPARE(descriptionLines(text, fixedWidth), lines);
}

// Random texts with uneven character widths: every line fits (or is a single character),
// and apart from dropped spaces and line breaks the text comes out whole and in order.
void LineBreakingTest::descriptionKeepsEveryWordInOrder()
{
    QRandomGenerator random(337);
    const QString alphabet = QStringLiteral("abcWW   -/\\:\r\n.");
    auto width = [](const QString &t) {
        double w = 0;
        for (QChar c : t)
            w += c == 'W' ? 2700 : c == ' ' ? 60 : 130;
        return w;
    };
    auto essence = [](QString s) {
        return s.remove(' ').remove('\r').remove('\n');
    };
    for (int round = 0; round < 300; ++round) {
        QString text;
        const int length = random.bounded(1, 900);
        for (int i = 0; i < length; ++i)
            text += alphabet[random.bounded(alphabet.size())];
        const QStringList lines = descriptionLines(text, width);
        for (const QString &line : lines) {
            QVERIFY2(width(line) <= DescriptionWidthLimit || line.size() == 1, qPrintable(line));
            QVERIFY(!line.contains('\r') && !line.contains('\n'));
        }
        QCOMPARE(essence(lines.join(QString())), essence(text));
    }
}

void LineBreakingTest::ownerNameTerminatesOnAnyText()
{
    QRandomGenerator random(44);
    const QString alphabet = QStringLiteral("abW  --\r\n");
    auto width = [](const QString &t) {
        return 300.0 * t.count('W') + 90.0 * (t.size() - t.count('W'));
    };
    for (int round = 0; round < 300; ++round) {
        QString name;
        const int length = random.bounded(1, 400);
        for (int i = 0; i < length; ++i)
            name += alphabet[random.bounded(alphabet.size())];
        const QStringList lines = ownerNameLines(name, width);
        QVERIFY(lines.size() <= OwnerNameMaxLines);
        // The lines are the name's own text, in order.
        qsizetype from = 0;
        for (const QString &line : lines) {
            const qsizetype at = name.indexOf(line, from);
            QVERIFY2(at >= 0, qPrintable(line));
            from = at + line.size();
        }
    }
}

// A long run without break characters must not be re-measured from the line start for
// every character: the measured text stays a small multiple of the description's length.
void LineBreakingTest::descriptionWorkGrowsLinearly()
{
    for (const QString &text :
         {run('z', 200000), QString("-") + run('z', 200000), (run('w', 7) + " ").repeated(25000)}) {
        QElapsedTimer clock;
        clock.start();
        qint64 measured = 0;
        auto counting = [&measured](const QString &t) {
            measured += t.size();
            return 100.0 * t.size();
        };
        const QStringList lines = descriptionLines(text, counting);
        QVERIFY(lines.size() >= 2000);
        QVERIFY2(measured < 20 * text.size(), qPrintable(QString::number(measured)));
        // Scanning for line breaks must not restart at every line either (milliseconds when
        // linear, many seconds when quadratic).
        QVERIFY2(clock.elapsed() < 3000, qPrintable(QString::number(clock.elapsed())));
    }
}

REGISTER_TEST(LineBreakingTest)
