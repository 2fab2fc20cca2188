#pragma once

#include <QString>

class QComboBox;
class QWidget;

// One way to read and write the text of any text-holding control of a screen:
// line edits, multi-line boxes, combo boxes (their edit text), labels and buttons.
// Line breaks read back as "\n"; "\r\n" and "\r" written into a multi-line box
// become "\n", so stored CR/LF texts show as separate lines.

// The control's text; an empty text for a null pointer or a control without text.
QString controlText(const QWidget *control);

// Sets the control's text as code does: no typing limit, no upper-casing, and for a
// combo box only the edit text (its list and list index stay as they are).
void setControlText(QWidget *control, const QString &text);

// Adds an entry to a combo's list without changing its text or list index (a
// QComboBox selects the first entry added to an empty list on its own).
void addListItem(QComboBox *combo, const QString &item);
// Removes one entry of a combo's list; the text on screen stays (a list entry going
// away does not take a typed or shown name with it).
void removeListItem(QComboBox *combo, int index);
