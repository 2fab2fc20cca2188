#pragma once

#include <QAbstractListModel>
#include <QStringList>
#include <functional>
#include <optional>

class QComboBox;

// A sorted list of stored values (the registration marks) read in pieces as it is
// shown: the list a combo box drops down grows with the stored forms, and reading it in
// full would make every start-up as slow as the archive is large. The first piece is read
// at once; the view asks for the next as it scrolls to the end.
class LazyListModel : public QAbstractListModel
{
public:
    // Up to count values in the list's order, from the value `from` on (the value itself
    // included or not); "" and included: from the start.
    using Reader = std::function<QStringList(const QString &from, bool included, int count)>;

    static constexpr int kPiece = 200;
    static constexpr int kSuggestions = 20;  // offered for typed text

    explicit LazyListModel(QObject *parent = nullptr);

    // Makes the combo box's list this lazily read one (read again from its start when it
    // is one already), with suggestions for typed text from all stored values; the text on
    // screen stays.
    static void fill(QComboBox *combo, Reader reader);

    // Reads the list again from its start, with the given reader.
    void restart(Reader reader);
    // Up to count values starting with the prefix (ignoring case), for completing typed text.
    QStringList startingWith(const QString &prefix, int count) const;
    // A value just stored or picked takes its place in the list (once, also when the list
    // reads that part later); returns its row.
    int insertSorted(const QString &value);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool canFetchMore(const QModelIndex &parent) const override;
    void fetchMore(const QModelIndex &parent) override;

private:
    int place(const QString &value);
    void countAhead();

    Reader m_reader;
    QStringList m_values;
    bool m_complete = true;
    std::optional<QString> m_readTo;  // the last value read; none: nothing read yet
    int m_ahead = 0;                  // values inserted beyond the part read
};
