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

// A student's name as a table sorts it.
QString sortName(const Attempt& attempt) {
    return attempt.student.name.toCaseFolded();
}

} // namespace

QString HandedIn::attemptKey(const Attempt& attempt) {
    // Not its last update: a record handed in part-way and again later is
    // one attempt.
    return QStringLiteral("%1 %2 %3 #%4")
        .arg(attempt.code.text(), attempt.started.toString(Qt::ISODateWithMs), attempt.student.name,
             attempt.student.id);
}

QString HandedIn::studentKey(const Attempt& attempt) {
    if (!attempt.student.id.isEmpty())
        return u'#' + attempt.student.id;
    if (attempt.student.isNamed())
        return u'=' + attempt.student.name.toCaseFolded();
    return QStringLiteral("@%1 %2").arg(attempt.code.text(),
                                        attempt.started.toString(Qt::ISODateWithMs));
}

HandedIn::Reading HandedIn::read(const QString& file) {
    QString why;
    const std::optional<Attempt> recorded = RecordFolder::read(file, &why);
    if (!recorded)
        return {file, std::nullopt, VisibleText::escaped(why)};
    Replay replayed = replay(*recorded);
    const AttemptSummary summary = summarize(replayed.attempt);
    return {file,
            HandedInRecord{file, std::move(replayed.attempt), summary, std::move(replayed.slips),
                           std::move(replayed.edited), std::move(replayed.faults)},
            {}};
}

void HandedIn::add(const QString& path) {
    const QFileInfo info(path);
    if (!info.isDir()) {
        put(read(path));
        return;
    }
    if (!info.isReadable() || !QDir(path).isReadable()) {
        //: Follows a sentence that names the folder.
        put({path, std::nullopt, tr("The folder cannot be read.")});
        return;
    }
    const QStringList files = RecordFolder(path).files();
    if (files.isEmpty())
        //: Follows a sentence that names the folder.
        put({path, std::nullopt, tr("The folder holds no practice records (*.json).")});
    for (const QString& file : files) {
        if (!m_readings.contains(file))
            m_order.append(file);
        m_readings.insert(file, read(file));
    }
    rebuild();
}

void HandedIn::put(const Reading& reading) {
    if (!m_readings.contains(reading.file))
        m_order.append(reading.file);
    m_readings.insert(reading.file, reading);
    rebuild();
}

void HandedIn::update(const QList<Reading>& readings, const QStringList& gone) {
    for (const QString& file : gone)
        if (m_readings.remove(file))
            m_order.removeOne(file);
    for (const Reading& reading : readings) {
        if (!m_readings.contains(reading.file))
            m_order.append(reading.file);
        m_readings.insert(reading.file, reading);
    }
    rebuild();
}

bool HandedIn::remove(const QString& file) {
    if (!m_readings.remove(file))
        return false;
    m_order.removeOne(file);
    rebuild();
    return true;
}

void HandedIn::clear() {
    m_order.clear();
    m_readings.clear();
    rebuild();
}

const HandedInRecord* HandedIn::record(const QString& key) const {
    const auto place = m_byAttempt.constFind(key);
    return place == m_byAttempt.cend() ? nullptr : &m_records[*place];
}

int HandedIn::filesRead() const {
    int read = 0;
    for (const HandedInRecord& record : m_records)
        read += record.copies;
    return read;
}

// The records and the unread of every file's reading, in the order the
// files were read.
void HandedIn::rebuild() {
    m_records.clear();
    m_unread.clear();
    m_byAttempt.clear();
    QHash<QString, qsizetype> byAttempt;
    for (const QString& file : std::as_const(m_order)) {
        const Reading& reading = m_readings[file];
        if (!reading.record) {
            m_unread.append({reading.file, reading.reason});
            continue;
        }
        const QString key = attemptKey(reading.record->attempt);
        const auto known = byAttempt.constFind(key);
        if (known == byAttempt.cend()) {
            byAttempt.insert(key, m_records.size());
            m_records.append(*reading.record);
            continue;
        }
        // Of two records of one attempt, the one that came further.
        HandedInRecord& record = m_records[*known];
        const int copies = record.copies + 1;
        if (reading.record->attempt.updated > record.attempt.updated)
            record = *reading.record;
        record.copies = copies;
    }
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
    for (qsizetype i = 0; i < m_records.size(); ++i) {
        HandedInRecord& record = m_records[i];
        m_byAttempt.insert(attemptKey(record.attempt), i);
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
                                 .arg(QString::number(filesRead()), QString::number(students()),
                                      QString::number(attempts))};
    int copies = 0, edited = 0;
    for (const HandedInRecord& record : m_records) {
        copies += record.copies - 1;
        edited += record.edited.has_value();
    }
    if (copies > 0)
        sentences.append(tr("%n record(s) held an attempt read already; each attempt counts once.",
                            nullptr, copies));
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
