#include "attempt.h"

#include "model/buildinfo.h"
#include "stages/exercise.h"
#include "stages/stage.h"

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
constexpr int formatVersion = 1;

// The names records give the fields and verdicts: written into files, so
// never renamed.
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

constexpr std::pair<Verdict, QStringView> verdictNames[] = {
    {Verdict::correct, u"correct"},
    {Verdict::slip, u"slip"},
    {Verdict::carriedForward, u"carriedForward"},
    {Verdict::close, u"close"},
    {Verdict::notYet, u"notYet"},
};

template <typename Key, std::size_t n>
QString nameOf(const std::pair<Key, QStringView> (&names)[n], Key key) {
    for (const auto& [k, name] : names)
        if (k == key)
            return name.toString();
    return {};
}

template <typename Key, std::size_t n>
std::optional<Key> keyOf(const std::pair<Key, QStringView> (&names)[n], QStringView name) {
    for (const auto& [k, text] : names)
        if (text == name)
            return k;
    return std::nullopt;
}

// Records are written here and read with QJsonDocument. Building Qt's
// JSON objects for an attempt of 300 checks and writing them took 1.4 to
// 3 ms on the benchmark machine, most of the 2 ms a save after a check may
// take; this writes the same JSON, a check a line, in 0.2 to 0.4 ms
// (bench_record).
void appendText(QByteArray& json, const QString& text) {
    json += '"';
    for (const char c : text.toUtf8()) {
        if (c == '"' || c == '\\') {
            json += '\\';
            json += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            const char hex[] = "0123456789abcdef";
            json += "\\u00";
            json += hex[c >> 4];
            json += hex[c & 15];
        } else {
            json += c;
        }
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

// Reads the members of one JSON object, and says what is wrong with the
// first that does not read: "In check 3, \"time\" is missing."
class Members {
public:
    Members(const QJsonObject& object, QString where, QString* problem)
        : m_object(object)
        , m_where(std::move(where))
        , m_problem(problem) {}

    bool failed() const { return !m_problem->isEmpty(); }

    QJsonValue get(const QString& name, bool nullable = false) {
        const QJsonValue value = m_object.value(name);
        if (value.isUndefined() || (value.isNull() && !nullable))
            fail(QStringLiteral("\"%1\" is missing").arg(name));
        return value;
    }

    QString text(const QString& name) {
        const QJsonValue value = get(name);
        if (!failed() && !value.isString())
            fail(QStringLiteral("\"%1\" is not text").arg(name));
        return value.toString();
    }

    int integer(const QString& name, int low, int high) {
        const QJsonValue value = get(name);
        const double number = value.toDouble(-1);
        if (!failed() &&
            (!value.isDouble() || number != std::floor(number) || number < low || number > high))
            fail(QStringLiteral("\"%1\" is not a whole number from %2 to %3")
                     .arg(name)
                     .arg(low)
                     .arg(high));
        return failed() ? low : int(number);
    }

    QDateTime time(const QString& name) {
        const QString value = text(name);
        const QDateTime time = QDateTime::fromString(value, Qt::ISODateWithMs);
        if (!failed() && !time.isValid())
            fail(QStringLiteral("\"%1\" is \"%2\", which is not a date and time")
                     .arg(name, value.left(40)));
        return time.toUTC();
    }

    void fail(const QString& what) {
        if (!failed())
            *m_problem = QStringLiteral("In %1, %2.").arg(m_where, what);
    }

private:
    QJsonObject m_object;
    QString m_where;
    QString* m_problem;
};

std::optional<CheckEntry> readCheck(const QJsonValue& value, qsizetype index, QString* problem) {
    if (!value.isObject()) {
        *problem = QStringLiteral("Check %1 is not an object.").arg(index + 1);
        return std::nullopt;
    }
    Members check(value.toObject(), QStringLiteral("check %1").arg(index + 1), problem);
    CheckEntry entry;
    entry.time = check.time(QStringLiteral("time"));
    entry.question = check.integer(QStringLiteral("question"), 1, Exercise::questionCount());
    const QString field = check.text(QStringLiteral("field"));
    entry.entry = check.text(QStringLiteral("entry"));
    const QJsonValue number = check.get(QStringLiteral("value"), true);
    const QJsonValue verdict = check.get(QStringLiteral("verdict"), true);
    if (check.failed())
        return std::nullopt;

    if (const std::optional<Field> known = keyOf(fieldNames, field))
        entry.field = *known;
    else
        check.fail(QStringLiteral("\"field\" is \"%1\", which is not an answer field")
                       .arg(field.left(40)));
    if (!check.failed() && answerField(entry.field).question != entry.question)
        check.fail(QStringLiteral("the field %1 is of question %2, not %3")
                       .arg(field)
                       .arg(answerField(entry.field).question)
                       .arg(entry.question));
    // Qt 6.4's parser refuses a number past a double's range; the record does not rely on it.
    if (!number.isNull() && (!number.isDouble() || !std::isfinite(number.toDouble())))
        check.fail(QStringLiteral("\"value\" is not a finite number"));
    if (!verdict.isNull()) {
        if (const std::optional<Verdict> known = keyOf(verdictNames, verdict.toString()))
            entry.verdict = *known;
        else
            check.fail(QStringLiteral("\"verdict\" is not one of correct, slip, carriedForward, "
                                      "close or notYet"));
    }
    if (!check.failed() && number.isNull() != verdict.isNull())
        check.fail(QStringLiteral("a value and a verdict go together, and one is missing"));
    if (check.failed())
        return std::nullopt;
    if (!number.isNull())
        entry.value = number.toDouble();
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

int Attempt::finalStage() {
    return Stage::finished().index();
}

Attempt::Attempt(const SubjectCode& code, const QDateTime& started)
    : code(code)
    , started(started.toUTC())
    , updated(this->started) {
}

std::optional<QString> Attempt::fault() const {
    if (!started.isValid() || !updated.isValid())
        return QStringLiteral("The attempt has no start or update time.");
    if (stage < 0 || stage > finalStage())
        return QStringLiteral("The attempt's stage, %1, is not one of 0 to %2.")
            .arg(stage)
            .arg(finalStage());
    if (checks.size() > mostChecks)
        return QStringLiteral("The attempt has %1 checks, more than a record holds (%2).")
            .arg(checks.size())
            .arg(mostChecks);
    for (qsizetype i = 0; i < checks.size(); ++i) {
        const CheckEntry& check = checks[i];
        if (!check.time.isValid() || int(check.field) < 0 || int(check.field) >= fieldCount ||
            check.question != answerField(check.field).question ||
            check.value.has_value() != check.verdict.has_value() ||
            (check.value && !std::isfinite(*check.value)))
            return QStringLiteral("Check %1 of the attempt is not one a record holds.").arg(i + 1);
    }
    return std::nullopt;
}

QByteArray Attempt::toJson() const {
    QByteArray json;
    json.reserve(400 + 160 * checks.size());
    json += "{\n    \"format\": ";
    appendText(json, formatMark);
    json += ",\n    \"version\": " + QByteArray::number(formatVersion) + ",\n    \"program\": ";
    appendText(json, QString::fromLatin1(BuildInfo::name));
    json += ",\n    \"programVersion\": ";
    appendText(json, QString::fromLatin1(BuildInfo::version));
    json += ",\n    \"code\": ";
    appendText(json, code.text());
    json += ",\n    \"started\": ";
    appendTime(json, started);
    json += ",\n    \"updated\": ";
    appendTime(json, updated);
    json += ",\n    \"stage\": " + QByteArray::number(stage) + ",\n    \"checks\": [";
    for (qsizetype i = 0; i < checks.size(); ++i) {
        const CheckEntry& check = checks[i];
        json += i == 0 ? "\n        {\"time\": " : ",\n        {\"time\": ";
        appendTime(json, check.time);
        json += ", \"question\": " + QByteArray::number(check.question) + ", \"field\": ";
        appendText(json, nameOf(fieldNames, check.field));
        json += ", \"entry\": ";
        appendText(json, check.entry);
        json += ", \"value\": ";
        json += check.value ? QByteArray::number(*check.value, 'g', QLocale::FloatingPointShortest)
                            : QByteArray("null");
        json += ", \"verdict\": ";
        if (check.verdict)
            appendText(json, nameOf(verdictNames, *check.verdict));
        else
            json += "null";
        json += '}';
    }
    json += checks.isEmpty() ? "]\n}\n" : "\n    ]\n}\n";
    return json;
}

std::optional<Attempt> Attempt::fromJson(const QByteArray& data, QString* error) {
    if (const std::optional<QString> problem = tooLarge(data.size()))
        return refuse(error, *problem);
    if (data.trimmed().isEmpty())
        return refuse(error, QStringLiteral("It is empty."));

    QJsonParseError parse;
    const QJsonDocument document = QJsonDocument::fromJson(data, &parse);
    if (parse.error != QJsonParseError::NoError) {
        qsizetype end = data.size();
        while (end > 0 && std::isspace(static_cast<unsigned char>(data[end - 1])))
            --end;
        // Qt stops where the text stops making sense; for a file cut short, that is its end.
        const bool cut = parse.offset >= end;
        return refuse(error, cut ? QStringLiteral("It is cut short: its JSON ends unfinished (%1).")
                                       .arg(parse.errorString())
                                 : QStringLiteral("It is not JSON: %1 at byte %2.")
                                       .arg(parse.errorString())
                                       .arg(parse.offset));
    }
    const QJsonObject object = document.object();
    if (!document.isObject() || object.value(QStringLiteral("format")).toString() != formatMark)
        return refuse(error, QStringLiteral("It is not a Korvanel practice record."));

    const QJsonValue version = object.value(QStringLiteral("version"));
    if (!version.isDouble() || version.toDouble() != std::floor(version.toDouble()) ||
        version.toDouble() < 1)
        return refuse(error, QStringLiteral("The record has no version number."));
    if (version.toDouble() > formatVersion)
        return refuse(error, QStringLiteral("It was written by a newer Korvanel (record version "
                                            "%1; this one reads version %2).")
                                 .arg(version.toDouble())
                                 .arg(formatVersion));

    QString problem;
    Members record(object, QStringLiteral("the record"), &problem);

    const QString codeText = record.text(QStringLiteral("code"));
    const QDateTime started = record.time(QStringLiteral("started"));
    const QDateTime updated = record.time(QStringLiteral("updated"));
    const int stage = record.integer(QStringLiteral("stage"), 0, finalStage());
    const QJsonValue list = record.get(QStringLiteral("checks"));
    if (!record.failed() && !list.isArray())
        record.fail(QStringLiteral("\"checks\" is not a list"));
    if (record.failed())
        return refuse(error, problem);
    QString why;
    const std::optional<SubjectCode> code = SubjectCode::parse(codeText, &why);
    if (!code)
        return refuse(error, QStringLiteral("The record's code \"%1\" is not a subject code: %2")
                                 .arg(codeText.left(40), why));
    const QJsonArray checks = list.toArray();
    if (checks.size() > mostChecks)
        return refuse(error, QStringLiteral("The record has %1 checks, more than any attempt "
                                            "could (%2 at most).")
                                 .arg(checks.size())
                                 .arg(mostChecks));

    Attempt attempt(*code, started);
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

std::optional<QString> Attempt::tooLarge(qint64 bytes) {
    if (bytes <= largestFile)
        return std::nullopt;
    return QStringLiteral("It is too large for a practice record: %1, where a record takes at "
                          "most %2.")
        .arg(dataSize(bytes, 1), dataSize(largestFile, 0));
}

QString Attempt::fileName() const {
    return code.text() + u' ' +
           started.toUTC().toString(QStringLiteral("yyyy-MM-dd'T'HHmmss.zzz")) +
           QStringLiteral("Z.json");
}
