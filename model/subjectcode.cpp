#include "subjectcode.h"

#include "visibletext.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

namespace {

// Twelve characters at most when written properly; a few more leave room
// for a lactate written with its decimal and slips that deserve a message
// of their own, but not for a pasted paragraph.
constexpr qsizetype longestCode = 20;

// One number of the code, in whole units of its last decimal, and what is
// said of it when it does not read.
struct Part {
    const InputRange* range;
    int decimals;
    const char* example;
    const char* missing;
    const char* otherDigits; // %1 the part as typed, quoted
    const char* notANumber;  // %1 the part as typed, quoted; %2 the example
    const char* tooPrecise;  // %1 the part as typed
    const char* outOfRange;  // %1 the part as typed
};

constexpr Part weightPart = {
    &Inputs::weight,
    0,
    "72",
    QT_TRANSLATE_NOOP("SubjectCode", "The weight is missing."),
    QT_TRANSLATE_NOOP("SubjectCode", "Weight %1 has digits other than 0 to 9."),
    QT_TRANSLATE_NOOP("SubjectCode", "Weight %1 is not a number like %2."),
    QT_TRANSLATE_NOOP("SubjectCode", "Weight %1 is not a whole number of kg."),
    QT_TRANSLATE_NOOP("SubjectCode", "Weight %1 is out of range.")};
constexpr Part beforePart = {
    &Inputs::beforeTenths,
    1,
    "0.8",
    QT_TRANSLATE_NOOP("SubjectCode", "The lactate before the race is missing."),
    QT_TRANSLATE_NOOP("SubjectCode", "Lactate before %1 has digits other than 0 to 9."),
    QT_TRANSLATE_NOOP("SubjectCode", "Lactate before %1 is not a number like %2."),
    QT_TRANSLATE_NOOP("SubjectCode", "Lactate before %1 has more than one decimal."),
    QT_TRANSLATE_NOOP("SubjectCode", "Lactate before %1 is out of range.")};
constexpr Part afterPart = {
    &Inputs::afterTenths,
    1,
    "12.4",
    QT_TRANSLATE_NOOP("SubjectCode", "The lactate after the race is missing."),
    QT_TRANSLATE_NOOP("SubjectCode", "Lactate after %1 has digits other than 0 to 9."),
    QT_TRANSLATE_NOOP("SubjectCode", "Lactate after %1 is not a number like %2."),
    QT_TRANSLATE_NOOP("SubjectCode", "Lactate after %1 has more than one decimal."),
    QT_TRANSLATE_NOOP("SubjectCode", "Lactate after %1 is out of range.")};

QString translated(const char* text) {
    return QCoreApplication::translate("SubjectCode", text);
}

// Tenths as a code writes them, whatever the language: "0.8".
QString tenths(int value) {
    return QStringLiteral("%1.%2").arg(value / 10).arg(value % 10);
}

std::optional<SubjectCode> refuse(QString* error, const QString& problem) {
    if (error)
        //: %1 says what is wrong with the code as typed, in a sentence of its own.
        *error =
            SubjectCode::tr("%1 A code reads like %2: M or W, weight %3 to %4 kg, "
                            "lactate before %5 to %6 and after %7 to %8 mmol/L.")
                .arg(problem, QStringLiteral("M72-0.8-12.4"), QString::number(Inputs::weight.low),
                     QString::number(Inputs::weight.high()), tenths(Inputs::beforeTenths.low),
                     tenths(Inputs::beforeTenths.high()), tenths(Inputs::afterTenths.low),
                     tenths(Inputs::afterTenths.high()));
    return std::nullopt;
}

bool isAsciiDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// The value in units of the part's last decimal, or a problem to report.
std::optional<int> readPart(QStringView text, const Part& part, QString* problem) {
    const QString shown = VisibleText::escaped(text);
    const QString quoted = u'"' + shown + u'"';
    if (text.isEmpty()) {
        *problem = translated(part.missing);
        return std::nullopt;
    }
    if (std::any_of(text.begin(), text.end(),
                    [](QChar c) { return c.isDigit() && !isAsciiDigit(c); })) {
        *problem = translated(part.otherDigits).arg(quoted);
        return std::nullopt;
    }
    const qsizetype point = text.indexOf(u'.');
    const QStringView whole = point < 0 ? text : text.first(point);
    const QStringView fraction = point < 0 ? QStringView() : text.sliced(point + 1);
    const bool wellFormed =
        !whole.isEmpty() && (whole.size() == 1 || whole[0] != u'0') &&
        std::all_of(whole.begin(), whole.end(), isAsciiDigit) &&
        (point < 0 ||
         (!fraction.isEmpty() && std::all_of(fraction.begin(), fraction.end(), isAsciiDigit)));
    if (!wellFormed) {
        *problem = translated(part.notANumber).arg(quoted, QString::fromLatin1(part.example));
        return std::nullopt;
    }
    if (fraction.size() > part.decimals) {
        *problem = translated(part.tooPrecise).arg(shown);
        return std::nullopt;
    }
    // Stops counting once far out of range, so that no run of digits overflows.
    int value = 0;
    for (QChar c : whole)
        value = std::min(value * 10 + (c.unicode() - u'0'), 1'000'000);
    for (int i = 0; i < part.decimals; ++i)
        value = value * 10 + (i < fraction.size() ? fraction[i].unicode() - u'0' : 0);
    if (!part.range->holds(value)) {
        *problem = translated(part.outOfRange).arg(shown);
        return std::nullopt;
    }
    return value;
}

int indexOf(int sex, int weight, int beforeTenths, int afterTenths) {
    return (((sex - Inputs::sex.low) * Inputs::weight.count + weight - Inputs::weight.low) *
                Inputs::beforeTenths.count +
            beforeTenths - Inputs::beforeTenths.low) *
               Inputs::afterTenths.count +
           afterTenths - Inputs::afterTenths.low;
}

} // namespace

