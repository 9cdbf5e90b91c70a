#include "handedin.h"

#include "model/visibletext.h"
#include "records/recordfolder.h"
#include "records/replay.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>

#include <algorithm>

namespace {

QString shownPath(const QString& path) {
    return VisibleText::escaped(QDir::toNativeSeparators(path));
}

bool sameAttempt(const Attempt& a, const Attempt& b) {
    return a.code == b.code && a.started == b.started && a.student == b.student;
}

// A student's name as a table sorts it.
QString sortName(const Attempt& attempt) {
    return attempt.student.name.toCaseFolded();
}

} // namespace

QString HandedIn::studentKey(const Attempt& attempt) {
    if (!attempt.student.id.isEmpty())
        return u'#' + attempt.student.id;
    if (attempt.student.isNamed())
        return u'=' + attempt.student.name.toCaseFolded();
    return QStringLiteral("@%1 %2").arg(attempt.code.text(),
                                        attempt.started.toString(Qt::ISODateWithMs));
}

void HandedIn::add(const QString& path) {
    const QFileInfo info(path);
    if (!info.isDir()) {
        read(path);
    } else {
        const QStringList files = RecordFolder(path).files();
        if (files.isEmpty())
            m_unread.append({path, tr("The folder holds no practice records (*.json).")});
        for (const QString& file : files)
            read(file);
    }
    countLatest();
}

void HandedIn::clear() {
    m_records.clear();
    m_unread.clear();
    m_filesRead = 0;
}

void HandedIn::read(const QString& file) {
    QString why;
    const std::optional<Attempt> recorded = RecordFolder::read(file, &why);
    if (!recorded) {
        m_unread.append({file, VisibleText::escaped(why)});
        return;
    }
    ++m_filesRead;
    Replay replayed = replay(*recorded);
    HandedInRecord read{file, std::move(replayed.attempt), std::move(replayed.slips),
                        std::move(replayed.edited)};
    for (HandedInRecord& record : m_records) {
        if (!sameAttempt(record.attempt, read.attempt))
            continue;
        read.copies = record.copies + 1;
        // Of two records of one attempt, the one that came further.
        if (read.attempt.updated > record.attempt.updated)
            record = std::move(read);
        else
            record.copies = read.copies;
        return;
    }
    m_records.append(std::move(read));
}

void HandedIn::countLatest() {
    std::stable_sort(m_records.begin(), m_records.end(),
                     [](const HandedInRecord& a, const HandedInRecord& b) {
                         const QString an = sortName(a.attempt), bn = sortName(b.attempt);
                         if (an != bn)
                             return an < bn;
                         if (a.attempt.student.id != b.attempt.student.id)
                             return a.attempt.student.id < b.attempt.student.id;
                         return a.attempt.started < b.attempt.started;
                     });
    // The latest finished, else the latest.
    const auto counts = [](const Attempt& a, const Attempt& b) {
        if (a.finished() != b.finished())
            return a.finished();
        return a.started > b.started;
    };
    QHash<QString, HandedInRecord*> latest;
    for (HandedInRecord& record : m_records) {
        record.counted = false;
        HandedInRecord*& best = latest[studentKey(record.attempt)];
        if (!best || counts(record.attempt, best->attempt))
            best = &record;
    }
    for (HandedInRecord* record : std::as_const(latest))
        record->counted = true;
}

QList<const HandedInRecord*> HandedIn::counted() const {
    QList<const HandedInRecord*> counted;
    for (const HandedInRecord& record : m_records)
        if (record.counted)
            counted.append(&record);
    return counted;
}

int HandedIn::students() const {
    return int(counted().size());
}

QStringList HandedIn::messages() const {
    QStringList messages;
    for (const UnreadRecord& unread : m_unread)
        //: %1 is a file or folder, %2 why, in a sentence of its own such as "The file is empty."
        messages.append(tr("%1 is left out. %2").arg(shownPath(unread.file), unread.reason));
    for (const HandedInRecord& record : m_records)
        if (record.edited)
            messages.append(editedMessage(record.file, *record.edited));
    return messages;
}

QString HandedIn::editedMessage(const QString& file, const QString& why) {
    //: %1 is the record's file; %2 names the check that differs, in a sentence of its own; the
    //: table and report show what its entry earns.
    return tr("The record %1 was edited. %2 The verdicts its entries earn are the ones shown.")
        .arg(shownPath(file), why);
}

QStringList HandedIn::overview() const {
    const int attempts = int(m_records.size());
    QStringList sentences = {tr("Records read: %1; students: %2; attempts: %3.")
                                 .arg(QString::number(m_filesRead), QString::number(students()),
                                      QString::number(attempts))};
    int copies = 0, edited = 0;
    for (const HandedInRecord& record : m_records) {
        copies += record.copies - 1;
        edited += record.edited.has_value();
    }
    if (copies > 0)
        sentences.append(
            tr("%n record(s) held an attempt read already, and it counts once.", nullptr, copies));
    if (attempts > students())
        sentences.append(tr("Where a student handed in more than one attempt, the latest finished "
                            "counts, else the latest; the table says which."));
    if (edited > 0)
        sentences.append(tr("%n record(s) were edited; what their entries earn is shown, not what "
                            "they say.",
                            nullptr, edited));
    if (!m_unread.isEmpty())
        sentences.append(
            tr("%n file(s) could not be read and are left out.", nullptr, int(m_unread.size())));
    return sentences;
}
