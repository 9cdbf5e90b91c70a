// The practice records a class hands in, as a teacher reads them: record
// files and folders of them, each record replayed through the judge, two
// records of one attempt (the same file handed in twice, a copy, or one
// handed in part-way and again later) counted once, the one that came
// furthest standing for it, and for each student the attempt that counts:
// the latest finished, else the latest. What cannot be read is kept with
// its reason. Each file's reading can be put anew or taken away, for a
// folder watched as records arrive and change.
#pragma once

#include "records/attempt.h"
#include "records/attemptsummary.h"

#include <QCoreApplication>
#include <QHash>
#include <QList>
#include <QString>

#include <optional>

struct HandedInRecord {
    QString file;                  // where it was read, as given
    Attempt attempt;               // its checks as the judge replays them
    AttemptSummary summary;        // of the replayed checks
    QList<int> slips;              // for each check, the known slip met, or -1
    std::optional<QString> edited; // why it is taken for edited, naming the check
    QStringList faults;            // for each check, why it is at fault, or empty
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
    // What one file came to: its record, or why it was not read.
    struct Reading {
        QString file;
        std::optional<HandedInRecord> record;
        QString reason; // where there is no record
    };
    // Reads and replays one file; touches nothing shared, so any thread may.
    static Reading read(const QString& file);

    // Reads a record file, or every *.json in a folder.
    void add(const QString& path);
    // A file's reading, in place of the one it had, if any.
    void put(const Reading& reading);
    // Readings put and files' readings taken away, all at once.
    void update(const QList<Reading>& readings, const QStringList& gone);
    // A file's reading taken away; false where it had none.
    bool remove(const QString& file);
    void clear();

    // One for each attempt, by student (name, then ID number), then start.
    const QList<HandedInRecord>& records() const { return m_records; }
    const QList<UnreadRecord>& unread() const { return m_unread; }
    // The record of an attempt (attemptKey), or null.
    const HandedInRecord* record(const QString& attemptKey) const;
    QList<const HandedInRecord*> counted() const;
    int filesRead() const; // copies included
    int students() const;

    // What a teacher is told of each file: why it was left out, or that the
    // record was edited, control characters escaped.
    QStringList messages() const;
    // The whole in a few sentences: how many records, students and
    // attempts; copies counted once; which attempt of a student counts;
    // records edited; files not read.
    QStringList overview() const;

    // One attempt, whichever records hold it: its code, start and student.
    static QString attemptKey(const Attempt& attempt);
    // Whose attempts are one student's: the same ID number, or without one
    // the same name, whatever its case; nobody named is a student of each
    // attempt.
    static QString studentKey(const Attempt& attempt);
    // "The record FILE was edited. WHY The verdicts its entries earn are the
    // ones shown.", the file's name escaped.
    static QString editedMessage(const QString& file, const QString& why);

private:
    void rebuild();

    QStringList m_order; // files and folders in the order first read
    QHash<QString, Reading> m_readings;
    QList<HandedInRecord> m_records; // made of the readings
    QList<UnreadRecord> m_unread;
    QHash<QString, qsizetype> m_byAttempt; // place in m_records
};
