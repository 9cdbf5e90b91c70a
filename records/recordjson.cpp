#include "recordjson.h"

#include "model/buildinfo.h"
#include "model/visibletext.h"
#include "stages/exercise.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>

#include <cctype>
#include <cmath>
#include <cstdio>
#include <iterator>

namespace {

using enum Field;

const QString formatMark = QStringLiteral("korvanel practice record");
// 2: the student's name and ID number. A record of version 1 reads with nobody named.
constexpr int formatVersion = 2;

// The names records give the fields: written into files, so never renamed.
constexpr std::pair<Field, QStringView> fieldNames[] = {
    {totalLactate, u"totalLactate"},
    {glucoseCost, u"glucoseCost"},
    {liverGlycogenCost, u"liverGlycogenCost"},
    {muscleGlycogenCost, u"muscleGlycogenCost"},
    {atpNeeded, u"atpNeeded"},
    {lactateOxidised, u"lactateOxidised"},
    {extraOxygen, u"extraOxygen"},
    {percentIncrease, u"percentIncrease"},
};
static_assert(std::size(fieldNames) == fieldCount);

QString nameOf(Field field) {
    for (const auto& [f, name] : fieldNames)
        if (f == field)
            return name.toString();
    return {};
}

std::optional<Field> fieldNamed(QStringView name) {
    for (const auto& [f, text] : fieldNames)
        if (text == name)
            return f;
    return std::nullopt;
}

// What a record holds, quoted in a message: at most 40 characters, none of
// them a control character.
QString quoted(const QString& text) {
    return VisibleText::escaped(QStringView(text).left(40));
}

// Records are written here and read with QJsonDocument. Building Qt's
// JSON objects for an attempt of 300 checks and writing them took 1.4 to
// 3 ms on the benchmark machine, most of the 2 ms a save after a check may
// take; this writes the same JSON, a check a line, in 0.2 to 0.4 ms
// (bench_record).
void appendText(QByteArray& json, const QString& text) {
    const char hex[] = "0123456789abcdef";
    const auto escape = [&](char16_t c) {
        json += "\\u";
        for (int shift = 12; shift >= 0; shift -= 4)
            json += hex[(c >> shift) & 15];
    };
    json += '"';
    qsizetype done = 0; // of `text`, written
    for (qsizetype i = 0; i <= text.size(); ++i) {
        // A surrogate without its pair has no UTF-8: written out, it reads
        // back as it was, where UTF-8 would make it U+FFFD.
        const bool lone =
            i < text.size() && text[i].isSurrogate() &&
            !(text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) &&
            !(text[i].isLowSurrogate() && i > 0 && text[i - 1].isHighSurrogate());
        if (i < text.size() && !lone)
            continue;
        for (const char c : QStringView(text).sliced(done, i - done).toUtf8()) {
            if (c == '"' || c == '\\') {
                json += '\\';
                json += c;
            } else if (static_cast<unsigned char>(c) < 0x20) {
                escape(char16_t(c));
            } else {
                json += c;
            }
        }
        if (lone)
            escape(text[i].unicode());
        done = i + 1;
    }
    json += '"';
}

// "2026-12-08T17:41:23.512Z"; Qt's ISO text for a year outside 0 to 9999.
void appendTime(QByteArray& json, const QDateTime& time) {
    const QDateTime utc = time.toUTC();
    const QDate d = utc.date();
    const QTime t = utc.time();
    if (!d.isValid() || d.year() < 0 || d.year() > 9999) {
        appendText(json, utc.toString(Qt::ISODateWithMs));
        return;
    }
    char text[32];
    std::snprintf(text, sizeof text, "\"%04d-%02d-%02dT%02d:%02d:%02d.%03dZ\"", d.year(), d.month(),
                  d.day(), t.hour(), t.minute(), t.second(), t.msec());
    json += text;
}

// What can be wrong with a member, said of the record as a whole or of one
// of its checks: %1 is the member's name, and in a check's sentence the
// last place is the check's number.
struct Problem {
    const char* ofRecord;
    const char* ofCheck;
};

constexpr Problem missing = {QT_TRANSLATE_NOOP("RecordJson", "In the record, \"%1\" is missing."),
                             QT_TRANSLATE_NOOP("RecordJson", "In check %2, \"%1\" is missing.")};
constexpr Problem notText = {QT_TRANSLATE_NOOP("RecordJson", "In the record, \"%1\" is not text."),
                             QT_TRANSLATE_NOOP("RecordJson", "In check %2, \"%1\" is not text.")};
constexpr Problem notWhole = {
    QT_TRANSLATE_NOOP("RecordJson", "In the record, \"%1\" is not a whole number from %2 to %3."),
    QT_TRANSLATE_NOOP("RecordJson", "In check %4, \"%1\" is not a whole number from %2 to %3.")};
constexpr Problem notTime = {
    QT_TRANSLATE_NOOP("RecordJson",
                      "In the record, \"%1\" is \"%2\", which is not a date and time."),
    QT_TRANSLATE_NOOP("RecordJson",
                      "In check %3, \"%1\" is \"%2\", which is not a date and time.")};
constexpr Problem tooLong = {
    QT_TRANSLATE_NOOP("RecordJson", "In the record, \"%1\" is longer than %2 characters."),
    QT_TRANSLATE_NOOP("RecordJson", "In check %3, \"%1\" is longer than %2 characters.")};

// Reads the members of one JSON object, and says what is wrong with the
// first that does not read: "In check 3, \"time\" is missing."
class Members {
public:
    // `check` counts from 1; 0 for the record itself.
    Members(const QJsonObject& object, qsizetype check, QString* problem)
        : m_object(object)
        , m_check(check)
        , m_problem(problem) {}

