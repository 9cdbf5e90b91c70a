// Files written together: each is written in full beside its place (a
// QSaveFile) and none replaces anything until every one has been written.
// Then they are put in place one by one; should that fail part-way, the
// files made by this group that did not stand before are taken away again.
// A file that stood at one of the paths keeps its content, or, when a rename
// failed after its own had succeeded, is replaced by a whole new one; it is
// never deleted.
#pragma once

#include <QList>
#include <QSaveFile>
#include <QString>

#include <memory>
#include <vector>

class SaveGroup {
public:
    // The device to write the next file to; null, with *error naming the
    // file, when it cannot be opened.
    QIODevice* open(const QString& fileName, QString* error);
    // After the file opened `index`-th was written: false, with *error, when
    // writing failed.
    bool written(size_t index, QString* error);
    // Puts every file in place; false, with *error naming the file that
    // could not be, after taking away what this group made.
    bool commit(QString* error);

    // "Cannot write FILE: REASON.", the reason as the system gives it.
    static QString cannotWrite(const QString& fileName, const QString& reason);
    // "Cannot write FILE. WHY", the program's own reason, a sentence of its own.
    static QString notWritten(const QString& fileName, const QString& why);

private:
    std::vector<std::unique_ptr<QSaveFile>> m_files;
};
