// The practice records a class hands in, as a teacher reads them: record
// files and folders of them, each record replayed through the judge, two
// records of one attempt (the same file handed in twice, or a copy)
// counted once, and for each student the attempt that counts: the latest
// finished, else the latest. What cannot be read is kept with its reason.
#pragma once

#include "records/attempt.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

#include <optional>

struct HandedInRecord {
    QString file;                  // where it was read, as given
    Attempt attempt;               // its checks as the judge replays them
    QList<int> slips;              // for each check, the known slip met, or -1
    std::optional<QString> edited; // why it is taken for edited, naming the check
    int copies = 1;                // records of this attempt that were handed in
    bool counted = false;          // the attempt that counts for its student
};

struct UnreadRecord {
    QString file;   // as given
    QString reason; // one sentence, control characters escaped
};

class HandedIn {
    Q_DECLARE_TR_FUNCTIONS(HandedIn)

public:
    // Reads a record file, or every *.json in a folder.
    void add(const QString& path);
    void clear();

    // One for each attempt, by student (name, then ID number), then start.
    const QList<HandedInRecord>& records() const { return m_records; }
    const QList<UnreadRecord>& unread() const { return m_unread; }
    QList<const HandedInRecord*> counted() const;
    int filesRead() const { return m_filesRead; } // copies included
    int students() const;

    // What a teacher is told of each file: "FILE: why it was skipped" and
    // "FILE: the record was edited...", control characters escaped.
    QStringList messages() const;
    // The whole in a few sentences: how many records, students and
    // attempts; copies counted once; which attempt of a student counts;
    // records edited; files not read.
    QStringList overview() const;

    // Whose attempts are one student's: the same ID number, or without one
    // the same name, whatever its case; nobody named is a student of each
    // attempt.
    static QString studentKey(const Attempt& attempt);
    // "FILE: the record was edited. WHY The verdicts its entries earn are
    // the ones shown.", the file's name escaped.
    static QString editedMessage(const QString& file, const QString& why);

private:
    void read(const QString& file);
    void countLatest();

    QList<HandedInRecord> m_records;
    QList<UnreadRecord> m_unread;
    int m_filesRead = 0;
};
