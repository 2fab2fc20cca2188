#include "ui/LazyListModel.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QStringListModel>
#include <algorithm>

namespace {

// The list's order: the engine's, which ignores case.
bool sortsBefore(const QString &a, const QString &b)
{
    return QString::compare(a, b, Qt::CaseInsensitive) < 0;
}

}  // namespace

LazyListModel::LazyListModel(QObject *parent)
    : QAbstractListModel(parent)
{ }

void LazyListModel::fill(QComboBox *combo, Reader reader)
{
    const QString text = combo->currentText();
    const QSignalBlocker quiet(combo);
    auto *model = dynamic_cast<LazyListModel *>(combo->model());
    if (!model) {
        model = new LazyListModel(combo);
        combo->setModel(model);
        // The list holds only what has been read: typing offers the stored values that
        // start with the typed text, in a list below the box that changes nothing typed
        // (not even while the offer is walked with the arrow keys) until one is picked.
        if (QLineEdit *edit = combo->lineEdit()) {
            auto *found = new QStringListModel(combo);
            auto *completer = new QCompleter(found, combo);
            completer->setCaseSensitivity(Qt::CaseInsensitive);
            completer->setCompletionMode(QCompleter::PopupCompletion);
            completer->setWidget(edit);  // driven here, not by the box
            QObject::connect(edit, &QLineEdit::textEdited, completer,
                             [model, found, completer](const QString &typed) {
                                 found->setStringList(model->startingWith(typed, kSuggestions));
                                 completer->setCompletionPrefix(typed);
                                 if (completer->completionCount() > 0)
                                     completer->complete();
                                 else
                                     completer->popup()->hide();
                             });
            // A picked value is picked as from the list: it becomes the list's current
            // entry (taking its place there if that part is not read yet), then the pick is
            // reported.
            QObject::connect(completer, qOverload<const QString &>(&QCompleter::activated), combo,
                             [combo, model](const QString &value) {
                                 const int row = model->insertSorted(value);
                                 combo->setCurrentIndex(row);
                                 emit combo->activated(row);
                             });
        }
    }
    model->restart(std::move(reader));
    combo->setCurrentIndex(-1);
    if (combo->isEditable())
        combo->setEditText(text);
}

void LazyListModel::restart(Reader reader)
{
    beginResetModel();
    m_reader = std::move(reader);
    m_values = m_reader ? m_reader(QString(), true, kPiece) : QStringList();
    m_complete = m_values.size() < kPiece;
    m_readTo = m_values.isEmpty() ? std::nullopt : std::optional<QString>(m_values.last());
    m_ahead = 0;
    endResetModel();
}

QStringList LazyListModel::startingWith(const QString &prefix, int count) const
{
    if (!m_reader || prefix.isEmpty())
        return {};
    QStringList found = m_reader(prefix, true, count);
    found.erase(std::remove_if(found.begin(), found.end(),
                               [&](const QString &value) {
                                   return !value.startsWith(prefix, Qt::CaseInsensitive);
                               }),
                found.end());
    return found;
}

int LazyListModel::insertSorted(const QString &value)
{
    const int row = place(value);
    countAhead();
    return row;
}

int LazyListModel::place(const QString &value)
{
    const auto at = std::lower_bound(m_values.begin(), m_values.end(), value, sortsBefore);
    const int row = int(at - m_values.begin());
    if (at != m_values.end() && QString::compare(*at, value, Qt::CaseInsensitive) == 0)
        return row;  // listed already
    beginInsertRows({}, row, row);
    m_values.insert(row, value);
    endInsertRows();
    return row;
}

void LazyListModel::countAhead()
{
    if (m_complete || !m_readTo) {
        m_ahead = m_complete ? 0 : int(m_values.size());
        return;
    }
    const auto end = std::upper_bound(m_values.begin(), m_values.end(), *m_readTo, sortsBefore);
    m_ahead = int(m_values.end() - end);
}

int LazyListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_values.size());
}

QVariant LazyListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_values.size()
        || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return m_values.at(index.row());
}

bool LazyListModel::canFetchMore(const QModelIndex &parent) const
{
    return !parent.isValid() && !m_complete;
}

void LazyListModel::fetchMore(const QModelIndex &parent)
{
    if (!canFetchMore(parent) || !m_reader)
        return;
    const QStringList more = m_reader(m_readTo.value_or(QString()), !m_readTo, kPiece);
    m_complete = more.size() < kPiece;
    if (more.isEmpty())
        return;
    m_readTo = more.last();
    if (m_ahead == 0) {
        beginInsertRows({}, int(m_values.size()), int(m_values.size() + more.size() - 1));
        m_values += more;
        endInsertRows();
    } else {
        // Values inserted beyond the part read may be among these: each is listed once.
        for (const QString &value : more)
            place(value);
    }
    countAhead();
}
