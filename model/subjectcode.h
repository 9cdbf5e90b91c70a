// Subject codes: the four inputs of a subject as a teacher writes them on a
// board (M72-0.8-12.4), read back from what people type, and drawn at random.
#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringView>

#include <functional>
#include <optional>

// The four inputs a subject is drawn with, each a run of whole steps: sex
// 0 or 1, the weight in kg and the two lactate levels in tenths of a
// mmol/L. Codes, their draws and every message that states the ranges take
// them from here.
struct InputRange {
    int low;
    int count;
    constexpr int high() const { return low + count - 1; }
    constexpr bool holds(int value) const { return value >= low && value <= high(); }
};

namespace Inputs {
inline constexpr InputRange sex{0, 2};
inline constexpr InputRange weight{60, 25};       // kg
inline constexpr InputRange beforeTenths{4, 5};   // lactate before the race
inline constexpr InputRange afterTenths{100, 40}; // lactate just after it
inline constexpr int subjectCount =
    sex.count * weight.count * beforeTenths.count * afterTenths.count;
} // namespace Inputs

class SubjectCode {
    Q_DECLARE_TR_FUNCTIONS(SubjectCode)

public:
    static constexpr int count = Inputs::subjectCount;

    // Accepts upper or lower case, blanks around the code and a lactate
    // written without its decimal (w60-0.4-10); refuses anything else, and
    // then *error says what is wrong and what a code looks like.
    static std::optional<SubjectCode> parse(QStringView text, QString* error = nullptr);
    // Codes as a teacher lists them, one a line or parted by blanks, commas or
    // semicolons, each read by parse(); nothing, with *error naming the first
    // code that does not read. Empty for a text that lists none.
    static std::optional<QList<SubjectCode>> parseList(QStringView text, QString* error = nullptr);

    // The order of the index is sex, weight, lactate before, lactate after,
    // the last changing fastest: 0 is M60-0.4-10.0, count - 1 W84-0.8-13.9.
    static std::optional<SubjectCode> fromIndex(int index);
    // A random subject of four uniform draws in [0, 1), taken in the order
    // sex, weight, lactate before, lactate after: each input is the low end
    // of its range and floor(r x its count) steps, so that every subject is
    // equally likely. The one way a subject is drawn.
    static SubjectCode draw(const std::function<double()>& draw);

    QString text() const;
    int index() const { return m_index; }
    int sex() const { return Inputs::sex.low + m_index / (count / Inputs::sex.count); }
    int weight() const {
        return Inputs::weight.low + place(Inputs::weight, afterStep * beforeStep);
    }
    int beforeTenths() const {
        return Inputs::beforeTenths.low + place(Inputs::beforeTenths, afterStep);
    }
    int afterTenths() const { return Inputs::afterTenths.low + place(Inputs::afterTenths, 1); }

    friend bool operator==(const SubjectCode&, const SubjectCode&) = default;

private:
    static constexpr int afterStep = Inputs::afterTenths.count;
    static constexpr int beforeStep = Inputs::beforeTenths.count;
    int place(const InputRange& range, int step) const { return m_index / step % range.count; }

    explicit SubjectCode(int index)
        : m_index(index) {}

    int m_index;
};

// n different subjects for a class, 1 <= n <= SubjectCode::count: the first
// n of a shuffle of every code, taking one draw in [0, 1) each. For any
// other n the list is empty and *error says why.
QList<SubjectCode> differentSubjects(int n, const std::function<double()>& draw,
                                     QString* error = nullptr);
