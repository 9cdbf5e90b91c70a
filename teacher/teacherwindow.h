// Korvanel for teachers: a window of its own with two pages, the class set
// to print (worksheets and answer keys for random subjects or listed codes)
// and the records handed in (the table of attempts, the chart of the class,
// the CSV and the report). Record files and folders dropped on the window
// are read as handed in.
#pragma once

#include <QWidget>

class ClassSetPage;
class HandedInPage;
class QTabWidget;

class TeacherWindow : public QWidget {
    Q_OBJECT

public:
    explicit TeacherWindow(QWidget* parent = nullptr);

    ClassSetPage* classSet() const { return m_classSet; }
    HandedInPage* handedIn() const { return m_handedIn; }
    QTabWidget* pages() const { return m_pages; }

    // Reads records given as files or folders, and shows them.
    void addRecords(const QStringList& paths);
    // Follows the folder students hand in to, and shows its records.
    void watch(const QString& folder);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    QTabWidget* m_pages;
    ClassSetPage* m_classSet;
    HandedInPage* m_handedIn;
};