std::optional<SubjectCode> SubjectCode::parse(QStringView text, QString* error) {
    const QStringView code = text.trimmed();
    if (code.isEmpty())
        return refuse(error, tr("The code is empty."));
    if (code.size() > longestCode)
        return refuse(error, tr("The code is too long (%1 characters).").arg(code.size()));

    const QChar letter = code[0].toUpper();
    if (letter != u'M' && letter != u'W')
        return refuse(error, tr("The code starts with \"%1\"; it must start with M or W.")
                                 .arg(VisibleText::escaped(code.first(1))));

    // Word processors turn "-" into a dash, and the code then looks right on paper.
    const auto dash = std::find_if(code.begin(), code.end(), [](QChar c) {
        return c != u'-' && (c.category() == QChar::Punctuation_Dash || c == u'\u2212');
    });
    if (dash != code.end())
        return refuse(error, tr("The code has \"%1\" where it needs a plain \"-\".").arg(*dash));

    const QList<QStringView> parts = code.sliced(1).split(u'-');
    if (parts.size() == 1)
        return refuse(error, tr("The lactates before and after the race are missing."));
    if (parts.size() == 2)
        return refuse(error, translated(afterPart.missing));
    if (parts.size() > 3)
        return refuse(error,
                      tr("The code has %1 parts joined by \"-\" instead of 3.").arg(parts.size()));

    QString problem;
    const auto weight = readPart(parts[0], weightPart, &problem);
    if (!weight)
        return refuse(error, problem);
    const auto before = readPart(parts[1], beforePart, &problem);
    if (!before)
        return refuse(error, problem);
    const auto after = readPart(parts[2], afterPart, &problem);
    if (!after)
        return refuse(error, problem);
    return SubjectCode(indexOf(letter == u'W', *weight, *before, *after));
}

std::optional<QList<SubjectCode>> SubjectCode::parseList(QStringView text, QString* error) {
    QList<SubjectCode> codes;
    qsizetype from = 0;
    const auto parts = [](QChar c) {
        return c.isSpace() || c == u',' || c == u';';
    };
    while (from < text.size()) {
        while (from < text.size() && parts(text[from]))
            ++from;
        qsizetype end = from;
        while (end < text.size() && !parts(text[end]))
            ++end;
        if (end == from)
            break;
        const QStringView typed = text.sliced(from, end - from);
        QString why;
        const std::optional<SubjectCode> code = parse(typed, &why);
        if (!code) {
            if (error)
                //: %2 says what is wrong with the code, in sentences of their own.
                *error = tr("The subject code \"%1\" cannot be read. %2")
                             .arg(VisibleText::escaped(typed.left(40)), why);
            return std::nullopt;
        }
        codes.append(*code);
        from = end;
    }
    return codes;
}

std::optional<SubjectCode> SubjectCode::fromIndex(int index) {
    if (index < 0 || index >= count)
        return std::nullopt;
    return SubjectCode(index);
}

SubjectCode SubjectCode::draw(const std::function<double()>& draw) {
    // floor(r * count) rather than floor(r * count + low): for the largest
    // double below 1 the sum rounds up to low + count in double precision,
    // one past the top of the range. The clamp keeps a draw of 1 in range.
    const auto whole = [&draw](const InputRange& range) {
        return range.low + std::clamp(int(std::floor(draw() * range.count)), 0, range.count - 1);
    };
    const int sex = whole(Inputs::sex);
    const int weight = whole(Inputs::weight);
    const int before = whole(Inputs::beforeTenths);
    const int after = whole(Inputs::afterTenths);
    return SubjectCode(indexOf(sex, weight, before, after));
}

QString SubjectCode::text() const {
    return (sex() == 0 ? u'M' : u'W') + QString::number(weight()) + u'-' + tenths(beforeTenths()) +
           u'-' + tenths(afterTenths());
}

QList<SubjectCode> differentSubjects(int n, const std::function<double()>& draw, QString* error) {
    if (n < 1 || n > SubjectCode::count) {
        if (error)
            *error = SubjectCode::tr("A class set holds 1 to %1 different subjects, not %2.")
                         .arg(SubjectCode::count)
                         .arg(n);
        return {};
    }
    // A partial Fisher-Yates shuffle: n draws and n swaps, whatever n is.
    std::vector<int> indexes(SubjectCode::count);
    std::iota(indexes.begin(), indexes.end(), 0);
    QList<SubjectCode> codes;
    codes.reserve(n);
    for (int i = 0; i < n; ++i) {
        const int left = SubjectCode::count - i;
        const int pick = i + std::clamp(int(std::floor(draw() * left)), 0, left - 1);
        std::swap(indexes[i], indexes[pick]);
        codes.append(*SubjectCode::fromIndex(indexes[i]));
    }
    return codes;
}