    bool failed() const { return !m_problem->isEmpty(); }

    QJsonValue get(const QString& name, bool nullable = false) {
        const QJsonValue value = m_object.value(name);
        if (value.isUndefined() || (value.isNull() && !nullable))
            fail(missing, {name});
        return value;
    }

    QString text(const QString& name) {
        const QJsonValue value = get(name);
        if (!failed() && !value.isString())
            fail(notText, {name});
        return value.toString();
    }

    // Text a person typed, at most `longest` characters.
    QString typed(const QString& name, qsizetype longest) {
        const QString value = text(name);
        if (!failed() && value.size() > longest)
            fail(tooLong, {name, QString::number(longest)});
        return value;
    }

    int integer(const QString& name, int low, int high) {
        const QJsonValue value = get(name);
        const double number = value.toDouble(-1);
        if (!failed() &&
            (!value.isDouble() || number != std::floor(number) || number < low || number > high))
            fail(notWhole, {name, QString::number(low), QString::number(high)});
        return failed() ? low : int(number);
    }

    QDateTime time(const QString& name) {
        const QString value = text(name);
        const QDateTime time = QDateTime::fromString(value, Qt::ISODateWithMs);
        if (!failed() && !time.isValid())
            fail(notTime, {name, quoted(value)});
        return time.toUTC();
    }

    void fail(const Problem& problem, QStringList places) {
        if (failed())
            return;
        if (m_check > 0)
            places.append(QString::number(m_check));
        const QString text = QCoreApplication::translate(
            "RecordJson", m_check > 0 ? problem.ofCheck : problem.ofRecord);
        *m_problem = places.size() == 1   ? text.arg(places[0])
                     : places.size() == 2 ? text.arg(places[0], places[1])
                     : places.size() == 3 ? text.arg(places[0], places[1], places[2])
                                          : text.arg(places[0], places[1], places[2], places[3]);
    }

