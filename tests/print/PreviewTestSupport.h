#pragma once

#include "common/SampleForm.h"

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
inline FormSnapshot previewSampleForm(int descriptionLines = 1)
{
    FormSnapshot f = sampleForm();
    f.conformityDate = "March 17, 2011";
    f.description = descriptionOfLines(descriptionLines);
    return f;
}
