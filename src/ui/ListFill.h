#pragma once

#include "ui/LazyListModel.h"

#include <QComboBox>
#include <QSignalBlocker>
#include <QStringList>
#include <QVariantList>

namespace ListFill {

// Replaces a combo box's list in one go and keeps the text the user sees: a
// list refill must not lose a registration mark or signer already on screen.
inline void replaceItems(QComboBox *combo, const QStringList &items,
                         const QVariantList &itemData = {})
{
    const QString text = combo->currentText();
    const QSignalBlocker block(combo);
    combo->clear();
    combo->addItems(items);
    // Each entry can carry the key of its record, for lists whose texts need not be unique.
    for (int i = 0; i < itemData.size() && i < combo->count(); ++i)
        combo->setItemData(i, itemData.at(i));
    combo->setCurrentIndex(-1);
    if (combo->isEditable())
        combo->setEditText(text);
}

// Where a sorted list (ignoring case) has the entry, or would take it: a binary search.
inline int sortedPosition(const QComboBox *combo, const QString &item, bool *found = nullptr)
{
    int low = 0, high = combo->count();
    while (low < high) {
        const int middle = (low + high) / 2;
        const int order = QString::compare(combo->itemText(middle), item, Qt::CaseInsensitive);
        if (order == 0) {
            if (found)
                *found = true;
            return middle;
        }
        if (order < 0)
            low = middle + 1;
        else
            high = middle;
    }
    if (found)
        *found = false;
    return low;
}

// The row holding exactly this text. The long lists (registration marks, makes) are
// sorted and searched by halves, so that showing a stored form stays instant with
// hundreds of thousands of marks; short lists are searched in full.
inline int rowOf(const QComboBox *combo, const QString &text)
{
    constexpr int kLongList = 512;
    if (combo->count() > kLongList) {
        bool found = false;
        const int row = sortedPosition(combo, text, &found);
        if (found && combo->itemText(row) == text)
            return row;
    }
    return combo->count() > kLongList
               ? -1
               : combo->findText(text, Qt::MatchFixedString | Qt::MatchCaseSensitive);
}

// Sets a combo's text the way code set it in the old window: the matching list entry
// (if any) becomes selected, and an editable combo shows the text as given.
inline void setText(QComboBox *combo, const QString &text)
{
    combo->setCurrentIndex(rowOf(combo, text));
    if (combo->isEditable())
        combo->setEditText(text);
}

// Adds an entry to a list kept in sorted order (ignoring case), unless it is there
// already; a binary search keeps this quick on long lists. The combo's text and
// selection stay as they were.
inline void insertSorted(QComboBox *combo, const QString &item)
{
    if (auto *lazy = dynamic_cast<LazyListModel *>(combo->model())) {
        const QString text = combo->currentText();
        const QSignalBlocker quiet(combo);
        lazy->insertSorted(item);
        if (combo->isEditable())
            combo->setEditText(text);
        return;
    }
    bool found = false;
    const int position = sortedPosition(combo, item, &found);
    if (found)
        return;
    const int index = combo->currentIndex();
    const QString text = combo->currentText();
    const QSignalBlocker quiet(combo);
    combo->insertItem(position, item);
    combo->setCurrentIndex(index >= position ? index + 1 : index);
    if (combo->isEditable())
        combo->setEditText(text);
}

}  // namespace ListFill
