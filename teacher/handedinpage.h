// The records a class handed in: files or folders chosen or dropped, a
// sortable table of the attempts, the chart of the class, the records that
// could not be read or were edited with their reasons, and the table and
// the report exported.
#pragma once

#include "classwork/handedin.h"

#include <QWidget>

class Announcer;
class AttemptTable;
class ChartView;
class QLabel;
class QListWidget;
class QPushButton;
class QSortFilterProxyModel;
class QTableView;

class HandedInPage : public QWidget {
    Q_OBJECT

public:
    explicit HandedInPage(QWidget* parent = nullptr);

    const HandedIn& handedIn() const { return m_handedIn; }
    QTableView* table() const { return m_view; }
    ChartView* chart() const { return m_chart; }
    QListWidget* problems() const { return m_problems; }
    QString overview() const;

    // Writes the CSV or the report; false, with the reason shown, when it cannot.
    bool exportTable(const QString& fileName);
    bool exportReport(const QString& fileName);

public slots:
    void add(const QStringList& paths);
    void clear();
    void chooseFiles();
    void chooseFolder();
    void exportTable();
    void exportReport();

private:
    void refresh();
    QString askFileName(const QString& title, const QString& suggested, const QString& filter);

    HandedIn m_handedIn;
    AttemptTable* m_model;
    QSortFilterProxyModel* m_sorted;
    QTableView* m_view;
    ChartView* m_chart;
    QLabel* m_overview;
    QListWidget* m_problems;
    QWidget* m_problemsBox; // the list and its label, shown while it lists any
    QPushButton* m_exportTable;
    QPushButton* m_exportReport;
    Announcer* m_announcer;
    QString m_lastFolder;
};
