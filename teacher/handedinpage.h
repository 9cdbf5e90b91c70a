// The records a class handed in: files or folders chosen or dropped, or a
// folder watched as students hand in to it; a sortable table of the
// attempts, each shown in full when activated; the chart of the class; the
// records that could not be read or were edited, with their reasons; and
// the class's table, the gradebook file and the report exported.
#pragma once

#include "classwork/handedin.h"

#include <QSet>
#include <QWidget>

#include <memory>

class Announcer;
class AttemptTable;
class ChartView;
class FolderWatch;
class QLabel;
class QListWidget;
class QModelIndex;
class QPushButton;
class QSortFilterProxyModel;
class QTableView;
class QTimer;

class HandedInPage : public QWidget {
    Q_OBJECT

public:
    explicit HandedInPage(QWidget* parent = nullptr);
    ~HandedInPage() override;

    const HandedIn& handedIn() const { return m_handedIn; }
    QTableView* table() const { return m_view; }
    AttemptTable* tableModel() const { return m_model; }
    ChartView* chart() const { return m_chart; }
    QListWidget* problems() const { return m_problems; }
    QString overview() const;
    // The folder watched, if any.
    QString watched() const;

    // Writes the class's table, the gradebook file or the report; false,
    // with the reason shown, when it cannot.
    bool exportTable(const QString& fileName);
    bool exportGradebook(const QString& fileName);
    bool exportReport(const QString& fileName);

public slots:
    void add(const QStringList& paths);
    // Follows `folder` from now on, in place of any watched before.
    void watch(const QString& folder);
    void clear();
    void chooseFiles();
    void chooseFolder();
    void chooseWatched();
    void exportTable();
    void exportGradebook();
    void exportReport();
    // The attempt of a row of the view, in full.
    void showAttempt(const QModelIndex& index);

private:
    void changed(const QList<HandedIn::Reading>& readings, const QStringList& gone);
    void showChanges();
    void refresh();
    void tellArrivals();

    HandedIn m_handedIn;
    AttemptTable* m_model;
    QSortFilterProxyModel* m_sorted;
    QTableView* m_view;
    ChartView* m_chart;
    QLabel* m_overview;
    QListWidget* m_problems;
    QWidget* m_problemsBox; // the list and its label, shown while it lists any
    QPushButton* m_exportTable;
    QPushButton* m_exportGradebook;
    QPushButton* m_exportReport;
    Announcer* m_announcer;
    QString m_lastFolder;
    std::unique_ptr<FolderWatch> m_watch;
    QString m_watchProblem;       // the watched folder cannot be reached: why
    bool m_watchStarting = false; // its first look is yet to come
    QStringList m_arrivals;       // attempts come in since last said, by whom
    QTimer* m_arrivalsQuiet;      // between two sayings
    QTimer* m_showPending;        // shows the changes come since the last were shown
    QList<HandedIn::Reading> m_pendingReadings;
    QStringList m_pendingGone;
    QSet<QString> m_attempts;    // attemptKey of each record shown
    QStringList m_shownMessages; // what the list of problems shows
};
