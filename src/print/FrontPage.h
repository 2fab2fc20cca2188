#pragma once

class PrintSurface;
struct FormSnapshot;
class QString;

// The front of FAA Form 337: border, rules, boxes, the emblem, every printed label and
// the entries of the form, in a fixed drawing order.
class FrontPage
{
public:
    static void draw(PrintSurface &surface, const FormSnapshot &form);

    // A date box prints as "mmmm dd, yyyy" when its text reads as a date, else unchanged.
    static QString printedDate(const QString &text);

private:
    static void drawRules(PrintSurface &s);
    static void drawHeader(PrintSurface &s);
    static void drawAircraftAndOwner(PrintSurface &s, const FormSnapshot &form);
    static void drawTypeAndUnit(PrintSurface &s, const FormSnapshot &form);
    static void drawConformity(PrintSurface &s, const FormSnapshot &form);
    static void drawApproval(PrintSurface &s, const FormSnapshot &form);
};
