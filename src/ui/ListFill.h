#pragma once

#include <QComboBox>
#include <QSignalBlocker>
#include <QStringList>

namespace ListFill {

// Replaces a combo box's list in one go and keeps the text the user sees: a
// list refill must not lose a registration mark or signer already on screen.
inline void replaceItems(QComboBox* combo, const QStringList& items)
{
    const QString text = combo->currentText();
    const QSignalBlocker block(combo);
    combo->clear();
    combo->addItems(items);
    combo->setCurrentIndex(-1);
    if (combo->isEditable())
        combo->setEditText(text);
}

// Sets a combo's text the way code set it in the old window: the matching list
// entry (if any) becomes selected, and an editable combo shows the text as given.
inline void setText(QComboBox* combo, const QString& text)
{
    combo->setCurrentIndex(combo->findText(text, Qt::MatchFixedString | Qt::MatchCaseSensitive));
    if (combo->isEditable())
        combo->setEditText(text);
}

}  // namespace ListFill
