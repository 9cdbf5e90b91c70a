// Where a student hands in: a folder that the teacher reads (a share in a
// lab, a folder a cloud client syncs, a USB stick). The attempt's record is
// kept there after every change, replaced whole, under a name that says
// whose it is, valid on Windows, SMB and cloud-synced folders alike:
// "20231 M72-0.8-12.4 2026-12-08T174123.512Z.json". The folder is never
// made: one that is not there (a stick pulled, a share offline) is said to
// be out of reach, and written to again once it is back.
#pragma once

#include "attempt.h"

#include <QCoreApplication>
#include <QString>

#include <optional>

class HandInFolder {
    Q_DECLARE_TR_FUNCTIONS(HandInFolder)

public:
    // The most a name takes of the student's ID number or name.
    static constexpr qsizetype longestWho = 40;

    explicit HandInFolder(const QString& path);

    QString path() const { return m_path; }
    // The attempt's record there: the student's ID number, or without one
    // the name, then the code and the start. No character that Windows
    // refuses (< > : " / \ | ? * and control characters), no name ending
    // in a blank or a point, and never a device's name (CON, NUL, COM1...),
    // which the code that follows the student's part rules out.
    static QString fileName(const Attempt& attempt);
    QString filePath(const Attempt& attempt) const;

    // Why records cannot be handed in there, in a sentence that names the
    // folder, or nothing.
    std::optional<QString> problem() const;
    // Writes the record, replacing the attempt's earlier one; false, with
    // *error naming the folder or the file, when it cannot.
    bool save(const Attempt& attempt, QString* fileName, QString* error) const;

private:
    QString m_path;
};
