#include "ui/FirstPaintReport.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <cstdio>

void FirstPaintReport::watchIfAsked(QWidget *window)
{
    const QByteArray asked = qgetenv("FORM337_REPORT_FIRST_PAINT");
    if (asked.isEmpty())
        return;
    new FirstPaintReport(window, asked == "quit");
}

FirstPaintReport::FirstPaintReport(QWidget *window, bool quit)
    : QObject(window)
    , m_quit(quit)
{
    window->installEventFilter(this);
    window->update();  // the window as the user first sees it, painted in full
}

bool FirstPaintReport::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint) {
        watched->removeEventFilter(this);
        // Reported once this paint has been drawn and shown, from the event loop.
        QMetaObject::invokeMethod(
            this,
            [this] {
                std::fputs("first paint\n", stdout);
                std::fflush(stdout);
                if (m_quit)
                    QCoreApplication::exit(0);
                deleteLater();
            },
            Qt::QueuedConnection);
    }
    return false;
}
