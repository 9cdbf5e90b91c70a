#include "handinfolder.h"

#include "model/visibletext.h"
#include "recordfolder.h"

#include <QDir>
#include <QFileInfo>

namespace {

bool refusedByWindows(QChar c) {
    return QStringView(u"<>:\"/\\|?*").contains(c) ||
           (!c.isSurrogate() && VisibleText::isControl(c.unicode()));
}

// The student's part of a name: the ID number, else the name, in its
// composed form (as macOS and cloud clients would compare it), each
// character Windows refuses made "_", blanks run together, and no more than
// longestWho characters, a surrogate pair kept whole.
QString who(const Student& student) {
    // Through UTF-8 and back: a surrogate without its pair, which no file
    // system takes, comes back as "?", and so "_".
    QString text = QString::fromUtf8((student.id.isEmpty() ? student.name : student.id).toUtf8())
                       .normalized(QString::NormalizationForm_C);
    for (QChar& c : text)
        if (refusedByWindows(c))
            c = u'_';
    text = text.simplified();
    if (text.size() > HandInFolder::longestWho) {
        qsizetype end = HandInFolder::longestWho;
        if (text[end - 1].isHighSurrogate())
            --end;
        text.truncate(end);
    }
    while (!text.isEmpty() && (text.back() == u'.' || text.back() == u' '))
        text.chop(1);
    return text;
}

} // namespace

HandInFolder::HandInFolder(const QString& path)
    : m_path(path) {
}

QString HandInFolder::fileName(const Attempt& attempt) {
    const QString student = who(attempt.student);
    return student.isEmpty() ? attempt.fileName() : student + u' ' + attempt.fileName();
}

QString HandInFolder::filePath(const Attempt& attempt) const {
    return QDir(m_path).filePath(fileName(attempt));
}

std::optional<QString> HandInFolder::problem() const {
    const QFileInfo folder(m_path);
    const QString shown = QDir::toNativeSeparators(m_path);
    if (!folder.exists())
        //: A hand-in folder on a USB stick that was pulled, or a share that is offline.
        return tr("The hand-in folder %1 cannot be reached.").arg(shown);
    if (!folder.isDir())
        return tr("The hand-in folder %1 names a file, not a folder.").arg(shown);
    return std::nullopt;
}

bool HandInFolder::save(const Attempt& attempt, QString* fileName, QString* error) const {
    *fileName = filePath(attempt);
    if (const std::optional<QString> why = problem()) {
        if (error)
            *error = *why;
        return false;
    }
    return RecordFolder::write(attempt, *fileName, error);
}
