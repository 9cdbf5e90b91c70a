// The subject of an exercise: who it is about, named by its code, with
// every number of the exercise computed once from its four inputs. A value
// that does not change: the session, a replayed record and paper each hold
// one, and a new subject is a new value.
#pragma once

#include "scenario.h"
#include "subjectcode.h"

class Subject {
public:
    explicit Subject(const SubjectCode& code)
        : m_code(code)
        , m_numbers(makeScenario(code)) {}

    const SubjectCode& code() const { return m_code; }
    const Scenario& numbers() const { return m_numbers; }

    friend bool operator==(const Subject& a, const Subject& b) { return a.m_code == b.m_code; }

private:
    SubjectCode m_code;
    Scenario m_numbers;
};
