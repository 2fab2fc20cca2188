#include "common/TestRegistry.h"
#include "common/TestWindow.h"
#include "search/FindPanel.h"

#include <QPushButton>
#include <QtTest>

class KeyboardTest : public QObject
{
    Q_OBJECT

private slots:
    void barShortcutsAreNamedInTooltips_data();
    void barShortcutsAreNamedInTooltips();
    void panelButtonsHaveAccessKeys_data();
    void panelButtonsHaveAccessKeys();
};

void KeyboardTest::barShortcutsAreNamedInTooltips_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<QString>("accessibleName");
    QTest::newRow("Save") << "Command3D13" << QKeySequence(Qt::CTRL | Qt::Key_S) << "";
    QTest::newRow("New") << "Command3D19" << QKeySequence(Qt::CTRL | Qt::Key_N) << "";
    QTest::newRow("Print") << "Command3D14" << QKeySequence(Qt::CTRL | Qt::Key_P) << "";
    QTest::newRow("Find") << "Command3D27" << QKeySequence(Qt::CTRL | Qt::Key_F) << "";
    QTest::newRow("Preview") << "cmdPreview" << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P)
                             << "";
    QTest::newRow("previous") << "Command3D17" << QKeySequence(Qt::ALT | Qt::Key_Left)
                              << "Previous form";
    QTest::newRow("next") << "Command3D16" << QKeySequence(Qt::ALT | Qt::Key_Right) << "Next form";
}

void KeyboardTest::barShortcutsAreNamedInTooltips()
{
    QFETCH(QString, button);
    QFETCH(QKeySequence, keys);
    QFETCH(QString, accessibleName);
    TestWindow t;
    t.install();
    Form1 &w = t.open();
    auto *b = w.findChild<QPushButton *>(button);
    QVERIFY(b);
    QCOMPARE(b->shortcut(), keys);
    QVERIFY2(b->toolTip().contains(keys.toString(QKeySequence::NativeText)),
             qPrintable(b->toolTip()));
    if (!accessibleName.isEmpty())
        QCOMPARE(b->accessibleName(), accessibleName);
    if (button == QLatin1String("Command3D27")) {
        // The keys press the button: Find opens its panel.
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTest::keySequence(&w, keys);
        QTRY_VERIFY(!w.Panel3D3->isHidden());  // a shortcut clicks after a short flash
    }
}

void KeyboardTest::panelButtonsHaveAccessKeys_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QKeySequence>("key");
    QTest::newRow("sign-in Submit") << "SSCommand2" << QKeySequence(Qt::ALT | Qt::Key_S);
    QTest::newRow("sign-in Exit") << "SSCommand1" << QKeySequence(Qt::ALT | Qt::Key_X);
    QTest::newRow("inspectors Save") << "SSCommand10" << QKeySequence(Qt::ALT | Qt::Key_S);
    QTest::newRow("inspectors Delete") << "SSCommand11" << QKeySequence(Qt::ALT | Qt::Key_D);
    QTest::newRow("inspectors New") << "SSCommand12" << QKeySequence(Qt::ALT | Qt::Key_N);
    QTest::newRow("inspectors Exit") << "SSCommand13" << QKeySequence(Qt::ALT | Qt::Key_X);
    QTest::newRow("statistics Calculate") << "SSCommand14" << QKeySequence(Qt::ALT | Qt::Key_C);
    // Fixed captions: the key is the button's shortcut, named in its tooltip.
    QTest::newRow("find First") << "Command3D7" << QKeySequence(Qt::ALT | Qt::Key_F);
    QTest::newRow("find Last") << "Command3D9" << QKeySequence(Qt::ALT | Qt::Key_L);
    QTest::newRow("find Show All") << "Command3D10" << QKeySequence(Qt::ALT | Qt::Key_A);
    QTest::newRow("set-up Delete agency") << "Command2" << QKeySequence(Qt::ALT | Qt::Key_E);
    QTest::newRow("set-up Printers") << "Command3D29" << QKeySequence(Qt::ALT | Qt::Key_P);
    QTest::newRow("set-up Agents") << "SSCommand9" << QKeySequence(Qt::ALT | Qt::Key_G);
    QTest::newRow("set-up Import") << "cmdImportAccess" << QKeySequence(Qt::ALT | Qt::Key_I);
}

void KeyboardTest::panelButtonsHaveAccessKeys()
{
    QFETCH(QString, button);
    QFETCH(QKeySequence, key);
    TestWindow t;
    t.install();
    Form1 &w = t.open();
    auto *b = w.findChild<QPushButton *>(button);
    QVERIFY(b);
    if (!QKeySequence::mnemonic(b->text()).isEmpty()) {
        QCOMPARE(QKeySequence::mnemonic(b->text()), key);
    } else {
        QCOMPARE(b->shortcut(), key);
        QVERIFY2(b->toolTip().contains(key.toString(QKeySequence::NativeText)),
                 qPrintable(b->toolTip()));
    }
}

REGISTER_TEST(KeyboardTest)
#include "KeyboardTest.moc"
