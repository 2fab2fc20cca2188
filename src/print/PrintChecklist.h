#pragma once

#include <QList>
#include <QString>

class MessageService;
struct FormSnapshot;

// What is commonly missed on an approved form, shown before it is printed for signing. Each
// line is ticked where the program can tell from the form and left open for the inspector
// where it cannot. It warns and never blocks: the inspector prints or goes back to the form.
namespace PrintChecklist {

struct Line
{
    QString text;
    bool ticked = false;
};

QList<Line> lines(const FormSnapshot &form);

// The checklist as one message: OK prints, Cancel goes back to the form. True to print.
bool confirm(MessageService &messages, const FormSnapshot &form);

}  // namespace PrintChecklist
