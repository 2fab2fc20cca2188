#pragma once

#include "print/PrintableForm.h"

#include <QStringList>

// The description of `count` short paragraphs: one printed line each.
inline QString descriptionOfLines(int count)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << QString("Line %1: removed, inspected and reinstalled the fitting.").arg(i);
    return lines.join("\r\n");
}

// A filled-in form as the preview and export tests draw it.
inline PrintableForm previewSampleForm(int descriptionLines = 1)
{
    PrintableForm f;
    f.Combo1 = {"N4721K", "Cessna", "172S"};
    f.Text1 = {"172S10485", "Skyhawk"};
    f.Text2 = {"Blue Ridge Flying Club", "1450 Airport Road", "Roanoke, VA 24012", "USA"};
    f.List1 = 1;
    f.Option1 = {false, true};
    f.Text4 = {"Lycoming", ""};
    f.Text5 = "IO-360-L2A";
    f.Text6 = "L-31842-51A";
    f.Text7 = {"Valley Aircraft Services", "2201 Hangar Lane", "Roanoke, VA", "USA", "VQ4R123K"};
    f.Option2[2] = true;
    f.Combo3 = "Robert Lancaster";
    f.Text16 = "March 17, 2011";
    f.Option5[0] = true;
    f.Option6[5] = true;
    f.Text13 = "DMIR-2207";
    f.Combo5 = "Helen Carter";
    f.Text17 = "March 18, 2011";
    f.Text18 = descriptionOfLines(descriptionLines);
    return f;
}
