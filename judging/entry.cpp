#include "entry.h"

#include "model/language.h"
#include "model/visibletext.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <cmath>

namespace {

// Longer than any answer with its unit; a paste of a whole line is not one.
constexpr qsizetype longestEntry = 32;
// Every answer is below a thousand; past this the digits are surely wrong.
constexpr double tooLarge = 1e9;

std::optional<double> refuse(QString* error, const QString& message) {
    if (error)
        *error = message;
    return std::nullopt;
}

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}
bool isMark(QChar c) {
    return c == u'.' || c == u',';
}
bool hasDigit(QStringView text) {
    return std::any_of(text.begin(), text.end(), isDigit);
}

// Units a quantity may be typed in, each as a power of ten of its kind's
// base unit; a typed unit of the field's kind is converted to the field's.
enum class Kind { amount, volume, mass, energy };

struct Unit {
    QStringView name;
    Kind kind;
    int power;
    bool spelling = false; // another way to write the unit before it, not offered
};

constexpr Unit units[] = {
    {u"mol", Kind::amount, 0},
    {u"mmol", Kind::amount, -3},
    {u"\u00b5mol", Kind::amount, -6},       // the micro sign
    {u"\u03bcmol", Kind::amount, -6, true}, // the Greek letter mu
    {u"umol", Kind::amount, -6, true},
    {u"L", Kind::volume, 0},
    {u"mL", Kind::volume, -3},
    {u"g", Kind::mass, 0},
    {u"mg", Kind::mass, -3},
    {u"kJ", Kind::energy, 3},
    {u"MJ", Kind::energy, 6},
};

// Case does not matter (MMOL, ml), except that a capital M is mega: "mJ"
// would be a millijoule, a billionth of an MJ.
const Unit* findUnit(QStringView name) {
    for (const Unit& unit : units)
        if (name.compare(unit.name, Qt::CaseInsensitive) == 0 &&
            (unit.name[0] != u'M' || name[0] == u'M'))
            return &unit;
    return nullptr;
}

// What the refusal of a unit offers: "mmol, mol, and µmol", in the run's language.
QString unitsOfKind(const AnswerField& field) {
    QStringList names = {field.unit.toString()};
    if (const Unit* own = findUnit(field.unit))
        for (const Unit& unit : units)
            if (unit.kind == own->kind && unit.name != field.unit && !unit.spelling)
                names.append(unit.name.toString());
    return Language::current().createSeparatedList(names);
}

// The power of ten that takes `typed` to the field's unit, or nothing when
// it is not a unit the field accepts. What the field's other unit counts
// ("mmol ATP") may follow a converted unit too ("0.7 mol ATP").
std::optional<int> shiftTo(const AnswerField& field, QStringView typed) {
    if (typed.isEmpty() || typed.compare(field.unit, Qt::CaseInsensitive) == 0 ||
        (!field.otherUnit.isEmpty() && typed.compare(field.otherUnit, Qt::CaseInsensitive) == 0))
        return 0;
    const QStringView counted = field.otherUnit.startsWith(field.unit.toString() + u' ')
                                    ? field.otherUnit.sliced(field.unit.size())
                                    : QStringView();
    if (!counted.isEmpty() && typed.endsWith(counted, Qt::CaseInsensitive))
        typed = typed.chopped(counted.size());
    const Unit* own = findUnit(field.unit);
    const Unit* unit = findUnit(typed);
    if (!own || !unit || unit->kind != own->kind)
        return std::nullopt;
    return unit->power - own->power;
}

bool startsWithExponent(QStringView rest) {
    if (rest.size() < 2 || (rest[0] != u'e' && rest[0] != u'E'))
        return false;
    const qsizetype digit = rest[1] == u'+' || rest[1] == u'-' ? 2 : 1;
    return digit < rest.size() && isDigit(rest[digit]);
}

} // namespace

