// Whose attempt it is: the student's name and, where the school's gradebook
// has one, the student's ID number (Moodle's "ID number"). Both are free
// text from a person, in any script, trimmed, with a limit to their length
// and no control characters.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringView>

#include <optional>

struct Student {
    Q_DECLARE_TR_FUNCTIONS(Student)

public:
    // Longer than any name or number a gradebook holds for a person, short
    // enough for a line of a table.
    static constexpr qsizetype longestName = 100;
    static constexpr qsizetype longestId = 100;

    QString name; // empty for nobody named, as in a record of the first version
    QString id;   // empty where none was given

    bool isNamed() const { return !name.isEmpty(); }

    // What is wrong with a name or an ID number as typed, in one sentence,
    // or nothing; a name must be given, an ID number need not.
    static std::optional<QString> nameProblem(QStringView name);
    static std::optional<QString> idProblem(QStringView id);
    // The student of a name and an ID number as typed, trimmed; nothing
    // when either has a problem.
    static std::optional<Student> fromTyped(QStringView name, QStringView id);

    // "Ana Souza" or "Ana Souza (ID 20231)", control characters escaped.
    QString shown() const;

    friend bool operator==(const Student&, const Student&) = default;
};
