#include "form/FormEntries.h"

#include "form/FormScreen.h"
#include "ui/ControlText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>

namespace {

// The check box value as the stored field knows it: 0 clear, 1 ticked, 2 greyed.
int checkValue(const QCheckBox* box)
{
    switch (box->checkState()) {
    case Qt::Checked:
        return 1;
    case Qt::PartiallyChecked:
        return 2;
    default:
        return 0;
    }
}

}  // namespace

FormEntries FormEntries::read(const FormScreen& s)
{
    FormEntries e;
    for (int i = 0; i < 3; ++i)
        e.Combo1[i] = controlText(s.Combo1[i]);
    for (int i = 0; i < 2; ++i)
        e.Text1[i] = controlText(s.Text1[i]);
    for (int i = 0; i < 4; ++i)
        e.Text2[i] = controlText(s.Text2[i]);
    e.Option1 = FormScreen::selectedIndex(s.Option1);
    e.List1 = s.List1->currentRow();
    for (int i = 0; i < 2; ++i)
        e.Text4[i] = controlText(s.Text4[i]);
    e.Text5 = controlText(s.Text5);
    e.Text6 = controlText(s.Text6);
    for (int i = 0; i < 5; ++i)
        e.Text7[i] = controlText(s.Text7[i]);
    e.Option2 = FormScreen::selectedIndex(s.Option2);
    e.Check2 = checkValue(s.Check2);
    e.Combo3 = controlText(s.Combo3);
    e.Text16 = controlText(s.Text16);
    e.Option5 = FormScreen::selectedIndex(s.Option5);
    e.Option6 = FormScreen::selectedIndex(s.Option6);
    e.Text13 = controlText(s.Text13);
    e.Combo5 = controlText(s.Combo5);
    e.Text17 = controlText(s.Text17);
    e.Text18 = controlText(s.Text18);
    return e;
}
