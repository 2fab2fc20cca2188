#include "ui/TypingLengthValidator.h"

#include "ui/TextCut.h"

#include <QLineEdit>

TypingLengthValidator::TypingLengthValidator(QLineEdit *box, int maxLength)
    : QValidator(box)
    , m_box(box)
    , m_maxLength(maxLength)
    , m_lastText(box->text())
{
    // textChanged follows every change, typed or set by code, once it is final.
    connect(box, &QLineEdit::textChanged, this, [this](const QString &text) { m_lastText = text; });
}

TypingLengthValidator *TypingLengthValidator::install(QLineEdit *box, int maxLength)
{
    auto *validator = new TypingLengthValidator(box, maxLength);
    box->setValidator(validator);
    return validator;
}

QValidator::State TypingLengthValidator::validate(QString &input, int &pos) const
{
    // Text set by code leaves the box unmodified while it is validated: take it whole.
    // An Invalid verdict there would also keep the box from rejecting the next keystroke.
    if (!m_box->isModified())
        return Acceptable;
    const qsizetype allowed = qMax<qsizetype>(m_maxLength, m_lastText.size());
    if (input.size() <= allowed)
        return Acceptable;

    // The inserted text is what lies between the part before and the part after that
    // the text had before the change.
    qsizetype before = 0;
    const qsizetype shorter = qMin(input.size(), m_lastText.size());
    while (before < shorter && input.at(before) == m_lastText.at(before))
        ++before;
    qsizetype after = 0;
    while (after < shorter - before
           && input.at(input.size() - 1 - after) == m_lastText.at(m_lastText.size() - 1 - after))
        ++after;
    const QString inserted = input.mid(before, input.size() - before - after);
    const qsizetype kept
        = TextCut::fittingLength(inserted, allowed - (input.size() - inserted.size()));
    if (kept == inserted.size())
        return Acceptable;
    if (kept <= 0)
        return Invalid;
    input = input.left(before) + inserted.left(kept) + input.right(after);
    pos = int(before + kept);
    return Acceptable;
}
