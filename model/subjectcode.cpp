#include "subjectcode.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

namespace {

// Twelve characters at most when written properly; a few more leave room
// for a lactate written with its decimal and slips that deserve a message
// of their own, but not for a pasted paragraph.
constexpr qsizetype longestCode = 20;

// One number of the code, in whole units of its last decimal.
struct Part {
    const char16_t* name;
    const char16_t* missing;
    const char16_t* example;
    int decimals;
    int low, high;
};

constexpr Part weightPart = {u"Weight", u"The weight is missing.", u"72", 0, 60, 84};
constexpr Part beforePart = {
    u"Lactate before", u"The lactate before the race is missing.", u"0.8", 1, 4, 8};
constexpr Part afterPart = {
    u"Lactate after", u"The lactate after the race is missing.", u"12.4", 1, 100, 139};

std::optional<SubjectCode> refuse(QString* error, const QString& problem) {
    if (error)
        *error =
            problem + QStringLiteral(" A code reads like M72-0.8-12.4: M or W, weight 60 to 84 kg, "
                                     "lactate before 0.4 to 0.8 and after 10.0 to 13.9 mmol/L.");
    return std::nullopt;
}

bool isAsciiDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// The value in units of the part's last decimal, or a problem to report.
std::optional<int> readPart(QStringView text, const Part& part, QString* problem) {
    const QString name = QString::fromUtf16(part.name);
    const QString quoted = u'"' + text.toString() + u'"';
    if (text.isEmpty()) {
        *problem = QString::fromUtf16(part.missing);
        return std::nullopt;
    }
    if (std::any_of(text.begin(), text.end(),
                    [](QChar c) { return c.isDigit() && !isAsciiDigit(c); })) {
        *problem = QStringLiteral("%1 %2 has digits other than 0 to 9.").arg(name, quoted);
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
        *problem = QStringLiteral("%1 %2 is not a number like %3.")
                       .arg(name, quoted, QString::fromUtf16(part.example));
        return std::nullopt;
    }
    if (fraction.size() > part.decimals) {
        *problem = part.decimals == 0
                       ? QStringLiteral("%1 %2 is not a whole number of kg.").arg(name, text)
                       : QStringLiteral("%1 %2 has more than one decimal.").arg(name, text);
        return std::nullopt;
    }
    // Stops counting once far out of range, so that no run of digits overflows.
    int value = 0;
    for (QChar c : whole)
        value = std::min(value * 10 + (c.unicode() - u'0'), 1'000'000);
    for (int i = 0; i < part.decimals; ++i)
        value = value * 10 + (i < fraction.size() ? fraction[i].unicode() - u'0' : 0);
    if (value < part.low || value > part.high) {
        *problem = QStringLiteral("%1 %2 is out of range.").arg(name, text);
        return std::nullopt;
    }
    return value;
}

int indexOf(int sex, int weight, int beforeTenths, int afterTenths) {
    return ((sex * 25 + weight - 60) * 5 + beforeTenths - 4) * 40 + afterTenths - 100;
}

} // namespace

std::optional<SubjectCode> SubjectCode::parse(QStringView text, QString* error) {
    const QStringView code = text.trimmed();
    if (code.isEmpty())
        return refuse(error, QStringLiteral("The code is empty."));
    if (code.size() > longestCode)
        return refuse(error,
                      QStringLiteral("The code is too long (%1 characters).").arg(code.size()));

    const QChar letter = code[0].toUpper();
    if (letter != u'M' && letter != u'W')
        return refuse(
            error,
            QStringLiteral("The code starts with \"%1\"; it must start with M or W.").arg(code[0]));

    // Word processors turn "-" into a dash, and the code then looks right on paper.
    const auto dash = std::find_if(code.begin(), code.end(), [](QChar c) {
        return c != u'-' && (c.category() == QChar::Punctuation_Dash || c == u'\u2212');
    });
    if (dash != code.end())
        return refuse(
            error, QStringLiteral("The code has \"%1\" where it needs a plain \"-\".").arg(*dash));

    const QList<QStringView> parts = code.sliced(1).split(u'-');
    if (parts.size() == 1)
        return refuse(error, QStringLiteral("The lactates before and after the race are missing."));
    if (parts.size() == 2)
        return refuse(error, QString::fromUtf16(afterPart.missing));
    if (parts.size() > 3)
        return refuse(error, QStringLiteral("The code has %1 parts joined by \"-\" instead of 3.")
                                 .arg(parts.size()));

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

std::optional<SubjectCode> SubjectCode::fromIndex(int index) {
    if (index < 0 || index >= count)
        return std::nullopt;
    return SubjectCode(index);
}

SubjectCode SubjectCode::draw(const std::function<double()>& draw) {
    // As makeScenario() takes them: floor(r * span) + offset, in this order.
    const auto whole = [&draw](int span) {
        return std::clamp(int(std::floor(draw() * span)), 0, span - 1);
    };
    const int sex = whole(2);
    const int weight = 60 + whole(25);
    const int before = 4 + whole(5);
    const int after = 100 + whole(40);
    return SubjectCode(indexOf(sex, weight, before, after));
}

QString SubjectCode::text() const {
    const auto withDecimal = [](int tenths) {
        return QStringLiteral("%1.%2").arg(tenths / 10).arg(tenths % 10);
    };
    return (sex() == 0 ? u'M' : u'W') + QString::number(weight()) + u'-' +
           withDecimal(beforeTenths()) + u'-' + withDecimal(afterTenths());
}

std::array<double, 4> SubjectCode::draws() const {
    return {(sex() + 0.5) / 2, (weight() - 60 + 0.5) / 25, (beforeTenths() - 4 + 0.5) / 5,
            (afterTenths() - 100 + 0.5) / 40};
}

Scenario SubjectCode::scenario() const {
    const std::array<double, 4> values = draws();
    std::size_t next = 0;
    return makeScenario([&] { return values[std::min(next++, values.size() - 1)]; });
}

QList<SubjectCode> differentSubjects(int n, const std::function<double()>& draw, QString* error) {
    if (n < 1 || n > SubjectCode::count) {
        if (error)
            *error = QStringLiteral("A class set holds 1 to %1 different subjects, not %2.")
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