std::optional<double> readEntry(QStringView text, const AnswerField& field, QString* error) {
    const QStringView t = text.trimmed();
    if (t.isEmpty())
        return refuse(error, QCoreApplication::translate("Entry", "Nothing is typed here."));
    if (t.size() > longestEntry)
        return refuse(error, QCoreApplication::translate(
                                 "Entry", "This is too long for one number (%1 characters).")
                                 .arg(t.size()));
    const QString quoted = u'"' + VisibleText::escaped(t) + u'"';
    if (std::any_of(t.begin(), t.end(), [](QChar c) { return c.isDigit() && !isDigit(c); }))
        return refuse(
            error,
            QCoreApplication::translate("Entry", "%1 has digits other than 0 to 9.").arg(quoted));

    qsizetype i = 0;
    const bool negative = t[0] == u'-' || t[0] == u'\u2212'; // the minus sign of typeset text
    if (negative || t[0] == u'+')
        for (++i; i < t.size() && t[i].isSpace(); ++i) {
        }
    const qsizetype start = i;
    // Blanks between digits stay in the number, to be told apart below.
    while (i < t.size() && (isDigit(t[i]) || isMark(t[i]) ||
                            (t[i].isSpace() && i + 1 < t.size() && isDigit(t[i + 1]) && i > start &&
                             isDigit(t[i - 1]))))
        ++i;
    const QStringView number = t.sliced(start, i - start);
    const QString rest = t.sliced(i).toString().simplified();

    if (!hasDigit(number))
        return refuse(error, QCoreApplication::translate(
                                 "Entry", "%1 is not a number; type it in digits, like 12.5.")
                                 .arg(quoted));
    if (startsWithExponent(rest))
        return refuse(error,
                      QCoreApplication::translate(
                          "Entry", "%1 is written with an exponent; type the number in full.")
                          .arg(quoted));
    if (hasDigit(rest)) {
        const bool letters =
            std::any_of(rest.begin(), rest.end(), [](QChar c) { return c.isLetter(); });
        return refuse(error, letters
                                 ? QCoreApplication::translate(
                                       "Entry", "%1 is not a number; type digits and at most one "
                                                "decimal point or comma.")
                                       .arg(quoted)
                                 : QCoreApplication::translate(
                                       "Entry", "%1 holds more than one number; type one.")
                                       .arg(quoted));
    }

    // "1 234" may be a thousand and more, or two numbers: either way not one plain number.
    if (std::any_of(number.begin(), number.end(), [](QChar c) { return c.isSpace(); }))
        return refuse(error, QCoreApplication::translate(
                                 "Entry", "%1 has a blank inside; type one number, without "
                                          "thousands separators.")
                                 .arg(quoted));

    const qsizetype marks = std::count_if(number.begin(), number.end(), isMark);
    if (marks > 1)
        return refuse(error, QCoreApplication::translate(
                                 "Entry", "%1 has more than one point or comma; type it without "
                                          "thousands separators, with one decimal point or comma.")
                                 .arg(quoted));
    const qsizetype comma = number.indexOf(u',');
    if (comma >= 1 && comma <= 3 && number[0] != u'0' && number.size() - comma - 1 == 3)
        return refuse(error, QCoreApplication::translate(
                                 "Entry", "The comma in %1 could be a thousands separator or a "
                                          "decimal comma; type the number without it, or with a "
                                          "decimal point.")
                                 .arg(quoted));

    const std::optional<int> shift = shiftTo(field, rest);
    if (!shift)
        return refuse(error, QCoreApplication::translate(
                                 //: %2 lists the units the answer takes: "mmol, mol, and µmol".
                                 "Entry", "\"%1\" is not a unit of this answer, which takes %2, "
                                          "or no unit.")
                                 .arg(VisibleText::escaped(rest), unitsOfKind(field)));

    QString plain = number.toString();
    plain.replace(u',', u'.');
    // The unit moves the decimal point in the text, and the number is read
    // once: 0.1617 mol is then the same double as 161.7, where multiplying
    // 0.1617 by 1000 gives 161.70000000000002.
    if (*shift != 0)
        plain += u'e' + QString::number(*shift);
    bool ok = false;
    const double magnitude = QLocale::c().toDouble(plain, &ok);
    if (!ok)
        return refuse(error, QCoreApplication::translate(
                                 "Entry", "%1 is not a number; type it in digits, like 12.5.")
                                 .arg(quoted));
    if (magnitude >= tooLarge)
        return refuse(error, QCoreApplication::translate(
                                 "Entry", "%1 is far too large for this answer; check the digits.")
                                 .arg(quoted));
    return negative ? -magnitude : magnitude;
}
