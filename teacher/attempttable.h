// The attempts handed in as a table model for a QTableView: a row for each
// attempt, its student, code, start, score and whether it was finished,
// edited and counted. Sorted through a QSortFilterProxyModel by SortRole.
#pragma once

#include "classwork/handedin.h"

#include <QAbstractTableModel>

class AttemptTable : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { Name, IdNumber, Code, Started, Score, Finished, Edited, Counted, ColumnCount };
    static constexpr int SortRole = Qt::UserRole;

    explicit AttemptTable(QObject* parent = nullptr);

    // Shows `handedIn`, which must outlive the table or be replaced first.
    void setHandedIn(const HandedIn* handedIn);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    const HandedIn* m_handedIn = nullptr;
};
