#include "ui/LazyListModel.h"

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
        // until one is picked. The completer sits on the box's line, so a picked value
        // need not be among the rows read; the pick is reported as a pick from the list.
        if (QLineEdit *edit = combo->lineEdit()) {
            auto *found = new QStringListModel(combo);
            auto *completer = new QCompleter(found, combo);
            completer->setCaseSensitivity(Qt::CaseInsensitive);
            completer->setCompletionMode(QCompleter::PopupCompletion);
            edit->setCompleter(completer);
            QObject::connect(edit, &QLineEdit::textEdited, model,
                             [model, found](const QString &typed) {
                                 found->setStringList(model->startingWith(typed, kSuggestions));
                             });
            QObject::connect(completer, qOverload<const QString &>(&QCompleter::activated), combo,
                             [combo] { emit combo->activated(combo->currentIndex()); });
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

void LazyListModel::insertSorted(const QString &value)
{
    const auto place = std::lower_bound(m_values.begin(), m_values.end(), value, sortsBefore);
    if (place != m_values.end() && QString::compare(*place, value, Qt::CaseInsensitive) == 0)
        return;  // listed already
    if (place == m_values.end() && !m_complete)
        return;  // not read yet: the next piece brings it
    const int row = int(place - m_values.begin());
    beginInsertRows({}, row, row);
    m_values.insert(row, value);
    endInsertRows();
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
    const QStringList more
        = m_reader(m_values.isEmpty() ? QString() : m_values.last(), m_values.isEmpty(), kPiece);
    m_complete = more.size() < kPiece;
    if (more.isEmpty())
        return;
    beginInsertRows({}, int(m_values.size()), int(m_values.size() + more.size() - 1));
    m_values += more;
    endInsertRows();
}