    // A problem of the check's own: %1 is its number.
    void failCheck(const QString& text) {
        if (!failed())
            *m_problem = text;
    }

private:
    QJsonObject m_object;
    qsizetype m_check;
    QString* m_problem;
};

std::optional<CheckEntry> readCheck(const QJsonValue& value, qsizetype index, QString* problem) {
    const QString number = QString::number(index + 1);
    if (!value.isObject()) {
        *problem = RecordJson::tr("Check %1 is not an object.").arg(number);
        return std::nullopt;
    }
    Members check(value.toObject(), index + 1, problem);
    CheckEntry entry;
    entry.time = check.time(QStringLiteral("time"));
    entry.question = check.integer(QStringLiteral("question"), 1, Exercise::questionCount());
    const QString field = check.text(QStringLiteral("field"));
    entry.entry = check.text(QStringLiteral("entry"));
    const QJsonValue amount = check.get(QStringLiteral("value"), true);
    const QJsonValue verdict = check.get(QStringLiteral("verdict"), true);
    if (check.failed())
        return std::nullopt;

    if (const std::optional<Field> known = fieldNamed(field))
        entry.field = *known;
    else
        check.failCheck(
            RecordJson::tr("In check %1, \"field\" is \"%2\", which is not an answer field.")
                .arg(number, quoted(field)));
    if (!check.failed() && answerField(entry.field).question != entry.question)
        check.failCheck(RecordJson::tr("In check %1, the field %2 is of question %3, not %4.")
                            .arg(number, field, QString::number(answerField(entry.field).question),
                                 QString::number(entry.question)));
    // Qt 6.4's parser refuses a number past a double's range; the record does not rely on it.
    if (!amount.isNull() && (!amount.isDouble() || !std::isfinite(amount.toDouble())))
        check.failCheck(
            RecordJson::tr("In check %1, \"value\" is not a finite number.").arg(number));
    if (!verdict.isNull()) {
        if (const std::optional<Verdict> known = verdictNamed(verdict.toString()))
            entry.verdict = *known;
        else
            check.failCheck(RecordJson::tr("In check %1, \"verdict\" is not one of correct, slip, "
                                           "carriedForward, close or notYet.")
                                .arg(number));
    }
    if (!check.failed() && amount.isNull() != verdict.isNull())
        check.failCheck(
            RecordJson::tr("In check %1, a value and a verdict go together, and one is missing.")
                .arg(number));
    if (check.failed())
        return std::nullopt;
    if (!amount.isNull())
        entry.value = amount.toDouble();
    return entry;
}

std::optional<Attempt> refuse(QString* error, const QString& problem) {
    if (error)
        *error = problem;
    return std::nullopt;
}

QString dataSize(qint64 bytes, int decimals) {
    return QLocale::c().formattedDataSize(bytes, decimals, QLocale::DataSizeSIFormat);
}

} // namespace

QByteArray RecordJson::write(const Attempt& attempt) {
    QByteArray json;
    json.reserve(400 + 160 * attempt.checks.size());
    json += "{\n    \"format\": ";
    appendText(json, formatMark);
    json += ",\n    \"version\": " + QByteArray::number(formatVersion) + ",\n    \"program\": ";
    appendText(json, QString::fromLatin1(BuildInfo::name));
    json += ",\n    \"programVersion\": ";
    appendText(json, QString::fromLatin1(BuildInfo::version));
    json += ",\n    \"student\": ";
    appendText(json, attempt.student.name);
    json += ",\n    \"studentId\": ";
    appendText(json, attempt.student.id);
    json += ",\n    \"code\": ";
    appendText(json, attempt.code.text());
    json += ",\n    \"started\": ";
    appendTime(json, attempt.started);
    json += ",\n    \"updated\": ";
    appendTime(json, attempt.updated);
    json += ",\n    \"stage\": " + QByteArray::number(attempt.stage) + ",\n    \"checks\": [";
    for (qsizetype i = 0; i < attempt.checks.size(); ++i) {
        const CheckEntry& check = attempt.checks[i];
        json += i == 0 ? "\n        {\"time\": " : ",\n        {\"time\": ";
        appendTime(json, check.time);
        json += ", \"question\": " + QByteArray::number(check.question) + ", \"field\": ";
        appendText(json, nameOf(check.field));
        json += ", \"entry\": ";
        appendText(json, check.entry);
        json += ", \"value\": ";
        json += check.value ? QByteArray::number(*check.value, 'g', QLocale::FloatingPointShortest)
                            : QByteArray("null");
        json += ", \"verdict\": ";
        if (check.verdict)
            appendText(json, verdictName(*check.verdict));
        else
            json += "null";
        json += '}';
    }
    json += attempt.checks.isEmpty() ? "]\n}\n" : "\n    ]\n}\n";
    return json;
}

