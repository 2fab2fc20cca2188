#include "ui/TypingLengthValidator.h"

#include <QLineEdit>

TypingLengthValidator::TypingLengthValidator(QLineEdit* box, int maxLength)
    : QValidator(box), m_box(box), m_maxLength(maxLength), m_lastLength(int(box->text().size()))
{
    // textChanged follows every change, typed or set by code, once it is final.
    connect(box, &QLineEdit::textChanged, this, [this](const QString& text) { m_lastLength = int(text.size()); });
}

TypingLengthValidator* TypingLengthValidator::install(QLineEdit* box, int maxLength)
{
    auto* validator = new TypingLengthValidator(box, maxLength);
    box->setValidator(validator);
    return validator;
}

QValidator::State TypingLengthValidator::validate(QString& input, int&) const
{
    // Text set by code leaves the box unmodified while it is validated: take it whole.
    // An Invalid verdict there would also keep the box from rejecting the next keystroke.
    if (!m_box->isModified())
        return Acceptable;
    const int length = int(input.size());
    return length <= m_maxLength || length <= m_lastLength ? Acceptable : Invalid;
}
