// Subject codes: the four inputs of a subject as a teacher writes them on a
// board (M72-0.8-12.4), read back from what people type, and turned into the
// Scenario that the same four draws give.
#pragma once

#include "model/scenario.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringView>

#include <array>
#include <functional>
#include <optional>

class SubjectCode {
    Q_DECLARE_TR_FUNCTIONS(SubjectCode)

public:
    static constexpr int count = Inputs::subjectCount;

    // Accepts upper or lower case, blanks around the code and a lactate
    // written without its decimal (w60-0.4-10); refuses anything else, and
    // then *error says what is wrong and what a code looks like.
    static std::optional<SubjectCode> parse(QStringView text, QString* error = nullptr);

    // The order of the index is sex, weight, lactate before, lactate after,
    // the last changing fastest: 0 is M60-0.4-10.0, count - 1 W84-0.8-13.9.
    static std::optional<SubjectCode> fromIndex(int index);
    // The subject that makeScenario() makes of the same four draws.
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

    // The middle of the interval of each draw, in the order makeScenario()
    // takes them; any draw in the interval gives the same subject.
    std::array<double, 4> draws() const;
    Scenario scenario() const;

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
