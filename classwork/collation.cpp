#include "collation.h"

#include "classtable.h"
#include "model/language.h"
#include "model/savegroup.h"
#include "model/visibletext.h"

#include <QHash>
#include <QSaveFile>

#include <algorithm>

namespace {

// OWASP's advice against formulas in CSV: what starts like one starts with
// an apostrophe instead. A tab or a CR at the start is written out already.
QString asText(const QString& field) {
    return looksLikeFormula(field) ? u'\'' + field : field;
}

QByteArray table(const std::vector<const ClassTable::Column*>& columns,
                 const QList<const HandedInRecord*>& rows) {
    QStringList header;
    for (const ClassTable::Column* column : columns)
        header.append(column->csvHeader);
    QByteArray csv = csvLine(header);
    for (const HandedInRecord* record : rows) {
        QStringList line;
        for (const ClassTable::Column* column : columns)
            line.append(column->csvCell(*record));
        csv += csvLine(line);
    }
    return csv;
}

} // namespace

bool looksLikeFormula(QStringView field) {
    return !field.isEmpty() && QStringView(u"=+-@").contains(field[0]);
}

QByteArray csvLine(const QStringList& fields) {
    QByteArray line;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0)
            line += ',';
        QByteArray text = asText(VisibleText::escaped(fields[i])).toUtf8();
        if (text.contains(',') || text.contains('"'))
            text = '"' + text.replace('"', "\"\"") + '"';
        line += text;
    }
    return line + "\r\n";
}

QByteArray collateCsv(const QList<HandedInRecord>& records) {
    QList<const HandedInRecord*> rows;
    for (const HandedInRecord& record : records)
        rows.append(&record);
    return table(ClassTable::columnsFor(ClassTable::Csv), rows);
}

Gradebook::Gradebook(const HandedIn& handedIn) {
    const QList<const HandedInRecord*> counted = handedIn.counted();
    // The names each ID number is given, over every attempt.
    QHash<QString, QStringList> names;
    for (const HandedInRecord& record : handedIn.records()) {
        const Student& student = record.attempt.student;
        QStringList& known = names[student.id];
        if (!known.contains(student.name, Qt::CaseInsensitive))
            known.append(student.name);
    }
    QList<const HandedInRecord*> rows;
    for (const HandedInRecord* record : counted) {
        const Student& student = record->attempt.student;
        const QString who = student.isNamed() ? VisibleText::escaped(student.name)
                                              : VisibleText::escaped(record->file);
        const QString id = VisibleText::escaped(student.id);
        if (student.id.trimmed().isEmpty())
            //: %1 is a student's name, or the record's file where it names nobody.
            leftOut.append(tr("%1 is left out of the gradebook file: the attempt gives no ID "
                              "number, by which the gradebook finds a student.")
                               .arg(who));
        else if (names.value(student.id).size() > 1)
            //: %1 is an ID number, %2 the names the records give with it: "Ana and Ben".
            leftOut.append(
                tr("ID number %1 is left out of the gradebook file: it is given to "
                   "more than one student (%2).")
                    .arg(id, Language::current().createSeparatedList(names.value(student.id))));
        else if (looksLikeFormula(student.id) || VisibleText::hasControl(student.id))
            //: %1 is a student's name, %2 the ID number.
            leftOut.append(tr("%1 is left out of the gradebook file: the ID number \"%2\" would "
                              "be read as a formula or holds a control character, and the "
                              "gradebook would find nobody by it.")
                               .arg(who, id));
        else
            rows.append(record);
    }
    // The ID number first: Moodle's "Map from" starts on the first column.
    std::vector<const ClassTable::Column*> columns = ClassTable::columnsFor(ClassTable::Gradebook);
    std::stable_partition(columns.begin(), columns.end(), [](const ClassTable::Column* column) {
        return column->csvHeader == u"ID number";
    });
    csv = table(columns, rows);
}

bool writeTable(const QByteArray& data, const QString& fileName, QString* error) {
    QSaveFile file(fileName);
    if (file.open(QIODevice::WriteOnly) && file.write(data) == data.size() && file.commit())
        return true;
    if (error)
        *error = SaveGroup::cannotWrite(fileName, file.errorString());
    return false;
}
