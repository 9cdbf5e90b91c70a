#include "recordfolder.h"

#include "model/logging.h"
#include "recordjson.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>

namespace {

bool fail(QString* error, const QString& message) {
    if (error)
        *error = message;
    return false;
}

// Qt's error strings end with a full stop or not, depending on where they come from.
QString sentence(const QString& text) {
    return text.endsWith(u'.') ? text : text + u'.';
}

} // namespace

RecordFolder::RecordFolder(const QString& path)
    : m_path(path) {
}

QString RecordFolder::defaultPath() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/practice");
}

QString RecordFolder::filePath(const Attempt& attempt) const {
    return QDir(m_path).filePath(attempt.fileName());
}

std::optional<Attempt> RecordFolder::read(const QString& fileName, QString* error) {
    const auto refuse = [error](const QString& why) {
        if (error)
            *error = why;
        return std::nullopt;
    };
    const QFileInfo info(fileName);
    // Each reason follows a sentence that names the file.
    if (info.isDir())
        //: Follows a sentence that names the path.
        return refuse(tr("The path is a folder, not a record."));
    if (info.exists() && !info.isFile())
        //: Follows a sentence that names the path.
        return refuse(tr("The path is not a regular file (it may be a FIFO, a socket or a "
                         "device), so it was not opened."));
    QFile file(fileName);
    if (const std::optional<QString> problem = RecordJson::tooLarge(file.size()))
        return refuse(*problem);
    //: Follows a sentence that names the file; %1 is the system's reason.
    const char* const unreadable = QT_TR_NOOP("The file cannot be read: %1");
    if (!file.open(QIODevice::ReadOnly))
        return refuse(tr(unreadable).arg(sentence(file.errorString())));
    // A byte past the largest record is enough to refuse a file that grew
    // since its size was taken.
    const QByteArray data = file.read(RecordJson::largestFile + 1);
    if (file.error() != QFileDevice::NoError)
        return refuse(tr(unreadable).arg(sentence(file.errorString())));
    return RecordJson::read(data, error);
}

QFileInfoList RecordFolder::entries() const {
    QFileInfoList found = QDir(m_path).entryInfoList(QDir::Files | QDir::System, QDir::Name);
    // The suffix is matched here, not by a name filter: a filter is a regular
    // expression, and its per-thread JIT stack, left by the watch's thread,
    // hung the Windows build at exit (winpthreads' key lock, seen under Wine).
    found.removeIf([](const QFileInfo& entry) {
        return !entry.fileName().endsWith(u".json", Qt::CaseInsensitive);
    });
    return found;
}

QStringList RecordFolder::files() const {
    QStringList paths;
    for (const QFileInfo& entry : entries())
        paths.append(entry.filePath());
    return paths;
}

RecordFolder::Loaded RecordFolder::load() const {
    Loaded loaded;
    const QFileInfo where(m_path);
    if (where.exists() && (!where.isDir() || !where.isReadable())) {
        const QString shown = QDir::toNativeSeparators(m_path);
        const QString problem = where.isDir() ? tr("The folder %1 cannot be read.").arg(shown)
                                              : tr("%1 is not a folder.").arg(shown);
        qCWarning(lcKorvanel, "Practice records not read, %s", qUtf8Printable(problem));
        loaded.problems.append(problem);
        return loaded;
    }
    for (const QString& file : files()) {
        QString why;
        if (std::optional<Attempt> attempt = read(file, &why)) {
            loaded.attempts.append(std::move(*attempt));
            continue;
        }
        //: %1 is a file's name, %2 why, in a sentence of its own such as "The file is empty."
        const QString problem = tr("%1 is passed over. %2").arg(QFileInfo(file).fileName(), why);
        qCWarning(lcKorvanel, "Practice record skipped, %s", qUtf8Printable(problem));
        loaded.problems.append(problem);
    }
    std::stable_sort(loaded.attempts.begin(), loaded.attempts.end(),
                     [](const Attempt& a, const Attempt& b) { return a.started < b.started; });
    return loaded;
}

std::optional<Attempt> RecordFolder::unfinished(const SubjectCode& code,
                                                const Student& student) const {
    std::optional<Attempt> latest;
    for (Attempt& attempt : load().attempts)
        if (attempt.code == code && !attempt.finished() &&
            (!attempt.student.isNamed() || attempt.student == student) &&
            (!latest || attempt.updated >= latest->updated))
            latest = std::move(attempt);
    return latest;
}

bool RecordFolder::save(const Attempt& attempt, QString* error) const {
    if (!QDir().mkpath(m_path)) {
        //: %2 says why, in a sentence of its own.
        return fail(
            error,
            tr("Cannot save the practice record %1. %2")
                .arg(QDir::toNativeSeparators(filePath(attempt)),
                     tr("The folder %1 cannot be made.").arg(QDir::toNativeSeparators(m_path))));
    }
    return write(attempt, filePath(attempt), error);
}

bool RecordFolder::write(const Attempt& attempt, const QString& fileName, QString* error) {
    const QString shown = QDir::toNativeSeparators(fileName);
    //: %2 says why, in a sentence of its own.
    const auto cannotSave = [&](const QString& why) {
        return fail(error, tr("Cannot save the practice record %1. %2").arg(shown, why));
    };
    //: %2 is the system's reason.
    const auto systemRefuses = [&](const QString& why) {
        return fail(error, tr("Cannot save the practice record %1: %2").arg(shown, why));
    };
    // What could not be read back must not replace what can.
    if (const std::optional<QString> fault = attempt.fault())
        return cannotSave(*fault);
    const QByteArray json = RecordJson::write(attempt);
    if (const std::optional<QString> problem = RecordJson::tooLarge(json.size()))
        return cannotSave(*problem);
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return systemRefuses(sentence(file.errorString()));
    if (file.write(json) != json.size() || !file.commit())
        return systemRefuses(sentence(file.errorString()));
    return true;
}
