#include "attempttable.h"

#include <QSet>

AttemptTable::AttemptTable(QObject* parent)
    : QAbstractTableModel(parent)
    , m_columns(ClassTable::columnsFor(ClassTable::Screen)) {
    Q_ASSERT(m_columns.size() == size_t(Counted + 1));
}

void AttemptTable::setHandedIn(const HandedIn* handedIn) {
    if (handedIn != m_handedIn) {
        beginResetModel();
        m_handedIn = handedIn;
        m_rows.clear();
        if (handedIn)
            for (const HandedInRecord& record : handedIn->records())
                m_rows.append(HandedIn::attemptKey(record.attempt));
        endResetModel();
        return;
    }
    if (!handedIn)
        return;
    // The same records, changed: rows of attempts gone go, the rest change
    // in place, and new attempts come at the end. Sets, for a folder of
    // thousands.
    QStringList now;
    QSet<QString> there;
    for (const HandedInRecord& record : handedIn->records()) {
        now.append(HandedIn::attemptKey(record.attempt));
        there.insert(now.constLast());
    }
    for (int row = int(m_rows.size()) - 1; row >= 0; --row)
        if (!there.contains(m_rows[row])) {
            // Runs of rows go at once.
            int first = row;
            while (first > 0 && !there.contains(m_rows[first - 1]))
                --first;
            beginRemoveRows({}, first, row);
            m_rows.remove(first, row - first + 1);
            endRemoveRows();
            row = first;
        }
    const QSet<QString> shown(m_rows.cbegin(), m_rows.cend());
    QStringList added;
    for (const QString& key : std::as_const(now))
        if (!shown.contains(key))
            added.append(key);
    if (!added.isEmpty()) {
        beginInsertRows({}, int(m_rows.size()), int(m_rows.size() + added.size()) - 1);
        m_rows += added;
        endInsertRows();
    }
    if (!m_rows.isEmpty())
        emit dataChanged(index(0, 0), index(int(m_rows.size()) - 1, columnCount() - 1));
}

const HandedInRecord* AttemptTable::record(int row) const {
    if (!m_handedIn || row < 0 || row >= m_rows.size())
        return nullptr;
    return m_handedIn->record(m_rows[row]);
}

int AttemptTable::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_rows.size());
}

int AttemptTable::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant AttemptTable::data(const QModelIndex& index, int role) const {
    const HandedInRecord* shown = index.isValid() ? record(index.row()) : nullptr;
    if (!shown || index.column() >= columnCount())
        return {};
    const ClassTable::Column& column = *m_columns[size_t(index.column())];
    switch (role) {
    case Qt::DisplayRole:
        return column.shownCell(*shown);
    case SortRole:
        return column.sortKey(*shown);
    case Qt::ToolTipRole:
        return column.toolTip ? QVariant(column.toolTip(*shown)) : QVariant();
    default:
        return {};
    }
}

QVariant AttemptTable::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    return m_columns[size_t(section)]->headingText();
}
