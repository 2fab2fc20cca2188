#include "ui/Dates.h"

#include <QtTest>

// Date texts typed into the boxes and the leading-number rule for copies and totals.
class DatesTest : public QObject {
    Q_OBJECT

private slots:
    void longFormUsesEnglishMonthsAndTwoDigitDays()
    {
        const QLocale saved;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(Dates::longForm(QDate(2001, 3, 5)), QStringLiteral("March 05, 2001"));
        QCOMPARE(Dates::longForm(QDate(2026, 12, 7)), QStringLiteral("December 07, 2026"));
        QLocale::setDefault(saved);
    }

    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("expected");
        QTest::newRow("long form") << "March 17, 2011" << QDate(2011, 3, 17);
        QTest::newRow("long form, two-digit day") << "March 05, 2001" << QDate(2001, 3, 5);
        QTest::newRow("stored form") << "Mar/17/2011" << QDate(2011, 3, 17);
        QTest::newRow("iso") << "2011-03-17" << QDate(2011, 3, 17);
        QTest::newRow("month first without a locale") << "3/17/2011" << QDate(2011, 3, 17);
        QTest::newRow("two-digit year") << "3/17/11" << QDate(2011, 3, 17);
        QTest::newRow("blanks around") << "  3/17/2011 " << QDate(2011, 3, 17);
        QTest::newRow("no such day") << "13/45/2001" << QDate();
        QTest::newRow("words") << "next Tuesday" << QDate();
        QTest::newRow("empty") << "" << QDate();
        QTest::newRow("quote") << "3/17/2011\"" << QDate();
        QTest::newRow("february 30") << "2/30/2001" << QDate();
    }

    void parse()
    {
        QFETCH(QString, text);
        QFETCH(QDate, expected);
        QCOMPARE(Dates::parse(text), expected);
    }

    void shortFormReadsBack()
    {
        const QDate day(1999, 12, 31);
        QCOMPARE(Dates::parse(Dates::shortForm(day)), day);
    }

    void leadingValue_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("three") << "3" << 3.0;
        QTest::newRow("fraction") << "2.5" << 2.5;
        QTest::newRow("words after") << "3 copies" << 3.0;
        QTest::newRow("leading blanks") << "  7" << 7.0;
        QTest::newRow("negative") << "-1" << -1.0;
        QTest::newRow("zero") << "0" << 0.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("words") << "words" << 0.0;
    }

    void leadingValue()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(Numbers::leadingValue(text), value);
    }
};

QTEST_MAIN(DatesTest)
#include "tst_dates.moc"