std::optional<Attempt> RecordJson::read(const QByteArray& data, QString* error) {
    if (const std::optional<QString> problem = tooLarge(data.size()))
        return refuse(error, *problem);
    // The reasons are sentences of their own, each after one that names the file.
    if (data.trimmed().isEmpty())
        //: Follows a sentence that names the file.
        return refuse(error, tr("The file is empty."));

    QJsonParseError parse;
    const QJsonDocument document = QJsonDocument::fromJson(data, &parse);
    if (parse.error != QJsonParseError::NoError) {
        qsizetype end = data.size();
        while (end > 0 && std::isspace(static_cast<unsigned char>(data[end - 1])))
            --end;
        // Qt stops where the text stops making sense; for a file cut short, that is its end.
        const bool cut = parse.offset >= end;
        return refuse(
            error,
            //: Follows a sentence that names the file; %1 is the JSON parser's own words.
            cut ? tr("The file is cut short: its JSON ends unfinished (%1).")
                      .arg(parse.errorString())
                //: Follows a sentence that names the file; %1 is the JSON parser's own words.
                : tr("The file is not JSON: %1 at byte %2.")
                      .arg(parse.errorString(), QString::number(parse.offset)));
    }
    const QJsonObject object = document.object();
    if (!document.isObject() || object.value(QStringLiteral("format")).toString() != formatMark)
        //: Follows a sentence that names the file.
        //: %1 is the program's name, Korvanel.
        return refuse(
            error,
            tr("The file is not a %1 practice record.").arg(QString::fromLatin1(BuildInfo::name)));

    const QJsonValue versionValue = object.value(QStringLiteral("version"));
    const double version = versionValue.toDouble();
    if (!versionValue.isDouble() || version != std::floor(version) || version < 1)
        return refuse(error, tr("The record has no version number."));
    if (version > formatVersion)
        //: Follows a sentence that names the file.
        //: %1 is the program's name, Korvanel.
        return refuse(error, tr("The record was written by a newer %1 (record version %2; this one "
                                "reads version %3).")
                                 .arg(QString::fromLatin1(BuildInfo::name),
                                      QString::number(version), QString::number(formatVersion)));

    QString problem;
    Members record(object, 0, &problem);

    Student student;
    if (version >= 2) {
        student.name = record.typed(QStringLiteral("student"), Student::longestName);
        student.id = record.typed(QStringLiteral("studentId"), Student::longestId);
    }
    const QString codeText = record.text(QStringLiteral("code"));
    const QDateTime started = record.time(QStringLiteral("started"));
    const QDateTime updated = record.time(QStringLiteral("updated"));
    const int stage = record.integer(QStringLiteral("stage"), 0, Attempt::finalStage());
    const QJsonValue list = record.get(QStringLiteral("checks"));
    if (!record.failed() && !list.isArray())
        record.failCheck(tr("In the record, \"checks\" is not a list."));
    if (record.failed())
        return refuse(error, problem);
    QString why;
    const std::optional<SubjectCode> code = SubjectCode::parse(codeText, &why);
    if (!code)
        return refuse(
            error,
            //: %2 says what is wrong with the code, in sentences of their own.
            tr("The record's code \"%1\" is not a subject code. %2").arg(quoted(codeText), why));
    const QJsonArray checks = list.toArray();
    if (checks.size() > Attempt::mostChecks)
        return refuse(
            error, tr("The record has %1 checks, more than any attempt could (%2 at most).")
                       .arg(QString::number(checks.size()), QString::number(Attempt::mostChecks)));

    Attempt attempt(*code, started);
    attempt.student = student;
    attempt.updated = updated;
    attempt.stage = stage;
    attempt.checks.reserve(checks.size());
    for (qsizetype i = 0; i < checks.size(); ++i) {
        const std::optional<CheckEntry> check = readCheck(checks[i], i, &problem);
        if (!check)
            return refuse(error, problem);
        attempt.checks.append(*check);
    }
    return attempt;
}

std::optional<QString> RecordJson::tooLarge(qint64 bytes) {
    if (bytes <= largestFile)
        return std::nullopt;
    //: Follows a sentence that names the file; %1 and %2 are sizes, such as "9.1 MB".
    return tr("The file is too large for a practice record: %1, where a record takes at most %2.")
        .arg(dataSize(bytes, 1), dataSize(largestFile, 0));
}
