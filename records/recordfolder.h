// The folder that keeps a student's practice records, one JSON file per
// attempt: read whole, a damaged file skipped with its reason and left as
// it is; written whole, never half.
#pragma once

#include "attempt.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class RecordFolder {
    Q_DECLARE_TR_FUNCTIONS(RecordFolder)

public:
    explicit RecordFolder(const QString& path);

    // Where the program keeps them: "practice" in the application's data
    // folder (~/.local/share/Korvanel/practice, %APPDATA%\Korvanel\practice),
    // once the application's name is set.
    static QString defaultPath();

    QString path() const { return m_path; }
    QString filePath(const Attempt& attempt) const;
    // What may be records, *.json in any case, by name: regular files and
    // whatever else stands there under such a name (a FIFO, a socket, a
    // device), for read() to name and pass over. The entries carry what the
    // listing learnt of each file, so that a watch asks the disk once.
    QFileInfoList entries() const;
    QStringList files() const;

    struct Loaded {
        QList<Attempt> attempts; // by start time
        QStringList problems;    // "name.json: why it was skipped", one a file
    };
    // Every *.json in the folder; none when the folder does not exist yet.
    // Each file that is not a record is skipped, warned about in lcKorvanel
    // and named in problems; nothing is changed on disk.
    Loaded load() const;

    // The unfinished attempt of `code` by `student` (or by nobody named)
    // last updated, if any, as its record says; Session::continueAttempt()
    // replays it.
    std::optional<Attempt> unfinished(const SubjectCode& code, const Student& student = {}) const;

    // Writes the record in place of the attempt's earlier one, making the
    // folder if need be; the file is replaced whole or not at all. On
    // failure *error says why in one sentence that names the file, at
    // every save that fails.
    bool save(const Attempt& attempt, QString* error = nullptr) const;

    // Writes the record to `fileName`, replaced whole or not at all; a
    // record that could not be read back is not written. On failure *error
    // says why in sentences that name the file.
    static bool write(const Attempt& attempt, const QString& fileName, QString* error = nullptr);

    // One record file, read at most to RecordJson::largestFile; nothing when it
    // is not a record, and then *error says why. Only a regular file is
    // opened: a FIFO would keep the program waiting for ever.
    static std::optional<Attempt> read(const QString& fileName, QString* error = nullptr);

private:
    QString m_path;
};
