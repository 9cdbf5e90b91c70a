// Where a student stands in the exercise: question n posed (its answer not
// yet shown), answer n shown, or finished. The stages run in that order,
// Q1 A1 Q2 ... Q6 A6 Finished, and a stage is its place in the order.
#pragma once

#include <QString>

#include <optional>

class Stage {
public:
    // Question 1 posed: the start.
    Stage() = default;

    static Stage posed(int question);
    static Stage shown(int question);
    static Stage finished();
    // Nothing for an index outside 0 to count() - 1.
    static std::optional<Stage> fromIndex(int index);
    static int count(); // two for each question, and the end

    int index() const { return m_index; }
    int posedQuestion() const; // 0 unless a question is posed
    int shownAnswer() const;   // 0 unless an answer is shown
    // The question the student has come to: posed, or its answer shown;
    // the last once finished.
    int reachedQuestion() const;
    bool isFinished() const;
    Stage next() const; // the end stays the end

    QString name() const; // "Q3", "A3", "Finished", for tests and logs

    friend bool operator==(const Stage&, const Stage&) = default;

private:
    explicit Stage(int index)
        : m_index(index) {}

    int m_index = 0;
};
