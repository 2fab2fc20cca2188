#pragma once

#include <QValidator>

class QLineEdit;

// Limits what the user can type into a line edit to a maximum length without ever
// cutting a longer text that code put there (QLineEdit::setMaxLength would).
// A longer text may be shortened or edited in place, just not made longer.
// A paste that does not fit is cut between characters, never through one (half an
// emoji would be stored as a replacement character).
class TypingLengthValidator : public QValidator
{
    Q_OBJECT
public:
    // Installs itself on the box (or on a combo's line edit); the box owns it.
    static TypingLengthValidator *install(QLineEdit *box, int maxLength);

    int maxLength() const { return m_maxLength; }
    State validate(QString &input, int &pos) const override;

private:
    TypingLengthValidator(QLineEdit *box, int maxLength);

    QLineEdit *m_box;
    int m_maxLength;
    QString m_lastText;  // the box's text after its last change
};
