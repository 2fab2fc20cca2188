#include "common/TestRegistry.h"
#include "common/TestWindow.h"
#include "form/FormScreen.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Set in the copy of this executable that runs on one screen size and scale factor.
const char *const kOnOneScreen = "FORM337_FIT_ON_ONE_SCREEN";

// The boxes, lists, option buttons and check boxes a user fills in: every input control
// of the form screen that is shown (the line edit inside a combo box counts as the combo).
QList<QWidget *> formControls(FormScreen &screen)
{
    QList<QWidget *> controls;
    for (QWidget *child : screen.findChildren<QWidget *>()) {
        const bool input = qobject_cast<QLineEdit *>(child) || qobject_cast<QComboBox *>(child)
                           || qobject_cast<QAbstractButton *>(child)
                           || qobject_cast<QListWidget *>(child)
                           || qobject_cast<QPlainTextEdit *>(child);
        if (!input || qobject_cast<QComboBox *>(child->parentWidget())
            || !child->isVisibleTo(&screen))
            continue;
        controls << child;
    }
    return controls;
}

// The control lies whole inside each of its parents up to the form screen.
bool wholeInsideItsParents(QWidget *control, QWidget *screen)
{
    QRect rect = control->geometry();
    for (QWidget *parent = control->parentWidget(); parent; parent = parent->parentWidget()) {
        if (!parent->rect().contains(rect))
            return false;
        if (parent == screen)
            return true;
        rect.translate(parent->pos());
    }
    return false;
}

// Scrolls the least that shows the whole control (QScrollArea::ensureWidgetVisible shows
// only a text box's cursor).
void bringIntoView(QScrollArea *scroll, QWidget *control)
{
    const QRect rect(control->mapTo(scroll->widget(), QPoint()), control->size());
    const QSize view = scroll->viewport()->size();
    QScrollBar *across = scroll->horizontalScrollBar();
    QScrollBar *down = scroll->verticalScrollBar();
    across->setValue(qBound(rect.right() + 1 - view.width(), across->value(), rect.left()));
    down->setValue(qBound(rect.bottom() + 1 - view.height(), down->value(), rect.top()));
}

void checkControlsCanBeSeen(QScrollArea *scroll, FormScreen &screen, const QRect &barInWindow)
{
    QWidget *viewport = scroll->viewport();
    const QRect viewportInWindow(viewport->mapTo(scroll->window(), QPoint()), viewport->size());
    QVERIFY2(!viewportInWindow.intersects(barInWindow), "the button bar covers the form");
    const QList<QWidget *> controls = formControls(screen);
    QVERIFY(!controls.isEmpty());
    for (QWidget *control : controls) {
        const QByteArray name = control->objectName().toLatin1();
        QVERIFY2(wholeInsideItsParents(control, &screen), name.constData());
        if (control->width() > viewport->width() || control->height() > viewport->height()) {
            // The description box is as tall as the form: it must only fit across.
            QVERIFY2(control->width() <= viewport->width(), name.constData());
            continue;
        }
        bringIntoView(scroll, control);
        const QRect inViewport(control->mapTo(viewport, QPoint()), control->size());
        QVERIFY2(viewport->rect().contains(inViewport), name.constData());
    }
}

}  // namespace

class WindowFitTest : public QObject
{
    Q_OBJECT

private slots:
    void everyControlAndTheButtonBarFit_data();
    void everyControlAndTheButtonBarFit();
};

void WindowFitTest::everyControlAndTheButtonBarFit_data()
{
    QTest::addColumn<QSize>("screenSize");
    QTest::addColumn<QString>("scale");
    if (qEnvironmentVariableIsSet(kOnOneScreen)) {
        QTest::newRow("this screen") << QSize() << QString();
        return;
    }
    for (const QSize size : {QSize(1366, 768), QSize(1920, 1080)})
        for (const char *scale : {"1", "1.25", "1.5"})
            QTest::addRow("%dx%d at %s", size.width(), size.height(), scale)
                << size << QString::fromLatin1(scale);
}

// The screen size and scale factor are fixed when the application starts, so each pair
// runs this test again in a copy of the executable started on that screen.
void WindowFitTest::everyControlAndTheButtonBarFit()
{
    QFETCH(QSize, screenSize);
    QFETCH(QString, scale);
    if (!qEnvironmentVariableIsSet(kOnOneScreen)) {
        QTemporaryDir dir;
        const QString config = dir.filePath(QStringLiteral("screen.json"));
        QFile file(config);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QStringLiteral(R"({"screens": [{"name": "screen", "x": 0, "y": 0, )"
                                  R"("width": %1, "height": %2, "logicalDpi": 96, )"
                                  R"("logicalBaseDpi": 96, "dpr": 1}]})")
                       .arg(screenSize.width())
                       .arg(screenSize.height())
                       .toUtf8());
        file.close();
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QString::fromLatin1(kOnOneScreen), QStringLiteral("1"));
        env.insert(QStringLiteral("FORM337_TEST_ONLY"), QStringLiteral("WindowFitTest"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"),
                   QStringLiteral("offscreen:configfile=") + config);
        env.insert(QStringLiteral("QT_SCALE_FACTOR"), scale);
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("-nocrashhandler")});
        QVERIFY(child.waitForFinished(120000));
        const QByteArray output = child.readAll();
        QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
                 output.constData());
        return;
    }

    QScreen *screen = QGuiApplication::primaryScreen();
    qInfo() << "screen" << screen->geometry() << "scale" << qgetenv("QT_SCALE_FACTOR");
    const QRect available = screen->availableGeometry();
    TestWindow t;
    t.install();
    Form1 &w = t.open();
    auto *scroll = w.findChild<QScrollArea *>(QStringLiteral("formScroll"));
    auto *bar = w.findChild<QWidget *>(QStringLiteral("buttonBar"));
    QVERIFY(scroll && bar);
    for (const bool maximised : {false, true}) {
        maximised ? w.showMaximized() : w.showNormal();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCoreApplication::processEvents();
        // A maximised window's frame lies outside the screen on some window systems.
        QVERIFY2(available.contains(maximised ? w.geometry() : w.frameGeometry()),
                 maximised ? "maximised" : "normal");
        const QRect barInWindow(bar->mapTo(&w, QPoint()), bar->size());
        QVERIFY(w.rect().contains(barInWindow));
        for (QPushButton *button : bar->findChildren<QPushButton *>()) {
            const QByteArray name = button->objectName().toLatin1();
            QVERIFY2(bar->rect().contains(button->geometry()), name.constData());
            QVERIFY2(button->width() >= button->sizeHint().width(), name.constData());
        }
        for (const bool back : {false, true}) {
            w.Panel3D1->setBackPageShown(back);
            QCoreApplication::processEvents();
            checkControlsCanBeSeen(scroll, *w.Panel3D1, barInWindow);
            if (QTest::currentTestFailed())
                return;
        }
        w.Panel3D1->setBackPageShown(false);
    }
}

REGISTER_TEST(WindowFitTest)
#include "WindowFitTest.moc"
