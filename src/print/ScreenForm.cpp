#include "print/ScreenForm.h"

#include "form/FormScreen.h"
#include "ui/ControlText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>

PrintableForm readScreenForm(const FormScreen& s)
{
    PrintableForm f;
    for (int i = 0; i < 3; ++i)
        f.Combo1[i] = s.Combo1[i]->currentText();
    for (int i = 0; i < 2; ++i) {
        f.Text1[i] = s.Text1[i]->text();
        f.Option1[i] = s.Option1[i]->isChecked();
        f.Text4[i] = s.Text4[i]->text();
        f.Option5[i] = s.Option5[i]->isChecked();
    }
    for (int i = 0; i < 4; ++i)
        f.Text2[i] = controlText(s.Text2[i]);
    f.List1 = s.List1->currentRow();
    f.Text5 = s.Text5->text();
    f.Text6 = s.Text6->text();
    for (int i = 0; i < 5; ++i) {
        f.Text7[i] = s.Text7[i]->text();
        f.Option2[i] = s.Option2[i]->isChecked();
    }
    f.Check2 = s.Check2->checkState() == Qt::Checked ? 1 : (s.Check2->checkState() == Qt::PartiallyChecked ? 2 : 0);
    f.Combo3 = s.Combo3->currentText();
    f.Text16 = s.Text16->text();
    for (int i = 0; i < 7; ++i)
        f.Option6[i] = s.Option6[i]->isChecked();
    f.Text3 = s.Text3->text();
    f.Text13 = s.Text13->text();
    f.Combo5 = s.Combo5->currentText();
    f.Text17 = s.Text17->text();
    f.Text18 = s.Text18->toPlainText();
    return f;
}
