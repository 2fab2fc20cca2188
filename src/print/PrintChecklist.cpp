#include "print/PrintChecklist.h"

#include "form/FormSnapshot.h"
#include "ui/Dates.h"
#include "ui/MessageService.h"

#include <QRegularExpression>

namespace PrintChecklist {

namespace {

bool mentions(const QString &text, const char *pattern)
{
    return QRegularExpression(QString::fromLatin1(pattern),
                              QRegularExpression::CaseInsensitiveOption)
        .match(text)
        .hasMatch();
}

}  // namespace

QList<Line> lines(const FormSnapshot &form)
{
    QList<Line> out;
    // The data the work was done to: an STC number, AC 43.13, a field approval, the
    // manufacturer's or other approved data.
    out << Line{QObject::tr("Item 8 names the data used (an STC, AC 43.13, a field approval, "
                            "manufacturer's data)"),
                mentions(form.description,
                         "\\bSTC\\b|\\bS[AEHR]\\d|AC\\s*43\\.13|field approval|manufacturer|"
                         "approved data|service bulletin|\\bDER\\b")};
    out << Line{QObject::tr("Weight and balance / equipment list addressed"),
                mentions(form.description, "weight\\s*(and|&)\\s*balance|\\bW\\s*&\\s*B\\b|"
                                           "equipment list")};
    if (form.extendedRangeFuel == 1)
        out << Line{QObject::tr("Extended-range fuel tanks: a copy is kept aboard the aircraft"),
                    false};
    const QDate conformity = Dates::parse(form.conformityDate);
    const QDate approval = Dates::parse(form.approvalDate);
    out << Line{QObject::tr("The date of item 7 is not before the date of item 6"),
                conformity.isValid() && approval.isValid() && approval >= conformity};
    return out;
}

bool confirm(MessageService &messages, const FormSnapshot &form)
{
    QStringList text{QObject::tr("Before signing, check what is commonly missed:")};
    for (const Line &line : lines(form))
        text << (line.ticked ? QStringLiteral("[x] ") : QStringLiteral("[  ] ")) + line.text;
    text << QString()
         << QObject::tr("Lines without a tick are yours to check. OK prints, "
                        "Cancel goes back to the form.");
    return messages.ask({text.join(QLatin1Char('\n')), QObject::tr("Before printing"),
                         Msg::Buttons::OkCancel, Msg::Icon::Information, Msg::Answer::Ok})
           == Msg::Answer::Ok;
}

}  // namespace PrintChecklist
