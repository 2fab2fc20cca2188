#pragma once

#include "common/TestWindow.h"
#include "form/FormScreen.h"
#include "form/FormTexts.h"
#include "ui/ControlText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStringList>
#include <QVariantMap>

// Shared steps of the form-screen tests that drive a real window on real files.
namespace FormTest {

// Inserts one Form record with the given fields (Yes/No as -1/0, dates as ISO text).
inline void insertForm(TestWindow &t, const QVariantMap &fields)
{
    QStringList names, marks;
    QVariantList values;
    for (auto it = fields.begin(); it != fields.end(); ++it) {
        names << it.key();
        marks << QStringLiteral("?");
        values << it.value();
    }
    t.exec(
        QStringLiteral("Form337.mdb"),
        QStringLiteral("INSERT INTO Form (%1) VALUES (%2)").arg(names.join(u','), marks.join(u',')),
        values);
}

inline int formCount(TestWindow &t)
{
    return t.value(QStringLiteral("Form337.mdb"), QStringLiteral("SELECT count(*) FROM Form"))
        .toInt();
}

// A field of the only (or last) stored form.
inline QVariant storedField(TestWindow &t, const QString &field)
{
    return t.value(QStringLiteral("Form337.mdb"),
                   QStringLiteral("SELECT %1 FROM Form ORDER BY RecordId DESC LIMIT 1").arg(field));
}

inline QStringList items(const QComboBox *combo)
{
    QStringList out;
    for (int i = 0; i < combo->count(); ++i)
        out << combo->itemText(i);
    return out;
}

// Fills every box of the screen so that Save accepts it: an airframe repair,
// approved by an FAA designee, for a certificated repair station.
inline void fillSavableForm(FormScreen &s)
{
    setControlText(s.Combo1[0], QStringLiteral("N123AB"));
    setControlText(s.Combo1[1], QStringLiteral("Cessna"));
    setControlText(s.Combo1[2], QStringLiteral("172"));
    setControlText(s.Text1[0], QStringLiteral("17255"));
    setControlText(s.Text1[1], QStringLiteral("S"));
    setControlText(s.Text2[0], QStringLiteral("John Smith"));
    setControlText(s.Text2[1], QStringLiteral("1 Main St"));
    setControlText(s.Text2[2], QStringLiteral("Wichita, KS"));
    setControlText(s.Text2[3], QStringLiteral("67201 USA"));
    s.Option1[0]->setChecked(true);
    s.List1->setCurrentRow(-1);
    s.List1->setCurrentRow(0);  // the airframe layout: dash lines and "(As described ...)"
    setControlText(s.Text7[0], QStringLiteral("Acme Repair"));
    setControlText(s.Text7[1], QStringLiteral("2 Field Rd"));
    setControlText(s.Text7[2], QStringLiteral("Ames, IA"));
    setControlText(s.Text7[3], QStringLiteral("50010 USA"));
    setControlText(s.Text7[4], QStringLiteral("RS-77"));
    s.Option2[2]->setChecked(true);
    setControlText(s.Combo3, QStringLiteral("Jane Doe"));
    setControlText(s.Text16, QStringLiteral("March 05, 2001"));
    s.Option5[0]->setChecked(true);
    s.Option6[4]->setChecked(true);
    setControlText(s.Text13, QStringLiteral("DMIR-9"));
    setControlText(s.Combo5, QStringLiteral("Jane Doe"));
    setControlText(s.Text17, QStringLiteral("March 06, 2001"));
    setControlText(s.Text18, QStringLiteral("Replaced left wing spar."));
}

}  // namespace FormTest
