#include "ui/CalendarButton.h"

#include "ui/Dates.h"

#include <QCalendarWidget>
#include <QLineEdit>

CalendarButton::CalendarButton(QLineEdit *box, Format format, QWidget *parent)
    : QToolButton(parent)
    , m_box(box)
    , m_format(format)
{
    setObjectName(box->objectName() + QStringLiteral("Calendar"));
    setText(QStringLiteral("…"));
    setToolTip(tr("Pick the date on a calendar"));
    setAccessibleName(
        tr("Calendar for %1")
            .arg(box->accessibleName().isEmpty() ? box->objectName() : box->accessibleName()));
    setFocusPolicy(Qt::TabFocus);
    // A popup of the button's window: it closes when the user clicks elsewhere.
    m_calendar = new QCalendarWidget(this);
    m_calendar->setWindowFlags(Qt::Popup);
    m_calendar->setGridVisible(true);
    connect(this, &QToolButton::clicked, this, &CalendarButton::openCalendar);
    connect(m_calendar, &QCalendarWidget::clicked, this, &CalendarButton::pick);
    connect(m_calendar, &QCalendarWidget::activated, this, &CalendarButton::pick);
}

void CalendarButton::openCalendar()
{
    // The calendar opens on the day in the box, or today.
    const QDate shown = Dates::parse(m_box->text());
    m_calendar->setSelectedDate(shown.isValid() ? shown : QDate::currentDate());
    m_calendar->adjustSize();
    m_calendar->move(m_box->mapToGlobal(QPoint(0, m_box->height())));
    m_calendar->show();
    m_calendar->setFocus();
}

void CalendarButton::pick(const QDate &day)
{
    m_calendar->hide();
    if (!day.isValid())
        return;
    m_box->setText(m_format(day));
    m_box->setFocus(Qt::OtherFocusReason);
}
