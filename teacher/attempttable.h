// The attempts handed in as a table model for a QTableView: a row for each
// attempt, the class table's columns for the screen (classtable.h). Sorted
// through a QSortFilterProxyModel by SortRole. As the records change, rows
// are added, changed and taken away one by one, so that a view keeps its
// sorting, its selection and where it is scrolled to.
#pragma once

#include "classwork/classtable.h"
#include "classwork/handedin.h"

#include <QAbstractTableModel>

class AttemptTable : public QAbstractTableModel {
    Q_OBJECT

public:
    // The columns whose cells tests and the window look at.
    enum Column { Name, IdNumber, Code, Started, Score, Finished, Edited, Counted };
    static constexpr int SortRole = Qt::UserRole;

    explicit AttemptTable(QObject* parent = nullptr);

    // Shows `handedIn`, which must outlive the table or be replaced first;
    // again after it changed, row by row.
    void setHandedIn(const HandedIn* handedIn);
    // The record of a row, or null.
    const HandedInRecord* record(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    const HandedIn* m_handedIn = nullptr;
    std::vector<const ClassTable::Column*> m_columns;
    QStringList m_rows; // each row's attempt, by HandedIn::attemptKey
};
