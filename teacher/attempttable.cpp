#include "attempttable.h"

#include "model/language.h"
#include "model/visibletext.h"
#include "records/attemptsummary.h"

#include <QLocale>

AttemptTable::AttemptTable(QObject* parent)
    : QAbstractTableModel(parent) {
}

void AttemptTable::setHandedIn(const HandedIn* handedIn) {
    beginResetModel();
    m_handedIn = handedIn;
    endResetModel();
}

int AttemptTable::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !m_handedIn ? 0 : int(m_handedIn->records().size());
}

int AttemptTable::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant AttemptTable::data(const QModelIndex& index, int role) const {
    if (!m_handedIn || !index.isValid() || index.row() >= rowCount())
        return {};
    if (role != Qt::DisplayRole && role != SortRole && role != Qt::ToolTipRole)
        return {};
    const HandedInRecord& record = m_handedIn->records()[index.row()];
    const Attempt& attempt = record.attempt;
    const auto yesOrNo = [](bool yes) {
        return yes ? tr("yes") : tr("no");
    };
    switch (Column(index.column())) {
    case Name:
        if (role == Qt::ToolTipRole)
            return VisibleText::escaped(record.file);
        return attempt.student.isNamed() ? VisibleText::escaped(attempt.student.name)
                                         : tr("nobody named");
    case IdNumber:
        return VisibleText::escaped(attempt.student.id);
    case Code:
        return role == SortRole ? QVariant(attempt.code.index()) : QVariant(attempt.code.text());
    case Started:
        return role == SortRole ? QVariant(attempt.started)
                                : QVariant(Language::dates().toString(attempt.started.toLocalTime(),
                                                                      QLocale::ShortFormat));
    case Score: {
        const AttemptSummary summary = summarize(attempt);
        return role == SortRole ? QVariant(summary.score)
                                : QVariant(tr("%1 of %2")
                                               .arg(QString::number(summary.score),
                                                    QString::number(summary.questionCount)));
    }
    case Finished:
        return role == SortRole ? QVariant(attempt.finished())
                                : QVariant(yesOrNo(attempt.finished()));
    case Edited:
        if (role == Qt::ToolTipRole)
            return record.edited.value_or(QString());
        return role == SortRole ? QVariant(record.edited.has_value())
                                : QVariant(yesOrNo(record.edited.has_value()));
    case Counted:
        return role == SortRole ? QVariant(record.counted) : QVariant(yesOrNo(record.counted));
    case ColumnCount:
        break;
    }
    return {};
}

QVariant AttemptTable::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (Column(section)) {
    case Name:
        //: The student's name.
        return tr("Name");
    case IdNumber:
        //: Moodle's word for the number a school knows a student by.
        return tr("ID number");
    case Code:
        //: The subject's code, such as M72-0.8-12.4.
        return tr("Code");
    case Started:
        //: When the student started the attempt: a date and time.
        return tr("Started");
    case Score:
        //: Questions right at the first try, "4 of 6".
        return tr("Score");
    case Finished:
        //: Whether the student finished the attempt: yes or no.
        return tr("Finished");
    case Edited:
        //: Whether the record was changed by hand: yes or no.
        return tr("Edited");
    case Counted:
        //: Whether this attempt is the one that counts for its student: yes or no.
        return tr("Counted");
    case ColumnCount:
        break;
    }
    return {};
}
