#pragma once

#include <QToolButton>

class QCalendarWidget;
class QDate;
class QLineEdit;

// A small button beside a date box: it opens a calendar and writes the day picked into
// the box in the box's own format. Typing in the box stays as it is.
class CalendarButton : public QToolButton
{
    Q_OBJECT
public:
    using Format = QString (*)(const QDate &);

    CalendarButton(QLineEdit *box, Format format, QWidget *parent = nullptr);

    // Writes the day into the box, as a click on the calendar does.
    void pick(const QDate &day);
    QCalendarWidget *calendar() const { return m_calendar; }

private:
    void openCalendar();

    QLineEdit *m_box;
    Format m_format;
    QCalendarWidget *m_calendar;
};
